// The commentary line, the Move-button caption, the Czech-durak panel
// captions and the pack counter, as one Comment call shows them.
#include "commentary/comment.h"

#include <gtest/gtest.h>

#include "table/layout.h"
#include "test_game.h"

namespace {

// A durak table in a window of the given outer size, laid out.
struct CommentTable : TestGame {
  explicit CommentTable(int width = 635, int height = 475, int vidg = 0) {
    Select(vidg, 0);
    g.t.Options.Style = 5;
    out.window.width = width;
    out.window.height = height;
    for (auto& row : g.t.CardGrid)
      for (TCard& c : row) c.Present = 0;
    LayoutTable(g, WindowGeometry{width, height, height - 46});
  }
  const CommentaryView& Shown() const { return out.commentaries.back(); }
};

// --- what is stored and what changes ------------------------------------------

TEST(Comment, ACaptionAloneLeavesTheCommentAsItIs) {
  CommentTable t;
  Comment(t.g, -1, kCaptionPass);
  EXPECT_EQ(t.g.t.CommentId, -1);
  EXPECT_EQ(t.g.t.ButtonCaptionId, kCaptionPass);
  EXPECT_FALSE(t.Shown().comment.has_value());
  EXPECT_EQ(t.Shown().caption, "Пропустить");
}

TEST(Comment, ACommentAloneLeavesTheCaptionAsItIs) {
  CommentTable t;
  Comment(t.g, 7, -1);
  EXPECT_EQ(t.g.t.CommentId, 7);
  EXPECT_EQ(t.g.t.ButtonCaptionId, -1);
  EXPECT_FALSE(t.Shown().caption.has_value());
  ASSERT_TRUE(t.Shown().comment.has_value());
  EXPECT_EQ(t.Shown().comment->text, "Отбой !");
}

TEST(Comment, IdsOutOfRangeAreStoredButShowNothingNew) {
  CommentTable t;
  Comment(t.g, 15, 9);
  EXPECT_EQ(t.g.t.CommentId, 15);
  EXPECT_EQ(t.g.t.ButtonCaptionId, 9);
  EXPECT_FALSE(t.Shown().comment.has_value());
  EXPECT_FALSE(t.Shown().caption.has_value());
}

TEST(Comment, PatienceGamesAndMemoryHaveNoCommentaryAtAll) {
  for (int vidg : {8, 15, 22, 24, 25}) {
    CommentTable t(635, 475, vidg);
    t.g.t.CommentId = 3;
    t.g.t.ButtonCaptionId = 2;
    Comment(t.g, 7, 2);
    EXPECT_EQ(t.g.t.CommentId, 3) << vidg;
    EXPECT_EQ(t.g.t.ButtonCaptionId, 2) << vidg;
    EXPECT_TRUE(t.out.calls.empty()) << vidg;
  }
}

TEST(Comment, HeartsAndNineTalk) {
  for (int vidg : {7, 23}) {
    CommentTable t(635, 475, vidg);
    Comment(t.g, 0, kCaptionMove);
    EXPECT_EQ(t.out.Count("comment 0 0"), 1) << vidg;
  }
}

TEST(Comment, TheCaptionFollowsTheLanguage) {
  CommentTable t;
  t.g.program.Lang = 1;
  Comment(t.g, -1, kCaptionPickUp);
  EXPECT_EQ(t.Shown().caption, "Pick up");
  t.g.program.Lang = 0;
  Comment(t.g, -1, kCaptionDropCards);
  EXPECT_EQ(t.Shown().caption, "Cброс карт");
  EXPECT_EQ(t.Shown().caption->substr(0, 1), "C") << "the Latin C";
  Comment(t.g, -1, kCaptionEmpty);
  EXPECT_EQ(t.Shown().caption, "");
}

TEST(Comment, Edition284HasNoDropCardsCaption) {
  TestGame t(1, Edition284());
  t.Select(0, 0);
  Comment(t.g, -1, kCaptionDropCards);
  EXPECT_FALSE(t.out.commentaries.back().caption.has_value());
}

// --- which table speaks ---------------------------------------------------------

TEST(Comment, TheComputersStyleChoosesTheWords) {
  CommentTable t;
  t.g.t.Options.Style = 0;
  Comment(t.g, 7, -1);
  EXPECT_EQ(t.Shown().comment->text, "Бита !");
  t.g.t.Options.Style = 3;
  t.g.program.Lang = 1;
  Comment(t.g, 6, -1);
  EXPECT_EQ(t.Shown().comment->text, "You're blind - I have NO cards !");
}

TEST(Comment, CzechDurakAndEightsSpeakNeutrally) {
  for (int vidg : {5, 6}) {
    CommentTable t(635, 475, vidg);
    t.g.t.Options.Style = 0;
    Comment(t.g, 0, kCaptionTakeCard);
    EXPECT_EQ(t.Shown().comment->text, "Ваш ход !") << vidg;
  }
}

TEST(Comment, TheGuessingGameIsAnnouncedAlike) {
  CommentTable t;
  t.g.t.Options.Style = 2;
  Comment(t.g, 10, kCaptionEmpty);
  EXPECT_EQ(t.Shown().comment->text,
            "Угадайте с 3 попыток одну из карт, которой мухлевал катала !");
}

TEST(Comment, ThePartnerThinksUnderItsOwnName) {
  CommentTable t;
  Comment(t.g, 13, kCaptionWait);
  EXPECT_EQ(t.Shown().comment->text, " думает !") << "no network game: no name";
  t.g.program.Lang = 1;
  t.g.program.NetNames = {"Ivan", "Masha"};
  t.g.program.NetRole = 0;  // the client sees the server's name
  Comment(t.g, 13, kCaptionWait);
  EXPECT_EQ(t.Shown().comment->text, "Masha thinks !");
  t.g.program.NetRole = 1;
  Comment(t.g, 13, kCaptionWait);
  EXPECT_EQ(t.Shown().comment->text, "Ivan thinks !");
}

TEST(Comment, AChatLineIsShownAsReceivedEvenInAWideWindow) {
  CommentTable t(1200, 800);
  t.g.t.ChatLine = "Привет, сыграем ещё?";
  Comment(t.g, 14, -1);
  EXPECT_EQ(t.Shown().comment->text, "Привет, сыграем ещё?");
}

// --- wide windows spread the words ------------------------------------------------

TEST(Comment, AboveAThousandPixelsTheTextIsSpaced) {
  CommentTable narrow(1000, 700);
  Comment(narrow.g, 7, -1);
  EXPECT_EQ(narrow.Shown().comment->text, "Отбой !");
  CommentTable wide(1001, 700);
  Comment(wide.g, 7, -1);
  EXPECT_EQ(wide.Shown().comment->text, "О т б о й !");
  wide.g.program.Lang = 1;
  Comment(wide.g, 0, -1);
  EXPECT_EQ(wide.Shown().comment->text, "Y o u r   t u r n !");
}

// --- where the line lies ------------------------------------------------------------

TEST(Comment, TheLineIsCentredOverThePlayersHand) {
  CommentTable t;  // 635 x 475
  t.SetRow(1, {C(0, 6), C(0, 7), C(0, 8), C(1, 6), C(1, 7), C(1, 8)});
  t.g.t.RowCount[1] = 6;
  t.out.commentaryTextWidth = 80;
  Comment(t.g, 0, -1);
  // Six cards: x0 = 635000/8333 = 76, step 635000/8000 = 79, the last card
  // at 76 + 5*79 = 471 and the hand ending at 542; its middle is 76 + 466/2.
  EXPECT_EQ(t.Shown().comment->left, 76 + 233 - 40);
  EXPECT_EQ(t.Shown().comment->top, 475 * 1000 / 1740);
}

TEST(Comment, AnEmptyHandCentresOnOneCardsWidth) {
  CommentTable t(800, 600);
  t.g.t.RowCount[1] = 0;
  t.out.commentaryTextWidth = 51;
  Comment(t.g, 0, -1);
  const int x0 = 800 * 1000 / 2343;
  EXPECT_EQ(t.Shown().comment->left, x0 + 71 / 2 - 51 / 2);
  EXPECT_EQ(t.Shown().comment->top, 600 * 1000 / 1740);
}

// --- the pack counter and the Czech panels ---------------------------------------------

TEST(Comment, ThePackCounterCountsTheTrumpCard) {
  CommentTable t;
  t.g.t.Options.ShowCountPack = 1;
  t.g.t.PutCard(4, 0, C(3, 12));
  t.g.t.RowCount[5] = 23;
  Comment(t.g, 0, 0);
  EXPECT_EQ(t.Shown().packCounter, "24");
  t.g.t.TakeCard(4, 0);
  Comment(t.g, 0, 0);
  EXPECT_FALSE(t.Shown().packCounter.has_value()) << "gone with the trump card";
}

TEST(Comment, ThePackCounterIsOnlyForSimpleJapaneseAndReverseDurak) {
  for (int vidg = 0; vidg <= 7; ++vidg) {
    CommentTable t(635, 475, vidg);
    t.g.t.Options.ShowCountPack = 1;
    t.g.t.PutCard(4, 0, C(3, 12));
    t.g.t.RowCount[5] = 10;
    Comment(t.g, -1, -1);
    EXPECT_EQ(t.Shown().packCounter.has_value(), vidg <= 2) << vidg;
  }
  CommentTable off;
  off.g.t.Options.ShowCountPack = 0;
  off.g.t.PutCard(4, 0, C(3, 12));
  Comment(off.g, -1, -1);
  EXPECT_FALSE(off.Shown().packCounter.has_value());
}

TEST(Comment, CzechDurakRefreshesItsPanelCaptions) {
  CommentTable t(635, 475, 5);
  t.g.t.CzechPointsComputer = 37;
  t.g.t.CzechPointsPlayer = 104;
  Comment(t.g, -1, -1);
  ASSERT_TRUE(t.Shown().panels.has_value());
  EXPECT_EQ(t.Shown().panels->trumpLabel, "Заказать масть");
  EXPECT_EQ(t.Shown().panels->pointsLabel, "Игра ведется до 100 очков");
  EXPECT_EQ(t.Shown().panels->compLabel, "Компьютер :    37");
  EXPECT_EQ(t.Shown().panels->playLabel, "Игрок :             104");
  t.g.program.Lang = 1;
  Comment(t.g, -1, -1);
  EXPECT_EQ(t.Shown().panels->trumpLabel, " Choose the suit");
  EXPECT_EQ(t.Shown().panels->compLabel, "Computer :    37");
  EXPECT_EQ(t.Shown().panels->playLabel, "Player :         104");
}

TEST(Comment, OnlyCzechDurakAndEightsHavePanels) {
  CommentTable eights(635, 475, 6);
  Comment(eights.g, 11, kCaptionPass);
  EXPECT_TRUE(eights.Shown().panels.has_value());
  CommentTable durak;
  Comment(durak.g, 0, 0);
  EXPECT_FALSE(durak.Shown().panels.has_value());
}

}  // namespace
