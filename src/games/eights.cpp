#include "games/eights.h"

// Eights arrives with its own rules; until then a click changes nothing.
void EightsPlayerMove(Game&, int) {}
