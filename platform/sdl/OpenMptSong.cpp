#include "platform/sdl/OpenMptSong.h"

#include <libopenmpt/libopenmpt.h>

#include <algorithm>
#include <cstring>

namespace sk {
namespace {
constexpr std::size_t kScratchFrames = 4096;
}

std::unique_ptr<OpenMptSong> OpenMptSong::Load(std::span<const std::uint8_t> data) {
  if (data.empty()) return nullptr;
  openmpt_module* module = openmpt_module_create_from_memory2(
      data.data(), data.size(), openmpt_log_func_silent, nullptr, openmpt_error_func_ignore,
      nullptr, nullptr, nullptr, nullptr);
  if (module == nullptr) return nullptr;
  // The song accompanies the whole run, so it starts over whenever it ends.
  openmpt_module_set_repeat_count(module, -1);
  return std::unique_ptr<OpenMptSong>(new OpenMptSong(module));
}

OpenMptSong::OpenMptSong(openmpt_module* module)
    : module_(module), scratch_(kScratchFrames * 2) {}

OpenMptSong::~OpenMptSong() { openmpt_module_destroy(module_); }

void OpenMptSong::SetVolume(int volume) { volume_.store(std::clamp(volume, 0, 255)); }

void OpenMptSong::Restart(const MixFormat& format) {
  format_ = format;
  openmpt_module_set_position_seconds(module_, 0.0);
}

void OpenMptSong::RenderFrames(float* out, std::size_t frames) {
  std::size_t done = 0;
  while (done < frames) {
    const std::size_t got = openmpt_module_read_interleaved_float_stereo(
        module_, format_.frequency, frames - done, out + done * 2);
    if (got == 0) break;  // cannot happen while looping, but never spin on it
    done += got;
  }
  std::fill(out + done * 2, out + frames * 2, 0.0f);
}

void OpenMptSong::Render(std::uint8_t* stream, int bytes) {
  const int sampleBytes = format_.floatSamples ? 4 : 2;
  const int channels = std::max(1, format_.channels);
  std::size_t frames = static_cast<std::size_t>(bytes) / (sampleBytes * channels);
  // The mixer's own music volume never reaches a hook, so the song's volume is applied here.
  const float gain = static_cast<float>(volume_.load()) / 255.0f;
  std::size_t written = 0;
  while (frames > 0) {
    const std::size_t chunk = std::min(frames, kScratchFrames);
    RenderFrames(scratch_.data(), chunk);
    for (std::size_t f = 0; f < chunk; ++f) {
      const float left = scratch_[f * 2] * gain;
      const float right = scratch_[f * 2 + 1] * gain;
      for (int c = 0; c < channels; ++c) {
        // Mono gets the average; extra speakers beyond the front pair stay silent.
        float v = channels == 1 ? (left + right) * 0.5f : c == 0 ? left : c == 1 ? right : 0.0f;
        v = std::clamp(v, -1.0f, 1.0f);
        std::uint8_t* at = stream + (written * channels + c) * sampleBytes;
        if (format_.floatSamples) {
          std::memcpy(at, &v, sizeof v);
        } else {
          const auto s = static_cast<std::int16_t>(v * 32767.0f);
          std::memcpy(at, &s, sizeof s);
        }
      }
      ++written;
    }
    frames -= chunk;
  }
}

}  // namespace sk
