#include "games/nine_bot.h"

#include <vector>

#include "games/nine.h"

namespace {

constexpr int kPlayerRow = 1;
constexpr int kChild = 0;

int NineOfDiamonds(const TTableState& t) {
  for (int s = 0; s < t.RowCount[kPlayerRow]; ++s) {
    const TCard& c = t.CardGrid[kPlayerRow][s];
    if (c.Present == 1 && c.Suit == Diamonds && c.Rank == Nine) return s;
  }
  return -1;
}

int AnyFittingCard(Game& g) {
  const TTableState& t = g.t;
  std::vector<int> fitting;
  for (int s = 0; s < t.RowCount[kPlayerRow]; ++s) {
    if (t.IsPresent(kPlayerRow, s) && NinePlaceOf(t, t.CardGrid[kPlayerRow][s]).Fits())
      fitting.push_back(s);
  }
  if (fitting.empty()) return -1;
  return fitting[RandomBelow(g, static_cast<int>(fitting.size()))];
}

}  // namespace

NineBotAction ChooseNineAction(Game& g, const BotStyle& bot) {
  int slot = -1;
  if (g.t.FirstDiscardDone == 0) {
    slot = NineOfDiamonds(g.t);
  } else if (bot.style == kChild) {
    slot = AnyFittingCard(g);
  } else {
    slot = NineChoice(g, kPlayerRow).handSlot;
  }
  if (slot == -1) return {};
  return {NineBotAction::Card, slot};
}
