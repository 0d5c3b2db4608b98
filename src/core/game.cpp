#include "core/game.h"

int RandomBelow(Game& g, int n) { return g.random.Below(n); }

void ReseedRandom(Game& g) { g.random.Seed(g.clock->NowSeconds()); }

