// What the window needs of a sound player. The player itself lives in the
// sound module (libkalvenar-sound.so), which brings the multimedia libraries
// with it; the window loads it with its first sound, so a start-up never
// pays for them.
#pragma once

#include <string>

class ISoundOutput {
 public:
  virtual ~ISoundOutput() = default;
  // path is relative with forward slashes, e.g. "Voices/skoloda.wav".
  virtual void PlayWav(const std::string& path, bool synchronous) = 0;
};

// The module's entry point, by this name.
using NewSoundOutputFunction = ISoundOutput* (*)();
constexpr const char* kNewSoundOutputName = "KalvenarNewSoundOutput";
