// The window's sounds, played by the sound module once one is first asked
// for. A missing file is silent without loading anything; a missing module
// (or one that does not load) leaves the program silent, as a machine
// without an audio output does.
#pragma once

#include <QLibrary>
#include <memory>
#include <string>

#include "ui/sound_output.h"

class LazySound {
 public:
  LazySound();
  ~LazySound();
  LazySound(const LazySound&) = delete;
  LazySound& operator=(const LazySound&) = delete;

  void PlayWav(const std::string& path, bool synchronous);
  // Whether the module has been loaded (tests and the start-up benchmark).
  bool Loaded() const { return output_ != nullptr; }

 private:
  ISoundOutput* Output();

  QLibrary module_;
  std::unique_ptr<ISoundOutput> output_;
  bool tried_ = false;
};

// Where the module is looked for: beside the program (the build folder),
// then in the installed library folder (bin/../lib/kalvenar).
QStringList SoundModuleCandidates();
