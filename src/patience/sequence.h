// The sequence patience games move single cards by rank or suit: Bard folds
// a long line onto itself, Prisoner frees the prisoners that match a key
// card, Two by two covers pairs of one suit from the stock, Fir-trees builds
// a waste pile up or down from two trees, and Street builds foundations by
// suit while its columns take neighbours of any suit. Each press acts on
// what the last hit test found (HitRow, HitSlot). The rules of each game
// open its own file: bard.cpp, prisoner.cpp, two_by_two.cpp, fir_trees.cpp,
// street.cpp.
#pragma once

#include "core/game.h"
#include "patience/patience_rules.h"

void BardPress(Game& g);
void PrisonerPress(Game& g);
// Prisoner frees a prisoner when the button is let go over it.
void PrisonerRelease(Game& g);
void TwoByTwoPress(Game& g);
void FirTreesPress(Game& g);
void StreetPress(Game& g);

// Fir-trees and Street: ranks one apart in the order two .. king, ace, or
// an ace and a two; the suits do not matter.
bool Neighbours(const TCard& a, const TCard& b);
// Bard: the picked card may go onto the card one or two places before it
// when they share a rank or a suit.
bool BardFits(const TTableState& t, int from, int to);
// Street: whether the foundation or the column takes the card.
bool StreetFoundationTakes(const TTableState& t, int row, const TCard& card);
bool StreetColumnTakes(const TTableState& t, int row, const TCard& card);
// Fir-trees: the slots of a tree that taking the card in `slot` uncovers.
void FreeUnderTreeCard(TTableState& t, int row, int slot);

// Self-play and the table checks of each game.
PatienceActions BardLegalMoves(const TTableState& t);
PatienceActions PrisonerLegalMoves(const TTableState& t);
PatienceActions TwoByTwoLegalMoves(const TTableState& t);
PatienceActions FirTreesLegalMoves(const TTableState& t);
std::string CheckFirTreesTable(const TTableState& t);
PatienceActions StreetLegalMoves(const TTableState& t);
