#include "games/eights.h"

#include "commentary/comment.h"
#include "commentary/comment_texts.h"
#include "games/deal_result.h"
#include "games/suit_order.h"
#include "table/move_card.h"

namespace {

constexpr int kComputerRow = 0;
constexpr int kPlayerRow = 1;
constexpr int kPileRow = 2;

// WhoseTurn in Eights.
constexpr int kPlayerLays = 0;
constexpr int kComputerPlays = 1;

// Comments of the neutral table: "Your turn !", "Beat off !", "Select the
// suit or pass !".
constexpr int kYourTurnComment = 0;
constexpr int kBeatOffComment = 1;
constexpr int kOrderOrPassComment = 11;

constexpr int kComputerPause = 400;

bool IsEight(const TCard& c) {
  return c.Rank == Eight;
}

bool HoldsFittingCard(const Game& g, int row) {
  const TTableState& t = g.t;
  for (int s = 0; s < t.RowCount[row]; ++s) {
    if (t.IsPresent(row, s) && EightsCardFits(t, t.CardGrid[row][s])) return true;
  }
  return false;
}

// The card goes on top of the pile and its suit comes into force; from the
// first card on the sign of the suit in force is shown by the panel.
void LayOnPile(Game& g, int row, int slot) {
  TTableState& t = g.t;
  MoveCard(g, row, slot, kPileRow, t.RowCount[kPileRow], true);
  t.FirstDiscardDone = 1;
  if (t.Options.Animation == 0) g.out->RepaintTable(true);
}

// The end-of-deal check. Right after the player's eight the suit is still
// to be ordered, so the deal cannot be judged blocked yet: only an empty
// hand ends it then. False when the deal is over.
}  // namespace

bool EightsDealGoesOn(Game& g, bool orderPending) {
  const TTableState& t = g.t;
  const int player = t.RowCount[kPlayerRow];
  const int computer = t.RowCount[kComputerRow];
  if (player == 0 && computer > 0) {
    EndDeal(g, DealResult::Win);
    return false;
  }
  if (computer == 0 && player > 0) {
    EndDeal(g, DealResult::Loss);
    return false;
  }
  if (!orderPending && player > 0 && computer > 0 && EightsBlocked(g)) {
    EndDeal(g, DealResult::Void);
    return false;
  }
  return true;
}

namespace {

void ComputerAnswers(Game& g) {
  EightsComputerTurn(g);
  EightsDealGoesOn(g, false);
}

// Network play: the partner plays next.
void WaitForPartner(Game& g) {
  g.t.WhoseTurn = kComputerPlays;
  Comment(g, kThinksComment, kCaptionWait);
}

}  // namespace

void EightsComputerContinues(Game& g) { ComputerAnswers(g); }

bool EightsCardFits(const TTableState& t, const TCard& card) {
  const int top = t.RowCount[kPileRow] - 1;
  if (top < 0) return true;  // the first card of a deal may be anything
  return IsEight(card) || card.Suit == t.TrumpSuit || card.Rank == t.RankAt(kPileRow, top);
}

int EightsChoice(const Game& g, int row) {
  const TTableState& t = g.t;
  const int n = t.RowCount[row];
  for (int s = n - 1; s >= 0; --s) {
    const TCard& c = t.CardGrid[row][s];
    if (c.Present == 1 && !IsEight(c) && EightsCardFits(t, c)) return s;
  }
  // An eight is kept for when nothing else fits.
  for (int s = 0; s < n; ++s) {
    const TCard& c = t.CardGrid[row][s];
    if (c.Present == 1 && IsEight(c)) return s;
  }
  return -1;
}

bool EightsBlocked(const Game& g) {
  return !HoldsFittingCard(g, kPlayerRow) && !HoldsFittingCard(g, kComputerRow);
}

bool EightsSuitOrderOpen(const Game& g) {
  const TTableState& t = g.t;
  return g.kind() == Kind::Eights && t.WhoseTurn == kComputerPlays &&
         t.CommentId == kOrderOrPassComment && t.ButtonCaptionId == kCaptionPass;
}

void EightsPlayerMove(Game& g, int card) {
  TTableState& t = g.t;
  if (t.WhoseTurn != kPlayerLays) return;
  if (card < 0 || card >= t.RowCount[kPlayerRow] || !t.IsPresent(kPlayerRow, card)) return;
  const TCard laid = t.CardGrid[kPlayerRow][card];
  if (!EightsCardFits(t, laid)) return;
  g.out->SaveUndo();
  LayOnPile(g, kPlayerRow, card);
  // Network play: the card goes to the partner, marked when a suit order
  // follows; the partner answers instead of the computer.
  if (g.NetworkGame()) g.out->SendMove(ImageIndex(laid), IsEight(laid) ? 1 : 0);
  if (!EightsDealGoesOn(g, IsEight(laid))) return;
  t.WhoseTurn = kComputerPlays;
  if (IsEight(laid)) {
    // The player orders a suit or passes; the computer plays after either.
    EnableSuitOrder(g, true);
    Comment(g, kOrderOrPassComment, kCaptionPass);
    return;
  }
  if (g.NetworkGame()) {
    WaitForPartner(g);
    return;
  }
  g.out->Pause(kComputerPause);
  ComputerAnswers(g);
}

void EightsMoveButton(Game& g) {
  if (g.t.WhoseTurn == 2) return;  // the deal is over
  // Passing instead of ordering keeps the eight's own suit.
  if (g.t.ButtonCaptionId == kCaptionPass) EnableSuitOrder(g, false);
  if (g.NetworkGame()) {
    // Network play: the pass goes to the partner, who plays next.
    if (g.t.WhoseTurn == kComputerPlays && g.t.ButtonCaptionId == kCaptionWait) return;
    g.out->SendMove(-1, 2);
    WaitForPartner(g);
    EightsDealGoesOn(g, false);
    return;
  }
  ComputerAnswers(g);
}

void EightsOrderSuit(Game& g, int suit) {
  if (!EightsSuitOrderOpen(g) || suit < Clubs || suit > Hearts) return;
  EnableSuitOrder(g, false);
  ApplyOrderedSuit(g, suit);
  if (g.NetworkGame()) {
    // Network play: the order travels with the pass.
    g.out->SendMove(-1, 2);
    WaitForPartner(g);
    EightsDealGoesOn(g, false);
    return;
  }
  ComputerAnswers(g);
}

void EightsComputerTurn(Game& g) {
  TTableState& t = g.t;
  const int slot = EightsChoice(g, kComputerRow);
  if (slot >= 0) {
    LayOnPile(g, kComputerRow, slot);
    Comment(g, kBeatOffComment, kCaptionPass);
  } else {
    Comment(g, kYourTurnComment, kCaptionMove);
  }
  t.WhoseTurn = kPlayerLays;
}

void StartEightsPlay(Game& g) {
  TTableState& t = g.t;
  EnableSuitOrder(g, false);
  g.out->ProcessPendingEvents();
  // At the deal WhoseTurn still reads as in the other card games: 0 the
  // computer opens, 1 the player.
  if (t.WhoseTurn == 0 && g.NetworkGame()) {
    WaitForPartner(g);  // the partner opens from his own table
    return;
  }
  if (t.WhoseTurn == 0) {
    LayOnPile(g, kComputerRow, t.RowCount[kComputerRow] - 1);
    t.CoverIndex += 1;
    Comment(g, kBeatOffComment, kCaptionPass);
    t.WhoseTurn = kPlayerLays;
    return;
  }
  // The player opens; so he does when neither first card decided (equal
  // ranks): then he may lay any card, or press "Move" and let the computer
  // lay the first one.
  t.WhoseTurn = kPlayerLays;
  Comment(g, kYourTurnComment, kCaptionMove);
}
