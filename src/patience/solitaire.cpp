#include "patience/solitaire.h"

// Solitaire arrives with its own rules; until then a press changes nothing.
void SolitairePress(Game&, int, int) {}
