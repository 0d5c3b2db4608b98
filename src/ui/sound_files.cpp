#include "ui/sound_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

// Where an installed program's data folder lies, seen from the program.
#ifndef KALVENAR_DATA_FROM_PROGRAM
#define KALVENAR_DATA_FROM_PROGRAM "../share/kalvenar"
#endif

namespace {

quint32 Le32(const QByteArray& b, qsizetype at) {
  const auto u = [&b](qsizetype i) { return static_cast<quint32>(static_cast<uchar>(b[i])); };
  return u(at) | u(at + 1) << 8 | u(at + 2) << 16 | u(at + 3) << 24;
}

}  // namespace

QStringList SoundSearchFolders() {
  const QString program = QCoreApplication::applicationDirPath();
  return {program, QDir::cleanPath(program + QStringLiteral("/" KALVENAR_DATA_FROM_PROGRAM)),
          QDir::currentPath()};
}

QString LocateSoundFile(const QString& relative) {
  for (const QString& folder : SoundSearchFolders()) {
    const QFileInfo file(QDir(folder), relative);
    if (file.isFile()) return file.absoluteFilePath();
  }
  return {};
}

int WavFileDurationMs(const QString& file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  // The header and the chunk list of a short cue lie in its first bytes.
  const QByteArray b = f.read(4096);
  if (b.size() < 12 || b.mid(0, 4) != "RIFF" || b.mid(8, 4) != "WAVE") return -1;
  quint32 byteRate = 0;
  for (qsizetype at = 12; at + 8 <= b.size();) {
    const QByteArray id = b.mid(at, 4);
    const quint32 size = Le32(b, at + 4);
    if (id == "fmt " && size >= 16 && at + 20 <= b.size()) byteRate = Le32(b, at + 16);
    if (id == "data") {
      if (byteRate == 0) return -1;
      const quint32 available = static_cast<quint32>(f.size() - (at + 8));
      return static_cast<int>(qint64{std::min(size, available)} * 1000 / byteRate);
    }
    at += 8 + qsizetype{size} + (size & 1);
  }
  return -1;
}
