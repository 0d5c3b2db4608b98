// No game played is lost to the statistics: a result is stored before a box
// may ask whether to go on (Cancel ends the program), and a guessing game
// left before its end still counts the loss that began it. Every case goes
// through the handlers the window and the headless tool call.
#include <gtest/gtest.h>

#include <string>

#include "core/catalogue.h"
#include "durak/guessing_game.h"
#include "durak/turn_flow.h"
#include "durak_table.h"
#include "persistence/statistics.h"
#include "play/closing.h"
#include "play/game_switch.h"
#include "play/menu_commands.h"
#include "play/new_game.h"
#include "play/shortcuts.h"

namespace {

constexpr int kPiled = 3;

void Click(DurakTable& t, const TCard& c) {
  const int slot = t.SlotOf(1, c);
  ASSERT_GE(slot, 0) << "the player holds no such card";
  OnHandCardClick(t.g, slot, MouseButton::Left);
  DealScheduledGame(t.g);  // as the mid end does after every action
}

int Stored(DurakTable& t, int vidg, int which) {
  const auto value = t.store.Read(StatisticName(*t.g.edition, vidg, which));
  return value.value_or(-1);
}

// Piled durak, nothing to draw: the player's seven of clubs is covered by
// the computer's last cards.
struct Ending {
  const char* name;
  std::initializer_list<TCard> computer, player;
  int lastCardGame;
  int which;  // the counter that must grow: 0 wins, 1 losses, 2 draws
};

TEST(ResultsKept, CancelAtTheQuestionClosesTheProgramWithTheResultStored) {
  const Ending endings[] = {
      {"win: the player sheds his last card", {C(Clubs, Ace), C(Spades, Ace)}, {C(Clubs, Seven)},
       0, 0},
      {"loss: the computer sheds its last card against two",
       {C(Clubs, Ace)},
       {C(Clubs, Seven), C(Spades, Eight), C(Diamonds, Nine)},
       0,
       1},
      {"draw: both hands empty", {C(Clubs, Ace)}, {C(Clubs, Seven)}, 0, 2},
      {"the last card decides: the attacker wins", {C(Clubs, Ace)}, {C(Clubs, Seven)}, 1, 0},
  };
  for (const Ending& e : endings) {
    SCOPED_TRACE(e.name);
    DurakTable t(kPiled, 1, Hearts);
    t.g.t.Options.ConfNewgame = 1;
    t.g.t.Options.LastCardGame = e.lastCardGame;
    t.out.messageAnswer = false;  // Cancel: the program closes
    t.Computer(e.computer).Player(e.player);
    Click(t, C(Clubs, Seven));
    ASSERT_EQ(t.out.messages.size(), 1u);
    EXPECT_TRUE(t.out.messages[0].question);
    EXPECT_EQ(t.out.Count("close window"), 1);
    EXPECT_EQ(t.out.Count("animate deal"), 0) << "no new deal for a closing program";
    const TResult& r = t.g.t.Stats[kPiled];
    const int counted[] = {r.Wins, r.Losses, r.Draws};
    for (int which = 0; which < 3; ++which) {
      EXPECT_EQ(counted[which], which == e.which ? 1 : 0) << "counter " << which;
      EXPECT_EQ(Stored(t, kPiled, which), which == e.which ? 1 : 0) << "stored " << which;
    }
  }
}

// A sharper who has just won, with the guessing game on.
struct SharperWins : DurakTable {
  SharperWins() : DurakTable(kPiled, 1, Hearts) {
    g.t.Options.Style = 4;
    g.t.Options.CheckS = 1;
    Computer({C(Clubs, Ace)}).Player({C(Clubs, Seven), C(Spades, Eight), C(Diamonds, Nine)});
  }
  void Lose() { Click(*this, C(Clubs, Seven)); }
  int Losses() const { return g.t.Stats[kPiled].Losses; }
  int Wins() const { return g.t.Stats[kPiled].Wins; }
};

TEST(ResultsKept, CancelBeforeTheGuessingGameCountsTheLoss) {
  SharperWins t;
  t.g.t.Options.ConfNewgame = 1;
  t.out.messageAnswer = false;
  t.Lose();
  EXPECT_EQ(t.g.t.GuessMode, 0) << "nobody is left to guess";
  EXPECT_EQ(t.Losses(), 1);
  EXPECT_EQ(Stored(t, kPiled, 1), 1);
}

TEST(ResultsKept, CancelAtTheGuessingResultKeepsItStored) {
  for (const bool rightGuess : {true, false}) {
    SCOPED_TRACE(rightGuess ? "guessed" : "not guessed");
    SharperWins t;
    t.g.t.Options.LevelS = 1;  // three guesses
    t.Lose();
    ASSERT_EQ(t.g.t.GuessMode, 1);
    t.g.t.SwindleCards[0] = C(Hearts, Ace);
    t.g.t.SwindleCount = 1;
    t.g.t.Options.ConfNewgame = 1;
    t.out.messageAnswer = false;
    if (rightGuess) {
      GuessClick(t.g, t.SlotOf(1, C(Hearts, Ace)));
    } else {
      for (const TCard& c : {C(Clubs, Six), C(Clubs, Seven), C(Clubs, Eight)})
        GuessClick(t.g, t.SlotOf(1, c));
    }
    EXPECT_EQ(t.out.Count("close window"), 1);
    EXPECT_EQ(t.Wins(), rightGuess ? 1 : 0);
    EXPECT_EQ(t.Losses(), rightGuess ? 0 : 1);
    EXPECT_EQ(Stored(t, kPiled, 0), rightGuess ? 1 : 0);
    EXPECT_EQ(Stored(t, kPiled, 1), rightGuess ? 0 : 1);
    // The window then closes by its usual path, which counts nothing twice.
    SettleBeforeClosing(t.g);
    EXPECT_EQ(t.Wins() + t.Losses(), 1);
  }
}

// The ways out of a guessing game that is still running.
struct WayOut {
  const char* name;
  void (*leave)(Game&);
};

const WayOut kWaysOut[] = {
    {"New game (F2)", [](Game& g) { NewGameCommand(g); }},
    {"another kind of durak, cards kept otherwise",
     [](Game& g) {
       g.t.Options.CallNewGame = 0;
       MMGameClick(g, CatalogueIndex(*g.edition, 1, 0));
     }},
    {"a patience game", [](Game& g) { MMGameClick(g, CatalogueIndex(*g.edition, 0, 8)); }},
    {"closing the window", [](Game& g) { SettleBeforeClosing(g); }},
};

TEST(ResultsKept, LeavingTheGuessingGameCountsTheLossOfTheGameThatWasLost) {
  for (const WayOut& way : kWaysOut) {
    SCOPED_TRACE(way.name);
    SharperWins t;
    t.Lose();
    ASSERT_EQ(t.g.t.GuessMode, 1);
    ASSERT_EQ(t.Losses(), 0) << "the loss waits for the guesses";
    way.leave(t.g);
    DealScheduledGame(t.g);
    EXPECT_EQ(t.g.t.GuessMode, 0);
    EXPECT_EQ(t.Losses(), 1);
    EXPECT_EQ(t.Wins(), 0);
    EXPECT_EQ(Stored(t, kPiled, 1), 1);
  }
}

TEST(ResultsKept, ChoosingAnotherDurakDuringTheGuessingDealsThatGameAnew) {
  SharperWins t;
  t.g.t.Options.CallNewGame = 0;
  t.Lose();
  MMGameClick(t.g, CatalogueIndex(*t.g.edition, 1, 0));
  EXPECT_EQ(t.g.t.VidG, 0);
  EXPECT_EQ(t.g.t.RowCount[1], 6) << "a fresh hand, not the pack of guesses";
  EXPECT_EQ(t.g.t.Stats[0].Losses, 0) << "the loss belongs to the game that was lost";
}

TEST(ResultsKept, LeavingAfterTheGuessingOrOutsideItCountsNothing) {
  {
    SharperWins t;
    t.Lose();
    t.g.t.SwindleCards[0] = C(Spades, Queen);
    t.g.t.SwindleCount = 1;
    GuessClick(t.g, t.SlotOf(1, C(Spades, Queen)));
    DealScheduledGame(t.g);
    NewGameCommand(t.g);
    SettleBeforeClosing(t.g);
    EXPECT_EQ(t.Wins(), 1);
    EXPECT_EQ(t.Losses(), 0);
  }
  {
    DurakTable t(0, 1, Hearts);
    NewGameCommand(t.g);
    SettleBeforeClosing(t.g);
    EXPECT_EQ(t.g.t.Stats[0].Losses, 0);
  }
}

TEST(GuessingMenus, TheMenusAreToldWhenTheGuessingGameBeginsAndEnds) {
  SharperWins t;
  t.Lose();
  EXPECT_EQ(t.out.Count("menu state"), 1) << "at the start";
  const GameMenuState during = RefreshMenuState(t.g);
  EXPECT_FALSE(during.undoEnabled);
  EXPECT_FALSE(during.optionsEnabled);
  for (int i = 0; i < 5; ++i) GuessClick(t.g, 0);  // no swindle: five misses
  DealScheduledGame(t.g);
  EXPECT_EQ(t.out.Count("menu state"), 2) << "at the end";
  EXPECT_TRUE(RefreshMenuState(t.g).undoEnabled);

  SharperWins left;
  left.Lose();
  NewGameCommand(left.g);
  EXPECT_EQ(left.out.Count("menu state"), 2) << "left by a new game";
}

TEST(GuessingMenus, EachCommandKnowsWhenItMayRun) {
  struct Case {
    TableCommand command;
    bool plain, guessing, network;
  };
  const Case cases[] = {
      {TableCommand::Undo, true, false, false},
      {TableCommand::SaveGame, true, false, false},
      {TableCommand::RestoreGame, true, false, false},
      {TableCommand::CardBack, true, false, true},
      {TableCommand::Background, true, false, true},
      {TableCommand::Options, true, false, true},
      {TableCommand::Network, true, false, true},
      {TableCommand::About, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.command));
    DurakTable t;
    EXPECT_EQ(CommandMayRun(t.g, c.command), c.plain);
    t.g.t.GuessMode = 1;
    EXPECT_EQ(CommandMayRun(t.g, c.command), c.guessing);
    t.g.t.GuessMode = 0;
    t.g.program.NetRole = 1;
    EXPECT_EQ(CommandMayRun(t.g, c.command), c.network);
  }
}

}  // namespace
