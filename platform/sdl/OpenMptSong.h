#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

struct openmpt_module;

namespace sk {

// The output the song is rendered for: what the mixer's device actually runs at.
struct MixFormat {
  int frequency = 44100;
  int channels = 2;
  bool floatSamples = false;  // else signed 16-bit native-endian
};

// A tracker song rendered by libopenmpt, looping forever. Render() runs on the audio
// thread; everything else runs on the game thread while the song is not hooked into the
// mixer, except SetVolume, which is safe at any time.
class OpenMptSong {
 public:
  // Null when the bytes are not a module libopenmpt can play.
  static std::unique_ptr<OpenMptSong> Load(std::span<const std::uint8_t> data);
  ~OpenMptSong();
  OpenMptSong(const OpenMptSong&) = delete;
  OpenMptSong& operator=(const OpenMptSong&) = delete;

  // 0..255; values outside are clamped.
  void SetVolume(int volume);
  // Back to the first row, ready for a fresh play in the given format.
  void Restart(const MixFormat& format);
  // Writes `bytes` bytes of the song into an audio buffer in the restart's format.
  void Render(std::uint8_t* stream, int bytes);

 private:
  explicit OpenMptSong(openmpt_module* module);
  void RenderFrames(float* out, std::size_t frames);

  openmpt_module* module_;
  std::atomic<int> volume_{255};
  MixFormat format_;
  std::vector<float> scratch_;  // stereo frames, sized once so the audio thread never allocates
};

}  // namespace sk
