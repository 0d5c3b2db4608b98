#include "table/move_places.h"

#include <algorithm>

#include "table/layout.h"

namespace {

constexpr int kAttackRow = 2;
constexpr int kDefenceRow = 3;
constexpr int kLastStep = 26;
constexpr int kFullHand = 6;
// A defence card of Road durak lies this far right of its attack card while
// the line is not crowded.
constexpr int kRoadCover = 36;

int CountOf(const TTableState& t, int row) {
  return std::clamp(t.RowCount[row], 0, kSlots);
}

bool IsPlainDurak(Kind k) {
  return k == Kind::SimpleDurak || k == Kind::JapaneseDurak || k == Kind::ReverseDurak ||
         k == Kind::PiledDurak;
}

// How far right of its attack card a defence card of Road durak lies.
int RoadCoverOffset(const TTableState& t, int n) {
  const int s = t.RoadStep[std::clamp(n, 0, kLastStep)];
  return 2 * s < kCardWidth && n > 0 ? t.RoadStep[std::clamp(n - 1, 0, kLastStep)] * 3 / 4
                                     : kRoadCover;
}

std::vector<PlacedCard> RoadPlaces(const TTableState& t) {
  std::vector<PlacedCard> placed;
  const int n = std::clamp(t.RowCount[kAttackRow], 0, kLastStep);
  const int s = t.RoadStep[n];
  const int d = RoadCoverOffset(t, n);
  int x = t.AttackX;
  int attack = 0;
  int defence = 0;
  for (int k = 0; k < 2 * n; ++k) {
    if (k % 2 == 0) {
      if (attack < kSlots && t.IsPresent(kAttackRow, attack)) {
        placed.push_back({kAttackRow, attack, {x, t.AttackY}});
        ++attack;
      }
    } else if (defence < kSlots && t.IsPresent(kDefenceRow, defence)) {
      placed.push_back({kDefenceRow, defence, {x - s + d, t.AttackY}});
      ++defence;
    }
    x += s;
  }
  return placed;
}

// Present cards among slots 0 to `last` of the attack and defence rows.
int TrickCardsUpTo(const TTableState& t, int last) {
  int cards = 0;
  for (int row : {kAttackRow, kDefenceRow}) {
    for (int s = 0; s <= std::min(last, kSlots - 1); ++s) cards += t.IsPresent(row, s) ? 1 : 0;
  }
  return cards;
}

CardPoint RoadTarget(const Game& g, const CardFlight& f, int attacks) {
  const TTableState& t = g.t;
  const bool guessing = t.GuessMode != 0;
  const bool defence = f.toRow == kDefenceRow;
  const bool transfer = t.DefendByCover == 0 && !guessing;
  const bool playerAddsToOpenTrick = f.fromRow == 1 && CountOf(t, kAttackRow) > 0 &&
                                     CountOf(t, kDefenceRow) == 0 && t.WhoseTurn == 1;
  int32_t x = t.AttackX;
  if (transfer || t.LeadInProgress != 0 || playerAddsToOpenTrick) {
    x += 2 * t.RoadStep[0] * TrickCardsUpTo(t, 11);
  } else if (t.Options.ThrowUpMore6Cards == 1 && attacks > kFullHand) {
    x += (attacks + CountOf(t, kDefenceRow) - 1) * t.RoadStep[std::min(attacks, kLastStep)];
    if (defence) x += RoadCoverOffset(t, attacks);
  } else {
    x += t.RoadStep[0] * TrickCardsUpTo(t, f.toSlot);
    if (defence) x += kRoadCover - t.RoadStep[0];
  }
  return {x, t.AttackY};
}

}  // namespace

std::vector<PlacedCard> TrickPlaces(const TTableState& t, Kind kind) {
  if (kind == Kind::RoadDurak && t.GuessMode == 0) return RoadPlaces(t);
  std::vector<PlacedCard> placed;
  const int n = std::clamp(t.RowCount[kAttackRow], 0, kLastStep);
  for (int k = 0; k < n; ++k) {
    if (t.IsPresent(kAttackRow, k))
      placed.push_back({kAttackRow, k, {AttackCardX(t, n, k), t.AttackY}});
  }
  const int covered = CountOf(t, kDefenceRow);
  for (int l = 0; l < covered; ++l) {
    if (t.IsPresent(kDefenceRow, l)) {
      placed.push_back({kDefenceRow, l, {DefenceCardX(t, n, l), t.DefenceY}});
    }
  }
  return placed;
}

int DrawFanSize(const TTableState& t, int row, int fanSize) {
  if (t.Options.LastCards != 0 && fanSize != -1) return std::clamp(fanSize, 0, kSlots);
  const int trump = t.IsPresent(4, 0) ? 1 : 0;
  return std::clamp(CountOf(t, row) + std::max(t.RowCount[5], 0) + trump, 0, kFullHand);
}

int32_t HandTop(const TTableState& t, int row) {
  return row == 0 ? t.ComputerHandY : t.PlayerHandY;
}

bool TableClosesUpForPlay(const Game& g, const CardFlight& f) {
  return g.t.Options.ThrowUpMore6Cards == 1 && IsPlainDurak(g.kind()) && f.toRow == kAttackRow;
}

bool RoadLineGrowsForPlay(const Game& g, const CardFlight& f) {
  const TTableState& t = g.t;
  (void)f;
  return t.Options.ThrowUpMore6Cards == 1 && g.kind() == Kind::RoadDurak && t.GuessMode == 0 &&
         t.RowCount[kAttackRow] > 5 && t.RowCount[kAttackRow] == t.RowCount[kDefenceRow];
}

CardPoint PlayTarget(const Game& g, const CardFlight& f, int attackCount) {
  const TTableState& t = g.t;
  const Kind k = g.kind();
  const bool guessing = t.GuessMode != 0;
  if (k == Kind::Nine && !guessing) {
    return {NineSlotX(t, f.toSlot), NineSuitRowY(t, std::clamp(f.toRow - 2, 0, 3))};
  }
  if ((k == Kind::CzechDurak || k == Kind::Eights) && !guessing) {
    const THandGeometry four = HandFan(t, 4);
    const int o = CountOf(t, kAttackRow) / 2 * 2;
    return {four.x0 + four.step - 13 + o, t.AttackY + o};
  }
  if (k == Kind::RoadDurak && !guessing) return RoadTarget(g, f, attackCount);
  const int s = t.TableStep[std::clamp(attackCount, 0, kLastStep)];
  if (f.toRow == kDefenceRow) return {t.DefenceX + f.toSlot * s, t.DefenceY};
  return {t.AttackX + f.toSlot * s, t.AttackY};
}
