#pragma once
#include <array>
#include <map>
#include <memory>

#include "game/platform/AudioEngine.h"
#include "platform/sdl/OpenMptSong.h"

struct Mix_Chunk;

namespace sk {

// Effects through SDL2_mixer chunks on fixed channels; the song through libopenmpt, fed to
// the mixer's music hook.
class SdlAudioEngine : public AudioEngine {
 public:
  SdlAudioEngine() = default;
  ~SdlAudioEngine() override;
  SdlAudioEngine(const SdlAudioEngine&) = delete;
  SdlAudioEngine& operator=(const SdlAudioEngine&) = delete;

  bool Init(int frequency, int channels) override;
  void ReserveChannel(int channel) override;
  void SetEffectVolume(int volume) override;
  void LoadSample(int slot, std::span<const std::uint8_t> data) override;
  void PlaySample(int channel, int slot) override;
  void SetPan(int channel, int pan) override;
  void StopChannel(int channel) override;
  void Close() override;
  SongHandle LoadSong(std::span<const std::uint8_t> data) override;
  void SetSongVolume(SongHandle song, int volume) override;
  void PlaySong(SongHandle song) override;
  void FreeSong(SongHandle song) override;

 private:
  static constexpr int kSlots = 64;
  void Unhook();
  void FreeChunk(int slot);
  bool ValidChannel(int channel) const { return open_ && channel >= 0 && channel < channels_; }

  bool open_ = false;
  int channels_ = 0;
  int reserved_ = 0;
  MixFormat format_;
  std::array<Mix_Chunk*, kSlots> chunks_{};
  std::map<SongHandle, std::unique_ptr<OpenMptSong>> songs_;
  OpenMptSong* hooked_ = nullptr;
  SongHandle nextSong_ = 1;
};

}  // namespace sk
