// Click filtering and the Move button.
#include "durak/turn_flow.h"

#include "commentary/comment.h"
#include "commentary/comment_texts.h"
#include "core/hand_order.h"
#include "durak/beats.h"
#include "durak/computer_player.h"
#include "durak/durak_start.h"
#include "durak/end_of_game.h"
#include "durak/guessing_game.h"
#include "durak/player_moves.h"
#include "durak/reverse_penalty.h"
#include "durak/trick_end.h"
#include "durak/trick_moves.h"
#include "table/move_card.h"

namespace {

bool HasLeadRank(const Game& g, int slot) {
  return g.t.RowCount[2] > 0 && g.t.RankAt(1, slot) == g.t.RankAt(2, 0);
}

bool NothingCovered(const Game& g) { return g.t.RowCount[3] == 0; }
bool AllCovered(const Game& g) { return g.t.RowCount[2] == g.t.RowCount[3]; }

// The right button starts or extends a lead of several cards of one rank,
// which the computer answers as a whole.
void LaySeveralCardLead(Game& g, int slot) {
  TTableState& t = g.t;
  const int value = t.ImageIndexAt(1, slot);
  g.out->SaveUndo();
  MoveCard(g, 1, slot, 2, t.CoverIndex, true);
  Comment(g, 3, kCaptionMove);
  t.LeadInProgress = 1;
  // Network game: the partner answers the lead as a whole once it is finished.
  if (g.NetworkGame()) g.out->SendMove(value, kNetLeadCard);
  t.CoverIndex += 1;
}

bool MayExtendSeveralCardLead(const Game& g, int slot) {
  const TTableState& t = g.t;
  if (t.WhoseTurn != 1 || !MayLead(g, slot) || t.RowCount[2] >= t.RowCount[0]) return false;
  const bool tableEmpty = t.RowCount[2] == 0 && t.LeadInProgress == 0;
  const bool sameRankLead = t.LeadInProgress == 1 && HasLeadRank(g, slot);
  return tableEmpty || sameRankLead;
}

// A right click of the defender in the transfer form covers with a card of
// the lead's rank instead of transferring it.
bool RightClickCovers(const Game& g, int slot) {
  const TTableState& t = g.t;
  return t.FormG == 2 && t.WhoseTurn == 0 && NothingCovered(g) && HasLeadRank(g, slot);
}

bool LeftClickTransfers(const Game& g, int slot) {
  const TTableState& t = g.t;
  return t.FormG == 2 && (t.Options.DiscardTransfer1 == 0 || t.FirstDiscardDone == 1) &&
         HasLeadRank(g, slot) && NothingCovered(g) && t.WhoseTurn == 0 && t.RowCount[0] > 1;
}

bool ClickIgnored(const Game& g) {
  const TTableState& t = g.t;
  // The simple form: one card is led and covered, then the trick is over.
  if (t.FormG == 0 && t.WhoseTurn == 1 && t.RowCount[2] == 1 && t.LeadInProgress == 0)
    return true;
  // Road durak: the computer is still answering the road.
  if (g.kind() == Kind::RoadDurak && t.WhoseTurn == 1 && t.RowCount[3] > 0 &&
      t.RowCount[3] < t.RowCount[2])
    return true;
  return g.kind() == Kind::ReverseDurak && t.CommentId == 8;
}

void AfterPlay(Game& g) {
  CountRows(g);
  if (g.t.Options.Animation == 0) g.out->RepaintTable(true);
  CheckEndOfGame(g);
}

// The comment after the computer answered a several-card lead.
void CommentOnLeadAnswer(Game& g, int outcome) {
  if (outcome == kOutcomeDiscarded) {
    Comment(g, g.t.FormG == 0 ? 7 : 3, kCaptionDiscard);
  } else if (outcome == kOutcomeTakesAll) {
    Comment(g, 4, kCaptionMove);
  } else if (outcome == kOutcomeReverseGood) {
    Comment(g, 7, kCaptionDiscard);
  } else if (outcome == kOutcomeReverseWrong) {
    Comment(g, 2, kCaptionMove);
  }
}

// The defender takes every card on the table; the attacker draws up.
void TakeTheTrick(Game& g) {
  TTableState& t = g.t;
  const int taker = t.WhoseTurn == 1 ? 0 : 1;
  TakeTrick(g, taker);
  DrawUp(g, DrawWho::AttackerOnly);
  if (g.NetworkGame()) {  // the partner attacks again from his own table
    g.out->SendMove(-1, kNetTake);
    Comment(g, kThinksComment, kCaptionWait);
    return;
  }
  if (taker == 0) {
    Comment(g, 0, kCaptionMove);  // the player attacks again
    return;
  }
  Comment(g, 1, kCaptionPickUp);
  ComputerLeads(g);
}

void DiscardTheTrick(Game& g) {
  TTableState& t = g.t;
  DiscardTrick(g);
  DrawUp(g, DrawWho::Both);
  if (g.NetworkGame()) {  // the partner leads next from his own table
    t.WhoseTurn = 0;
    g.out->SendMove(-1, kNetDiscard);
    Comment(g, kThinksComment, kCaptionWait);
    return;
  }
  if (t.WhoseTurn == 1) {
    Comment(g, 1, kCaptionPickUp);
    t.WhoseTurn = 0;
    ComputerLeads(g);
  } else {
    Comment(g, 0, kCaptionMove);
    t.WhoseTurn = 1;
  }
}

}  // namespace

void OnHandCardClick(Game& g, int slot, MouseButton button) {
  TTableState& t = g.t;
  if (!IsDurak(g.kind()) || slot < 0 || slot >= kSlots || !t.IsPresent(1, slot)) return;
  if (t.GuessMode == 1) {
    GuessClick(g, slot);
    return;
  }
  // Network game: clicks wait while the caption says "Wait".
  if (g.NetworkGame() && t.ButtonCaptionId == kCaptionWait) return;

  // Network game: a left click ends a lead of several cards, as Move does.
  if (g.NetworkGame() && t.WhoseTurn == 1 && t.LeadInProgress == 1 &&
      button == MouseButton::Left) {
    MoveButtonClick(g);
    return;
  }
  if (button == MouseButton::Right) {
    if (MayExtendSeveralCardLead(g, slot)) {
      LaySeveralCardLead(g, slot);
      return;
    }
    if (!RightClickCovers(g, slot)) return;
  } else if (LeftClickTransfers(g, slot)) {
    t.DefendByCover = 0;
  }
  if (ClickIgnored(g)) return;
  if (PlayCard(g, slot) == PlayResult::Done) AfterPlay(g);
}

void MoveButtonClick(Game& g) {
  TTableState& t = g.t;
  if (!IsDurak(g.kind()) || t.GuessMode == 1) return;
  if (g.NetworkGame() && t.ButtonCaptionId == kCaptionWait) return;

  if (t.LeadInProgress == 1 && g.NetworkGame()) {
    // The finished lead goes to the partner, who answers it card by card.
    t.LeadInProgress = 0;
    t.CoverIndex = 0;
    g.out->SendMove(-1, kNetLeadFinished);
    Comment(g, kThinksComment, kCaptionWait);
    CheckEndOfGame(g);
    return;
  }
  if (t.LeadInProgress == 1) {
    CommentOnLeadAnswer(g, DefendAll(g));
    AfterPlay(g);
    return;
  }
  if (t.RowCount[2] == 0) return;  // an empty table: nothing to take or discard
  // Network game: the attacker cannot make the partner take, and in the
  // simple form a covered trick leaves the table by itself; the defender
  // has nothing to press for once everything is covered.
  if (g.NetworkGame()) {
    const bool attacking = t.WhoseTurn == 1;
    if (attacking && (t.FormG == 0 || !AllCovered(g))) return;
    if (!attacking && AllCovered(g)) return;
  }

  const bool reverseCoverWrong = g.kind() == Kind::ReverseDurak && ReverseLastCoverWrong(g);
  if (!AllCovered(g) || reverseCoverWrong) {
    TakeTheTrick(g);
  } else {
    DiscardTheTrick(g);
  }
  if (t.Options.Animation == 0) g.out->RepaintTable(true);
  CheckEndOfGame(g);
}
