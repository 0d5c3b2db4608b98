#include "patience/pairing.h"

// Each of these games arrives with its own rules; until then a press changes
// nothing.
void KerchiefPress(Game&) {}
void PairsPress(Game&) {}
void PiramidaPress(Game&) {}
void OldFriendPress(Game&) {}
void CrossPress(Game&) {}
