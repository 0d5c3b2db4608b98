// The programs' icon, as the desktop shows it: painted at every size of the
// icon theme and written as an SVG document of the same drawing.
#include "ui/artwork/program_icon.h"

#include <gtest/gtest.h>

#include <QXmlStreamReader>

namespace {

QColor At(const QImage& image, qreal fx, qreal fy) {
  return image.pixelColor(static_cast<int>(fx * (image.width() - 1)),
                          static_cast<int>(fy * (image.height() - 1)));
}

TEST(ProgramIcon, IsASquareOfTableWithCardsAtEverySize) {
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    SCOPED_TRACE(size);
    const QImage icon = artwork::PaintProgramIcon(1, size);
    ASSERT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(At(icon, 0, 0).alpha(), 0) << "the corners are rounded off";
    EXPECT_EQ(At(icon, 0.5, 0.5).alpha(), 255) << "the middle is solid";
    // Green cloth shows at the top left, a white card face at the right.
    const QColor cloth = At(icon, 0.12, 0.12);
    EXPECT_GT(cloth.green(), cloth.red() + 30);
    const QColor face = At(icon, 0.82, 0.3);
    EXPECT_GT(std::min({face.red(), face.green(), face.blue()}), 150);
  }
}

TEST(ProgramIcon, TheTwoProgramsShowDifferentAces) {
  const QImage spades = artwork::PaintProgramIcon(1, 64);
  const QImage hearts = artwork::PaintProgramIcon(3, 64);
  EXPECT_NE(spades, hearts);
}

TEST(ProgramIcon, TheScalableIconIsWellFormedSvgOfTheSameShapes) {
  const QString svg = artwork::ProgramIconSvg(3);
  QXmlStreamReader xml(svg);
  int paths = 0;
  bool root = false;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("svg")) {
      root = true;
      EXPECT_EQ(xml.attributes().value("viewBox"), QLatin1String("0 0 256 256"));
    }
    if (xml.name() == QLatin1String("path")) {
      ++paths;
      EXPECT_TRUE(xml.attributes().value("d").startsWith(QLatin1String("M")));
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_TRUE(root);
  EXPECT_EQ(paths, static_cast<int>(artwork::ProgramIconShapes(3).size()));
  EXPECT_TRUE(svg.contains(QColor(206, 17, 38).name())) << "a red heart";
}

}  // namespace
