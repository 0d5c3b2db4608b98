// Hearts at the table: the opening of a hand (choosing three cards, the
// exchange, the confirmation, the lead of the two of clubs), the computer
// hands' play, the end of a hand and of a game.
#include <gtest/gtest.h>

#include "commentary/comment.h"
#include "commentary/hearts_texts.h"
#include "commentary/table_controls.h"
#include "core/game_message.h"
#include "core/new_game.h"
#include "games/hearts.h"
#include "games/hearts_computer.h"
#include "games/hearts_invariants.h"
#include "games/hearts_scoring.h"
#include "hearts_table.h"
#include "persistence/save_record.h"
#include "play/buttons.h"
#include "play/new_game.h"
#include "play/saved_table_checks.h"
#include "play/shortcuts.h"
#include "play/self_play_hearts.h"
#include "table/layout.h"

namespace {

constexpr WindowGeometry kWindow{635, 475, 429};

// A fresh deal of the given hand of the game, laid out, with play started.
struct HeartsDeal : TestGame {
  explicit HeartsDeal(int handsDealt = 0, int64_t seed = 3) : TestGame(seed) {
    Select(23, 0);
    g.t.Options.Animation = 0;
    WriteHeartsScores(g.t, HeartsScores{{0, 0, 0, 0}, handsDealt});
    LayoutTable(g.t, Kind::Hearts, kWindow);
    NewGame(g);
  }
  void Press(int slot) {
    g.t.HitSlot = slot;
    HeartsPress(g);
  }
  int Raised(int slot) const { return g.t.CardY[2][0] + 303 - g.t.CardY[0][slot]; }
  bool ButtonShown() const { return TableControlsFor(g).moveButtonVisible; }
};

bool HoldsCard(const TTableState& t, int row, const TCard& c) {
  for (int s = 0; s < kSlots; ++s)
    if (t.IsPresent(row, s) && SameCard(t.CardGrid[row][s], c)) return true;
  return false;
}

// ---- Choosing the cards to pass --------------------------------------------

TEST(HeartsOpening, ADealBeginsWithDropCardsAndTheButtonDisabled) {
  HeartsDeal d;
  EXPECT_EQ(d.g.t.ButtonCaptionId, kCaptionDropCards);
  EXPECT_EQ(d.g.t.CommentId, kHeartsPassLeft);
  EXPECT_EQ(d.g.t.TrumpSuit, Hearts);
  EXPECT_TRUE(d.ButtonShown());
  EXPECT_EQ(d.out.calls.back(), "repaint");
  EXPECT_GE(d.out.Count("move button off"), 1);
  EXPECT_EQ(d.g.t.PassSlots, (std::array<int32_t, 3>{-1, -1, -1}));
}

TEST(HeartsOpening, ThePlayersHandIsOrderedBySuitsWithHeartsAtTheRight) {
  HeartsDeal d;
  const auto& row = d.g.t.CardGrid[0];
  const int order[] = {Diamonds, Spades, Clubs, Hearts};
  auto place = [&](int suit) {
    for (int i = 0; i < 4; ++i)
      if (order[i] == suit) return i;
    return -1;
  };
  for (int s = 1; s < kHeartsHandSize; ++s) {
    const int a = place(row[s - 1].Suit), b = place(row[s].Suit);
    EXPECT_TRUE(a < b || (a == b && row[s - 1].Rank < row[s].Rank)) << "slot " << s;
  }
}

TEST(HeartsOpening, EachPressChoosesOneCardAndRaisesIt) {
  HeartsDeal d;
  d.Press(4);
  d.Press(0);
  EXPECT_EQ(d.g.t.PassSlots, (std::array<int32_t, 3>{4, 0, -1}));
  EXPECT_EQ(d.Raised(4), 20);
  EXPECT_EQ(d.Raised(0), 20);
  EXPECT_EQ(d.Raised(1), 0);
  EXPECT_EQ(d.out.Count("move button on"), 0);
  d.Press(9);
  EXPECT_EQ(d.out.Count("move button on"), 1);
}

TEST(HeartsOpening, PressingAChosenCardAgainDoesNotUnchooseIt) {
  HeartsDeal d;
  d.Press(4);
  d.Press(4);
  EXPECT_EQ(d.g.t.PassSlots, (std::array<int32_t, 3>{4, -1, -1}));
  EXPECT_EQ(d.Raised(4), 20);
}

TEST(HeartsOpening, AFourthPressChangesNothingAndKeepsTheButtonEnabled) {
  HeartsDeal d;
  d.Press(1);
  d.Press(2);
  d.Press(3);
  const auto y = d.g.t.CardY;
  d.out.calls.clear();
  d.Press(7);
  EXPECT_EQ(d.g.t.PassSlots, (std::array<int32_t, 3>{1, 2, 3}));
  EXPECT_EQ(d.g.t.CardY, y);
  EXPECT_EQ(d.out.Count("move button off"), 0);
  EXPECT_EQ(d.g.t.ButtonCaptionId, kCaptionDropCards);
}

TEST(HeartsOpening, TheButtonDoesNothingBeforeThreeCardsAreChosen) {
  HeartsDeal d;
  d.Press(1);
  const auto grid = d.g.t.CardGrid;
  PressMoveButton(d.g);
  EXPECT_EQ(d.g.t.ButtonCaptionId, kCaptionDropCards);
  EXPECT_EQ(d.g.t.CardGrid, grid);
}

// ---- The exchange ----------------------------------------------------------

TEST(HeartsExchange, ThreeCardsGoTheWayOfTheHandAndThreeComeBack) {
  const struct {
    int hand;
    int to;    // the hand that receives the player's cards
    int from;  // the hand whose cards the player receives
  } cases[] = {{0, 1, 3}, {1, 3, 1}, {2, 2, 2}};
  for (const auto& c : cases) {
    HeartsDeal d(c.hand);
    const TTableState& t = d.g.t;
    const TCard passed[] = {t.CardGrid[0][0], t.CardGrid[0][5], t.CardGrid[0][12]};
    std::array<std::array<TCard, kSlots>, 4> before{};
    for (int r = 0; r < 4; ++r) before[r] = t.CardGrid[r];
    d.Press(0);
    d.Press(5);
    d.Press(12);
    PressMoveButton(d.g);
    EXPECT_EQ(t.ButtonCaptionId, kCaptionOk) << "hand " << c.hand;
    for (const TCard& p : passed) {
      EXPECT_TRUE(HoldsCard(t, c.to, p)) << "hand " << c.hand;
      EXPECT_FALSE(HoldsCard(t, 0, p)) << "hand " << c.hand;
    }
    for (int r = 0; r < 4; ++r) EXPECT_EQ(CardsInHand(t, r), 13) << "hand " << c.hand;
    // The three received cards came from the passing hand and stand raised.
    for (const int slot : t.PassSlots) {
      ASSERT_GE(slot, 0);
      const TCard got = t.CardGrid[0][slot];
      bool fromPasser = false;
      for (const TCard& b : before[c.from])
        fromPasser = fromPasser || (b.Present && SameCard(b, got));
      EXPECT_TRUE(fromPasser) << "hand " << c.hand;
      EXPECT_EQ(d.Raised(slot), 20);
    }
    Game& g = d.g;
    EXPECT_EQ(CheckHeartsTable(g).find("out of order"), std::string::npos);
  }
}

TEST(HeartsExchange, OkHidesTheButtonLowersTheCardsAndFindsTheLeader) {
  HeartsDeal d;
  d.Press(0);
  d.Press(1);
  d.Press(2);
  PressMoveButton(d.g);
  PressMoveButton(d.g);
  const TTableState& t = d.g.t;
  EXPECT_FALSE(d.ButtonShown());
  EXPECT_EQ(t.TrumpSuit, -1);
  EXPECT_EQ(t.PassSlots, (std::array<int32_t, 3>{-1, -1, -1}));
  for (int s = 0; s < 13; ++s) EXPECT_EQ(d.Raised(s), 0) << s;
  // The holder of the two of clubs leads; the computer hands play up to the
  // player, who leads it himself when he holds it.
  EXPECT_EQ(SeatToPlay(t), 0);
  EXPECT_EQ(t.WhoseTurn, 1);
  const int leader = t.CoverIndex;
  if (leader == 0) {
    EXPECT_EQ(CardsOnTrick(t), 0);
    EXPECT_EQ(t.CommentId, kHeartsLeadTwoOfClubs);
  } else {
    EXPECT_TRUE(IsTwoOfClubs(t.CardGrid[kHeartsTrickRow][leader]));
    EXPECT_EQ(CardsOnTrick(t), 4 - leader);
  }
}

TEST(HeartsExchange, EveryFourthHandPassesNothingAndPlaysAtOnce) {
  HeartsDeal d(3);
  const TTableState& t = d.g.t;
  EXPECT_NE(t.ButtonCaptionId, kCaptionDropCards);
  EXPECT_FALSE(d.ButtonShown());
  EXPECT_EQ(t.TrumpSuit, -1);
  EXPECT_EQ(SeatToPlay(t), 0);
}

// ---- The two of clubs in any hand ------------------------------------------

TEST(HeartsLead, TheHolderOfTheTwoOfClubsLeadsItWhoeverItIs) {
  for (int holder = 0; holder < 4; ++holder) {
    HeartsTable h;
    h.g.t.WhoseTurn = 2;
    for (int seat = 0; seat < 4; ++seat) {
      h.SetRow(seat, {C(Diamonds, 2 + seat), C(Spades, 2 + seat)});
      if (seat == holder)
        h.g.t.PutCard(seat, 2, C(Clubs, Two));
      else
        h.g.t.PutCard(seat, 2, C(Clubs, 6 + seat));
    }
    CloseUpHands(h.g.t);
    WriteHeartsScores(h.g.t, HeartsScores{{}, 3});  // no passing: play begins at once
    StartHeartsPlay(h.g);
    const TTableState& t = h.g.t;
    EXPECT_EQ(t.CoverIndex, holder);
    if (holder == 0) {
      EXPECT_EQ(CardsOnTrick(t), 0);
      HeartsPlayerCard(h.g, h.SlotOf(0, C(Clubs, Two)));
    }
    EXPECT_TRUE(IsTwoOfClubs(t.CardGrid[kHeartsTrickRow][holder])) << "holder " << holder;
  }
}

TEST(HeartsLead, ThePlayerCannotLeadAnythingButTheTwoOfClubs) {
  HeartsTable h;
  h.Hand(0, {C(Clubs, Two), C(Diamonds, Ace)}).Hand(1, {C(Clubs, Three), C(Diamonds, Two)});
  h.Hand(2, {C(Clubs, Four), C(Diamonds, Three)}).Hand(3, {C(Clubs, Five), C(Diamonds, Four)});
  h.g.t.CoverIndex = 0;
  HeartsPlayerCard(h.g, h.SlotOf(0, C(Diamonds, Ace)));
  EXPECT_EQ(CardsOnTrick(h.g.t), 0);
  EXPECT_EQ(h.out.Count("undo point"), 0);
  HeartsPlayerCard(h.g, h.SlotOf(0, C(Clubs, Two)));
  EXPECT_EQ(h.out.Count("undo point"), 1);
  // The three others followed, the five of clubs took the trick and led.
  EXPECT_EQ(CardsTaken(h.g.t, 3), 4);
  EXPECT_EQ(h.g.t.CoverIndex, 3);
}

// ---- The computer's play ---------------------------------------------------

struct ChoiceCase {
  const char* what;
  int level;
  std::initializer_list<TCard> hand;
  int leader;
  std::initializer_list<TCard> trick;
  TCard expected;
};

TEST(HeartsComputer, PlaysBySoundRules) {
  const ChoiceCase cases[] = {
      {"low level follows with its lowest card",
       0,
       {C(Diamonds, Three), C(Diamonds, Jack), C(Diamonds, King)},
       1,
       {C(Diamonds, Queen)},
       C(Diamonds, Three)},
      {"ducks under the winner with its highest losing card",
       1,
       {C(Diamonds, Three), C(Diamonds, Jack), C(Diamonds, King)},
       1,
       {C(Diamonds, Queen)},
       C(Diamonds, Jack)},
      {"throws the queen of spades on the king",
       1,
       {C(Spades, Queen), C(Spades, Two), C(Diamonds, Four)},
       1,
       {C(Spades, King)},
       C(Spades, Queen)},
      {"sheds the queen of spades when void",
       1,
       {C(Spades, Queen), C(Hearts, Ace), C(Diamonds, Four)},
       1,
       {C(Clubs, Five)},
       C(Spades, Queen)},
      {"sheds its highest heart when void and without the queen",
       1,
       {C(Hearts, Ten), C(Hearts, Ace), C(Diamonds, Four)},
       1,
       {C(Clubs, Five)},
       C(Hearts, Ace)},
      {"leads its lowest card, not a heart",
       1,
       {C(Hearts, Two), C(Diamonds, Four), C(Clubs, Nine)},
       2,
       {},
       C(Diamonds, Four)},
      {"does not lead spades while it holds the queen",
       2,
       {C(Spades, Two), C(Spades, Queen), C(Clubs, Six)},
       2,
       {},
       C(Clubs, Six)},
      {"wins a pointless last trick with its highest card",
       2,
       {C(Clubs, Queen), C(Clubs, Ace)},
       3,
       {C(Clubs, Two), C(Clubs, Three), C(Clubs, Four)},
       C(Clubs, Ace)},
  };
  for (const ChoiceCase& c : cases) {
    HeartsTable h;
    h.PastFirstTrick();
    // The choosing seat is the one after the trick's last card.
    const int seat = (c.leader + static_cast<int>(c.trick.size())) % 4;
    h.Hand(seat, c.hand);
    h.Trick(c.leader, c.trick);
    const int slot = ChooseHeartsCard(h.g.t, seat, c.level);
    ASSERT_GE(slot, 0) << c.what;
    EXPECT_TRUE(SameCard(h.g.t.CardGrid[seat][slot], c.expected)) << c.what;
  }
}

TEST(HeartsComputer, PassesTheQueenOfSpadesAndHighHeartsFromMediumOn) {
  HeartsTable h;
  h.Hand(1, {C(Clubs, Ace), C(Spades, Queen), C(Hearts, King), C(Diamonds, Ace), C(Clubs, Three),
             C(Spades, Ace)});
  std::vector<TCard> passed;
  for (const int s : ChoosePassCards(h.g.t, 1, 1)) passed.push_back(h.g.t.CardGrid[1][s]);
  ASSERT_EQ(passed.size(), 3u);
  EXPECT_TRUE(SameCard(passed[0], C(Spades, Queen)));
  EXPECT_TRUE(SameCard(passed[1], C(Spades, Ace)));
  EXPECT_TRUE(SameCard(passed[2], C(Hearts, King)));
}

TEST(HeartsComputer, AtSuperLevelItShootsTheMoonOnlyWhileNobodyElseHasPoints) {
  HeartsTable h;
  h.Taken(2, {C(Spades, Queen), C(Spades, Two), C(Spades, Three), C(Spades, Four)});
  EXPECT_TRUE(ShootingTheMoon(h.g.t, 2));
  h.Taken(1, {C(Hearts, Two), C(Clubs, Two), C(Clubs, Three), C(Clubs, Four)});
  EXPECT_FALSE(ShootingTheMoon(h.g.t, 2));
}

// ---- The end of a hand and of a game ---------------------------------------

// The last trick: the left hand led the two of clubs, the top and right
// hands followed, the player plays his ace and takes it. The other 48 cards
// were taken: the hearts by the left hand, the queen of spades by the top.
void LastTrick(HeartsTable& h, const HeartsScores& before) {
  h.Hand(0, {C(Clubs, Ace)}).Hand(1, {}).Hand(2, {}).Hand(3, {});
  h.Trick(1, {C(Clubs, Two), C(Clubs, Three), C(Clubs, Four)});
  for (int suit = Clubs; suit <= Hearts; ++suit)
    for (int rank = Two; rank <= Ace; ++rank) {
      const TCard c = C(suit, rank);
      if (suit == Clubs && (rank <= Four || rank == Ace)) continue;
      h.Taken(suit == Hearts ? 1 : IsQueenOfSpades(c) ? 2 : 3, {c});
    }
  WriteHeartsScores(h.g.t, before);
}

TEST(HeartsEnd, AHandScoresItsPointsAndTheNextHandIsDealt) {
  HeartsTable h;
  LastTrick(h, HeartsScores{{10, 20, 30, 40}, 2});
  HeartsPlayerCard(h.g, 0);
  const HeartsScores after = ReadHeartsScores(h.g.t);
  EXPECT_EQ(after.totals, (std::array<int, 4>{10, 33, 43, 40}));
  EXPECT_EQ(after.handsDealt, 3);
  EXPECT_TRUE(h.g.newGameDue);
  EXPECT_TRUE(h.out.messages.empty());
  EXPECT_EQ(h.g.t.CommentId, kHeartsHandOver);
}

TEST(HeartsEnd, ATotalOfOneHundredEndsTheGameAndCountsIt) {
  const struct {
    const char* what;
    HeartsScores before;
    int message;
    TResult counted;
  } cases[] = {
      {"the player lowest", {{10, 90, 30, 40}, 6}, kMsgYouWin, {1, 0, 0}},
      {"the player not lowest", {{50, 90, 30, 40}, 6}, kMsgYouLost, {0, 1, 0}},
      {"the player shares the lowest", {{30, 90, 17, 40}, 6}, kMsgDraw, {0, 0, 1}},
  };
  for (const auto& c : cases) {
    HeartsTable h;
    LastTrick(h, c.before);
    HeartsPlayerCard(h.g, 0);
    ASSERT_EQ(h.out.messages.size(), 1u) << c.what;
    EXPECT_EQ(h.out.messages[0].code, c.message) << c.what;
    const TResult& r = h.g.t.Stats[23];
    EXPECT_EQ(r.Wins, c.counted.Wins) << c.what;
    EXPECT_EQ(r.Losses, c.counted.Losses) << c.what;
    EXPECT_EQ(r.Draws, c.counted.Draws) << c.what;
    // A new game from 0 points follows.
    EXPECT_EQ(ReadHeartsScores(h.g.t).totals, (std::array<int, 4>{0, 0, 0, 0})) << c.what;
    EXPECT_EQ(ReadHeartsScores(h.g.t).handsDealt, 0) << c.what;
    EXPECT_TRUE(h.g.newGameDue) << c.what;
  }
}

TEST(HeartsEnd, ShootingTheMoonGivesTwentySixToEachOtherHand) {
  HeartsTable h;
  LastTrick(h, HeartsScores{{10, 20, 30, 40}, 2});
  // Every point went to the player this time.
  for (int seat = 1; seat <= 3; ++seat)
    for (int s = 0; s < kSlots; ++s) {
      const TCard c = h.g.t.CardGrid[kHeartsTakenRow + seat][s];
      if (c.Present && CarriesPoints(c)) {
        h.g.t.TakeCard(kHeartsTakenRow + seat, s);
        h.Taken(0, {c});
      }
    }
  HeartsPlayerCard(h.g, 0);
  EXPECT_EQ(ReadHeartsScores(h.g.t).totals, (std::array<int, 4>{10, 46, 56, 66}));
}

// ---- Whole games -----------------------------------------------------------

TEST(HeartsGames, RandomGamesKeepEveryRule) {
  for (int level = 0; level <= 3; ++level) {
    TestGame tg(11 + level);
    tg.Select(23, 0);
    tg.g.t.Options.Animation = 0;
    tg.g.t.Options.Level = level;
    SelfPlayConfig config;
    config.games = 15;
    config.seed = 5 + level;
    config.bot.level = 3 - level;
    const SelfPlayReport r = RunSelfPlay(tg.g, tg.clock, config);
    EXPECT_EQ(r.violations, 0) << r.violation;
    EXPECT_EQ(r.games, 15);
    EXPECT_EQ(r.wins + r.losses + r.draws, 15);
  }
}

}  // namespace

// ---- The keyboard ----------------------------------------------------------

TEST(HeartsKeys, ArrowsWalkTheHandUpChoosesOrPlaysDownPressesTheButton) {
  HeartsDeal d;
  const KeyContext context{0, false};
  const KeyResponse first = KeyboardShortcut(d.g, ShortcutKey::Right, context);
  EXPECT_EQ(d.g.t.HitIndex, 12);  // nothing selected: right starts at the last card
  ASSERT_TRUE(first.play.pointer.has_value());
  EXPECT_EQ(first.play.pointer->x, d.g.t.CardX[0][12] + 35);
  KeyboardShortcut(d.g, ShortcutKey::Up, context);
  KeyboardShortcut(d.g, ShortcutKey::Left, context);
  KeyboardShortcut(d.g, ShortcutKey::Up, context);
  KeyboardShortcut(d.g, ShortcutKey::Left, context);
  KeyboardShortcut(d.g, ShortcutKey::Up, context);
  EXPECT_EQ(d.g.t.PassSlots, (std::array<int32_t, 3>{12, 11, 10}));
  KeyboardShortcut(d.g, ShortcutKey::Down, context);
  EXPECT_EQ(d.g.t.ButtonCaptionId, kCaptionOk);
  KeyboardShortcut(d.g, ShortcutKey::Down, context);
  EXPECT_TRUE(HeartsPlayersTurn(d.g));
  // The first card the rules let the player play goes by the up arrow.
  const std::vector<int> playable = PlayableSlots(d.g.t, 0);
  ASSERT_FALSE(playable.empty());
  d.g.t.HitIndex = playable.front();
  const int before = CardsInHand(d.g.t, 0);
  KeyboardShortcut(d.g, ShortcutKey::Up, context);
  EXPECT_EQ(CardsInHand(d.g.t, 0), before - 1);
}

// ---- A saved Hearts table --------------------------------------------------

namespace {

TEST(HeartsSavedTable, OnlyATableAGameOfHeartsCanReachIsTakenIn) {
  const struct {
    const char* what;
    void (*spoil)(SaveRecord&);
    bool accepted;
  } cases[] = {
      {"the table as played", [](SaveRecord&) {}, true},
      {"a seat beyond the four leads", [](SaveRecord& r) { r.CoverIndex = 4; }, false},
      {"a total beyond reach", [](SaveRecord& r) { r.CzechPointsPlayer = 400; }, false},
      {"a card beyond a hand's thirteen places",
       [](SaveRecord& r) { std::swap(r.Cards[1][0], r.Cards[1][20]); }, false},
      {"a gap in the trick",
       [](SaveRecord& r) {
         r.CoverIndex = 1;
         r.Cards[4][3] = r.Cards[3][0];
         r.Cards[3][0].Present = 0;
       },
       false},
  };
  for (const auto& c : cases) {
    HeartsDeal d;
    SaveRecord r = RecordFromTable(d.g);
    c.spoil(r);
    EXPECT_EQ(SavedTableProblem(r, Edition285()).empty(), c.accepted) << c.what;
  }
}

}  // namespace
