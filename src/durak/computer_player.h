// The computer's answers in durak. Each question of the turn flow has one
// choice function; each returns a slot of the computer's hand (row 0) or -1
// (no card: take instead of covering, add nothing, no transfer).
//
// They rely on the order CountRows keeps in the computer's hand: trumps high
// to low, then the other cards high to low, equal ranks clubs, spades,
// diamonds, hearts. Slot 0 is the highest card, the last slot the lowest
// non-trump (the lowest trump when all are trumps), so scanning from the
// last slot backwards scans from the lowest card upwards.
//
// Personalities ("Style"): 0 child, 1 simpleton, 2 enthusiast, 3 aggressor,
// 4 sharper (who may cheat when covering), 5 professional. In Reverse durak
// the computer plays partly at random.
#pragma once

#include "core/game.h"

// The card to lead a new trick (while the trump card lies, and whenever the
// endgame tables have nothing to say). -1 only for an empty hand.
int LeadChoice(Game& g);

// The card to cover the attack card at (row, slot), or -1 to take.
int CoverChoice(Game& g, int row, int slot);

// The card to add to a fully covered trick, or -1.
int AddChoice(Game& g);

// The card of the lead's rank to pass the attack on with, or -1.
int TransferChoice(Game& g);

// The answer to a several-card lead: every attack card covered in order, or
// none (the computer will take). Returns the turn flow's outcome: 1 all
// covered, -6 taking; in Reverse durak -4 when every cover beats and -5
// when one does not.
int DefendAll(Game& g);

// Outcomes of DefendAll.
constexpr int kAllCovered = 1;
constexpr int kReverseCoversGood = -4;
constexpr int kReverseCoverWrong = -5;
constexpr int kWillTake = -6;
