// Plays the program's WAV files: asynchronously (a new sound replaces one
// still playing) or to their end. The files are looked up beside the
// program, then in the data folder of an installed program, then in the
// current directory. A missing or unreadable
// file, or a machine without an audio output, is silent: the program goes on
// as if the sound had been played.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <string>

class QSoundEffect;

class SoundPlayer : public QObject {
  Q_OBJECT

 public:
  explicit SoundPlayer(QObject* parent = nullptr);
  ~SoundPlayer() override;

  // path is relative with forward slashes, e.g. "Voices/skoloda.wav".
  void PlayWav(const std::string& path, bool synchronous);

  // Where the files are looked for, in order: the program's folder, the
  // installed data folder (bin/../share/kalvenar), the current directory.
  static QStringList SearchFolders();
  // The file of a relative path in the first of those folders that has it;
  // empty when none has.
  static QString Locate(const QString& relative);
  // The playing time of a PCM WAVE file in milliseconds, -1 when the file is
  // no readable WAVE file.
  static int WavDurationMs(const QString& file);

 private:
  static bool HasAudioOutput();
  void PlayAsynchronously(const QString& file);
  void PlayToTheEnd(const QString& file, int durationMs);

  QSoundEffect* background_ = nullptr;  // the asynchronous sound
};
