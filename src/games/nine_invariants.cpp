#include "games/nine_invariants.h"

#include "games/table_watch.h"

namespace {

constexpr int kFirstSuitRow = 2;
constexpr int kNineSlot = 3;
constexpr int kLastSlot = 8;

// A suit row holds only its own suit, each card on its rank's slot, as one
// unbroken run through the nine.
std::string CheckSuitRow(const TTableState& t, int suit) {
  const int row = kFirstSuitRow + suit;
  const std::string name = "suit row " + std::to_string(row);
  int first = -1, last = -1;
  for (int s = 0; s < kSlots; ++s) {
    if (!t.IsPresent(row, s)) continue;
    const TCard& c = t.CardGrid[row][s];
    if (s > kLastSlot) return name + " goes beyond the ace";
    if (c.Suit != suit) return name + " holds another suit";
    if (c.Rank != Six + s) return name + " holds a card off its place";
    if (first == -1) first = s;
    if (last != -1 && s != last + 1) return name + " is broken";
    last = s;
  }
  if (first != -1 && (first > kNineSlot || last < kNineSlot))
    return name + " does not run through its nine";
  return {};
}

}  // namespace

std::string CheckNineTable(Game& g) {
  const TTableState& t = g.t;
  if (std::string p = CheckWholePack(g, kFirstSuitRow + 3); !p.empty()) return p;
  if (std::string p = CheckHands(g); !p.empty()) return p;
  bool anyLaid = false;
  for (int suit = Clubs; suit <= Hearts; ++suit) {
    if (std::string p = CheckSuitRow(t, suit); !p.empty()) return p;
    anyLaid = anyLaid || t.IsPresent(kFirstSuitRow + suit, kNineSlot);
  }
  const bool nineOfDiamonds = t.IsPresent(kFirstSuitRow + Diamonds, kNineSlot);
  if (t.FirstDiscardDone == 0 && anyLaid) return "cards laid before the opening";
  if (t.FirstDiscardDone != 0 && !nineOfDiamonds) return "opened without the nine of diamonds";
  if (t.WhoseTurn != 1) return "the computer's turn left open";
  return {};
}
