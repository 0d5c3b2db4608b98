#include "durak/trick_end.h"

#include <algorithm>

#include "commentary/sound.h"
#include "core/hand_order.h"
#include "durak/beats.h"

namespace {

constexpr int kFullHand = 6;

int AttackerRow(const Game& g) {
  return g.t.WhoseTurn == 1 ? 1 : 0;
}

int LowestStockSlot(const Game& g) {
  for (int s = 0; s < kSlots; ++s) {
    if (g.t.IsPresent(5, s)) return s;
  }
  return -1;
}

bool Animated(const Game& g) {
  return g.t.Options.Animation == 1;
}

// One card from the stock (the trump card when row 5 is empty) to the end
// of the hand. The hand is sorted once the whole draw is over.
void DrawOneCard(Game& g, int row, int fanSize) {
  TTableState& t = g.t;
  const int handSlot = std::clamp(t.RowCount[row], 0, kSlots - 1);
  const int packSlot = LowestStockSlot(g);
  SoundAndVoice(g, 4, -1);
  if (Animated(g)) g.out->AnimateDrawFromPack(row == 1, fanSize, packSlot, handSlot);
  const auto card = packSlot >= 0 ? t.TakeCard(5, packSlot) : t.TakeCard(4, 0);
  if (!card) return;
  t.PutCard(row, handSlot, *card);
  t.RowCount[row] += 1;
  if (packSlot >= 0) t.RowCount[5] -= 1;
}

void DrawHandToSix(Game& g, int row) {
  if (g.t.RowCount[row] >= kFullHand || CardsLeftToDraw(g) == 0) return;
  if (Animated(g)) g.out->AnimateSpreadHand(row, -1, false);
  while (g.t.RowCount[row] < kFullHand && CardsLeftToDraw(g) > 0) DrawOneCard(g, row, -1);
}

// The hand sizes after sharing `left` cards, so each hand is spread once to
// the fan it will end with.
void SharedFanSizes(int first, int left, std::array<int, 2>& size) {
  int row = first;
  while (left > 0 && size[row] < kFullHand) {
    size[row] += 1;
    left -= 1;
    if (size[1 - row] < kFullHand) row = 1 - row;
  }
}

// The last cards dealt one at a time, the defender first, switching hands
// whenever the other hand is still short.
void ShareLastCards(Game& g) {
  TTableState& t = g.t;
  const int attacker = AttackerRow(g);
  const int defender = 1 - attacker;
  const int first = t.RowCount[defender] < kFullHand ? defender : attacker;
  std::array<int, 2> fan = {t.RowCount[0], t.RowCount[1]};
  SharedFanSizes(first, CardsLeftToDraw(g), fan);
  std::array<bool, 2> spread = {false, false};
  int row = first;
  while (CardsLeftToDraw(g) > 0 && t.RowCount[row] < kFullHand) {
    if (Animated(g) && !spread[row]) g.out->AnimateSpreadHand(row, fan[row], false);
    spread[row] = true;
    DrawOneCard(g, row, fan[row]);
    if (t.RowCount[1 - row] < kFullHand) row = 1 - row;
  }
}

int CardsNeeded(const Game& g) {
  const int p = g.t.RowCount[1];
  const int c = g.t.RowCount[0];
  return std::max(0, kFullHand - p) + std::max(0, kFullHand - c);
}

}  // namespace

int CardsLeftToDraw(const Game& g) {
  return std::max(0, g.t.RowCount[5]) + (TrumpCardLies(g) ? 1 : 0);
}

void DiscardTrick(Game& g) {
  TTableState& t = g.t;
  SoundAndVoice(g, -1, t.WhoseTurn == 1 ? 4 : 1);
  if (Animated(g)) g.out->AnimateDiscard();
  for (int row : {2, 3}) {
    for (TCard& c : t.CardGrid[row]) c.Present = 0;
    t.RowCount[row] = 0;
  }
  t.CoverIndex = 0;
  t.FirstDiscardDone = 1;
}

void TakeTrick(Game& g, int taker) {
  TTableState& t = g.t;
  if (taker != 0 && taker != 1) return;
  SoundAndVoice(g, 4, taker == 1 ? 3 : 0);
  if (Animated(g)) g.out->AnimateTake(taker == 1);
  int to = std::clamp(OrderRow(g, taker), 0, kSlots);
  for (int i = 0; i < kSlots; ++i) {
    for (int row : {2, 3}) {
      if (!t.IsPresent(row, i) || to >= kSlots) continue;
      // The other side saw every card the taker picks up.
      g.seen.takenUp[taker] |= uint64_t{1} << t.ImageIndexAt(row, i);
      t.PutCard(taker, to++, *t.TakeCard(row, i));
    }
  }
  t.CoverIndex = 0;
  CountRows(g);
}

void DrawUpHand(Game& g, int row) {
  if (row != 0 && row != 1) return;
  DrawHandToSix(g, row);
  CountRows(g);
}

void DrawUp(Game& g, DrawWho who) {
  const int attacker = AttackerRow(g);
  if (who == DrawWho::AttackerOnly) {
    DrawUpHand(g, attacker);
    return;
  }
  const int needed = CardsNeeded(g);
  if (needed == 0 || CardsLeftToDraw(g) == 0) return;
  // No more cards left than are needed: share them rather than let the
  // attacker take them all.
  if (g.t.Options.LastCards == 1 && needed >= std::max(0, g.t.RowCount[5]) + 1) {
    ShareLastCards(g);
  } else {
    DrawHandToSix(g, attacker);
    DrawHandToSix(g, 1 - attacker);
  }
  CountRows(g);
}
