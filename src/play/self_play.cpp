#include "play/self_play.h"

#include "play/self_play_durak.h"
#include "play/self_play_eights_nine.h"
#include "play/self_play_memory.h"
#include "play/self_play_patience.h"
#include "patience/patience_rules.h"

bool SelfPlaySupported(Kind kind) {
  return IsDurak(kind) || kind == Kind::Eights || kind == Kind::Nine ||
         PatienceRulesFor(kind) != nullptr || IsMemory(kind);
}

SelfPlayReport RunSelfPlay(Game& g, FixedClock& clock, const SelfPlayConfig& config) {
  const Kind k = g.kind();
  if (IsDurak(k)) return PlayDurakGames(g, clock, config);
  if (k == Kind::Eights) return PlayEightsGames(g, clock, config);
  if (k == Kind::Nine) return PlayNineGames(g, clock, config);
  if (PatienceRulesFor(k) != nullptr) return PlayPatienceGames(g, clock, config);
  if (IsMemory(k)) return PlayMemoryGames(g, clock, config);
  return {};
}
