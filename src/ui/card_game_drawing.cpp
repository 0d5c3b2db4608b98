// The card games on the table: the computer's hand at the top, the
// player's at the bottom, the trick (or the discard pile) between the
// separator lines, the trump card under the face-down pack.
#include <algorithm>

#include "table/layout.h"
#include "ui/table_renderer.h"

namespace {

constexpr int kComputerRow = 0;
constexpr int kPlayerRow = 1;
constexpr int kAttackRow = 2;
constexpr int kDefenceRow = 3;
constexpr int kTrumpRow = 4;
constexpr int kStockRow = 5;
// A pack shows at most this many cards' worth of depth (15 backs).
constexpr int kPackDepthCards = 30;
constexpr int kLastStep = 26;

int CardsIn(const TTableState& t, int row) {
  return std::clamp(t.RowCount[row], 0, kSlots);
}

void DrawHand(TableCanvas& c, int row, int y, bool faceUp) {
  const TTableState& t = c.table();
  const int n = CardsIn(t, row);
  for (int i = 0; i < n; ++i) {
    if (!t.IsPresent(row, i)) continue;
    const int x = HandCardX(t, n, i);
    if (faceUp) {
      c.DrawFace(row, i, x, y);
    } else {
      c.DrawBack(x, y);
    }
  }
}

// Reverse durak is played with the hands the other way up: the computer's
// cards are seen, the player's own are not (except while he guesses).
void DrawHands(TableCanvas& c, Kind kind) {
  const TTableState& t = c.table();
  const bool reverse = kind == Kind::ReverseDurak;
  DrawHand(c, kComputerRow, t.ComputerHandY, reverse || t.RevealHands != 0);
  DrawHand(c, kPlayerRow, t.PlayerHandY, !reverse || t.GuessMode != 0);
}

// Czech durak and Eights: the discard pile grows two pixels every second
// card, and the suit in force is shown above the suit-order panel once the
// first card lies.
void DrawDiscardPile(TableCanvas& c, const TableControlsPlace& controls) {
  const TTableState& t = c.table();
  const THandGeometry four = HandFan(t, 4);
  const int b = four.x0 + four.step - 13;
  const int n = CardsIn(t, kAttackRow);
  for (int k = 0; k < n; ++k) {
    const int o = k / 2 * 2;
    c.DrawFace(kAttackRow, k, b + o, t.AttackY + o);
  }
  if (t.FirstDiscardDone == 0) return;
  const QRect& panel = controls.trumpPanel;
  c.DrawSuitIcon(t.TrumpSuit, panel.left() + panel.width() / 2 - 9,
                 (panel.top() - t.TopLineY) / 2 + t.TopLineY - 9);
}

// Road durak lays the whole trick along one line: each defence card
// half-covers the attack card it beats.
void DrawRoad(TableCanvas& c) {
  const TTableState& t = c.table();
  const int n = std::clamp(t.RowCount[kAttackRow], 0, kLastStep);
  const int s = t.RoadStep[n];
  const int d = 2 * s < kCardWidth && n > 0 ? t.RoadStep[n - 1] * 3 / 4 : 36;
  int x = t.AttackX;
  int attack = 0;
  int defence = 0;
  for (int k = 0; k < 2 * n; ++k) {
    if (k % 2 == 0) {
      if (attack < kSlots && t.IsPresent(kAttackRow, attack)) {
        c.DrawFace(kAttackRow, attack, x, t.AttackY);
        ++attack;
      }
    } else if (defence < kSlots && t.IsPresent(kDefenceRow, defence)) {
      c.DrawFace(kDefenceRow, defence, x - s + d, t.AttackY);
      ++defence;
    }
    x += s;
  }
}

void DrawAttackAndDefence(TableCanvas& c) {
  const TTableState& t = c.table();
  const int n = std::clamp(t.RowCount[kAttackRow], 0, kLastStep);
  for (int k = 0; k < n; ++k) {
    if (t.IsPresent(kAttackRow, k)) c.DrawFace(kAttackRow, k, AttackCardX(t, n, k), t.AttackY);
  }
  const int covered = std::clamp(t.RowCount[kDefenceRow], 0, kSlots);
  for (int l = 0; l < covered; ++l) {
    if (t.IsPresent(kDefenceRow, l)) c.DrawFace(kDefenceRow, l, DefenceCardX(t, n, l), t.DefenceY);
  }
}

void DrawTable(TableCanvas& c, Kind kind, const TableControlsPlace& controls) {
  const TTableState& t = c.table();
  const bool guessing = t.GuessMode != 0;
  if ((kind == Kind::CzechDurak || kind == Kind::Eights) && !guessing) {
    DrawDiscardPile(c, controls);
  } else if (kind == Kind::RoadDurak && !guessing) {
    DrawRoad(c);
  } else {
    DrawAttackAndDefence(c);
  }
}

// The trump card lies face up under the pack; once it is drawn, its suit
// stays on the table as an icon.
void DrawTrump(TableCanvas& c) {
  const TTableState& t = c.table();
  if (t.IsPresent(kTrumpRow, 0)) {
    c.DrawFace(kTrumpRow, 0, t.TrumpX, t.TrumpY);
  } else {
    c.DrawSuitIcon(t.TrumpSuit, t.TrumpIconX, t.TrumpIconY);
  }
}

// The face-down pack, one back for every two cards (fifteen at most): Czech
// durak's stands upright, Eights' and durak's lie sideways, durak's across
// the trump card.
void DrawPack(TableCanvas& c, Kind kind) {
  const TTableState& t = c.table();
  const int cards = std::min(std::max(t.RowCount[kStockRow], 0), kPackDepthCards);
  for (int k = 1; k <= cards; k += 2) {
    if (kind == Kind::CzechDurak) {
      c.DrawBack(t.SidePackX + k, t.AttackY + k);
    } else if (kind == Kind::Eights) {
      c.DrawSidewaysBack(t.SidePackX + k, t.AttackY + k);
    } else {
      c.DrawSidewaysBack(t.PackX + k, t.PackY + k);
    }
  }
}

}  // namespace

void DrawCardGame(TableCanvas& c, Kind kind, const TableControlsPlace& controls) {
  DrawHands(c, kind);
  DrawTable(c, kind, controls);
  if (IsDurak(kind)) DrawTrump(c);
  if (c.table().GuessMode == 0) DrawPack(c, kind);
}

// Nine: each of the four suit rows grows from its nine in the middle, the
// eight, seven and six to the left, the ten to the ace to the right; a suit
// whose nine is not out yet shows its free place.
void DrawNine(TableCanvas& c) {
  const TTableState& t = c.table();
  DrawHand(c, kComputerRow, t.ComputerHandY, false);
  DrawHand(c, kPlayerRow, t.PlayerHandY, true);
  constexpr int kFirstSuitRow = 2;
  constexpr int kNineSlot = 3;
  const int end = std::min(t.NineRowEnd, kFirstSuitRow + 4);
  for (int row = kFirstSuitRow; row < end; ++row) {
    const int i = row - kFirstSuitRow;
    const int y = NineSuitRowY(t, i);
    for (int slot : {2, 1, 0}) {
      if (t.IsPresent(row, slot)) c.DrawFace(row, slot, NineSlotX(t, slot), y);
    }
    if (t.IsPresent(row, kNineSlot)) {
      c.DrawFace(row, kNineSlot, t.NineCenterX, y);
    } else {
      c.DrawNinePlace(t.NineCenterX, y, i);
    }
    for (int slot = 4; slot <= 8; ++slot) {
      if (t.IsPresent(row, slot)) c.DrawFace(row, slot, NineSlotX(t, slot), y);
    }
  }
}
