// Canvas, suit pips, index glyphs and the blank card: the pieces every card
// picture is made of.
#include <QtMath>
#include <array>

#include "ui/artwork/painting.h"

namespace artwork {

QImage NewCanvas(QSize logical, qreal ratio) {
  QImage canvas(qRound(logical.width() * ratio), qRound(logical.height() * ratio),
                QImage::Format_ARGB32_Premultiplied);
  canvas.setDevicePixelRatio(ratio);
  canvas.fill(Qt::transparent);
  return canvas;
}

void BeginPainting(QPainter& p, QImage& canvas) {
  p.begin(&canvas);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

bool IsRedSuit(int suit) {
  return suit == 2 || suit == 3;
}

QColor SuitColour(int suit) {
  return IsRedSuit(suit) ? QColor(206, 17, 38) : QColor(22, 22, 26);
}

namespace {

// A heart one unit wide, its point at the bottom.
QPainterPath HeartPath() {
  QPainterPath path;
  path.moveTo(0, 0.52);
  path.cubicTo(-0.16, 0.30, -0.50, 0.08, -0.50, -0.20);
  path.cubicTo(-0.50, -0.44, -0.32, -0.56, -0.20, -0.56);
  path.cubicTo(-0.09, -0.56, -0.02, -0.50, 0, -0.36);
  path.cubicTo(0.02, -0.50, 0.09, -0.56, 0.20, -0.56);
  path.cubicTo(0.32, -0.56, 0.50, -0.44, 0.50, -0.20);
  path.cubicTo(0.50, 0.08, 0.16, 0.30, 0, 0.52);
  path.closeSubpath();
  return path;
}

QPainterPath DiamondPath() {
  QPainterPath path;
  path.moveTo(0, -0.56);
  path.quadTo(0.16, -0.22, 0.42, 0);
  path.quadTo(0.16, 0.22, 0, 0.56);
  path.quadTo(-0.16, 0.22, -0.42, 0);
  path.quadTo(-0.16, -0.22, 0, -0.56);
  path.closeSubpath();
  return path;
}

// The flared stem under a spade or a club. It winds the same way as the rest
// of the pip (and as Qt lays its ellipses), or the fill would cut it off
// where the two overlap.
void AddStem(QPainterPath& path) {
  QPainterPath stem;
  stem.moveTo(-0.07, 0.05);
  stem.quadTo(-0.07, 0.42, -0.21, 0.56);
  stem.lineTo(0.21, 0.56);
  stem.quadTo(0.07, 0.42, 0.07, 0.05);
  stem.closeSubpath();
  path.addPath(stem.toReversed());
  path.setFillRule(Qt::WindingFill);
}

QPainterPath SpadePath() {
  QPainterPath path;
  path.moveTo(0, -0.56);
  path.cubicTo(-0.14, -0.34, -0.50, -0.14, -0.50, 0.12);
  path.cubicTo(-0.50, 0.32, -0.36, 0.40, -0.24, 0.40);
  path.cubicTo(-0.12, 0.40, -0.04, 0.34, 0, 0.24);
  path.cubicTo(0.04, 0.34, 0.12, 0.40, 0.24, 0.40);
  path.cubicTo(0.36, 0.40, 0.50, 0.32, 0.50, 0.12);
  path.cubicTo(0.50, -0.14, 0.14, -0.34, 0, -0.56);
  path.closeSubpath();
  path = path.toReversed();  // clockwise, like the stem
  AddStem(path);
  return path;
}

QPainterPath ClubPath() {
  QPainterPath path;
  constexpr qreal r = 0.215;
  path.addEllipse(QPointF(0, -0.30), r, r);
  path.addEllipse(QPointF(-0.27, 0.10), r, r);
  path.addEllipse(QPointF(0.27, 0.10), r, r);
  path.addEllipse(QPointF(0, 0.02), 0.13, 0.16);
  AddStem(path);
  return path;
}

}  // namespace

const QPainterPath& SuitPip(int suit) {
  static const std::array<QPainterPath, 4> pips = {ClubPath(), SpadePath(), DiamondPath(),
                                                   HeartPath()};
  return pips[suit & 3];
}

void DrawPip(QPainter& p, int suit, QPointF centre, qreal width, bool flipped) {
  p.save();
  p.translate(centre);
  p.scale(width, flipped ? -width : width);
  p.fillPath(SuitPip(suit), SuitColour(suit));
  p.restore();
}

namespace {

QPainterPath Ellipse(qreal cx, qreal cy, qreal rx, qreal ry) {
  QPainterPath path;
  path.addEllipse(QPointF(cx, cy), rx, ry);
  return path;
}

QPainterPath SixPath() {
  QPainterPath path;
  path.moveTo(8.4, 1.6);
  path.cubicTo(7.5, 0.6, 6.4, 0.2, 5.2, 0.2);
  path.cubicTo(2.2, 0.2, 0.9, 3.2, 0.9, 8.0);
  path.cubicTo(0.9, 11.8, 2.6, 13.8, 5.1, 13.8);
  path.cubicTo(7.6, 13.8, 9.2, 12.0, 9.2, 9.4);
  path.cubicTo(9.2, 6.9, 7.6, 5.3, 5.3, 5.3);
  path.cubicTo(3.2, 5.3, 1.4, 6.6, 0.9, 8.6);
  return path;
}

}  // namespace

QPainterPath Glyph(char c) {
  QPainterPath path;
  switch (c) {
    case '2':
      path.moveTo(1.0, 3.6);
      path.cubicTo(1.3, 1.3, 3.0, 0.2, 5.0, 0.2);
      path.cubicTo(7.4, 0.2, 8.9, 1.7, 8.9, 3.8);
      path.cubicTo(8.9, 6.6, 5.0, 9.2, 1.0, 13.8);
      path.lineTo(9.4, 13.8);
      break;
    case '3':
      path.moveTo(1.0, 2.4);
      path.cubicTo(2.0, 0.9, 3.4, 0.2, 5.0, 0.2);
      path.cubicTo(7.3, 0.2, 8.6, 1.6, 8.6, 3.5);
      path.cubicTo(8.6, 5.5, 7.0, 6.6, 4.3, 6.6);
      path.cubicTo(7.4, 6.6, 9.2, 7.9, 9.2, 10.1);
      path.cubicTo(9.2, 12.4, 7.4, 13.8, 5.0, 13.8);
      path.cubicTo(3.0, 13.8, 1.6, 13.0, 0.8, 11.6);
      break;
    case '4':
      path.moveTo(7.0, 13.8);
      path.lineTo(7.0, 0.3);
      path.lineTo(0.8, 9.8);
      path.lineTo(9.6, 9.8);
      break;
    case '5':
      path.moveTo(8.8, 0.3);
      path.lineTo(2.2, 0.3);
      path.lineTo(1.5, 6.4);
      path.cubicTo(2.5, 5.6, 3.7, 5.2, 5.0, 5.2);
      path.cubicTo(7.6, 5.2, 9.2, 7.0, 9.2, 9.5);
      path.cubicTo(9.2, 12.2, 7.3, 13.8, 4.8, 13.8);
      path.cubicTo(2.9, 13.8, 1.6, 13.0, 0.8, 11.8);
      break;
    case '6':
      path = SixPath();
      break;
    case '9':
      path = QTransform(-1, 0, 0, -1, 10, 14).map(SixPath());
      break;
    case '7':
      path.moveTo(0.8, 0.3);
      path.lineTo(9.3, 0.3);
      path.cubicTo(6.4, 3.8, 4.6, 8.4, 4.0, 13.8);
      break;
    case '8':
      path.addPath(Ellipse(5.0, 3.55, 3.5, 3.35));
      path.addPath(Ellipse(5.0, 10.15, 4.1, 3.65));
      break;
    case 'T':  // the ten: a narrow one and a nought side by side
      path.moveTo(0.1, 2.6);
      path.lineTo(2.5, 0.3);
      path.lineTo(2.5, 13.8);
      path.addPath(Ellipse(7.15, 7.05, 2.75, 6.75));
      break;
    case 'J':
      path.moveTo(3.6, 0.3);
      path.lineTo(9.2, 0.3);
      path.moveTo(7.4, 0.3);
      path.lineTo(7.4, 9.8);
      path.cubicTo(7.4, 12.4, 6.0, 13.8, 4.1, 13.8);
      path.cubicTo(2.3, 13.8, 1.0, 12.6, 0.8, 10.6);
      break;
    case 'Q':
      path.addPath(Ellipse(5.0, 6.8, 4.2, 6.5));
      path.moveTo(5.6, 9.6);
      path.lineTo(9.7, 14.0);
      break;
    case 'K':
      path.moveTo(1.3, 0.2);
      path.lineTo(1.3, 13.8);
      path.moveTo(9.3, 0.2);
      path.lineTo(1.4, 8.6);
      path.moveTo(4.1, 5.7);
      path.lineTo(9.5, 13.8);
      break;
    case 'A':
      path.moveTo(0.6, 13.8);
      path.lineTo(5.0, 0.2);
      path.lineTo(9.4, 13.8);
      path.moveTo(2.2, 9.2);
      path.lineTo(7.8, 9.2);
      break;
    case 'O':
      path.addPath(Ellipse(5.0, 7.0, 4.2, 6.7));
      break;
    case 'E':
      path.moveTo(8.9, 0.3);
      path.lineTo(1.3, 0.3);
      path.lineTo(1.3, 13.7);
      path.lineTo(8.9, 13.7);
      path.moveTo(1.3, 6.9);
      path.lineTo(7.6, 6.9);
      break;
    case 'R':
      path.moveTo(1.3, 13.8);
      path.lineTo(1.3, 0.3);
      path.lineTo(5.2, 0.3);
      path.cubicTo(7.9, 0.3, 9.1, 1.8, 9.1, 3.8);
      path.cubicTo(9.1, 5.9, 7.9, 7.3, 5.2, 7.3);
      path.lineTo(1.3, 7.3);
      path.moveTo(5.0, 7.3);
      path.lineTo(9.3, 13.8);
      break;
    default:
      break;
  }
  return path;
}

void DrawGlyph(QPainter& p, char c, QPointF topLeft, qreal height, QColor colour) {
  p.save();
  p.translate(topLeft);
  const qreal scale = height / 14.0;
  p.scale(scale, scale);
  QPen pen(colour, 2.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.strokePath(Glyph(c), pen);
  p.restore();
}

QPainterPath CardOutline() {
  QPainterPath path;
  path.addRoundedRect(QRectF(0.5, 0.5, kCardW - 1, kCardH - 1), kCornerRadius, kCornerRadius);
  return path;
}

void DrawBlankCard(QPainter& p) {
  p.fillPath(CardOutline(), QColor(255, 255, 253));
  p.strokePath(CardOutline(), QPen(QColor(96, 96, 104), 1.0));
}

}  // namespace artwork
