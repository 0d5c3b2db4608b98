#include "games/hearts_computer.h"

#include <algorithm>
#include <vector>

#include "games/hearts_rules.h"
#include "games/hearts_scoring.h"

namespace {

constexpr int kMedium = 1;
constexpr int kHigh = 2;
constexpr int kSuper = 3;

const TCard& CardOf(const TTableState& t, int seat, int slot) {
  return t.CardGrid[seat][slot];
}

int CountSuit(const TTableState& t, int seat, int suit) {
  int n = 0;
  for (const TCard& c : t.CardGrid[seat]) n += c.Present == 1 && c.Suit == suit;
  return n;
}

bool Holds(const TTableState& t, int seat, bool (*test)(const TCard&)) {
  for (const TCard& c : t.CardGrid[seat])
    if (c.Present == 1 && test(c)) return true;
  return false;
}

// The queen of spades has not been played and lies in another hand.
bool QueenOutAgainst(const TTableState& t, int seat) {
  for (int row = kHeartsTrickRow; row < kHeartsTakenRow + kHeartsSeats; ++row)
    for (const TCard& c : t.CardGrid[row])
      if (c.Present == 1 && IsQueenOfSpades(c)) return false;
  return !Holds(t, seat, IsQueenOfSpades);
}

bool IsSpadeAboveQueen(const TCard& c) {
  return c.Suit == Spades && c.Rank > Queen;
}

// The slot among `slots` with the smallest key. A tie goes to the card
// first in the pack's order, so a hand's choice does not hang on the order
// its cards lie in (a hand taken back from a save may lie otherwise).
template <typename Key>
int Lowest(const TTableState& t, int seat, const std::vector<int>& slots, Key key) {
  int best = -1, bestKey = 0;
  for (const int s : slots) {
    const int k = key(CardOf(t, seat, s));
    if (best < 0 || k < bestKey ||
        (k == bestKey && ImageIndex(CardOf(t, seat, s)) < ImageIndex(CardOf(t, seat, best)))) {
      best = s;
      bestKey = k;
    }
  }
  return best;
}

int LowestRank(const TTableState& t, int seat, const std::vector<int>& slots) {
  return Lowest(t, seat, slots, [](const TCard& c) { return c.Rank; });
}

int HighestRank(const TTableState& t, int seat, const std::vector<int>& slots) {
  return Lowest(t, seat, slots, [](const TCard& c) { return -c.Rank; });
}

std::vector<int> Without(const TTableState& t, int seat, const std::vector<int>& slots,
                         bool (*test)(const TCard&)) {
  std::vector<int> kept;
  for (const int s : slots)
    if (!test(CardOf(t, seat, s))) kept.push_back(s);
  return kept.empty() ? slots : kept;
}

int PointsOnTrick(const TTableState& t) {
  int points = 0;
  for (const TCard& c : t.CardGrid[kHeartsTrickRow])
    if (c.Present == 1) points += CardPoints(c);
  return points;
}

// The rank the trick's winner holds now.
int WinningRank(const TTableState& t) {
  return t.RankAt(kHeartsTrickRow, TrickWinner(t));
}

// ---- Passing ---------------------------------------------------------------

int PassDanger(const TTableState& t, int seat, const TCard& c, int level) {
  int danger = c.Rank;
  if (level < kMedium) return danger;
  const int spades = CountSuit(t, seat, Spades);
  if (IsQueenOfSpades(c)) {
    // Four more spades guard her: she can be kept and thrown on a senior.
    const bool guarded = level >= kHigh && spades >= 5;
    if (!guarded) danger += 40;
  }
  if (IsSpadeAboveQueen(c)) danger += 30;
  if (c.Suit == Hearts) danger += 6;
  if (level >= kHigh) {
    if (c.Suit == Spades && c.Rank < Queen) danger -= 10;  // they guard against the queen
    // Emptying a short side suit lets the hand throw points on it later.
    const bool side = c.Suit == Clubs || c.Suit == Diamonds;
    if (side && !IsTwoOfClubs(c) && CountSuit(t, seat, c.Suit) <= 2) danger += 12;
  }
  return danger;
}

// ---- Playing ---------------------------------------------------------------

int Lead(const TTableState& t, int seat, const std::vector<int>& legal, int level) {
  if (level < kMedium) return LowestRank(t, seat, legal);
  const bool queenOut = QueenOutAgainst(t, seat);
  const bool holdsQueenOrSeniors =
      Holds(t, seat, IsQueenOfSpades) || (queenOut && Holds(t, seat, IsSpadeAboveQueen));
  return Lowest(t, seat, legal, [&](const TCard& c) {
    int key = c.Rank;
    if (IsQueenOfSpades(c)) key += 50;
    if (c.Suit == Hearts) key += 6;
    if (level >= kHigh && c.Suit == Spades) {
      if (holdsQueenOrSeniors)
        key += 20;
      else if (queenOut && c.Rank < Queen)
        key -= 4;  // drive the queen out
    }
    return key;
  });
}

int Follow(const TTableState& t, int seat, const std::vector<int>& legal, int level) {
  if (level < kMedium) return LowestRank(t, seat, legal);
  const int winning = WinningRank(t);
  std::vector<int> below;
  for (const int s : legal)
    if (CardOf(t, seat, s).Rank < winning) below.push_back(s);
  if (!below.empty()) {
    // A senior spade has the trick: the queen goes to its taker.
    for (const int s : below)
      if (IsQueenOfSpades(CardOf(t, seat, s))) return s;
    return HighestRank(t, seat, below);
  }
  const std::vector<int> safe = Without(t, seat, legal, IsQueenOfSpades);
  const bool last = CardsOnTrick(t) == kHeartsSeats - 1;
  // Taking a trick without points anyway: with the card most in the way.
  if (level >= kHigh && last && PointsOnTrick(t) == 0) return HighestRank(t, seat, safe);
  return LowestRank(t, seat, safe);
}

int Discard(const TTableState& t, int seat, const std::vector<int>& legal, int level) {
  if (level < kMedium) return HighestRank(t, seat, legal);
  for (const int s : legal)
    if (IsQueenOfSpades(CardOf(t, seat, s))) return s;
  if (level >= kHigh && QueenOutAgainst(t, seat)) {
    std::vector<int> seniors;
    for (const int s : legal)
      if (IsSpadeAboveQueen(CardOf(t, seat, s))) seniors.push_back(s);
    if (!seniors.empty()) return HighestRank(t, seat, seniors);
  }
  std::vector<int> hearts;
  for (const int s : legal)
    if (CardOf(t, seat, s).Suit == Hearts) hearts.push_back(s);
  if (!hearts.empty()) return HighestRank(t, seat, hearts);
  if (level < kHigh) return HighestRank(t, seat, legal);
  // The highest card of the shortest suit, to empty it.
  return Lowest(t, seat, legal,
                [&](const TCard& c) { return CountSuit(t, seat, c.Suit) * 16 - c.Rank; });
}

// Playing to take every trick: the highest card wherever it can win, the
// lowest where it cannot, and no point given away.
int Shoot(const TTableState& t, int seat, const std::vector<int>& legal) {
  if (CardsOnTrick(t) == 0) return HighestRank(t, seat, legal);
  const int led = SuitLed(t);
  std::vector<int> following;
  for (const int s : legal)
    if (CardOf(t, seat, s).Suit == led) following.push_back(s);
  if (following.empty()) {
    const std::vector<int> pointless = Without(t, seat, legal, CarriesPoints);
    return LowestRank(t, seat, pointless);
  }
  const int high = HighestRank(t, seat, following);
  if (CardOf(t, seat, high).Rank > WinningRank(t)) return high;
  return LowestRank(t, seat, following);
}

// Another seat has taken every point so far, and many: one heart taken
// here spoils its attempt.
bool MoonToSpoil(const TTableState& t, int seat) {
  const std::array<int, 4> taken = PointsTaken(t);
  for (int other = 0; other < kHeartsSeats; ++other) {
    if (other == seat || taken[other] < 16) continue;
    int rest = 0;
    for (int s = 0; s < kHeartsSeats; ++s)
      if (s != other) rest += taken[s];
    return rest == 0;
  }
  return false;
}

int Spoil(const TTableState& t, int seat, const std::vector<int>& legal) {
  if (CardsOnTrick(t) == 0 || PointsOnTrick(t) == 0) return -1;
  const int led = SuitLed(t);
  const int winning = WinningRank(t);
  std::vector<int> winners;
  for (const int s : legal) {
    const TCard& c = CardOf(t, seat, s);
    if (c.Suit == led && c.Rank > winning && !IsQueenOfSpades(c)) winners.push_back(s);
  }
  return winners.empty() ? -1 : HighestRank(t, seat, winners);
}

bool HoldsTopHeart(const TTableState& t, int seat) {
  int top = -1;
  for (int row = 0; row < kHeartsSeats; ++row)
    for (const TCard& c : t.CardGrid[row])
      if (c.Present == 1 && c.Suit == Hearts) top = std::max(top, c.Rank);
  if (top < 0) return false;
  for (const TCard& c : t.CardGrid[seat])
    if (c.Present == 1 && c.Suit == Hearts && c.Rank == top) return true;
  return false;
}

}  // namespace

std::array<int, 3> ChoosePassCards(const TTableState& t, int seat, int level) {
  std::vector<int> slots;
  for (int s = 0; s < kSlots; ++s)
    if (t.IsPresent(seat, s)) slots.push_back(s);
  std::sort(slots.begin(), slots.end(), [&](int a, int b) {
    const int da = PassDanger(t, seat, CardOf(t, seat, a), level);
    const int db = PassDanger(t, seat, CardOf(t, seat, b), level);
    if (da != db) return da > db;
    return ImageIndex(CardOf(t, seat, a)) > ImageIndex(CardOf(t, seat, b));
  });
  std::array<int, 3> chosen{-1, -1, -1};
  for (size_t i = 0; i < chosen.size() && i < slots.size(); ++i) chosen[i] = slots[i];
  return chosen;
}

bool ShootingTheMoon(const TTableState& t, int seat) {
  const std::array<int, 4> taken = PointsTaken(t);
  for (int other = 0; other < kHeartsSeats; ++other)
    if (other != seat && taken[other] > 0) return false;
  // Worth the risk once the queen is in: the others lose 26 each instead.
  if (taken[seat] >= 13) return true;
  return taken[seat] >= 6 && HoldsTopHeart(t, seat);
}

int ChooseHeartsCard(const TTableState& t, int seat, int level) {
  const std::vector<int> legal = PlayableSlots(t, seat);
  if (legal.size() <= 1) return legal.empty() ? -1 : legal.front();
  if (level >= kSuper) {
    if (ShootingTheMoon(t, seat)) return Shoot(t, seat, legal);
    if (MoonToSpoil(t, seat)) {
      if (const int s = Spoil(t, seat, legal); s >= 0) return s;
    }
  }
  if (CardsOnTrick(t) == 0) return Lead(t, seat, legal, level);
  if (CardOf(t, seat, legal.front()).Suit == SuitLed(t)) return Follow(t, seat, legal, level);
  return Discard(t, seat, legal, level);
}
