// Czech durak: the legal card, the card effects, drawing, and the player's
// actions (a card, the Move button, a suit button).
#include "commentary/comment.h"
#include "commentary/sound.h"
#include "core/hand_order.h"
#include "games/czech_durak.h"
#include "games/czech_play.h"
#include "games/suit_order.h"
#include "table/move_card.h"

namespace {

constexpr int kPause = 400;
constexpr int kDrawSound = 4;

bool IsPentagon(const Game& g) { return g.t.FormG == kCzechPentagon; }
bool IsSimple(const Game& g) { return g.t.FormG == kCzechSimple; }
bool IsEnglish(const Game& g) { return g.t.FormG == kCzechEnglish; }

// The pile except its top card becomes the stock, oldest card first; the
// top card stays as the only card of the pile. Nothing is shuffled.
void TurnPileIntoStock(Game& g) {
  TTableState& t = g.t;
  const int pile = t.RowCount[kCzechPileRow];
  if (t.RowCount[kCzechStockRow] > 0 || pile <= 1) return;
  g.out->Pause(kPause);
  for (int s = 0; s < pile - 1; ++s) {
    if (const auto card = t.TakeCard(kCzechPileRow, s)) t.PutCard(kCzechStockRow, s, *card);
  }
  if (const auto top = t.TakeCard(kCzechPileRow, pile - 1)) t.PutCard(kCzechPileRow, 0, *top);
  CountRows(g);
  g.out->RepaintTable(true);
}

// The opponent of the side that laid the special card draws `n` cards.
void OpponentDraws(Game& g, bool byPlayer, int n) {
  for (int i = 0; i < n; ++i) CzechDraw(g, byPlayer ? kCzechComputerRow : kCzechPlayerRow, false);
}

// Whose turn it is now, after a special card of the player (1) or the
// computer (0): the mover moves again.
int Mover(bool byPlayer) { return byPlayer ? 1 : 0; }

void OpenSuitOrder(Game& g) {
  EnableSuitOrder(g, true);
  if (IsPentagon(g)) {
    // The queen's owner may also play on, or draw while there is a card to draw.
    Comment(g, kCzechOrderOrMoveComment,
            CzechNothingToDraw(g) ? kCaptionPass : kCaptionTakeCard);
  } else {
    Comment(g, kCzechOrderOrPassComment, kCaptionPass);
  }
}

void ComputerPlaysAfterPlayer(Game& g) {
  TTableState& t = g.t;
  t.WhoseTurn = 0;
  // Network play: the partner plays instead (comment 13 with "Wait").
  if (CzechComputerTurn(g, true)) CommentPlayersTurn(g);
}

}  // namespace

CzechRanks CzechRanksOf(int formg) {
  CzechRanks r;
  if (formg == 5) {
    r.takeTwo = Seven;
    r.takeOne = Eight;
  }
  if (formg == 6) r.wild = Jack;
  return r;
}

bool CzechCardFits(const Game& g, const TCard& card) {
  const TTableState& t = g.t;
  const int top = t.RowCount[kCzechPileRow] - 1;
  if (top < 0) return true;  // the first card of a deal may be anything
  const int topRank = t.RankAt(kCzechPileRow, top);
  if (card.Suit == t.TrumpSuit) return true;
  // Pentagon follows suit only; a six may still go on a six.
  if (IsPentagon(g)) return card.Rank == Six && topRank == Six;
  return card.Rank == topRank || card.Rank == CzechRanksOf(t.FormG).wild;
}

bool CzechHoldsFittingCard(const Game& g, int row) {
  const TTableState& t = g.t;
  for (int s = 0; s < t.RowCount[row] && s < kSlots; ++s) {
    if (t.IsPresent(row, s) && CzechCardFits(g, t.CardGrid[row][s])) return true;
  }
  return false;
}

bool CzechNothingToDraw(const Game& g) {
  return g.t.RowCount[kCzechStockRow] == 0 && g.t.RowCount[kCzechPileRow] <= 1;
}

bool CzechSuitOrderOpen(const Game& g) {
  const TTableState& t = g.t;
  return g.kind() == Kind::CzechDurak && t.GuessMode == 0 && t.WhoseTurn == 1 &&
         (t.CommentId == kCzechOrderOrPassComment || t.CommentId == kCzechOrderOrMoveComment);
}

int PlayerTurnCaption(const Game& g) {
  if (!CzechNothingToDraw(g)) return kCaptionTakeCard;
  // Nothing to draw: "Take card" could do nothing, so the button passes.
  // The simple form knows no passing while a card may be laid.
  if (IsSimple(g) && CzechHoldsFittingCard(g, kCzechPlayerRow)) return kCaptionTakeCard;
  return kCaptionPass;
}

void CommentPlayersTurn(Game& g) { Comment(g, kCzechYourTurnComment, PlayerTurnCaption(g)); }

void CzechDraw(Game& g, int row, bool pause) {
  TTableState& t = g.t;
  if (pause) g.out->Pause(kPause);
  // The swindle may have emptied the stock without the pile turning over.
  TurnPileIntoStock(g);
  if (t.RowCount[kCzechStockRow] > 0 && t.IsPresent(kCzechStockRow, 0)) {
    SoundAndVoice(g, kDrawSound, -1);
    if (t.Options.Animation == 1) g.out->AnimateDrawFromSidePack(row == kCzechPlayerRow);
    if (const auto card = t.TakeCard(kCzechStockRow, 0)) t.PutCard(row, t.RowCount[row], *card);
    CountRows(g);
    g.out->RepaintTable(true);
  }
  TurnPileIntoStock(g);
}

bool CardEffect(Game& g, bool byPlayer) {
  TTableState& t = g.t;
  const int top = t.RowCount[kCzechPileRow] - 1;
  if (top < 0) return false;
  const int rank = t.RankAt(kCzechPileRow, top);
  const CzechRanks r = CzechRanksOf(t.FormG);
  if (rank == r.takeTwo || rank == r.takeOne) {
    // Network play: the player's card goes out as take two (4) or take one (5).
    OpponentDraws(g, byPlayer, rank == r.takeTwo ? 2 : 1);
    t.WhoseTurn = Mover(byPlayer);
    return true;
  }
  if (rank == r.wild) {
    if (byPlayer) {
      // Network play: the partner is told to wait for the order (code 6).
      OpenSuitOrder(g);
      t.WhoseTurn = 1;
    } else {
      // In Pentagon the queen's owner moves again.
      t.WhoseTurn = IsPentagon(g) ? 0 : 1;
    }
    return true;
  }
  if (rank == Ace) {
    // The opponent misses a turn. Network play: code 7 for the player's ace.
    t.WhoseTurn = Mover(byPlayer);
    if (byPlayer && IsEnglish(g)) t.AceOrderPending = 1;
    return true;
  }
  return false;
}

void LayOnCzechPile(Game& g, int row, int slot) {
  TTableState& t = g.t;
  MoveCard(g, row, slot, kCzechPileRow, t.RowCount[kCzechPileRow], true);
  t.FirstDiscardDone = 1;
  if (t.Options.Animation == 0) g.out->RepaintTable(true);
}

void CzechPlayerMove(Game& g, int card) {
  TTableState& t = g.t;
  const bool orderOpen = CzechSuitOrderOpen(g);
  if (orderOpen && !IsPentagon(g)) return;
  if (t.WhoseTurn != 1) return;
  if (card < 0 || card >= t.RowCount[kCzechPlayerRow] || !t.IsPresent(kCzechPlayerRow, card))
    return;
  if (!CzechCardFits(g, t.CardGrid[kCzechPlayerRow][card])) return;
  g.out->SaveUndo();
  // Playing on in Pentagon instead of ordering gives up the order.
  if (orderOpen) EnableSuitOrder(g, false);
  LayOnCzechPile(g, kCzechPlayerRow, card);
  // Network play: the card is sent to the partner (code 0).
  if (!CzechDealGoesOn(g)) return;
  Comment(g, kCzechYourTurnComment, kCaptionTakeCard);
  if (IsEnglish(g) && t.AceOrderPending == 1) {
    // Network play: the order request is sent (code 6).
    EnableSuitOrder(g, true);
    Comment(g, kCzechOrderOrPassComment, kCaptionPass);
    return;
  }
  if (CardEffect(g, true) && t.WhoseTurn == 1) {
    if (!CzechSuitOrderOpen(g)) CommentPlayersTurn(g);
    return;
  }
  ComputerPlaysAfterPlayer(g);
}

void CzechMoveButton(Game& g) {
  TTableState& t = g.t;
  if (IsEnglish(g)) t.AceOrderPending = 0;
  if (t.WhoseTurn == 1) {
    if (t.ButtonCaptionId != kCaptionPass) {
      if (CzechNothingToDraw(g)) return;
      const bool orderOpen = CzechSuitOrderOpen(g);
      CzechDraw(g, kCzechPlayerRow, false);
      // Network play: the draw is sent to the partner (code 2).
      if (orderOpen) {
        // Pentagon: the queen's order stays open after the draw.
        Comment(g, kCzechOrderOrMoveComment, kCaptionPass);
      } else if (IsSimple(g)) {
        CommentPlayersTurn(g);
      } else {
        Comment(g, kCzechYourTurnComment, kCaptionPass);
      }
      return;
    }
    EnableSuitOrder(g, false);
    // Network play: the pass is sent (code 3) and the partner plays.
    ComputerPlaysAfterPlayer(g);
    return;
  }
  // Network play: the partner's move is awaited instead.
  if (t.WhoseTurn == 0 && !g.NetworkGame() && CzechComputerTurn(g, true)) CommentPlayersTurn(g);
}

void CzechOrderSuit(Game& g, int suit) {
  TTableState& t = g.t;
  if (!CzechSuitOrderOpen(g) || suit < Clubs || suit > Hearts) return;
  EnableSuitOrder(g, false);
  ApplyOrderedSuit(g, suit);
  t.AceOrderPending = 0;
  if (IsPentagon(g)) {
    // Network play: the order is sent (code 8).
    t.WhoseTurn = 1;
    CommentPlayersTurn(g);
    return;
  }
  // Network play: the order goes with the pass (code 3).
  ComputerPlaysAfterPlayer(g);
}
