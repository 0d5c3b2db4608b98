// The pairing patience games - Kerchief, Pairs, Piramida, Old friend and
// Cross-roads - remove or match cards two at a time. Each press acts on what
// the last hit test found (HitRow, HitSlot).
#pragma once

#include "core/game.h"

void KerchiefPress(Game& g);
void PairsPress(Game& g);
void PiramidaPress(Game& g);
void OldFriendPress(Game& g);
void CrossPress(Game& g);
