#include "core/game.h"

int RandomBelow(Game& g, int n) { return g.random.Below(n); }

void ReseedRandom(Game& g) { g.random.Seed(g.clock->NowSeconds()); }

bool IsDurak(Kind k) { return k >= Kind::SimpleDurak && k <= Kind::RoadDurak; }
bool IsCardGame(Kind k) { return k >= Kind::SimpleDurak && k <= Kind::Nine; }
bool IsPatience(Kind k) { return k >= Kind::Scarf && k <= Kind::Street; }
bool IsMemory(Kind k) { return k == Kind::Memory36 || k == Kind::Memory52; }
