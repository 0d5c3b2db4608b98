#include "play/self_play.h"

#include "play/self_play_durak.h"

bool SelfPlaySupported(Kind kind) {
  return IsDurak(kind);
}

SelfPlayReport RunSelfPlay(Game& g, FixedClock& clock, const SelfPlayConfig& config) {
  const Kind k = g.kind();
  if (IsDurak(k)) return PlayDurakGames(g, clock, config);
  return {};
}
