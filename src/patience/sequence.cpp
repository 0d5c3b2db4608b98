#include "patience/sequence.h"

// Each of these games arrives with its own rules; until then a press or a
// release changes nothing.
void BardPress(Game&) {}
void PrisonerPress(Game&) {}
void PrisonerRelease(Game&) {}
void TwoByTwoPress(Game&) {}
void FirTreesPress(Game&) {}
void StreetPress(Game&) {}
