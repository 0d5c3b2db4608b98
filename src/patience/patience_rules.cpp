#include "patience/patience_rules.h"

#include "patience/clock_joker_paganini.h"
#include "patience/pairing.h"
#include "patience/scarf.h"
#include "patience/sequence.h"
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
    {Kind::Bard, 0x1, BardLegalMoves, nullptr, true},                      // the line
    {Kind::Prisoner, 0x1FFF, PrisonerLegalMoves, nullptr},                 // rows 0-12
    {Kind::TwoByTwo, 0x1F, TwoByTwoLegalMoves, nullptr, true},             // rows 0-4
    {Kind::FirTrees, 0x3, FirTreesLegalMoves, CheckFirTreesTable},         // stock and waste
    {Kind::Street, 0xFFF, StreetLegalMoves, nullptr, true},                // rows 0-11
    {Kind::Clock, 0x1FFF, ClockLegalMoves, CheckClockTable},               // rows 0-12
    {Kind::Joker, 0xFFF, JokerLegalMoves, CheckJokerTable, true, 0xC00},   // cells 10, 11
    {Kind::Paganini, 0, PaganiniLegalMoves, nullptr},                      // rows with gaps
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
