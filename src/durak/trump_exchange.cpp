#include "durak/trump_exchange.h"

#include "commentary/sound.h"
#include "core/hand_order.h"
#include "durak/beats.h"

namespace {

bool KindExchanges(const Game& g) {
  const Kind k = g.kind();
  return k == Kind::SimpleDurak || k == Kind::JapaneseDurak || k == Kind::ReverseDurak;
}

// WhoseTurn names the attacker by row: 1 the player, 0 the computer.
void DecideFirstMoverAfterExchange(Game& g, int exchanger) {
  const int other = 1 - exchanger;
  const int mine = LowestTrumpIndex(g, exchanger);
  const int theirs = LowestTrumpIndex(g, other);
  if (theirs < 0) {
    g.t.WhoseTurn = exchanger;
    return;
  }
  if (mine < 0) {
    g.t.WhoseTurn = other;
    return;
  }
  g.t.WhoseTurn = g.t.RankAt(exchanger, mine) < g.t.RankAt(other, theirs) ? exchanger : other;
}

}  // namespace

int ExchangeCardSlot(const Game& g, int row) {
  const int rank = g.program.PackSize == 52 ? Two : Six;
  const int count = g.t.RowCount[row];
  for (int s = 0; s < count && s < kSlots; ++s) {
    const TCard& c = g.t.CardGrid[row][s];
    if (c.Present == 1 && c.Suit == g.t.TrumpSuit && c.Rank == rank) return s;
  }
  return -1;
}

bool TrumpExchange(Game& g, int row) {
  if ((row != 0 && row != 1) || !KindExchanges(g) || !TrumpCardLies(g)) return false;
  const int slot = ExchangeCardSlot(g, row);
  if (slot < 0) return false;
  TTableState& t = g.t;

  g.out->UpdateStatusBar();
  SoundAndVoice(g, 7, -1);
  g.out->BlinkCard(row, slot);
  g.out->Pause(400);
  SoundAndVoice(g, 4, -1);
  g.out->AnimateTrumpExchange(row, slot, false);

  const TCard six = *t.TakeCard(row, slot);
  const TCard formerTrump = *t.TakeCard(4, 0);
  t.PutCard(4, 0, six);
  SoundAndVoice(g, 4, -1);
  g.out->AnimateTrumpExchange(row, slot, true);
  t.PutCard(row, slot, formerTrump);
  g.seen.takenUp[row] |= uint64_t{1} << ImageIndex(formerTrump);  // everyone saw it go there

  OrderRow(g, row);
  if (t.Options.FirstMove == 0 || t.Options.FirstMove == 1) DecideFirstMoverAfterExchange(g, row);
  g.out->RepaintTable(true);
  return true;
}

void TrumpExchangesAtStart(Game& g) {
  switch (g.t.Options.ChangeTr) {
    case 1:
      TrumpExchange(g, 1);
      break;
    case 2:
      TrumpExchange(g, 0);
      break;
    case 3:
      TrumpExchange(g, 0);
      TrumpExchange(g, 1);
      break;
    default:
      break;
  }
}
