#include <gtest/gtest.h>

#include "durak/trump_exchange.h"
#include "durak_table.h"

namespace {

// Hearts trumps, the king of hearts under the stock.
DurakTable ExchangeTable(int vidg = 0) {
  DurakTable d(vidg, 1, Hearts);
  d.g.t.WhoseTurn = 1;
  d.TrumpCard(C(Hearts, King))
      .Computer({C(Hearts, Seven), C(Clubs, Seven), C(Clubs, Eight), C(Clubs, Nine), C(Clubs, Ten),
                 C(Clubs, Jack)})
      .Player({C(Hearts, Six), C(Spades, Seven), C(Spades, Eight), C(Spades, Nine), C(Spades, Ten),
               C(Spades, Jack)})
      .Stock(12);
  return d;
}

TEST(DurakTrumpExchange, TheSixOfTrumpsTakesThePlaceOfTheTrumpCard) {
  DurakTable d = ExchangeTable();
  EXPECT_TRUE(TrumpExchange(d.g, 1));
  EXPECT_TRUE(SameCard(d.At(4, 0), C(Hearts, Six)));
  EXPECT_TRUE(d.g.t.IsPresent(4, 0));
  EXPECT_GE(d.SlotOf(1, C(Hearts, King)), 0);
  EXPECT_LT(d.SlotOf(1, C(Hearts, Six)), 0);
  EXPECT_EQ(d.g.t.RowCount[1], 6);
}

TEST(DurakTrumpExchange, TheExchangeIsSeenStepByStep) {
  DurakTable d = ExchangeTable();
  d.g.t.Options.Sound = 1;
  const int six = d.SlotOf(1, C(Hearts, Six));
  TrumpExchange(d.g, 1);
  const std::string blink = "blink 1 " + std::to_string(six);
  const std::string away = "exchange 1 " + std::to_string(six) + " to trump";
  const std::string back = "exchange 1 " + std::to_string(six) + " to hand";
  const std::string chime = "wav Voices/sfind.wav async";
  const std::string slide = "wav Voices/sfromkol.wav async";
  const std::vector<std::string> expected = {"status bar", chime, blink, "pause 400", slide,
                                             away,         slide, back,  "repaint"};
  EXPECT_EQ(d.out.calls, expected);
}

TEST(DurakTrumpExchange, WithFiftyTwoCardsTheTwoIsExchanged) {
  DurakTable d = ExchangeTable();
  d.g.program.PackSize = 52;
  EXPECT_FALSE(TrumpExchange(d.g, 1)) << "the six is no exchange card in a full pack";
  d.Player({C(Hearts, Two), C(Spades, Seven)});
  EXPECT_TRUE(TrumpExchange(d.g, 1));
  EXPECT_TRUE(SameCard(d.At(4, 0), C(Hearts, Two)));
}

TEST(DurakTrumpExchange, AHandWithoutTheSixExchangesNothing) {
  DurakTable d = ExchangeTable();
  EXPECT_FALSE(TrumpExchange(d.g, 0));
  EXPECT_TRUE(SameCard(d.At(4, 0), C(Hearts, King)));
  EXPECT_TRUE(d.out.calls.empty());
}

TEST(DurakTrumpExchange, PiledAndRoadDurakHaveNoTrumpCardToExchange) {
  for (int vidg : {3, 4}) {
    DurakTable d = ExchangeTable(vidg);
    EXPECT_FALSE(TrumpExchange(d.g, 1)) << "VidG " << vidg;
  }
}

TEST(DurakTrumpExchange, TheOptionSaysWhoseHandMayExchange) {
  DurakTable d = ExchangeTable();
  d.g.t.Options.ChangeTr = 2;  // the computer only
  TrumpExchangesAtStart(d.g);
  EXPECT_TRUE(SameCard(d.At(4, 0), C(Hearts, King)));
  d.g.t.Options.ChangeTr = 3;
  TrumpExchangesAtStart(d.g);
  EXPECT_TRUE(SameCard(d.At(4, 0), C(Hearts, Six)));
}

TEST(DurakTrumpExchange, TheLowerTrumpLeadsAfterTheExchange) {
  // After the player gives up his six, his lowest trump is the king; the
  // computer's seven is lower, so the computer leads.
  DurakTable d = ExchangeTable();
  d.g.t.WhoseTurn = 1;
  TrumpExchange(d.g, 1);
  EXPECT_EQ(d.g.t.WhoseTurn, 0);
}

TEST(DurakTrumpExchange, TheExchangingSideLeadsWhenTheOtherHoldsNoTrump) {
  DurakTable d = ExchangeTable();
  d.Computer({C(Diamonds, Seven), C(Clubs, Seven)});
  d.g.t.WhoseTurn = 0;
  TrumpExchange(d.g, 1);
  EXPECT_EQ(d.g.t.WhoseTurn, 1);
}

TEST(DurakTrumpExchange, AFixedFirstMoverIsKept) {
  DurakTable d = ExchangeTable();
  d.g.t.Options.FirstMove = 2;  // always the player
  d.g.t.WhoseTurn = 1;
  TrumpExchange(d.g, 1);
  EXPECT_EQ(d.g.t.WhoseTurn, 1);
}

}  // namespace
