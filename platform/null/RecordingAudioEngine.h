#pragma once
#include <map>

#include "game/platform/AudioEngine.h"
#include "platform/null/CallLog.h"

namespace sk {

// An audio engine that plays nothing and writes down every call. The device can be told
// to refuse to open, and it keeps the sample sizes and the song so that tests can look.
class RecordingAudioEngine : public AudioEngine {
 public:
  explicit RecordingAudioEngine(CallLog& log) : log_(log) {}

  bool deviceAvailable = true;
  std::map<int, std::size_t> sampleSizes;  // slot -> bytes handed over

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
  CallLog& log_;
  SongHandle nextSong_ = 1;
};

}  // namespace sk
