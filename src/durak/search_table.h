// A small copy of a durak table for the searching professional to play out
// thousands of times per choice: both hands and the trick as bit masks and
// short card lists, the stock as an ordered list. Copying one costs a few
// hundred bytes, where the window's table is tens of kilobytes.
//
// The rules are those of the table it was taken from: what beats what (the
// Japanese spade rule included), the rising road of Road durak, the five-card
// first trick, the transfer form's conditions, the draw-up order with the
// last cards shared or not, and the end of the game. A play-out is only an
// estimate, so it leaves out what the fast policies never do (several-card
// leads, Reverse durak's blind covers) and lets either attacker load a
// taking defender. Seat 0 is the side that searches (row 0 of the table),
// seat 1 the other.
//
// The fast policies play both seats in the play-outs: lead the lowest plain
// card, cover with the lowest card of the suit, trump only when the stock is
// thin or the trump is low, pass a lead on with a plain card, add the lowest
// plain card of a rank on the table. They are close to the professional's
// own rules, cheap, and fixed, so only the deal of the unseen cards makes
// two play-outs differ.
#pragma once

#include <array>
#include <cstdint>

#include "core/random.h"

namespace durak_search {

using CardMask = uint64_t;

// Cards are numbered as their pictures: suit * 13 + rank.
inline int SuitOf(int card) { return card / 13; }
inline int RankOf(int card) { return card % 13; }
inline CardMask Bit(int card) { return CardMask{1} << card; }

struct SimRules {
  int trumpSuit = 0;
  bool japanese = false;  // a spade falls only to a higher spade
  bool road = false;      // every added card climbs above the last cover
  int form = 1;           // 0 simple, 1 throw-up, 2 transfer
  int packSize = 36;
  bool transferAfterFirstDiscard = false;  // "1_DiscardTransfer"
  bool shareLastCards = false;             // "LastCards"
  bool moreThanSix = false;                // "ThrowUpMore6Cards"
  bool noDraws = false;                    // "LastCardGame": both out, the attacker wins
};

constexpr int kMaxTrickCards = 26;

struct SimTable {
  std::array<CardMask, 2> hand{};
  std::array<uint8_t, kMaxTrickCards> attack{}, cover{};
  int attacks = 0, covers = 0;  // cover i lies on attack i, in order
  std::array<uint8_t, 52> stock{};  // in drawing order, the trump card last
  int stockNext = 0, stockEnd = 0;
  bool trumpCardLies = false;  // the last card of the stock is the face-up trump
  int attacker = 0;
  bool firstDiscardDone = false;
  bool taking = false;            // the defender gave up this trick
  bool transferDeclined = false;  // the defender chose to answer this lead himself

  int defender() const { return 1 - attacker; }
  int stockLeft() const { return stockEnd - stockNext; }
};

// What one choice at the table does.
struct SimMove {
  enum Type : uint8_t { Lead, Cover, Take, Add, NoAdd, Transfer, NoTransfer, CoverAll };
  Type type = Lead;
  int card = -1;
  // CoverAll: the cover of attack card i, for every attack card.
  std::array<uint8_t, kMaxTrickCards> covers{};
};

int CountCards(CardMask m);
bool SimBeats(const SimRules& r, int x, int a);
int SimMaxTrick(const SimRules& r, const SimTable& t);

// Carries the move out; the move must be one the table allows.
void ApplyMove(const SimRules& r, SimTable& t, const SimMove& m);

// 1 when seat 0 has won, -1 when it has lost, 0 a draw, or kGoingOn.
constexpr int kGoingOn = 2;
int Outcome(const SimRules& r, const SimTable& t);

// Plays the table out with the fast policies for both seats: 1, 0 or -1 for
// seat 0. A game that goes on too long counts as a draw.
int PlayOut(const SimRules& r, SimTable t);

}  // namespace durak_search
