#include "play/saved_table_checks.h"

#include <array>

#include "core/game.h"
#include "games/hearts_rules.h"
#include "games/hearts_scoring.h"

namespace {

constexpr int kCzechThirtyTwoCardForm = 5;  // Czech durak's 2nd variety: seven to ace
constexpr int kMemoryCardsTurned = 2;

bool IsRedSix(const TCard& c) {
  return c.Rank == Six && (c.Suit == Diamonds || c.Suit == Hearts);
}

int PresentIn(const SaveRecord& r, int row) {
  int n = 0;
  for (const TCard& c : r.Cards[row]) n += c.Present == 1;
  return n;
}

bool FaceUpInRowZero(const SaveRecord& r, int slot) {
  return slot >= 0 && slot < kSlots && r.Cards[0][slot].Present == 1 && r.Opened[0][slot] != 0;
}

std::string CardName(const TCard& c) {
  return "card " + std::to_string(ImageIndex(c));
}

std::string CheckCards(const SaveRecord& r, const Edition& e) {
  std::array<int, 52> rowOf;
  rowOf.fill(-1);
  for (int row = 0; row < kRows; ++row) {
    for (const TCard& c : r.Cards[row]) {
      if (c.Present != 1) continue;
      if (!CardOfGamePack(e, r.VidG, r.FormG, c))
        return CardName(c) + " in row " + std::to_string(row) + " is not in the game's pack";
      int& where = rowOf[ImageIndex(c)];
      if (where != -1)
        return CardName(c) + " lies in rows " + std::to_string(where) + " and " +
               std::to_string(row);
      where = row;
    }
  }
  return {};
}

// Hearts: thirteen places to a hand, the trick laid from its leader on,
// the taken cards in rows 5 to 8, totals a game can reach.
std::string CheckHeartsTable(const SaveRecord& r) {
  if (r.CoverIndex > 3) return "no Hearts seat leads";
  if (!HeartsScoresPlausible(r.CzechPointsPlayer, r.CzechPointsComputer))
    return "Hearts totals no game can reach";
  for (int row = 0; row < kRows; ++row) {
    const int places = row < kHeartsSeats ? kHeartsHandSize : row <= 8 ? kSlots : 0;
    for (int s = places; s < kSlots; ++s)
      if (r.Cards[row][s].Present == 1)
        return "a Hearts card out of its places in row " + std::to_string(row);
  }
  const int onTrick = PresentIn(r, kHeartsTrickRow);
  if (onTrick >= kHeartsSeats) return "a whole trick left on the table";
  for (int k = 0; k < kHeartsSeats; ++k) {
    const bool laid = r.Cards[kHeartsTrickRow][(r.CoverIndex + k) % kHeartsSeats].Present == 1;
    if (laid != (k < onTrick)) return "the trick is not laid from its leader on";
  }
  return {};
}

std::string CheckTurnValues(const SaveRecord& r, const Edition& e) {
  const Kind k = e.KindOf(r.VidG);
  if (k == Kind::Hearts) return CheckHeartsTable(r);
  // The next card to cover, or the next free place of the trick, lies
  // within the trick.
  if (IsDurak(k) && r.CoverIndex > PresentIn(r, 2)) return "CoverIndex lies beyond the trick";
  if (IsMemory(k) && (r.CoverIndex < 0 || r.CoverIndex > kMemoryCardsTurned))
    return "more than two Memory cards turned up";
  // The cards of the pair being turned are face up in row 0; Memory turns
  // them back by these slots.
  if (IsMemory(k) && r.CoverIndex >= 1 && !FaceUpInRowZero(r, r.SourceSlot))
    return "the first Memory card turned is not face up";
  if (IsMemory(k) && r.CoverIndex == 2 && !FaceUpInRowZero(r, r.SecondSlot))
    return "the second Memory card turned is not face up";
  return {};
}

}  // namespace

bool CardOfGamePack(const Edition& e, int vidg, int formg, const TCard& card) {
  if (card.Suit < Clubs || card.Suit > Hearts || card.Rank < Two || card.Rank > Ace) return false;
  switch (e.KindOf(vidg)) {
    case Kind::CzechDurak:
      return card.Rank >= (formg == kCzechThirtyTwoCardForm ? Seven : Six);
    case Kind::Eights:
    case Kind::Nine:
    case Kind::Pairs:
    case Kind::Prisoner:
    case Kind::Paganini:
    case Kind::Memory36:
      return card.Rank >= Six;
    case Kind::Joker:
      return card.Rank >= Six && !IsRedSix(card);
    case Kind::None:
      return false;
    default:
      return true;
  }
}

std::string SavedTableProblem(const SaveRecord& r, const Edition& e) {
  if (e.KindOf(r.VidG) == Kind::None) return "VidG is no game of this edition";
  if (std::string why = CheckCards(r, e); !why.empty()) return why;
  return CheckTurnValues(r, e);
}

bool HoldsFullPackDurak(const SaveRecord& r, const Edition& e) {
  if (!IsDurak(e.KindOf(r.VidG))) return false;
  for (const auto& row : r.Cards) {
    for (const TCard& c : row) {
      if (c.Present == 1 && c.Rank < Six) return true;
    }
  }
  return false;
}
