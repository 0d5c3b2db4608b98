#include "patience/clock_joker_paganini.h"

// Each of these games arrives with its own rules; until then a press changes
// nothing.
void ClockPress(Game&) {}
void JokerPress(Game&) {}
void PaganiniPress(Game&) {}
