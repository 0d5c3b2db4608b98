#include "ui/table_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include "ui/main_window.h"

TableView::TableView(TForm1& form) : QWidget(&form), form_(form) {
  // Every pixel comes from BackBuffer: Qt need not clear the widget first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void TableView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  form_.FormPaint(painter, event->rect());
  form_.PaintTableOverlay(painter);
}

void TableView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  form_.TableViewResized();
}

void TableView::mousePressEvent(QMouseEvent* event) {
  form_.TableMousePress(event->position().toPoint(), event->button());
}

void TableView::mouseReleaseEvent(QMouseEvent* event) {
  form_.TableMouseRelease(event->position().toPoint(), event->button());
}

void TableView::mouseMoveEvent(QMouseEvent* event) {
  form_.TableMouseMove(event->position().toPoint());
}

// The second press of a double click arrives as a double click instead of a
// press: it is still a press for the games that act on presses.
void TableView::mouseDoubleClickEvent(QMouseEvent* event) {
  form_.TableMousePress(event->position().toPoint(), event->button());
  form_.TableDoubleClick();
}
