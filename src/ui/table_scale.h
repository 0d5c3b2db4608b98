// Cards that grow with the window ("ScaleCards" 1). The table is then laid
// out once for the smallest window and shown magnified by the largest factor
// that lets the whole of it fit the table view, centred, with the table's
// texture filling the border around it. The engine's geometry (layout, hit
// tests, flights) stays in table units, the pixels of the smallest window;
// only the window maps between them and its own pixels. The pictures are
// painted at the magnified size and the screen's density, never enlarged
// from smaller ones, so the cards stay sharp.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QTransform>

struct TableScale {
  qreal factor = 1.0;  // view pixels per table unit
  QPoint offset;       // where the table's corner (0, 0) lies on the view

  bool Identity() const { return factor == 1.0 && offset.isNull(); }
  // The view pixels that cover an area of the table.
  QRect ToView(const QRect& table) const;
  QPoint ToView(QPoint table) const;
  // The table unit under a point of the view.
  QPoint ToTable(QPointF view) const;
  // Maps view pixels onto table units (for the texture, which keeps its
  // screen size so that it runs on seamlessly into the border).
  QTransform ViewToTable() const;
};

// The largest factor (at least 1) at which a table of tableSize fits a view
// of viewSize, and the offset that centres it. A view no larger than the
// table shows it as it is.
TableScale FitTable(QSize viewSize, QSize tableSize);
