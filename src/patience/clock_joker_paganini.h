// Clock, Joker and Paganini: patience games with their own end tests. Each
// press acts on what the last hit test found (HitRow, HitSlot).
#pragma once

#include "core/game.h"

void ClockPress(Game& g);
void JokerPress(Game& g);
void PaganiniPress(Game& g);
