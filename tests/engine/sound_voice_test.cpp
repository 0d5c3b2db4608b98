// Which recordings a cue plays, as the options "Sound", "V_Old", "V_Sex" and
// "Mess" decide, and how the random variant of a voice line is drawn.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "commentary/sound.h"
#include "test_game.h"

namespace {

struct SoundTable : TestGame {
  explicit SoundTable(int sound, int64_t seconds = 1000) : TestGame(seconds) {
    g.t.Options.Sound = sound;
  }
  void Voice(int old, int sex) {
    g.t.Options.V_Old = old;
    g.t.Options.V_Sex = sex;
  }
  std::vector<std::string> Played(int effect, int voice) {
    out.calls.clear();
    SoundAndVoice(g, effect, voice);
    return out.calls;
  }
};

using Calls = std::vector<std::string>;

TEST(SoundAndVoice, SoundOffPlaysNothingButStillReseeds) {
  SoundTable t(0, 4242);
  EXPECT_TRUE(t.Played(0, 0).empty());
  EXPECT_TRUE(t.Played(3, 2).empty());
  // The generator was seeded from the clock and drawn twice.
  TRandom expected;
  expected.Seed(4242);
  expected.Next();
  expected.Next();
  EXPECT_EQ(t.g.random.Next(), expected.Next());
}

TEST(SoundAndVoice, VoiceOnlyIgnoresEffects) {
  SoundTable t(2);
  EXPECT_TRUE(t.Played(0, -1).empty());
  EXPECT_EQ(t.Played(4, 1), Calls{"wav Voices/m_otboy1.wav sync"});
}

TEST(SoundAndVoice, EffectsOnlyIgnoresVoices) {
  SoundTable t(1);
  EXPECT_EQ(t.Played(0, 3), Calls{"wav Voices/skoloda.wav async"});
  EXPECT_TRUE(t.Played(-1, 0).empty());
}

TEST(SoundAndVoice, EachEffectHasItsFile) {
  SoundTable t(1);
  EXPECT_EQ(t.Played(0, -1), Calls{"wav Voices/skoloda.wav async"});
  EXPECT_EQ(t.Played(1, -1), Calls{"wav Voices/splayer.wav async"});
  EXPECT_EQ(t.Played(2, -1), Calls{"wav Voices/splayer.wav async"}) << "the same card sound";
  EXPECT_EQ(t.Played(4, -1), Calls{"wav Voices/sfromkol.wav async"});
  EXPECT_EQ(t.Played(6, -1), Calls{"wav Voices/sloos.wav async"});
  EXPECT_EQ(t.Played(7, -1), Calls{"wav Voices/sfind.wav async"});
  EXPECT_TRUE(t.Played(5, -1).empty()) << "no effect 5";
  EXPECT_TRUE(t.Played(8, -1).empty());
}

TEST(SoundAndVoice, TheSweepIsHeardToItsEnd) {
  SoundTable t(1);
  EXPECT_EQ(t.Played(3, -1), Calls{"wav Voices/sretreat.wav sync"});
}

TEST(SoundAndVoice, WithBothTheEffectStartsAndTheVoiceFollowsSynchronously) {
  SoundTable t(3);
  const Calls calls = t.Played(4, 4);
  EXPECT_EQ(calls, (Calls{"wav Voices/sfromkol.wav async", "wav Voices/m_otboy2.wav sync"}));
}

TEST(SoundAndVoice, TheVoiceKindComesFromAgeAndSex) {
  SoundTable t(2);
  t.Voice(0, 0);
  EXPECT_EQ(t.Played(-1, 4), Calls{"wav Voices/m_otboy2.wav sync"});
  t.Voice(0, 1);
  EXPECT_EQ(t.Played(-1, 4), Calls{"wav Voices/w_otboy2.wav sync"});
  t.Voice(1, 0);
  EXPECT_EQ(t.Played(-1, 4), Calls{"wav Voices/b_otboy2.wav sync"});
  t.Voice(1, 1);
  EXPECT_EQ(t.Played(-1, 1), Calls{"wav Voices/g_otboy1.wav sync"});
  t.Voice(5, 7);  // any non-zero value counts as child and female
  EXPECT_EQ(t.Played(-1, 1), Calls{"wav Voices/g_otboy1.wav sync"});
}

TEST(SoundAndVoice, UnknownVoicesAreSilent) {
  SoundTable t(2);
  EXPECT_TRUE(t.Played(-1, 5).empty());
  EXPECT_TRUE(t.Played(-1, -2).empty());
}

// The variants heard for a voice line over many seconds of the clock.
std::set<std::string> VariantsOver(SoundTable& t, int voice, int seconds) {
  std::set<std::string> heard;
  for (int s = 0; s < seconds; ++s) {
    t.clock.Set(5000 + s);
    for (const std::string& c : t.Played(-1, voice)) heard.insert(c);
  }
  return heard;
}

TEST(SoundAndVoice, TakingHasThreeTakesAndTheGirlTwo) {
  SoundTable t(2);
  EXPECT_EQ(VariantsOver(t, 0, 300),
            (std::set<std::string>{"wav Voices/m_beru1.wav sync", "wav Voices/m_beru2.wav sync",
                                   "wav Voices/m_beru3.wav sync"}));
  t.Voice(1, 1);
  EXPECT_EQ(VariantsOver(t, 0, 300),
            (std::set<std::string>{"wav Voices/g_beru1.wav sync", "wav Voices/g_beru2.wav sync"}));
}

TEST(SoundAndVoice, VictoryAndTakeItHaveTwoTakesEach) {
  SoundTable t(2);
  t.Voice(0, 1);
  EXPECT_EQ(VariantsOver(t, 2, 300), (std::set<std::string>{"wav Voices/w_victory1.wav sync",
                                                            "wav Voices/w_victory2.wav sync"}));
  EXPECT_EQ(VariantsOver(t, 3, 300), (std::set<std::string>{"wav Voices/w_zabiray1.wav sync",
                                                            "wav Voices/w_zabiray2.wav sync"}));
}

TEST(SoundAndVoice, WithinOneSecondTheSameVariantIsSpoken) {
  for (int64_t second = 100; second < 160; ++second) {
    SoundTable t(3, second);
    const Calls first = t.Played(4, 0);
    t.g.random.Next();  // whatever happened to the generator in between
    EXPECT_EQ(t.Played(4, 0), first) << second;
    EXPECT_EQ(t.Played(-1, 2), t.Played(-1, 2)) << second;
  }
}

TEST(SoundAndVoice, TakingUsesTheFirstDrawAndVictoryTheSecond) {
  for (int64_t second = 0; second < 40; ++second) {
    SoundTable t(2, second);
    TRandom r;
    r.Seed(second);
    const int r3 = r.Next() % 3;
    const int r2 = r.Next() % 2;
    EXPECT_EQ(t.Played(-1, 0), Calls{"wav Voices/m_beru" + std::to_string(r3 + 1) + ".wav sync"});
    EXPECT_EQ(t.Played(-1, 2),
              Calls{"wav Voices/m_victory" + std::to_string(r2 + 1) + ".wav sync"});
  }
}

// --- network messages ----------------------------------------------------------------

TEST(MessageSound, RingsWhateverTheSoundOptionSays) {
  SoundTable t(0);
  t.g.t.Options.Mess = 2;
  MessageSound(t.g);
  EXPECT_EQ(t.out.calls, Calls{"wav Voices/smessage1.wav async"});
}

TEST(MessageSound, EachChoiceHasItsFileAndNoneIsSilent) {
  SoundTable t(3);
  const Calls files = {"", "wav Voices/smessage.wav async", "wav Voices/smessage1.wav async",
                       "wav Voices/smessage2.wav async"};
  for (int mess = 0; mess <= 3; ++mess) {
    t.out.calls.clear();
    t.g.t.Options.Mess = mess;
    MessageSound(t.g);
    const Calls expected = mess == 0 ? Calls{} : Calls{files[mess]};
    EXPECT_EQ(t.out.calls, expected) << mess;
  }
}

}  // namespace
