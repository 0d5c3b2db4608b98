#include "games/hearts_invariants.h"

#include <numeric>

#include "games/hearts_rules.h"
#include "games/hearts_scoring.h"

namespace {

constexpr int kPlayerSeat = 0;
constexpr int kLastRow = kHeartsTakenRow + kHeartsSeats - 1;

std::string CheckWholePack(const TTableState& t) {
  std::array<int, 52> seen{};
  for (int row = 0; row < kRows; ++row) {
    for (const TCard& c : t.CardGrid[row]) {
      if (c.Present != 1) continue;
      if (row > kLastRow) return "a card lies in row " + std::to_string(row);
      if (++seen[ImageIndex(c)] > 1) return "card " + std::to_string(ImageIndex(c)) + " twice";
    }
  }
  for (int i = 0; i < 52; ++i)
    if (seen[i] == 0) return "card " + std::to_string(i) + " lost";
  return {};
}

std::string CheckHands(Game& g) {
  const TTableState& t = g.t;
  int taken = 0;
  for (int seat = 0; seat < kHeartsSeats; ++seat) taken += CardsTaken(t, seat);
  if (taken % kHeartsSeats != 0) return "a taken trick is not whole";
  const int tricks = taken / kHeartsSeats;
  for (int seat = 0; seat < kHeartsSeats; ++seat) {
    int n = 0;
    for (int s = 0; s < kSlots; ++s) {
      if (!t.IsPresent(seat, s)) break;
      ++n;
    }
    if (n != CardsInHand(t, seat)) return "hand " + std::to_string(seat) + " has a gap";
    if (n != t.RowCount[seat]) return "the count of hand " + std::to_string(seat) + " is wrong";
    const int expected = kHeartsHandSize - tricks - (t.IsPresent(kHeartsTrickRow, seat) ? 1 : 0);
    if (n != expected) return "hand " + std::to_string(seat) + " holds a wrong number of cards";
  }
  const auto before = t.CardGrid[kPlayerSeat];
  OrderPlayerHand(g);
  for (int s = 0; s < kHeartsHandSize; ++s)
    if (!SameCard(before[s], g.t.CardGrid[kPlayerSeat][s]) ||
        before[s].Present != g.t.CardGrid[kPlayerSeat][s].Present)
      return "the player's hand is out of order";
  return {};
}

std::string CheckTrickOnTable(const TTableState& t) {
  const int n = CardsOnTrick(t);
  if (n >= kHeartsSeats) return "a whole trick left on the table";
  if (t.CoverIndex < 0 || t.CoverIndex >= kHeartsSeats) return "no seat leads";
  for (int k = 0; k < kHeartsSeats; ++k) {
    const int seat = (t.CoverIndex + k) % kHeartsSeats;
    if (t.IsPresent(kHeartsTrickRow, seat) != (k < n))
      return "the trick is not laid from its leader on";
  }
  return {};
}

std::string CheckTurn(const Game& g) {
  const TTableState& t = g.t;
  if (t.ButtonCaptionId == 7 || t.ButtonCaptionId == 8) {
    if (t.TrumpSuit != Hearts) return "the exchange is confirmed but hearts still stand as trumps";
    if (t.WhoseTurn != 2) return "a card is awaited while cards are passed";
    return CardsOnTrick(t) == 0 ? std::string() : "cards on the trick while cards are passed";
  }
  if (t.TrumpSuit != -1) return "tricks are played with hearts as trumps";
  if (t.WhoseTurn != 1 || SeatToPlay(t) != kPlayerSeat)
    return "the player is not to play between actions";
  return {};
}

bool IsHeart(const TCard& c) {
  return c.Suit == Hearts;
}

}  // namespace

std::string CheckHeartsTable(Game& g) {
  if (std::string p = CheckWholePack(g.t); !p.empty()) return p;
  if (std::string p = CheckHands(g); !p.empty()) return p;
  if (std::string p = CheckTrickOnTable(g.t); !p.empty()) return p;
  if (!HeartsScoresPlausible(g.t.CzechPointsPlayer, g.t.CzechPointsComputer))
    return "totals no game can reach";
  return CheckTurn(g);
}

void HeartsPlayWatch::Reset(const Game& g) {
  tricks_.clear();
  for (int seat = 0; seat < kHeartsSeats; ++seat) takenBefore_[seat] = CardsTaken(g.t, seat);
  const HeartsScores s = ReadHeartsScores(g.t);
  totals_ = s.totals;
  handsDealt_ = s.handsDealt;
}

std::vector<TCard> HeartsPlayWatch::PlayedOrHeldAfter(const Game& g, int seat, size_t index) const {
  std::vector<TCard> cards;
  for (size_t i = index + 1; i < tricks_.size(); ++i) {
    const Trick& later = tricks_[i];
    cards.push_back(later.cards[(seat - later.leader + kHeartsSeats) % kHeartsSeats]);
  }
  const TTableState& t = g.t;
  if (t.IsPresent(kHeartsTrickRow, seat)) cards.push_back(t.CardGrid[kHeartsTrickRow][seat]);
  for (int s = 0; s < kSlots; ++s)
    if (t.IsPresent(seat, s)) cards.push_back(t.CardGrid[seat][s]);
  return cards;
}

std::string HeartsPlayWatch::CheckTrick(const Game& g, size_t index) const {
  const Trick& trick = tricks_[index];
  const int led = trick.cards[0].Suit;
  const std::string which = "trick " + std::to_string(index + 1) + ": ";
  if (index == 0 && !IsTwoOfClubs(trick.cards[0])) return which + "not led by the two of clubs";
  if (index > 0 && led == Hearts) {
    bool broken = false;
    for (size_t i = 0; i < index; ++i)
      for (const TCard& c : tricks_[i].cards) broken = broken || IsHeart(c);
    // Else the leader held nothing but hearts.
    bool onlyHearts = true;
    for (const TCard& c : PlayedOrHeldAfter(g, trick.leader, index))
      onlyHearts = onlyHearts && IsHeart(c);
    if (!broken && !onlyHearts) return which + "a heart led before hearts were broken";
  }
  for (int k = 1; k < kHeartsSeats; ++k) {
    const int seat = (trick.leader + k) % kHeartsSeats;
    const TCard& c = trick.cards[k];
    const std::vector<TCard> later = PlayedOrHeldAfter(g, seat, index);
    if (c.Suit != led) {
      for (const TCard& l : later)
        if (l.Suit == led) return which + "seat " + std::to_string(seat) + " did not follow suit";
    }
    if (index == 0 && CarriesPoints(c)) {
      for (const TCard& l : later)
        if (!CarriesPoints(l)) return which + "points on the first trick";
    }
  }
  return {};
}

std::string HeartsPlayWatch::Check(const Game& g) {
  const TTableState& t = g.t;
  const HeartsScores scores = ReadHeartsScores(t);
  if (scores.handsDealt != handsDealt_) {
    // A hand ended (and maybe the game with it).
    int added = 0;
    for (int seat = 0; seat < kHeartsSeats; ++seat) {
      if (scores.handsDealt > handsDealt_ && scores.totals[seat] < totals_[seat])
        return "a total went down";
      added += scores.totals[seat] - totals_[seat];
    }
    const bool newGame = scores.handsDealt == 0;
    if (!newGame && added != kHeartsPointsPerHand && added != 3 * kHeartsPointsPerHand)
      return "a hand scored " + std::to_string(added) + " points";
    if (!newGame && scores.handsDealt != handsDealt_ + 1) return "hands were skipped";
    Reset(g);
    return {};
  }
  if (scores.totals != totals_) return "the totals changed during a hand";
  for (int seat = 0; seat < kHeartsSeats; ++seat) {
    const int taken = CardsTaken(t, seat);
    if (taken == takenBefore_[seat]) continue;
    if (taken != takenBefore_[seat] + kHeartsSeats) return "more than one trick taken at once";
    Trick trick;
    for (int k = 0; k < kHeartsSeats; ++k)
      trick.cards[k] = t.CardGrid[kHeartsTakenRow + seat][takenBefore_[seat] + k];
    // The highest card of the suit led takes the trick: its place in the
    // order of play tells who led.
    int high = 0;
    for (int k = 1; k < kHeartsSeats; ++k)
      if (trick.cards[k].Suit == trick.cards[0].Suit &&
          trick.cards[k].Rank > trick.cards[high].Rank)
        high = k;
    trick.leader = (seat - high + kHeartsSeats) % kHeartsSeats;
    if (!tricks_.empty()) {
      const Trick& last = tricks_.back();
      int lastHigh = 0;
      for (int k = 1; k < kHeartsSeats; ++k)
        if (last.cards[k].Suit == last.cards[0].Suit &&
            last.cards[k].Rank > last.cards[lastHigh].Rank)
          lastHigh = k;
      if ((last.leader + lastHigh) % kHeartsSeats != trick.leader)
        return "the trick was not led by the taker of the one before";
    }
    tricks_.push_back(trick);
    takenBefore_[seat] = taken;
  }
  if (!tricks_.empty()) {
    const Trick& last = tricks_.back();
    int high = 0;
    for (int k = 1; k < kHeartsSeats; ++k)
      if (last.cards[k].Suit == last.cards[0].Suit && last.cards[k].Rank > last.cards[high].Rank)
        high = k;
    if ((last.leader + high) % kHeartsSeats != t.CoverIndex)
      return "the trick on the table is not led by the taker of the last one";
  }
  for (size_t i = 0; i < tricks_.size(); ++i)
    if (std::string p = CheckTrick(g, i); !p.empty()) return p;
  return {};
}
