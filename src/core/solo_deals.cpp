#include "core/solo_deals.h"

#include <initializer_list>

#include "core/hand_order.h"

namespace {

void Fill(Game& g, int row, int count) {
  for (int s = 0; s < count; ++s) g.t.PutCard(row, s);
}

void FillRows(Game& g, int firstRow, int lastRow, int count) {
  for (int r = firstRow; r <= lastRow; ++r) Fill(g, r, count);
}

void Open(Game& g, int row, int slot) { g.t.Opened[row][slot] = 1; }

// Joker and Paganini: every ace of row 12, in the order met, goes to slot 0
// of rows 0, 1, 2 and 3.
void SetAcesAside(Game& g, int cards) {
  int foundation = 0;
  for (int s = 0; s < cards && foundation < 4; ++s) {
    if (g.t.IsPresent(12, s) && g.t.RankAt(12, s) == Ace) {
      g.t.PutCard(foundation++, 0, *g.t.TakeCard(12, s));
    }
  }
}

void DealJoker(Game& g) {
  TTableState& t = g.t;
  StripTo34(t.Pack);
  Fill(g, 12, 34);
  SetAcesAside(g, 34);
  // Rows 4..9 take five cards each from the first present slots of row 12.
  int next = 0;
  for (int r = 4; r <= 9; ++r) {
    for (int s = 0; s < 5; ++s) {
      while (next < 34 && !t.IsPresent(12, next)) ++next;
      if (next < 34) t.PutCard(r, s, *t.TakeCard(12, next));
    }
    Open(g, r, 4);
  }
  Open(g, 10, 0);
  Open(g, 11, 0);
}

void DealPaganini(Game& g) {
  TTableState& t = g.t;
  StripTo36(t.Pack);
  Fill(g, 12, 36);
  SetAcesAside(g, 36);
  // Slots 1..9 of rows 0..3 take row 12's records in slot order; the four
  // emptied ace slots become the gaps of the layout. The cards leave row 12,
  // so each card lies in one place only.
  for (int i = 0; i < 36; ++i) {
    t.CardGrid[i / 9][1 + i % 9] = t.CardGrid[12][i];
    t.CardGrid[12][i].Present = 0;
  }
}

// Hearts: the computer's hand (row 0) is sorted by suits with hearts at the
// right; the player's hand is sorted later by the usual hand order.
void DealHearts(Game& g) {
  TTableState& t = g.t;
  FillRows(g, 0, 3, 13);
  t.TrumpSuit = Hearts;
  const int leftRight = t.Options.TrLeftRight;
  const int suitOld = t.Options.TrSuitOld;
  t.Options.TrLeftRight = 1;
  t.Options.TrSuitOld = 0;
  OrderRow(g, 1);
  t.Options.TrLeftRight = leftRight;
  t.Options.TrSuitOld = suitOld;
  for (int s = 0; s < 13; ++s) std::swap(t.CardGrid[0][s], t.CardGrid[1][s]);
}

}  // namespace

void DealSoloLayout(Game& g) {
  TTableState& t = g.t;
  switch (g.kind()) {
    case Kind::Scarf:
      for (int r = 7; r <= 13; ++r) {
        Fill(g, r, r - 6);
        Open(g, r, r - 7);
      }
      Fill(g, 0, 24);
      break;
    case Kind::Solitaire:
      FillRows(g, 5, 8, 7);
      FillRows(g, 9, 12, 6);
      for (int r = 5; r <= 8; ++r) Open(g, r, 6);
      for (int r = 9; r <= 12; ++r) Open(g, r, 5);
      break;
    case Kind::Kerchief:
      FillRows(g, 0, 1, 6);
      FillRows(g, 2, 9, 5);
      break;
    case Kind::Pairs:
      StripTo36(t.Pack);
      FillRows(g, 0, 8, 4);
      break;
    case Kind::Bard:
      Fill(g, 0, 52);
      break;
    case Kind::Piramida:
      Fill(g, 0, 24);
      Fill(g, 3, 28);
      for (int s = 21; s <= 27; ++s) Open(g, 3, s);
      break;
    case Kind::Prisoner:
      StripTo36(t.Pack);
      Fill(g, 0, 24);
      FillRows(g, 1, 12, 1);
      break;
    case Kind::TwoByTwo:
      Fill(g, 0, 48);
      FillRows(g, 1, 4, 1);
      break;
    case Kind::OldFriend:
      Fill(g, 0, 32);
      FillRows(g, 4, 7, 5);
      break;
    case Kind::Clock:
      FillRows(g, 0, 12, 4);
      Open(g, 0, 3);
      break;
    case Kind::Joker:
      DealJoker(g);
      break;
    case Kind::Paganini:
      DealPaganini(g);
      break;
    case Kind::CrossRoads:
      Fill(g, 0, 47);
      FillRows(g, 1, 5, 1);
      break;
    case Kind::FirTrees:
      Fill(g, 0, 26);
      FillRows(g, 2, 3, 13);
      Open(g, 2, 12);
      Open(g, 3, 12);
      break;
    case Kind::Street:
      FillRows(g, 4, 7, 7);
      FillRows(g, 8, 11, 6);
      break;
    case Kind::Hearts:
      DealHearts(g);
      break;
    default:
      break;
  }
}

void DealMemory(Game& g) {
  TTableState& t = g.t;
  const bool small = g.kind() == Kind::Memory36;
  if (small) StripTo36(t.Pack);
  t.Stats[t.VidG].Wins = 0;  // the running score of the new game
  const int cards = small ? 36 : 52;
  Fill(g, 0, cards);
  for (int s = 0; s < cards; ++s) t.Opened[0][s] = 0;
}
