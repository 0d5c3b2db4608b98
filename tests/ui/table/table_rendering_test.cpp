// What the composed table shows for dealt games: which cards lie face up,
// which face down, how deep the stock looks, the marks of an empty stock
// and the picked card. Everything is drawn into the off-screen pictures at
// one pixel per point, so a card is found by comparing pixels.
#include <gtest/gtest.h>

#include <QPainter>

#include "core/catalogue.h"
#include "core/game.h"
#include "core/new_game.h"
#include "persistence/settings_schema.h"
#include "persistence/settings_store.h"
#include "table/layout.h"
#include "ui/artwork/artwork.h"
#include "ui/table_pictures.h"
#include "ui/table_renderer.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// A dealt game on a table of 800 x 600, with its pictures.
class Table {
 public:
  Table(int vidg, int formg, int64_t seed, int packSize = 36)
      : clock_(seed), game_(Edition285(), callouts_, clock_), art_(1.0) {
    game_.store = &store_;
    ApplyFirstStartValues(game_);
    game_.program.PackSize = packSize;
    BuildPack(game_.t.Pack);
    game_.t.VidG = vidg;
    game_.t.FormG = formg;
    game_.random.Seed(seed);
    DealOnly(game_);
    LayoutTable(game_, {kWidth, kHeight, kHeight});
    ResizeTablePictures(pictures_, kWidth, kHeight, 1.0);
    BuildTableBackground(pictures_, art_, game_.t.Options.BackGr, Lines());
  }

  TTableState& t() { return game_.t; }
  const Artwork& art() const { return art_; }
  const TablePictures& pictures() const { return pictures_; }

  void Repaint() {
    ComposeTable(pictures_.BackBuffer, pictures_.TableBackground, art_, game_.t, game_.kind(),
                 {QRect(560, 250, 121, 64)});
  }

  // Whether the table shows this picture at (x, y) with nothing over it:
  // every opaque pixel of the picture is on the table. (Its rounded corners
  // let whatever lies below show through.)
  bool Shows(const QPixmap& picture, int x, int y) const {
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage& shown = pictures_.BackBuffer;
    for (int py = 0; py < image.height(); ++py) {
      for (int px = 0; px < image.width(); ++px) {
        const QRgb want = image.pixel(px, py);
        if (qAlpha(want) != 255) continue;
        if (!shown.rect().contains(x + px, y + py)) return false;
        if ((shown.pixel(x + px, y + py) & 0xffffff) != (want & 0xffffff)) return false;
      }
    }
    return true;
  }

  bool ShowsFace(int row, int slot, int x, int y) const {
    return Shows(art_.Face(game_.t.ImageIndexAt(row, slot)), x, y);
  }
  bool ShowsBack(int x, int y) const { return Shows(art_.Back(game_.t.Options.CardBack), x, y); }
  bool ShowsSidewaysBack(int x, int y) const {
    return Shows(art_.SidewaysBack(game_.t.Options.BackIndex()), x, y);
  }

  // Whether the composed table differs from the bare table at this point.
  bool Covered(int x, int y) const {
    return pictures_.BackBuffer.pixel(x, y) != pictures_.TableBackground.pixel(x, y);
  }

  int CountPixels(const QRect& area, QRgb colour) const {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        n += (pictures_.BackBuffer.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return n;
  }

  QRect StockPlace() const {
    return QRect(game_.t.CardX[0][0], game_.t.CardY[0][0], kCardWidth, kCardHeight);
  }

 private:
  SeparatorLines Lines() const {
    const Kind k = game_.kind();
    return {IsCardGame(k) && k != Kind::Nine, game_.t.TopLineY, game_.t.BottomLineY};
  }

  FixedClock clock_;
  NullCallouts callouts_;
  MemoryStore store_;
  Game game_;
  Artwork art_;
  TablePictures pictures_;
};

constexpr QRgb kPureGreen = qRgb(0, 255, 0);
constexpr QRgb kPureRed = qRgb(255, 0, 0);

void EmptyRow(TTableState& t, int row) {
  for (TCard& c : t.CardGrid[row]) c.Present = 0;
  t.PileCount[row] = 0;
}

// ---- The hands of durak -------------------------------------------------

TEST(DurakTable, PlayerSeesHisOwnCardsAndTheBacksOfTheComputers) {
  Table table(0, 1, 3);
  table.Repaint();
  TTableState& t = table.t();
  ASSERT_EQ(t.RowCount[0], 6);
  ASSERT_EQ(t.RowCount[1], 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(table.ShowsFace(1, i, HandCardX(t, 6, i), t.PlayerHandY)) << "player card " << i;
    EXPECT_FALSE(table.ShowsBack(HandCardX(t, 6, i), t.PlayerHandY)) << "player card " << i;
    EXPECT_TRUE(table.ShowsBack(HandCardX(t, 6, i), t.ComputerHandY)) << "computer card " << i;
    EXPECT_FALSE(table.ShowsFace(0, i, HandCardX(t, 6, i), t.ComputerHandY));
  }
}

TEST(DurakTable, ReverseDurakShowsTheComputersCardsAndHidesThePlayers) {
  Table table(2, 1, 3);
  table.Repaint();
  TTableState& t = table.t();
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(table.ShowsFace(0, i, HandCardX(t, 6, i), t.ComputerHandY)) << i;
    EXPECT_TRUE(table.ShowsBack(HandCardX(t, 6, i), t.PlayerHandY)) << i;
  }
}

TEST(DurakTable, ReverseDurakShowsThePlayersCardsWhileHeGuesses) {
  Table table(2, 1, 3);
  table.t().GuessMode = 1;
  table.Repaint();
  TTableState& t = table.t();
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(table.ShowsFace(1, i, HandCardX(t, 6, i), t.PlayerHandY));
}

TEST(DurakTable, RevealedHandsShowTheComputersCards) {
  Table table(0, 1, 3);
  table.t().RevealHands = 1;
  table.Repaint();
  TTableState& t = table.t();
  for (int i = 0; i < 6; ++i)
    EXPECT_TRUE(table.ShowsFace(0, i, HandCardX(t, 6, i), t.ComputerHandY));
}

// ---- The pack ------------------------------------------------------------

TEST(DurakPack, ThirtyOneCardsOrMoreShowFifteenBacksTheLastTwentyNinePixelsIn) {
  for (int cards : {31, 52}) {
    Table table(0, 1, 3);
    TTableState& t = table.t();
    t.RowCount[5] = cards;
    table.Repaint();
    EXPECT_TRUE(table.ShowsSidewaysBack(t.PackX + 29, t.PackY + 29)) << cards;
    // A sixteenth back would reach two pixels further right.
    EXPECT_FALSE(table.Covered(t.PackX + 29 + 96, t.PackY + 60)) << cards;
  }
}

TEST(DurakPack, OneCardShowsOneBackOnePixelIn) {
  Table table(0, 1, 3);
  TTableState& t = table.t();
  t.RowCount[5] = 1;
  table.Repaint();
  EXPECT_TRUE(table.ShowsSidewaysBack(t.PackX + 1, t.PackY + 1));
  EXPECT_FALSE(table.Covered(t.PackX + 1 + 96, t.PackY + 40));
}

TEST(DurakPack, TheTrumpCardLiesUnderThePackAndItsSuitStaysWhenItIsGone) {
  Table table(0, 1, 3);
  TTableState& t = table.t();
  t.RowCount[5] = 0;
  table.Repaint();
  EXPECT_TRUE(table.ShowsFace(4, 0, t.TrumpX, t.TrumpY));
  t.CardGrid[4][0].Present = 0;
  table.Repaint();
  EXPECT_TRUE(table.Shows(table.art().SuitIcon(t.TrumpSuit), t.TrumpIconX, t.TrumpIconY));
}

TEST(DurakPack, TheGuessingGameHidesThePack) {
  Table table(0, 1, 3);
  TTableState& t = table.t();
  ASSERT_GT(t.RowCount[5], 20);
  t.GuessMode = 1;
  table.Repaint();
  const int last = (t.RowCount[5] - 1) / 2 * 2 + 1;
  EXPECT_FALSE(table.Covered(t.PackX + last + 95, t.PackY + last + 35));
}

TEST(CzechAndEightsPack, CzechDurakStandsItsPackUprightEightsLaysItSideways) {
  Table czech(5, 3, 3);
  czech.Repaint();
  TTableState& c = czech.t();
  ASSERT_GT(c.RowCount[5], 0);
  const int lastCzech = (std::min(c.RowCount[5], 30) - 1) / 2 * 2 + 1;
  EXPECT_TRUE(czech.ShowsBack(c.SidePackX + lastCzech, c.AttackY + lastCzech));

  // Eights deals the whole pack; its stock fills when the discard pile is
  // turned over.
  Table eights(6, 0, 3);
  TTableState& e = eights.t();
  e.RowCount[5] = 9;
  eights.Repaint();
  const int lastEights = (std::min(e.RowCount[5], 30) - 1) / 2 * 2 + 1;
  EXPECT_TRUE(eights.ShowsSidewaysBack(e.SidePackX + lastEights, e.AttackY + lastEights));
}

// ---- The separator lines ----------------------------------------------------

bool RowsEqual(const QImage& a, const QImage& b, int y) {
  return a.copy(0, y, a.width(), 1) == b.copy(0, y, b.width(), 1);
}

TEST(SeparatorLines, DurakHasThemAtTheTopAndBottomLinesNineHasNone) {
  Artwork art(1.0);
  TablePictures lined, bare;
  for (TablePictures* p : {&lined, &bare}) ResizeTablePictures(*p, kWidth, kHeight, 1.0);
  const int backGr = 0;
  BuildTableBackground(lined, art, backGr, {true, 140, 369});
  BuildTableBackground(bare, art, backGr, {false, 140, 369});
  EXPECT_FALSE(RowsEqual(lined.TableBackground, bare.TableBackground, 140));
  EXPECT_FALSE(RowsEqual(lined.TableBackground, bare.TableBackground, 369));
  EXPECT_TRUE(RowsEqual(lined.TableBackground, bare.TableBackground, 141));
  EXPECT_EQ(lined.TableBackground.copy(0, 140, kWidth, 1), lined.LineStrip);
}

TEST(SeparatorLines, EachBackgroundTakesTheContrastingPatternAndTextColour) {
  EXPECT_EQ(LinePatternOf(0), 8);
  EXPECT_EQ(LinePatternOf(1), 10);
  EXPECT_EQ(LinePatternOf(13), 10);
  EXPECT_EQ(TableTextColourOf(0), TableTextColour::WindowText);
  EXPECT_EQ(TableTextColourOf(6), TableTextColour::ButtonFace);
}

// ---- Empty stocks -----------------------------------------------------------

TEST(EmptyStock, ScarfShowsTheGreenRingOnlyWhenItsStockIsEmpty) {
  Table table(8, 0, 5);
  table.Repaint();
  EXPECT_EQ(table.CountPixels(table.StockPlace(), kPureGreen), 0);
  EmptyRow(table.t(), 0);
  table.Repaint();
  EXPECT_GT(table.CountPixels(table.StockPlace(), kPureGreen), 200);
  EXPECT_EQ(table.CountPixels(table.StockPlace(), kPureRed), 0);
}

TEST(EmptyStock, TwoByTwoShowsTheGreenRing) {
  Table table(15, 0, 5);
  EmptyRow(table.t(), 0);
  table.Repaint();
  EXPECT_GT(table.CountPixels(table.StockPlace(), kPureGreen), 200);
}

TEST(EmptyStock, OldFriendCrossRoadsAndFirTreesShowTheRedCross) {
  for (int vidg : {16, 20, 21}) {
    Table table(vidg, 0, 5);
    table.Repaint();
    EXPECT_EQ(table.CountPixels(table.StockPlace(), kPureRed), 0) << vidg;
    EmptyRow(table.t(), 0);
    table.Repaint();
    EXPECT_GT(table.CountPixels(table.StockPlace(), kPureRed), 100) << vidg;
    EXPECT_EQ(table.CountPixels(table.StockPlace(), kPureGreen), 0) << vidg;
  }
}

TEST(EmptyStock, PiramidaAndPrisonerShowTheRingUntilTheSecondPassThenTheCross) {
  for (int vidg : {13, 14}) {
    Table table(vidg, 0, 5);
    EmptyRow(table.t(), 0);
    table.t().CoverIndex = 1;
    table.Repaint();
    EXPECT_GT(table.CountPixels(table.StockPlace(), kPureGreen), 200) << vidg;
    table.t().CoverIndex = 2;
    table.Repaint();
    EXPECT_GT(table.CountPixels(table.StockPlace(), kPureRed), 100) << vidg;
    EXPECT_EQ(table.CountPixels(table.StockPlace(), kPureGreen), 0) << vidg;
  }
}

TEST(StockDepth, ScarfShowsThreeBacksAboveSixteenCardsAndOneForEightOrFewer) {
  Table table(8, 0, 5);
  TTableState& t = table.t();
  ASSERT_GT(t.PileCount[0], 16);
  table.Repaint();
  EXPECT_TRUE(table.ShowsBack(t.CardX[0][0] + 4, t.CardY[0][0] + 4));
  t.PileCount[0] = 8;
  table.Repaint();
  EXPECT_TRUE(table.ShowsBack(t.CardX[0][0], t.CardY[0][0]));
  EXPECT_FALSE(table.Covered(t.CardX[0][0] + 71, t.CardY[0][0] + 50));
}

// ---- The picked card -----------------------------------------------------------

int Lightness(const QImage& image, const QRect& area) {
  int64_t sum = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) sum += qGray(image.pixel(x, y));
  return static_cast<int>(sum / (area.width() * area.height()));
}

TEST(PickedCard, KerchiefWhitensThePickedCard) {
  Table table(10, 0, 5);
  TTableState& t = table.t();
  const int top = t.PileCount[0] - 1;
  const QRect place(t.CardX[0][top], t.CardY[0][top], kCardWidth, kCardHeight);
  table.Repaint();
  ASSERT_TRUE(table.ShowsFace(0, top, place.x(), place.y()));
  const int before = Lightness(table.pictures().BackBuffer, place.adjusted(4, 4, -4, -4));

  t.Picked = 1;
  t.SourceRow = 0;
  t.SourceSlot = top;
  table.Repaint();
  EXPECT_TRUE(table.Shows(table.art().Selected(t.ImageIndexAt(0, top)), place.x(), place.y()));
  const int after = Lightness(table.pictures().BackBuffer, place.adjusted(4, 4, -4, -4));
  EXPECT_GT(after, before + 10);
}

TEST(PickedCard, ScarfDrawsNoHighlight) {
  Table table(8, 0, 5);
  TTableState& t = table.t();
  table.Repaint();
  const QImage unpicked = table.pictures().BackBuffer;
  t.Picked = 1;
  t.SourceRow = 13;
  t.SourceSlot = t.PileCount[13] - 1;
  table.Repaint();
  EXPECT_EQ(table.pictures().BackBuffer, unpicked);
}

TEST(PickedCard, APickedPlaceOutsideTheGridDrawsNothing) {
  Table table(10, 0, 5);
  table.Repaint();
  const QImage unpicked = table.pictures().BackBuffer;
  table.t().Picked = 1;
  table.t().SourceRow = -1;
  table.t().SourceSlot = 60;
  table.Repaint();
  EXPECT_EQ(table.pictures().BackBuffer, unpicked);
}

// ---- Other games ---------------------------------------------------------------

TEST(Memory, EveryCardLiesFaceDownUntilItIsTurned) {
  Table table(25, 0, 5);
  TTableState& t = table.t();
  table.Repaint();
  EXPECT_TRUE(table.ShowsBack(t.CardX[0][51], t.CardY[0][51]));
  t.Opened[0][51] = 1;
  table.Repaint();
  EXPECT_TRUE(table.ShowsFace(0, 51, t.CardX[0][51], t.CardY[0][51]));
}

TEST(Hearts, ThePlayersHandIsSeenTheOtherThreeAreNot) {
  Table table(23, 0, 5);
  TTableState& t = table.t();
  table.Repaint();
  // The last card of each hand lies on top of the fan.
  EXPECT_TRUE(table.ShowsFace(0, 12, t.CardX[0][12], t.CardY[0][12]));
  for (int r = 1; r <= 3; ++r) EXPECT_TRUE(table.ShowsBack(t.CardX[r][12], t.CardY[r][12])) << r;
}

TEST(Nine, ASuitWithoutItsNineShowsItsFreePlace) {
  Table table(7, 0, 5);
  TTableState& t = table.t();
  table.Repaint();
  // At the deal no suit row holds a card: every nine's place is outlined.
  auto dotsOnTopEdge = [&](int i) {
    int dots = 0;
    for (int x = t.NineCenterX; x < t.NineCenterX + kCardWidth; ++x)
      dots += table.Covered(x, NineSuitRowY(t, i));
    return dots;
  };
  for (int i = 0; i < 4; ++i) {
    EXPECT_GT(dotsOnTopEdge(i), 20) << i;
    EXPECT_FALSE(table.Covered(t.NineCenterX + 35, NineSuitRowY(t, i) + 40)) << i;
  }
  // The network client between rounds draws no suit rows.
  t.NineRowEnd = 0;
  table.Repaint();
  EXPECT_EQ(dotsOnTopEdge(0), 0);
}

TEST(Joker, TheBlackSixesCarryTheJokerPictureInColumnsCellsAndWhenPicked) {
  Table table(18, 0, 5);
  TTableState& t = table.t();
  const int top = t.PileCount[4] - 1;
  ASSERT_GE(top, 0);
  t.PutCard(4, top, TCard{0, 4, 1, {}});  // the six of clubs
  EmptyRow(t, 10);
  t.PutCard(11, 0, TCard{1, 4, 1, {}});  // the six of spades in a cell
  table.Repaint();
  EXPECT_TRUE(table.Shows(table.art().Joker(), t.CardX[4][top], t.CardY[4][top]));
  EXPECT_TRUE(table.Shows(table.art().EmptyPlace(), t.CardX[10][0], t.CardY[10][0]));
  EXPECT_TRUE(table.Shows(table.art().Joker(), t.CardX[11][0], t.CardY[11][0]));

  t.Picked = 1;
  t.SourceRow = 4;
  t.SourceSlot = top;
  table.Repaint();
  EXPECT_TRUE(table.Shows(table.art().Selected(Artwork::kJoker), t.CardX[4][top], t.CardY[4][top]));
}

}  // namespace
