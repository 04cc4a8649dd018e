#include "game/shell/AssetSets.h"

#include <array>

namespace sk {
namespace {

constexpr std::array<const char*, kEffectCount> kEffectMembers = {
    "Menu_Move.ogg",   "Menu_Next.ogg", "Menu_Back.ogg", "Menu_Disabled.ogg", "RailGun_Shot.ogg",
    "Model_Death.ogg", "Death.ogg",     "Damage.ogg",    "Excellent.ogg",     "Three.ogg",
    "Two.ogg",         "One.ogg",       "Fight.ogg",     "Chat.ogg",          "Slide.ogg"};
constexpr const char* kSongMember = "Green_Shine.s3m";

MemberLoader ArchiveLoader(const SKData& data) {
  return [&data](const std::string& name, TMemoryStream& stream) { data.LoadMember(name, stream); };
}

}  // namespace

void LoadImage(const SKData& data, TImageList& images, const std::string& name, bool transparent,
               TColor transparentColor, bool systemMemory) {
  TMemoryStream stream;
  data.LoadMember(name, stream);
  AddImage(images, name, stream.View(), transparent, transparentColor, systemMemory);
}

void LoadSounds(const SKData& data, SoundContext sound) {
  const MemberLoader load = ArchiveLoader(data);
  for (int number = 0; number < kEffectCount; ++number) {
    LoadSample(sound, load, kEffectMembers[static_cast<std::size_t>(number)], number);
  }
  LoadMusic(sound, load, kSongMember);
}

}  // namespace sk
