// The court figures: a double-headed half-length portrait in the frame of the
// jack, queen and king. The king wears a pointed crown and a beard and holds a
// sword, the queen a rounded crown over long hair and holds a rose, the jack a
// feathered cap and holds a halberd. Black suits dress in blue and green, red
// suits in red, so a black court card has no red in it at all.
#include "ui/artwork/painting.h"

namespace artwork {

namespace {

constexpr int kJack = 9;
constexpr int kQueen = 10;
constexpr int kKing = 11;

struct Palette {
  QColor robe;
  QColor trim;
  QColor hair;
};

const QColor kGold(238, 186, 48);
const QColor kSkin(252, 226, 196);
const QColor kInk(34, 30, 36);
const QColor kLips(140, 70, 60);
const QColor kSteel(206, 212, 220);
const QColor kGround(251, 246, 230);

Palette SuitPalette(int suit) {
  switch (suit) {
    case 0:
      return {QColor(32, 112, 64), QColor(35, 70, 160), QColor(92, 62, 36)};
    case 1:
      return {QColor(35, 70, 160), QColor(96, 64, 150), QColor(60, 44, 30)};
    case 2:
      return {QColor(206, 17, 38), QColor(35, 70, 160), QColor(150, 96, 40)};
    default:
      return {QColor(206, 17, 38), QColor(116, 44, 140), QColor(92, 62, 36)};
  }
}

void Fill(QPainter& p, const QPainterPath& path, QColor colour) {
  p.fillPath(path, colour);
  p.strokePath(path, QPen(kInk, 0.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath EllipsePath(QPointF centre, qreal rx, qreal ry) {
  QPainterPath path;
  path.addEllipse(centre, rx, ry);
  return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  return path;
}

// Everything below is in the coordinates of the upper half of the frame:
// 0..w across, 0..h down, the figure's middle at cx.
struct Half {
  qreal w;
  qreal h;
  qreal cx;
};

void DrawRobe(QPainter& p, const Half& f, const Palette& colours) {
  const qreal cx = f.cx;
  QPainterPath robe;
  robe.moveTo(cx - 16, f.h + 1);
  robe.lineTo(cx - 15, 32);
  robe.quadTo(cx - 13, 26.5, cx - 6, 25.5);
  robe.lineTo(cx + 6, 25.5);
  robe.quadTo(cx + 13, 26.5, cx + 15, 32);
  robe.lineTo(cx + 16, f.h + 1);
  robe.closeSubpath();
  Fill(p, robe, colours.robe);
  // Sleeves in the trim colour and a gold band down the middle.
  Fill(p, Polygon({{cx - 15, 32}, {cx - 11, 29}, {cx - 9, f.h + 1}, {cx - 16, f.h + 1}}),
       colours.trim);
  Fill(p, Polygon({{cx + 15, 32}, {cx + 11, 29}, {cx + 9, f.h + 1}, {cx + 16, f.h + 1}}),
       colours.trim);
  Fill(p, Polygon({{cx - 2.6, 26}, {cx + 2.6, 26}, {cx + 3.2, f.h + 1}, {cx - 3.2, f.h + 1}}),
       kGold);
  for (qreal y = 30; y < f.h; y += 4) {
    p.fillPath(EllipsePath(QPointF(cx, y), 0.9, 0.9), colours.trim);
  }
  // A collar of white lace.
  QPainterPath collar;
  collar.moveTo(cx - 7, 25.2);
  collar.quadTo(cx, 30.5, cx + 7, 25.2);
  collar.quadTo(cx, 27.2, cx - 7, 25.2);
  Fill(p, collar, QColor(250, 250, 250));
}

void DrawFace(QPainter& p, const Half& f) {
  const qreal cx = f.cx;
  Fill(p, Polygon({{cx - 2, 22}, {cx + 2, 22}, {cx + 2.2, 26.5}, {cx - 2.2, 26.5}}), kSkin);
  Fill(p, EllipsePath(QPointF(cx, 18.5), 5.0, 5.9), kSkin);
  p.fillPath(EllipsePath(QPointF(cx - 2.0, 17.8), 0.65, 0.75), kInk);
  p.fillPath(EllipsePath(QPointF(cx + 2.0, 17.8), 0.65, 0.75), kInk);
  QPainterPath brows;
  brows.moveTo(cx - 3.2, 16.2);
  brows.quadTo(cx - 2, 15.4, cx - 0.9, 16.0);
  brows.moveTo(cx + 0.9, 16.0);
  brows.quadTo(cx + 2, 15.4, cx + 3.2, 16.2);
  p.strokePath(brows, QPen(kInk, 0.45));
  QPainterPath nose;
  nose.moveTo(cx, 18.2);
  nose.quadTo(cx - 0.9, 20.2, cx + 0.4, 20.4);
  p.strokePath(nose, QPen(kInk, 0.4));
  p.strokePath(
      [&] {
        QPainterPath mouth;
        mouth.moveTo(cx - 1.5, 21.9);
        mouth.quadTo(cx, 22.7, cx + 1.5, 21.9);
        return mouth;
      }(),
      QPen(kLips, 0.7, Qt::SolidLine, Qt::RoundCap));
}

void DrawKing(QPainter& p, const Half& f, const Palette& colours) {
  const qreal cx = f.cx;
  // Sword held upright at his side, drawn before the robe covers its hilt.
  Fill(p, Polygon({{cx + 11.2, 31}, {cx + 12.0, 6}, {cx + 12.8, 31}}), kSteel);
  DrawRobe(p, f, colours);
  Fill(p, Polygon({{cx + 9, 31}, {cx + 15, 31}, {cx + 15, 32.4}, {cx + 9, 32.4}}), kGold);
  Fill(p, EllipsePath(QPointF(cx + 12, 33.8), 1.2, 1.2), kGold);
  DrawFace(p, f);
  // Hair at the sides and a full beard.
  Fill(p, Polygon({{cx - 5.3, 14}, {cx - 6.2, 21}, {cx - 4.5, 20}, {cx - 4.6, 15}}), colours.hair);
  Fill(p, Polygon({{cx + 5.3, 14}, {cx + 6.2, 21}, {cx + 4.5, 20}, {cx + 4.6, 15}}), colours.hair);
  QPainterPath beard;
  beard.moveTo(cx - 5.0, 19.5);
  beard.quadTo(cx - 4.5, 26, cx, 28.5);
  beard.quadTo(cx + 4.5, 26, cx + 5.0, 19.5);
  beard.quadTo(cx + 3, 22.6, cx + 1.8, 21.3);
  beard.quadTo(cx, 20.6, cx - 1.8, 21.3);
  beard.quadTo(cx - 3, 22.6, cx - 5.0, 19.5);
  Fill(p, beard, colours.hair);
  p.strokePath(
      [&] {
        QPainterPath mouth;
        mouth.moveTo(cx - 1.3, 23.0);
        mouth.lineTo(cx + 1.3, 23.0);
        return mouth;
      }(),
      QPen(kLips, 0.6, Qt::SolidLine, Qt::RoundCap));
  // Crown of five points with pearls on them.
  Fill(p,
       Polygon({{cx - 6.2, 13.6},
                {cx - 7.0, 4.6},
                {cx - 3.6, 8.6},
                {cx, 3.2},
                {cx + 3.6, 8.6},
                {cx + 7.0, 4.6},
                {cx + 6.2, 13.6}}),
       kGold);
  for (QPointF tip : {QPointF(cx - 7.0, 4.4), QPointF(cx, 3.0), QPointF(cx + 7.0, 4.4)}) {
    Fill(p, EllipsePath(tip, 1.0, 1.0), QColor(250, 250, 250));
  }
  Fill(p, Polygon({{cx - 6.4, 11.2}, {cx + 6.4, 11.2}, {cx + 6.2, 13.6}, {cx - 6.2, 13.6}}),
       colours.trim);
  Fill(p, EllipsePath(QPointF(cx, 12.4), 1.0, 0.9), kGold);
}

void DrawQueen(QPainter& p, const Half& f, const Palette& colours) {
  const qreal cx = f.cx;
  // Long hair falls to the shoulders behind the face.
  QPainterPath hair;
  hair.moveTo(cx - 5.5, 13);
  hair.quadTo(cx - 9.5, 22, cx - 8.5, 30);
  hair.lineTo(cx + 8.5, 30);
  hair.quadTo(cx + 9.5, 22, cx + 5.5, 13);
  hair.closeSubpath();
  Fill(p, hair, colours.hair);
  DrawRobe(p, f, colours);
  DrawFace(p, f);
  QPainterPath fringe;
  fringe.moveTo(cx - 5.4, 17);
  fringe.quadTo(cx - 5, 12.2, cx, 12.4);
  fringe.quadTo(cx + 5, 12.2, cx + 5.4, 17);
  fringe.quadTo(cx + 2, 13.8, cx, 14.2);
  fringe.quadTo(cx - 2, 13.8, cx - 5.4, 17);
  Fill(p, fringe, colours.hair);
  // Rounded crown with an orb on top.
  QPainterPath crown;
  crown.moveTo(cx - 5.2, 12.8);
  crown.lineTo(cx - 5.6, 8.6);
  crown.quadTo(cx - 2.8, 5.4, cx, 6.4);
  crown.quadTo(cx + 2.8, 5.4, cx + 5.6, 8.6);
  crown.lineTo(cx + 5.2, 12.8);
  crown.closeSubpath();
  Fill(p, crown, kGold);
  Fill(p, EllipsePath(QPointF(cx, 5.0), 1.3, 1.3), colours.trim);
  for (qreal dx : {-3.0, 0.0, 3.0}) {
    Fill(p, EllipsePath(QPointF(cx + dx, 10.8), 0.8, 0.8), colours.trim);
  }
  // A rose on a stem in her hand.
  p.strokePath(
      [&] {
        QPainterPath stem;
        stem.moveTo(cx - 9.5, f.h);
        stem.quadTo(cx - 11.5, 33, cx - 11.2, 27.8);
        return stem;
      }(),
      QPen(QColor(40, 120, 60), 0.9));
  Fill(p, EllipsePath(QPointF(cx - 11.2, 26.4), 2.6, 2.4), colours.trim);
  Fill(p, EllipsePath(QPointF(cx - 11.2, 26.4), 1.1, 1.0), kGold);
}

void DrawJack(QPainter& p, const Half& f, const Palette& colours) {
  const qreal cx = f.cx;
  // Halberd: a long shaft with an axe head above his shoulder.
  p.strokePath(
      [&] {
        QPainterPath shaft;
        shaft.moveTo(cx + 12.5, f.h + 1);
        shaft.lineTo(cx + 12.5, 5.5);
        return shaft;
      }(),
      QPen(QColor(120, 82, 40), 1.2));
  Fill(p, Polygon({{cx + 12.5, 8}, {cx + 17.5, 5.5}, {cx + 18, 12.5}, {cx + 12.5, 11}}), kSteel);
  Fill(p, Polygon({{cx + 11.6, 6}, {cx + 12.5, 1.8}, {cx + 13.4, 6}}), kSteel);
  DrawRobe(p, f, colours);
  DrawFace(p, f);
  // Short hair and a cap with a long feather.
  Fill(p, Polygon({{cx - 5.2, 14}, {cx - 6.0, 20.5}, {cx - 4.4, 19.5}, {cx - 4.2, 15}}),
       colours.hair);
  Fill(p, Polygon({{cx + 5.2, 14}, {cx + 6.0, 20.5}, {cx + 4.4, 19.5}, {cx + 4.2, 15}}),
       colours.hair);
  QPainterPath feather;
  feather.moveTo(cx + 3, 10.5);
  feather.quadTo(cx + 9, 7.5, cx + 9.5, 1.5);
  feather.quadTo(cx + 6, 5.5, cx + 1.5, 9.5);
  feather.closeSubpath();
  Fill(p, feather, kGold);
  QPainterPath cap;
  cap.moveTo(cx - 7.5, 14.4);
  cap.quadTo(cx - 7, 7.6, cx + 0.5, 8.0);
  cap.quadTo(cx + 7.5, 8.4, cx + 7.8, 13.2);
  cap.quadTo(cx, 11.4, cx - 7.5, 14.4);
  cap.closeSubpath();
  Fill(p, cap, colours.trim);
  Fill(p, Polygon({{cx - 6.8, 13.0}, {cx + 7.4, 11.8}, {cx + 7.8, 13.2}, {cx - 7.5, 14.4}}), kGold);
}

void DrawHalf(QPainter& p, int suit, int rank, const Half& f) {
  const Palette colours = SuitPalette(suit);
  switch (rank) {
    case kKing:
      DrawKing(p, f, colours);
      break;
    case kQueen:
      DrawQueen(p, f, colours);
      break;
    case kJack:
      DrawJack(p, f, colours);
      break;
    default:
      break;
  }
  DrawPip(p, suit, QPointF(5.6, 6.4), 7.0);
}

}  // namespace

void PaintCourtFigure(QPainter& p, int suit, int rank, const QRectF& frame) {
  p.fillRect(frame, kGround);
  const Half half{frame.width(), frame.height() / 2, frame.width() / 2};
  for (int turn = 0; turn < 2; ++turn) {
    p.save();
    if (turn == 1) {
      // The lower half is the upper half turned round the card's centre.
      p.translate(frame.center());
      p.rotate(180);
      p.translate(-frame.center());
    }
    p.translate(frame.topLeft());
    p.setClipRect(QRectF(0, 0, half.w, half.h));
    DrawHalf(p, suit, rank, half);
    p.restore();
  }
  p.setPen(QPen(SuitColour(suit), 0.6));
  p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
}

}  // namespace artwork
