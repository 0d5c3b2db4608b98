// CoverChoice and DefendAll: how the computer defends.
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "core/hand_order.h"
#include "durak/beats.h"
#include "durak/computer_player.h"
#include "durak/search_player.h"
#include "durak/swindle.h"
#include "table/move_card.h"

namespace {

// The lowest card of the attack's suit above it.
int LowestOfSuitAbove(const Game& g, const TCard& a) {
  for (int i = g.t.RowCount[0] - 1; i >= 0; --i) {
    const TCard& c = g.t.CardGrid[0][i];
    if (c.Present == 1 && c.Suit == a.Suit && c.Rank > a.Rank) return i;
  }
  return -1;
}

// A plain card is trumped with the lowest trump, except that an ace as the
// lowest trump is kept while more than three cards lie in the stock.
int LowestTrumpToSpend(const Game& g, const TCard& a) {
  const int lowest = LowestTrumpIndex(g, 0);
  if (lowest < 0 || IsTrump(g, a)) return -1;
  const int stock = g.t.RowCount[5];
  if (stock >= 3 && g.t.RankAt(0, lowest) != Ace) return lowest;
  if (stock <= 3) return lowest;
  return -1;
}

int ChooseCover(Game& g, int row, int slot, bool mayCheat) {
  const int n = g.t.RowCount[0];
  if (n <= 0 || n > kSlots || row < 0 || row >= kRows || slot < 0 || slot >= kSlots) return -1;
  if (g.kind() == Kind::ReverseDurak && RandomBelow(g, 3) != 2) return RandomBelow(g, n);
  if (mayCheat && g.t.Options.Style == 4) {
    const int swindled = DurakSwindle(g, row, slot);
    if (swindled >= 0) return swindled;
  }
  const TCard a = g.t.CardGrid[row][slot];
  const int same = LowestOfSuitAbove(g, a);
  if (same >= 0) return same;
  if (g.kind() == Kind::JapaneseDurak && a.Suit == Spades) return -1;
  return LowestTrumpToSpend(g, a);
}

// Whether every attack card finds its own cover; the cards found are noted
// in `found`. Chosen cards are set aside for the rest of the trial and put
// back afterwards.
bool EveryAttackFindsCover(Game& g, std::array<TCard, kSlots>& found) {
  TTableState& t = g.t;
  const int attacks = std::min(t.RowCount[2], kSlots);
  std::array<bool, kSlots> chosen{};
  bool all = true;
  for (int i = 0; i < attacks; ++i) {
    const int c = ChooseCover(g, 2, i, true);
    if (c < 0 || chosen[c] || t.CardGrid[0][c].Present != 1) {
      all = false;
      break;
    }
    chosen[c] = true;
    found[i] = t.CardGrid[0][c];
    t.CardGrid[0][c].Present = 0;
  }
  for (int s = 0; s < kSlots; ++s) {
    if (chosen[s]) t.CardGrid[0][s].Present = 1;
  }
  return all;
}

int SlotOfCard(const Game& g, const TCard& x) {
  for (int s = 0; s < g.t.RowCount[0] && s < kSlots; ++s) {
    if (g.t.IsPresent(0, s) && SameCard(g.t.CardGrid[0][s], x)) return s;
  }
  return -1;
}

// The cover actually laid on attack card i. Reverse durak chooses afresh,
// at random; a fresh choice of nothing lays the lowest card, so that every
// attack card keeps its own cover. The other kinds lay the card the trial
// found, which a fresh choice would find again, except that the trial may
// have swindled it into the hand.
int CoverToLay(Game& g, int i, const TCard& trialCard) {
  if (g.kind() == Kind::ReverseDurak && !SearchPlays(g)) {
    const int c = ChooseCover(g, 2, i, false);
    return c >= 0 ? c : g.t.RowCount[0] - 1;
  }
  return SlotOfCard(g, trialCard);
}

}  // namespace

int CoverChoice(Game& g, int row, int slot) {
  if (SearchPlays(g) && g.t.RowCount[0] > 0) {
    const int searched = SearchCover(g, row, slot);
    if (searched != kNoSearchAnswer) return searched;
  }
  return ChooseCover(g, row, slot, true);
}

namespace {

// The searching professional's answer to a several-card lead: its covers
// in `found`, or false to take; nullopt when it has no answer here.
std::optional<bool> SearchedCovers(Game& g, std::array<TCard, kSlots>& found) {
  if (!SearchPlays(g)) return std::nullopt;
  const std::optional<std::vector<int>> slots = SearchCoverAll(g);
  if (!slots) return std::nullopt;
  for (size_t i = 0; i < slots->size() && i < found.size(); ++i) {
    found[i] = g.t.CardGrid[0][(*slots)[i]];
  }
  return !slots->empty();
}

}  // namespace

int DefendAll(Game& g) {
  TTableState& t = g.t;
  t.LeadInProgress = 0;
  std::array<TCard, kSlots> trialCards{};
  const std::optional<bool> searched = SearchedCovers(g, trialCards);
  const bool covers = searched ? *searched : EveryAttackFindsCover(g, trialCards);
  if (!covers) {
    t.CoverIndex = t.RowCount[2];
    return kWillTake;
  }
  bool allBeat = true;
  const int attacks = std::min(t.RowCount[2], kSlots);
  t.CoverIndex = 0;
  for (int i = 0; i < attacks; ++i) {
    const int c = CoverToLay(g, i, trialCards[i]);
    if (c < 0) break;  // cannot happen: the trial kept a card for each
    allBeat = allBeat && Beats(g, t.CardGrid[0][c], t.CardGrid[2][i]);
    MoveCard(g, 0, c, 3, t.CoverIndex, true);
    t.CoverIndex += 1;
    if (g.kind() == Kind::RoadDurak || t.Options.Animation == 0) g.out->RepaintTable(true);
  }
  if (g.kind() == Kind::ReverseDurak) return allBeat ? kReverseCoversGood : kReverseCoverWrong;
  return kAllCovered;
}
