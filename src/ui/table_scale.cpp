#include "ui/table_scale.h"

#include <algorithm>
#include <cmath>

QRect TableScale::ToView(const QRect& table) const {
  if (Identity() || table.isEmpty()) return table;
  const int left = static_cast<int>(std::floor(offset.x() + table.left() * factor));
  const int top = static_cast<int>(std::floor(offset.y() + table.top() * factor));
  const int right = static_cast<int>(std::ceil(offset.x() + (table.right() + 1) * factor));
  const int bottom = static_cast<int>(std::ceil(offset.y() + (table.bottom() + 1) * factor));
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QPoint TableScale::ToView(QPoint table) const {
  return QPoint(qRound(offset.x() + table.x() * factor), qRound(offset.y() + table.y() * factor));
}

QPoint TableScale::ToTable(QPointF view) const {
  return QPoint(static_cast<int>(std::floor((view.x() - offset.x()) / factor)),
                static_cast<int>(std::floor((view.y() - offset.y()) / factor)));
}

QTransform TableScale::ViewToTable() const {
  return QTransform()
      .translate(-offset.x() / factor, -offset.y() / factor)
      .scale(1.0 / factor, 1.0 / factor);
}

TableScale FitTable(QSize viewSize, QSize tableSize) {
  TableScale s;
  if (tableSize.width() <= 0 || tableSize.height() <= 0) return s;
  const qreal across = static_cast<qreal>(viewSize.width()) / tableSize.width();
  const qreal down = static_cast<qreal>(viewSize.height()) / tableSize.height();
  s.factor = std::max<qreal>(1.0, std::min(across, down));
  s.offset = QPoint(std::max(0, qRound((viewSize.width() - tableSize.width() * s.factor) / 2)),
                    std::max(0, qRound((viewSize.height() - tableSize.height() * s.factor) / 2)));
  return s;
}
