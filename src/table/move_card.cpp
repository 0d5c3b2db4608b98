#include "table/move_card.h"

#include "commentary/sound.h"
#include "core/hand_order.h"

void MoveCard(Game& g, int fromRow, int fromSlot, int toRow, int toSlot, bool counted) {
  if (fromSlot < 0 || fromSlot >= kSlots || toSlot < 0 || toSlot >= kSlots) return;
  TTableState& t = g.t;
  // Effects 1 and 2 are the same card-played sound, for the player's and the
  // computer's moves.
  if (counted && t.WhoseTurn == 1) SoundAndVoice(g, 1, -1);
  if (counted && t.WhoseTurn == 0) SoundAndVoice(g, 2, -1);
  const Kind k = g.kind();
  if (k == Kind::CzechDurak || k == Kind::Eights) t.TrumpSuit = t.SuitAt(fromRow, fromSlot);
  if (t.Options.Animation == 1) g.out->AnimateMove({fromRow, fromSlot, toRow, toSlot});
  if (const auto card = t.TakeCard(fromRow, fromSlot)) t.PutCard(toRow, toSlot, *card);
  if (counted && k != Kind::Nine) CountRows(g);
}
