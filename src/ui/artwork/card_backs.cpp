// The card backs. The first set of 14 is the classic kind: a white margin
// round a small repeating pattern, seven patterns in blue and the same seven
// in red. The second set is full-bleed: a dark ground of its own colour in a
// gold frame with a medallion in the middle, seven emblems twice over. A
// further plain back with a monogram completes the list.
#include <QtMath>
#include <array>
#include <cmath>
#include <vector>

#include "ui/artwork/painting.h"

namespace artwork {

namespace {

constexpr int kPatterns = 7;
constexpr int kSetSize = 14;
const QColor kGold(226, 184, 84);
const QColor kCream(250, 240, 212);

QColor Mix(QColor a, QColor b, qreal t) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                          a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t);
}

QPainterPath Circle(QPointF centre, qreal r) {
  QPainterPath path;
  path.addEllipse(centre, r, r);
  return path;
}

QPainterPath Rhomb(QPointF c, qreal rx, qreal ry) {
  QPainterPath path;
  path.moveTo(c + QPointF(0, -ry));
  path.lineTo(c + QPointF(rx, 0));
  path.lineTo(c + QPointF(0, ry));
  path.lineTo(c + QPointF(-rx, 0));
  path.closeSubpath();
  return path;
}

QPainterPath Star(QPointF centre, qreal outer, qreal inner, int points, qreal turn = 0) {
  QPolygonF polygon;
  for (int i = 0; i < 2 * points; ++i) {
    const qreal angle = M_PI * i / points - M_PI / 2 + turn;
    const qreal r = i % 2 == 0 ? outer : inner;
    polygon << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
  }
  QPainterPath path;
  path.addPolygon(polygon);
  path.closeSubpath();
  return path;
}

// Parallel diagonal lines `spacing` apart over the whole card, drawn in one
// call with `pen` (thin lines are quick, large filled paths are not).
void DrawDiagonalLines(QPainter& p, qreal spacing, const QPen& pen, bool rising) {
  std::vector<QLineF> lines;
  for (qreal d = -kCardH; d < kCardW; d += spacing) {
    lines.emplace_back(QPointF(d, rising ? kCardH : 0), QPointF(d + kCardH, rising ? 0 : kCardH));
  }
  p.setPen(pen);
  p.drawLines(lines.data(), static_cast<int>(lines.size()));
}

// ---- The classic set --------------------------------------------------------

const QRectF kField(4.5, 4.5, kCardW - 9, kCardH - 9);

void Lattice(QPainter& p, QColor ink) {
  p.fillRect(kField, Mix(ink, Qt::white, 0.82));
  DrawDiagonalLines(p, 6.0, QPen(ink, 1.1), false);
  DrawDiagonalLines(p, 6.0, QPen(ink, 1.1), true);
  for (qreal y = 0; y < kCardH + 6; y += 6.0) {
    for (qreal x = 0; x < kCardW + 6; x += 6.0) {
      p.fillPath(Circle(QPointF(x + 3 - 1.5, y + 3 - 1.5 + 3), 0.8), ink);
    }
  }
}

// Argyle: rows of diamonds in two tones, each touching its own kind at the
// points, crossed by fine white lines.
void Checks(QPainter& p, QColor ink) {
  p.fillRect(kField, Qt::white);
  constexpr qreal s = 4.0;
  const QColor pale = Mix(ink, Qt::white, 0.55);
  for (int row = 0; row * s < kCardH + s; ++row) {
    for (int col = 0; col * 2 * s < kCardW + 2 * s; ++col) {
      const QPointF c(col * 2 * s + (row % 2) * s, row * s);
      p.fillPath(Rhomb(c, s, s), row % 2 == 0 ? ink : pale);
    }
  }
  const QPen line(QColor(255, 255, 255, 200), 0.5);
  DrawDiagonalLines(p, 4 * s, line, false);
  DrawDiagonalLines(p, 4 * s, line, true);
}

void Plaid(QPainter& p, QColor ink) {
  p.fillRect(kField, Mix(ink, Qt::white, 0.7));
  const QColor dark = Mix(ink, Qt::black, 0.25);
  QColor band = ink;
  band.setAlphaF(0.55);
  QColor thin = dark;
  thin.setAlphaF(0.8);
  for (qreal x = 2; x < kCardW; x += 14) {
    p.fillRect(QRectF(x, 0, 6, kCardH), band);
    p.fillRect(QRectF(x + 9, 0, 1, kCardH), thin);
  }
  for (qreal y = 2; y < kCardH; y += 14) {
    p.fillRect(QRectF(0, y, kCardW, 6), band);
    p.fillRect(QRectF(0, y + 9, kCardW, 1), thin);
  }
  DrawDiagonalLines(p, 2.5, QPen(QColor(255, 255, 255, 150), 0.6), false);
}

void Polka(QPainter& p, QColor ink) {
  p.fillRect(kField, ink);
  constexpr qreal step = 7.0;
  for (int row = 0; row * step < kCardH + step; ++row) {
    for (int col = 0; col * step < kCardW + step; ++col) {
      const QPointF c(col * step + (row % 2) * step / 2, row * step);
      p.fillPath(Circle(c, 2.1), QColor(255, 255, 255));
      p.fillPath(Circle(c, 0.8), Mix(ink, Qt::white, 0.4));
    }
  }
}

void Waves(QPainter& p, QColor ink) {
  p.fillRect(kField, Qt::white);
  // Each wave is a filled band between two sampled sine curves; the dark and
  // light waves alternate.
  constexpr qreal kThick = 1.3;
  for (int line = 0; line < 26; ++line) {
    const qreal y0 = line * 4.0;
    QPolygonF band;
    for (qreal x = 0; x <= kCardW + 1; x += 1.0) {
      band << QPointF(x, y0 + 1.6 * std::sin(x * 2 * M_PI / 11.0 + line * 0.9) - kThick / 2);
    }
    for (int i = band.size() - 1; i >= 0; --i) band << band[i] + QPointF(0, kThick);
    QPainterPath wave;
    wave.addPolygon(band);
    p.fillPath(wave, line % 2 == 0 ? ink : Mix(ink, Qt::white, 0.5));
  }
}

void Frames(QPainter& p, QColor ink) {
  for (int i = 0; i < 12; ++i) {
    const qreal inset = 4.5 + i * 2.6;
    QRectF r = QRectF(0, 0, kCardW, kCardH).adjusted(inset, inset, -inset, -inset);
    if (r.width() <= 0) break;
    QPainterPath frame;
    frame.addRoundedRect(r, 3, 3);
    p.fillPath(frame, i % 2 == 0 ? ink : Qt::white);
  }
  const QPointF c(kCardW / 2, kCardH / 2);
  p.fillPath(Star(c, 12, 4, 8), Qt::white);
  p.fillPath(Star(c, 9, 3, 8, M_PI / 8), ink);
  p.fillPath(Circle(c, 2.4), Qt::white);
}

void Scales(QPainter& p, QColor ink) {
  p.fillRect(kField, Mix(ink, Qt::white, 0.3));
  constexpr qreal r = 5.0;
  for (int row = 24; row >= 0; --row) {
    for (int col = 0; col * 2 * r < kCardW + 2 * r; ++col) {
      const QPointF c(col * 2 * r + (row % 2) * r, row * r * 0.9);
      p.fillPath(Circle(c, r), ink);
      p.fillPath(Circle(c + QPointF(0, -0.9), r * 0.7), Mix(ink, Qt::white, 0.25));
      p.fillPath(Circle(c + QPointF(0, -1.6), r * 0.35), Mix(ink, Qt::white, 0.5));
    }
  }
}

void ClassicBack(QPainter& p, int pattern, QColor ink) {
  DrawBlankCard(p);
  QPainterPath field;
  field.addRoundedRect(kField, 3, 3);
  p.save();
  p.setClipPath(field);
  switch (pattern) {
    case 0:
      Lattice(p, ink);
      break;
    case 1:
      Checks(p, ink);
      break;
    case 2:
      Plaid(p, ink);
      break;
    case 3:
      Polka(p, ink);
      break;
    case 4:
      Waves(p, ink);
      break;
    case 5:
      Frames(p, ink);
      break;
    default:
      Scales(p, ink);
      break;
  }
  p.restore();
  p.strokePath(field, QPen(ink, 0.9));
}

// ---- The medallion set ------------------------------------------------------

const QPointF kMiddle(kCardW / 2, kCardH / 2);

void EmblemStar(QPainter& p) {
  p.fillPath(Star(kMiddle, 15, 6, 8), kGold);
  p.fillPath(Star(kMiddle, 9, 3.5, 8, M_PI / 8), kCream);
  p.fillPath(Circle(kMiddle, 2.5), kGold);
}

void EmblemSun(QPainter& p) {
  p.fillPath(Star(kMiddle, 16, 9, 16), kGold);
  p.fillPath(Circle(kMiddle, 8.5), kCream);
  p.fillPath(Circle(kMiddle, 6.5), kGold);
}

void EmblemRose(QPainter& p) {
  for (int i = 0; i < 6; ++i) {
    const qreal a = i * M_PI / 3;
    p.fillPath(Circle(kMiddle + QPointF(8.5 * std::cos(a), 8.5 * std::sin(a)), 6.0), kGold);
  }
  for (int i = 0; i < 6; ++i) {
    const qreal a = i * M_PI / 3 + M_PI / 6;
    p.fillPath(Circle(kMiddle + QPointF(5 * std::cos(a), 5 * std::sin(a)), 3.6), kCream);
  }
  p.fillPath(Circle(kMiddle, 3.2), kGold);
}

void EmblemSnowflake(QPainter& p) {
  QPen pen(kCream, 1.6, Qt::SolidLine, Qt::RoundCap);
  for (int i = 0; i < 6; ++i) {
    p.save();
    p.translate(kMiddle);
    p.rotate(60 * i);
    QPainterPath arm;
    arm.moveTo(0, 0);
    arm.lineTo(0, -16);
    arm.moveTo(0, -9);
    arm.lineTo(-4, -13);
    arm.moveTo(0, -9);
    arm.lineTo(4, -13);
    arm.moveTo(0, -4.5);
    arm.lineTo(-3, -7);
    arm.moveTo(0, -4.5);
    arm.lineTo(3, -7);
    p.strokePath(arm, pen);
    p.restore();
  }
  p.fillPath(Rhomb(kMiddle, 3, 3), kGold);
}

void EmblemCompass(QPainter& p) {
  p.fillPath(Star(kMiddle, 11, 3, 4, M_PI / 4), kCream);
  p.fillPath(Star(kMiddle, 17, 3.6, 4), kGold);
  p.fillPath(Circle(kMiddle, 2.2), kCream);
}

void EmblemMoon(QPainter& p) {
  QPainterPath moon = Circle(kMiddle + QPointF(-2, 0), 12);
  moon = moon.subtracted(Circle(kMiddle + QPointF(3.5, -2.5), 10));
  p.fillPath(moon, kGold);
  p.fillPath(Star(kMiddle + QPointF(6, -5), 3.6, 1.5, 5), kCream);
  p.fillPath(Star(kMiddle + QPointF(9, 5), 2.6, 1.1, 5), kCream);
  p.fillPath(Star(kMiddle + QPointF(1, 8), 2.0, 0.8, 5), kCream);
}

void EmblemCrown(QPainter& p) {
  const qreal cx = kMiddle.x();
  const qreal cy = kMiddle.y();
  QPainterPath crown;
  crown.moveTo(cx - 12, cy + 7);
  crown.lineTo(cx - 14, cy - 8);
  crown.lineTo(cx - 6, cy - 1);
  crown.lineTo(cx, cy - 12);
  crown.lineTo(cx + 6, cy - 1);
  crown.lineTo(cx + 14, cy - 8);
  crown.lineTo(cx + 12, cy + 7);
  crown.closeSubpath();
  p.fillPath(crown, kGold);
  p.fillRect(QRectF(cx - 12, cy + 8.5, 24, 3), kGold);
  for (QPointF tip : {QPointF(cx - 14, cy - 9), QPointF(cx, cy - 13), QPointF(cx + 14, cy - 9)}) {
    p.fillPath(Circle(tip, 1.8), kCream);
  }
  p.fillPath(Rhomb(QPointF(cx, cy + 2.5), 2.5, 3.2), kCream);
}

void DrawEmblem(QPainter& p, int emblem) {
  switch (emblem) {
    case 0:
      EmblemStar(p);
      break;
    case 1:
      EmblemSun(p);
      break;
    case 2:
      EmblemRose(p);
      break;
    case 3:
      EmblemSnowflake(p);
      break;
    case 4:
      EmblemCompass(p);
      break;
    case 5:
      EmblemMoon(p);
      break;
    default:
      EmblemCrown(p);
      break;
  }
}

QColor MedallionGround(int i) {
  static const std::array<QColor, kSetSize> grounds = {
      QColor(24, 92, 56),  QColor(112, 22, 40), QColor(22, 42, 100), QColor(84, 36, 112),
      QColor(14, 98, 108), QColor(98, 58, 28),  QColor(34, 34, 40),  QColor(66, 84, 30),
      QColor(140, 66, 22), QColor(44, 74, 126), QColor(122, 30, 84), QColor(18, 62, 62),
      QColor(76, 18, 18),  QColor(52, 50, 96)};
  return grounds[i];
}

void CornerOrnaments(QPainter& p) {
  for (QPointF corner : {QPointF(11, 11), QPointF(kCardW - 11, 11), QPointF(11, kCardH - 11),
                         QPointF(kCardW - 11, kCardH - 11)}) {
    p.fillPath(Rhomb(corner, 3.2, 3.2), kGold);
    p.fillPath(Circle(corner, 1.0), kCream);
  }
}

void MedallionBack(QPainter& p, int i) {
  const QColor ground = MedallionGround(i);
  const QPainterPath card = CardOutline();
  p.fillPath(card, ground);
  p.save();
  p.setClipPath(card);
  // A fine diagonal hatch gives the ground the look of printed paper.
  DrawDiagonalLines(p, 2.4, QPen(Mix(ground, Qt::black, 0.3), 0.7), false);
  p.restore();
  const QRectF outer(3.5, 3.5, kCardW - 7, kCardH - 7);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGold, 1.2));
  p.drawRoundedRect(outer, 2.5, 2.5);
  p.setPen(QPen(kGold, 0.6));
  p.drawRoundedRect(outer.adjusted(2.2, 2.2, -2.2, -2.2), 1.5, 1.5);
  CornerOrnaments(p);
  QPainterPath medallion;
  medallion.addEllipse(kMiddle, 22, 28);
  p.fillPath(medallion, Mix(ground, Qt::black, 0.35));
  p.strokePath(medallion, QPen(kGold, 1.2));
  medallion.clear();
  medallion.addEllipse(kMiddle, 19.5, 25.5);
  p.strokePath(medallion, QPen(kGold, 0.5));
  DrawEmblem(p, i % kPatterns);
  p.strokePath(card, QPen(QColor(40, 40, 44), 1.0));
}

// ---- The spare back ---------------------------------------------------------

void SpareBack(QPainter& p) {
  const QColor ink(70, 96, 90);
  DrawBlankCard(p);
  QPainterPath field;
  field.addRoundedRect(kField, 3, 3);
  p.fillPath(field, Mix(ink, Qt::white, 0.75));
  p.strokePath(field, QPen(ink, 0.9));
  p.fillPath(Circle(kMiddle, 15), Qt::white);
  p.strokePath(Circle(kMiddle, 15), QPen(ink, 1.2));
  DrawGlyph(p, 'K', kMiddle - QPointF(5.5, 8.5), 17, ink);
}

}  // namespace

void PaintBack(QPainter& p, int design) {
  static const QColor kBlue(28, 68, 150);
  static const QColor kRed(178, 28, 40);
  if (design < kSetSize) {
    ClassicBack(p, design % kPatterns, design < kPatterns ? kBlue : kRed);
  } else if (design < 2 * kSetSize) {
    MedallionBack(p, design - kSetSize);
  } else {
    SpareBack(p);
  }
}

}  // namespace artwork
