#include "commentary/sound.h"

#include <algorithm>
#include <array>

namespace {

constexpr const char* kFolder = "Voices/";

// By effect number; effects 1 and 2 share the card-laid sound, 5 is none.
constexpr std::array<const char*, 8> kEffectNames = {"skoloda",  "splayer", "splayer", "sretreat",
                                                     "sfromkol", "",        "sloos",   "sfind"};

// The sweep is waited for, so the cards are gone before play goes on.
bool IsSynchronousEffect(int effect) {
  return effect == kEffectSweep;
}

constexpr std::array<char, 4> kKindLetters = {'m', 'w', 'b', 'g'};

struct VoiceRecordings {
  const char* stem;
  int variants;
};

constexpr std::array<VoiceRecordings, 5> kVoices = {{
    {"beru", 3},
    {"otboy1", 1},
    {"victory", 2},
    {"zabiray", 2},
    {"otboy2", 1},
}};

constexpr std::array<const char*, 4> kMessageNames = {"", "smessage", "smessage1", "smessage2"};

std::string InFolder(const std::string& name) {
  return kFolder + name + ".wav";
}

bool EffectsOn(int sound) {
  return sound == 1 || sound == 3;
}
bool VoiceOn(int sound) {
  return sound == 2 || sound == 3;
}

}  // namespace

int VoiceKind(const TOptions& options) {
  return 2 * (options.V_Old != 0) + (options.V_Sex != 0);
}

std::string EffectFile(int effect) {
  if (effect < 0 || effect >= static_cast<int>(kEffectNames.size())) return {};
  const std::string name = kEffectNames[effect];
  return name.empty() ? std::string() : InFolder(name);
}

std::string VoiceFile(int voice, int kind, int variant) {
  if (voice < 0 || voice >= static_cast<int>(kVoices.size())) return {};
  if (kind < 0 || kind >= static_cast<int>(kKindLetters.size())) return {};
  const VoiceRecordings& v = kVoices[voice];
  std::string name = std::string(1, kKindLetters[kind]) + "_" + v.stem;
  if (v.variants > 1) {
    int n = std::clamp(variant, 0, v.variants - 1) + 1;
    // The girl has two takes of "I take": her second is listed twice.
    if (voice == kVoiceComputerTakes && kind == 3 && n == 3) n = 2;
    name += std::to_string(n);
  }
  return InFolder(name);
}

std::string MessageFile(int mess) {
  if (mess < 1 || mess >= static_cast<int>(kMessageNames.size())) return {};
  return InFolder(kMessageNames[mess]);
}

std::vector<std::string> AllSoundFiles() {
  std::vector<std::string> files;
  auto add = [&files](const std::string& f) {
    if (!f.empty() && std::find(files.begin(), files.end(), f) == files.end()) files.push_back(f);
  };
  for (int e = 0; e < static_cast<int>(kEffectNames.size()); ++e) add(EffectFile(e));
  for (int voice = 0; voice < static_cast<int>(kVoices.size()); ++voice)
    for (int kind = 0; kind < static_cast<int>(kKindLetters.size()); ++kind)
      for (int variant = 0; variant < kVoices[voice].variants; ++variant)
        add(VoiceFile(voice, kind, variant));
  for (int m = 1; m < static_cast<int>(kMessageNames.size()); ++m) add(MessageFile(m));
  return files;
}

void SoundAndVoice(Game& g, int effect, int voice) {
  // Both draws happen on every call, heard or not, so the generator moves
  // the same way whatever the sound options are.
  ReseedRandom(g);
  const int r3 = RandomBelow(g, 3);
  const int r2 = RandomBelow(g, 2);
  const TOptions& o = g.t.Options;
  if (EffectsOn(o.Sound) && effect != -1) {
    const std::string file = EffectFile(effect);
    if (!file.empty()) g.out->PlayWav(file, IsSynchronousEffect(effect));
  }
  if (VoiceOn(o.Sound) && voice != -1) {
    const int variant = voice == kVoiceComputerTakes ? r3 : r2;
    const std::string file = VoiceFile(voice, VoiceKind(o), variant);
    if (!file.empty()) g.out->PlayWav(file, true);
  }
}

void MessageSound(Game& g) {
  const std::string file = MessageFile(g.t.Options.Mess);
  if (!file.empty()) g.out->PlayWav(file, false);
}
