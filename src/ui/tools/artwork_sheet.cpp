// kalvenar-artwork-sheet: paints every picture of the program onto one
// contact sheet, so a developer can look at the artwork.
//
//   QT_QPA_PLATFORM=offscreen kalvenar-artwork-sheet sheet.png [--ratio R]
//       [--only faces|closeup|backs|icons|textures] [--repeat N]
//
// It also prints how long painting the whole set takes (over N runs). The
// program paints each picture only when it is first shown, so this is the
// most it ever spends on them.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QString>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "ui/artwork/artwork.h"

namespace {

constexpr int kGap = 8;
constexpr int kSheetWidth = 13 * (Artwork::kCardWidth + kGap) + kGap;
const QColor kSheetGround(214, 214, 208);

struct Section {
  int width;
  int height;
  std::function<void(QPainter&)> paint;
};

Section Faces(const Artwork& art) {
  return {kSheetWidth, 4 * (Artwork::kCardHeight + kGap) + kGap, [&art](QPainter& p) {
            for (int image = 0; image < Artwork::kFaceCount; ++image) {
              const int x = kGap + (image % 13) * (Artwork::kCardWidth + kGap);
              const int y = kGap + (image / 13) * (Artwork::kCardHeight + kGap);
              p.drawPixmap(x, y, art.Face(image));
            }
          }};
}

// A few cards side by side, for a close look at a high ratio.
Section Closeup(const Artwork& art) {
  return {9 * (Artwork::kCardWidth + kGap) + kGap, Artwork::kCardHeight + 2 * kGap,
          [&art](QPainter& p) {
            const int images[] = {8, 9, 10, 11, 12, 21, 47, 35, Artwork::kJoker};
            int x = kGap;
            for (int image : images) {
              p.drawPixmap(x, kGap, art.Card(image));
              x += Artwork::kCardWidth + kGap;
            }
          }};
}

// Both sets of backs in the two rows of seven the back dialog shows them in,
// then the spare back, the joker, the picked look and the empty place on a
// light and a dark table.
Section Backs(const Artwork& art) {
  const int step = Artwork::kCardWidth + kGap;
  const int rowStep = Artwork::kCardHeight + kGap;
  return {7 * step + kGap, 5 * rowStep + kGap, [&art, step, rowStep](QPainter& p) {
            for (int back = 0; back < Artwork::kBackCount; ++back) {
              const int set = back / Artwork::kBackSetSize;
              const int inSet = back % Artwork::kBackSetSize;
              const int x = kGap + (inSet % 7) * step;
              const int y = kGap + (inSet / 7) * rowStep + set * 2 * rowStep;
              p.drawPixmap(x, y, art.Back(Artwork::kFirstBack + back));
            }
            const int y = kGap + 4 * rowStep;
            p.drawPixmap(kGap, y, art.Back(Artwork::kSpareBack));
            p.drawPixmap(kGap + step, y, art.Joker());
            p.drawPixmap(kGap + 2 * step, y, art.Selected(Artwork::kJoker));
            p.drawPixmap(kGap + 3 * step, y, art.Selected(50));
            for (int k = 0; k < 3; ++k) {
              const QRect place(kGap + (4 + k) * step - 4, y - 4, Artwork::kCardWidth + 8,
                                Artwork::kCardHeight + 8);
              p.drawTiledPixmap(place, art.TexturePixmap(k == 0 ? 0 : k == 1 ? 10 : 7));
              p.drawPixmap(place.topLeft() + QPoint(4, 4), art.EmptyPlace());
            }
          }};
}

Section Icons(const Artwork& art) {
  const int step = Artwork::kCardHeight + kGap;
  return {10 * step + kGap, 3 * (Artwork::kCardWidth + kGap) + 40, [&art, step](QPainter& p) {
            for (int back = 0; back < Artwork::kBackCount; ++back) {
              const int x = kGap + (back % 10) * step;
              const int y = kGap + (back / 10) * (Artwork::kCardWidth + kGap);
              p.drawPixmap(x, y, art.SidewaysBack(back));
            }
            const int y = kGap + 3 * (Artwork::kCardWidth + kGap);
            for (int suit = 0; suit < Artwork::kSuitCount; ++suit) {
              p.drawPixmap(kGap + suit * 26, y, art.SuitIcon(suit));
              p.fillRect(QRect(kGap + 120 + suit * 26 - 4, y - 4, 26, 26), QColor(20, 60, 30));
              p.drawPixmap(kGap + 120 + suit * 26, y, art.SuitIcon(suit));
            }
          }};
}

// Every texture tiled two by two, so a seam would show.
Section Textures(const Artwork& art) {
  constexpr int kCell = 2 * Artwork::kMaxTextureWidth + kGap;
  constexpr int kPerRow = 3;
  constexpr int kRowHeight = 2 * Artwork::kMaxTextureHeight + kGap;
  const int rows = (Artwork::kTextureCount + kPerRow - 1) / kPerRow;
  return {kPerRow * kCell + kGap, rows * kRowHeight + kGap, [&art](QPainter& p) {
            for (int i = 0; i < Artwork::kTextureCount; ++i) {
              const QSizeF tile = art.Texture(i).deviceIndependentSize();
              const QRect area(kGap + (i % kPerRow) * kCell, kGap + (i / kPerRow) * kRowHeight,
                               qRound(2 * tile.width()), qRound(2 * tile.height()));
              p.drawTiledPixmap(area, art.TexturePixmap(i));
            }
          }};
}

QImage Compose(const std::vector<Section>& sections, qreal ratio) {
  int width = 0;
  int height = 0;
  for (const Section& s : sections) {
    width = std::max(width, s.width);
    height += s.height;
  }
  QImage sheet(qRound(width * ratio), qRound(height * ratio), QImage::Format_ARGB32_Premultiplied);
  sheet.setDevicePixelRatio(ratio);
  sheet.fill(kSheetGround);
  QPainter p(&sheet);
  int top = 0;
  for (const Section& s : sections) {
    p.save();
    p.translate(0, top);
    s.paint(p);
    p.restore();
    top += s.height;
    p.fillRect(QRect(0, top - 2, width, 2), QColor(150, 150, 150));
  }
  return sheet;
}

int Usage() {
  std::fprintf(stderr,
               "usage: kalvenar-artwork-sheet OUT.png [--ratio R] "
               "[--only faces|closeup|backs|icons|textures] [--repeat N]\n");
  return 2;
}

// Asks for every picture once, which paints it.
void PaintEverything(const Artwork& art) {
  for (int image = 0; image < Artwork::kCardImageCount; ++image) art.Card(image);
  for (int back = 0; back < Artwork::kBackCount; ++back) art.SidewaysBack(back);
  for (int suit = 0; suit < Artwork::kSuitCount; ++suit) art.SuitIcon(suit);
  for (int i = 0; i < Artwork::kTextureCount; ++i) art.TexturePixmap(i);
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 2 || args[1].startsWith("--")) return Usage();
  qreal ratio = 2.0;
  int repeat = 1;
  QString only;
  for (int i = 2; i + 1 < args.size(); i += 2) {
    bool ok = true;
    if (args[i] == "--ratio") {
      ratio = args[i + 1].toDouble(&ok);
    } else if (args[i] == "--repeat") {
      repeat = std::max(1, args[i + 1].toInt(&ok));
    } else if (args[i] == "--only") {
      only = args[i + 1];
    } else {
      return Usage();
    }
    if (!ok) return Usage();
  }

  // The quickest run shows the cost itself; the average also carries
  // whatever else the machine was doing.
  std::unique_ptr<Artwork> art;
  double total = 0;
  double quickest = 0;
  for (int run = 0; run < repeat; ++run) {
    QElapsedTimer timer;
    timer.start();
    art = std::make_unique<Artwork>(ratio);
    PaintEverything(*art);
    const double ms = timer.nsecsElapsed() / 1e6;
    total += ms;
    quickest = run == 0 ? ms : std::min(quickest, ms);
  }
  std::printf("painted all pictures at ratio %.2f: quickest %.1f ms, average %.1f ms of %d runs\n",
              ratio, quickest, total / repeat, repeat);

  std::vector<Section> sections;
  if (only.isEmpty() || only == "faces") sections.push_back(Faces(*art));
  if (only == "closeup") sections.push_back(Closeup(*art));
  if (only.isEmpty() || only == "backs") sections.push_back(Backs(*art));
  if (only.isEmpty() || only == "icons") sections.push_back(Icons(*art));
  if (only.isEmpty() || only == "textures") sections.push_back(Textures(*art));
  if (sections.empty()) return Usage();
  if (!Compose(sections, ratio).save(args[1])) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(args[1]));
    return 1;
  }
  return 0;
}
