// Where the mouse events go: the release over a card of the card games, the
// presses of the patience games, the highlight of the hand, the Scarf drag
// and the start of the computer's card backs.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/game_message.h"
#include "core/new_game.h"
#include "durak/guessing_game.h"
#include "durak_table.h"
#include "patience/back_effect.h"
#include "play/pointer_routing.h"
#include "table/layout.h"

namespace {

constexpr WindowGeometry kSmall{635, 475, 429};
constexpr WindowGeometry kMedium{1000, 700, 654};

// A point well inside the visible part of card `slot` of the player's hand.
struct Point {
  int32_t x, y;
};
Point OnHandCard(const Game& g, int slot) {
  return {HandCardX(g.t, g.t.RowCount[1], slot) + 3, g.t.PlayerHandY + 40};
}

// The trick of the turn-flow tests: the computer attacked with the nine of
// clubs and the player holds the king of clubs to cover it.
struct CoverTable : DurakTable {
  CoverTable() : DurakTable(0, 0, Hearts) {
    Computer({C(Spades, Ten), C(Spades, Six)}).Player({C(Clubs, King), C(Diamonds, Seven)});
    Attacks({C(Clubs, Nine)}).TrumpCard(C(Hearts, Six)).Stock(10);
    g.t.WhoseTurn = 0;
    LayoutTable(g, kSmall);
  }
  void ReleaseOver(const TCard& card, PointerButton button = PointerButton::Left) {
    const Point p = OnHandCard(g, SlotOf(1, card));
    FormMouseUp(g, button, p.x, p.y);
  }
};

TEST(MouseRelease, ALeftReleaseOverADurakCardPlaysIt) {
  CoverTable t;
  t.ReleaseOver(C(Clubs, King));
  EXPECT_EQ(t.g.t.RowCount[2], 0) << "covered and discarded";
  EXPECT_EQ(t.g.t.WhoseTurn, 1);
  EXPECT_EQ(t.out.Count("undo point"), 1);
}

TEST(MouseRelease, AReleaseBesideTheHandPlaysNothing) {
  CoverTable t;
  FormMouseUp(t.g, PointerButton::Left, 3, t.g.t.PlayerHandY + 40);
  EXPECT_EQ(t.g.t.RowCount[2], 1);
  EXPECT_EQ(t.out.Count("undo point"), 0);
  EXPECT_EQ(t.g.t.HitIndex, -1);
}

TEST(MouseRelease, AServerWithoutPartnerRefusesTheMove) {
  CoverTable t;
  t.g.program.NetRole = 1;
  t.out.partnerConnected = false;
  t.ReleaseOver(C(Clubs, King));
  ASSERT_EQ(t.out.messages.size(), 1u);
  EXPECT_EQ(t.out.messages[0].text, GameMessageText(kMsgNotConnected, 0));
  EXPECT_EQ(t.g.t.RowCount[2], 1);
  EXPECT_EQ(t.out.Count("undo point"), 0);
}

TEST(MouseRelease, WhileTheSharperIsGuessedTheReleaseNamesTheGuess) {
  DurakTable t;
  t.g.t.Options.Style = 4;
  t.g.t.Options.CheckS = 1;
  t.g.t.Options.Animation = 0;
  t.g.t.SwindleCards[0] = C(Spades, Queen);
  t.g.t.SwindleCount = 1;
  StartGuessing(t.g);
  LayoutTable(t.g, kSmall);
  const Point p = OnHandCard(t.g, t.SlotOf(1, C(Spades, Queen)));
  FormMouseUp(t.g, PointerButton::Left, p.x, p.y);
  EXPECT_EQ(t.g.t.Stats[0].Wins, 1) << "the swapped card was named";
}

TEST(MouseRelease, EachCardGameAndMemoryTakeTheCardThemselves) {
  TestGame t;
  const std::pair<int, CardMoveTarget> expected[] = {
      {0, CardMoveTarget::Durak},  {4, CardMoveTarget::Durak}, {5, CardMoveTarget::Czech},
      {6, CardMoveTarget::Eights}, {7, CardMoveTarget::Nine},  {24, CardMoveTarget::Memory},
      {25, CardMoveTarget::Memory}};
  for (auto [vidg, target] : expected) {
    t.Select(vidg, 0);
    EXPECT_EQ(CardMoveRoute(t.g), target) << "VidG " << vidg;
    t.g.t.GuessMode = 1;
    EXPECT_EQ(CardMoveRoute(t.g), CardMoveTarget::Guess) << "VidG " << vidg;
    t.g.t.GuessMode = 0;
  }
}

TEST(MouseRelease, OnlyScarfPrisonerTheCardGamesAndMemoryListen) {
  EXPECT_EQ(ReleaseRoute(Kind::Scarf), ReleaseAction::ScarfDrop);
  EXPECT_EQ(ReleaseRoute(Kind::Prisoner), ReleaseAction::PrisonerRelease);
  EXPECT_EQ(ReleaseRoute(Kind::Nine), ReleaseAction::CardMove);
  EXPECT_EQ(ReleaseRoute(Kind::Memory52), ReleaseAction::CardMove);
  EXPECT_EQ(ReleaseRoute(Kind::Solitaire), ReleaseAction::None);
  EXPECT_EQ(ReleaseRoute(Kind::Hearts), ReleaseAction::None);
}

TEST(MousePress, EveryPatienceGameAndHeartsActOnTheLeftPress) {
  const std::pair<Kind, PressAction> expected[] = {{Kind::Scarf, PressAction::ScarfPress},
                                                   {Kind::Solitaire, PressAction::SolitairePress},
                                                   {Kind::Kerchief, PressAction::KerchiefPress},
                                                   {Kind::Pairs, PressAction::PairsPress},
                                                   {Kind::Bard, PressAction::BardPress},
                                                   {Kind::Piramida, PressAction::PiramidaPress},
                                                   {Kind::Prisoner, PressAction::PrisonerPress},
                                                   {Kind::TwoByTwo, PressAction::TwoByTwoPress},
                                                   {Kind::OldFriend, PressAction::OldFriendPress},
                                                   {Kind::Clock, PressAction::ClockPress},
                                                   {Kind::Joker, PressAction::JokerPress},
                                                   {Kind::Paganini, PressAction::PaganiniPress},
                                                   {Kind::CrossRoads, PressAction::CrossPress},
                                                   {Kind::FirTrees, PressAction::FirTreesPress},
                                                   {Kind::Street, PressAction::StreetPress},
                                                   {Kind::Hearts, PressAction::HeartsPress}};
  for (auto [kind, action] : expected) {
    EXPECT_EQ(PressRoute(kind, PointerButton::Left), action);
    EXPECT_EQ(PressRoute(kind, PointerButton::Right), PressAction::None);
    EXPECT_EQ(PressRoute(kind, PointerButton::Middle), PressAction::None);
  }
}

TEST(MousePress, TheCardGamesOnlyStartTheBacksAndMemoryWaitsForTheRelease) {
  for (Kind kind : {Kind::SimpleDurak, Kind::CzechDurak, Kind::Nine}) {
    EXPECT_EQ(PressRoute(kind, PointerButton::Left), PressAction::BackEffect);
  }
  EXPECT_EQ(PressRoute(Kind::Memory36, PointerButton::Left), PressAction::None);
  EXPECT_EQ(PressRoute(Kind::Memory52, PointerButton::Left), PressAction::None);
}

TEST(MousePress, APatiencePressOnNothingPicksNothingAndChangesNothing) {
  TestGame t;
  t.Select(10, 0);
  DealOnly(t.g);
  LayoutTable(t.g, kMedium);
  const auto grid = t.g.t.CardGrid;
  FormMouseMove(t.g, 1, 1);
  FormMouseDown(t.g, PointerButton::Left, 1, 1);
  EXPECT_EQ(t.g.t.Picked, 0);
  EXPECT_EQ(t.out.Count("undo point"), 0);
  EXPECT_EQ(t.g.t.CardGrid, grid);
}

// --- Moving the mouse -----------------------------------------------------------

TEST(MouseMove, ThePointerShowsTheHandOverACardAndTheArrowElsewhere) {
  CoverTable t;
  const Point p = OnHandCard(t.g, 0);
  FormMouseMove(t.g, p.x, p.y);
  EXPECT_EQ(t.out.Count("pointer hand"), 1);
  FormMouseMove(t.g, 2, 2);
  EXPECT_EQ(t.out.Count("pointer arrow"), 1);
}

TEST(MouseMove, AFoundationOfSolitaireLeavesThePointerAsItWas) {
  TestGame t;
  t.Select(9, 0);
  LayoutTable(t.g, kMedium);
  FormMouseMove(t.g, t.g.t.CardX[2][0] + 5, t.g.t.CardY[2][0] + 5);
  EXPECT_EQ(t.g.t.HitRow, 2);
  EXPECT_EQ(t.out.Count("pointer hand") + t.out.Count("pointer arrow"), 0);
}

TEST(MouseMove, TheCardUnderThePointerIsLitAndTheOthersDrawnPlain) {
  CoverTable t;
  const Point p = OnHandCard(t.g, 1);
  FormMouseMove(t.g, p.x, p.y);
  ASSERT_EQ(t.out.hovers.size(), 1u);
  const HandHoverView& view = t.out.hovers[0];
  EXPECT_EQ(view.top, t.g.t.PlayerHandY);
  ASSERT_EQ(view.cards.size(), 2u);
  EXPECT_FALSE(view.cards[0].highlighted);
  EXPECT_TRUE(view.cards[1].highlighted);
  EXPECT_EQ(view.cards[1].image, t.g.t.ImageIndexAt(1, 1));
  EXPECT_EQ(view.cards[1].width, 71) << "two cards lie apart";
}

TEST(MouseMove, TheHandIsNotLitWhileDealingNorInReverseDurak) {
  CoverTable t;
  const Point p = OnHandCard(t.g, 0);
  t.g.t.Dealing = 1;
  FormMouseMove(t.g, p.x, p.y);
  EXPECT_TRUE(t.out.hovers.empty());
  EXPECT_EQ(t.g.t.HitIndex, 0) << "the hit test still runs";
  t.g.t.Dealing = 0;
  t.Select(2, 0);
  FormMouseMove(t.g, p.x, p.y);
  EXPECT_TRUE(t.out.hovers.empty());
}

TEST(MouseMove, AServerSocketLeftListeningIsClosedOnlyOutsideANetworkGame) {
  CoverTable t;
  FormMouseMove(t.g, 5, 5);
  EXPECT_EQ(t.out.Count("close idle server"), 1);
  t.g.program.NetRole = 1;
  FormMouseMove(t.g, 5, 5);
  EXPECT_EQ(t.out.Count("close idle server"), 1);
}

// --- The Scarf drag ---------------------------------------------------------------

struct ScarfDrag : TestGame {
  ScarfDrag() {
    Select(8, 0);
    LayoutTable(g, kMedium);
    // Column 9: two face-down cards under a run of three.
    const TCard cards[] = {C(Clubs, Four), C(Spades, Nine), C(Hearts, Eight), C(Clubs, Seven),
                           C(Diamonds, Six)};
    for (int s = 0; s < 5; ++s) {
      g.t.PutCard(9, s, cards[s]);
      g.t.Opened[9][s] = s >= 2;
    }
    RecountPiles(g);
  }
  Point OnRunCard(int slot) const {
    return {g.t.CardX[9][0] + 10, g.t.CardY[7][0] + 6 + 15 * (slot - 2) + 4};
  }
};

TEST(ScarfDragTest, PressingARunCardLiftsItAndEverythingAboveIt) {
  ScarfDrag t;
  const Point p = t.OnRunCard(2);
  FormMouseMove(t.g, p.x, p.y);
  const TRect picked = t.g.t.PickedRect;
  StartDrag(t.g, p.x, p.y);
  for (int s = 2; s < 5; ++s) {
    EXPECT_FALSE(t.g.t.IsPresent(9, s));
    EXPECT_EQ(t.g.t.Opened[9][s], 0);
  }
  EXPECT_TRUE(t.g.t.IsPresent(9, 1)) << "the face-down cards stay";
  EXPECT_EQ(t.g.t.RankAt(9, 2), Eight) << "the lifted cards keep their values";
  EXPECT_EQ(t.g.t.SourceRow, 9);
  EXPECT_EQ(t.g.t.SourceSlot, 2);
  EXPECT_EQ(t.g.t.PickedColour, 1) << "the eight of hearts is red";
  EXPECT_EQ(t.g.t.Picked, 1);
  EXPECT_EQ(t.g.t.DragRect, picked);
  EXPECT_EQ(t.g.t.DragImageRect, (TRect{0, 0, 71, 15 * 3 + 81}));
  ASSERT_EQ(t.out.dragCaptures.size(), 1u);
  EXPECT_EQ(t.out.dragCaptures[0], picked);
  EXPECT_EQ(t.out.Count("compose"), 1) << "composed without showing";
  EXPECT_EQ(t.out.Count("repaint"), 0);
}

TEST(ScarfDragTest, ThePictureFollowsThePointer) {
  ScarfDrag t;
  const Point p = t.OnRunCard(3);
  FormMouseMove(t.g, p.x, p.y);
  StartDrag(t.g, p.x, p.y);
  const TRect start = t.g.t.DragRect;
  FormMouseMove(t.g, p.x + 30, p.y - 12);
  FormMouseMove(t.g, p.x + 25, p.y + 40);
  EXPECT_EQ(t.g.t.DragRect,
            (TRect{start.Left + 25, start.Top + 40, start.Right + 25, start.Bottom + 40}));
  ASSERT_EQ(t.out.dragSteps.size(), 2u);
  EXPECT_EQ(t.out.dragSteps[1].at, t.g.t.DragRect);
  EXPECT_EQ(t.out.dragSteps[1].picture, t.g.t.DragImageRect);
  EXPECT_EQ(t.g.t.DragLastX, p.x + 25);
}

bool Holds(const TRect& r, int32_t x, int32_t y) {
  return r.Left <= x && x < r.Right && r.Top <= y && y < r.Bottom;
}

TEST(ScarfDragTest, AStepWithinReachLeavesNoTraceOfThePicture) {
  const int dxs[] = {-371, -200, -1, 0, 1, 150, 371};
  const int dys[] = {-396, -50, -1, 0, 1, 120, 396};
  for (int dx : dxs) {
    for (int dy : dys) {
      ScarfDrag t;
      const Point p = t.OnRunCard(2);
      FormMouseMove(t.g, p.x, p.y);
      StartDrag(t.g, p.x, p.y);
      const TRect old = t.g.t.DragRect;
      FormMouseMove(t.g, p.x + dx, p.y + dy);
      const DragStepView& step = t.out.dragSteps.back();
      for (int32_t x = old.Left; x < old.Right; x += 5) {
        for (int32_t y = old.Top; y < old.Bottom; y += 5) {
          const bool covered =
              Holds(step.at, x, y) || std::any_of(step.uncovered.begin(), step.uncovered.end(),
                                                  [&](const TRect& r) { return Holds(r, x, y); });
          ASSERT_TRUE(covered) << "step " << dx << "," << dy << " leaves " << x << "," << y;
        }
      }
    }
  }
}

TEST(ScarfDragTest, WithoutALiftedRunTheMouseOnlyHitTests) {
  ScarfDrag t;
  FormMouseMove(t.g, 300, 300);
  FormMouseUp(t.g, PointerButton::Left, 300, 300);
  EXPECT_TRUE(t.out.dragSteps.empty());
  EXPECT_EQ(t.g.t.Picked, 0);
}

// --- The computer's card backs -------------------------------------------------------

struct BackTable : DurakTable {
  BackTable() {
    g.t.Options.SpecEffect = 1;
    g.t.Options.CardBack = 61;
    Computer({C(Spades, Ten), C(Spades, Six), C(Clubs, Six)});
    Player({C(Clubs, King), C(Diamonds, Seven)}).Stock(12);
    LayoutTable(g, kMedium);
  }
  void PointAtCard() {
    const Point p = OnHandCard(g, 0);
    FormMouseMove(g, p.x, p.y);
  }
};

TEST(CardBacks, ALeftPressOnAPlayersCardLiftsEveryComputerBack) {
  BackTable t;
  t.PointAtCard();
  FormMouseDown(t.g, PointerButton::Left, 0, 0);
  ASSERT_EQ(t.out.backPresses.size(), 1u);
  const CardBackPressView& view = t.out.backPresses[0];
  EXPECT_EQ(view.top, t.g.t.ComputerHandY);
  ASSERT_EQ(view.cardLefts.size(), 3u);
  EXPECT_EQ(view.cardLefts[1], HandCardX(t.g.t, 3, 1));
  EXPECT_EQ(view.steps.size(), 3u) << "design 61: its back, one piece moved, the final copy";
  FormMouseUp(t.g, PointerButton::Left, 0, 0);
  EXPECT_EQ(t.out.Count("release backs 61"), 1);
}

TEST(CardBacks, NothingMovesUnlessEveryConditionHolds) {
  {
    BackTable t;  // the pointer is not on a card
    FormMouseDown(t.g, PointerButton::Left, 0, 0);
    EXPECT_TRUE(t.out.backPresses.empty());
  }
  {
    BackTable t;
    t.PointAtCard();
    FormMouseDown(t.g, PointerButton::Right, 0, 0);
    t.g.t.Options.SpecEffect = 0;
    FormMouseDown(t.g, PointerButton::Left, 0, 0);
    t.g.t.Options.SpecEffect = 1;
    t.g.t.Options.CardBack = 66;  // a design without a moving piece
    FormMouseDown(t.g, PointerButton::Left, 0, 0);
    t.g.t.Options.CardBack = 61;
    t.Select(2, 0);  // Reverse durak shows the computer's cards face up
    FormMouseDown(t.g, PointerButton::Left, 0, 0);
    EXPECT_TRUE(t.out.backPresses.empty());
  }
  {
    BackTable t;
    t.Computer({C(Spades, Two), C(Spades, Three), C(Spades, Four), C(Spades, Five), C(Spades, Six),
                C(Spades, Seven), C(Spades, Eight), C(Spades, Nine), C(Spades, Ten),
                C(Spades, Jack), C(Spades, Queen), C(Spades, King), C(Spades, Ace)});
    ASSERT_LT(HandFan(t.g.t, 13).step, 71);
    t.PointAtCard();
    FormMouseDown(t.g, PointerButton::Left, 0, 0);
    EXPECT_TRUE(t.out.backPresses.empty()) << "overlapping backs stay still";
  }
}

TEST(CardBacks, SomeDesignsMoveMoreAsTheStockRunsOut) {
  EXPECT_EQ(CardBackSteps(59, 12, 6)->size(), 2u);
  EXPECT_EQ(CardBackSteps(59, 9, 6)->size(), 3u);
  EXPECT_EQ(CardBackSteps(59, 0, 6)->size(), 5u);
  EXPECT_EQ(CardBackSteps(75, 20, 6)->size(), 1u) << "a full stock: nothing moves";
  const auto last = CardBackSteps(75, 0, 1)->back();
  EXPECT_EQ(last.from, (TRect{18, 27, 54, 84})) << "the computer's very last card";
  EXPECT_EQ(CardBackSteps(75, 0, 1)->front().image, 80) << "design 75 draws the picture of 80";
  EXPECT_EQ(CardBackSteps(65, 20, 6)->size(), 4u);
  EXPECT_EQ(CardBackSteps(65, 15, 6)->size(), 7u);
  EXPECT_FALSE(CardBackSteps(52, 0, 6).has_value());
}

TEST(CardBacks, TheSidewaysPicturesLie52PlacesLower) {
  for (int design : {60, 63, 64, 74, 77}) {
    const auto steps = *CardBackSteps(design, 20, 6);
    const auto side = std::find_if(steps.begin(), steps.end(), [](const BackPaintStep& s) {
      return s.op == BackPaintStep::Op::DrawSideways;
    });
    ASSERT_NE(side, steps.end());
    EXPECT_EQ(side->image, design - 52);
  }
}

}  // namespace
