// The mouse over the table, handed to the engine's routing with the pointer
// in the table's units (the view's pixels unless the cards are scaled). Nothing is taken while the
// first deal is not made or a game message box is up.
#include <QPainter>

#include "play/pointer_routing.h"
#include "ui/card_animator.h"
#include "ui/main_window.h"

namespace {

std::optional<PointerButton> ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return PointerButton::Left;
    case Qt::RightButton:
      return PointerButton::Right;
    case Qt::MiddleButton:
      return PointerButton::Middle;
    default:
      return std::nullopt;
  }
}

}  // namespace

void TForm1::TableMousePress(QPoint pos, Qt::MouseButton button) {
  const auto b = ButtonOf(button);
  if (!ReadyForPlayer() || !b) return;
  const QPoint at = ViewToTable(pos);
  FormMouseDown(game_, *b, at.x(), at.y());
}

void TForm1::TableMouseRelease(QPoint pos, Qt::MouseButton button) {
  const auto b = ButtonOf(button);
  if (!ReadyForPlayer() || !b) return;
  const QPoint at = ViewToTable(pos);
  FormMouseUp(game_, *b, at.x(), at.y());
}

void TForm1::TableMouseMove(QPoint pos) {
  if (!ReadyForPlayer()) return;
  const QPoint at = ViewToTable(pos);
  FormMouseMove(game_, at.x(), at.y());
}

void TForm1::TableDoubleClick() {
  if (!ReadyForPlayer()) return;
  FormDblClick(game_);
}

void TForm1::PaintTableOverlay(QPainter& painter) {
  if (callouts_.Animating() || !started_) return;
  painter.save();
  painter.translate(scale_.offset);
  painter.scale(scale_.factor, scale_.factor);
  callouts_.Animator().PaintDragOverlay(painter);
  painter.restore();
}
