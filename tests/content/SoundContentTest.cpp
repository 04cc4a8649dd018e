// The effects decode as short 44.1 kHz Ogg Vorbis sounds that start and end quietly, and the
// song is a module that plays for one to two minutes.
#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "tests/content/ContentFiles.h"

namespace sk {
namespace {

using test::GameDir;
using test::Member;

struct Decoded {
  long rate = 0;
  int channels = 0;
  std::vector<float> samples;  // the first channel
};

struct MemoryReader {
  const std::vector<std::uint8_t>* bytes;
  std::size_t position = 0;
};

std::size_t ReadMemory(void* out, std::size_t size, std::size_t count, void* source) {
  auto* r = static_cast<MemoryReader*>(source);
  const std::size_t n = std::min(size * count, r->bytes->size() - r->position);
  std::memcpy(out, r->bytes->data() + r->position, n);
  r->position += n;
  return size ? n / size : 0;
}

bool DecodeOgg(const std::vector<std::uint8_t>& bytes, Decoded& out) {
  MemoryReader reader{&bytes};
  OggVorbis_File file;
  const ov_callbacks callbacks{ReadMemory, nullptr, nullptr, nullptr};
  if (ov_open_callbacks(&reader, &file, nullptr, 0, callbacks) != 0) return false;
  const vorbis_info* info = ov_info(&file, -1);
  out.rate = info->rate;
  out.channels = info->channels;
  float** pcm = nullptr;
  int section = 0;
  long n = 0;
  while ((n = ov_read_float(&file, &pcm, 4096, &section)) > 0) {
    out.samples.insert(out.samples.end(), pcm[0], pcm[0] + n);
  }
  ov_clear(&file);
  return n == 0;
}

TEST(SoundContent, EffectsAreShortNormalisedAndClickFree) {
  SKData data;
  ASSERT_TRUE(data.OpenArchive(GameDir()));
  for (const char* name :
       {"Menu_Move.ogg", "Menu_Next.ogg", "Menu_Back.ogg", "Menu_Disabled.ogg",
        "RailGun_Shot.ogg", "Model_Death.ogg", "Death.ogg", "Damage.ogg", "Excellent.ogg",
        "Three.ogg", "Two.ogg", "One.ogg", "Fight.ogg", "Chat.ogg", "Slide.ogg"}) {
    SCOPED_TRACE(name);
    Decoded sound;
    ASSERT_TRUE(DecodeOgg(Member(data, name), sound));
    EXPECT_EQ(sound.rate, 44100);
    const double seconds = static_cast<double>(sound.samples.size()) / 44100.0;
    EXPECT_GT(seconds, 0.04);
    EXPECT_LT(seconds, 2.0);
    float peak = 0;
    for (float s : sound.samples) peak = std::max(peak, std::fabs(s));
    EXPECT_GT(peak, 0.7f);  // normalised, not left quiet
    EXPECT_LE(peak, 1.0f);
    EXPECT_LT(std::fabs(sound.samples.front()), 0.05f);
    EXPECT_LT(std::fabs(sound.samples.back()), 0.05f);
  }
}

TEST(SoundContent, TheSongIsAModuleOfOneToTwoMinutes) {
  SKData data;
  ASSERT_TRUE(data.OpenArchive(GameDir()));
  const std::vector<std::uint8_t> song = Member(data, "Green_Shine.s3m");
  openmpt_module* module = openmpt_module_create_from_memory2(
      song.data(), song.size(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(module, nullptr);
  const double seconds = openmpt_module_get_duration_seconds(module);
  EXPECT_GE(seconds, 60.0);
  EXPECT_LE(seconds, 120.0);
  EXPECT_GE(openmpt_module_get_num_channels(module), 4);
  EXPECT_GE(openmpt_module_get_num_patterns(module), 4);
  EXPECT_GE(openmpt_module_get_num_samples(module), 4);
  const char* type = openmpt_module_get_metadata(module, "type");
  EXPECT_STREQ(type, "s3m");
  openmpt_free_string(type);
  std::vector<float> left(48000), right(48000);
  const std::size_t frames =
      openmpt_module_read_float_stereo(module, 48000, left.size(), left.data(), right.data());
  EXPECT_EQ(frames, left.size());
  float peak = 0;
  for (float s : left) peak = std::max(peak, std::fabs(s));
  EXPECT_GT(peak, 0.05f);
  openmpt_module_destroy(module);
}

}  // namespace
}  // namespace sk
