// The computer's leads once the stock is exhausted: which table the hand
// sizes pick, who may use it, and the card each table names.
//
// Hands are written as cards like "QH" (queen of hearts) or "TS" (ten of
// spades); hearts are trumps unless a test says otherwise.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/hand_order.h"
#include "durak/endgame_tables.h"
#include "test_game.h"

namespace {

constexpr char kRanks[] = "23456789TJQKA";
constexpr char kSuits[] = "CSDH";

TCard Parse(const std::string& name) {
  const int rank = static_cast<int>(std::string(kRanks).find(name.at(0)));
  const int suit = static_cast<int>(std::string(kSuits).find(name.at(1)));
  return C(suit, rank);
}

std::string Name(const TCard& c) {
  return {kRanks[c.Rank], kSuits[c.Suit]};
}

std::vector<TCard> ParseHand(const std::string& text) {
  std::istringstream in(text);
  std::vector<TCard> cards;
  for (std::string word; in >> word;) cards.push_back(Parse(word));
  return cards;
}

class Endgame : public ::testing::Test {
 protected:
  void SetUp() override {
    game.Select(0, 1);  // Simple durak, throw-up form
    g.t.TrumpSuit = Hearts;
    g.t.Options.Style = 5;  // the professional reaches every table
    g.t.Options.Level = 1;
  }

  // Both hands, the trump card gone from under the stock, rows counted and
  // sorted as in play.
  void Deal(const std::string& computer, const std::string& player) {
    SetRow(0, ParseHand(computer));
    SetRow(1, ParseHand(player));
    game.SetRow(4, {});
    game.SetRow(5, {});
    CountRows(g);
  }

  // The card the tables lead for these hands, or "none".
  std::string Lead(const std::string& computer, const std::string& player) {
    Deal(computer, player);
    return Lead();
  }
  std::string Lead() {
    const int slot = EndgameChoice(g);
    if (slot < 0) return "none";
    EXPECT_LT(slot, g.t.RowCount[0]);
    return Name(g.t.CardGrid[0][slot]);
  }

  void Personality(int style, int level) {
    g.t.Options.Style = style;
    g.t.Options.Level = level;
  }

  void SetRow(int row, const std::vector<TCard>& cards) {
    game.SetRow(row, {});
    for (size_t s = 0; s < cards.size(); ++s) g.t.PutCard(row, static_cast<int>(s), cards[s]);
  }

  TestGame game;
  Game& g = game.g;
};

// ---- Two cards against two -------------------------------------------------

TEST_F(Endgame, TwoTrumpsAgainstNoTrumpLeadTheLowerTrump) {
  EXPECT_EQ(Lead("KH 7H", "AS 6D"), "7H");
}

TEST_F(Endgame, TwoAgainstTwoLeadsTheLowerTrumpThatTopsThePlayersTrumps) {
  EXPECT_EQ(Lead("AH QH", "JH 6S"), "QH");
  EXPECT_EQ(Lead("AH 6S", "KH 7C"), "AH");
}

TEST_F(Endgame, TwoAgainstTwoLeadsTheTrumpWhenThePlayerHasNone) {
  EXPECT_EQ(Lead("9H 7S", "AS 6D"), "9H");
}

TEST_F(Endgame, TwoAgainstTwoLeadsASuitThePlayerCannotFollow) {
  EXPECT_EQ(Lead("AS 7D", "6S 9C"), "7D");
  EXPECT_EQ(Lead("AS 7D", "6D 9C"), "AS");
}

TEST_F(Endgame, TwoAgainstTwoLeadsACardAboveThePlayersHighestOfItsSuit) {
  EXPECT_EQ(Lead("AS 7D", "KS 8D"), "AS");
  EXPECT_EQ(Lead("8S AD", "7S 6D"), "8S");
}

TEST_F(Endgame, TwoAgainstTwoLeadsTheTrumpOfAPair) {
  EXPECT_EQ(Lead("9H 9S", "KH 6S"), "9H");
}

TEST_F(Endgame, TwoAgainstTwoWithNoRuleHoldingGivesNoCard) {
  EXPECT_EQ(Lead("9S 8D", "6H 7C"), "none");
}

// ---- Two cards against four, and against five or more -----------------------

TEST_F(Endgame, TwoAgainstFourKeepsTheUnbeatableTrumpAndLeadsTheOther) {
  EXPECT_EQ(Lead("AH 7S", "KH 6S 6D 6C"), "7S");
  EXPECT_EQ(Lead("AH QH", "JH 6S 6D 6C"), "QH");
}

TEST_F(Endgame, TwoAgainstFourWithoutTrumpsLeadsASuitThePlayerLacks) {
  EXPECT_EQ(Lead("AS 7D", "6S 8C 9C TC"), "7D");
  EXPECT_EQ(Lead("AS 7D", "6D 8C 9C TC"), "AS");
  EXPECT_EQ(Lead("AS 7D", "6H 6S 6D 6C"), "none");
}

TEST_F(Endgame, TwoAgainstFiveLeadsTheUnbeatableTrumpItself) {
  EXPECT_EQ(Lead("AH 7S", "KH 6S 6D 6C 7C"), "AH");
  EXPECT_EQ(Lead("AH QH", "JH 6S 6D 6C 7C 7D"), "QH");
}

// ---- Three cards against one -------------------------------------------------

TEST_F(Endgame, ThreeAgainstOneLeadsTheLowestTrumpAboveThePlayersTrump) {
  EXPECT_EQ(Lead("AH KH QH", "JH"), "QH");
  EXPECT_EQ(Lead("AH KH 6S", "QH"), "KH");
  EXPECT_EQ(Lead("AH 9S 8D", "KH"), "AH");
}

TEST_F(Endgame, ThreeAgainstOneLeadsALowTrumpWhenThePlayerHasNone) {
  EXPECT_EQ(Lead("AH KH 6S", "7D"), "KH");
  EXPECT_EQ(Lead("AH KH QH", "7D"), "QH");
}

TEST_F(Endgame, ThreeAgainstOneLeadsACardOfAnotherSuitThanThePlayersLastCard) {
  EXPECT_EQ(Lead("AH 9S 8D", "7S"), "8D");
  EXPECT_EQ(Lead("AH 9S 8D", "7D"), "9S");
  EXPECT_EQ(Lead("AS 9D 8C", "7S"), "8C");
  EXPECT_EQ(Lead("AD 9C 8S", "7S"), "9C");
  EXPECT_EQ(Lead("AC 9S 8S", "7S"), "AC");
}

TEST_F(Endgame, ThreeAgainstOneOfOneSuitLeadsTheLowestCardAboveThePlayers) {
  EXPECT_EQ(Lead("AS 9S 8S", "7S"), "8S");
  EXPECT_EQ(Lead("AS 9S 7S", "8S"), "9S");
  EXPECT_EQ(Lead("AS 8S 7S", "9S"), "AS");
}

TEST_F(Endgame, ThreeAgainstOneTrumpWithoutTrumpsOfItsOwnGivesNoCard) {
  EXPECT_EQ(Lead("9S 8S 7S", "6H"), "none");
}

// ---- Three cards against three or more ----------------------------------------

TEST_F(Endgame, ThreeOfAKindLeadsTheFirst) {
  EXPECT_EQ(Lead("9H 9S 9D", "AH 6S 6D"), "9H");
}

TEST_F(Endgame, ThreeAgainstThreeLeadsAnUnbeatableTrumpOrItsPartner) {
  EXPECT_EQ(Lead("AH KH QH", "JH 6S 6D"), "QH");
  EXPECT_EQ(Lead("AH KH KS", "QH 6S 6D"), "KS");
  EXPECT_EQ(Lead("AH KH 7S", "QH 6S 6D"), "KH");
  EXPECT_EQ(Lead("AH AS 7D", "KH 6S 6D"), "AS");
  EXPECT_EQ(Lead("9H AS 9D", "8H 6S 6D"), "9D");
  EXPECT_EQ(Lead("AH 7S 7D", "KH 6S 6D"), "AH");
}

TEST_F(Endgame, ThreeAgainstThreeWithoutPlayerTrumpsLeadsALowTrump) {
  EXPECT_EQ(Lead("AH KH QH", "AS 6S 6D"), "QH");
  EXPECT_EQ(Lead("AH KH 7S", "6S 6D 6C"), "KH");
}

TEST_F(Endgame, ThreeAgainstThreeLeadsTheSecondTrumpAboveThePlayersSecond) {
  EXPECT_EQ(Lead("AH TH 7S", "KH 9H 6S"), "TH");
}

TEST_F(Endgame, ThreeAgainstThreeLeadsTheHighTrumpBelowThePlayersAce) {
  EXPECT_EQ(Lead("TH 9H 7S", "AH 8S 6D"), "TH");
  EXPECT_EQ(Lead("TH 7H 7S", "AH 8H 6D"), "TH");
}

TEST_F(Endgame, LowTrumpLeadsWhenThePlayerMustSpendHisTrumpOnIt) {
  EXPECT_EQ(Lead("7H KS 6D", "KH 9C 8S"), "7H");
  EXPECT_EQ(Lead("7H KS 6D", "KH AC 8S"), "7H");
  EXPECT_EQ(Lead("7H KS 6D", "KH AS 8D"), "none");
}

TEST_F(Endgame, LowTrumpLeadIsLeftToThePersonalityInTheTransferForm) {
  game.Select(0, 2);
  EXPECT_EQ(Lead("7H KS 6D", "KH 9C 8S"), "none");
  EXPECT_EQ(Lead("7H KS 6D", "KH AC 8S"), "none");
}

// ---- Four cards against two ---------------------------------------------------

TEST_F(Endgame, FourAgainstTwoLeadsTheLowestUnbeatableOrUnanswerableTrump) {
  EXPECT_EQ(Lead("AH KH QH JH", "TH 6S"), "JH");
  EXPECT_EQ(Lead("AH KH QH 6S", "JH 7S"), "QH");
  EXPECT_EQ(Lead("AH KH 7S 6S", "QH 7D"), "KH");
  EXPECT_EQ(Lead("AH KH QH JH", "AS 7S"), "JH");
  EXPECT_EQ(Lead("AH KH QH 6S", "AS 7S"), "QH");
  EXPECT_EQ(Lead("AH KH 7S 6D", "AS 8C"), "KH");
}

TEST_F(Endgame, FourAgainstTwoAttacksWithTheTrumpAboveThePlayers) {
  EXPECT_EQ(Lead("AH 9H 8H 6S", "KH 7S"), "AH");
  EXPECT_EQ(Lead("AH 9H 8H AS", "KH 7S"), "AS");
}

TEST_F(Endgame, FourAgainstTwoLeadsTheTopTrumpBeforeAThreeOfAKind) {
  EXPECT_EQ(Lead("AH 9S 9D 9C", "AS 6D"), "AH");
  EXPECT_EQ(Lead("AH 9C 9S 9D", "KH 6D"), "AH");
}

TEST_F(Endgame, FourAgainstTwoLeadsFromTwoPairs) {
  EXPECT_EQ(Lead("AH AS 9S 9D", "KH 6D"), "AS");
  EXPECT_EQ(Lead("9H KS KD 9C", "AS 6D"), "9C");
  EXPECT_EQ(Lead("AH KS 7D 6C", "AS 6D"), "AH");
}

TEST_F(Endgame, FourAgainstTwoWithoutTrumpsLeadsTheFirstSuitThePlayerLacks) {
  EXPECT_EQ(Lead("AS KD 7C 6S", "8S 9D"), "7C");
}

TEST_F(Endgame, FourAgainstTwoFallsBackToThreeOfAKind) {
  EXPECT_EQ(Lead("AS AD AC 6S", "6H 7D"), "AD");
  EXPECT_EQ(Lead("KS QS 7D 6C", "6H 7H"), "none");
}

// ---- Four cards against four --------------------------------------------------

TEST_F(Endgame, FourAgainstFourLeadsTrumpsTheOpponentCannotAnswer) {
  EXPECT_EQ(Lead("AH KH QH JH", "AS KS QS JS"), "JH");
  EXPECT_EQ(Lead("AH KH QH 6S", "AS 7S 7D 7C"), "QH");
  EXPECT_EQ(Lead("AH KH QH 6S", "JH 7S 7D 7C"), "QH");
}

TEST_F(Endgame, FourAgainstFourLeadsTheTopTrumpBelowThePlayersAce) {
  EXPECT_EQ(Lead("QH JH TH 6S", "AH 7S 7D 7C"), "QH");
}

TEST_F(Endgame, FourAgainstFourLeadsFromPairsBackedByTrumps) {
  EXPECT_EQ(Lead("AH KH KS 6D", "QH 7S 7D 7C"), "KH");
  EXPECT_EQ(Lead("AH KH 7S 7D", "QH JH 8C 8D"), "AH");
}

TEST_F(Endgame, FourAgainstFourLeadsTheThirdOfAKind) {
  EXPECT_EQ(Lead("AH 9S 9D 9C", "KH 6S 6D 6C"), "9D");
}

TEST_F(Endgame, FourAgainstFourWithoutTrumpsLeadsTheLowestSuitThePlayerLacks) {
  EXPECT_EQ(Lead("AS KD QC JS", "6S 7D 8S 9D"), "QC");
}

// ---- Four cards against six, and against seven or more -------------------------

TEST_F(Endgame, FourAgainstSixWithoutTrumpsLeadsTheSuitThePlayerLacks) {
  EXPECT_EQ(Lead("AS KD QS 6C", "7S 8S 9D TD JS QD"), "6C");
}

TEST_F(Endgame, FourAgainstSixLeadsTheLowestUnbeatableTrump) {
  EXPECT_EQ(Lead("AH KH QH JH", "TH 6S 6D 6C 7S 7D"), "JH");
  EXPECT_EQ(Lead("AH KH QH 6S", "JH 7S 7D 7C 8S 8D"), "QH");
  EXPECT_EQ(Lead("AH KH QH JH", "AS 6S 6D 6C 7S 7D"), "JH");
  EXPECT_EQ(Lead("AH KH QH 6S", "AS 7S 7D 7C 8S 8D"), "QH");
}

TEST_F(Endgame, FourAgainstSixLeadsFromAPairWithAnUnbeatableTrump) {
  EXPECT_EQ(Lead("AH KH AS 6D", "QH 7S 7D 7C 8S 8D"), "KH");
  EXPECT_EQ(Lead("AH KH KS 6D", "QH 7S 7D 7C 8S 8D"), "KS");
  EXPECT_EQ(Lead("AH 9H KS 9D", "8H 7S 7D 7C 8S 8D"), "9D");
  EXPECT_EQ(Lead("AH 9S 9D 9C", "KH 6S 6D 6C 7S 7D"), "9D");
}

TEST_F(Endgame, FourAgainstSevenLeadsOnlyPairsAndThreesOfAKind) {
  EXPECT_EQ(Lead("AH KH AS 6D", "QH 7S 7D 7C 8S 8D 8C"), "KH");
  EXPECT_EQ(Lead("AH KH KS 6D", "QH 7S 7D 7C 8S 8D 8C"), "KS");
  EXPECT_EQ(Lead("AH 9H KS 9D", "8H 7S 7D 7C 8S 8D 8C"), "9D");
  EXPECT_EQ(Lead("AH 9S 9D 9C", "KH 6S 6D 6C 7S 7D 7C"), "9D");
  EXPECT_EQ(Lead("AH KH QS 6D", "6H 7S 7D 7C 8S 8D 8C"), "none");
}

// ---- Five cards against one and against three ----------------------------------

TEST_F(Endgame, FiveAgainstOneLeadsTheLowestTrumpThatWins) {
  EXPECT_EQ(Lead("AH KH QH JH 6S", "7S"), "JH");
  EXPECT_EQ(Lead("AH KH QH JH 6S", "TH"), "JH");
  EXPECT_EQ(Lead("AH KH QH 7S 6S", "8D"), "QH");
  EXPECT_EQ(Lead("AH KH QH 7S 6S", "JH"), "QH");
  EXPECT_EQ(Lead("AH KH 9S 7S 6S", "QH"), "KH");
  EXPECT_EQ(Lead("AH KH 9S 7S 6S", "8D"), "KH");
}

TEST_F(Endgame, FiveAgainstOneLeadsTheLowestCardOfAnotherSuit) {
  EXPECT_EQ(Lead("AH 9S 8D 7S 6S", "TS"), "8D");
  EXPECT_EQ(Lead("AH 9S 8S 7S 6S", "TS"), "none");
}

TEST_F(Endgame, FiveAgainstThreeLeadsTheLowestWinningTrumpOrItsPartner) {
  EXPECT_EQ(Lead("AH KH QH JH TH", "6S 7S 8S"), "TH");
  EXPECT_EQ(Lead("AH KH QH JH TH", "9H 6S 7S"), "TH");
  EXPECT_EQ(Lead("AH KH QH JH 6S", "7S 8D 9C"), "JH");
  EXPECT_EQ(Lead("AH KH QH JH 6S", "TH 7S 8D"), "JH");
  EXPECT_EQ(Lead("AH KH QH QS 6D", "7S 8D 9C"), "QS");
  EXPECT_EQ(Lead("AH KH QH AS QD", "7S 8D 9C"), "QD");
  EXPECT_EQ(Lead("AH KH QH QS 6D", "JH 7S 8D"), "QS");
  EXPECT_EQ(Lead("AH KH QH AS QD", "JH 7S 8D"), "QD");
  EXPECT_EQ(Lead("AH 9C 9S 9D 6S", "KH 7S 8D"), "9D");
}

// ---- Six cards against two, seven or more against one ---------------------------

TEST_F(Endgame, SixAgainstTwoLeadsTheLowestCardOfASuitThePlayerLacks) {
  EXPECT_EQ(Lead("AH KS QD JC 7S 6S", "8S 9D"), "JC");
}

TEST_F(Endgame, SixAgainstTwoLeadsTheSecondTrumpOverThePlayers) {
  EXPECT_EQ(Lead("AH KH 9S 8D 7C 6S", "QH 6D"), "KH");
  EXPECT_EQ(Lead("AH 9C 9S 9D 7S 6S", "KH 6D"), "9D");
}

TEST_F(Endgame, SevenAgainstOneTrumpLeadsTheTrumpJustAboveIt) {
  EXPECT_EQ(Lead("AH KH QH TH 8H 7S 6S", "9H"), "TH");
  EXPECT_EQ(Lead("AH KH TH 8H 7S 6S 6D", "9H"), "TH");
  EXPECT_EQ(Lead("AH KH TH 8H 7S 6S 6D", "9S"), "none");
}

// ---- Larger hands: three of a kind only --------------------------------------

TEST_F(Endgame, LargerHandsLeadTheThirdOfAKind) {
  EXPECT_EQ(Lead("AH 9C 9S 9D 6S", "KH 7S 8D 7C 8C"), "9D");
  EXPECT_EQ(Lead("AH 9C 9S 9D 7S 6S", "KH 7D 8D 7C"), "9D");
  EXPECT_EQ(Lead("AH 9C 9S 9D 7S 6S", "KH 7D 8D 7C 8C 6C"), "9D");
  EXPECT_EQ(Lead("AH 9C 9S 9D 7S 6S 6D", "KH 7D 8D"), "9D");
  EXPECT_EQ(Lead("AH 9C 9S 8D 7S 6S", "KH 7D 8C 7C"), "none");
}

TEST_F(Endgame, SizesWithoutATableFallBackToThePersonality) {
  EXPECT_EQ(Lead("AH KH QH", "6S 7S"), "none");              // three against two
  EXPECT_EQ(Lead("9H 9S 9D 9C", "6S 7S 8S"), "none");        // four against three
  EXPECT_EQ(Lead("AH 9C 9S 9D 6S", "KH 7S 8D 7C"), "none");  // five against four
  EXPECT_EQ(Lead("AH 9C 9S 9D 7S 6S 6D", "KH 7D"), "none");  // seven against two
  EXPECT_EQ(Lead("AH", "6S"), "none");
}

// ---- Who may use the tables ---------------------------------------------------

TEST_F(Endgame, ASimpletonAtLowLevelNeverUsesTheTables) {
  Personality(1, 0);
  EXPECT_EQ(Lead("KH 7H", "AS 6D"), "none");
  Personality(0, 0);
  EXPECT_EQ(Lead(), "none");
}

TEST_F(Endgame, ASimpletonAtMediumLevelUsesOnlyTheSmallTables) {
  Personality(1, 1);
  EXPECT_EQ(Lead("KH 7H", "AS 6D"), "7H");
  EXPECT_EQ(Lead("AS KD 7C 6S", "8S 9D"), "7C");          // four against two
  EXPECT_EQ(Lead("AS KD QC JS", "6S 7D 8S 9D"), "none");  // four against four
}

TEST_F(Endgame, TheSuperLevelPassesOnlyTheMediumGates) {
  Personality(1, 3);
  EXPECT_EQ(Lead("AS KD 7C 6S", "8S 9D"), "7C");
  EXPECT_EQ(Lead("AS KD QC JS", "6S 7D 8S 9D"), "none");
  EXPECT_EQ(Lead("AH KH QH JH 6S", "7S"), "none");
}

TEST_F(Endgame, TheHighLevelOpensEveryTableToEveryPersonality) {
  Personality(0, 2);
  EXPECT_EQ(Lead("AS KD QC JS", "6S 7D 8S 9D"), "QC");
  EXPECT_EQ(Lead("AH KH QH JH 6S", "7S"), "JH");
}

TEST_F(Endgame, PersonalitiesReachTablesByTheirStrength) {
  Personality(2, 0);  // enthusiast
  EXPECT_EQ(Lead("9H 9S 9D", "AH 6S 6D"), "9H");
  EXPECT_EQ(Lead("AS KD 7C 6S", "8S 9D"), "none");

  Personality(3, 0);  // aggressor
  EXPECT_EQ(Lead("AS KD 7C 6S", "8S 9D"), "7C");
  EXPECT_EQ(Lead("AS KD QC JS", "6S 7D 8S 9D"), "QC");
  EXPECT_EQ(Lead("AS KD QS 6C", "7S 8S 9D TD JS QD"), "none");

  Personality(4, 0);  // sharper
  EXPECT_EQ(Lead("AS KD QS 6C", "7S 8S 9D TD JS QD"), "6C");
  EXPECT_EQ(Lead("AH KH QH TH 8H 7S 6S", "9H"), "TH");
}

// ---- The player's hand is read in the computer's order and given back -----------

TEST_F(Endgame, TheTablesReadThePlayersHighestTrumpWhateverHisDisplayOrder) {
  g.t.Options.TrLeftRight = 1;
  g.t.Options.TrSuitOld = 0;
  Deal("AH QH", "JH 6S 6D 6C");
  ASSERT_EQ(Name(g.t.CardGrid[1][3]), "JH");  // his trump shows at the right
  EXPECT_EQ(Lead(), "QH");
}

TEST_F(Endgame, ThePlayersHandComesBackInHisDisplayOrder) {
  g.t.Options.TrLeftRight = 1;
  g.t.Options.TrSuitOld = 0;
  Deal("7H KS 6D", "KH 9C 8S");
  const auto shown = g.t.CardGrid[1];
  EXPECT_EQ(Lead(), "7H");
  EXPECT_EQ(g.t.CardGrid[1], shown);
  EXPECT_EQ(g.t.Options.TrLeftRight, 1);
  EXPECT_EQ(g.t.Options.TrSuitOld, 0);
  EXPECT_EQ(g.t.RowCount[1], 3);
}

TEST_F(Endgame, ThePlayersHandComesBackSortedBySuitsWithTrumpsLeft) {
  g.t.Options.TrLeftRight = 0;
  g.t.Options.TrSuitOld = 0;
  Deal("AH 9S 9D 9C", "KH 6S 6D 6C 7S 7D");
  const auto shown = g.t.CardGrid[1];
  EXPECT_EQ(Lead(), "9D");
  EXPECT_EQ(g.t.CardGrid[1], shown);
  EXPECT_EQ(g.t.Options.TrLeftRight, 0);
  EXPECT_EQ(g.t.Options.TrSuitOld, 0);
}

// ---- Laying the lead ------------------------------------------------------

TEST_F(Endgame, TheComputerLaysTheTablesCardOnTheTable) {
  g.t.WhoseTurn = 0;
  Deal("KH 7H", "AS 6D");
  EndgameLead(g);
  EXPECT_EQ(Name(g.t.CardGrid[2][0]), "7H");
  EXPECT_EQ(g.t.RowCount[2], 1);
  ASSERT_EQ(g.t.RowCount[0], 1);
  EXPECT_EQ(Name(g.t.CardGrid[0][0]), "KH");
}

TEST_F(Endgame, WithoutATableCardTheProfessionalLeadsItsLowestPlainCard) {
  g.t.WhoseTurn = 0;
  Deal("AH KH 6S", "6D 7S");  // three against two: no table
  EndgameLead(g);
  EXPECT_EQ(Name(g.t.CardGrid[2][0]), "6S");
  EXPECT_EQ(g.t.RowCount[0], 2);
}

TEST_F(Endgame, AnAggressorOutOfTheTablesReachLeadsItsHighestPlainCard) {
  g.t.WhoseTurn = 0;
  Personality(3, 0);
  Deal("AS KD QS 6C", "7S 8S 9D TD JS QD");  // the tables would lead the 6C
  EndgameLead(g);
  EXPECT_EQ(Name(g.t.CardGrid[2][0]), "AS");
}

// ---- Three of a kind ------------------------------------------------------

TEST_F(Endgame, TripleGivesTheSecondOfTheOtherCardsOfTheRank) {
  Deal("AS 9C 9S 9D", "6S");
  EXPECT_EQ(Triple(g), 3);  // nines in slots 1, 2, 3
  Deal("9H 9C 9S 9D", "6S");
  EXPECT_EQ(Triple(g), 2);  // four nines in slots 0..3
  Deal("9H AS 9C 6S 9D", "6D");
  EXPECT_EQ(Triple(g), 3);  // the three need not lie together
  Deal("9H 9C AS AD 6S", "6D");
  EXPECT_EQ(Triple(g), -1);
}

TEST_F(Endgame, InJapaneseDurakDiamondsAreTheTrumpsTheTablesSee) {
  game.Select(1, 1);
  g.t.TrumpSuit = Diamonds;
  EXPECT_EQ(Lead("KD 7D", "AH 6S"), "7D");
}

}  // namespace
