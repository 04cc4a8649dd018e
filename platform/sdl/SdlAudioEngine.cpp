#include "platform/sdl/SdlAudioEngine.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <algorithm>
#include <cstdio>

#include "common/Version.h"

namespace sk {
namespace {

// The game speaks 0..255; the mixer 0..128.
int MixerVolume(int volume) { return (std::clamp(volume, 0, 255) * MIX_MAX_VOLUME + 127) / 255; }

void SDLCALL MusicHook(void* song, Uint8* stream, int bytes) {
  static_cast<OpenMptSong*>(song)->Render(stream, bytes);
}

void Silently(const char*, int, const char*, int, const char*, ...) {}

// ALSA prints a line for everything it fails to open, eight of them on a machine without a
// sound card, while SDL tries it; the game says it once, in its own words. ALSA comes with
// SDL, so its error handler is looked up, not linked: an SDL without ALSA simply has none.
void QuietenAlsa() {
  using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
  using SetHandler = int (*)(Handler);
  if (const auto set =
          reinterpret_cast<SetHandler>(::dlsym(RTLD_DEFAULT, "snd_lib_error_set_handler"))) {
    set(Silently);
  }
}

// The game goes on without sound, which is worth one line on standard error.
bool NoDevice() {
  std::fprintf(stderr, "%s: no sound device, playing silently.\n", kGameTitle);
  return false;
}

}  // namespace

SdlAudioEngine::~SdlAudioEngine() { Close(); }

bool SdlAudioEngine::Init(int frequency, int channels) {
  if (open_) return true;
  QuietenAlsa();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return NoDevice();
  Mix_Init(MIX_INIT_OGG);
  if (Mix_OpenAudio(frequency, AUDIO_S16SYS, 2, 1024) != 0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return NoDevice();
  }
  int got_frequency = frequency;
  Uint16 got_format = AUDIO_S16SYS;
  int got_channels = 2;
  Mix_QuerySpec(&got_frequency, &got_format, &got_channels);
  format_ = {got_frequency, got_channels, got_format == AUDIO_F32SYS};
  channels_ = Mix_AllocateChannels(channels);
  reserved_ = 0;
  open_ = true;
  return true;
}

void SdlAudioEngine::ReserveChannel(int channel) {
  if (!ValidChannel(channel)) return;
  // The mixer reserves a prefix of channels, which is what the game asks for anyway.
  reserved_ = std::max(reserved_, channel + 1);
  Mix_ReserveChannels(reserved_);
}

void SdlAudioEngine::SetEffectVolume(int volume) {
  if (open_) Mix_MasterVolume(MixerVolume(volume));
}

void SdlAudioEngine::FreeChunk(int slot) {
  if (chunks_[slot] == nullptr) return;
  Mix_FreeChunk(chunks_[slot]);  // halts any channel still playing it
  chunks_[slot] = nullptr;
}

void SdlAudioEngine::LoadSample(int slot, std::span<const std::uint8_t> data) {
  if (!open_ || slot < 0 || slot >= kSlots) return;
  FreeChunk(slot);
  if (data.empty()) return;
  SDL_RWops* rw = SDL_RWFromConstMem(data.data(), static_cast<int>(data.size()));
  if (rw != nullptr) chunks_[slot] = Mix_LoadWAV_RW(rw, 1);
}

void SdlAudioEngine::PlaySample(int channel, int slot) {
  if (!ValidChannel(channel) || slot < 0 || slot >= kSlots || chunks_[slot] == nullptr) return;
  // Starting on a busy channel halts the old sound, and with it the old pan.
  Mix_PlayChannel(channel, chunks_[slot], 0);
}

void SdlAudioEngine::SetPan(int channel, int pan) {
  if (!ValidChannel(channel)) return;
  const int right = std::clamp(pan, 0, 255);
  Mix_SetPanning(channel, static_cast<Uint8>(255 - right), static_cast<Uint8>(right));
}

void SdlAudioEngine::StopChannel(int channel) {
  if (ValidChannel(channel)) Mix_HaltChannel(channel);
}

void SdlAudioEngine::Unhook() {
  if (hooked_ == nullptr) return;
  // Mix_HookMusic swaps the hook while holding the audio device's lock, so once it returns
  // the audio thread is out of the song and will not enter it again.
  Mix_HookMusic(nullptr, nullptr);
  hooked_ = nullptr;
}

void SdlAudioEngine::Close() {
  if (!open_) return;
  Unhook();
  songs_.clear();
  Mix_HaltChannel(-1);
  for (int slot = 0; slot < kSlots; ++slot) FreeChunk(slot);
  // Channel calls after closing would touch freed mixer state; with no channels they are
  // plain no-ops.
  Mix_AllocateChannels(0);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  open_ = false;
  channels_ = 0;
  reserved_ = 0;
}

SongHandle SdlAudioEngine::LoadSong(std::span<const std::uint8_t> data) {
  if (!open_) return 0;
  std::unique_ptr<OpenMptSong> song = OpenMptSong::Load(data);
  if (!song) return 0;
  const SongHandle handle = nextSong_++;
  songs_[handle] = std::move(song);
  return handle;
}

void SdlAudioEngine::SetSongVolume(SongHandle song, int volume) {
  const auto it = songs_.find(song);
  if (it != songs_.end()) it->second->SetVolume(volume);
}

void SdlAudioEngine::PlaySong(SongHandle song) {
  const auto it = songs_.find(song);
  if (it == songs_.end()) return;
  Unhook();
  it->second->Restart(format_);
  hooked_ = it->second.get();
  Mix_HookMusic(MusicHook, hooked_);
}

void SdlAudioEngine::FreeSong(SongHandle song) {
  const auto it = songs_.find(song);
  if (it == songs_.end()) return;
  if (hooked_ == it->second.get()) Unhook();
  songs_.erase(it);
}

}  // namespace sk
