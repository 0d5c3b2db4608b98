// The places of the games played alone (the patience games, Hearts and
// Memory): every grid slot the game uses gets its own CardX/CardY. A pile
// whose cards are drawn one on another has all its slots at one point.
#include <algorithm>
#include <bitset>

#include "table/layout_places.h"

namespace layout_detail {
namespace {

// Scarf: the stock above the first column, with the waste beside it, four
// foundations and seven columns below.
void LayoutScarf(CardPlacer& p, const WindowGeometry& w) {
  const int32_t g = (w.outerWidth - 497) / 8;
  const int32_t x0 = g - 1;
  const int32_t pitch = g + 70;
  for (int r = 0; r <= 6; ++r) p.PlaceRow(r, x0 + r * pitch, 10);
  for (int r = 7; r <= 13; ++r) p.PlaceRow(r, x0 + (r - 7) * pitch, 115);
  // The stock shows its depth: every eight cards lie two pixels further.
  p.PlaceSlots(0, 0, 7, x0, 10);
  p.PlaceSlots(0, 8, 15, g + 1, 12);
  p.PlaceSlots(0, 16, 23, g + 3, 14);
}

// Solitaire: eight fanned columns, four free cells centred over the first
// four columns and four foundations over the last four.
void LayoutSolitaire(CardPlacer& p, const WindowGeometry& w) {
  const int32_t g = (w.outerWidth - 568) / 9;
  const int32_t x0 = g - 1;
  const int32_t pitch = g + 70;
  for (int r = 5; r <= 12; ++r)
    for (int s = 0; s < kSlots; ++s) p.Place(r, s, x0 + (r - 5) * pitch, 115 + 18 * s);
  const int32_t f = (p.X(8, 0) + 71 - x0 - 288) / 2 + x0;
  for (int k = 0; k <= 3; ++k) p.Place(0, k, f + 72 * k, 10);
  for (int r = 1; r <= 4; ++r) p.PlaceSlots(r, 0, 50, p.X(8 + r, 0), 10);
}

// Kerchief: ten columns of six cards, the first never left of the window.
void LayoutKerchief(CardPlacer& p, const WindowGeometry& w) {
  const int32_t x0 = std::max(0, (w.outerWidth - 710) / 2);
  const int32_t y0 = (w.outerHeight - 336) / 7;
  for (int r = 0; r <= 9; ++r)
    for (int s = 0; s <= 5; ++s) p.Place(r, s, x0 + 71 * r, y0 + 48 * s);
}

// Pairs: nine piles in a square of three by three.
void LayoutPairs(CardPlacer& p, const WindowGeometry& w) {
  const int32_t x0 = (w.outerWidth - 263) / 2;
  const int32_t y0 = (w.outerHeight - 338) / 5;
  for (int i = 0; i <= 2; ++i)
    for (int j = 0; j <= 2; ++j) p.PlaceRow(3 * i + j, x0 + 96 * j, y0 + 121 * i);
}

// Bard: the whole pack in lines of ten, overlapping when the window is low.
void LayoutBard(CardPlacer& p, const WindowGeometry& w) {
  const int32_t y0 = (w.outerHeight - 432) / 10;
  const int32_t v = std::min(w.clientHeight / 7, kCardHeight);
  const int32_t x0 = std::max(0, (w.outerWidth - 710) / 2);
  for (int k = 0; k < kSlots; ++k) p.Place(0, k, x0 + 71 * (k % 10), y0 + v * (k / 10));
}

// Piramida: stock and waste in the corner, a pyramid of 28 cards in seven
// levels, each level half a card lower and wider.
void LayoutPiramida(CardPlacer& p, const WindowGeometry& w) {
  const int32_t c = (w.outerWidth - 497) / 8 - 1;
  const int32_t m = w.outerWidth / 2 - 45;
  p.PlaceRow(0, c, c);
  p.PlaceRow(1, c / 2 + c + 71, c);
  for (int level = 0; level <= 6; ++level) {
    const int first = level * (level + 1) / 2;
    for (int j = 0; j <= level; ++j) p.Place(3, first + j, m - 35 * level + 80 * j, c + 48 * level);
  }
}

void LayoutPrisoner(CardPlacer& p, const WindowGeometry& w) {
  const int32_t x0 = (w.outerWidth - 384) / 2;
  const int32_t y0 = (w.outerHeight - 338) / 5;
  for (int r = 0; r <= 3; ++r) p.PlaceSlots(r, 0, 35, x0 + 96 * r, y0);
  for (int r = 4; r <= 8; ++r) p.Place(r, 0, x0 - 50 + 96 * (r - 4), y0 + 136);
  for (int r = 9; r <= 12; ++r) p.Place(r, 0, x0 + 96 * (r - 9), y0 + 254);
}

void LayoutTwoByTwo(CardPlacer& p, const WindowGeometry& w) {
  const int32_t x0 = (w.outerWidth - 455) / 2;
  const int32_t y = w.outerHeight / 3 - 66;
  p.PlaceRow(0, x0, y);
  for (int r = 1; r <= 4; ++r) p.PlaceRow(r, x0 + 106 + 92 * (r - 1), y);
}

// Old friend: four piles above, four small fanned piles of five below.
void LayoutOldFriend(CardPlacer& p, const WindowGeometry& w) {
  const int32_t x0 = (w.outerWidth - 384) / 2;
  const int32_t y0 = w.outerHeight / 3 - 126;
  for (int r = 0; r <= 3; ++r) p.PlaceRow(r, x0 + 96 * r, y0);
  for (int r = 4; r <= 7; ++r)
    for (int s = 0; s <= 4; ++s) p.Place(r, s, x0 + 96 * (r - 4) + 2 * s, y0 + 121 + 2 * s);
}

// Clock: twelve piles round a centre pile, each pile showing its depth.
void LayoutClock(CardPlacer& p, const WindowGeometry& w) {
  struct Offset {
    int32_t dx, dy;
  };
  static constexpr std::array<Offset, 13> kBase = {{{0, 0},
                                                    {81, -106},
                                                    {162, -53},
                                                    {243, 0},
                                                    {162, 53},
                                                    {81, 106},
                                                    {0, 152},
                                                    {-81, 106},
                                                    {-162, 53},
                                                    {-243, 0},
                                                    {-162, -53},
                                                    {-81, -106},
                                                    {0, -152}}};
  const int32_t cx = w.outerWidth / 2 - 38;
  const int32_t cy = w.outerHeight / 3 - 4;
  for (int r = 0; r <= 12; ++r)
    for (int s = 0; s <= 4; ++s) p.Place(r, s, cx + kBase[r].dx + 2 * s, cy + kBase[r].dy + 2 * s);
}

// Joker: four foundations above, eight fanned columns below; the joker's
// place (row 11 slot 0) lies under the seventh column.
void LayoutJoker(CardPlacer& p, const WindowGeometry& w) {
  const int32_t g = (w.outerWidth - 497) / 8;
  const int32_t x0 = g - 1;
  const int32_t pitch = g + 70;
  for (int r = 0; r <= 3; ++r) p.PlaceSlots(r, 0, 7, 2 * x0 + 71 + r * pitch, 10);
  for (int r = 4; r <= 11; ++r)
    for (int s = 0; s <= 13; ++s) p.Place(r, s, x0 + (r - 4) * pitch, 115 + 15 * s);
  p.Place(11, 0, x0 + 6 * pitch, 216);
}

// Paganini: four lines of ten, spread out when the window is wide.
void LayoutPaganini(CardPlacer& p, const WindowGeometry& w) {
  const int32_t y0 = (w.outerHeight - 384) / 8;
  const int32_t v = y0 / 3;
  int32_t g = 0;
  int32_t x0 = 0;
  if (w.outerWidth >= 710) {
    g = (w.outerWidth - 710) / 24;
    x0 = (w.outerWidth - (9 * g + 710)) / 2;
  }
  for (int r = 0; r <= 3; ++r)
    for (int s = 0; s <= 9; ++s) p.Place(r, s, x0 + s * (g + 71), y0 + r * (v + 96));
}

// A stock drawn in depth: two pixels further every sixteen (or six) cards.
int32_t StockDepth(int slot, int band) {
  if (slot < band) return 0;
  return slot < 2 * band ? 2 : 4;
}

// Cross-roads: the stock, a line of three, one card above and one below the
// middle of the line.
void LayoutCrossRoads(CardPlacer& p, const WindowGeometry& w) {
  const int32_t x0 = (w.outerWidth - 455) / 2;
  const int32_t y = w.outerHeight / 3;
  for (int s = 0; s < kSlots; ++s) {
    const int32_t d = StockDepth(s, 16);
    p.Place(0, s, x0 + d, y + d);
  }
  for (int r = 1; r <= 3; ++r) p.PlaceRow(r, x0 + 116 + 106 * (r - 1), y);
  p.Place(4, 0, p.X(2, 0), y - 124);
  p.Place(5, 0, p.X(2, 0), y + 124);
}

// Fir-trees: stock and waste above two trees of sixteen cards; each tree
// alternates a line of one card (centred) and a line of two.
void LayoutFirTrees(CardPlacer& p, const WindowGeometry& w) {
  const int32_t x0 = (w.outerWidth - 384) / 2;
  const int32_t y0 = (w.outerHeight - 434) / 4 - 2;
  for (int s = 0; s <= 25; ++s) {
    const int32_t d = StockDepth(s, 6);
    p.Place(0, s, x0 + d, y0 + d);
  }
  p.PlaceRow(1, x0 + 133, y0);
  for (int r = 2; r <= 3; ++r) {
    const int32_t base = r == 2 ? x0 : x0 + 190;
    int slot = 0;
    for (int line = 0; line <= 10; ++line) {
      const int32_t y = y0 + 110 + 24 * line;
      if (line % 2 == 0) {
        p.Place(r, slot++, base + 41, y);
      } else {
        p.Place(r, slot++, base, y);
        p.Place(r, slot++, base + 76, y);
      }
    }
  }
}

// Street: four foundations in the middle column, four fans to the left and
// four to the right.
void LayoutStreet(CardPlacer& p, const WindowGeometry& w) {
  const int32_t xc = w.outerWidth / 2 - 36;
  const int32_t y0 = (w.outerHeight - 434) / 4 - 2;
  for (int r = 0; r <= 3; ++r) p.Place(r, 0, xc, y0 + 101 * r);
  for (int r = 4; r <= 11; ++r) {
    const bool left = r % 2 == 0;
    const int32_t k = (r - (left ? 4 : 5)) / 2;
    const int32_t start = left ? xc - 275 : xc + 120;
    for (int s = 0; s <= 25; ++s) p.Place(r, s, start + 14 * s, y0 + 101 * k);
  }
}

// Hearts: four hands round the trick, the player's at the bottom; a card
// chosen for passing stands 20 pixels above the hand.
void LayoutHearts(CardPlacer& p, const WindowGeometry& w) {
  const int32_t x0 = (w.outerWidth - 568) / 2;
  const int32_t yc = (w.clientHeight - 384) / 2;
  const int32_t yt = yc - 15;
  for (int s = 0; s <= 12; ++s) {
    p.Place(0, s, x0 + 155 + 15 * s, yc + 288);
    p.Place(1, s, x0, yt + 56 + 15 * s);
    p.Place(2, s, x0 + 155 + 15 * s, yt);
    p.Place(3, s, x0 + 497, yt + 56 + 15 * s);
  }
  p.Place(4, 0, p.X(0, 0) + 96, p.Y(0, 0) - 100);
  p.Place(4, 1, p.X(1, 0) + 81, p.Y(1, 0) + 96);
  // The top hand's card lies above the player's, just clear of it, not on it.
  p.Place(4, 2, p.X(2, 0) + 96, p.Y(2, 0) + 101);
  p.Place(4, 3, p.X(3, 0) - 152, p.Y(3, 0) + 96);
  // The cards a hand has taken go to the middle of that hand.
  for (int seat = 0; seat <= 3; ++seat) p.PlaceRow(5 + seat, p.X(seat, 6), p.Y(seat, 6));
  // An entry outside the row names no card and is skipped rather than
  // written outside the grid; a slot named twice is still raised only once.
  std::bitset<kSlots> raised;
  for (const int32_t slot : p.table().PassSlots) {
    if (slot < 0 || slot >= kSlots || raised.test(slot) || !p.table().IsPresent(0, slot)) continue;
    p.RaiseY(0, slot, 20);
    raised.set(slot);
  }
}

void LayoutMemory36(CardPlacer& p, const WindowGeometry& w) {
  const int32_t y0 = (w.outerHeight - 384) / 8;
  const int32_t v = y0 / 3;
  const int32_t e = (w.outerWidth - 639) / 3;
  const int32_t pitch = e / 8 + (w.outerWidth < 660 ? 69 : 71);
  const int32_t x0 = std::max(0, e);
  for (int i = 0; i <= 3; ++i)
    for (int j = 0; j <= 8; ++j) p.Place(0, 9 * i + j, x0 + j * pitch, y0 + i * (v + 96));
}

void LayoutMemory52(CardPlacer& p, const WindowGeometry& w) {
  int32_t y0 = (w.clientHeight - 576) / 8;
  int32_t v = y0 / 2 + 96;
  int32_t e = (w.outerWidth - 710) / 3;
  int32_t pitch = e / 9 + 71;
  if (w.outerWidth < 735) {
    e = 5;
    pitch = 71;
  }
  if (w.outerHeight < 660) {
    y0 = 5;
    v = 96;
  }
  for (int k = 0; k < kSlots; ++k) p.Place(0, k, e + (k % 10) * pitch, y0 + (k / 10) * v);
}

}  // namespace

bool LayoutSoloGame(CardPlacer& p, Kind kind, const WindowGeometry& w) {
  switch (kind) {
    case Kind::Scarf:
      LayoutScarf(p, w);
      return true;
    case Kind::Solitaire:
      LayoutSolitaire(p, w);
      return true;
    case Kind::Kerchief:
      LayoutKerchief(p, w);
      return true;
    case Kind::Pairs:
      LayoutPairs(p, w);
      return true;
    case Kind::Bard:
      LayoutBard(p, w);
      return true;
    case Kind::Piramida:
      LayoutPiramida(p, w);
      return true;
    case Kind::Prisoner:
      LayoutPrisoner(p, w);
      return true;
    case Kind::TwoByTwo:
      LayoutTwoByTwo(p, w);
      return true;
    case Kind::OldFriend:
      LayoutOldFriend(p, w);
      return true;
    case Kind::Clock:
      LayoutClock(p, w);
      return true;
    case Kind::Joker:
      LayoutJoker(p, w);
      return true;
    case Kind::Paganini:
      LayoutPaganini(p, w);
      return true;
    case Kind::CrossRoads:
      LayoutCrossRoads(p, w);
      return true;
    case Kind::FirTrees:
      LayoutFirTrees(p, w);
      return true;
    case Kind::Street:
      LayoutStreet(p, w);
      return true;
    case Kind::Hearts:
      LayoutHearts(p, w);
      return true;
    case Kind::Memory36:
      LayoutMemory36(p, w);
      return true;
    case Kind::Memory52:
      LayoutMemory52(p, w);
      return true;
    default:
      return false;
  }
}

}  // namespace layout_detail
