// Thousands of deals of Eights and Nine played whole, the table checked
// after every action; and the checks themselves catch a spoilt table.
#include <gtest/gtest.h>

#include "games/eights_invariants.h"
#include "games/nine_invariants.h"
#include "play/new_game.h"
#include "play/self_play_eights_nine.h"
#include "shedding_table.h"

namespace {

constexpr int kEights = SheddingTable::kEights;
constexpr int kNine = SheddingTable::kNine;

SelfPlayReport Play(int vidg, int64_t seed, int games, int botStyle, int firstMove,
                    int trumpsRight) {
  TestGame tg(seed);
  tg.Select(vidg, 0);
  tg.g.t.Options.Animation = 0;
  tg.g.t.Options.FirstMove = firstMove;
  tg.g.t.Options.TrLeftRight = trumpsRight;
  SelfPlayConfig config;
  config.games = games;
  config.seed = seed;
  config.bot.style = botStyle;
  config.maxActionsPerGame = 200;  // 36 cards and the passes between them
  return vidg == kEights ? PlayEightsGames(tg.g, tg.clock, config)
                         : PlayNineGames(tg.g, tg.clock, config);
}

TEST(EightsNineRandomGames, EveryDealEndsWithTheTableIntact) {
  int64_t seed = 1;
  for (int vidg : {kEights, kNine}) {
    for (int style : {0, 1, 3, 5}) {
      for (int firstMove = 0; firstMove < 4; ++firstMove) {
        const SelfPlayReport r = Play(vidg, seed++, 150, style, firstMove, firstMove % 2);
        SCOPED_TRACE("VidG " + std::to_string(vidg) + ", style " + std::to_string(style) +
                     ", first move " + std::to_string(firstMove));
        EXPECT_EQ(r.violations, 0) << r.violation;
        EXPECT_EQ(r.games, 150);
        EXPECT_EQ(r.wins + r.losses + r.draws, r.games) << "every deal counted once";
        EXPECT_GT(r.wins, 0);
        EXPECT_GT(r.losses, 0);
        if (vidg == kNine) {
          EXPECT_EQ(r.draws, 0) << "Nine is never blocked";
        }
      }
    }
  }
}

TEST(EightsNineRandomGames, ASeedReplaysExactly) {
  for (int vidg : {kEights, kNine}) {
    const SelfPlayReport a = Play(vidg, 11, 60, 5, 0, 0);
    const SelfPlayReport b = Play(vidg, 11, 60, 5, 0, 0);
    EXPECT_EQ(a.actions, b.actions);
    EXPECT_EQ(a.wins, b.wins);
    EXPECT_EQ(a.draws, b.draws);
  }
}

// An Eights table in play: the nine of hearts on the pile, the other 35
// cards split between the hands.
void LayEightsInPlay(SheddingTable& e) {
  e.Pile({C(Hearts, Nine)});
  int s0 = 0, s1 = 0;
  for (int suit = Clubs; suit <= Hearts; ++suit) {
    for (int rank = Six; rank <= Ace; ++rank) {
      if (suit == Hearts && rank == Nine) continue;
      if ((suit + rank) % 2 == 0) {
        e.g.t.PutCard(0, s0++, C(suit, rank));
      } else {
        e.g.t.PutCard(1, s1++, C(suit, rank));
      }
    }
  }
  e.g.t.RowCount[0] = OrderRow(e.g, 0);
  e.g.t.RowCount[1] = OrderRow(e.g, 1);
}

TEST(EightsNineChecks, ASpoiltEightsTableIsNoticed) {
  struct Case {
    const char* fault;
    void (*spoil)(Game&);
    const char* noticed;  // part of what the check says
  };
  const Case cases[] = {
      {"a card lost", [](Game& g) { g.t.CardGrid[2][0].Present = 0; }, "lost"},
      {"a card twice",
       [](Game& g) {
         g.t.PutCard(2, 1, g.t.CardGrid[0][0]);
         g.t.RowCount[2] = 2;
       },
       "twice"},
      {"a suit in force a nine did not bring", [](Game& g) { g.t.TrumpSuit = Spades; }, "in force"},
      {"a hand out of order", [](Game& g) { std::swap(g.t.CardGrid[0][0], g.t.CardGrid[0][1]); },
       "out of order"},
      {"the computer's turn left open", [](Game& g) { g.t.WhoseTurn = 1; }, "turn"},
      {"a card in an unused row", [](Game& g) { g.t.PutCard(5, 0, *g.t.TakeCard(0, 0)); }, "row 5"},
  };
  for (const Case& c : cases) {
    SheddingTable e(kEights);
    LayEightsInPlay(e);
    ASSERT_EQ(CheckEightsTable(e.g), "");
    c.spoil(e.g);
    EXPECT_NE(CheckEightsTable(e.g).find(c.noticed), std::string::npos)
        << c.fault << ": " << CheckEightsTable(e.g);
  }
  SheddingTable dealt(kEights, 3);
  NewGame(dealt.g);
  EXPECT_EQ(CheckEightsTable(dealt.g), "");
}

TEST(EightsNineChecks, ASpoiltNineTableIsNoticed) {
  struct Case {
    const char* fault;
    void (*spoil)(TTableState&);
    const char* noticed;  // part of what the check says
  };
  const Case cases[] = {
      {"a row with a gap",
       [](TTableState& t) {
         t.PutCard(2, 3, C(Clubs, Nine));
         t.PutCard(2, 5, C(Clubs, Jack));
       },
       "broken"},
      {"another suit in a row", [](TTableState& t) { t.PutCard(3, 3, C(Clubs, Nine)); },
       "another suit"},
      {"a card off its place", [](TTableState& t) { t.PutCard(5, 3, C(Hearts, Ten)); },
       "off its place"},
      {"a row not through its nine", [](TTableState& t) { t.PutCard(5, 4, C(Hearts, Ten)); },
       "through its nine"},
      {"no nine of diamonds after the opening",
       [](TTableState& t) { t.PutCard(2, 3, C(Clubs, Nine)); }, "without the nine"},
      {"the computer's turn left open", [](TTableState& t) { t.WhoseTurn = 0; }, "turn"},
  };
  for (const Case& c : cases) {
    SheddingTable n(kNine);
    // All 36 cards: the rows as the case lays them, the rest in the hands.
    n.g.t.FirstDiscardDone = 1;
    c.spoil(n.g.t);
    if (std::string(c.fault) != "no nine of diamonds after the opening") {
      n.g.t.PutCard(4, 3, C(Diamonds, Nine));
    }
    int s0 = 0, s1 = 0;
    for (int suit = Clubs; suit <= Hearts; ++suit) {
      for (int rank = Six; rank <= Ace; ++rank) {
        bool laid = false;
        for (int row = 2; row <= 5; ++row)
          for (const TCard& x : n.g.t.CardGrid[row])
            laid = laid || (x.Present == 1 && SameCard(x, C(suit, rank)));
        if (laid) continue;
        if ((suit + rank) % 2 == 0) {
          n.g.t.PutCard(0, s0++, C(suit, rank));
        } else {
          n.g.t.PutCard(1, s1++, C(suit, rank));
        }
      }
    }
    n.g.t.RowCount[0] = OrderRow(n.g, 0);
    n.g.t.RowCount[1] = OrderRow(n.g, 1);
    EXPECT_NE(CheckNineTable(n.g).find(c.noticed), std::string::npos)
        << c.fault << ": " << CheckNineTable(n.g);
  }
  SheddingTable dealt(kNine, 4);
  NewGame(dealt.g);
  EXPECT_EQ(CheckNineTable(dealt.g), "");
}

}  // namespace
