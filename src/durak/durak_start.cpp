#include "durak/durak_start.h"

#include "commentary/comment.h"
#include "core/hand_order.h"
#include "durak/beats.h"
#include "durak/computer_player.h"
#include "durak/endgame_tables.h"
#include "durak/trump_exchange.h"
#include "table/move_card.h"

void ShowLowestTrump(Game& g) {
  const TTableState& t = g.t;
  // In Reverse durak the player's own hand lies face down.
  const int row = (g.kind() == Kind::ReverseDurak && t.WhoseTurn == 1) ? 1 : 0;
  const int slot = LowestTrumpIndex(g, row);
  if (slot < 0) return;
  const int place = RandomBelow(g, 6);
  g.out->ShowLowestTrump(row, slot, place);
}

void ComputerLeads(Game& g) {
  if (TrumpCardLies(g)) {
    MoveCard(g, 0, LeadChoice(g), 2, g.t.CoverIndex, true);
  } else {
    EndgameLead(g);
  }
}

void StartDurakPlay(Game& g) {
  TTableState& t = g.t;
  const Kind k = g.kind();
  const bool reverse = k == Kind::ReverseDurak;
  if (k == Kind::SimpleDurak || k == Kind::JapaneseDurak || reverse) TrumpExchangesAtStart(g);

  if (t.WhoseTurn == 1) {
    if (reverse && t.GameDecided == 0) ShowLowestTrump(g);
    Comment(g, 0, kCaptionMove);
    return;
  }
  if (t.WhoseTurn != 0) {
    Comment(g, 0, kCaptionMove);
    return;
  }
  if (t.GameDecided == 0 && !reverse && t.Options.FirstMove != 3) ShowLowestTrump(g);
  if (g.NetworkGame()) {  // the partner leads from his own table
    Comment(g, 13, kCaptionWait);
    return;
  }
  MoveCard(g, 0, LeadChoice(g), 2, t.CoverIndex, true);
  if (t.Options.Animation == 0) g.out->RepaintTable(true);
  Comment(g, 1, kCaptionPickUp);
}
