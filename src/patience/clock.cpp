// Clock: thirteen piles of four around a clock face, the kings' pile (0) in
// the centre, the aces' (1) at one o'clock and so on to the queens' (12).
// Only one card is face up at a time: it is picked and laid on the pile of
// its rank, where the pile's own cards sink below the others so that a card
// that does not belong there comes face up on top. A pile holding its four
// own cards is complete (Opened on its slot 3). The game is won when the
// twelve outer piles are complete and lost as soon as the fourth king lies
// in the centre.
#include "commentary/sound.h"
#include "core/game_message.h"
#include "core/new_game.h"
#include "patience/clock_joker_paganini.h"
#include "patience/patience_framework.h"
#include "patience/patience_result.h"

namespace {

constexpr int kKings = 0;
constexpr int kPiles = 13;
constexpr int kPileSlots = 5;  // four dealt, and one for a card arriving

bool IsPile(int row) { return row >= 0 && row < kPiles; }

bool Belongs(const TTableState& t, int pile, int slot) {
  return t.IsPresent(pile, slot) && ClockPileOf(t.RankAt(pile, slot)) == pile;
}

bool Complete(const TTableState& t, int pile) {
  for (int s = 0; s < 4; ++s) {
    if (!Belongs(t, pile, s)) return false;
  }
  return true;
}

// The face-up top card of a pile, -1 when it has none.
int PickableSlot(const TTableState& t, int pile) {
  const int top = IsPile(pile) ? TopSlot(t, pile) : -1;
  return top >= 0 && t.Opened[pile][top] != 0 ? top : -1;
}

// The pile's own cards sink below the others; the face-up marks stay with
// the slots.
void SinkOwnCards(TTableState& t, int pile) {
  for (int pass = 0; pass < 5; ++pass) {
    for (int j = 1; j < kPileSlots; ++j) {
      if (Belongs(t, pile, j) && t.IsPresent(pile, j - 1)) {
        std::swap(t.CardGrid[pile][j], t.CardGrid[pile][j - 1]);
      }
    }
  }
}

// The fourth king has come home too early: the deal is lost and counted so
// when the next one is dealt (or now, when the player closes the program).
void LoseClock(Game& g) {
  g.t.Picked = 0;
  if (ShowGameMessage(g, kMsgYouLost, -1) == 0) {
    SettlePreviousPatience(g);
    g.t.PatienceResult = -1;
    return;
  }
  ScheduleNewGame(g);
}

void EndTest(Game& g) {
  if (ClockWon(g.t)) return WinPatience(g);
  if (ClockLost(g.t)) LoseClock(g);
}

// The second press: the card goes to the pile of its rank. A card pressed
// back onto its own pile (the king taken from the centre) moves nothing,
// but the pile is sorted again.
void LayOnPile(Game& g, int target) {
  TTableState& t = g.t;
  const int from = t.SourceRow;
  SoundAndVoice(g, kEffectSlide, -1);
  g.out->SaveUndo();
  if (from != target) {
    const int to = TopSlot(t, target) + 1;
    MoveRecord(t, from, t.SourceSlot, target, to, true);
    if (Complete(t, from)) t.Opened[from][3] = 1;
  }
  t.Picked = 0;
  SinkOwnCards(t, target);
  FinishPatienceMove(g);
}

}  // namespace

int ClockPileOf(int rank) {
  if (rank == King) return kKings;
  if (rank == Ace) return 1;
  return rank + 2;
}

bool ClockWon(const TTableState& t) {
  for (int p = 1; p < kPiles; ++p) {
    if (!t.IsPresent(p, 3) || t.Opened[p][3] == 0) return false;
  }
  return true;
}

bool ClockLost(const TTableState& t) {
  for (int s = 0; s < 4; ++s) {
    if (!t.IsPresent(kKings, s) || t.RankAt(kKings, s) != King) return false;
  }
  return true;
}

void ClockPress(Game& g) {
  TTableState& t = g.t;
  const int row = t.HitRow;
  if (t.Picked == 0) {
    if (IsPile(row) && PickableSlot(t, row) >= 0) {
      t.HitSlot = PickableSlot(t, row);
      ShowPicked(g);
    }
  } else if (IsPile(row) && PickableSlot(t, t.SourceRow) == t.SourceSlot &&
             ClockPileOf(t.RankAt(t.SourceRow, t.SourceSlot)) == row &&
             TopSlot(t, row) + 1 < kPileSlots) {
    LayOnPile(g, row);
  } else {
    DropPick(g);
  }
  EndTest(g);
}

PatienceActions ClockLegalMoves(const TTableState& t) {
  PatienceActions moves;
  for (int p = 0; p < kPiles; ++p) {
    const int slot = PickableSlot(t, p);
    if (slot < 0) continue;
    const int target = ClockPileOf(t.RankAt(p, slot));
    // Back onto its own pile only a king of the centre that still has
    // other cards under it changes anything.
    bool movesSomething = target != p;
    if (target == p && p == kKings) {
      for (int s = 0; s < slot; ++s) movesSomething = movesSomething || !Belongs(t, p, s);
    }
    if (!movesSomething || TopSlot(t, target) + 1 >= kPileSlots) continue;
    moves.push_back({PatienceAction::TwoClick, p, slot, target, TopSlot(t, target), true});
  }
  return moves;
}

std::string CheckClockTable(const TTableState& t) {
  int faceUpTops = 0;
  for (int p = 0; p < kPiles; ++p) {
    for (int s = kPileSlots; s < kSlots; ++s) {
      if (t.IsPresent(p, s)) return "a pile of the clock holds more than five cards";
    }
    const int top = TopSlot(t, p);
    if (top >= 0 && t.Opened[p][top] != 0 && !(p != kKings && Complete(t, p))) ++faceUpTops;
  }
  if (faceUpTops > 1) return "more than one card of the clock can be taken";
  return {};
}
