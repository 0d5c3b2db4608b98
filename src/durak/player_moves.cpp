#include "durak/player_moves.h"

#include "commentary/comment.h"
#include "commentary/comment_texts.h"
#include "durak/beats.h"
#include "durak/computer_player.h"
#include "durak/end_of_game.h"
#include "durak/reverse_penalty.h"
#include "durak/trick_end.h"
#include "durak/turn_flow.h"
#include "table/move_card.h"

namespace {

bool IsReverse(const Game& g) { return g.kind() == Kind::ReverseDurak; }
int Attacks(const Game& g) { return g.t.RowCount[2]; }
int Covers(const Game& g) { return g.t.RowCount[3]; }

// The computer covers the attack card at CoverIndex (or does not, and will
// take); CoverIndex moves on either way. Returns the slot it covered with.
int ComputerCovers(Game& g) {
  TTableState& t = g.t;
  const int c = CoverChoice(g, 2, t.CoverIndex);
  MoveCard(g, 0, c, 3, t.CoverIndex, true);
  t.CoverIndex += 1;
  return c;
}

// Reverse durak: the computer's cover lies face down too; whether it beats
// decides the comment.
int ComputerCoversBlind(Game& g) {
  TTableState& t = g.t;
  const int i = t.CoverIndex;
  ComputerCovers(g);
  const bool beats = t.IsPresent(3, i) && Beats(g, t.CardGrid[3][i], t.CardGrid[2][i]);
  return beats ? kOutcomeReverseGood : kOutcomeReverseWrong;
}

// The player's card the rules refuse: in Reverse durak he cannot see his
// cards, so it is laid anyway and he pays the penalty.
PlayResult RefusedAttack(Game& g, int slot, int& outcome) {
  // Over the network only cards the rules allow are laid.
  if (!IsReverse(g) || g.NetworkGame()) return PlayResult::Ignored;
  g.out->SaveUndo();
  ReverseWrongAdd(g, slot);
  outcome = kOutcomeComputerAttacks;
  return PlayResult::Done;
}

void CommentAfterAttack(Game& g, int outcome) {
  const TTableState& t = g.t;
  const int attacks = Attacks(g), covers = Covers(g), maxTrick = MaxTrick(g);
  if (t.FormG == 0 && !IsReverse(g)) {
    if (attacks > 0 && covers > 0) {
      Comment(g, 7, kCaptionDiscard);
    } else if (attacks > 0) {
      Comment(g, 2, kCaptionMove);
    } else {
      Comment(g, 0, kCaptionMove);
    }
    return;
  }
  if (t.FirstDiscardDone == 0 && attacks == 5 && covers == 5) {
    Comment(g, 5, kCaptionDiscard);  // the first discard holds five cards at most
    return;
  }
  switch (outcome) {
    case kOutcomeReverseGood:
      Comment(g, 7, kCaptionDiscard);
      return;
    case kOutcomeReverseWrong:
      Comment(g, 2, kCaptionMove);
      return;
    case kOutcomeComputerAttacks:
      Comment(g, 1, kCaptionPickUp);
      return;
    case kOutcomeTakesAll:
      Comment(g, 4, kCaptionMove);
      return;
    case kOutcomeNotCovered:
      if ((attacks == maxTrick && covers == maxTrick - 1) || g.kind() == Kind::RoadDurak) {
        Comment(g, 2, kCaptionPickUp);
      } else if (attacks - covers < t.RowCount[0]) {
        Comment(g, 4, kCaptionMove);
      } else {
        Comment(g, 2, kCaptionMove);
      }
      return;
    default:
      break;
  }
  if (attacks == covers && t.RowCount[0] == 0) {
    Comment(g, 6, kCaptionDiscard);
  } else if (attacks != maxTrick && covers != maxTrick) {
    Comment(g, 3, kCaptionDiscard);
  } else if (attacks == maxTrick && covers == maxTrick) {
    Comment(g, 7, kCaptionDiscard);
  }
}

PlayResult PlayLead(Game& g, int slot, int& outcome) {
  TTableState& t = g.t;
  const int value = t.ImageIndexAt(1, slot);
  g.out->SaveUndo();
  MoveCard(g, 1, slot, 2, t.CoverIndex, true);
  // Network game: the lead goes to the partner, who answers it.
  if (g.NetworkGame()) {
    g.out->SendMove(value, kNetAttack);
    return PlayResult::Done;
  }
  if (t.FormG == 2) {
    const int transfer = TransferChoice(g);
    if (transfer != -1 && t.RowCount[1] >= 3) {
      t.WhoseTurn = 0;
      MoveCard(g, 0, transfer, 2, t.RowCount[2], true);
      outcome = kOutcomeComputerAttacks;
      return PlayResult::Done;
    }
  }
  if (IsReverse(g)) {
    if (!CheckEndOfGame(g)) return PlayResult::GameOver;
    outcome = ComputerCoversBlind(g);
    return PlayResult::Done;
  }
  outcome = ComputerCovers(g);
  return PlayResult::Done;
}

PlayResult PlayAttack(Game& g, int slot) {
  TTableState& t = g.t;
  int outcome = kOutcomeDiscarded;
  PlayResult result = PlayResult::Ignored;
  const TCard card = t.CardGrid[1][slot];
  const int attacks = Attacks(g), covers = Covers(g);

  if (t.LeadInProgress == 1) {
    outcome = DefendAll(g);  // the whole several-card lead at once
    result = PlayResult::Done;
  } else if (attacks == 0) {
    result = PlayLead(g, slot, outcome);
  } else if (attacks == covers && attacks < MaxTrick(g) && t.RowCount[0] > 0) {
    if (MayAdd(g, card)) {
      g.out->SaveUndo();
      MoveCard(g, 1, slot, 2, t.CoverIndex, true);
      if (g.NetworkGame()) {
        g.out->SendMove(ImageIndex(card), kNetAttack);
      } else {
        outcome = ComputerCovers(g);
      }
      result = PlayResult::Done;
    } else {
      result = RefusedAttack(g, slot, outcome);
    }
  } else if (covers < attacks && attacks < MaxTrick(g) && attacks < covers + t.RowCount[0] &&
             !g.NetworkGame()) {
    // The computer is taking: the player may load it with more cards.
    if (MayAdd(g, card)) {
      g.out->SaveUndo();
      MoveCard(g, 1, slot, 2, t.CoverIndex, true);
      t.CoverIndex += 1;
      outcome = kOutcomeNotCovered;
      result = PlayResult::Done;
    } else {
      result = RefusedAttack(g, slot, outcome);
    }
  }
  if (result != PlayResult::Done) return result;
  if (g.NetworkGame()) {
    Comment(g, kThinksComment, kCaptionWait);  // the partner answers
  } else {
    CommentAfterAttack(g, outcome);
  }
  return result;
}

// The player passes the attack on with a card of the lead's rank; the
// computer transfers it back or defends against all of it.
PlayResult PlayTransfer(Game& g, int slot) {
  TTableState& t = g.t;
  t.DefendByCover = 1;
  if (t.RankAt(1, slot) != t.RankAt(2, 0) || t.RowCount[0] <= Attacks(g)) return PlayResult::Ignored;
  const int value = t.ImageIndexAt(1, slot);
  g.out->SaveUndo();
  MoveCard(g, 1, slot, 2, t.CoverIndex + Attacks(g), true);
  g.out->RepaintTable(true);
  t.WhoseTurn = 1;
  // Network game: the partner now defends against every card.
  if (g.NetworkGame()) {
    t.CoverIndex = 0;
    g.out->SendMove(value, kNetTransfer);
    Comment(g, kThinksComment, kCaptionWait);
    return PlayResult::Done;
  }
  const int back = TransferChoice(g);
  if (back != -1 && Attacks(g) + 2 < t.RowCount[1]) {
    MoveCard(g, 0, back, 2, t.CoverIndex + Attacks(g), true);
    t.WhoseTurn = 0;
    Comment(g, 1, kCaptionPickUp);
  } else if (DefendAll(g) == kOutcomeTakesAll) {
    Comment(g, 4, kCaptionMove);
  } else {
    Comment(g, 3, kCaptionDiscard);
  }
  return PlayResult::Done;
}

// Network game: the cover goes to the partner, who decides what follows;
// in the simple form a covered trick leaves the table at once and the
// player leads next.
PlayResult SendCover(Game& g, int value) {
  TTableState& t = g.t;
  if (Covers(g) < Attacks(g)) {
    Comment(g, 1, kCaptionPickUp);
  } else if (t.FormG == 0) {
    DiscardTrick(g);
    DrawUp(g, DrawWho::Both);
    t.WhoseTurn = 1;
    Comment(g, 0, kCaptionMove);
  } else {
    Comment(g, kThinksComment, kCaptionWait);
  }
  g.out->SendMove(value, kNetCover);
  return PlayResult::Done;
}

PlayResult PlayCover(Game& g, int slot) {
  TTableState& t = g.t;
  if (!Beats(g, t.CardGrid[1][slot], t.CardGrid[2][t.CoverIndex])) {
    if (!IsReverse(g) || g.NetworkGame()) return PlayResult::Ignored;
    g.out->SaveUndo();
    ReverseWrongCover(g, slot);
    Comment(g, 1, kCaptionPickUp);
    return PlayResult::Done;
  }
  const int value = t.ImageIndexAt(1, slot);
  g.out->SaveUndo();
  MoveCard(g, 1, slot, 3, t.CoverIndex, true);
  t.CoverIndex += 1;
  if (g.kind() == Kind::RoadDurak || t.Options.Animation == 0) g.out->RepaintTable(true);
  if (g.NetworkGame()) return SendCover(g, value);
  if (!CheckEndOfGame(g)) return PlayResult::GameOver;
  if (Covers(g) < Attacks(g)) {
    Comment(g, 1, kCaptionPickUp);
    return PlayResult::Done;
  }
  const int add = AddChoice(g);
  if (IsReverse(g) && add == -1) {
    Comment(g, 7, kCaptionDiscard);  // the player ends the trick with Move
    return PlayResult::Done;
  }
  if (add != -1 && t.RowCount[1] > 0 && Attacks(g) < MaxTrick(g)) {
    MoveCard(g, 0, add, 2, t.CoverIndex, true);
    Comment(g, 1, kCaptionPickUp);
    return PlayResult::Done;
  }
  DiscardTrick(g);
  DrawUp(g, DrawWho::Both);
  t.WhoseTurn = 1;
  Comment(g, 0, kCaptionMove);
  return PlayResult::Done;
}

PlayResult PlayDefence(Game& g, int slot) {
  TTableState& t = g.t;
  if (g.NetworkGame() && t.LeadInProgress == 1) return PlayResult::Ignored;
  const int attacks = Attacks(g);
  if (t.FormG == 2 && attacks >= 1 && attacks <= 4 && Covers(g) == 0 && t.RowCount[0] > 0 &&
      t.RowCount[1] > 0 && t.DefendByCover == 0) {
    return PlayTransfer(g, slot);
  }
  if (Covers(g) < attacks && attacks <= MaxTrick(g)) return PlayCover(g, slot);
  return PlayResult::Ignored;
}

}  // namespace

PlayResult PlayCard(Game& g, int slot) {
  if (slot < 0 || slot >= kSlots || !g.t.IsPresent(1, slot)) return PlayResult::Ignored;
  if (g.t.WhoseTurn == 1) return PlayAttack(g, slot);
  if (g.t.WhoseTurn == 0) return PlayDefence(g, slot);
  return PlayResult::Ignored;
}
