#pragma once
#include <cstdint>
#include <span>

namespace sk {

// A loaded song as the engine hands it out; 0 stands for "no song".
using SongHandle = std::uint32_t;

// The sound hardware as the game sees it: numbered sample slots played on numbered mixing
// channels, and one tracker song. Every operation is a no-op when the engine is not running,
// so callers never have to track that themselves. Volumes and pans are 0..255.
class AudioEngine {
 public:
  virtual ~AudioEngine() = default;

  // Opens the output device; false leaves the engine closed (the game then runs silent).
  virtual bool Init(int frequency, int channels) = 0;
  // Keeps a channel for explicit plays only, so the engine never hands it out by itself.
  virtual void ReserveChannel(int channel) = 0;
  virtual void SetEffectVolume(int volume) = 0;
  // Decodes a sample into `slot` from bytes the engine copies; a bad sample leaves the slot
  // empty, and playing an empty slot is silent.
  virtual void LoadSample(int slot, std::span<const std::uint8_t> data) = 0;
  // Starts the sample of `slot` on `channel`, cutting off whatever sounded there.
  virtual void PlaySample(int channel, int slot) = 0;
  // 0 full left .. 255 full right, for the sound now playing on the channel.
  virtual void SetPan(int channel, int pan) = 0;
  virtual void StopChannel(int channel) = 0;
  // Stops everything and frees every sample.
  virtual void Close() = 0;

  // The engine keeps its own copy of the bytes; 0 when the song cannot be read.
  virtual SongHandle LoadSong(std::span<const std::uint8_t> data) = 0;
  virtual void SetSongVolume(SongHandle song, int volume) = 0;
  // Plays the song from its start, looping, until it is freed.
  virtual void PlaySong(SongHandle song) = 0;
  virtual void FreeSong(SongHandle song) = 0;
};

}  // namespace sk
