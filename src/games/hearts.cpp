#include "games/hearts.h"

// Hearts arrives with its own rules; until then a press changes nothing.
void HeartsPress(Game&) {}
