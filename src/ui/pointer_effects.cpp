// What the mouse leaves on the table: the card of the player's hand under
// the pointer lit up, the run of cards dragged in Scarf, and the little
// start the computer's card backs give while the player presses a card.
// These draw on the table as it is shown and are gone at the next repaint.
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "table/layout.h"
#include "ui/artwork/artwork.h"
#include "ui/card_animator.h"

namespace {

const QColor kHoverLight(245, 250, 250);

QRect ToQRect(const TRect& r) {
  return QRect(QPoint(r.Left, r.Top), QSize(r.Width(), r.Height()));
}

QRect Shifted(const TRect& r, int dx, int dy) {
  return ToQRect(r).translated(dx, dy);
}

}  // namespace

void CardAnimator::ShowHandHover(const HandHoverView& view) {
  if (instant_) return;
  AnimationScope scope(*this, false);
  for (const HandHoverCard& c : view.cards) {
    {
      QPainter painter(&p_.DragPicture);
      painter.setCompositionMode(QPainter::CompositionMode_Source);
      painter.drawPixmap(0, 0, Face(c.image));
      if (c.highlighted) {
        // The light fill shows through the card's white.
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.fillRect(QRect(0, 0, kCardWidth, kCardHeight), kHoverLight);
      }
    }
    CopyScaled(p_.BackBuffer, QRect(c.left, view.top, c.width, kCardHeight), p_.DragPicture,
               QRect(0, 0, c.width, kCardHeight));
  }
}

void CardAnimator::CaptureDragPicture(const TRect& from, const TRect& into) {
  QPainter painter(&p_.DragPicture);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  const qreal r = p_.BackBuffer.devicePixelRatio();
  const QRect source = ToQRect(from);
  painter.drawImage(
      QRectF(ToQRect(into)), p_.BackBuffer,
      QRectF(source.x() * r, source.y() * r, source.width() * r, source.height() * r));
}

void CardAnimator::ShowDragStep(const DragStepView& view) {
  if (!view_.isVisible()) return;
  const QRect bounds = view_.rect();
  QRect dirty = clock_.ViewArea(ToQRect(view.at));
  // The strips the picture uncovered are painted afresh from the table.
  for (const TRect& strip : view.uncovered) dirty |= clock_.ViewArea(ToQRect(strip)) & bounds;
  view_.repaint(dirty & bounds);
}

void CardAnimator::PaintDragOverlay(QPainter& painter) const {
  const TTableState& t = g_.t;
  if (t.Picked != 1 || g_.kind() != Kind::Scarf) return;
  const qreal r = p_.DragPicture.devicePixelRatio();
  const QRect part = ToQRect(t.DragImageRect);
  painter.drawImage(QRectF(ToQRect(t.DragRect)), p_.DragPicture,
                    QRectF(part.x() * r, part.y() * r, part.width() * r, part.height() * r));
}

void CardAnimator::PressCardBacks(const CardBackPressView& view) {
  if (instant_) return;
  AnimationScope scope(*this, false);
  using Op = BackPaintStep::Op;
  for (int x : view.cardLefts) {
    const int y = view.top;
    CopyArea(p_.ScratchPicture, p_.TableBackground, QRect(x, y, kCardWidth, kCardHeight));
    for (const BackPaintStep& s : view.steps) {
      switch (s.op) {
        case Op::DrawBack:
          DrawOn(p_.ScratchPicture, art_.Back(s.image), x, y);
          break;
        case Op::DrawSideways:
          DrawOn(p_.ScratchPicture, art_.SidewaysBack(s.image), x + s.x, y + s.y);
          break;
        case Op::Fill: {
          QPainter painter(&p_.ScratchPicture);
          painter.fillRect(Shifted(s.from, x, y), QColor(s.red, s.green, s.blue));
          break;
        }
        case Op::Copy:
          CopyScaled(p_.BackBuffer, Shifted(s.to, x, y), p_.ScratchPicture, Shifted(s.from, x, y));
          break;
      }
    }
  }
}

void CardAnimator::ReleaseCardBacks(const CardBackReleaseView& view) {
  if (instant_) return;
  AnimationScope scope(*this, false);
  for (int x : view.cardLefts) DrawOn(p_.BackBuffer, art_.Back(view.image), x, view.top);
}
