#include "play/restore.h"

#include "commentary/comment.h"
#include "core/hand_order.h"
#include "core/new_game.h"
#include "games/czech_durak.h"
#include "games/eights.h"
#include "games/hearts.h"
#include "games/hearts_rules.h"
#include "games/nine.h"
#include "games/suit_order.h"
#include "persistence/settings.h"
#include "play/game_switch.h"
#include "play/saved_table_checks.h"

namespace {

void PutBackFields(TTableState& t, const SaveRecord& r) {
  // A selection is only put back when one is shown now: the pointer is not
  // moved onto a card the player has not been looking at.
  if (t.HitIndex != -1) t.HitIndex = r.HitIndex;
  t.CzechPointsPlayer = r.CzechPointsPlayer;
  t.CzechPointsComputer = r.CzechPointsComputer;
  t.SourceSlot = r.SourceSlot;
  t.SecondSlot = r.SecondSlot;
  t.LeadInProgress = r.LeadInProgress;
  t.CtrlLatch = r.CtrlLatch;
  t.CoverIndex = r.CoverIndex;
  t.TrumpSuit = r.TrumpSuit;
  t.VidG = r.VidG;
  t.FormG = r.FormG;
  t.WhoseTurn = r.WhoseTurn;
  t.FirstDiscardDone = r.FirstDiscardDone;
  t.CardGrid = r.Cards;
  t.Opened = r.Opened;
  // The cards chosen for passing in Hearts are not kept with a table: they
  // are chosen anew, and none stands raised.
  t.PassSlots = {-1, -1, -1};
}

void RecountForKind(Game& g) {
  TTableState& t = g.t;
  const Kind k = g.kind();
  if (k == Kind::Nine) {
    // Nine keeps its suit rows where they lie; only the hands are ordered.
    t.RowCount[1] = OrderRow(g, 1);
    t.RowCount[0] = OrderRow(g, 0);
  } else if (IsCardGame(k)) {
    CountRows(g);
  } else if (k == Kind::Hearts) {
    CloseUpHands(t);  // the hands as they lie; the trick and the taken cards stay
  } else if (!IsMemory(k)) {
    t.Picked = 0;
    t.HitRow = -1;
    t.HitSlot = -1;
    RecountPiles(g);
  }
}

// A durak game of the full pack goes on with the full pack, whatever the
// option says now: with 36 the cards beyond the 36th place of a row would
// never be seen or played again. The option follows the game taken back, as
// the kind and form do.
void TakeInPackOfRecord(Game& g, const SaveRecord& record) {
  if (g.program.PackSize == 52 || !HoldsFullPackDurak(record, *g.edition)) return;
  g.program.PackSize = 52;
  WriteSetting(g, "Pack", 52);
}

}  // namespace

std::optional<TablePoint> TakeInRecord(Game& g, const SaveRecord& record) {
  TTableState& t = g.t;
  PutBackFields(t, record);
  // What the hands showed belongs to the table that was there; a table
  // taken back (or a move undone) starts with nothing known.
  g.seen = {};
  SetGame(g, t.FormG, t.VidG, g.program.Lang, false);
  TakeInPackOfRecord(g, record);
  LoadSettings(g);
  // Memory keeps its running score in the wins counter; every other game's
  // statistics stay as the store holds them.
  if (IsMemory(g.kind())) t.Stats[t.VidG].Wins = record.Wins;
  g.out->LayoutTable();
  g.out->PlaceControls();
  g.out->UpdateStatusBar();
  // The controls of the game taken back: the Move button, the panels.
  g.out->ShowTableControls();
  RecountForKind(g);
  g.out->ApplyBackground(t.Options.BackGr);
  g.out->RepaintTable(true);
  Comment(g, record.CommentId, record.ButtonCaptionId);
  // Whether the suit buttons and the Move button take a press is not kept
  // with a table; it follows from the table.
  if (g.kind() == Kind::CzechDurak) EnableSuitOrder(g, CzechSuitOrderOpen(g));
  // The English form's order after an ace is not kept with a table: a flag
  // left over from the game on the table must not open an order here.
  t.AceOrderPending = 0;
  if (g.kind() == Kind::Eights) EnableSuitOrder(g, EightsSuitOrderOpen(g));
  if (g.kind() == Kind::Nine) RefreshNineMoveButton(g);
  // Hearts shows its Move button by the caption just taken back; the cards
  // to pass are chosen again before the button takes a press.
  if (g.kind() == Kind::Hearts) {
    g.out->ShowTableControls();
    if (HeartsChoosing(g)) g.out->EnableMoveButton(false);
  }
  if (t.HitIndex == -1 || t.VidG > 7 || t.HitIndex >= t.RowCount[1]) return std::nullopt;
  return HandCardPointer(t, t.HitIndex);
}
