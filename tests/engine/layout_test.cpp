// Where the cards lie for a given window. Expected values are worked out by
// hand from the layout rules in the comments beside them (quotients truncate
// toward zero).
#include "table/layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/test_game.h"

namespace {

// The window of the design: 8 pixels of side frames, 46 of caption, menu and
// frame above and below the client area.
constexpr int32_t kFrameWidth = 8;
constexpr int32_t kFrameHeight = 46;

WindowGeometry Window(int32_t w, int32_t h) {
  return {w, h, h - kFrameHeight};
}

const WindowGeometry kSmallest = Window(635, 475);
const WindowGeometry kLarge = Window(1600, 1000);

TTableState Laid(Kind kind, const WindowGeometry& w) {
  TTableState t;
  LayoutTable(t, kind, w);
  return t;
}

constexpr Kind kCardGames[] = {Kind::SimpleDurak, Kind::JapaneseDurak, Kind::ReverseDurak,
                               Kind::PiledDurak,  Kind::RoadDurak,     Kind::CzechDurak,
                               Kind::Eights,      Kind::Nine};

constexpr Kind kSoloGames[] = {Kind::Scarf,      Kind::Solitaire, Kind::Kerchief, Kind::Pairs,
                               Kind::Bard,       Kind::Piramida,  Kind::Prisoner, Kind::TwoByTwo,
                               Kind::OldFriend,  Kind::Clock,     Kind::Joker,    Kind::Paganini,
                               Kind::CrossRoads, Kind::FirTrees,  Kind::Street,   Kind::Hearts,
                               Kind::Memory36,   Kind::Memory52};

// ---- The card games --------------------------------------------------------

TEST(CardTableLayout, SmallestWindowAnchors) {
  const TTableState t = Laid(Kind::SimpleDurak, kSmallest);
  EXPECT_EQ(t.AttackX, 10);       // 635/60
  EXPECT_EQ(t.DefenceX, 13);      // AttackX + 3
  EXPECT_EQ(t.PackX, 499);        // 6350000/12711
  EXPECT_EQ(t.PackY, 152);        // 475000/3121
  EXPECT_EQ(t.TopLineY, 110);     // 475000/4284
  EXPECT_EQ(t.BottomLineY, 292);  // 475000/1624
  EXPECT_EQ(t.ComputerHandY, 7);  // (110 - 96)/2
  EXPECT_EQ(t.PlayerHandY, 301);  // (429 - 292 - 115)/3 + 292 + 2
  EXPECT_EQ(t.AttackY, 119);      // 110 + (292 - 110 - 144)/4
  EXPECT_EQ(t.TrumpY, 119);
  EXPECT_EQ(t.DefenceY, 167);
  EXPECT_EQ(t.TrumpX, 512);
  EXPECT_EQ(t.TrumpIconX, 539);
  EXPECT_EQ(t.TrumpIconY, 159);
  EXPECT_EQ(t.SidePackX, 329);            // 148 + 2*84 + 13 from the four-card fan
  EXPECT_EQ(t.HandGeometry[6].x0, 76);    // 635000/8333
  EXPECT_EQ(t.HandGeometry[6].step, 79);  // 635000/8000
  EXPECT_EQ(t.HandGeometry[52].x0, 10);   // 635000/60000
  EXPECT_EQ(t.HandGeometry[52].step, 10);
}

TEST(CardTableLayout, LargeWindowAnchors) {
  const TTableState t = Laid(Kind::SimpleDurak, kLarge);
  EXPECT_EQ(t.AttackX, 64);                 // 1600/25
  EXPECT_EQ(t.PackX, 1258);                 // 16000000/12711
  EXPECT_EQ(t.PackY, 344);                  // 1000000/2900
  EXPECT_EQ(t.TopLineY, 233);               // 1000000/4284
  EXPECT_EQ(t.BottomLineY, 615);            // 1000000/1624
  EXPECT_EQ(t.ComputerHandY, 68);           // (233 - 96)/2
  EXPECT_EQ(t.PlayerHandY, 689);            // (954 - 615 - 115)/3 + 615, no adjustment from 600 up
  EXPECT_EQ(t.AttackY, 292);                // 233 + (615 - 233 - 144)/4
  EXPECT_EQ(t.HandGeometry[13].x0, 22);     // 1600000/70000
  EXPECT_EQ(t.HandGeometry[13].step, 106);  // 1600000/15000
  EXPECT_EQ(t.TableStep[3], 200);           // 1600/8
  EXPECT_EQ(t.TableStep[7], 168);           // 1600000/9500
  EXPECT_EQ(t.TableStep[26], 42);           // 1600000/38000
  EXPECT_EQ(t.RoadStep[7], 88);             // 1600000/18000
  EXPECT_EQ(t.RoadStep[26], 22);            // 1600000/70000
}

TEST(CardTableLayout, WindowBelowTheMinimumIsLaidOutAsTheMinimum) {
  const TTableState small = Laid(Kind::SimpleDurak, {500, 300, 254});
  const TTableState minimum = Laid(Kind::SimpleDurak, kSmallest);
  EXPECT_EQ(small.AttackX, minimum.AttackX);
  EXPECT_EQ(small.PackY, minimum.PackY);
  // The client area grows with the window: 254 + 175 = 429.
  EXPECT_EQ(small.PlayerHandY, minimum.PlayerHandY);
  for (int n = 0; n <= 52; ++n) {
    EXPECT_EQ(small.HandGeometry[n].x0, minimum.HandGeometry[n].x0);
    EXPECT_EQ(small.HandGeometry[n].step, minimum.HandGeometry[n].step);
  }
  EXPECT_EQ(EffectiveWindow({500, 300, 254}).clientHeight, 429);
  EXPECT_EQ(EffectiveWindow({700, 300, 254}).outerWidth, 700);
}

TEST(CardTableLayout, TableDivisorFollowsTheWidthBands) {
  struct Case {
    int32_t w, attackX;
  };
  // W/t with t = 60, 40, 30, 25 for the four bands.
  for (const Case c : {Case{799, 13}, Case{800, 20}, Case{1001, 25}, Case{1023, 25}, Case{1024, 34},
                       Case{1151, 38}, Case{1152, 46}}) {
    EXPECT_EQ(Laid(Kind::SimpleDurak, Window(c.w, 700)).AttackX, c.attackX) << c.w;
  }
  // Up to six attack cards lie W/8 apart: 1001/8.
  const TTableState t = Laid(Kind::SimpleDurak, Window(1001, 700));
  for (int n = 0; n <= 6; ++n) EXPECT_EQ(t.TableStep[n], 125);
}

TEST(CardTableLayout, PackDivisorFollowsTheHeightBands) {
  struct Case {
    int32_t h, packY;
  };
  // H*1000/p with p = 3121, 2900, 2890, 2900, 2950, 3000 for the six bands.
  for (const Case c :
       {Case{599, 191}, Case{600, 206}, Case{747, 257}, Case{748, 258}, Case{863, 298},
        Case{864, 297}, Case{1023, 352}, Case{1024, 347}, Case{1279, 433}, Case{1280, 426}}) {
    EXPECT_EQ(Laid(Kind::SimpleDurak, Window(900, c.h)).PackY, c.packY) << c.h;
  }
}

TEST(CardTableLayout, PlayerHandIsLoweredTwoPixelsOnlyBelow600) {
  // H 599: top line 139, bottom line 368: (553 - 368 - 115)/3 + 368 + 2.
  EXPECT_EQ(Laid(Kind::SimpleDurak, Window(800, 599)).PlayerHandY, 393);
  // H 600: top line 140, bottom line 369: (554 - 369 - 115)/3 + 369 + 0.
  EXPECT_EQ(Laid(Kind::SimpleDurak, Window(800, 600)).PlayerHandY, 392);
}

TEST(CardTableLayout, EveryHandSizeFitsAcrossTheWindow) {
  for (const int32_t w : {635, 700, 800, 1024, 1152, 1280, 1600, 1920}) {
    const TTableState t = Laid(Kind::SimpleDurak, Window(w, 768));
    for (int n = 1; n <= 52; ++n) {
      EXPECT_GE(HandCardX(t, n, 0), 0) << w << " " << n;
      EXPECT_LE(HandCardX(t, n, n - 1) + kCardWidth, w - kFrameWidth) << w << " " << n;
    }
  }
}

TEST(CardTableLayout, HandsLieOutsideTheLinesAndInsideTheClientArea) {
  for (const WindowGeometry& w : {kSmallest, Window(800, 600), Window(1024, 768), kLarge}) {
    const TTableState t = Laid(Kind::SimpleDurak, w);
    EXPECT_GE(t.ComputerHandY, 0);
    EXPECT_LE(t.ComputerHandY + kCardHeight, t.TopLineY);
    EXPECT_GE(t.PlayerHandY, t.BottomLineY);
    EXPECT_LE(t.PlayerHandY + kCardHeight, w.clientHeight);
    // Attack and defence cards lie between the two lines.
    EXPECT_GE(t.AttackY, t.TopLineY);
    EXPECT_LE(t.DefenceY + kCardHeight, t.BottomLineY);
  }
}

TEST(CardTableLayout, AttackLineStopsShortOfThePack) {
  for (const WindowGeometry& w : {kSmallest, Window(800, 600), Window(1024, 768), kLarge}) {
    const TTableState t = Laid(Kind::SimpleDurak, w);
    for (int n = 1; n <= 26; ++n) {
      EXPECT_EQ(AttackCardX(t, n, 0), t.AttackX);
      EXPECT_LE(DefenceCardX(t, n, n - 1) + kCardWidth, t.PackX) << w.outerWidth << " " << n;
    }
  }
}

TEST(CardTableLayout, RoadLineStartsAtTheThirteenCardStepAndStaysOnScreen) {
  for (const WindowGeometry& w : {kSmallest, Window(1024, 768), kLarge}) {
    const TTableState t = Laid(Kind::RoadDurak, w);
    for (int n = 0; n <= 6; ++n) EXPECT_EQ(t.RoadStep[n], t.HandGeometry[13].step);
    // n attack cards and their defences: 2n cards one step apart.
    for (int n = 1; n <= 26; ++n)
      EXPECT_LE(t.AttackX + (2 * n - 1) * t.RoadStep[n] + kCardWidth, w.outerWidth - kFrameWidth)
          << n;
  }
  EXPECT_EQ(Laid(Kind::RoadDurak, kSmallest).RoadStep[7], 35);  // 635000/18000
}

TEST(CardTableLayout, CardGamesWriteAnchorsAndNoSlotPlaces) {
  for (const Kind k : kCardGames) {
    TTableState t;
    const LayoutWritten written = LayoutTable(t, k, kSmallest);
    EXPECT_TRUE(written.cardGameAnchors);
    EXPECT_EQ(written.ninePlaces, k == Kind::Nine);
    for (const auto& row : written.cardPlaces) EXPECT_TRUE(row.none());
  }
}

// ---- Nine -------------------------------------------------------------------

TEST(NineLayout, SmallestWindowSqueezesTheSuitRows) {
  const TTableState t = Laid(Kind::Nine, kSmallest);
  EXPECT_EQ(t.ComputerHandY, 5);
  EXPECT_EQ(t.PlayerHandY, 308);  // 429 - 121
  // F = 308 - 101 = 207: rows from 106, (207 - 106)/3 apart.
  EXPECT_EQ(t.NineRowY, 106);
  EXPECT_EQ(t.NineRowStep, 33);
  EXPECT_EQ(t.NineCenterX, 190);  // x0 of the three-card fan, 635000/3333
  EXPECT_EQ(t.NineLeftX, 99);
  EXPECT_EQ(t.NineRightX, 281);
  // The rest of the card table is laid out as in the other card games.
  EXPECT_EQ(t.AttackX, 10);
}

TEST(NineLayout, TallWindowCentresFourRowsTwoPixelsApart) {
  const TTableState t = Laid(Kind::Nine, kLarge);
  EXPECT_EQ(t.PlayerHandY, 833);  // 954 - 121
  // F = 732 > 400: (732 - 378)/2 + 101.
  EXPECT_EQ(t.NineRowY, 278);
  EXPECT_EQ(t.NineRowStep, 98);
  EXPECT_EQ(t.NineCenterX, 480);  // 1600000/3333
}

TEST(NineLayout, RowsAreCentredOnlyWhenTheSpaceExceeds400) {
  // CH 622: F = 400, still squeezed: (400 - 106)/3.
  const TTableState at = Laid(Kind::Nine, {800, 668, 622});
  EXPECT_EQ(at.NineRowY, 106);
  EXPECT_EQ(at.NineRowStep, 98);
  // CH 623: F = 401, centred: (401 - 378)/2 + 101.
  const TTableState above = Laid(Kind::Nine, {800, 669, 623});
  EXPECT_EQ(above.NineRowY, 112);
  EXPECT_EQ(above.NineRowStep, 98);
}

TEST(NineLayout, SuitRowsLieBetweenTheHandsAndInsideTheWindow) {
  for (const WindowGeometry& w : {kSmallest, Window(800, 600), Window(1024, 768), kLarge}) {
    const TTableState t = Laid(Kind::Nine, w);
    EXPECT_GE(NineSuitRowY(t, 0), t.ComputerHandY + kCardHeight);
    EXPECT_LE(NineSuitRowY(t, 3) + kCardHeight, t.PlayerHandY);
    EXPECT_GE(NineSlotX(t, 0), 0);
    EXPECT_LE(NineSlotX(t, 8) + kCardWidth, w.outerWidth - kFrameWidth);
  }
}

TEST(NineLayout, SlotsFanOutFromTheNine) {
  const TTableState t = Laid(Kind::Nine, kSmallest);
  EXPECT_EQ(NineSlotX(t, 3), 190);
  EXPECT_EQ(NineSlotX(t, 2), 99);
  EXPECT_EQ(NineSlotX(t, 1), 64);
  EXPECT_EQ(NineSlotX(t, 0), 29);
  EXPECT_EQ(NineSlotX(t, 4), 281);
  EXPECT_EQ(NineSlotX(t, 8), 421);
  EXPECT_EQ(NineSuitRowY(t, 2), 172);  // 106 + 2*33
}

// ---- Controls ---------------------------------------------------------------

TEST(ControlPlacement, DurakButtonAndPackCounterAtTheSmallestWindow) {
  const TTableState t = Laid(Kind::SimpleDurak, kSmallest);
  const ControlPlaces c = PlaceControls(t, Kind::SimpleDurak, kSmallest, 200);
  EXPECT_EQ(c.moveButton.left, 499);  // 6350000/12711
  EXPECT_EQ(c.moveButton.top, 260);   // 47500/182
  EXPECT_EQ(c.moveButton.width, 91);
  EXPECT_EQ(c.moveButton.height, 27);
  ASSERT_TRUE(c.labelPack.has_value());
  EXPECT_EQ(c.labelPack->left, 594);  // PackX + 95
  EXPECT_EQ(c.labelPack->top, 124);   // AttackY + 5
}

TEST(ControlPlacement, CzechDurakPanelsBesideTheButton) {
  const TTableState t = Laid(Kind::CzechDurak, kSmallest);
  const ControlPlaces c = PlaceControls(t, Kind::CzechDurak, kSmallest, 200);
  EXPECT_EQ(c.moveButton.left, 453);  // 6350000/14000
  EXPECT_EQ(c.moveButton.top, 250);   // 47500/190
  EXPECT_EQ(c.moveButton.width, 121);
  EXPECT_EQ(c.moveButton.height, 30);
  EXPECT_EQ(c.trumpPanel.left, 453);
  EXPECT_EQ(c.trumpPanel.top, 180);
  // (148 + 84 - 200 - 13)/2, at the height of the discard pile.
  EXPECT_EQ(c.pointsPanel.left, 9);
  EXPECT_EQ(c.pointsPanel.top, 119);
  // A wider panel: -31/2 truncates toward zero.
  EXPECT_EQ(PlaceControls(t, Kind::CzechDurak, kSmallest, 250).pointsPanel.left, -15);
}

TEST(ControlPlacement, HeartsButtonStandsOverTheSixthCard) {
  const TTableState t = Laid(Kind::Hearts, kSmallest);
  const ControlPlaces c = PlaceControls(t, Kind::Hearts, kSmallest, 200);
  EXPECT_EQ(c.moveButton.left, 263);  // (635 - 568)/2 + 155 + 5*15
  EXPECT_EQ(c.moveButton.top, 250);
  EXPECT_EQ(c.moveButton.width, 120);
  EXPECT_EQ(c.moveButton.height, 30);
  EXPECT_FALSE(c.labelPack.has_value());
  // The four totals stand in the top-left corner, above the left hand.
  EXPECT_EQ(c.pointsPanel.left, 8);
  EXPECT_EQ(c.pointsPanel.top, 8);
  const TTableState large = Laid(Kind::Hearts, kLarge);
  EXPECT_LT(c.pointsPanel.top + 72, large.CardY[1][0]);
}

// ---- Patience games, Hearts and Memory ---------------------------------------

TEST(SoloGameLayout, EveryPlaceOfALargeWindowIsOnScreen) {
  for (const Kind k : kSoloGames) {
    TTableState t;
    const LayoutWritten written = LayoutTable(t, k, kLarge);
    EXPECT_FALSE(written.cardGameAnchors);
    int placed = 0;
    for (int r = 0; r < kRows; ++r) {
      for (int s = 0; s < kSlots; ++s) {
        if (!written.cardPlaces[r].test(s)) continue;
        // A Solitaire column never holds more than twenty cards.
        if (k == Kind::Solitaire && r >= 5 && s >= 20) continue;
        // A Joker cell holds one joker, in slot 0.
        if (k == Kind::Joker && r == 11 && s >= 1) continue;
        ++placed;
        EXPECT_GE(t.CardX[r][s], 0) << static_cast<int>(k) << " " << r << " " << s;
        EXPECT_LE(t.CardX[r][s] + kCardWidth, kLarge.outerWidth - kFrameWidth);
        EXPECT_GE(t.CardY[r][s], 0) << static_cast<int>(k) << " " << r << " " << s;
        EXPECT_LE(t.CardY[r][s] + kCardHeight, kLarge.clientHeight);
      }
    }
    EXPECT_GT(placed, 0) << static_cast<int>(k);
  }
}

TEST(SoloGameLayout, UnnamedSlotsKeepWhatWasThere) {
  TTableState t;
  for (auto& row : t.CardX) row.fill(-999);
  const LayoutWritten written = LayoutTable(t, Kind::Prisoner, kSmallest);
  // The free cells of Prisoner (rows 4 to 8) are single places.
  EXPECT_TRUE(written.cardPlaces[4].test(0));
  EXPECT_FALSE(written.cardPlaces[4].test(1));
  EXPECT_EQ(t.CardX[4][1], -999);
  EXPECT_FALSE(written.cardPlaces[13].any());
  EXPECT_EQ(t.AttackX, 0);
}

TEST(SoloGameLayout, ScarfStockShowsItsDepth) {
  const TTableState t = Laid(Kind::Scarf, kSmallest);
  // g = 17, x0 = 16, pitch 87.
  EXPECT_EQ(t.CardX[0][0], 16);
  EXPECT_EQ(t.CardY[0][0], 10);
  EXPECT_EQ(t.CardX[0][8], 18);
  EXPECT_EQ(t.CardY[0][8], 12);
  EXPECT_EQ(t.CardX[0][16], 20);
  EXPECT_EQ(t.CardY[0][16], 14);
  EXPECT_EQ(t.CardX[0][24], 16);
  EXPECT_EQ(t.CardX[3][0], 277);   // 16 + 3*87
  EXPECT_EQ(t.CardX[13][9], 538);  // 16 + 6*87
  EXPECT_EQ(t.CardY[13][9], 115);
}

TEST(SoloGameLayout, SolitaireCellsCentredOverTheFirstColumns) {
  TTableState t;
  const LayoutWritten written = LayoutTable(t, Kind::Solitaire, kLarge);
  // g = 114, x0 = 113, pitch 184; column 4 (row 8) at 665.
  EXPECT_EQ(t.CardX[5][2], 113);
  EXPECT_EQ(t.CardY[5][2], 151);  // 115 + 2*18
  EXPECT_EQ(t.CardX[8][0], 665);
  // f = (665 + 71 - 113 - 288)/2 + 113 = 280.
  EXPECT_EQ(t.CardX[0][0], 280);
  EXPECT_EQ(t.CardX[0][3], 496);
  EXPECT_FALSE(written.cardPlaces[0].test(4));
  // Foundations above the last four columns.
  EXPECT_EQ(t.CardX[1][0], 849);
  EXPECT_EQ(t.CardX[4][50], 1401);
  EXPECT_FALSE(written.cardPlaces[1].test(51));
}

TEST(SoloGameLayout, NarrowWindowNeverPutsTheFirstColumnLeftOfTheEdge) {
  const TTableState kerchief = Laid(Kind::Kerchief, kSmallest);
  EXPECT_EQ(kerchief.CardX[0][0], 0);    // (635 - 710)/2 raised to 0
  EXPECT_EQ(kerchief.CardX[9][5], 639);  // 71*9
  EXPECT_EQ(kerchief.CardY[9][5], 259);  // (475 - 336)/7 + 48*5
  const TTableState bard = Laid(Kind::Bard, kSmallest);
  EXPECT_EQ(bard.CardX[0][0], 0);
  EXPECT_EQ(bard.CardX[0][37], 497);  // 71*7
  EXPECT_EQ(bard.CardY[0][37], 187);  // 4 + 3*(429/7)
  const TTableState memory = Laid(Kind::Memory36, kSmallest);
  // e = -4/3 = -1, pitch -1/8 + 69 = 69, start raised to 0.
  EXPECT_EQ(memory.CardX[0][0], 0);
  EXPECT_EQ(memory.CardX[0][8], 552);
  EXPECT_EQ(memory.CardY[0][35], 308);  // y0 = 91/8 = 11, v = 3: 11 + 3*(3 + 96)
}

TEST(SoloGameLayout, BardLinesNeverFurtherApartThanACard) {
  const TTableState t = Laid(Kind::Bard, kLarge);
  // v = 954/7 = 136, lowered to 96; y0 = (1000 - 432)/10 = 56; x0 = 445.
  EXPECT_EQ(t.CardX[0][51], 445 + 71);
  EXPECT_EQ(t.CardY[0][51], 56 + 5 * 96);
}

TEST(SoloGameLayout, MemoryPitchFollowsTheWidth) {
  const TTableState t = Laid(Kind::Memory36, kLarge);
  // e = 961/3 = 320, pitch 40 + 71, y0 = 77, v = 25.
  EXPECT_EQ(t.CardX[0][35], 320 + 8 * 111);
  EXPECT_EQ(t.CardY[0][35], 77 + 3 * 121);
  EXPECT_EQ(Laid(Kind::Memory36, Window(650, 600)).CardX[0][1], 3 + 69);
  EXPECT_EQ(Laid(Kind::Memory36, Window(660, 600)).CardX[0][1], 7 + 71);
}

TEST(SoloGameLayout, Memory52StartsAtFiveWhenNarrowAndLow) {
  const TTableState t = Laid(Kind::Memory52, Window(734, 659));
  EXPECT_EQ(t.CardX[0][0], 5);
  EXPECT_EQ(t.CardX[0][9], 5 + 9 * 71);
  EXPECT_EQ(t.CardY[0][0], 5);
  EXPECT_EQ(t.CardY[0][51], 5 + 5 * 96);
  EXPECT_EQ(t.CardX[0][51], 5 + 71);
  // 735 x 660 with client 614: e = 8, pitch 71; y0 = 38/8 = 4, v = 98.
  const TTableState wide = Laid(Kind::Memory52, Window(735, 660));
  EXPECT_EQ(wide.CardX[0][1], 8 + 71);
  EXPECT_EQ(wide.CardY[0][10], 4 + 98);
}

TEST(SoloGameLayout, PiramidaLevelsWidenByHalfACard) {
  const TTableState t = Laid(Kind::Piramida, kSmallest);
  // c = 16, m = 272.
  EXPECT_EQ(t.CardX[0][0], 16);
  EXPECT_EQ(t.CardY[0][0], 16);
  EXPECT_EQ(t.CardX[1][0], 95);    // 8 + 16 + 71
  EXPECT_EQ(t.CardX[3][0], 272);   // top of the pyramid
  EXPECT_EQ(t.CardX[3][4], 282);   // level 2, second card: 272 - 70 + 80
  EXPECT_EQ(t.CardY[3][4], 112);   // 16 + 2*48
  EXPECT_EQ(t.CardX[3][27], 542);  // level 6, last card: 272 - 210 + 480
  EXPECT_EQ(t.CardY[3][27], 304);
}

TEST(SoloGameLayout, JokerPlaceLiesUnderTheSeventhColumn) {
  const TTableState t = Laid(Kind::Joker, kSmallest);
  // g = 17, x0 = 16, pitch 87.
  EXPECT_EQ(t.CardX[11][0], 538);  // 16 + 6*87
  EXPECT_EQ(t.CardY[11][0], 216);
  EXPECT_EQ(t.CardX[11][1], 625);  // its own fan: 16 + 7*87
  EXPECT_EQ(t.CardY[11][1], 130);
  EXPECT_EQ(t.CardX[0][0], 103);  // 2*16 + 71
}

TEST(SoloGameLayout, PaganiniSpreadsOnlyFrom710) {
  const TTableState narrow = Laid(Kind::Paganini, kSmallest);
  EXPECT_EQ(narrow.CardX[3][9], 639);          // no gaps from x 0
  EXPECT_EQ(narrow.CardY[3][9], 11 + 3 * 99);  // y0 11, v 3
  const TTableState wide = Laid(Kind::Paganini, kLarge);
  // g = 890/24 = 37, x0 = (1600 - 1043)/2 = 278.
  EXPECT_EQ(wide.CardX[0][1], 278 + 108);
}

TEST(SoloGameLayout, FirTreesAlternateOneAndTwoCards) {
  const TTableState t = Laid(Kind::FirTrees, kLarge);
  // x0 = 608, y0 = (1000 - 434)/4 - 2 = 139.
  EXPECT_EQ(t.CardX[2][0], 649);
  EXPECT_EQ(t.CardY[2][0], 249);
  EXPECT_EQ(t.CardX[2][1], 608);
  EXPECT_EQ(t.CardX[2][2], 684);
  EXPECT_EQ(t.CardY[2][2], 273);
  EXPECT_EQ(t.CardX[3][15], 608 + 190 + 41);
  EXPECT_EQ(t.CardY[3][15], 249 + 240);
  EXPECT_EQ(t.CardX[0][6], 610);  // the stock's depth from the seventh card
  EXPECT_EQ(t.CardX[0][12], 612);
}

TEST(SoloGameLayout, ClockPilesRoundTheCentre) {
  const TTableState t = Laid(Kind::Clock, kLarge);
  // cx = 762, cy = 329.
  EXPECT_EQ(t.CardX[0][0], 762);
  EXPECT_EQ(t.CardY[0][0], 329);
  EXPECT_EQ(t.CardX[9][4], 762 - 243 + 8);
  EXPECT_EQ(t.CardY[12][0], 329 - 152);
  EXPECT_EQ(t.CardY[6][1], 329 + 152 + 2);
}

TEST(SoloGameLayout, CrossRoadsArmsAboveAndBelowTheMiddle) {
  const TTableState t = Laid(Kind::CrossRoads, kLarge);
  // x0 = 572, y = 333.
  EXPECT_EQ(t.CardX[2][0], 572 + 116 + 106);
  EXPECT_EQ(t.CardX[4][0], t.CardX[2][0]);
  EXPECT_EQ(t.CardY[4][0], 333 - 124);
  EXPECT_EQ(t.CardY[5][0], 333 + 124);
  EXPECT_EQ(t.CardX[0][15], 572);
  EXPECT_EQ(t.CardX[0][16], 574);
  EXPECT_EQ(t.CardX[0][32], 576);
}

TEST(SoloGameLayout, StreetFansLeftAndRightOfTheFoundations) {
  const TTableState t = Laid(Kind::Street, kLarge);
  // xc = 764, y0 = 139.
  EXPECT_EQ(t.CardX[3][0], 764);
  EXPECT_EQ(t.CardY[3][0], 139 + 303);
  EXPECT_EQ(t.CardX[10][2], 764 - 275 + 28);
  EXPECT_EQ(t.CardY[10][2], 139 + 303);
  EXPECT_EQ(t.CardX[5][0], 764 + 120);
  EXPECT_EQ(t.CardY[5][0], 139);
}

// ---- Hearts -----------------------------------------------------------------

TEST(HeartsLayout, FourHandsRoundTheTrick) {
  const TTableState t = Laid(Kind::Hearts, kSmallest);
  // x0 = 33, yc = (429 - 384)/2 = 22, yt = 7.
  EXPECT_EQ(t.CardX[0][0], 188);
  EXPECT_EQ(t.CardY[0][0], 310);
  EXPECT_EQ(t.CardX[1][12], 33);
  EXPECT_EQ(t.CardY[1][12], 7 + 56 + 180);
  EXPECT_EQ(t.CardY[2][0], 7);
  EXPECT_EQ(t.CardX[3][0], 530);
  EXPECT_EQ(t.CardX[4][0], 284);  // 188 + 96
  EXPECT_EQ(t.CardY[4][0], 210);  // 310 - 100
  EXPECT_EQ(t.CardX[4][1], 114);  // 33 + 81
  EXPECT_EQ(t.CardY[4][1], 159);  // 63 + 96
  EXPECT_EQ(t.CardY[4][2], 108);  // 7 + 101: above the player's card, not over it
  EXPECT_LE(t.CardY[4][2] + 96, t.CardY[4][0]);
  EXPECT_EQ(t.CardX[5][0], t.CardX[0][6]);  // the player's taken cards go to his hand
  EXPECT_EQ(t.CardX[4][3], 378);  // 530 - 152
}

TEST(HeartsLayout, ChosenCardsStandRaised) {
  TestGame tg;
  TTableState& t = tg.g.t;
  tg.SetRow(0, {C(0, 1), C(0, 2), C(0, 3), C(0, 4), C(0, 5)});
  t.PassSlots = {1, -1, 4};
  LayoutTable(t, Kind::Hearts, kSmallest);
  EXPECT_EQ(t.CardY[0][0], 310);
  EXPECT_EQ(t.CardY[0][1], 290);
  EXPECT_EQ(t.CardY[0][2], 310);
  EXPECT_EQ(t.CardY[0][4], 290);
  // A fresh layout does not raise them a second time.
  LayoutTable(t, Kind::Hearts, kSmallest);
  EXPECT_EQ(t.CardY[0][1], 290);
}

TEST(HeartsLayout, EmptyOrForeignPassSlotsRaiseNothing) {
  TestGame tg;
  TTableState& t = tg.g.t;
  tg.SetRow(0, {C(0, 1), C(0, 2)});
  // Slot 7 is empty; 60 and -5 are no slots at all.
  t.PassSlots = {7, 60, -5};
  LayoutTable(t, Kind::Hearts, kSmallest);
  for (int s = 0; s <= 12; ++s) EXPECT_EQ(t.CardY[0][s], 310) << s;
}

TEST(HeartsLayout, SlotNamedTwiceIsRaisedOnce) {
  TestGame tg;
  TTableState& t = tg.g.t;
  tg.SetRow(0, {C(0, 1), C(0, 2)});
  t.PassSlots = {1, 1, -1};
  LayoutTable(t, Kind::Hearts, kSmallest);
  EXPECT_EQ(t.CardY[0][1], 290);
}

// ---- Editions ---------------------------------------------------------------

TEST(EditionLayout, OlderEditionLaysOutItsMemoryUnderItsOwnNumber) {
  TestGame tg(1, Edition284());
  tg.Select(21, 0);  // Memory 36 in edition 2.84
  const LayoutWritten written = LayoutTable(tg.g, kLarge);
  EXPECT_EQ(written.cardPlaces[0].count(), 36u);
  EXPECT_EQ(tg.g.t.CardX[0][35], 320 + 8 * 111);
}

}  // namespace

// The games laid out wider or taller than the smallest window, and the size
// at which every place they lay out is inside the window (the cards that
// grow with the window are laid out for it).
TEST(LayoutFit, EveryPlaceLiesInsideTheFitSizeOfTheGamesThatNeedMoreRoom) {
  constexpr int32_t kMenuHeight = 46;
  for (const Kind k : {Kind::Kerchief, Kind::Bard, Kind::Paganini, Kind::Memory52}) {
    const OuterSize fit = LayoutFitSize(k);
    int32_t right = 0, bottom = 0, rightAtSmallest = 0;
    TTableState t;
    const WindowGeometry smallest{kMinOuterWidth, kMinOuterHeight, kMinOuterHeight - kMenuHeight};
    const LayoutWritten small = LayoutTable(t, k, smallest);
    for (int r = 0; r < kRows; ++r) {
      for (int s = 0; s < kSlots; ++s) {
        if (small.cardPlaces[r][s]) rightAtSmallest = std::max(rightAtSmallest, t.CardX[r][s]);
      }
    }
    const WindowGeometry window{fit.width, fit.height, fit.height - kMenuHeight};
    const LayoutWritten written = LayoutTable(t, k, window);
    for (int r = 0; r < kRows; ++r) {
      for (int s = 0; s < kSlots; ++s) {
        if (!written.cardPlaces[r][s]) continue;
        right = std::max(right, t.CardX[r][s] + kCardWidth);
        bottom = std::max(bottom, t.CardY[r][s] + kCardHeight);
      }
    }
    EXPECT_GT(rightAtSmallest + kCardWidth, kMinOuterWidth) << static_cast<int>(k);
    EXPECT_LE(right, fit.width) << static_cast<int>(k);
    EXPECT_LE(bottom, window.clientHeight) << static_cast<int>(k);
  }
}

TEST(LayoutFit, EveryOtherGameFitsTheSmallestWindow) {
  for (int v = 0; v <= static_cast<int>(Kind::Memory52); ++v) {
    const Kind k = static_cast<Kind>(v);
    if (k == Kind::Kerchief || k == Kind::Bard || k == Kind::Paganini || k == Kind::Memory52) {
      continue;
    }
    const OuterSize fit = LayoutFitSize(k);
    EXPECT_EQ(fit.width, kMinOuterWidth) << v;
    EXPECT_EQ(fit.height, kMinOuterHeight) << v;
  }
}
