#include "play/shortcuts.h"

#include <gtest/gtest.h>

#include "durak_table.h"
#include "persistence/settings.h"

namespace {

// The program as started: the key written and read.
struct Started : DurakTable {
  explicit Started(int vidg = 0, int formg = 1, const Edition& e = Edition285()) {
    g.edition = &e;
    EnsureSettingsKey(g, 0, 0);
    WriteSetting(g, "VidG", vidg);
    WriteSetting(g, "FormG", formg);
    LoadSettings(g);
    out.calls.clear();
  }
  int32_t Stored(const char* name) const { return store.Read(name).value_or(-99); }
};

KeyResponse Press(Game& g, ShortcutKey key) {
  return KeyboardShortcut(g, key, KeyContext{});
}

TEST(ShortcutF7, ThrowUpAndTransferChangePlacesWithoutANewDeal) {
  Started t(1, 1);
  t.Computer({C(Spades, Ten)}).Player({C(Clubs, King), C(Diamonds, Seven)});
  const auto cards = t.g.t.CardGrid;
  EXPECT_TRUE(Press(t.g, ShortcutKey::F7).consumed);
  EXPECT_EQ(t.g.t.FormG, 2);
  EXPECT_EQ(t.Stored("FormG"), 2);
  EXPECT_EQ(t.g.t.CardGrid, cards);
  EXPECT_EQ(t.out.Count("animate deal"), 0);
  EXPECT_EQ(t.out.Count("caption Японский дурак - переводной"), 1);
  EXPECT_EQ(t.out.Count("menu 0"), 1) << "the menu of the language is attached again";
  Press(t.g, ShortcutKey::F7);
  EXPECT_EQ(t.g.t.FormG, 1);
  EXPECT_EQ(t.Stored("FormG"), 1);
}

TEST(ShortcutF7, InASimpleGameOnlyRewritesTheFormAndTheCaption) {
  Started t(0, 0);
  WriteSetting(t.g, "FormG", 7);  // whatever the store held, F7 writes the form in play
  Press(t.g, ShortcutKey::F7);
  EXPECT_EQ(t.g.t.FormG, 0);
  EXPECT_EQ(t.Stored("FormG"), 0);
  EXPECT_EQ(t.out.Count("caption Простой дурак"), 1);
}

TEST(ShortcutF9, SwitchesTheWholeInterfaceToTheOtherLanguage) {
  Started t(0, 1);
  Press(t.g, ShortcutKey::F9);
  EXPECT_EQ(t.g.program.Lang, 1);
  EXPECT_EQ(t.Stored("Lang"), 1);
  EXPECT_EQ(t.Stored("VidG"), 0);
  EXPECT_EQ(t.Stored("FormG"), 1);
  EXPECT_EQ(t.out.Count("caption Thrown up fool"), 1);
  EXPECT_EQ(t.out.Count("menu 1"), 1);
  EXPECT_EQ(t.out.Count("help kalvenor_eng.hlp"), 1);
  EXPECT_EQ(t.out.Count("status bar"), 1);
  EXPECT_EQ(t.out.Count("current comment"), 1);
  Press(t.g, ShortcutKey::F9);
  EXPECT_EQ(t.g.program.Lang, 0);
  EXPECT_EQ(t.Stored("Lang"), 0);
  EXPECT_EQ(t.out.Count("menu 0"), 1);
}

TEST(LanguageItems, TheItemOfTheLanguageInUseChangesNothing) {
  Started t(0, 1);
  SelectLanguage(t.g, 0);
  EXPECT_EQ(t.g.program.Lang, 0);
  EXPECT_TRUE(t.out.calls.empty());
  SelectLanguage(t.g, 1);
  EXPECT_EQ(t.g.program.Lang, 1);
  SelectLanguage(t.g, 1);
  EXPECT_EQ(t.g.program.Lang, 1);
}

TEST(ShortcutOptions, F8FlipsTheAnimationAndWritesIt) {
  Started t;
  ASSERT_EQ(t.g.t.Options.Animation, 1);
  Press(t.g, ShortcutKey::F8);
  EXPECT_EQ(t.g.t.Options.Animation, 0);
  EXPECT_EQ(t.Stored("Animation"), 0);
  Press(t.g, ShortcutKey::F8);
  EXPECT_EQ(t.g.t.Options.Animation, 1);
  EXPECT_EQ(t.Stored("Animation"), 1);
}

TEST(ShortcutOptions, F11AndF12FlipTheScoreDisplayAndReReadTheSettings) {
  Started t;
  Press(t.g, ShortcutKey::F11);
  EXPECT_EQ(t.g.t.Options.NumberOrPercent, 1);
  EXPECT_EQ(t.Stored("NumberOrPercent"), 1);
  Press(t.g, ShortcutKey::F12);
  EXPECT_EQ(t.g.t.Options.StatSeparate, 1);
  EXPECT_EQ(t.Stored("StatSeparate"), 1);
  EXPECT_EQ(t.out.Count("status bar"), 2) << "each re-read refreshes the status bar";
}

TEST(ShortcutOptions, MinusMovesTheTrumpsToTheOtherEndOfTheHand) {
  Started t;
  t.g.t.TrumpSuit = Hearts;
  t.Player({C(Clubs, King), C(Hearts, Seven), C(Diamonds, Nine)});
  ASSERT_TRUE(SameCard(t.At(1, 0), C(Hearts, Seven))) << "trumps start at the left";
  Press(t.g, ShortcutKey::Minus);
  EXPECT_EQ(t.Stored("Tr_Left_Right"), 1);
  EXPECT_TRUE(SameCard(t.At(1, 2), C(Hearts, Seven)));
  EXPECT_EQ(t.out.Count("repaint"), 1);
  Press(t.g, ShortcutKey::Minus);
  EXPECT_EQ(t.Stored("Tr_Left_Right"), 0);
  EXPECT_TRUE(SameCard(t.At(1, 0), C(Hearts, Seven)));
}

TEST(ShortcutOptions, EqualsSortsTheHandBySuitsInsteadOfByRank) {
  Started t;
  t.g.t.TrumpSuit = Hearts;
  t.Player({C(Clubs, King), C(Spades, Ace), C(Clubs, Seven)});
  ASSERT_EQ(t.g.t.Options.TrSuitOld, 1);
  ASSERT_TRUE(SameCard(t.At(1, 0), C(Spades, Ace))) << "by rank: the ace leads";
  Press(t.g, ShortcutKey::Plus);
  EXPECT_EQ(t.Stored("Tr_Suit_Old"), 0);
  // By suits the two clubs lie together.
  EXPECT_EQ(t.At(1, 0).Suit, Clubs);
  EXPECT_EQ(t.At(1, 1).Suit, Clubs);
}

TEST(ShortcutEscape, MinimisesOnlyWhenTheOptionSaysSo) {
  Started t;
  EXPECT_TRUE(Press(t.g, ShortcutKey::Escape).minimise);
  t.g.t.Options.MinOnEscape = 0;
  const KeyResponse r = Press(t.g, ShortcutKey::Escape);
  EXPECT_FALSE(r.minimise);
  EXPECT_FALSE(r.consumed);
}

TEST(ShortcutEscape, DoesNothingInEdition284) {
  Started t(0, 1, Edition284());
  t.g.t.Options.MinOnEscape = 1;
  EXPECT_FALSE(Press(t.g, ShortcutKey::Escape).minimise);
}

TEST(ShortcutF1, AsksForTheHelp) {
  Started t(12, 0);
  EXPECT_TRUE(Press(t.g, ShortcutKey::F1).openHelp);
}

TEST(ShortcutsListen, NotWhileABoxOrADialogIsUpNorDuringTheDeal) {
  Started t;
  EXPECT_TRUE(ShortcutsListen(t.g, false));
  t.g.program.ModalFlag = -1;
  EXPECT_FALSE(ShortcutsListen(t.g, false));
  EXPECT_FALSE(ShortcutsListen(t.g, true));
  t.g.program.ModalFlag = 1;
  t.g.t.Dealing = 1;
  EXPECT_FALSE(ShortcutsListen(t.g, false));
}

TEST(ShortcutsListen, Edition284KeepsThemWhileItsDialogsAreOpenButNotUnderAMessageBox) {
  Started t(0, 1, Edition284());
  t.g.program.ModalFlag = -1;
  EXPECT_TRUE(ShortcutsListen(t.g, true));
  EXPECT_FALSE(ShortcutsListen(t.g, false));
}

TEST(NewGameCommand, DealsOutsideANetworkGameAndOnlyTheServerAsksForADeal) {
  Started t;
  NewGameCommand(t.g);
  EXPECT_EQ(t.out.Count("animate deal"), 1);
  t.out.calls.clear();
  t.g.program.NetRole = 0;
  NewGameCommand(t.g);
  EXPECT_TRUE(t.out.calls.empty()) << "the client cannot deal";
  t.g.program.NetRole = 1;
  NewGameCommand(t.g);
  EXPECT_EQ(t.out.Count("request new deal"), 1);
  EXPECT_EQ(t.out.Count("animate deal"), 0);
}

}  // namespace
