// The joker, the outline of an empty place and the small suit icons that
// show the trump on the table.
#include <QtMath>
#include <cmath>

#include "ui/artwork/painting.h"

namespace artwork {

namespace {

const QColor kJokerRed(206, 17, 38);
const QColor kJokerBlue(35, 70, 160);
const QColor kJokerGold(238, 186, 48);
const QColor kInk(34, 30, 36);

void Fill(QPainter& p, const QPainterPath& path, QColor colour) {
  p.fillPath(path, colour);
  p.strokePath(path, QPen(kInk, 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath Circle(QPointF centre, qreal r) {
  QPainterPath path;
  path.addEllipse(centre, r, r);
  return path;
}

QPainterPath Star(QPointF centre, qreal outer, qreal inner, int points) {
  QPolygonF polygon;
  for (int i = 0; i < 2 * points; ++i) {
    const qreal angle = M_PI * i / points - M_PI / 2;
    const qreal r = i % 2 == 0 ? outer : inner;
    polygon << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
  }
  QPainterPath path;
  path.addPolygon(polygon);
  path.closeSubpath();
  return path;
}

// The word JOKER read downwards in a corner, with a star under it.
void DrawJokerIndex(QPainter& p) {
  const char* word = "JOKER";
  for (int i = 0; i < 5; ++i) {
    DrawGlyph(p, word[i], QPointF(3.6, 4.0 + 7.6 * i), 6.4, kJokerRed);
  }
  p.fillPath(Star(QPointF(6.9, 45.5), 3.6, 1.5, 5), kJokerBlue);
}

// One floppy point of the cap, from the brow out to a bell.
void DrawCapPoint(QPainter& p, QPointF from, QPointF to, QPointF tip, QColor colour) {
  QPainterPath point;
  point.moveTo(from);
  point.quadTo(tip + QPointF(0, 6), tip);
  point.quadTo(to + QPointF(0, -8), to);
  point.closeSubpath();
  Fill(p, point, colour);
  Fill(p, Circle(tip, 2.4), kJokerGold);
}

void DrawJester(QPainter& p) {
  const qreal cx = kCardW / 2;
  // Harlequin tunic.
  QPainterPath tunic;
  tunic.addRoundedRect(QRectF(cx - 15, 66, 30, 25), 4, 4);
  p.save();
  p.setClipPath(tunic);
  for (int row = 0; row < 4; ++row) {
    for (int col = -3; col <= 3; ++col) {
      const QPointF c(cx + col * 7 + (row % 2) * 3.5, 66 + row * 7);
      QPainterPath diamond;
      diamond.moveTo(c + QPointF(0, -3.5));
      diamond.lineTo(c + QPointF(3.5, 0));
      diamond.lineTo(c + QPointF(0, 3.5));
      diamond.lineTo(c + QPointF(-3.5, 0));
      diamond.closeSubpath();
      p.fillPath(diamond, (col + row) % 2 == 0 ? kJokerRed : kJokerGold);
    }
  }
  p.restore();
  p.strokePath(tunic, QPen(kInk, 0.6));
  // Ruff of alternating points round the neck.
  for (int i = 0; i < 8; ++i) {
    const qreal x = cx - 14 + i * 4;
    QPainterPath tooth;
    tooth.moveTo(x, 63);
    tooth.lineTo(x + 4, 63);
    tooth.lineTo(x + 2, 69);
    tooth.closeSubpath();
    Fill(p, tooth, i % 2 == 0 ? kJokerBlue : QColor(250, 250, 250));
  }
  // Face.
  QPainterPath face;
  face.addEllipse(QPointF(cx, 53), 8.5, 9.5);
  Fill(p, face, QColor(252, 226, 196));
  p.fillPath(Circle(QPointF(cx - 5, 56), 1.8), QColor(244, 160, 160));
  p.fillPath(Circle(QPointF(cx + 5, 56), 1.8), QColor(244, 160, 160));
  p.fillPath(Circle(QPointF(cx - 3, 51), 0.9), kInk);
  p.fillPath(Circle(QPointF(cx + 3, 51), 0.9), kInk);
  QPainterPath smile;
  smile.moveTo(cx - 4, 57);
  smile.quadTo(cx, 61, cx + 4, 57);
  p.strokePath(smile, QPen(kJokerRed, 1.0, Qt::SolidLine, Qt::RoundCap));
  // Cap of three points with bells, and its band.
  DrawCapPoint(p, QPointF(cx - 8, 46), QPointF(cx - 2, 42), QPointF(cx - 20, 36), kJokerRed);
  DrawCapPoint(p, QPointF(cx + 8, 46), QPointF(cx + 2, 42), QPointF(cx + 20, 36), kJokerBlue);
  DrawCapPoint(p, QPointF(cx - 5, 43), QPointF(cx + 5, 43), QPointF(cx, 20), kJokerGold);
  Fill(p, Circle(QPointF(cx, 20), 2.4), kJokerRed);
  QPainterPath band;
  band.moveTo(cx - 9, 47);
  band.quadTo(cx, 40.5, cx + 9, 47);
  band.lineTo(cx + 8.5, 44.5);
  band.quadTo(cx, 38.5, cx - 8.5, 44.5);
  band.closeSubpath();
  Fill(p, band, kJokerGold);
}

}  // namespace

void PaintJoker(QPainter& p) {
  DrawBlankCard(p);
  DrawJokerIndex(p);
  p.save();
  p.translate(kCardW, kCardH);
  p.rotate(180);
  DrawJokerIndex(p);
  p.restore();
  DrawJester(p);
}

void PaintEmptyPlace(QPainter& p) {
  // Dark and light dashes in turn, so the outline shows on light and dark
  // tables alike; inside it the table shows through.
  QPainterPath outline;
  outline.addRoundedRect(QRectF(1.5, 1.5, kCardW - 3, kCardH - 3), kCornerRadius, kCornerRadius);
  QPen dark(QColor(20, 20, 20, 190), 1.3, Qt::CustomDashLine, Qt::FlatCap);
  dark.setDashPattern({2.0, 2.0});
  QPen light(QColor(255, 255, 255, 210), 1.3, Qt::CustomDashLine, Qt::FlatCap);
  light.setDashPattern({2.0, 2.0});
  light.setDashOffset(2.0);
  p.strokePath(outline, dark);
  p.strokePath(outline, light);
}

void PaintSuitIcon(QPainter& p, int suit) {
  // A white tile keeps a black pip visible on a dark table.
  QPainterPath tile;
  tile.addRoundedRect(QRectF(0.5, 0.5, 17, 17), 3.5, 3.5);
  p.fillPath(tile, QColor(255, 255, 253));
  p.strokePath(tile, QPen(QColor(96, 96, 104), 1.0));
  DrawPip(p, suit, QPointF(9, 9.2), 12.6);
}

}  // namespace artwork
