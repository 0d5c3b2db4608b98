// The programs' icon: two cards fanned over a rounded piece of the green
// table, the front card showing the ace of a suit (spades for Kalvenar,
// hearts for Kalvenor). It is one list of filled and stroked outlines, so the
// same drawing gives the PNG icons of every size and the scalable SVG one.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <vector>

namespace artwork {

// The icon is drawn on a square this many units wide.
constexpr int kIconUnits = 256;

struct IconShape {
  QPainterPath outline;  // in icon units
  QColor fill;           // Qt::transparent: not filled
  QColor stroke;         // Qt::transparent: not stroked
  qreal strokeWidth = 0;
};

// suit: the ace on the front card (0 clubs .. 3 hearts).
std::vector<IconShape> ProgramIconShapes(int suit);
// The icon painted at `size` x `size` pixels.
QImage PaintProgramIcon(int suit, int size);
// The same icon as an SVG document.
QString ProgramIconSvg(int suit);

}  // namespace artwork
