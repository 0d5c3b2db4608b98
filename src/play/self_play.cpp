#include "play/self_play.h"

#include "play/self_play_durak.h"
#include "play/self_play_eights_nine.h"
#include "play/self_play_hearts.h"

bool SelfPlaySupported(Kind kind) {
  return IsDurak(kind) || kind == Kind::Eights || kind == Kind::Nine || kind == Kind::Hearts;
}

SelfPlayReport RunSelfPlay(Game& g, FixedClock& clock, const SelfPlayConfig& config) {
  const Kind k = g.kind();
  if (IsDurak(k)) return PlayDurakGames(g, clock, config);
  if (k == Kind::Eights) return PlayEightsGames(g, clock, config);
  if (k == Kind::Nine) return PlayNineGames(g, clock, config);
  if (k == Kind::Hearts) return PlayHeartsGames(g, clock, config);
  return {};
}
