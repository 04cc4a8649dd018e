#include "platform/null/RecordingAudioEngine.h"

#include <string>

namespace sk {
namespace {
std::string Line(const char* name, long long a) { return std::string(name) + " " + std::to_string(a); }
std::string Line(const char* name, long long a, long long b) {
  return Line(name, a) + " " + std::to_string(b);
}
}  // namespace

bool RecordingAudioEngine::Init(int frequency, int channels) {
  log_.Add(Line("AudioInit", frequency, channels));
  return deviceAvailable;
}
void RecordingAudioEngine::ReserveChannel(int channel) { log_.Add(Line("ReserveChannel", channel)); }
void RecordingAudioEngine::SetEffectVolume(int volume) { log_.Add(Line("SetEffectVolume", volume)); }
void RecordingAudioEngine::LoadSample(int slot, std::span<const std::uint8_t> data) {
  sampleSizes[slot] = data.size();
  log_.Add(Line("LoadSample", slot, static_cast<long long>(data.size())));
}
void RecordingAudioEngine::PlaySample(int channel, int slot) {
  log_.Add(Line("PlaySample", channel, slot));
}
void RecordingAudioEngine::SetPan(int channel, int pan) { log_.Add(Line("SetPan", channel, pan)); }
void RecordingAudioEngine::StopChannel(int channel) { log_.Add(Line("StopChannel", channel)); }
void RecordingAudioEngine::Close() { log_.Add("AudioClose"); }
SongHandle RecordingAudioEngine::LoadSong(std::span<const std::uint8_t> data) {
  log_.Add(Line("LoadSong", static_cast<long long>(data.size())));
  return data.empty() ? 0 : nextSong_++;
}
void RecordingAudioEngine::SetSongVolume(SongHandle song, int volume) {
  log_.Add(Line("SetSongVolume", song, volume));
}
void RecordingAudioEngine::PlaySong(SongHandle song) { log_.Add(Line("PlaySong", song)); }
void RecordingAudioEngine::FreeSong(SongHandle song) { log_.Add(Line("FreeSong", song)); }

}  // namespace sk
