#include "game/audio/SKSound.h"

#include <array>
#include <cmath>

namespace sk {
namespace {

// Menu effects, the shot and the intro's slide share channel 0; the countdown shares 5.
constexpr std::array<std::int32_t, kEffectCount> kChannels = {0, 0, 0, 0, 0, 1, 2, 3,
                                                              4, 5, 5, 5, 5, 6, 0};
constexpr int kMixFrequency = 44100;
constexpr int kMixChannels = 32;

}  // namespace

std::int32_t SampleChannel(std::int32_t number) {
  if (number < 0 || number >= kEffectCount) return -1;
  return kChannels[static_cast<std::size_t>(number)];
}

std::int32_t PanAtX(std::int32_t x) {
  // nearbyint keeps ties-to-even under the default rounding mode.
  return static_cast<std::int32_t>(std::nearbyint((x + 1) * 0.3984375));
}

void InitSound(SoundContext sound) {
  if (sound.state.SoundOff) return;
  if (!sound.engine.Init(kMixFrequency, kMixChannels)) {
    // No device: the game carries on silently, without bothering the player.
    sound.state.SoundOff = true;
    return;
  }
  sound.state.EngineStarted = true;
  sound.engine.SetEffectVolume(sound.state.SoundVolume);
  for (int channel = 0; channel < kReservedChannels; ++channel) {
    sound.engine.ReserveChannel(channel);
  }
}

void FreeSound(SoundContext sound) {
  if (sound.state.SoundOff || !sound.state.EngineStarted) return;
  sound.engine.Close();
  sound.state.EngineStarted = false;
}

void LoadSample(SoundContext sound, const MemberLoader& load, const std::string& member,
                std::int32_t number) {
  if (sound.state.SoundOff) return;
  TMemoryStream stream;
  load(member, stream);
  sound.engine.LoadSample(number, stream.View());
}

void LoadMusic(SoundContext sound, const MemberLoader& load, const std::string& member) {
  if (sound.state.SoundOff || sound.state.MusicOff) return;
  TMemoryStream stream;
  load(member, stream);
  sound.state.Song = sound.engine.LoadSong(stream.View());
  if (sound.state.Song != 0) sound.engine.SetSongVolume(sound.state.Song, sound.state.MusicVolume);
}

void PlayMusic(SoundContext sound) {
  if (sound.state.SoundOff || sound.state.MusicOff || sound.state.Song == 0) return;
  sound.engine.PlaySong(sound.state.Song);
}

void FreeMusic(SoundContext sound) {
  if (sound.state.SoundOff || sound.state.MusicOff || sound.state.Song == 0) return;
  sound.engine.FreeSong(sound.state.Song);
  sound.state.Song = 0;
}

void PlaySample(SoundContext sound, std::int32_t number) {
  if (sound.state.SoundOff) return;
  const std::int32_t channel = SampleChannel(number);
  if (channel < 0) return;
  sound.engine.PlaySample(channel, number);
}

void PlaySamplePan(SoundContext sound, std::int32_t number, std::int32_t pan) {
  if (sound.state.SoundOff) return;
  const std::int32_t channel = SampleChannel(number);
  if (channel < 0) return;
  sound.engine.PlaySample(channel, number);
  sound.engine.SetPan(channel, pan);
}

void StopSamples(SoundContext sound) {
  for (int channel = 0; channel < kReservedChannels; ++channel) {
    sound.engine.StopChannel(channel);
  }
}

}  // namespace sk
