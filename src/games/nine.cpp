#include "games/nine.h"

// Nine arrives with its own rules; until then a click changes nothing.
void NinePlayerMove(Game&, int) {}
