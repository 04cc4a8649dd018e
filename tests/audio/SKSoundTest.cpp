#include <gtest/gtest.h>

#include <map>

#include "game/audio/SKSound.h"
#include "platform/null/RecordingAudioEngine.h"

namespace sk {
namespace {

struct Fixture {
  CallLog log;
  RecordingAudioEngine engine{log};
  TSoundState state;
  SoundContext sound{state, engine};
  std::map<std::string, std::vector<std::uint8_t>> members;
  MemberLoader load = [this](const std::string& name, TMemoryStream& s) {
    s.Clear();
    auto it = members.find(name);
    if (it != members.end()) s.bytes = it->second;
  };
};

TEST(SKSound, EveryEffectHasItsFixedChannel) {
  const std::int32_t expected[15] = {0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 5, 5, 5, 6, 0};
  for (int n = 0; n < 15; ++n) EXPECT_EQ(SampleChannel(n), expected[n]) << n;
  EXPECT_EQ(SampleChannel(15), -1);
  EXPECT_EQ(SampleChannel(-1), -1);
}

TEST(SKSound, PanFollowsTheScreenColumnRoundedToEven) {
  EXPECT_EQ(PanAtX(0), 0);      // 0.398...
  EXPECT_EQ(PanAtX(319), 128);  // 127.5 exactly, ties to even
  EXPECT_EQ(PanAtX(639), 255);
  EXPECT_EQ(PanAtX(1), 1);      // 0.797
  EXPECT_EQ(PanAtX(159), 64);   // 63.75
  // Halves that rounding up would take the other way.
  EXPECT_EQ(PanAtX(191), 76);   // 76.5
  EXPECT_EQ(PanAtX(447), 178);  // 178.5
}

TEST(SKSound, StartingReservesTheGameChannelsAndPlaysOnThem) {
  Fixture f;
  f.state.SoundVolume = 200;
  InitSound(f.sound);
  PlaySample(f.sound, kTwo);
  PlaySamplePan(f.sound, kModelDeath, 17);
  EXPECT_EQ(f.log.lines,
            (std::vector<std::string>{"AudioInit 44100 32", "SetEffectVolume 200", "ReserveChannel 0",
                                      "ReserveChannel 1", "ReserveChannel 2", "ReserveChannel 3",
                                      "ReserveChannel 4", "ReserveChannel 5", "ReserveChannel 6",
                                      "ReserveChannel 7", "PlaySample 5 10", "PlaySample 1 5",
                                      "SetPan 1 17"}));
}

TEST(SKSound, AFailedStartMeansSilenceForTheRestOfTheRun) {
  Fixture f;
  f.engine.deviceAvailable = false;
  f.members["Chat.ogg"] = {1, 2, 3};
  InitSound(f.sound);
  EXPECT_TRUE(f.state.SoundOff);
  f.log.lines.clear();
  LoadSample(f.sound, f.load, "Chat.ogg", kChat);
  LoadMusic(f.sound, f.load, "Green_Shine.s3m");
  PlayMusic(f.sound);
  PlaySample(f.sound, kChat);
  PlaySamplePan(f.sound, kModelDeath, 3);
  FreeMusic(f.sound);
  FreeSound(f.sound);
  EXPECT_TRUE(f.log.lines.empty());
}

TEST(SKSound, SoundOffNeverCallsTheEngineExceptToStopChannels) {
  Fixture f;
  f.state.SoundOff = true;
  f.members["Chat.ogg"] = {1, 2, 3};
  f.members["Green_Shine.s3m"] = {4, 5};
  InitSound(f.sound);
  LoadSample(f.sound, f.load, "Chat.ogg", kChat);
  LoadMusic(f.sound, f.load, "Green_Shine.s3m");
  PlayMusic(f.sound);
  PlaySample(f.sound, kChat);
  PlaySamplePan(f.sound, kModelDeath, 3);
  StopSamples(f.sound);
  FreeMusic(f.sound);
  FreeSound(f.sound);
  EXPECT_EQ(f.log.lines, (std::vector<std::string>{"StopChannel 0", "StopChannel 1", "StopChannel 2",
                                                   "StopChannel 3", "StopChannel 4", "StopChannel 5",
                                                   "StopChannel 6", "StopChannel 7"}));
}

TEST(SKSound, MusicOffSkipsOnlyTheSong) {
  Fixture f;
  f.state.MusicOff = true;
  f.members["Fight.ogg"] = {9, 9};
  f.members["Green_Shine.s3m"] = {4, 5};
  InitSound(f.sound);
  f.log.lines.clear();
  LoadSample(f.sound, f.load, "Fight.ogg", kFight);
  LoadMusic(f.sound, f.load, "Green_Shine.s3m");
  PlayMusic(f.sound);
  PlaySample(f.sound, kFight);
  FreeMusic(f.sound);
  EXPECT_EQ(f.log.lines, (std::vector<std::string>{"LoadSample 12 2", "PlaySample 5 12"}));
}

TEST(SKSound, TheSongLoadsWithItsVolumePlaysAndIsFreedOnce) {
  Fixture f;
  f.state.MusicVolume = -4;  // handed over unchanged
  f.members["Green_Shine.s3m"] = {4, 5, 6};
  InitSound(f.sound);
  f.log.lines.clear();
  LoadMusic(f.sound, f.load, "Green_Shine.s3m");
  PlayMusic(f.sound);
  FreeMusic(f.sound);
  FreeMusic(f.sound);
  FreeSound(f.sound);
  FreeSound(f.sound);
  EXPECT_EQ(f.log.lines, (std::vector<std::string>{"LoadSong 3", "SetSongVolume 1 -4", "PlaySong 1",
                                                   "FreeSong 1", "AudioClose"}));
}

TEST(SKSound, AMissingSongLeavesTheGameWithoutMusic) {
  Fixture f;
  InitSound(f.sound);
  f.log.lines.clear();
  LoadMusic(f.sound, f.load, "Green_Shine.s3m");
  PlayMusic(f.sound);
  FreeMusic(f.sound);
  EXPECT_EQ(f.log.lines, std::vector<std::string>{"LoadSong 0"});
  EXPECT_EQ(f.state.Song, 0u);
}

}  // namespace
}  // namespace sk
