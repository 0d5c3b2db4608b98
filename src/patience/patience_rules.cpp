#include "patience/patience_rules.h"

#include "patience/pairing.h"
#include "patience/scarf.h"
#include "patience/solitaire.h"

namespace {

// One line per playable patience game.
const PatienceRules kRules[] = {
    {Kind::Scarf, kScarfPileRows, ScarfLegalMoves, CheckScarfTable},
    {Kind::Solitaire, kSolitairePileRows, SolitaireLegalMoves, CheckSolitaireTable},
    {Kind::Kerchief, 0x3FF, KerchiefLegalMoves, nullptr, true},           // rows 0-9
    {Kind::Pairs, 0x1FF, PairsLegalMoves, nullptr, true},                 // rows 0-8
    {Kind::Piramida, 0x7, PiramidaLegalMoves, CheckPiramidaTable, true},  // stock and waste
    {Kind::OldFriend, 0xFB, OldFriendLegalMoves, nullptr},                // rows 0, 1, 3-7
    {Kind::CrossRoads, 0x3F, CrossLegalMoves, nullptr, true},             // rows 0-5
};

}  // namespace

const PatienceRules* PatienceRulesFor(Kind kind) {
  for (const PatienceRules& rules : kRules) {
    if (rules.kind == kind) return &rules;
  }
  return nullptr;
}

bool InPatiencePack(Kind kind, const TCard& card) {
  switch (kind) {
    case Kind::Pairs:
    case Kind::Prisoner:
    case Kind::Paganini:
      return card.Rank >= Six;
    case Kind::Joker:
      // The red sixes stay out; the black ones are the jokers.
      return card.Rank > Six || (card.Rank == Six && card.Suit <= Spades);
    default:
      return true;
  }
}
