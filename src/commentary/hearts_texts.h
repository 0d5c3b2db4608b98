// What the computer says at the Hearts table and what the points panel
// shows there. The ids follow those of the other card games (0 .. 14) and
// are kept with a saved game like theirs.
#pragma once

#include <array>
#include <string>

#include "core/callouts.h"

enum HeartsCommentId {
  kHeartsPassLeft = 20,  // + the pass direction: left, right, across
  kHeartsPassRight = 21,
  kHeartsPassAcross = 22,
  kHeartsNoPass = 23,
  kHeartsYourTurn = 24,
  kHeartsLeadTwoOfClubs = 25,
  kHeartsBroken = 26,
  kHeartsHandOver = 27,
};

bool IsHeartsComment(int commentId);

// The fixed texts (every id but the end of a hand) in the language.
std::string HeartsCommentText(int commentId, int lang);

// The end of a hand: what each seat took (player, left, top, right), and
// the seat that took all 26 points (-1 none).
std::string HeartsHandOverText(const std::array<int, 4>& taken, int moonShooter, int lang);

// The points panel: the game's limit, the three computer hands' totals and
// the player's.
PanelCaptions HeartsPanelCaptions(const std::array<int, 4>& totals, int lang);
