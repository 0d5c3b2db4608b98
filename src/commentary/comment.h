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

// Above this outer window width the spaced texts are used.
constexpr int kSpacedCommentWidth = 1000;

// Records the pair (kept with a saved game) and shows it: the comment
// (0 .. 14) over the player's hand, the Move-button caption (0 .. 8), the
// Czech-durak panel captions and the pack counter. An id out of its range
// leaves that part on screen as it is. Patience games and Memory have no
// commentary: there nothing is stored or shown.
void Comment(Game& g, int commentId, int captionId);

// The parts of Comment, for the window and the tests.
std::string CommentaryText(const Game& g, int commentId);
// Label1's left and top for a text of the given pixel width.
CommentaryLabel PlaceCommentary(const Game& g, std::string text, int textWidth);
// The suit-order and points panel captions in the current language.
PanelCaptions CzechPanelCaptions(const Game& g);
// ... in a language (0 Russian, 1 English) for the given points; the window
// sizes the panels by them.
PanelCaptions PanelCaptionsIn(int lang, int32_t computerPoints, int32_t playerPoints);
