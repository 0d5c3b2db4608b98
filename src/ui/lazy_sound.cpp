#include "ui/lazy_sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "ui/sound_files.h"

// Where an installed program's module folder lies, seen from the program.
#ifndef KALVENAR_MODULES_FROM_PROGRAM
#define KALVENAR_MODULES_FROM_PROGRAM "../lib/kalvenar"
#endif

namespace {

constexpr const char* kModuleFile = "libkalvenar-sound.so";

}  // namespace

QStringList SoundModuleCandidates() {
  const QString program = QCoreApplication::applicationDirPath();
  const QString file = QString::fromLatin1(kModuleFile);
  return {program + "/" + file,
          QDir::cleanPath(program + QStringLiteral("/" KALVENAR_MODULES_FROM_PROGRAM "/") + file)};
}

LazySound::LazySound() = default;

// The player goes before the module that holds its code.
LazySound::~LazySound() {
  output_.reset();
}

ISoundOutput* LazySound::Output() {
  if (tried_) return output_.get();
  tried_ = true;
  for (const QString& candidate : SoundModuleCandidates()) {
    if (!QFileInfo::exists(candidate)) continue;
    module_.setFileName(candidate);
    const auto make =
        reinterpret_cast<NewSoundOutputFunction>(module_.resolve(kNewSoundOutputName));
    if (make == nullptr) continue;
    output_.reset(make());
    break;
  }
  return output_.get();
}

void LazySound::PlayWav(const std::string& path, bool synchronous) {
  // Most tables ask for sounds the player has not installed: those load
  // nothing.
  if (LocateSoundFile(QString::fromStdString(path)).isEmpty()) return;
  if (ISoundOutput* output = Output()) output->PlayWav(path, synchronous);
}
