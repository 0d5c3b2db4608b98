// The end of a lost deal against the sharper on the real window: the
// guessing game that follows keeps the Move button away, a correct guess is
// announced over a clear table, the menus follow the guessing game without
// being opened, and closing the window in the middle of it counts the loss.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QSettings>
#include <string>

#include "core/hand_order.h"
#include "persistence/statistics.h"
#include "play_window.h"
#include "ui/main_menu.h"
#include "ui/window_shell.h"

namespace {

constexpr int kPiled = 3;
constexpr int kClubs = 0, kSpades = 1, kDiamonds = 2, kHearts = 3;
constexpr int kSeven = 5, kEight = 6, kNine = 7, kAce = 12;

TCard Card(int suit, int rank) {
  return TCard{suit, rank, 1, {}};
}

int SlotOf(const TTableState& t, int row, const TCard& card) {
  for (int s = 0; s < kSlots; ++s) {
    const TCard& c = t.CardGrid[row][s];
    if (c.Present == 1 && c.Suit == card.Suit && c.Rank == card.Rank) return s;
  }
  return -1;
}

// Piled durak against the sharper with the guessing game on, the stock
// used up: the player leads his seven of clubs into the computer's last
// card, the ace, and loses with two cards left.
void LaySharpersLastTrick(PlayWindow& w) {
  Game& g = w.window->game();
  TTableState& t = g.t;
  t.Options.Style = 4;
  t.Options.CheckS = 1;
  t.Options.LevelS = 0;  // five guesses
  for (auto& row : t.CardGrid)
    for (TCard& c : row) c.Present = 0;
  t.PutCard(0, 0, Card(kClubs, kAce));
  t.PutCard(1, 0, Card(kClubs, kSeven));
  t.PutCard(1, 1, Card(kSpades, kEight));
  t.PutCard(1, 2, Card(kDiamonds, kNine));
  t.TrumpSuit = kHearts;
  t.WhoseTurn = 1;
  t.CoverIndex = 0;
  CountRows(g);
  w.window->RepaintTable(true);
}

std::unique_ptr<PlayWindow> SharperAboutToWin() {
  PlaySetup s;
  s.vidg = kPiled;
  s.formg = 1;
  for (; s.seed < 60; ++s.seed) {
    auto w = std::make_unique<PlayWindow>(s);
    w->Start();
    if (w->t().WhoseTurn != 1 || w->t().RowCount[2] != 0) continue;
    LaySharpersLastTrick(*w);
    return w;
  }
  return nullptr;
}

void LoseTheDeal(PlayWindow& w) {
  w.ClickHandCard(SlotOf(w.t(), 1, Card(kClubs, kSeven)));
  QApplication::processEvents();
}

QLabel* Commentary(PlayWindow& w) {
  return w.window->findChild<QLabel*>("Label1");
}

QAction* Item(PlayWindow& w, const char* name) {
  return w.window->findChild<QAction*>(QString::fromUtf8(name));
}

// What the table shows around each game message box and while cards move.
struct TalkWatch {
  std::vector<bool> buttonAtBox, commentAtBox;
  int buttonFramesWhileGuessing = 0;
  int talkFramesAfterResult = 0;  // between the box and the next deal
  bool resultShown = false;
  bool dealStarted = false;

  explicit TalkWatch(PlayWindow& w) {
    w.window->callouts().SetMessageObserver([this, &w](const GameMessageBox&) {
      buttonAtBox.push_back(w.moveButton()->isVisible());
      commentAtBox.push_back(Commentary(w)->isVisible());
      resultShown = true;
      dealStarted = false;
    });
    w.window->callouts().Animator().Clock().SetFrameObserver([this, &w] {
      ++w.frames;
      const bool button = w.moveButton()->isVisible();
      if (w.t().GuessMode == 1 && button) ++buttonFramesWhileGuessing;
      if (w.t().Dealing == 1) dealStarted = true;
      if (resultShown && !dealStarted && (button || Commentary(w)->isVisible()))
        ++talkFramesAfterResult;
    });
  }
};

TEST(GuessingWindow, TheMoveButtonStaysAwayThroughTheGuessingGame) {
  auto w = SharperAboutToWin();
  ASSERT_TRUE(w);
  TalkWatch watch(*w);
  LoseTheDeal(*w);
  ASSERT_EQ(w->t().GuessMode, 1) << "the loss to the sharper opens the guessing game";
  ASSERT_EQ(watch.buttonAtBox.size(), 1u);
  EXPECT_FALSE(watch.buttonAtBox[0]) << "the Move button behind \"You lost\"";
  EXPECT_FALSE(watch.commentAtBox[0]) << "the comment behind \"You lost\"";
  EXPECT_FALSE(w->moveButton()->isVisible());
  EXPECT_TRUE(Commentary(*w)->isVisible()) << "the guessing game says what to do";
  EXPECT_TRUE(Commentary(*w)->text().contains(QString::fromUtf8("катала")) ||
              Commentary(*w)->text().contains(QStringLiteral("sharper")));

  // Two wrong guesses: the cards fly, the button stays away.
  for (const TCard& guess : {Card(kClubs, kSeven), Card(kSpades, kEight)}) {
    w->ClickHandCard(SlotOf(w->t(), 1, guess));
    QApplication::processEvents();
    EXPECT_FALSE(w->moveButton()->isVisible());
  }
  EXPECT_GT(w->frames, 0);
  EXPECT_EQ(watch.buttonFramesWhileGuessing, 0);
}

TEST(GuessingWindow, ARightGuessIsAnnouncedOverAClearTableAndNothingComesBackBeforeTheDeal) {
  auto w = SharperAboutToWin();
  ASSERT_TRUE(w);
  TalkWatch watch(*w);
  LoseTheDeal(*w);
  ASSERT_EQ(w->t().GuessMode, 1);
  const TCard swindled = Card(kHearts, kAce);
  w->t().SwindleCards[0] = swindled;
  w->t().SwindleCount = 1;
  watch.resultShown = false;
  watch.talkFramesAfterResult = 0;
  const int winsBefore = w->t().Stats[kPiled].Wins;
  w->ClickHandCard(SlotOf(w->t(), 1, swindled));
  QApplication::processEvents();
  ASSERT_EQ(watch.buttonAtBox.size(), 2u);
  EXPECT_FALSE(watch.buttonAtBox[1]) << "the Move button behind \"You have guessed\"";
  EXPECT_FALSE(watch.commentAtBox[1]) << "the old comment behind \"You have guessed\"";
  EXPECT_EQ(watch.talkFramesAfterResult, 0) << "the talk came back between the box and the deal";
  EXPECT_EQ(w->t().Stats[kPiled].Wins, winsBefore + 1);
  EXPECT_EQ(w->t().GuessMode, 0);
  EXPECT_TRUE(watch.dealStarted) << "a new deal followed";
  EXPECT_TRUE(w->moveButton()->isVisible()) << "the new deal brings the button back";
}

TEST(GuessingWindow, TheMenusGreyTheTableCommandsAtOnceAndEachCommandRefusesItself) {
  auto w = SharperAboutToWin();
  ASSERT_TRUE(w);
  ASSERT_TRUE(Item(*w, "MUndo")->isEnabled());
  LoseTheDeal(*w);
  ASSERT_EQ(w->t().GuessMode, 1);
  // No menu was opened since the guessing game began.
  for (const char* name : {"MUndo", "MSaveGame", "MLoadGame", "MSuit", "MColorTable", "MProperties",
                           "MUndo1", "MProperties1"}) {
    EXPECT_FALSE(Item(*w, name)->isEnabled()) << name;
  }
  EXPECT_TRUE(Item(*w, "MNewGame")->isEnabled());
  const int spread = w->t().RowCount[1];
  // The commands themselves, as a shortcut would reach them.
  for (const MenuCommand c :
       {MenuCommand::Undo, MenuCommand::RestoreGame, MenuCommand::Options, MenuCommand::CardBack}) {
    w->window->shell().Command(c);
    EXPECT_EQ(w->t().GuessMode, 1) << static_cast<int>(c);
    EXPECT_EQ(w->t().RowCount[1], spread) << static_cast<int>(c);
    EXPECT_EQ(w->window->game().program.ModalFlag, 1) << "no dialog opened";
  }
  // Five misses end the guessing game and the commands are back.
  for (int guess = 0; guess < 5 && w->t().GuessMode == 1; ++guess) {
    w->ClickHandCard(0);
    QApplication::processEvents();
  }
  ASSERT_EQ(w->t().GuessMode, 0);
  EXPECT_TRUE(Item(*w, "MUndo")->isEnabled());
  EXPECT_TRUE(Item(*w, "MProperties1")->isEnabled());
}

TEST(GuessingWindow, ClosingTheWindowDuringTheGuessingGameCountsAndStoresTheLoss) {
  auto w = SharperAboutToWin();
  ASSERT_TRUE(w);
  const Edition& e = *w->window->game().edition;
  const int lossesBefore = w->t().Stats[kPiled].Losses;
  LoseTheDeal(*w);
  ASSERT_EQ(w->t().GuessMode, 1);
  EXPECT_EQ(w->t().Stats[kPiled].Losses, lossesBefore) << "the loss waits for the guesses";
  w->window->close();
  EXPECT_EQ(w->t().Stats[kPiled].Losses, lossesBefore + 1);
  EXPECT_EQ(w->t().GuessMode, 0);
  QCoreApplication::processEvents();
  const std::string_view name = StatisticName(e, kPiled, 1);
  QSettings stored(QSettings::IniFormat, QSettings::UserScope, "Software",
                   QString::fromUtf8(e.settingsKey.data(), e.settingsKey.size()));
  EXPECT_EQ(stored.value(QString::fromUtf8(name.data(), name.size())).toInt(), lossesBefore + 1);
}

}  // namespace
