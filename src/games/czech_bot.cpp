#include "games/czech_bot.h"

#include <array>
#include <vector>

#include "commentary/comment.h"
#include "games/czech_durak.h"

namespace {

constexpr int kPlayerRow = 1;
constexpr int kChild = 0;

int MostHeldSuit(const TTableState& t) {
  std::array<int, 4> count{};
  for (int s = 0; s < t.RowCount[kPlayerRow] && s < kSlots; ++s) {
    const TCard& c = t.CardGrid[kPlayerRow][s];
    if (c.Present == 1 && c.Suit >= Clubs && c.Suit <= Hearts) count[c.Suit] += 1;
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

// The player's own rule, which unlike the computer's also lets a six follow
// a six of another suit in Pentagon.
int FittingCard(const Game& g, bool fromFirst) {
  const TTableState& t = g.t;
  const int n = t.RowCount[kPlayerRow];
  for (int i = 0; i < n && i < kSlots; ++i) {
    const int s = fromFirst ? i : n - 1 - i;
    if (t.IsPresent(kPlayerRow, s) && CzechCardFits(g, t.CardGrid[kPlayerRow][s])) return s;
  }
  return -1;
}

bool MakesOpponentDraw(const Game& g, const TCard& c) {
  const CzechRanks r = CzechRanksOf(g.t.FormG);
  return c.Rank == r.takeTwo || c.Rank == r.takeOne;
}

// A fitting card at random; with `quiet`, only one that makes nobody draw.
int AnyFittingCard(Game& g, bool quiet) {
  const TTableState& t = g.t;
  std::vector<int> fitting;
  for (int s = 0; s < t.RowCount[kPlayerRow] && s < kSlots; ++s) {
    const TCard& c = t.CardGrid[kPlayerRow][s];
    if (c.Present == 1 && CzechCardFits(g, c) && !(quiet && MakesOpponentDraw(g, c)))
      fitting.push_back(s);
  }
  if (fitting.empty()) return -1;
  return fitting[RandomBelow(g, static_cast<int>(fitting.size()))];
}

int FittingQueen(const Game& g) {
  const TTableState& t = g.t;
  for (int s = 0; s < t.RowCount[kPlayerRow] && s < kSlots; ++s) {
    const TCard& c = t.CardGrid[kPlayerRow][s];
    if (c.Present == 1 && c.Rank == Queen && CzechCardFits(g, c)) return s;
  }
  return -1;
}

// The Move button does nothing when there is nothing to draw and the form
// allows no pass while a card fits (the simple form).
bool MoveButtonIdle(const Game& g) {
  return g.t.ButtonCaptionId != kCaptionPass && CzechNothingToDraw(g);
}

// The player's turn with no suit to order: a card, or the Move button.
CzechBotAction ChooseTurnAction(Game& g, const BotStyle& bot) {
  const TTableState& t = g.t;
  if (bot.style == kChild) {
    if (RandomBelow(g, 8) == 0) return {};
    const int slot = AnyFittingCard(g, false);
    return slot < 0 ? CzechBotAction{} : CzechBotAction{CzechBotAction::Card, slot};
  }
  if (t.FormG == kCzechPentagon) {
    // In Pentagon the queen of the suit in force is the way out of a suit
    // that neither side holds: it is laid at once, and the other cards of
    // that suit are often kept back while waiting for it.
    const int queen = FittingQueen(g);
    if (queen >= 0) return {CzechBotAction::Card, queen};
  }
  // A person keeps the cards that make the opponent draw while another card
  // fits, and often keeps them even when nothing else fits, drawing or
  // passing instead: otherwise the same few take cards can go round between
  // the hands, the pile and the stock for ever.
  int slot = AnyFittingCard(g, true);
  if (slot >= 0) {
    if (RandomBelow(g, 2) == 0) slot = FittingCard(g, CzechScansFromFirst(bot.style));
    if (RandomBelow(g, 12) == 0) return {};
    return {CzechBotAction::Card, slot};
  }
  slot = AnyFittingCard(g, false);
  if (slot < 0 || RandomBelow(g, 2) == 0) return {};
  return {CzechBotAction::Card, slot};
}

}  // namespace

CzechBotAction ChooseCzechAction(Game& g, const BotStyle& bot) {
  const TTableState& t = g.t;
  if (t.GuessMode == 1) {
    return {CzechBotAction::Card, RandomBelow(g, t.RowCount[kPlayerRow])};
  }
  const bool child = bot.style == kChild;
  if (CzechSuitOrderOpen(g)) {
    if (child && RandomBelow(g, 3) == 0) return {};
    // In Pentagon a queen's owner sometimes plays on instead of ordering.
    if (t.FormG == kCzechPentagon && RandomBelow(g, 4) == 0) {
      const int slot = AnyFittingCard(g, false);
      if (slot >= 0) return {CzechBotAction::Card, slot};
    }
    // Now and then another suit than the one it holds most of: a person
    // does not order the same suit for ever when the computer cannot follow.
    if (t.FormG != kCzechPentagon && RandomBelow(g, 3) == 0)
      return {CzechBotAction::Suit, RandomBelow(g, 4)};
    return {CzechBotAction::Suit, MostHeldSuit(t)};
  }
  if (t.WhoseTurn != 1) return {};
  const CzechBotAction a = ChooseTurnAction(g, bot);
  // Holding a card back is no choice when the button cannot draw: a person
  // lays one that fits.
  if (a.type == CzechBotAction::MoveButton && MoveButtonIdle(g)) {
    const int slot = AnyFittingCard(g, false);
    if (slot >= 0) return {CzechBotAction::Card, slot};
  }
  return a;
}
