// The sequence patience games - Bard, Prisoner, Two by two, Fir-trees and
// Street - move single cards by rank or suit. Each press acts on what the
// last hit test found (HitRow, HitSlot).
#pragma once

#include "core/game.h"

void BardPress(Game& g);
void PrisonerPress(Game& g);
// Prisoner frees a prisoner when the button is let go over it.
void PrisonerRelease(Game& g);
void TwoByTwoPress(Game& g);
void FirTreesPress(Game& g);
void StreetPress(Game& g);
