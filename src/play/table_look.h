// What the table background and card back dialog shows and writes, apart
// from its widgets.
//
// The dialog shows 14 pictures: the table backgrounds, or one of the two
// sets of 14 card backs. A click on a picture writes it ("BackGr" or "Suit")
// and the table takes it at once; Cancel writes back the value the dialog
// was opened with. The picture in use is framed.
#pragma once

#include <cstdint>

#include "core/game.h"

enum class LookMode { Background, CardBack };

constexpr int kLookPictures = 14;
constexpr int32_t kFirstBackImage = 52;  // the card backs follow the 52 faces
constexpr int kBackSets = 2;

struct LookChoice {
  LookMode mode = LookMode::Background;
  int32_t valueAtOpening = 0;  // "BackGr", or "Suit" (an image index 52..79)
  int set = 0;                 // the set of backs shown: 0 images 52..65, 1 66..79
};

// The dialog opening: the back set shown is the one of the back in use.
LookChoice OpenLookChoice(const Game& g, LookMode mode);
// The settings value the mode writes.
const char* LookSettingName(LookMode mode);
// The value picture i stands for: the background number, or the back's
// image index.
int32_t LookPictureValue(const LookChoice& c, int i);
// Which picture is framed as the one in use (-1: none of those shown).
int FramedLookPicture(const Game& g, const LookChoice& c);
// "Others": the other set of backs.
void SwitchBackSet(LookChoice& c);

// A click on picture i: written and shown on the table at once.
void ChooseLook(Game& g, const LookChoice& c, int i);
// Cancel or Escape: the value at opening is written back and shown.
void TakeBackLook(Game& g, const LookChoice& c);
