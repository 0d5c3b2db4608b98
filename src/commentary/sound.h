// The table's noises and the computer's voice. Every cue in the program
// goes through SoundAndVoice, which picks the recordings by the options
// "Sound", "V_Old" and "V_Sex"; network messages ring with MessageSound.
// The window plays the files (PlayWav); a missing file is simply silent.
#pragma once

#include <string>
#include <vector>

#include "core/game.h"

enum SoundEffect {
  kEffectPack = 0,          // a card from the pack or stock, a hand turned up
  kEffectPlayerCard = 1,    // a card laid while the player leads
  kEffectComputerCard = 2,  // a card laid while the computer leads
  kEffectSweep = 3,         // cards swept off the table (heard to its end)
  kEffectSlide = 4,         // patience moves, the trump exchange, a drawn card
  kEffectMiss = 6,          // a wrong guess
  kEffectFind = 7,          // a right guess, a pair in Memory, the suit flash
};

enum VoiceLine {
  kVoiceComputerTakes = 0,
  kVoicePlayerBeatOff = 1,  // a discard while the computer leads
  kVoiceVictory = 2,
  kVoicePlayerTakes = 3,
  kVoiceComputerBeatOff = 4,  // a discard while the player leads
};

// The voice kind: 0 man, 1 woman, 2 boy, 3 girl.
int VoiceKind(const TOptions& options);

// The file of an effect ("" for a number with no sound).
std::string EffectFile(int effect);
// The file of a voice line for a kind; variant picks among the recordings
// of lines that have several. "" for an unknown line or kind.
std::string VoiceFile(int voice, int kind, int variant);
// The file of a network message sound "Mess" 1 .. 3 ("" otherwise).
std::string MessageFile(int mess);
// Every recording the program may play, each once.
std::vector<std::string> AllSoundFiles();

// Plays effect (or -1) and voice (or -1) as the options allow. The random
// source is reseeded from the clock on every call, so cues within one
// second speak the same variant.
void SoundAndVoice(Game& g, int effect, int voice);
// The network notification, whatever "Sound" says.
void MessageSound(Game& g);
