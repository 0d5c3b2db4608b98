// The status bar: who plays, the score as numbers or percentages, over all
// games or the current one, Memory's points, and the running clock.
#include "commentary/status_bar.h"

#include <gtest/gtest.h>

#include "test_game.h"

namespace {

struct StatusTable : TestGame {
  explicit StatusTable(int vidg = 0) {
    Select(vidg, 0);
    out.window.width = 800;
  }
  void Results(int vidg, int wins, int losses, int draws) {
    g.t.Stats[vidg] = TResult{wins, losses, draws};
  }
  const StatusBarView& Shown() {
    UpdateStatusBar(g);
    return out.statusBars.back();
  }
};

// --- panel 0 -----------------------------------------------------------------------

TEST(StatusBar, NamesTheProfessionalWithItsLevel) {
  StatusTable t;
  t.g.program.Lang = 1;
  t.g.t.Options.Style = 5;
  t.g.t.Options.Level = 1;
  EXPECT_EQ(t.Shown().whoPlays, " You play with the professional of a medium level");
  t.g.program.Lang = 0;
  t.g.t.Options.Level = 3;
  EXPECT_EQ(t.Shown().whoPlays, " С вами играет профессионал супер класса (в доработке)");
}

TEST(StatusBar, TheSearchingProfessionalSaysSoAndNobodyElse) {
  StatusTable t;
  t.g.t.Options.Search = 1;
  t.g.t.Options.Style = 5;
  t.g.t.Options.Level = 3;
  t.g.program.Lang = 1;
  EXPECT_EQ(t.Shown().whoPlays, " You play with the professional super class, searching its moves");
  t.g.program.Lang = 0;
  t.g.t.Options.Level = 2;
  EXPECT_EQ(t.Shown().whoPlays, " С вами играет профессионал высокого уровня, просчитывающий ходы");
  t.g.t.Options.Style = 2;
  EXPECT_EQ(t.Shown().whoPlays, " С вами играет энтузиаст");
}

TEST(StatusBar, OtherStylesPlayWithoutLevel) {
  StatusTable t;
  t.g.program.Lang = 1;
  t.g.t.Options.Style = 4;
  EXPECT_EQ(t.Shown().whoPlays, " You play with the sharper");
  t.g.program.Lang = 0;
  t.g.t.Options.Style = 0;
  EXPECT_EQ(t.Shown().whoPlays, " С вами играет дитя");
}

TEST(StatusBar, PatienceGamesNameNobody) {
  StatusTable t(12);
  EXPECT_EQ(t.Shown().whoPlays, "");
  StatusTable hearts(23);
  EXPECT_EQ(hearts.Shown().whoPlays, "");
}

TEST(StatusBar, ANetworkGameNamesThePartnerAndOpensTheChat) {
  StatusTable t;
  t.g.program.NetNames = {"Ivan", "Masha"};
  t.g.program.NetRole = 1;  // the server plays with the client
  const StatusBarView v = t.Shown();
  EXPECT_EQ(v.whoPlays, " С вами играет Ivan");
  EXPECT_TRUE(v.chatVisible);
  EXPECT_EQ(v.chatText, v.whoPlays);
  EXPECT_EQ(v.chatLeft, 4);
  EXPECT_EQ(v.chatTop, 4);
  EXPECT_EQ(v.chatWidth, v.widths[0] - 20);
  EXPECT_EQ(v.chatButtonLeft, v.widths[0] - 15);
  t.g.program.NetRole = 0;
  EXPECT_EQ(t.Shown().whoPlays, " С вами играет Masha");
}

TEST(StatusBar, NoChatWithoutANetworkGameOrWithTheBarHidden) {
  StatusTable t;
  EXPECT_FALSE(t.Shown().chatVisible);
  t.g.program.NetRole = 0;
  t.g.t.Options.StBar = 0;
  const StatusBarView v = t.Shown();
  EXPECT_FALSE(v.visible);
  EXPECT_FALSE(v.chatVisible);
}

// --- panel widths ------------------------------------------------------------------

TEST(StatusBar, WithoutTheScorePanelZeroTakesTheRest) {
  StatusTable t;
  t.g.t.Options.Stat = 0;
  const StatusBarView v = t.Shown();
  EXPECT_EQ(v.widths, (std::array<int, 3>{800 - 63, 0, 55}));
  EXPECT_FALSE(v.score.has_value()) << "panel 1 keeps its text";
}

TEST(StatusBar, TheScorePanelIs253Wide) {
  StatusTable t;
  EXPECT_EQ(t.Shown().widths, (std::array<int, 3>{800 - 253 - 63, 253, 55}));
}

// --- the score --------------------------------------------------------------------------

TEST(StatusScore, DurakShowsWinsLossesAndDraws) {
  StatusTable t;
  t.Results(0, 3, 2, 1);
  EXPECT_EQ(t.Shown().score, "Выигрыш: 3   Проигрыш: 2   Ничьи: 1");
  t.g.program.Lang = 1;
  EXPECT_EQ(t.Shown().score, " Win: 3      Lost: 2      Draw: 1");
}

TEST(StatusScore, TheTotalLeavesMemoryOut) {
  StatusTable t(2);
  t.Results(0, 3, 2, 1);
  t.Results(6, 1, 1, 0);
  t.Results(15, 2, 5, 0);
  t.Results(24, 900, 1200, 0);  // Memory's points and record
  t.Results(25, 50, 60, 0);
  EXPECT_EQ(t.Shown().score, "Выигрыш: 6   Проигрыш: 8   Ничьи: 1");
}

TEST(StatusScore, SeparateStatisticsShowTheCurrentGame) {
  StatusTable t(6);
  t.g.t.Options.StatSeparate = 1;
  t.Results(0, 3, 2, 1);
  t.Results(6, 4, 7, 0);
  EXPECT_EQ(t.Shown().score, "Выигрыш: 4      Проигрыш: 7") << "Eights has no draws";
}

TEST(StatusScore, PatienceGamesSpreadTheirTwoNumbersWider) {
  StatusTable t(9);
  t.g.t.Options.StatSeparate = 1;
  t.Results(9, 2, 11, 0);
  t.g.program.Lang = 1;
  EXPECT_EQ(t.Shown().score, " Win: 2" + std::string(8, ' ') + "      Lost: 11");
}

TEST(StatusScore, MemoryShowsPointsAndRecordAsNumbers) {
  StatusTable t(24);
  t.g.t.Options.NumberOrPercent = 1;
  t.Results(24, 120, 340, 0);
  EXPECT_EQ(t.Shown().score, "Очки : 120" + std::string(18, ' ') + "Рекорд : 340");
  t.g.program.Lang = 1;
  EXPECT_EQ(t.Shown().score, "Points : 120" + std::string(18, ' ') + "Hi - score : 340");
}

TEST(StatusScore, ANetworkGameShowsTheSessionWhateverTheOptions) {
  StatusTable t;
  t.Results(0, 30, 20, 10);
  t.g.t.NetWins = 2;
  t.g.t.NetLosses = 1;
  t.g.program.NetRole = 1;
  for (int separate : {0, 1}) {
    t.g.t.Options.StatSeparate = separate;
    EXPECT_EQ(t.Shown().score, "Выигрыш: 2   Проигрыш: 1   Ничьи: 0");
  }
}

TEST(StatusScore, PercentagesOfOneEachGiveTheDrawsTheLastPoint) {
  StatusTable t;
  t.g.t.Options.NumberOrPercent = 1;
  t.Results(0, 1, 1, 1);
  EXPECT_EQ(t.Shown().score, "Выигрыш: 33%   Проигрыш: 33%   Ничьи: 34%");
}

TEST(StatusScore, NoGamesPlayedIsZeroPercentEverywhere) {
  StatusTable t;
  t.g.t.Options.NumberOrPercent = 1;
  t.g.program.Lang = 1;
  EXPECT_EQ(t.Shown().score, " Win: 0%      Lost: 0%      Draw: 0%");
}

TEST(StatusPercentages, TwoWinsAndALossGiveTheLossesTheMissingPoint) {
  const Score p = Percentages({2, 1, 0});
  EXPECT_EQ(p.wins, 66);
  EXPECT_EQ(p.losses, 34);
  EXPECT_EQ(p.draws, 0);
}

TEST(StatusPercentages, AlwaysAddUpToAHundredAndNeverFallBelowTheTrueShare) {
  for (int w = 0; w <= 12; ++w)
    for (int l = 0; l <= 12; ++l)
      for (int d = 0; d <= 12; ++d) {
        if (w + l + d == 0) continue;
        const Score p = Percentages({w, l, d});
        const int total = w + l + d;
        EXPECT_EQ(p.wins + p.losses + p.draws, 100) << w << " " << l << " " << d;
        EXPECT_GE(p.wins, w * 100 / total);
        EXPECT_GE(p.losses, l * 100 / total);
        EXPECT_GE(p.draws, d * 100 / total);
        // A share nobody earned gets no point.
        if (w == 0) {
          EXPECT_EQ(p.wins, 0);
        }
        if (l == 0) {
          EXPECT_EQ(p.losses, 0);
        }
        if (d == 0) {
          EXPECT_EQ(p.draws, 0);
        }
      }
}

// --- the clock ---------------------------------------------------------------------------

TEST(StatusClock, StartsAtZero) {
  StatusTable t;
  const int64_t start = ClockStart(t.g);
  TickClock(t.g, start);
  EXPECT_EQ(t.out.calls.back(), "clock 00:00:00");
}

TEST(StatusClock, CountsHoursMinutesAndSeconds) {
  EXPECT_EQ(ElapsedText(1000, 1000 + 2 * 3600 + 5 * 60 + 9), " 02:05:09");
  EXPECT_EQ(ElapsedText(0, 59), " 00:00:59");
  EXPECT_EQ(ElapsedText(0, 60), " 00:01:00");
}

TEST(StatusClock, KeepsCountingPastMidnight) {
  // Started at 23:59:50 one day, now 00:00:15 the next.
  const int64_t day = 86400 * 20000LL;
  StatusTable t;
  t.clock.Set(day - 10);
  const int64_t start = ClockStart(t.g);
  t.clock.Set(day + 15);
  TickClock(t.g, start);
  EXPECT_EQ(t.out.calls.back(), "clock 00:00:25");
  t.clock.Set(day - 10 + 25 * 3600);
  TickClock(t.g, start);
  EXPECT_EQ(t.out.calls.back(), "clock 25:00:00") << "a day and an hour";
}

TEST(StatusClock, AClockSetBackShowsNoNegativeTime) {
  EXPECT_EQ(ElapsedText(5000, 4000), " 00:00:00");
}

}  // namespace
