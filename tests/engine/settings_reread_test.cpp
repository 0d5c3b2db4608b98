// Options re-read while a deal lies on the table (the statistics toggles,
// the Options and look dialogs) must not take the game from the store: the
// store's "VidG"/"FormG" may name another game by then (a second copy of the
// program switched games), and the cards on the table belong to this one.
#include <gtest/gtest.h>

#include <functional>

#include "durak_table.h"
#include "persistence/settings.h"
#include "play/options_dialog.h"
#include "play/shortcuts.h"

namespace {

struct Reread {
  const char* name;
  std::function<void(Game&)> run;
};

TEST(RereadSettings, KeepsTheTablesGameWhateverTheStoreNames) {
  const Reread rereads[] = {
      {"F11", ToggleNumberOrPercent},
      {"F12", ToggleStatSeparate},
      {"dialog", TakeStoredOptions},
  };
  for (const Reread& r : rereads) {
    SCOPED_TRACE(r.name);
    DurakTable t;
    EnsureSettingsKey(t.g, 0, 0);
    WriteSetting(t.g, "VidG", 1);
    WriteSetting(t.g, "FormG", 2);
    LoadSettings(t.g);
    t.Computer({C(Spades, Ten)}).Player({C(Clubs, King), C(Diamonds, Seven)});
    const auto cards = t.g.t.CardGrid;

    // Another copy switches to Nine and doubles its animation speed.
    WriteSetting(t.g, "VidG", 7);
    WriteSetting(t.g, "FormG", 0);
    WriteSetting(t.g, "Speed", 17);
    r.run(t.g);

    EXPECT_EQ(t.g.t.VidG, 1);
    EXPECT_EQ(t.g.t.FormG, 2);
    EXPECT_EQ(t.g.t.CardGrid, cards);
    EXPECT_EQ(t.g.t.Options.Speed, 17) << "every other option is taken from the store";
  }
}

TEST(RereadSettings, StartupStillTakesTheGameFromTheStore) {
  DurakTable t;
  EnsureSettingsKey(t.g, 0, 0);
  WriteSetting(t.g, "VidG", 7);
  WriteSetting(t.g, "FormG", 0);
  LoadSettings(t.g);
  EXPECT_EQ(t.g.t.VidG, 7);
  EXPECT_EQ(t.g.t.FormG, 0);
}

}  // namespace
