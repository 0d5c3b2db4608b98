#include "games/eights_bot.h"

#include <array>
#include <vector>

#include "games/eights.h"

namespace {

constexpr int kPlayerRow = 1;
constexpr int kChild = 0;

// The suit of most of the hand's cards that are not eights (clubs first on
// a tie); the eight's own suit stays when only eights are left.
int SuitToOrder(const TTableState& t) {
  std::array<int, 4> count{};
  for (int s = 0; s < t.RowCount[kPlayerRow]; ++s) {
    const TCard& c = t.CardGrid[kPlayerRow][s];
    if (c.Present == 1 && c.Rank != Eight) count[c.Suit] += 1;
  }
  int best = t.TrumpSuit;
  int most = 0;
  for (int suit = Clubs; suit <= Hearts; ++suit) {
    if (count[suit] > most) {
      most = count[suit];
      best = suit;
    }
  }
  return best;
}

int AnyFittingCard(Game& g) {
  const TTableState& t = g.t;
  std::vector<int> fitting;
  for (int s = 0; s < t.RowCount[kPlayerRow]; ++s) {
    if (t.IsPresent(kPlayerRow, s) && EightsCardFits(t, t.CardGrid[kPlayerRow][s]))
      fitting.push_back(s);
  }
  if (fitting.empty()) return -1;
  return fitting[RandomBelow(g, static_cast<int>(fitting.size()))];
}

}  // namespace

EightsBotAction ChooseEightsAction(Game& g, const BotStyle& bot) {
  const bool child = bot.style == kChild;
  if (EightsSuitOrderOpen(g)) {
    if (child && RandomBelow(g, 3) == 0) return {};
    return {EightsBotAction::Suit, SuitToOrder(g.t)};
  }
  if (child && RandomBelow(g, 12) == 0) return {};
  const int slot = child ? AnyFittingCard(g) : EightsChoice(g, kPlayerRow);
  if (slot == -1) return {};
  return {EightsBotAction::Card, slot};
}
