// Czech durak: the computer's play and the first move of a deal.
#include <algorithm>

#include "commentary/comment.h"
#include "durak/swindle.h"
#include "games/czech_durak.h"
#include "games/czech_play.h"
#include "games/suit_order.h"

namespace {

constexpr int kPause = 400;
constexpr int kFirstCardPause = 150;
constexpr int kFirstEffectPause = 300;

// Personalities ("Style").
constexpr int kChild = 0;
constexpr int kAggressor = 3;
constexpr int kSharper = 4;
constexpr int kProfessional = 5;

bool HoldsSuit(const Game& g, int row, int suit) {
  const TTableState& t = g.t;
  for (int s = 0; s < t.RowCount[row] && s < kSlots; ++s) {
    if (t.IsPresent(row, s) && t.SuitAt(row, s) == suit) return true;
  }
  return false;
}

bool ComputerMayLay(const Game& g, const TCard& card) {
  const TTableState& t = g.t;
  // In Pentagon the computer only ever follows the suit in force.
  if (g.t.FormG == kCzechPentagon && t.RowCount[kCzechPileRow] > 0) return card.Suit == t.TrumpSuit;
  return CzechCardFits(g, card);
}

}  // namespace

bool CzechScansFromFirst(int style) { return style == kChild || style == kAggressor; }

int CzechScan(const Game& g, int row, bool fromFirst) {
  const TTableState& t = g.t;
  const int n = std::min<int>(t.RowCount[row], kSlots);
  for (int i = 0; i < n; ++i) {
    const int s = fromFirst ? i : n - 1 - i;
    if (t.IsPresent(row, s) && ComputerMayLay(g, t.CardGrid[row][s])) return s;
  }
  return -1;
}

int CzechSuitToOrder(const Game& g) {
  const TOptions& o = g.t.Options;
  if (o.Level <= 0 || (o.Style != kSharper && o.Style != kProfessional)) return -1;
  for (int suit = Clubs; suit <= Hearts; ++suit) {
    if (!HoldsSuit(g, kCzechPlayerRow, suit)) return suit;
  }
  return -1;
}

int ChooseCzechCard(Game& g, bool pause, int& drawsLeft) {
  TTableState& t = g.t;
  const int style = t.Options.Style;
  auto draw = [&] {
    if (drawsLeft <= 0) return;
    drawsLeft -= 1;
    CzechDraw(g, kCzechComputerRow, pause);
  };
  // The child draws first two times in three, whether it could lay or not.
  if (style == kChild && RandomBelow(g, 3) != 2) draw();
  if (style == kSharper && t.RowCount[kCzechPileRow] > 0) {
    const int slot = CzechSwindle(g, kCzechPileRow, t.RowCount[kCzechPileRow] - 1);
    if (slot >= 0) return slot;
  }
  const int slot = CzechScan(g, kCzechComputerRow, CzechScansFromFirst(style));
  if (slot >= 0) return slot;
  if (CzechNothingToDraw(g) || drawsLeft <= 0) return -1;
  draw();
  return CzechScan(g, kCzechComputerRow, true);
}

int CzechDrawsPerTurn(const Game& g) {
  const TTableState& t = g.t;
  if (t.FormG != kCzechSimple) return 2;
  return std::max(2, t.RowCount[kCzechStockRow] + t.RowCount[kCzechPileRow] - 1);
}

bool CzechComputerTurn(Game& g, bool pause) {
  TTableState& t = g.t;
  int drawsLeft = CzechDrawsPerTurn(g);
  while (t.WhoseTurn == 0) {
    const int slot = ChooseCzechCard(g, pause, drawsLeft);
    if (slot < 0) {
      // The computer passes after its one draw; in the simple form it draws
      // on until it can lay a card, or until it has been through everything
      // there was to draw.
      if (t.FormG != kCzechSimple || CzechNothingToDraw(g) || drawsLeft <= 0) t.WhoseTurn = 1;
      continue;
    }
    const bool wild = t.RankAt(kCzechComputerRow, slot) == CzechRanksOf(t.FormG).wild;
    const int order = wild ? CzechSuitToOrder(g) : -1;
    if (pause) g.out->Pause(kPause);
    LayOnCzechPile(g, kCzechComputerRow, slot);
    if (!CzechDealGoesOn(g)) return false;
    if (order >= 0) ApplyOrderedSuit(g, order);
    if (!CardEffect(g, false)) t.WhoseTurn = 1;
  }
  CommentPlayersTurn(g);
  return true;
}

void StartCzechPlay(Game& g) {
  TTableState& t = g.t;
  EnableSuitOrder(g, false);
  if (t.WhoseTurn != 0) {
    t.WhoseTurn = 1;
    CommentPlayersTurn(g);
    return;
  }
  g.out->ProcessPendingEvents();
  // Network play: the partner opens (comment 13, "Wait").
  g.out->Pause(kFirstCardPause);
  LayOnCzechPile(g, kCzechComputerRow, RandomBelow(g, t.RowCount[kCzechComputerRow]));
  Comment(g, kCzechYourTurnComment, kCaptionTakeCard);
  g.out->Pause(kFirstEffectPause);
  if (!CardEffect(g, false)) t.WhoseTurn = 1;
  if (t.WhoseTurn == 0) {
    CzechComputerTurn(g, true);
    return;
  }
  CommentPlayersTurn(g);
}
