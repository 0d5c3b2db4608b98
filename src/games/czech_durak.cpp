#include "games/czech_durak.h"

// Czech durak arrives with its own rules; until then a click changes nothing.
void CzechPlayerMove(Game&, int) {}
