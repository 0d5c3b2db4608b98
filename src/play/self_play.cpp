#include "play/self_play.h"

#include "play/self_play_czech.h"
#include "play/self_play_durak.h"
#include "play/self_play_eights_nine.h"

bool SelfPlaySupported(Kind kind) {
  return IsDurak(kind) || kind == Kind::CzechDurak || kind == Kind::Eights || kind == Kind::Nine;
}

SelfPlayReport RunSelfPlay(Game& g, FixedClock& clock, const SelfPlayConfig& config) {
  const Kind k = g.kind();
  if (IsDurak(k)) return PlayDurakGames(g, clock, config);
  if (k == Kind::CzechDurak) return PlayCzechGames(g, clock, config);
  if (k == Kind::Eights) return PlayEightsGames(g, clock, config);
  if (k == Kind::Nine) return PlayNineGames(g, clock, config);
  return {};
}
