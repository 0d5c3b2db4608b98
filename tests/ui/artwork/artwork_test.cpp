// The painted pictures: every image of the three lists exists in its size,
// a player can tell every card apart and read its colour, the backs come in
// two distinct sets, the empty place lets the table through, and the table
// textures tile without seams.
#include "ui/artwork/artwork.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

class ArtworkTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { art_ = std::make_unique<Artwork>(2.0); }
  static void TearDownTestSuite() { art_.reset(); }
  static const Artwork& Art() { return *art_; }

 private:
  static std::unique_ptr<Artwork> art_;
};

std::unique_ptr<Artwork> ArtworkTest::art_;

QImage Pixels(const QPixmap& pixmap) {
  return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

QSize LogicalSize(const QPixmap& pixmap) {
  return (QSizeF(pixmap.size()) / pixmap.devicePixelRatio()).toSize();
}

bool IsSuitRed(QRgb px) {
  return qAlpha(px) > 128 && qRed(px) > 150 && qGreen(px) < 100 && qBlue(px) < 100;
}

int CountRedPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += IsSuitRed(image.pixel(x, y));
  }
  return count;
}

// Mean difference per channel (0..255) of two images of the same size.
double MeanDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
             std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
    }
  }
  return sum / (4.0 * a.width() * a.height());
}

// A pip pixel: strongly in the suit's colour, not an antialiased edge.
bool IsInk(QRgb px) {
  return qAlpha(px) > 200 && qGray(px) < 110 && (qRed(px) < 60 || IsSuitRed(px));
}

// Counts the separate marks inside `area` (device pixels): each pip of a spot
// card is one connected blot of ink. Flecks of a few pixels (the edge of a
// fine line) do not count.
int CountBlots(const QImage& image, const QRect& area, int* largest = nullptr) {
  std::vector<char> seen(static_cast<size_t>(area.width()) * area.height(), 0);
  auto index = [&](int x, int y) { return (y - area.top()) * area.width() + (x - area.left()); };
  int blots = 0;
  int biggest = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (seen[index(x, y)] || !IsInk(image.pixel(x, y))) continue;
      int size = 0;
      std::vector<QPoint> stack{{x, y}};
      seen[index(x, y)] = 1;
      while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        ++size;
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
          const QPoint n = p + d;
          if (!area.contains(n) || seen[index(n.x(), n.y())] || !IsInk(image.pixel(n))) continue;
          seen[index(n.x(), n.y())] = 1;
          stack.push_back(n);
        }
      }
      if (size >= 30) ++blots;
      biggest = std::max(biggest, size);
    }
  }
  if (largest) *largest = biggest;
  return blots;
}

double Luminance(const QImage& image, int row) {
  double sum = 0;
  for (int x = 0; x < image.width(); ++x) sum += qGray(image.pixel(x, row));
  return sum / image.width();
}

double MeanLuminance(const QImage& image) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y) sum += Luminance(image, y);
  return sum / image.height();
}

// ---- Sizes and numbering ------------------------------------------------------------

TEST_F(ArtworkTest, EveryCardPictureIsACardAt71By96) {
  for (int image = 0; image < Artwork::kCardImageCount; ++image) {
    const QPixmap& card = Art().Card(image);
    EXPECT_EQ(LogicalSize(card), QSize(71, 96)) << "image " << image;
    EXPECT_EQ(card.devicePixelRatio(), 2.0);
    EXPECT_EQ(card.size(), QSize(142, 192)) << "painted at twice the size";
  }
}

TEST_F(ArtworkTest, SidewaysBacksLieAcrossAt96By71AndShowTheirOwnBack) {
  for (int back = 0; back < Artwork::kBackCount; ++back) {
    const QPixmap& sideways = Art().SidewaysBack(back);
    EXPECT_EQ(LogicalSize(sideways), QSize(96, 71));
    const QImage upright = Pixels(Art().Back(Artwork::kFirstBack + back));
    EXPECT_EQ(Pixels(sideways), upright.transformed(QTransform().rotate(90)))
        << "sideways back " << back << " is not back " << Artwork::kFirstBack + back;
  }
}

TEST_F(ArtworkTest, SuitIconsAre18By18InTheirSuitColour) {
  for (int suit = 0; suit < Artwork::kSuitCount; ++suit) {
    EXPECT_EQ(LogicalSize(Art().SuitIcon(suit)), QSize(18, 18));
    const bool red = suit == 2 || suit == 3;
    EXPECT_EQ(CountRedPixels(Pixels(Art().SuitIcon(suit))) > 20, red) << "suit " << suit;
  }
  EXPECT_NE(Pixels(Art().SuitIcon(0)), Pixels(Art().SuitIcon(1)));
  EXPECT_NE(Pixels(Art().SuitIcon(2)), Pixels(Art().SuitIcon(3)));
}

TEST_F(ArtworkTest, PictureLooksUpEachImageList) {
  EXPECT_EQ(Art().Picture(ImageList::IList, 51).cacheKey(), Art().Card(51).cacheKey());
  EXPECT_EQ(Art().Picture(ImageList::IList1, 5).cacheKey(), Art().SidewaysBack(5).cacheKey());
  EXPECT_EQ(Art().Picture(ImageList::IList2, 3).cacheKey(), Art().SuitIcon(3).cacheKey());
  EXPECT_EQ(Art().EmptyPlace().cacheKey(), Art().Card(81).cacheKey());
  EXPECT_EQ(Art().Joker().cacheKey(), Art().Card(82).cacheKey());
}

// ---- Faces a player reads at a glance -----------------------------------------------------

TEST_F(ArtworkTest, NoTwoFacesLookAlike) {
  std::vector<QImage> faces;
  for (int image = 0; image < Artwork::kFaceCount; ++image)
    faces.push_back(Pixels(Art().Face(image)));
  for (int a = 0; a < Artwork::kFaceCount; ++a) {
    for (int b = a + 1; b < Artwork::kFaceCount; ++b) {
      EXPECT_GT(MeanDifference(faces[a], faces[b]), 0.5) << "faces " << a << " and " << b;
    }
  }
}

TEST_F(ArtworkTest, DiamondsAndHeartsAreRedClubsAndSpadesHaveNoRed) {
  for (int image = 0; image < Artwork::kFaceCount; ++image) {
    const int suit = image / 13;
    const int red = CountRedPixels(Pixels(Art().Face(image)));
    if (suit >= 2) {
      EXPECT_GT(red, 200) << "face " << image;
    } else {
      EXPECT_EQ(red, 0) << "face " << image;
    }
  }
}

TEST_F(ArtworkTest, TheIndexReadsTheSameFromBothEnds) {
  // A card held either way up shows its rank and suit in the corner.
  for (int image = 0; image < Artwork::kFaceCount; ++image) {
    const QImage face = Pixels(Art().Face(image));
    const QRect corner(4, 6, 22, 50);  // device pixels of the top-left index
    const QImage top = face.copy(corner);
    const QImage turned = face.transformed(QTransform().rotate(180)).copy(corner);
    EXPECT_GT(CountBlots(top, top.rect()), 1) << "face " << image << " has no index";
    EXPECT_LT(MeanDifference(top, turned), 6.0) << "face " << image;
  }
}

TEST_F(ArtworkTest, SpotCardsCarryOnePipPerSpot) {
  // The pip field lies between the two index columns (device pixels).
  const QRect field(28, 14, 86, 164);
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 0; rank <= 8; ++rank) {
      const int spots = rank + 2;
      const QImage face = Pixels(Art().Face(suit * 13 + rank));
      EXPECT_EQ(CountBlots(face, field), spots) << "suit " << suit << " rank " << rank;
    }
  }
}

TEST_F(ArtworkTest, AcesShowOneLargePip) {
  const QRect field(28, 14, 86, 164);
  int twoPip = 0;
  CountBlots(Pixels(Art().Face(0)), field, &twoPip);
  for (int suit = 0; suit < 4; ++suit) {
    int pip = 0;
    const int blots = CountBlots(Pixels(Art().Face(suit * 13 + 12)), field, &pip);
    EXPECT_GE(blots, 1);
    EXPECT_LE(blots, 3) << "suit " << suit << ": one pip (the spade may wear a ring)";
    EXPECT_GT(pip, 4 * twoPip) << "suit " << suit;
  }
}

TEST_F(ArtworkTest, CourtCardsCarryAFigureInSeveralColours) {
  // Spot cards are printed in the one suit colour; a court figure is dressed
  // in several (robe, trim, gold, skin).
  auto hues = [](const QImage& image) {
    std::vector<int> counts(12, 0);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = QColor::fromRgba(image.pixel(x, y));
        if (c.alpha() > 200 && c.hsvSaturation() > 60 && c.value() > 60) ++counts[c.hsvHue() / 30];
      }
    }
    return std::count_if(counts.begin(), counts.end(), [](int n) { return n > 60; });
  };
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 0; rank <= 8; ++rank) {
      EXPECT_LE(hues(Pixels(Art().Face(suit * 13 + rank))), 1)
          << "suit " << suit << " rank " << rank;
    }
    for (int rank = 9; rank <= 11; ++rank) {
      EXPECT_GE(hues(Pixels(Art().Face(suit * 13 + rank))), 3)
          << "suit " << suit << " rank " << rank;
    }
  }
}

// ---- Backs, empty place, joker, picked card ------------------------------------------

TEST_F(ArtworkTest, EveryBackHasItsOwnDesign) {
  std::vector<QImage> backs;
  for (int image = Artwork::kFirstBack; image <= Artwork::kSpareBack; ++image) {
    backs.push_back(Pixels(Art().Back(image)));
  }
  for (size_t a = 0; a < backs.size(); ++a) {
    for (size_t b = a + 1; b < backs.size(); ++b) {
      EXPECT_GT(MeanDifference(backs[a], backs[b]), 2.0) << "backs " << a << " and " << b;
    }
  }
}

TEST_F(ArtworkTest, TheTwoBackSetsLookDifferent) {
  // Across the sets the designs differ far more than two pictures that
  // merely vary a little.
  for (int a = 0; a < Artwork::kBackSetSize; ++a) {
    const QImage first = Pixels(Art().Back(Artwork::kFirstBack + a));
    for (int b = 0; b < Artwork::kBackSetSize; ++b) {
      const QImage second = Pixels(Art().Back(Artwork::kFirstBack + Artwork::kBackSetSize + b));
      EXPECT_GT(MeanDifference(first, second), 25.0) << "set 0 back " << a << ", set 1 back " << b;
    }
  }
}

TEST_F(ArtworkTest, CardsHaveRoundedCornersAndSolidMiddles) {
  for (int image : {0, 25, 51, 52, 70, 80, 82}) {
    const QImage card = Pixels(Art().Card(image));
    EXPECT_EQ(qAlpha(card.pixel(0, 0)), 0) << "image " << image;
    EXPECT_EQ(qAlpha(card.pixel(card.width() - 1, card.height() - 1)), 0) << "image " << image;
    EXPECT_EQ(qAlpha(card.pixel(card.width() / 2, card.height() / 2)), 255) << "image " << image;
  }
}

TEST_F(ArtworkTest, TheEmptyPlaceIsADottedOutlineTheTableShowsThrough) {
  const QImage place = Pixels(Art().EmptyPlace());
  int clear = 0;
  for (int y = 0; y < place.height(); ++y) {
    for (int x = 0; x < place.width(); ++x) clear += qAlpha(place.pixel(x, y)) == 0;
  }
  EXPECT_GT(clear, 0.9 * place.width() * place.height());
  EXPECT_EQ(qAlpha(place.pixel(place.width() / 2, place.height() / 2)), 0);
  // Along its left edge the outline runs in dark and light dots, so it shows
  // on a light table and on a dark one.
  int dark = 0, light = 0;
  for (int y = 20; y < place.height() - 20; ++y) {
    const QRgb px = place.pixel(3, y);
    if (qAlpha(px) < 100) continue;
    dark += qGray(px) < 100;
    light += qGray(px) > 180;
  }
  EXPECT_GT(dark, 30);
  EXPECT_GT(light, 30);
}

TEST_F(ArtworkTest, TheJokerIsNoOtherCard) {
  const QImage joker = Pixels(Art().Joker());
  for (int image = 0; image < Artwork::kEmptyPlace; ++image) {
    EXPECT_GT(MeanDifference(joker, Pixels(Art().Card(image))), 2.0) << "image " << image;
  }
}

TEST_F(ArtworkTest, APickedCardIsBlendedHalfAndHalfWithWhite) {
  for (int image : {0, 39, 52, 82}) {
    const QImage card = Pixels(Art().Card(image));
    const QImage picked = Pixels(Art().Selected(image));
    ASSERT_EQ(picked.size(), card.size());
    EXPECT_EQ(picked.devicePixelRatio(), 2.0);
    double worst = 0;
    for (int y = 0; y < card.height(); ++y) {
      for (int x = 0; x < card.width(); ++x) {
        const QRgb was = card.pixel(x, y);
        const QRgb now = picked.pixel(x, y);
        EXPECT_EQ(qAlpha(now), qAlpha(was)) << "the corners stay transparent";
        if (qAlpha(was) < 255) continue;
        worst = std::max(worst, std::abs(qGray(now) - (qGray(was) + 255) / 2.0));
      }
    }
    EXPECT_LT(worst, 3.0) << "image " << image;
  }
}

// ---- Damaged indices draw nothing rather than crash ----------------------------------

TEST_F(ArtworkTest, IndicesOutsideTheListsAreHarmless) {
  auto transparent = [](const QPixmap& pixmap) {
    const QImage image = Pixels(pixmap);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (qAlpha(image.pixel(x, y)) != 0) return false;
      }
    }
    return true;
  };
  EXPECT_TRUE(transparent(Art().Card(-1)));
  EXPECT_TRUE(transparent(Art().Card(Artwork::kCardImageCount)));
  EXPECT_TRUE(transparent(Art().Face(52)));
  EXPECT_TRUE(transparent(Art().SuitIcon(4)));
  EXPECT_TRUE(transparent(Art().Picture(ImageList::IList2, -1)));
  EXPECT_EQ(LogicalSize(Art().Card(1000)), QSize(71, 96));
  // A stored back number out of range still shows a back, the first one.
  EXPECT_EQ(Art().Back(0).cacheKey(), Art().Back(Artwork::kFirstBack).cacheKey());
  EXPECT_EQ(Art().Back(81).cacheKey(), Art().Back(Artwork::kFirstBack).cacheKey());
  EXPECT_EQ(Art().SidewaysBack(28).cacheKey(), Art().SidewaysBack(0).cacheKey());
  EXPECT_EQ(Art().Texture(14).cacheKey(), Art().Texture(0).cacheKey());
  EXPECT_EQ(Art().Texture(-3).cacheKey(), Art().Texture(0).cacheKey());
  EXPECT_TRUE(Art().Selected(-5).toImage().size() == Art().Card(0).toImage().size());
}

// ---- Table textures --------------------------------------------------------------------

TEST_F(ArtworkTest, TexturesAreTilesOfAllowedSizeWithVisibleGrain) {
  for (int i = 0; i < Artwork::kTextureCount; ++i) {
    const QImage& texture = Art().Texture(i);
    const QSize logical = texture.deviceIndependentSize().toSize();
    EXPECT_GE(logical.width(), 32) << "texture " << i;
    EXPECT_GE(logical.height(), 32) << "texture " << i;
    EXPECT_LE(logical.width(), 157) << "texture " << i;
    EXPECT_LE(logical.height(), 118) << "texture " << i;
    EXPECT_FALSE(texture.hasAlphaChannel()) << "the table is opaque";
    double sum = 0, squares = 0;
    const int n = texture.width() * texture.height();
    for (int y = 0; y < texture.height(); ++y) {
      for (int x = 0; x < texture.width(); ++x) {
        const double g = qGray(texture.pixel(x, y));
        sum += g;
        squares += g * g;
      }
    }
    const double mean = sum / n;
    EXPECT_GT(std::sqrt(squares / n - mean * mean), 1.5) << "texture " << i << " is flat";
  }
}

TEST_F(ArtworkTest, TexturesTileWithoutSeams) {
  // Across the tile's edge neighbouring pixels differ no more than anywhere
  // inside (a weave changes most from thread to thread).
  auto columnStep = [](const QImage& t, int a, int b) {
    double sum = 0;
    for (int y = 0; y < t.height(); ++y)
      sum += std::abs(qGray(t.pixel(a, y)) - qGray(t.pixel(b, y)));
    return sum / t.height();
  };
  for (int i = 0; i < Artwork::kTextureCount; ++i) {
    const QImage texture = Art().Texture(i).convertToFormat(QImage::Format_RGB32);
    const QImage turned = texture.transformed(QTransform().rotate(90));
    for (const QImage* t : {&texture, &turned}) {
      double inside = 0;
      for (int x = 0; x + 1 < t->width(); ++x) inside = std::max(inside, columnStep(*t, x, x + 1));
      EXPECT_LT(columnStep(*t, t->width() - 1, 0), 1.2 * inside + 1) << "texture " << i;
    }
  }
}

TEST_F(ArtworkTest, SeparatorLinesStandOutOnEveryTable) {
  // Light tables take the dark slate line (texture 8), dark tables the light
  // parchment line (texture 10).
  const int linePattern[14] = {8, 10, 10, 8, 8, 8, 10, 10, 10, 10, 8, 8, 8, 10};
  for (int backGr = 0; backGr < Artwork::kTextureCount; ++backGr) {
    const QImage& pattern = Art().Texture(linePattern[backGr]);
    const double table = MeanLuminance(Art().Texture(backGr));
    const double line = Luminance(pattern, 0);
    EXPECT_GT(std::abs(table - line), 40) << "background " << backGr;
  }
}

TEST_F(ArtworkTest, ThePicturesAreTheSameOnEveryStart) {
  const Artwork again(2.0);
  for (int image = 0; image < Artwork::kCardImageCount; image += 7) {
    EXPECT_EQ(Pixels(again.Card(image)), Pixels(Art().Card(image))) << "image " << image;
  }
  for (int i = 0; i < Artwork::kTextureCount; ++i) {
    EXPECT_EQ(again.Texture(i), Art().Texture(i)) << "texture " << i;
  }
}

TEST(ArtworkRatio, PicturesFollowTheScreensPixelDensity) {
  const Artwork plain(1.0);
  EXPECT_EQ(plain.Card(0).size(), QSize(71, 96));
  EXPECT_EQ(plain.SidewaysBack(0).size(), QSize(96, 71));
  const Artwork dense(3.0);
  EXPECT_EQ(dense.Card(82).size(), QSize(213, 288));
  EXPECT_EQ(dense.SuitIcon(0).size(), QSize(54, 54));
  EXPECT_EQ(LogicalSize(dense.Card(82)), QSize(71, 96));
  EXPECT_EQ(dense.Texture(11).deviceIndependentSize().toSize(),
            plain.Texture(11).deviceIndependentSize().toSize());
  const Artwork tooLow(0.25);
  EXPECT_EQ(tooLow.DevicePixelRatio(), 1.0);
}

}  // namespace

int main(int argc, char** argv) {
  // The pictures need a GUI application but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
