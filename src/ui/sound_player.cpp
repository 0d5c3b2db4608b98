#include "ui/sound_player.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "ui/input_discarder.h"

// Where an installed program's data folder lies, seen from the program.
#ifndef KALVENAR_DATA_FROM_PROGRAM
#define KALVENAR_DATA_FROM_PROGRAM "../share/kalvenar"
#endif

namespace {

// A synchronous sound never holds the program longer than its own length
// and this margin, whatever the audio system does.
constexpr int kWaitMarginMs = 750;
constexpr int kLongestWaitMs = 10000;

quint32 Le32(const QByteArray& b, qsizetype at) {
  const auto u = [&b](qsizetype i) { return static_cast<quint32>(static_cast<uchar>(b[i])); };
  return u(at) | u(at + 1) << 8 | u(at + 2) << 16 | u(at + 3) << 24;
}

}  // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() = default;

QStringList SoundPlayer::SearchFolders() {
  const QString program = QCoreApplication::applicationDirPath();
  return {program, QDir::cleanPath(program + QStringLiteral("/" KALVENAR_DATA_FROM_PROGRAM)),
          QDir::currentPath()};
}

QString SoundPlayer::Locate(const QString& relative) {
  for (const QString& folder : SearchFolders()) {
    const QFileInfo file(QDir(folder), relative);
    if (file.isFile()) return file.absoluteFilePath();
  }
  return {};
}

int SoundPlayer::WavDurationMs(const QString& file) {
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

bool SoundPlayer::HasAudioOutput() {
  return !QMediaDevices::audioOutputs().isEmpty();
}

void SoundPlayer::PlayWav(const std::string& path, bool synchronous) {
  const QString file = Locate(QString::fromStdString(path));
  if (file.isEmpty() || !HasAudioOutput()) return;
  const int durationMs = WavDurationMs(file);
  if (durationMs < 0) return;
  if (synchronous)
    PlayToTheEnd(file, durationMs);
  else
    PlayAsynchronously(file);
}

void SoundPlayer::PlayAsynchronously(const QString& file) {
  if (!background_) background_ = new QSoundEffect(this);
  background_->stop();
  background_->setSource(QUrl::fromLocalFile(file));
  background_->play();
}

void SoundPlayer::PlayToTheEnd(const QString& file, int durationMs) {
  // Like the platform's simple player, the new sound replaces the one playing.
  if (background_) background_->stop();
  QSoundEffect effect;
  QEventLoop loop;
  QTimer timeout;
  timeout.setSingleShot(true);
  connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
  bool started = false;
  bool done = false;  // the sound may end (or fail) before the loop runs
  const auto finish = [&] {
    done = true;
    loop.quit();
  };
  connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
    if (effect.isPlaying())
      started = true;
    else if (started)
      finish();
  });
  connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
    if (effect.status() == QSoundEffect::Error) finish();
  });
  effect.setSource(QUrl::fromLocalFile(file));
  effect.play();
  if (done) return;
  timeout.start(std::min(durationMs + kWaitMarginMs, kLongestWaitMs));
  // Painting, the clock and the network go on while the sound plays; the
  // player's clicks and keys meanwhile are dropped, as while cards fly.
  InputDiscarder discarder;
  {
    const DiscardingInput discarding(discarder);
    loop.exec();
  }
  effect.stop();
}
