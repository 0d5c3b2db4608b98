#include "network/net_moves.h"

#include "commentary/comment.h"
#include "commentary/comment_texts.h"
#include "games/eights.h"
#include "games/nine.h"
#include "network/net_durak_moves.h"
#include "table/move_card.h"

namespace {

// The partner's card: the first slot of row 0 that holds it, -1 when he
// does not hold it.
int PartnerSlot(const Game& g, int value) {
  const TTableState& t = g.t;
  if (value < 0 || value > 51) return -1;
  for (int s = 0; s < t.RowCount[0] && s < kSlots; ++s) {
    if (t.IsPresent(0, s) && t.ImageIndexAt(0, s) == value) return s;
  }
  return -1;
}

// The sender's rules travel with every move.
void TakeSendersRules(Game& g, const NetMessage& m) {
  TOptions& o = g.t.Options;
  o.LastCards = m.LastCards;
  o.DiscardTransfer1 = m.DiscardTransfer1;
  o.ThrowUpMore6Cards = m.ThrowUpMore6Cards;
  o.LastCardGame = m.LastCardGame;
}

// Eights: 0 a card, 1 an eight (the partner orders a suit next), 2 the
// partner passed or ordered a suit. WhoseTurn 0: this side lays.
NetFault ApplyEightsMove(Game& g, const NetMessage& m, int slot) {
  TTableState& t = g.t;
  if (m.Code == 0 || m.Code == 1) {
    if (slot < 0) return NetFault::CardNotInHand;
    if (t.WhoseTurn != 1 || !EightsCardFits(t, t.CardGrid[0][slot])) return NetFault::BadPlace;
    MoveCard(g, 0, slot, 2, t.RowCount[2], true);
    t.FirstDiscardDone = 1;
    g.out->RepaintTable(true);
    const bool eight = m.Code == 1;
    if (!EightsDealGoesOn(g, eight)) return NetFault::None;
    t.WhoseTurn = eight ? 1 : 0;
    if (eight) {
      Comment(g, kThinksComment, kCaptionWait);
    } else {
      Comment(g, 1, kCaptionPass);
    }
    return NetFault::None;
  }
  if (m.Code == 2) {
    if (m.TrumpSuit < 0 && t.RowCount[2] > 0) return NetFault::BadTurnField;
    t.TrumpSuit = m.TrumpSuit;
    g.out->RepaintTable(true);
    t.WhoseTurn = 0;
    if (EightsDealGoesOn(g, false)) Comment(g, 1, kCaptionPass);
  }
  return NetFault::None;
}

// Nine: 0 a card laid on the suit rows, 1 a pass. WhoseTurn 1: this side lays.
NetFault ApplyNineMove(Game& g, const NetMessage& m, int slot) {
  TTableState& t = g.t;
  if (m.Code == 0) {
    if (slot < 0) return NetFault::CardNotInHand;
    const TCard card = t.CardGrid[0][slot];
    const NinePlace place = NinePlaceOf(t, card);
    const bool opening = t.FirstDiscardDone == 0;
    if (!place.Fits() || (opening && !(card.Suit == Diamonds && card.Rank == Nine)))
      return NetFault::BadPlace;
    t.WhoseTurn = 1;
    LayNineCard(g, 0, slot, place);
    g.out->RepaintTable(true);
    if (!NineDealGoesOn(g)) return NetFault::None;
    RefreshNineMoveButton(g);
    Comment(g, -1, kCaptionPass);
    return NetFault::None;
  }
  if (m.Code == 1) {
    t.WhoseTurn = 1;
    RefreshNineMoveButton(g);
    Comment(g, -1, kCaptionPass);
  }
  return NetFault::None;
}

}  // namespace

NetFault ApplyPartnerMove(Game& g, const NetMessage& m) {
  const int slot = PartnerSlot(g, m.Value);
  const Kind k = g.kind();
  // Nothing of the record reaches the table before the move is known to fit.
  NetFault fault = NetFault::None;
  if (IsDurak(k)) {
    TakeSendersRules(g, m);
    fault = ApplyDurakMove(g, m, slot);
  } else if (k == Kind::Eights) {
    TakeSendersRules(g, m);
    fault = ApplyEightsMove(g, m, slot);
  } else if (k == Kind::Nine) {
    TakeSendersRules(g, m);
    fault = ApplyNineMove(g, m, slot);
  }
  // Czech durak's moves come with its rules.
  return fault;
}

void ComputerTakesPartnersSeat(Game& g) {
  TTableState& t = g.t;
  const Kind k = g.kind();
  if (IsDurak(k)) DurakComputerTakesOver(g);
  if (k == Kind::Eights) {
    if (t.WhoseTurn == 1) {
      EightsComputerContinues(g);
    } else {
      Comment(g, 1, kCaptionPass);
    }
  }
  if (k == Kind::Nine) {
    if (t.WhoseTurn == 0) NineComputerTurn(g);
    Comment(g, -1, kCaptionPass);
  }
}

bool NetPlayerToAct(const Game& g) {
  const TTableState& t = g.t;
  const Kind k = g.kind();
  if (t.ButtonCaptionId == kCaptionWait) return false;
  if (IsDurak(k)) return t.WhoseTurn == 0 || t.WhoseTurn == 1;
  if (k == Kind::Eights) return t.WhoseTurn == 0 || EightsSuitOrderOpen(g);
  if (k == Kind::Nine) return t.WhoseTurn == 1;
  return false;
}
