// The patience games, Hearts and Memory on the table. Every card lies at its
// own place of the layout (CardX, CardY); a game draws its rows in an order
// that puts the cards that must be seen on top.
#include "ui/table_renderer.h"

namespace {

int PileCount(const TTableState& t, int row) {
  return t.PileCount[row] < 0 ? 0 : t.PileCount[row] > kSlots ? kSlots : t.PileCount[row];
}

int HighestPresentSlot(const TTableState& t, int row, int from = kSlots - 1) {
  for (int s = from; s >= 0; --s) {
    if (t.IsPresent(row, s)) return s;
  }
  return -1;
}

void DrawPresentAtPlaces(TableCanvas& c, int row, int firstSlot, int lastSlot) {
  const TTableState& t = c.table();
  for (int s = firstSlot; s <= lastSlot; ++s) {
    if (t.IsPresent(row, s)) c.DrawFaceAtPlace(row, s);
  }
}

// Every present card of the row below its pile count, at its place.
void DrawPile(TableCanvas& c, int row) {
  DrawPresentAtPlaces(c, row, 0, PileCount(c.table(), row) - 1);
}

void DrawHighestAt(TableCanvas& c, int row, int x, int y, int from = kSlots - 1) {
  const int s = HighestPresentSlot(c.table(), row, from);
  if (s >= 0) c.DrawFace(row, s, x, y);
}

void DrawFaceOrBackAtPlace(TableCanvas& c, int row, int slot) {
  const TTableState& t = c.table();
  if (!t.IsPresent(row, slot)) return;
  if (t.Opened[row][slot] != 0) {
    c.DrawFaceAtPlace(row, slot);
  } else {
    c.DrawBackAtPlace(row, slot);
  }
}

void DrawEmptyPlaceAt(TableCanvas& c, int row) {
  c.DrawEmptyPlace(c.table().CardX[row][0], c.table().CardY[row][0]);
}

// Pyramid and Prisoner deal their stock twice: after the first pass the
// empty stock may be turned over, after the second it is done.
void DrawPassStock(TableCanvas& c) {
  const TTableState& t = c.table();
  if (PileCount(t, 0) > 0) {
    c.DrawStockInDepth(t.CardX[0][0], t.CardY[0][0], PileCount(t, 0), 8, 16);
  } else if (t.CoverIndex < 2) {
    c.DrawRedealMark(t.CardX[0][0], t.CardY[0][0]);
  } else {
    c.DrawNoRedealMark();
  }
}

void DrawScarf(TableCanvas& c) {
  const TTableState& t = c.table();
  const int x0 = t.CardX[0][0];
  const int y0 = t.CardY[0][0];
  if (PileCount(t, 0) == 0) {
    c.DrawRedealMark(x0, y0);
  } else {
    c.DrawStockInDepth(x0, y0, PileCount(t, 0), 8, 16);
  }
  // The waste fans out its first three cards; once they are played the
  // cards turned before show through.
  if (t.IsPresent(1, 0)) {
    int shown = 0;
    for (int s = 0; s < kSlots && shown < 3; ++s) {
      if (!t.IsPresent(1, s)) continue;
      c.DrawFace(1, s, t.CardX[1][0] + 14 * shown, t.CardY[1][0] + 2 * shown);
      ++shown;
    }
  } else {
    DrawHighestAt(c, 2, t.CardX[1][0], t.CardY[1][0]);
  }
  // A foundation marks its cards with Opened; its top one shows.
  for (int r = 3; r <= 6; ++r) {
    for (int s = kSlots - 1; s >= 0; --s) {
      if (t.Opened[r][s] != 0 && t.IsPresent(r, s)) {
        c.DrawFace(r, s, t.CardX[r][0], t.CardY[r][0]);
        break;
      }
    }
    if (t.Opened[r][0] == 0) DrawEmptyPlaceAt(c, r);
  }
  // Columns: face-down cards lie 3 pixels apart, face-up ones 15.
  for (int r = 7; r <= 13; ++r) {
    int down = 0;
    int up = 0;
    for (int k = 0; k < PileCount(t, r); ++k) {
      const bool open = t.Opened[r][k] != 0;
      if (t.IsPresent(r, k)) {
        const int x = t.CardX[r][0];
        const int y = t.CardY[r][0] + 3 * down + 15 * up;
        if (open) {
          c.DrawFace(r, k, x, y);
        } else {
          c.DrawBack(x, y);
        }
      }
      ++(open ? up : down);
    }
  }
}

void DrawSolitaire(TableCanvas& c) {
  const TTableState& t = c.table();
  for (int k = 0; k < 4; ++k) {
    const int x = t.CardX[0][0] + 72 * k;
    if (t.IsPresent(0, k)) {
      c.DrawFace(0, k, x, t.CardY[0][k]);
    } else {
      c.DrawEmptyPlace(x, t.CardY[0][k]);
    }
  }
  for (int r = 1; r <= 4; ++r) {
    for (int s = 0; s < PileCount(t, r); ++s) {
      if (t.IsPresent(r, s)) c.DrawFace(r, s, t.CardX[r][0], t.CardY[r][0]);
    }
    if (!t.IsPresent(r, 0)) DrawEmptyPlaceAt(c, r);
  }
  for (int r = 5; r <= 12; ++r) {
    for (int k = 0; k < PileCount(t, r); ++k) {
      if (t.IsPresent(r, k)) c.DrawFace(r, k, t.CardX[r][0], t.CardY[r][k]);
    }
  }
  c.DrawHighlight();
}

void DrawKerchief(TableCanvas& c) {
  // Only the ten piles of the deal are laid out.
  for (int r = 0; r <= 9; ++r) DrawPile(c, r);
  c.DrawHighlight();
}

void DrawPairs(TableCanvas& c) {
  const TTableState& t = c.table();
  for (int r = 0; r <= 8; ++r) {
    if (!t.IsPresent(r, 0)) {
      DrawEmptyPlaceAt(c, r);
      continue;
    }
    const int top = PileCount(t, r) - 1;
    if (top < 0 || !t.IsPresent(r, top)) continue;
    if (t.Opened[r][top] != 0) {
      c.DrawFace(r, top, t.CardX[r][0], t.CardY[r][0]);
    } else {
      c.DrawBack(t.CardX[r][0], t.CardY[r][0]);
    }
  }
  c.DrawHighlight();
}

void DrawBard(TableCanvas& c) {
  DrawPile(c, 0);
  c.DrawHighlight();
}

void DrawPiramida(TableCanvas& c) {
  const TTableState& t = c.table();
  // Once the pyramid's top card is gone the game is won: the stock goes.
  if (t.IsPresent(3, 0)) {
    DrawPassStock(c);
    if (t.IsPresent(1, 0)) c.DrawFaceAtPlace(1, 0);
  }
  DrawPresentAtPlaces(c, 3, 0, 27);
  c.DrawHighlight();
}

void DrawPrisoner(TableCanvas& c) {
  const TTableState& t = c.table();
  DrawPassStock(c);
  for (int r = 1; r <= 12; ++r) {
    if (r <= 3) {
      const int s = HighestPresentSlot(t, r, 23);
      if (s >= 0) c.DrawFaceAtPlace(r, s);
      continue;
    }
    for (int s = 23; s >= 0; --s) {
      if (t.IsPresent(r, s)) c.DrawFaceAtPlace(r, s);
    }
  }
  for (int r = 4; r <= 12; ++r) {
    if (!t.IsPresent(r, 0)) DrawEmptyPlaceAt(c, r);
  }
}

void DrawTwoByTwo(TableCanvas& c) {
  const TTableState& t = c.table();
  if (PileCount(t, 0) == 0) {
    c.DrawRedealMark(t.CardX[0][0], t.CardY[0][0]);
  } else {
    c.DrawStockInDepth(t.CardX[0][0], t.CardY[0][0], PileCount(t, 0), 16, 32);
  }
  for (int r = 1; r <= 4; ++r) {
    const int s = HighestPresentSlot(t, r);
    if (s >= 0) c.DrawFaceAtPlace(r, s);
  }
  c.DrawHighlight();
}

void DrawOldFriend(TableCanvas& c) {
  const TTableState& t = c.table();
  if (PileCount(t, 0) == 0) {
    c.DrawNoRedealMark();
  } else {
    c.DrawStockInDepth(t.CardX[0][0], t.CardY[0][0], PileCount(t, 0), 10, 20);
  }
  DrawHighestAt(c, 1, t.CardX[1][0], t.CardY[1][0], 31);
  const int s = HighestPresentSlot(t, 3);
  if (s >= 0) c.DrawFaceAtPlace(3, s);
  if (!t.IsPresent(3, 0)) DrawEmptyPlaceAt(c, 3);
  for (int r = 4; r <= 7; ++r) DrawPresentAtPlaces(c, r, 0, 4);
  c.DrawHighlight();
}

void DrawClock(TableCanvas& c) {
  for (int r = 0; r <= 12; ++r) {
    for (int s = 0; s <= 4; ++s) DrawFaceOrBackAtPlace(c, r, s);
  }
  c.DrawHighlight();
}

// Joker: the black sixes are the jokers and carry the joker picture.
constexpr int kJokerRank = 4;

void DrawJokerGame(TableCanvas& c) {
  const TTableState& t = c.table();
  for (int r = 0; r <= 3; ++r) {
    if (t.IsPresent(r, 0)) c.DrawFaceAtPlace(r, 0);
  }
  for (int r = 4; r <= 10; ++r) {
    for (int s = 0; s <= 13; ++s) {
      if (!t.IsPresent(r, s)) continue;
      if (t.RankAt(r, s) == kJokerRank) {
        c.DrawJoker(t.CardX[r][s], t.CardY[r][s]);
      } else {
        c.DrawFaceAtPlace(r, s);
      }
    }
  }
  // The two cells hold nothing but jokers.
  for (int r = 10; r <= 11; ++r) {
    if (t.IsPresent(r, 0)) {
      c.DrawJoker(t.CardX[r][0], t.CardY[r][0]);
    } else {
      DrawEmptyPlaceAt(c, r);
    }
  }
  const int row = t.SourceRow;
  const int slot = t.SourceSlot;
  if (t.Picked == 0 || !InGrid(row, slot)) return;
  const int image = t.RankAt(row, slot) == kJokerRank ? Artwork::kJoker : t.ImageIndexAt(row, slot);
  c.DrawSelectedImage(image, t.CardX[row][slot], t.CardY[row][slot]);
}

void DrawPaganini(TableCanvas& c) {
  const TTableState& t = c.table();
  for (int r = 0; r <= 3; ++r) {
    for (int s = 0; s <= 9; ++s) {
      if (t.IsPresent(r, s)) {
        c.DrawFaceAtPlace(r, s);
      } else {
        c.DrawEmptyPlace(t.CardX[r][s], t.CardY[r][s]);
      }
    }
  }
  c.DrawHighlight();
}

void DrawCrossRoads(TableCanvas& c) {
  const TTableState& t = c.table();
  if (PileCount(t, 0) > 0) {
    for (int s = 0; s < PileCount(t, 0); ++s) c.DrawFaceAtPlace(0, s);
  } else {
    c.DrawNoRedealMark();
  }
  for (int r = 1; r <= 5; ++r) {
    const int top = PileCount(t, r) - 1;
    if (t.IsPresent(r, 0) && top >= 0) {
      c.DrawFace(r, top, t.CardX[r][0], t.CardY[r][0]);
    } else {
      DrawEmptyPlaceAt(c, r);
    }
  }
  c.DrawHighlight();
}

void DrawFirTrees(TableCanvas& c) {
  const TTableState& t = c.table();
  for (int s = 0; s <= 25; ++s) {
    if (t.IsPresent(0, s)) c.DrawBackAtPlace(0, s);
  }
  if (!t.IsPresent(0, 0)) c.DrawNoRedealMark();
  const int top = PileCount(t, 1) - 1;
  if (t.IsPresent(1, 0) && top >= 0) c.DrawFace(1, top, t.CardX[1][0], t.CardY[1][0]);
  for (int r = 2; r <= 3; ++r) DrawPresentAtPlaces(c, r, 0, 12);
}

void DrawStreet(TableCanvas& c) {
  const TTableState& t = c.table();
  for (int r = 0; r <= 3; ++r) {
    if (t.IsPresent(r, 0)) {
      c.DrawFaceAtPlace(r, 0);
    } else {
      DrawEmptyPlaceAt(c, r);
    }
  }
  for (int r = 4; r <= 11; ++r) DrawPresentAtPlaces(c, r, 0, 50);
  c.DrawHighlight();
}

// Hearts: the player's hand (row 0) face up at the bottom, the other three
// hands face down, and the trick in the middle, each card in front of the
// hand that played it, laid from the leader on so the last card lies on top.
void DrawHearts(TableCanvas& c) {
  const TTableState& t = c.table();
  for (int r = 0; r <= 3; ++r) {
    for (int s = 0; s <= 12; ++s) {
      if (!t.IsPresent(r, s)) continue;
      if (r == 0) {
        c.DrawFaceAtPlace(r, s);
      } else {
        c.DrawBackAtPlace(r, s);
      }
    }
  }
  const int leader = t.CoverIndex >= 0 && t.CoverIndex <= 3 ? t.CoverIndex : 0;
  for (int k = 0; k <= 3; ++k) {
    const int seat = (leader + k) % 4;
    if (t.IsPresent(4, seat)) c.DrawFaceAtPlace(4, seat);
  }
}

void DrawMemory(TableCanvas& c) {
  for (int s = 0; s < kSlots; ++s) DrawFaceOrBackAtPlace(c, 0, s);
}

}  // namespace

void DrawSoloGame(TableCanvas& c, Kind kind) {
  switch (kind) {
    case Kind::Scarf:
      return DrawScarf(c);
    case Kind::Solitaire:
      return DrawSolitaire(c);
    case Kind::Kerchief:
      return DrawKerchief(c);
    case Kind::Pairs:
      return DrawPairs(c);
    case Kind::Bard:
      return DrawBard(c);
    case Kind::Piramida:
      return DrawPiramida(c);
    case Kind::Prisoner:
      return DrawPrisoner(c);
    case Kind::TwoByTwo:
      return DrawTwoByTwo(c);
    case Kind::OldFriend:
      return DrawOldFriend(c);
    case Kind::Clock:
      return DrawClock(c);
    case Kind::Joker:
      return DrawJokerGame(c);
    case Kind::Paganini:
      return DrawPaganini(c);
    case Kind::CrossRoads:
      return DrawCrossRoads(c);
    case Kind::FirTrees:
      return DrawFirTrees(c);
    case Kind::Street:
      return DrawStreet(c);
    case Kind::Hearts:
      return DrawHearts(c);
    case Kind::Memory36:
    case Kind::Memory52:
      return DrawMemory(c);
    default:
      return;
  }
}
