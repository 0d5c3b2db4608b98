#include <gtest/gtest.h>

#include "core/game_message.h"
#include "test_game.h"

namespace {

TEST(GameMessage, AWinIsAPlainBoxAboveTheMiddleOfTheWindow) {
  TestGame tg;
  tg.out.window = {100, 50, 635, 475};
  EXPECT_EQ(ShowGameMessage(tg.g, kMsgYouWin, -1), 1);
  ASSERT_EQ(tg.out.messages.size(), 1u);
  const GameMessageBox& box = tg.out.messages[0];
  EXPECT_EQ(box.text, "  Вы выиграли !");
  EXPECT_FALSE(box.question);
  EXPECT_EQ(box.left, 100 + 317 - 56);  // Width/2 truncated
  EXPECT_EQ(box.top, 50 + 237 - 52);
  EXPECT_EQ(tg.g.program.ModalFlag, 1);
}

TEST(GameMessage, AWiderBoxIsCentredOnTheSamePointAndANarrowOneKeepsItsOffset) {
  TestGame tg;
  tg.out.window = {100, 50, 635, 475};
  ShowGameMessage(tg.g, kMsgYouWin, -1);
  const GameMessageBox& box = tg.out.messages.at(0);
  const int centre = 100 + 317;
  struct Case {
    int width, left;
  };
  // The offset 56 was made for a box 112 pixels wide.
  const Case cases[] = {{90, centre - 56},
                        {112, centre - 56},
                        {113, centre - 56},
                        {250, centre - 125},
                        {251, centre - 125}};
  for (const Case& c : cases) {
    EXPECT_EQ(GameMessageLeft(box, c.width), c.left) << c.width;
    if (c.width > 112) {
      EXPECT_LE(GameMessageLeft(box, c.width), centre - c.width / 2);
      EXPECT_GE(GameMessageLeft(box, c.width) + c.width, centre + c.width / 2);
    }
  }
}

TEST(GameMessage, WithConfirmationAResultAsksToContinue) {
  TestGame tg;
  tg.g.t.Options.ConfNewgame = 1;
  tg.g.program.Lang = 1;
  EXPECT_EQ(ShowGameMessage(tg.g, kMsgYouWin, -1), 1);
  EXPECT_EQ(tg.out.messages[0].text, "    You  win !  Continue game ?");
  EXPECT_TRUE(tg.out.messages[0].question);
  EXPECT_EQ(tg.out.messages[0].left, 0 + 317 - 92);
  EXPECT_EQ(tg.out.Count("close window"), 0);
}

TEST(GameMessage, CancelInTheQuestionClosesTheProgramAndKeepsTheModalFlag) {
  TestGame tg;
  tg.g.t.Options.ConfNewgame = 1;
  tg.out.messageAnswer = false;
  EXPECT_EQ(ShowGameMessage(tg.g, kMsgYouLost, -1), 0);
  EXPECT_EQ(tg.out.Count("close window"), 1);
  EXPECT_EQ(tg.g.program.ModalFlag, -1);
}

TEST(GameMessage, SaveFileErrorAsksWithCodeZerosOffsets) {
  TestGame tg;
  tg.g.t.Options.ConfNewgame = 1;
  ShowGameMessage(tg.g, kMsgCannotCreateSave, -1);
  EXPECT_TRUE(tg.out.messages[0].question);
  EXPECT_EQ(tg.out.messages[0].left, 317 - 121);
}

TEST(GameMessage, CodesFromEightOnAreAlwaysPlain) {
  TestGame tg;
  tg.g.t.Options.ConfNewgame = 1;
  tg.out.messageAnswer = false;  // a plain box has only OK
  for (int code = 8; code < kGameMessageCount; ++code) {
    EXPECT_EQ(ShowGameMessage(tg.g, code, -1), 1);
    EXPECT_FALSE(tg.out.messages.back().question);
  }
  EXPECT_EQ(tg.out.Count("close window"), 0);
}

TEST(GameMessage, ThePartnersNameComesBeforeTheText) {
  TestGame tg;
  tg.g.program.Lang = 1;
  tg.g.program.NetNames = {"Masha", "Petya"};
  ShowGameMessage(tg.g, kMsgPartnerLeft, 1);
  EXPECT_EQ(tg.out.messages[0].text, "Petya was disconnected, continue game with the computer.");
  EXPECT_EQ(tg.out.messages[0].left, 317 - 165);
}

}  // namespace
