// The 52 card faces: the index in two opposite corners, the pips of the
// spot cards laid out as on a real pack, one large pip on the ace and a
// framed figure on the court cards.
#include <array>
#include <vector>

#include "ui/artwork/painting.h"

namespace artwork {

namespace {

constexpr qreal kCentreX = kCardW / 2;
constexpr qreal kCentreY = kCardH / 2;

// Rank 0 is the two, 8 the ten (drawn from the glyph 'T'), 12 the ace.
char IndexGlyph(int rank) {
  static constexpr std::array<char, 13> glyphs = {'2', '3', '4', '5', '6', '7', '8',
                                                  '9', 'T', 'J', 'Q', 'K', 'A'};
  return glyphs[rank];
}

// Rank letter over a small pip, in the top-left corner; the caller turns the
// card round for the bottom-right one.
void DrawCornerIndex(QPainter& p, int suit, int rank) {
  DrawGlyph(p, IndexGlyph(rank), QPointF(3.2, 4.2), 11.0, SuitColour(suit));
  DrawPip(p, suit, QPointF(7.2, 21.6), 7.6);
}

void DrawBothIndices(QPainter& p, int suit, int rank) {
  DrawCornerIndex(p, suit, rank);
  p.save();
  p.translate(kCardW, kCardH);
  p.rotate(180);
  DrawCornerIndex(p, suit, rank);
  p.restore();
}

// A pip place: column -1, 0, 1 (left, middle, right) and height 0 (top row)
// to 1 (bottom row). Pips below the middle stand upside down.
struct PipPlace {
  int column;
  qreal height;
};

constexpr qreal kThird = 1.0 / 3;
constexpr qreal kSixth = 1.0 / 6;

std::vector<PipPlace> PipPlaces(int spots) {
  const std::vector<PipPlace> sides3 = {{-1, 0}, {1, 0}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}};
  const std::vector<PipPlace> sides4 = {
      {-1, 0},          {1, 0},          {-1, kThird}, {1, kThird},
      {-1, 2 * kThird}, {1, 2 * kThird}, {-1, 1},      {1, 1}};
  auto with = [](std::vector<PipPlace> base, std::initializer_list<PipPlace> more) {
    base.insert(base.end(), more);
    return base;
  };
  switch (spots) {
    case 2:
      return {{0, 0}, {0, 1}};
    case 3:
      return {{0, 0}, {0, 0.5}, {0, 1}};
    case 4:
      return {{-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
    case 5:
      return {{-1, 0}, {1, 0}, {0, 0.5}, {-1, 1}, {1, 1}};
    case 6:
      return sides3;
    case 7:
      return with(sides3, {{0, 0.25}});
    case 8:
      return with(sides3, {{0, 0.25}, {0, 0.75}});
    case 9:
      return with(sides4, {{0, 0.5}});
    default:
      return with(sides4, {{0, kSixth}, {0, 1 - kSixth}});
  }
}

void DrawSpotPips(QPainter& p, int suit, int spots) {
  constexpr qreal kColumnStep = 13.2;
  constexpr qreal kTopRow = 16.8;
  constexpr qreal kBottomRow = kCardH - kTopRow;
  constexpr qreal kPipWidth = 12.6;
  for (const PipPlace& place : PipPlaces(spots)) {
    const QPointF centre(kCentreX + place.column * kColumnStep,
                         kTopRow + place.height * (kBottomRow - kTopRow));
    DrawPip(p, suit, centre, kPipWidth, place.height > 0.5);
  }
}

// One large pip; the ace of spades carries a fine ring, as the pack's
// showpiece.
void DrawAce(QPainter& p, int suit) {
  const QPointF centre(kCentreX, kCentreY);
  if (suit == 1) {
    p.setPen(QPen(SuitColour(suit), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 21.0, 21.0);
    p.drawEllipse(centre, 19.2, 19.2);
    DrawPip(p, suit, centre, 28.0);
    return;
  }
  DrawPip(p, suit, centre, 31.0);
}

void DrawCourt(QPainter& p, int suit, int rank) {
  const QRectF frame(14.0, 8.0, kCardW - 28.0, kCardH - 16.0);
  PaintCourtFigure(p, suit, rank, frame);
  p.setPen(QPen(SuitColour(suit), 0.9));
  p.setBrush(Qt::NoBrush);
  p.drawRect(frame);
}

}  // namespace

void PaintFace(QPainter& p, int suit, int rank) {
  DrawBlankCard(p);
  DrawBothIndices(p, suit, rank);
  if (rank == 12) {
    DrawAce(p, suit);
  } else if (rank >= 9) {
    DrawCourt(p, suit, rank);
  } else {
    DrawSpotPips(p, suit, rank + 2);
  }
}

}  // namespace artwork
