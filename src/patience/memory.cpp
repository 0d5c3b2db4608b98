#include "patience/memory.h"

#include <algorithm>

#include "commentary/sound.h"
#include "core/game_message.h"
#include "core/new_game.h"
#include "persistence/statistics.h"

namespace {

constexpr int kRow = 0;
constexpr int kPhaseDealt = 0;
constexpr int kPhaseOneUp = 1;
constexpr int kPhaseTwoUp = 2;

bool HoldsCard(const TTableState& t, int slot) {
  return slot >= 0 && slot < kSlots && t.IsPresent(kRow, slot);
}

void ShowFace(Game& g, int slot) {
  g.t.Opened[kRow][slot] = 1;
  g.out->TurnMemoryCard(slot);
}

void ShowBack(Game& g, int slot) {
  g.t.Opened[kRow][slot] = 0;
  SoundAndVoice(g, kEffectPlayerCard, -1);
  g.out->TurnMemoryCard(slot);
}

// The first or the second card of a pair turns up; the second one scores
// when it finds the first one's rank.
void TurnFirstOrSecond(Game& g, int slot) {
  TTableState& t = g.t;
  if (t.CoverIndex == kPhaseDealt) {
    t.SourceSlot = slot;
  } else {
    t.SecondSlot = slot;
  }
  ShowFace(g, slot);
  if (t.CoverIndex == kPhaseOneUp && MemoryPairMatches(t)) {
    SoundAndVoice(g, kEffectFind, -1);
    t.Stats[t.VidG].Wins += kMemoryFindPoints;
  }
  t.CoverIndex += 1;
}

// A pair is showing: a found one stays up, two different cards go face
// down again and the miss is paid for now. The new card starts a pair.
void TurnAfterAPair(Game& g, int slot) {
  TTableState& t = g.t;
  t.CoverIndex = kPhaseOneUp;
  if (!MemoryPairMatches(t)) {
    for (const int shown : {t.SourceSlot, t.SecondSlot}) {
      if (HoldsCard(t, shown)) ShowBack(g, shown);
    }
    SoundAndVoice(g, kEffectPlayerCard, -1);
    int32_t& score = t.Stats[t.VidG].Wins;
    score = std::max(0, score - kMemoryMissPoints);
  }
  t.SourceSlot = slot;
  ShowFace(g, slot);
}

// The last card is up: a better score becomes the record, and the next
// deal follows the message unless the player closes the program there.
void FinishDeal(Game& g) {
  TResult& r = g.t.Stats[g.t.VidG];
  if (r.Wins > r.Losses) {
    r.Losses = r.Wins;
    WriteStatistics(g);
  }
  if (ShowGameMessage(g, kMsgGameOver, -1) == 0) return;
  ScheduleNewGame(g);
}

}  // namespace

bool MemoryPairMatches(const TTableState& t) {
  return t.SourceSlot != t.SecondSlot && HoldsCard(t, t.SourceSlot) &&
         HoldsCard(t, t.SecondSlot) && t.RankAt(kRow, t.SourceSlot) == t.RankAt(kRow, t.SecondSlot);
}

bool MemoryAllTurned(const TTableState& t) {
  int cards = 0;
  for (int s = 0; s < kSlots; ++s) {
    if (!t.IsPresent(kRow, s)) continue;
    if (t.Opened[kRow][s] == 0) return false;
    ++cards;
  }
  return cards > 0;
}

void MemoryTurn(Game& g, int slot) {
  TTableState& t = g.t;
  if (!HoldsCard(t, slot) || t.Opened[kRow][slot] != 0) return;
  g.out->SaveUndo();
  SoundAndVoice(g, kEffectPlayerCard, -1);
  if (t.CoverIndex == kPhaseTwoUp) {
    TurnAfterAPair(g, slot);
  } else {
    // A phase out of its range (a table taken from a file) starts a pair.
    if (t.CoverIndex != kPhaseOneUp) t.CoverIndex = kPhaseDealt;
    TurnFirstOrSecond(g, slot);
  }
  g.out->RepaintTable(true);
  t.FirstDiscardDone += 1;
  g.out->UpdateStatusBar();
  if (MemoryAllTurned(t)) FinishDeal(g);
}
