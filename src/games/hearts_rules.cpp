#include "games/hearts_rules.h"

#include "core/hand_order.h"

namespace {

constexpr int kPlayerSeat = 0;

bool HoldsOnly(const TTableState& t, int seat, bool (*test)(const TCard&)) {
  for (int s = 0; s < kSlots; ++s) {
    const TCard& c = t.CardGrid[seat][s];
    if (c.Present == 1 && !test(c)) return false;
  }
  return true;
}

bool IsHeart(const TCard& c) {
  return c.Suit == Hearts;
}

bool HoldsSuit(const TTableState& t, int seat, int suit) {
  for (int s = 0; s < kSlots; ++s) {
    const TCard& c = t.CardGrid[seat][s];
    if (c.Present == 1 && c.Suit == suit) return true;
  }
  return false;
}

int PresentIn(const TTableState& t, int row) {
  int n = 0;
  for (const TCard& c : t.CardGrid[row]) n += c.Present == 1;
  return n;
}

bool MayLead(const TTableState& t, int seat, const TCard& c) {
  // The two of clubs opens every hand.
  if (FirstTrick(t)) return IsTwoOfClubs(c);
  if (c.Suit != Hearts || HeartsBroken(t)) return true;
  return HoldsOnly(t, seat, IsHeart);
}

bool MayFollow(const TTableState& t, int seat, const TCard& c) {
  const int led = SuitLed(t);
  if (HoldsSuit(t, seat, led)) return c.Suit == led;
  // Void in the suit led: anything, except points on the first trick while
  // the hand holds something else.
  if (!FirstTrick(t) || !CarriesPoints(c)) return true;
  return HoldsOnly(t, seat, CarriesPoints);
}

}  // namespace

PassDirection PassDirectionOfHand(int handNumber) {
  switch (((handNumber % 4) + 4) % 4) {
    case 0:
      return PassDirection::Left;
    case 1:
      return PassDirection::Right;
    case 2:
      return PassDirection::Across;
    default:
      return PassDirection::None;
  }
}

int PassTarget(int from, PassDirection direction) {
  switch (direction) {
    case PassDirection::Left:
      return (from + 1) % kHeartsSeats;
    case PassDirection::Right:
      return (from + 3) % kHeartsSeats;
    case PassDirection::Across:
      return (from + 2) % kHeartsSeats;
    case PassDirection::None:
      break;
  }
  return from;
}

int NextSeat(int seat) {
  return (seat + 1) % kHeartsSeats;
}

bool IsTwoOfClubs(const TCard& c) {
  return c.Suit == Clubs && c.Rank == Two;
}
bool IsQueenOfSpades(const TCard& c) {
  return c.Suit == Spades && c.Rank == Queen;
}
bool CarriesPoints(const TCard& c) {
  return c.Suit == Hearts || IsQueenOfSpades(c);
}

int CardsInHand(const TTableState& t, int seat) {
  return PresentIn(t, seat);
}
int CardsOnTrick(const TTableState& t) {
  return PresentIn(t, kHeartsTrickRow);
}
int CardsTaken(const TTableState& t, int seat) {
  return PresentIn(t, kHeartsTakenRow + seat);
}

bool FirstTrick(const TTableState& t) {
  for (int seat = 0; seat < kHeartsSeats; ++seat)
    if (CardsTaken(t, seat) > 0) return false;
  return true;
}

bool HeartsBroken(const TTableState& t) {
  for (int row = kHeartsTrickRow; row < kHeartsTakenRow + kHeartsSeats; ++row) {
    for (const TCard& c : t.CardGrid[row])
      if (c.Present == 1 && c.Suit == Hearts) return true;
  }
  return false;
}

int SeatToPlay(const TTableState& t) {
  const int n = CardsOnTrick(t);
  if (n >= kHeartsSeats) return -1;
  return (t.CoverIndex + n) % kHeartsSeats;
}

int SuitLed(const TTableState& t) {
  const int leader = t.CoverIndex;
  if (leader < 0 || leader >= kHeartsSeats || !t.IsPresent(kHeartsTrickRow, leader)) return -1;
  return t.SuitAt(kHeartsTrickRow, leader);
}

int TrickWinner(const TTableState& t) {
  const int led = SuitLed(t);
  if (led < 0) return -1;
  int winner = t.CoverIndex;
  for (int seat = 0; seat < kHeartsSeats; ++seat) {
    const TCard& c = t.CardGrid[kHeartsTrickRow][seat];
    if (c.Present == 1 && c.Suit == led && c.Rank > t.RankAt(kHeartsTrickRow, winner))
      winner = seat;
  }
  return winner;
}

int SeatHoldingTwoOfClubs(const TTableState& t) {
  for (int seat = 0; seat < kHeartsSeats; ++seat) {
    for (int s = 0; s < kHeartsHandSize; ++s) {
      const TCard& c = t.CardGrid[seat][s];
      if (c.Present == 1 && IsTwoOfClubs(c)) return seat;
    }
  }
  return -1;
}

bool MayPlay(const TTableState& t, int seat, int slot) {
  if (seat < 0 || seat >= kHeartsSeats || slot < 0 || slot >= kSlots) return false;
  if (!t.IsPresent(seat, slot) || SeatToPlay(t) != seat) return false;
  const TCard& c = t.CardGrid[seat][slot];
  return CardsOnTrick(t) == 0 ? MayLead(t, seat, c) : MayFollow(t, seat, c);
}

std::vector<int> PlayableSlots(const TTableState& t, int seat) {
  std::vector<int> slots;
  for (int s = 0; s < kSlots; ++s)
    if (MayPlay(t, seat, s)) slots.push_back(s);
  return slots;
}

void CloseUpHands(TTableState& t) {
  for (int seat = 0; seat < kHeartsSeats; ++seat) {
    auto& row = t.CardGrid[seat];
    int to = 0;
    for (int s = 0; s < kSlots; ++s) {
      if (row[s].Present != 1) continue;
      if (s != to) std::swap(row[s], row[to]);
      ++to;
    }
    t.RowCount[seat] = to;
  }
}

void OrderPlayerHand(Game& g) {
  // The hand order works on row 1 only with the player's options: the row
  // is set aside, lent to the player's cards, and put back.
  TTableState& t = g.t;
  const auto aside = t.CardGrid[1];
  const TOptions options = t.Options;
  const int trump = t.TrumpSuit;
  t.CardGrid[1] = t.CardGrid[kPlayerSeat];
  t.Options.TrLeftRight = 1;
  t.Options.TrSuitOld = 0;
  t.TrumpSuit = Hearts;
  t.RowCount[kPlayerSeat] = OrderRow(g, 1);
  t.CardGrid[kPlayerSeat] = t.CardGrid[1];
  t.CardGrid[1] = aside;
  t.Options = options;
  t.TrumpSuit = trump;
}
