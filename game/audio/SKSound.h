#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "game/platform/AudioEngine.h"
#include "game/resources/MemoryStream.h"

namespace sk {

// The fifteen effects by number; the number is both the sample slot and the key of the
// effect's fixed channel.
enum Effect : std::int32_t {
  kMenuMove = 0,
  kMenuNext = 1,
  kMenuBack = 2,
  kMenuDisabled = 3,
  kRailGunShot = 4,
  kModelDeath = 5,
  kDeath = 6,
  kDamage = 7,
  kExcellent = 8,
  kThree = 9,
  kTwo = 10,
  kOne = 11,
  kFight = 12,
  kChat = 13,
  kSlide = 14,
};
inline constexpr int kEffectCount = 15;
inline constexpr int kReservedChannels = 8;

// Fills a stream with an archive member (or leaves it empty when there is none).
using MemberLoader = std::function<void(const std::string& name, TMemoryStream& stream)>;

// State of the sound module.
struct TSoundState {
  bool SoundOff = false;  // nothing is loaded or played; the engine is never called
  bool MusicOff = false;  // the song is neither loaded, played nor freed
  std::int32_t SoundVolume = 255;
  std::int32_t MusicVolume = 255;
  SongHandle Song = 0;
  bool EngineStarted = false;  // so that a second FreeSound does nothing
};

// Everything the sound operations work on.
struct SoundContext {
  TSoundState& state;
  AudioEngine& engine;
};

void InitSound(SoundContext sound);
void FreeSound(SoundContext sound);
void LoadSample(SoundContext sound, const MemberLoader& load, const std::string& member,
                std::int32_t number);
void LoadMusic(SoundContext sound, const MemberLoader& load, const std::string& member);
void PlayMusic(SoundContext sound);
void FreeMusic(SoundContext sound);
void PlaySample(SoundContext sound, std::int32_t number);
void PlaySamplePan(SoundContext sound, std::int32_t number, std::int32_t pan);
// Stops channels 0..7 whether or not sound is on or the engine has started: the engine
// treats both cases as harmless.
void StopSamples(SoundContext sound);

// The fixed channel of an effect, or -1 for a number that names no effect.
std::int32_t SampleChannel(std::int32_t number);
// The pan of a sound at screen column x (0..639): 0 at the left edge, 255 at the right.
std::int32_t PanAtX(std::int32_t x);

}  // namespace sk
