#include "patience/scarf.h"

// Scarf arrives with its own rules; until then a press, a drop and a double
// click change nothing.
void ScarfPress(Game&, int, int) {}
void ScarfDrop(Game&) {}
void AutoMoveToFoundation(Game&) {}
