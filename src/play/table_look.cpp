#include "play/table_look.h"

#include "persistence/settings.h"
#include "play/options_dialog.h"

namespace {

constexpr int32_t kSecondSetImage = kFirstBackImage + kLookPictures;  // 66

int32_t CurrentValue(const Game& g, LookMode mode) {
  return mode == LookMode::Background ? g.t.Options.BackGr : g.t.Options.CardBack;
}

void WriteLook(Game& g, LookMode mode, int32_t value) {
  WriteSetting(g, LookSettingName(mode), value);
  TakeStoredOptions(g);
}

}  // namespace

LookChoice OpenLookChoice(const Game& g, LookMode mode) {
  LookChoice c;
  c.mode = mode;
  c.valueAtOpening = CurrentValue(g, mode);
  c.set = mode == LookMode::CardBack && c.valueAtOpening >= kSecondSetImage ? 1 : 0;
  return c;
}

const char* LookSettingName(LookMode mode) {
  return mode == LookMode::Background ? "BackGr" : "Suit";
}

int32_t LookPictureValue(const LookChoice& c, int i) {
  if (c.mode == LookMode::Background) return i;
  return kFirstBackImage + kLookPictures * c.set + i;
}

int FramedLookPicture(const Game& g, const LookChoice& c) {
  const int32_t value = CurrentValue(g, c.mode);
  const int32_t first = LookPictureValue(c, 0);
  const bool shown = value >= first && value < first + kLookPictures;
  return shown ? value - first : -1;
}

void SwitchBackSet(LookChoice& c) {
  c.set = (c.set + 1) % kBackSets;
}

void ChooseLook(Game& g, const LookChoice& c, int i) {
  if (i < 0 || i >= kLookPictures) return;
  WriteLook(g, c.mode, LookPictureValue(c, i));
}

void TakeBackLook(Game& g, const LookChoice& c) {
  WriteLook(g, c.mode, c.valueAtOpening);
}
