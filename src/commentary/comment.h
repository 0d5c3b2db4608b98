// The computer's remark on the table and the caption of the Move button.
// Every game reports what just happened as a pair of numbers: a commentary
// id and a caption id; the words belong to the commentary tables.
#pragma once

#include "core/game.h"

enum CaptionId {
  kCaptionMove = 0,
  kCaptionPickUp = 1,
  kCaptionDiscard = 2,
  kCaptionTakeCard = 3,
  kCaptionPass = 4,
  kCaptionEmpty = 5,
  kCaptionWait = 6,
  kCaptionDropCards = 7,
  kCaptionOk = 8,
};

// Records the pair (kept with a saved game) and shows it.
void Comment(Game& g, int commentId, int captionId);
