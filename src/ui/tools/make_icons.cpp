// kalvenar-icons: writes the programs' icons for the desktop's icon theme,
// drawn by the artwork code:
//
//   QT_QPA_PLATFORM=offscreen kalvenar-icons OUTDIR
//
// gives OUTDIR/<size>x<size>/apps/kalvenar.png and kalvenor.png for the
// usual sizes, and OUTDIR/scalable/apps/kalvenar.svg and kalvenor.svg: the
// layout of the hicolor icon theme.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "ui/artwork/program_icon.h"

namespace {

struct ProgramIcon {
  const char* name;
  int suit;
};

constexpr ProgramIcon kIcons[] = {{"kalvenar", 1}, {"kalvenor", 3}};
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool WriteSvg(const QString& path, const QString& svg) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(svg.toUtf8()) >= 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kalvenar-icons OUTDIR\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  for (const ProgramIcon& icon : kIcons) {
    for (const int size : kSizes) {
      const QString folder = QStringLiteral("%1x%1/apps").arg(size);
      const QString file = out.filePath(folder + "/" + icon.name + ".png");
      if (!out.mkpath(folder) || !artwork::PaintProgramIcon(icon.suit, size).save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
      }
    }
    const QString svg = out.filePath(QStringLiteral("scalable/apps/") + icon.name + ".svg");
    if (!out.mkpath("scalable/apps") || !WriteSvg(svg, artwork::ProgramIconSvg(icon.suit))) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(svg));
      return 1;
    }
  }
  return 0;
}
