// The partner's durak moves. The partner is the attacker or the defender of
// the trick like the computer would be; after each move both tables hold
// the same cards, and WhoseTurn reads the other way round on the two sides.
// Every move ends with the end-of-game check, as the sender's own action
// did, so that both sides see a game end at the same card.
#include "network/net_durak_moves.h"

#include "commentary/comment.h"
#include "commentary/comment_texts.h"
#include "durak/durak_start.h"
#include "durak/end_of_game.h"
#include "durak/trick_end.h"
#include "durak/turn_flow.h"
#include "table/move_card.h"

namespace {

bool NeedsCard(int code) {
  return code == kNetAttack || code == kNetLeadCard || code == kNetCover || code == kNetTransfer ||
         code == kNetWrongCard || code == kNetWrongCover;
}

void MovePartnerCard(Game& g, int slot, int toRow, int toSlot) {
  MoveCard(g, 0, slot, toRow, toSlot, true);
  if (g.t.Options.Animation == 0) g.out->RepaintTable(true);
}

void Wait(Game& g) { Comment(g, kThinksComment, kCaptionWait); }

// The defender goes on covering from the first card not covered yet.
void NextToCover(TTableState& t) { t.CoverIndex = t.RowCount[3]; }

void TrickCovered(Game& g) {
  TTableState& t = g.t;
  const int a = t.RowCount[2], c = t.RowCount[3];
  if (t.RowCount[0] == 0 && t.RowCount[1] > 0) {
    Comment(g, 6, kCaptionDiscard);
  } else if (t.FirstDiscardDone == 0 && a == 5 && c == 5) {
    Comment(g, 5, kCaptionDiscard);
  } else if (t.Options.ThrowUpMore6Cards == 0 && a == 6 && c == 6) {
    Comment(g, 7, kCaptionDiscard);
  } else {
    Comment(g, 3, kCaptionDiscard);
  }
}

void ReceiveCover(Game& g, int slot) {
  TTableState& t = g.t;
  MoveCard(g, 0, slot, 3, t.RowCount[3], true);
  g.out->RepaintTable(true);
  t.LeadInProgress = 0;
  if (t.RowCount[3] < t.RowCount[2]) {
    t.WhoseTurn = 1;
    NextToCover(t);
    if (CheckEndOfGame(g)) Wait(g);
    return;
  }
  if (t.FormG == 0) {
    // The simple form: a covered trick leaves the table at once and the
    // defender leads next.
    g.out->Pause(800);
    DiscardTrick(g);
    t.WhoseTurn = 1;
    DrawUp(g, DrawWho::Both);
    t.WhoseTurn = 0;
    if (CheckEndOfGame(g)) Wait(g);
    return;
  }
  t.WhoseTurn = 1;
  NextToCover(t);
  if (CheckEndOfGame(g)) TrickCovered(g);
}

// Reverse durak: the partner laid a card the rules refuse and takes the table.
void ReceiveWrongCard(Game& g, int slot, int row) {
  TTableState& t = g.t;
  MoveCard(g, 0, slot, row, t.RowCount[row], true);
  g.out->RepaintTable(true);
  g.out->Pause(800);
  t.LeadInProgress = 0;
  TakeTrick(g, 0);
  t.WhoseTurn = 1;
  DrawUp(g, DrawWho::AttackerOnly);
  if (CheckEndOfGame(g)) Comment(g, 0, kCaptionMove);
}

}  // namespace

NetFault ApplyDurakMove(Game& g, const NetMessage& m, int slot) {
  TTableState& t = g.t;
  if (NeedsCard(m.Code) && slot < 0) return NetFault::CardNotInHand;
  switch (m.Code) {
    case kNetAttack:
    case kNetLeadCard:
      MovePartnerCard(g, slot, 2, t.RowCount[2]);
      t.WhoseTurn = 0;
      NextToCover(t);
      if (m.Code == kNetLeadCard) {
        t.LeadInProgress = 1;
        Wait(g);
        return NetFault::None;
      }
      t.LeadInProgress = 0;
      if (CheckEndOfGame(g)) Comment(g, 0, kCaptionPickUp);
      return NetFault::None;
    case kNetLeadFinished:
      t.WhoseTurn = 0;
      t.LeadInProgress = 0;
      t.CoverIndex = 0;
      if (CheckEndOfGame(g)) Comment(g, 0, kCaptionPickUp);
      return NetFault::None;
    case kNetCover:
      ReceiveCover(g, slot);
      return NetFault::None;
    case kNetDiscard:
      DiscardTrick(g);
      t.WhoseTurn = 0;  // the partner attacked: he draws first
      DrawUp(g, DrawWho::Both);
      t.WhoseTurn = 1;
      t.LeadInProgress = 0;
      if (CheckEndOfGame(g)) Comment(g, 0, kCaptionMove);
      return NetFault::None;
    case kNetTake:
      t.LeadInProgress = 0;
      TakeTrick(g, 0);
      t.WhoseTurn = 1;
      DrawUp(g, DrawWho::AttackerOnly);
      if (CheckEndOfGame(g)) Comment(g, 0, kCaptionMove);
      return NetFault::None;
    case kNetTransfer:
      t.LeadInProgress = 0;
      MovePartnerCard(g, slot, 2, t.RowCount[2]);
      t.WhoseTurn = 0;
      t.DefendByCover = 1;
      t.CoverIndex = 0;
      if (CheckEndOfGame(g)) Comment(g, 0, kCaptionPickUp);
      return NetFault::None;
    case kNetWrongCard:
      ReceiveWrongCard(g, slot, 2);
      return NetFault::None;
    case kNetWrongCover:
      ReceiveWrongCard(g, slot, 3);
      return NetFault::None;
    default:
      return NetFault::None;  // an unknown move does nothing
  }
}

void DurakComputerTakesOver(Game& g) {
  TTableState& t = g.t;
  if (t.WhoseTurn == 0) {
    if (t.RowCount[2] == 0) {
      // The partner was to lead: the computer does.
      if (t.RowCount[0] > 0) ComputerLeads(g);
      Comment(g, 1, kCaptionPickUp);
      return;
    }
    // The partner's attack is left half made: his seat takes the table and
    // the player attacks next.
    t.LeadInProgress = 0;
    TakeTrick(g, 0);
    DrawUp(g, DrawWho::AttackerOnly);
    t.WhoseTurn = 1;
    Comment(g, 0, kCaptionMove);
    CheckEndOfGame(g);
    return;
  }
  if (t.WhoseTurn == 1) {
    Comment(g, 0, kCaptionMove);
    MoveButtonClick(g);
  }
}
