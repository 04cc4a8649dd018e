// The effects decode as short 44.1 kHz Ogg Vorbis sounds that start and end quietly and are
// about equally loud, and the song is a module that plays for one to two minutes about as
// loud as they are.
#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <numeric>
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

double RmsDb(const std::vector<float>& samples) {
  double sum = 0;
  for (float s : samples) sum += static_cast<double>(s) * s;
  return 10 * std::log10(std::max(sum / std::max<std::size_t>(samples.size(), 1), 1e-24));
}

constexpr const char* kEffects[] = {
    "Menu_Move.ogg",   "Menu_Next.ogg", "Menu_Back.ogg", "Menu_Disabled.ogg", "RailGun_Shot.ogg",
    "Model_Death.ogg", "Death.ogg",     "Damage.ogg",    "Excellent.ogg",     "Three.ogg",
    "Two.ogg",         "One.ogg",       "Fight.ogg",     "Chat.ogg",          "Slide.ogg"};

// RMS loudness of every effect, in dBFS.
std::vector<double> EffectLoudness(SKData& data) {
  std::vector<double> loudness;
  for (const char* name : kEffects) {
    Decoded sound;
    if (DecodeOgg(Member(data, name), sound)) loudness.push_back(RmsDb(sound.samples));
  }
  return loudness;
}

TEST(SoundContent, EffectsAreShortLevelledAndClickFree) {
  SKData data;
  ASSERT_TRUE(data.OpenArchive(GameDir() + "Skarveth.dat", GameDir() + "Data/"));
  const float ceiling = std::pow(10.0f, -0.3f / 20);  // -0.3 dBFS: no clipping after decoding
  double quietest = 0, loudest = -200;
  for (const char* name : kEffects) {
    SCOPED_TRACE(name);
    Decoded sound;
    ASSERT_TRUE(DecodeOgg(Member(data, name), sound));
    EXPECT_EQ(sound.rate, 44100);
    const double seconds = static_cast<double>(sound.samples.size()) / 44100.0;
    EXPECT_GT(seconds, 0.04);
    EXPECT_LT(seconds, 2.0);
    float peak = 0;
    for (float s : sound.samples) peak = std::max(peak, std::fabs(s));
    EXPECT_LT(peak, ceiling);
    const double rms = RmsDb(sound.samples);
    EXPECT_GT(rms, -24.0) << "left quiet";
    quietest = std::min(quietest, rms);
    loudest = std::max(loudest, rms);
    EXPECT_LT(std::fabs(sound.samples.front()), 0.05f);
    EXPECT_LT(std::fabs(sound.samples.back()), 0.05f);
  }
  // The railgun fires all match long; no menu click or voice may shout over it.
  EXPECT_LE(loudest - quietest, 6.0) << "from " << quietest << " to " << loudest << " dBFS";
}

TEST(SoundContent, TheSongIsAModuleOfOneToTwoMinutes) {
  SKData data;
  ASSERT_TRUE(data.OpenArchive(GameDir() + "Skarveth.dat", GameDir() + "Data/"));
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
  // The whole first pass, both channels: about as loud as the effects on average.
  std::vector<float> all, left(48000), right(48000);
  std::size_t frames = 0;
  while ((frames = openmpt_module_read_float_stereo(module, 48000, left.size(), left.data(),
                                                    right.data())) > 0) {
    all.insert(all.end(), left.begin(), left.begin() + frames);
    all.insert(all.end(), right.begin(), right.begin() + frames);
  }
  openmpt_module_destroy(module);
  EXPECT_GE(all.size(), 2u * 48000 * 60);
  float peak = 0;
  for (float s : all) peak = std::max(peak, std::fabs(s));
  EXPECT_LT(peak, 1.0f);
  const std::vector<double> effects = EffectLoudness(data);
  ASSERT_EQ(effects.size(), std::size(kEffects));
  const double mean = std::accumulate(effects.begin(), effects.end(), 0.0) / effects.size();
  EXPECT_NEAR(RmsDb(all), mean, 3.0);
}

}  // namespace
}  // namespace sk
