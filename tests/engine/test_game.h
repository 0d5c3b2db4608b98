// A game for tests: edition 2.85 unless said otherwise, first-start options,
// a recording window and a clock fixed to the seed.
#pragma once

#include "core/game.h"
#include "core/recording_callouts.h"
#include "persistence/settings_schema.h"
#include "persistence/settings_store.h"

struct TestGame {
  explicit TestGame(int64_t seed = 1, const Edition& edition = Edition285())
      : clock(seed), g(edition, out, clock) {
    g.store = &store;
    ApplyFirstStartValues(g);
    BuildPack(g.t.Pack);
  }
  void Select(int vidg, int formg) {
    g.t.VidG = vidg;
    g.t.FormG = formg;
  }
  // Puts the cards into a row from slot 0, nothing else.
  void SetRow(int row, std::initializer_list<TCard> cards) {
    for (auto& c : g.t.CardGrid[row]) c.Present = 0;
    int s = 0;
    for (const TCard& c : cards) g.t.PutCard(row, s++, c);
  }

  FixedClock clock;
  RecordingCallouts out;
  MemoryStore store;
  Game g;
};

inline TCard C(int suit, int rank) { return TCard{suit, rank, 1, {}}; }
