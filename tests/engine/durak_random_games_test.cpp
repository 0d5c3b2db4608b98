// Thousands of whole games of every kind and form, with both pack sizes and
// several sets of options, checked after every action.
#include <gtest/gtest.h>

#include "core/catalogue.h"
#include "play/self_play_durak.h"
#include "test_game.h"

namespace {

struct OptionSet {
  const char* name;
  void (*apply)(Game&);
};

const OptionSet kOptionSets[] = {
    {"first start", [](Game&) {}},
    {"house rules",
     [](Game& g) {
       TOptions& o = g.t.Options;
       o.FirstMove = 2;
       o.LastCards = 1;
       o.ThrowUpMore6Cards = 1;
       o.DiscardTransfer1 = 1;
       o.ChangeTr = 3;
       o.LastCardGame = 1;
     }},
    {"the sharper",
     [](Game& g) {
       g.t.Options.Style = 4;
       g.t.Options.LevelS = 1;
       g.t.Options.FirstMove = 3;
     }},
    {"a child, trumps right by suits",
     [](Game& g) {
       g.t.Options.Style = 0;
       g.t.Options.TrLeftRight = 1;
       g.t.Options.TrSuitOld = 0;
       g.t.Options.FirstMove = 1;
     }},
};

TEST(DurakRandomGames, EveryKindAndFormPlaysToAResultWithTheTableIntact) {
  const Edition& e = Edition285();
  int seed = 1;
  for (int i = 0; i < e.catalogueSize; ++i) {
    const CatalogueEntry& entry = e.catalogue[i];
    if (entry.VidG > 4) continue;
    for (int pack : {36, 52}) {
      for (const OptionSet& options : kOptionSets) {
        TestGame tg(seed);
        tg.Select(entry.VidG, entry.FormG);
        tg.g.program.PackSize = pack;
        tg.g.t.Options.Animation = 0;
        options.apply(tg.g);
        SelfPlayConfig config;
        config.games = 40;
        config.seed = seed++;
        config.bot.style = (seed % 6 == 4) ? 5 : seed % 6;
        config.bot.level = seed % 4;
        const SelfPlayReport r = PlayDurakGames(tg.g, tg.clock, config);
        SCOPED_TRACE(std::string(entry.nameEn) + ", " + std::to_string(pack) + " cards, " +
                     options.name);
        EXPECT_EQ(r.violations, 0) << r.violation;
        EXPECT_EQ(r.games, config.games);
        EXPECT_EQ(r.wins + r.losses + r.draws, config.games) << "every game counted once";
        if (tg.g.t.Options.LastCardGame == 1) {
          EXPECT_EQ(r.draws, 0);
        }
      }
    }
  }
}

TEST(DurakRandomGames, ASeedReplaysExactly) {
  SelfPlayReport reports[2];
  for (SelfPlayReport& r : reports) {
    TestGame tg(5);
    tg.Select(0, 2);
    tg.g.t.Options.Animation = 0;
    SelfPlayConfig config;
    config.games = 30;
    config.seed = 77;
    r = PlayDurakGames(tg.g, tg.clock, config);
  }
  EXPECT_EQ(reports[0].actions, reports[1].actions);
  EXPECT_EQ(reports[0].wins, reports[1].wins);
  EXPECT_EQ(reports[0].draws, reports[1].draws);
}

}  // namespace
