#include <gtest/gtest.h>

#include "network/cp1251.h"
#include "network/net_message.h"
#include "test_game.h"

namespace {

int32_t IntAt(const NetBytes& b, size_t at) {
  return static_cast<int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
                              static_cast<uint32_t>(b[at + 3]) << 24);
}

void SetInt(NetBytes& b, size_t at, int32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
}

NetMessage SoundDeal() {
  NetMessage m;
  m.Code = kNetNewGame;
  m.VidG = 0;
  m.FormG = 1;
  m.TrumpSuit = Hearts;
  m.WhoseTurn = 1;
  m.PackSize = 36;
  m.FirstMove = 2;
  m.ChangeTr = 1;
  m.Rows[0][0] = C(Clubs, Six);
  m.Rows[1][0] = C(Spades, Ace);
  m.Rows[4][0] = C(Hearts, Ten);
  return m;
}

NetMessage SoundMove() {
  NetMessage m;
  m.Code = 3;
  m.Value = Spades * 13 + Queen;
  m.CoverIndex = 2;
  m.LeadInProgress = 1;
  m.DefendByCover = 1;
  m.WhoseTurn = 0;
  m.PackSize = 52;
  return m;
}

TEST(NetMessage, EveryHeadFieldLiesAtItsOffset) {
  NetMessage m;
  int32_t* fields[17] = {&m.Value,     &m.CoverIndex,    &m.LeadInProgress,    &m.TrumpSuit,
                         &m.DefendByCover, &m.VidG,      &m.FormG,             &m.WhoseTurn,
                         &m.Code,      &m.PackSize,      &m.ChatLength,        &m.FirstMove,
                         &m.LastCards, &m.DiscardTransfer1, &m.ChangeTr,       &m.ThrowUpMore6Cards,
                         &m.LastCardGame};
  for (int i = 0; i < 17; ++i) *fields[i] = 1000 * (i + 1) - 7 * i - 300000;
  const NetBytes b = EncodeNetMessage(m);
  ASSERT_EQ(b.size(), 4536u);
  for (int i = 0; i < 17; ++i) EXPECT_EQ(IntAt(b, 4 * i), 1000 * (i + 1) - 7 * i - 300000) << i;
}

TEST(NetMessage, RowsAndChatTextLieAtTheirOffsetsWithZeroPadding) {
  NetMessage m;
  m.Rows[0][0] = TCard{Diamonds, King, 1, {7, 7, 7}};
  m.Rows[6][51] = C(Hearts, Two);
  m.ChatText[0] = 'H';
  m.ChatText[99] = 0xC0;
  const NetBytes b = EncodeNetMessage(m);
  EXPECT_EQ(IntAt(b, 68), Diamonds);
  EXPECT_EQ(IntAt(b, 72), King);
  EXPECT_EQ(b[76], 1);
  EXPECT_EQ(b[77] | b[78] | b[79], 0) << "padding is written as zeros";
  const size_t last = 68 + (6 * 52 + 51) * 12;
  EXPECT_EQ(IntAt(b, last), Hearts);
  EXPECT_EQ(b[last + 8], 1);
  EXPECT_EQ(last + 12, 4436u);
  EXPECT_EQ(b[4436], 'H');
  EXPECT_EQ(b[4535], 0xC0);
}

TEST(NetMessage, AnEmptyMessageIsAllZeros) {
  const NetBytes b = EncodeNetMessage(NetMessage{});
  for (size_t i = 0; i < b.size(); ++i) ASSERT_EQ(b[i], 0) << i;
}

TEST(NetMessage, RoundTripsEachCode) {
  for (int code = kNetChat; code <= kNetLastMoveCode; ++code) {
    NetMessage m = code < kNetChat + 3 && code != kNetChat ? SoundDeal() : SoundMove();
    m.Code = code;
    if (code == kNetChat) {
      m.Value = -1;
      m.ChatLength = 3;
      m.ChatText = {'a', 'b', 'c'};
    }
    const NetBytes b = EncodeNetMessage(m);
    const NetMessage back = DecodeNetMessage(b);
    EXPECT_EQ(back, m) << "code " << code;
    EXPECT_EQ(CheckNetMessage(back, Edition285()), NetFault::None) << "code " << code;
  }
}

TEST(NetMessage, ASoundDealPassesInBothEditions) {
  EXPECT_EQ(CheckNetMessage(SoundDeal(), Edition285()), NetFault::None);
  EXPECT_EQ(CheckNetMessage(SoundDeal(), Edition284()), NetFault::None);
}

TEST(NetMessage, EachKindOfBadFieldIsRefused) {
  struct Case {
    const char* what;
    size_t offset;
    int32_t value;
    bool deal;
    NetFault fault;
  };
  const Case cases[] = {
      {"code below the chat", 32, -4, false, NetFault::UnknownCode},
      {"code above the last move", 32, 9, false, NetFault::UnknownCode},
      {"card value", 0, 52, false, NetFault::BadCard},
      {"card value below -1", 0, -2, false, NetFault::BadCard},
      {"CoverIndex", 4, 52, false, NetFault::BadTurnField},
      {"negative CoverIndex", 4, -1, false, NetFault::BadTurnField},
      {"LeadInProgress", 8, 2, false, NetFault::BadTurnField},
      {"TrumpSuit", 12, 4, false, NetFault::BadTurnField},
      {"DefendByCover", 16, 7, false, NetFault::BadTurnField},
      {"WhoseTurn", 28, 3, false, NetFault::BadTurnField},
      {"PackSize", 36, 35, false, NetFault::BadPackSize},
      {"LastCards", 48, 2, false, NetFault::BadOption},
      {"DiscardTransfer1", 52, -1, false, NetFault::BadOption},
      {"ThrowUpMore6Cards", 60, 5, false, NetFault::BadOption},
      {"LastCardGame", 64, 9, false, NetFault::BadOption},
      {"VidG of a patience", 20, 8, true, NetFault::UnknownGame},
      {"negative VidG", 20, -1, true, NetFault::UnknownGame},
      {"FormG not of the kind", 24, 2, true, NetFault::UnknownGame},  // with VidG 3 below
      {"FirstMove", 44, 4, true, NetFault::BadOption},
      {"ChangeTr", 56, -1, true, NetFault::BadOption},
      {"a suit in the rows", 68 + 12 * 5, 4, true, NetFault::BadCard},
      {"a rank in the rows", 68 + 12 * 60 + 4, 13, true, NetFault::BadCard},
  };
  for (const Case& c : cases) {
    NetBytes b = EncodeNetMessage(c.deal ? SoundDeal() : SoundMove());
    if (std::string(c.what) == "FormG not of the kind") SetInt(b, 20, 0), SetInt(b, 24, 9);
    else SetInt(b, c.offset, c.value);
    EXPECT_EQ(CheckNetMessage(DecodeNetMessage(b), Edition285()), c.fault) << c.what;
  }
}

TEST(NetMessage, APresentFlagOtherThanZeroOrOneIsRefused) {
  NetBytes b = EncodeNetMessage(SoundDeal());
  b[68 + 12 * 100 + 8] = 2;
  EXPECT_EQ(CheckNetMessage(DecodeNetMessage(b), Edition285()), NetFault::BadCard);
}

TEST(NetMessage, ADealWithTheSameCardTwiceIsRefused) {
  NetMessage m = SoundDeal();
  m.Rows[5][3] = m.Rows[1][0];
  EXPECT_EQ(CheckNetMessage(m, Edition285()), NetFault::DuplicateCard);
}

TEST(NetMessage, AChatLengthOutside0To100IsRefused) {
  NetMessage m = SoundMove();
  m.Code = kNetChat;
  for (int len : {-1, 101, 5000}) {
    m.ChatLength = len;
    EXPECT_EQ(CheckNetMessage(m, Edition285()), NetFault::BadChatLength) << len;
  }
  m.ChatLength = 100;
  EXPECT_EQ(CheckNetMessage(m, Edition285()), NetFault::None);
}

TEST(NetMessage, FieldsAMoveDoesNotFillAreNotJudged) {
  NetMessage m = SoundMove();
  m.VidG = 99;
  m.FirstMove = -5;
  m.ChatLength = 777;
  m.Rows[0][0].Suit = 9;
  EXPECT_EQ(CheckNetMessage(m, Edition285()), NetFault::None);
}

TEST(NetMessage, AShortBufferDecodesToARefusedRecord) {
  const NetBytes b = EncodeNetMessage(SoundMove());
  const NetMessage m = DecodeNetMessage(std::span(b).first(4535));
  EXPECT_NE(CheckNetMessage(m, Edition285()), NetFault::None);
}

TEST(NetMessage, EveryFaultHasATextInBothLanguages) {
  for (int f = static_cast<int>(NetFault::ShortRecord); f <= static_cast<int>(NetFault::BadName);
       ++f) {
    EXPECT_FALSE(NetFaultText(static_cast<NetFault>(f), 0).empty()) << f;
    EXPECT_FALSE(NetFaultText(static_cast<NetFault>(f), 1).empty()) << f;
  }
}

TEST(Cp1251, CyrillicAndLatinRoundTrip) {
  const std::string text = "Тарвен ёЁ Tarven №1 «ок» Ђђ";
  const std::string wire = Utf8ToCp1251(text);
  EXPECT_EQ(wire.size(), 27u);
  EXPECT_EQ(static_cast<unsigned char>(wire[0]), 0xD2);  // Т
  EXPECT_EQ(static_cast<unsigned char>(wire[7]), 0xB8);  // ё
  EXPECT_EQ(static_cast<unsigned char>(wire[8]), 0xA8);  // Ё
  EXPECT_EQ(Cp1251ToUtf8(wire), text);
}

TEST(Cp1251, WhatHasNoByteBecomesAQuestionMark) {
  EXPECT_EQ(Utf8ToCp1251("a\u4e2db"), "a?b");
  EXPECT_EQ(Cp1251ToUtf8(std::string("x\x98y")), "x?y");
}

TEST(Cp1251, TheFirstLetterIsUpperCased) {
  struct Case {
    std::string in, out;
  };
  const Case cases[] = {{"hello", "Hello"}, {"тарвен", "Тарвен"}, {"ёлка", "Ёлка"},
                        {"Big", "Big"},     {"1abc", "1abc"},     {"", ""}};
  for (const Case& c : cases) {
    EXPECT_EQ(Cp1251ToUtf8(UpperFirstCp1251(Utf8ToCp1251(c.in))), c.out) << c.in;
  }
}

}  // namespace
