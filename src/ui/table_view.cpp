#include "ui/table_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "ui/main_window.h"

TableView::TableView(TForm1& form) : QWidget(&form), form_(form) {
  // Every pixel comes from BackBuffer: Qt need not clear the widget first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void TableView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  form_.FormPaint(painter, event->rect());
}

void TableView::mouseReleaseEvent(QMouseEvent* event) {
  form_.TableMouseRelease(event->position().toPoint(), event->button());
}
