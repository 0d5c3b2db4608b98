// The searching professional ("Search" 1): its choices are moves the rules
// allow, it never reads a hidden card, it keeps to its time, and with
// "Search" 0 nothing changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

#include "core/catalogue.h"
#include "core/hand_order.h"
#include "durak/beats.h"
#include "durak/computer_player.h"
#include "durak/search_player.h"
#include "durak/search_table.h"
#include "durak/trick_end.h"
#include "durak/trick_moves.h"
#include "persistence/settings_schema.h"
#include "play/new_game.h"
#include "play/self_play_durak.h"
#include "table/move_card.h"
#include "test_game.h"

namespace {

struct KindForm {
  int vidg, formg;
};

// The five durak kinds and, for Simple durak, the three forms.
const KindForm kDurakTables[] = {{0, 0}, {0, 1}, {0, 2}, {1, 1}, {2, 1}, {3, 1}, {4, 1}};

TestGame& Searching(TestGame& tg, KindForm k, int pack) {
  tg.Select(k.vidg, k.formg);
  tg.g.program.PackSize = pack;
  tg.g.t.Options.Animation = 0;
  tg.g.t.Options.Style = 5;
  tg.g.t.Options.Search = 1;
  return tg;
}

TEST(DurakSearch, TheOptionIsKeptLikeEveryOtherAndOffAtTheFirstStart) {
  const SettingEntry* e = FindSetting("Search");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->firstStart, 0);
  EXPECT_EQ(e->onReset, 0);
  EXPECT_TRUE(SettingValueUsable(*e, 1));
  EXPECT_FALSE(SettingValueUsable(*e, 2)) << "a value out of range is healed";
  TestGame tg;
  EXPECT_EQ(tg.g.t.Options.Search, 0);
}

TEST(DurakSearch, OnlyTheProfessionalSearchesAndOnlyInDurak) {
  for (int style = 0; style <= 5; ++style) {
    for (int search : {0, 1}) {
      TestGame tg;
      tg.Select(0, 1);
      tg.g.t.Options.Style = style;
      tg.g.t.Options.Search = search;
      EXPECT_EQ(SearchPlays(tg.g), style == 5 && search == 1) << style << " " << search;
    }
  }
  TestGame czech;
  czech.Select(5, 3);
  czech.g.t.Options.Search = 1;
  EXPECT_FALSE(SearchPlays(czech.g));
}

// Self-play of a few games; the generator's next value after them tells
// whether any choice anywhere went another way.
struct Played {
  SelfPlayReport report;
  int32_t nextRandom = 0;
  size_t searchedChoices = 0;
};

Played PlaySome(KindForm k, int style, int search, int games, int64_t seed, int botSearch = 0) {
  TestGame tg(seed);
  tg.Select(k.vidg, k.formg);
  tg.g.t.Options.Animation = 0;
  tg.g.t.Options.Style = style;
  tg.g.t.Options.Search = search;
  SearchTimings timings;
  timings.capMilliseconds = 1e9;  // the seed alone decides
  tg.g.searchTimings = &timings;
  SelfPlayConfig config;
  config.games = games;
  config.seed = seed;
  config.bot.style = 5;
  config.bot.level = 3;
  config.bot.search = botSearch;
  Played p;
  p.report = PlayDurakGames(tg.g, tg.clock, config);
  p.nextRandom = tg.g.random.Next();
  p.searchedChoices = timings.milliseconds.size();
  return p;
}

TEST(DurakSearch, WithSearchOffOrAnotherPersonalityEveryChoiceIsThePlainOne) {
  for (const KindForm k : kDurakTables) {
    for (int style : {2, 4, 5}) {
      const Played off = PlaySome(k, style, 0, 6, 21);
      EXPECT_EQ(off.searchedChoices, 0u) << "no search without the option";
      if (style == 5) continue;
      // "Search" 1 means nothing to the other personalities.
      const Played on = PlaySome(k, style, 1, 6, 21);
      EXPECT_EQ(on.searchedChoices, 0u);
      EXPECT_EQ(on.report.wins, off.report.wins) << k.vidg << "/" << k.formg << " style " << style;
      EXPECT_EQ(on.report.actions, off.report.actions);
      EXPECT_EQ(on.nextRandom, off.nextRandom);
    }
  }
}

TEST(DurakSearch, EveryKindFormAndPackPlaysToItsEndWithTheTableIntact) {
  for (const KindForm k : kDurakTables) {
    for (int pack : {36, 52}) {
      TestGame tg(7);
      Searching(tg, k, pack);
      SearchTimings timings;
      tg.g.searchTimings = &timings;
      SelfPlayConfig config;
      config.games = 3;
      config.seed = 7 + k.vidg;
      config.bot.search = 1;  // both seats search
      const SelfPlayReport r = PlayDurakGames(tg.g, tg.clock, config);
      EXPECT_EQ(r.violations, 0) << r.violation;
      EXPECT_EQ(r.games, 3);
      EXPECT_GT(timings.milliseconds.size(), 0u) << k.vidg << "/" << k.formg;
    }
  }
}

TEST(DurakSearch, TheSameSeedGivesTheSameGames) {
  const Played a = PlaySome({0, 2}, 5, 1, 3, 5);
  const Played b = PlaySome({0, 2}, 5, 1, 3, 5);
  EXPECT_GT(a.searchedChoices, 0u);
  EXPECT_EQ(a.report.actions, b.report.actions);
  EXPECT_EQ(a.report.wins, b.report.wins);
  EXPECT_EQ(a.nextRandom, b.nextRandom);
}

// --- positions taken from real deals ----------------------------------------

// A table of the kind, dealt and played on by the bots for `actions` actions.
void PlayInto(TestGame& tg, int actions) {
  NewGame(tg.g);
  BotStyle bot;
  for (int i = 0; i < actions && tg.g.t.RowCount[0] > 1 && tg.g.t.RowCount[1] > 1; ++i) {
    ActSomehow(tg.g, bot);
    DealScheduledGame(tg.g);
  }
}

bool PlayerLeadsIntoEmptyTable(const Game& g) {
  return g.t.WhoseTurn == 1 && g.t.RowCount[2] == 0 && g.t.RowCount[1] > 0 && g.t.GuessMode == 0;
}

TEST(DurakSearch, ItsAnswersAreMovesTheRulesAllow) {
  int asked = 0;
  for (const KindForm k : kDurakTables) {
    for (int pack : {36, 52}) {
      for (int seed = 1; seed <= 12; ++seed) {
        TestGame tg(seed * 31 + k.vidg);
        Searching(tg, k, pack);
        PlayInto(tg, seed % 7);
        Game& g = tg.g;
        if (!PlayerLeadsIntoEmptyTable(g) || g.t.RowCount[0] == 0) continue;
        const int lead = SearchLead(g);
        EXPECT_TRUE(lead >= 0 && g.t.IsPresent(0, lead)) << "a card of its own hand";
        // The player leads a card; the computer passes it on or covers it.
        MoveCard(g, 1, RandomBelow(g, g.t.RowCount[1]), 2, 0, true);
        CountRows(g);
        const int transfer = SearchTransfer(g);
        if (transfer >= 0) {
          EXPECT_TRUE(MayTransfer(g, 0, transfer));
        }
        if (k.formg != 2) {
          EXPECT_EQ(transfer, -1);
        }
        const int cover = SearchCover(g, 2, 0);
        ++asked;
        if (cover < 0) continue;
        ASSERT_TRUE(g.t.IsPresent(0, cover));
        EXPECT_TRUE(Beats(g, g.t.CardGrid[0][cover], g.t.CardGrid[2][0]));
        // Covered: now the player's turn to add, so ask the computer the
        // attacker's question from the other side of the same kind of table.
        MoveCard(g, 0, cover, 3, 0, true);
        CountRows(g);
        g.t.WhoseTurn = 0;
        const int add = SearchAdd(g);
        if (add >= 0) {
          EXPECT_TRUE(MayAddToTrick(g, 0, add));
        }
      }
    }
  }
  EXPECT_GT(asked, 40);
}

TEST(DurakSearch, ItsAnswerToASeveralCardLeadCoversEveryCardWithOneThatBeatsIt) {
  int answered = 0;
  for (int seed = 1; seed <= 30; ++seed) {
    TestGame tg(seed);
    Searching(tg, {0, 1}, 36);
    PlayInto(tg, 0);
    Game& g = tg.g;
    if (!PlayerLeadsIntoEmptyTable(g) || g.t.RowCount[1] < 2) continue;
    // Two of the player's cards laid as one lead (ranks aside: the answer
    // is what is checked).
    MoveCard(g, 1, 0, 2, 0, true);
    MoveCard(g, 1, 1, 2, 1, true);
    CountRows(g);
    const std::optional<std::vector<int>> covers = SearchCoverAll(g);
    ASSERT_TRUE(covers.has_value());
    if (covers->empty()) continue;  // it takes
    ++answered;
    ASSERT_EQ(covers->size(), 2u);
    EXPECT_NE((*covers)[0], (*covers)[1]);
    for (int i = 0; i < 2; ++i) {
      EXPECT_TRUE(Beats(g, g.t.CardGrid[0][(*covers)[i]], g.t.CardGrid[2][i]));
    }
  }
  EXPECT_GT(answered, 0);
}

// --- what it may not see -----------------------------------------------------

// Exchanges cards between the player's hand and the stock and shuffles the
// stock, keeping the cards the player is known to hold: what the computer
// sees stays the same, what it cannot see changes.
void ReshuffleHidden(Game& g, uint64_t knownToComputer) {
  TTableState& t = g.t;
  for (int s = 0; s < t.RowCount[1]; ++s) {
    if (!t.IsPresent(1, s) || (knownToComputer >> t.ImageIndexAt(1, s) & 1)) continue;
    const int from = RandomBelow(g, t.RowCount[5]);
    if (t.RowCount[5] == 0 || !t.IsPresent(5, from)) continue;
    std::swap(t.CardGrid[1][s], t.CardGrid[5][from]);
  }
  for (int s = t.RowCount[5] - 1; s > 0; --s) t.SwapSlots(5, s, RandomBelow(g, s + 1));
  CountRows(g);
}

TEST(DurakSearch, ChangingTheHiddenCardsChangesNoChoice) {
  int compared = 0, changed = 0;
  for (const KindForm k : {KindForm{0, 1}, KindForm{0, 2}, KindForm{1, 1}}) {
    for (int seed = 1; seed <= 14; ++seed) {
      TestGame tg(seed * 7);
      Searching(tg, k, 36);
      PlayInto(tg, seed % 5);
      if (!PlayerLeadsIntoEmptyTable(tg.g) || tg.g.t.RowCount[5] < 2) continue;
      // The player is known to hold one of his cards, as after a take.
      tg.g.seen.takenUp[1] = uint64_t{1} << tg.g.t.ImageIndexAt(1, 0);
      MoveCard(tg.g, 1, tg.g.t.RowCount[1] - 1, 2, 0, true);
      CountRows(tg.g);

      TestGame other(seed * 7);
      other.g.t = tg.g.t;
      other.g.program = tg.g.program;
      other.g.seen = tg.g.seen;
      // No time cap: only the seed and what the computer sees decide.
      SearchTimings unhurried;
      unhurried.capMilliseconds = 1e9;
      tg.g.searchTimings = other.g.searchTimings = &unhurried;
      ReshuffleHidden(other.g, tg.g.seen.takenUp[1]);
      changed += other.g.t.CardGrid[1] != tg.g.t.CardGrid[1];
      for (Game* g : {&tg.g, &other.g}) g->random.Seed(seed);
      EXPECT_EQ(SearchCover(tg.g, 2, 0), SearchCover(other.g, 2, 0)) << "seed " << seed;
      for (Game* g : {&tg.g, &other.g}) g->random.Seed(seed + 100);
      EXPECT_EQ(SearchTransfer(tg.g), SearchTransfer(other.g));
      // The same on its own lead.
      for (Game* g : {&tg.g, &other.g}) {
        MoveCard(*g, 2, 0, 1, g->t.RowCount[1], true);
        CountRows(*g);
        g->t.WhoseTurn = 0;
        g->random.Seed(seed + 200);
      }
      const int a = SearchLead(tg.g), b = SearchLead(other.g);
      EXPECT_TRUE(SameCard(tg.g.t.CardGrid[0][a], other.g.t.CardGrid[0][b])) << "seed " << seed;
      ++compared;
    }
  }
  EXPECT_GT(compared, 10);
  EXPECT_GT(changed, 5) << "the hidden hands really differed";
}

TEST(DurakSearch, ATakeIsRememberedAndANewDealForgetsIt) {
  TestGame tg(3);
  Searching(tg, {0, 1}, 36);
  Game& g = tg.g;
  g.seen.takenUp = {1, 1};
  NewGame(g);
  EXPECT_EQ(g.seen.takenUp[0] | g.seen.takenUp[1], 0u) << "a new deal forgets";
  for (int row : {2, 3}) g.t.CardGrid[row].fill(TCard{});
  g.t.PutCard(2, 0, g.t.CardGrid[1][0]);
  g.t.CardGrid[1][0].Present = 0;
  CountRows(g);
  const uint64_t card = uint64_t{1} << g.t.ImageIndexAt(2, 0);
  TakeTrick(g, 0);
  EXPECT_EQ(g.seen.takenUp[0], card) << "the computer took it: the player saw it go";
  EXPECT_EQ(g.seen.takenUp[1], 0u);
}

// --- time ---------------------------------------------------------------------

TEST(DurakSearch, EveryChoiceKeepsToItsTime) {
  TestGame tg(17);
  Searching(tg, {0, 1}, 36);
  SearchTimings timings;
  tg.g.searchTimings = &timings;
  SelfPlayConfig config;
  config.games = 6;
  config.seed = 17;
  config.checkTable = false;
  PlayDurakGames(tg.g, tg.clock, config);
  ASSERT_GT(timings.milliseconds.size(), 20u);
  // Wall time: a machine busy with other work may stall one choice now and
  // then, so the bound is on all but the slowest hundredth.
  EXPECT_LE(timings.Percentile(99), 200.0);
  EXPECT_LE(timings.Median(), 50.0);
}

// --- the play-out table ---------------------------------------------------------

TEST(DurakSearchTable, WhatBeatsWhatFollowsTheRulesOfTheKind) {
  using namespace durak_search;
  SimRules r;
  r.trumpSuit = Hearts;
  const int sixSpades = Spades * 13 + Six, sevenSpades = Spades * 13 + Seven;
  const int sixHearts = Hearts * 13 + Six, aceClubs = Clubs * 13 + Ace;
  struct Row {
    bool japanese;
    int x, a;
    bool beats;
  } rows[] = {
      {false, sevenSpades, sixSpades, true},  {false, sixSpades, sevenSpades, false},
      {false, sixHearts, sevenSpades, true},  {true, sixHearts, sevenSpades, false},
      {false, aceClubs, sixSpades, false},    {false, sevenSpades, sixHearts, false},
  };
  for (const Row& row : rows) {
    r.japanese = row.japanese;
    EXPECT_EQ(SimBeats(r, row.x, row.a), row.beats) << row.x << " on " << row.a;
  }
}

TEST(DurakSearchTable, APlayOutEndsWithEveryCardAccountedFor) {
  using namespace durak_search;
  SimRules r;
  r.trumpSuit = Diamonds;
  r.form = 2;
  SimTable t;
  // 36 cards: six each, the rest in the stock, the trump card last.
  int card = 0;
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = Six; rank <= Ace; ++rank) {
      const int c = suit * 13 + rank;
      if (card < 6) t.hand[0] |= Bit(c);
      else if (card < 12) t.hand[1] |= Bit(c);
      else t.stock[t.stockEnd++] = static_cast<uint8_t>(c);
      ++card;
    }
  }
  t.trumpCardLies = true;
  const int result = PlayOut(r, t);
  EXPECT_TRUE(result == 1 || result == 0 || result == -1);
  // Seat 0 holds the six lowest clubs, seat 1 clubs and spades above: each
  // move is the policies', and the result is one of the three.
  SimTable won;
  won.hand[1] = Bit(Clubs * 13 + Six);
  EXPECT_EQ(durak_search::Outcome(r, won), 1) << "an empty hand and no stock: seat 0 is out first";
}

}  // namespace
