// The pairing patience games remove cards two at a time, chosen with two
// clicks: Kerchief, Pairs and Cross-roads pair cards of equal rank;
// Piramida and Old friend pair cards whose values add up to 13 (ace 1, two
// to ten their face value, jack 11, queen 12, king 13), a king going alone
// with a single press. Each press acts on what the last hit test found
// (HitRow, HitSlot). The rules of each game open its own file:
// kerchief.cpp, pairs.cpp, piramida.cpp, old_friend.cpp, cross_roads.cpp.
#pragma once

#include <string>

#include "core/game.h"
#include "patience/patience_rules.h"

void KerchiefPress(Game& g);
void PairsPress(Game& g);
void PiramidaPress(Game& g);
void OldFriendPress(Game& g);
void CrossPress(Game& g);

// The value of a rank in the sum of 13.
int PairValue(int rank);
bool AddsToThirteen(const TCard& a, const TCard& b);

// Self-play and the table checks of each game.
PatienceActions KerchiefLegalMoves(const TTableState& t);
PatienceActions PairsLegalMoves(const TTableState& t);
PatienceActions PiramidaLegalMoves(const TTableState& t);
std::string CheckPiramidaTable(const TTableState& t);
PatienceActions OldFriendLegalMoves(const TTableState& t);
PatienceActions CrossLegalMoves(const TTableState& t);
