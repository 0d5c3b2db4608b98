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
#include "ui/sound_files.h"

namespace {

// A synchronous sound never holds the program longer than its own length
// and this margin, whatever the audio system does.
constexpr int kWaitMarginMs = 750;
constexpr int kLongestWaitMs = 10000;

}  // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() = default;

QStringList SoundPlayer::SearchFolders() {
  return SoundSearchFolders();
}

QString SoundPlayer::Locate(const QString& relative) {
  return LocateSoundFile(relative);
}

int SoundPlayer::WavDurationMs(const QString& file) {
  return WavFileDurationMs(file);
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

// The sound module's one entry point, looked up by name when the window
// plays its first sound.
extern "C" Q_DECL_EXPORT ISoundOutput* KalvenarNewSoundOutput() {
  return new SoundPlayer();
}
