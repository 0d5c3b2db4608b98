#include "patience/memory.h"

// Memory arrives with its own rules; until then a turn changes nothing.
void MemoryTurn(Game&, int) {}
