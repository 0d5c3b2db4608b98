// The recordings delivered in Voices/: every file the program may play is
// there and is a plain PCM WAVE file the simplest player can read.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "commentary/sound.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = KALVENAR_SOURCE_DIR;

std::vector<unsigned char> ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t Le32(const std::vector<unsigned char>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t Le16(const std::vector<unsigned char>& b, size_t at) {
  return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}
std::string Tag(const std::vector<unsigned char>& b, size_t at) {
  return std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
}

struct WaveFormat {
  bool valid = false;
  uint16_t formatTag = 0, channels = 0, bitsPerSample = 0;
  uint32_t sampleRate = 0, dataBytes = 0;
};

// Walks the RIFF chunks; the "fmt " chunk must come before "data".
WaveFormat ReadWave(const std::vector<unsigned char>& b) {
  WaveFormat w;
  if (b.size() < 12 || Tag(b, 0) != "RIFF" || Tag(b, 8) != "WAVE") return w;
  if (Le32(b, 4) + 8 != b.size()) return w;
  bool haveFormat = false;
  for (size_t at = 12; at + 8 <= b.size();) {
    const std::string id = Tag(b, at);
    const uint32_t size = Le32(b, at + 4);
    if (at + 8 + size > b.size()) return w;
    if (id == "fmt " && size >= 16) {
      w.formatTag = Le16(b, at + 8);
      w.channels = Le16(b, at + 10);
      w.sampleRate = Le32(b, at + 12);
      w.bitsPerSample = Le16(b, at + 22);
      haveFormat = true;
    } else if (id == "data") {
      w.dataBytes = size;
      w.valid = haveFormat;
      return w;
    }
    at += 8 + size + (size & 1);
  }
  return w;
}

TEST(SoundFiles, EveryRecordingTheProgramNamesIsDelivered) {
  const std::vector<std::string> files = AllSoundFiles();
  // 7 effects sharing one card sound, 3 message sounds, and 9 voice lines
  // in four voices less the girl's third "I pick up".
  EXPECT_EQ(files.size(), 6u + 3u + 4u * 9u - 1u);
  for (const std::string& f : files) EXPECT_TRUE(fs::is_regular_file(kSourceDir / f)) << f;
}

TEST(SoundFiles, EachIsShortQuietPcmMono) {
  uintmax_t total = 0;
  for (const std::string& f : AllSoundFiles()) {
    const fs::path p = kSourceDir / f;
    if (!fs::is_regular_file(p)) continue;  // reported above
    const WaveFormat w = ReadWave(ReadFile(p));
    ASSERT_TRUE(w.valid) << f;
    EXPECT_EQ(w.formatTag, 1) << f << ": PCM";
    EXPECT_EQ(w.channels, 1) << f;
    EXPECT_EQ(w.bitsPerSample, 16) << f;
    EXPECT_EQ(w.sampleRate, 22050u) << f;
    EXPECT_GT(w.dataBytes, 0u) << f;
    EXPECT_LT(w.dataBytes, 22050u * 2 * 3) << f << ": a cue, not a song";
    total += fs::file_size(p);
  }
  EXPECT_LT(total, 3u * 1024 * 1024);
}

TEST(SoundFiles, TheFileNamesAreRelativeToTheVoicesFolder) {
  for (const std::string& f : AllSoundFiles()) {
    EXPECT_EQ(f.rfind("Voices/", 0), 0u) << f;
    EXPECT_EQ(f.substr(f.size() - 4), ".wav") << f;
  }
}

}  // namespace
