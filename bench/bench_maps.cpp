// Map loading against a bare libjpeg decode of the same background, and the map list over a
// folder of 1,000 maps.
#include <benchmark/benchmark.h>
#include <jpeglib.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/FileIo.h"
#include "common/MapFormat.h"
#include "game/maps/MapList.h"
#include "game/maps/SKMap.h"
#include "game/render/Geometry.h"
#include "support/JpegEncode.h"

namespace {

namespace fs = std::filesystem;

// The reference: the least code that turns the JPEG into a new buffer of RGB rows.
std::vector<std::uint8_t> BareJpegDecode(const std::vector<std::uint8_t>& jpeg) {
  jpeg_decompress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, jpeg.data(), jpeg.size());
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  const std::size_t stride = std::size_t{cinfo.output_width} * 3;
  std::vector<std::uint8_t> rgb(stride * cinfo.output_height);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = rgb.data() + stride * cinfo.output_scanline;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return rgb;
}

std::vector<std::uint8_t> BackgroundOf(const std::vector<std::uint8_t>& map) {
  const auto info = sk::ReadMapFile(map);
  const auto data = sk::MapBackgroundData(map, *info);
  return {data->begin(), data->end()};
}

void LoadMapBench(benchmark::State& state, std::string path) {
  sk::TMapState map;
  sk::TImageList images;
  sk::AddImage(images, sk::kMapBackgroundImage, sk::TPicture{}, false, 0, false);
  sk::AddImage(images, sk::kMapMaskImage, sk::TPicture{}, true, 0xFF00FF, false);
  std::size_t walking = 0;
  for (auto _ : state) {
    const auto result = sk::LoadMapFile(map, images, path, [&](std::size_t n) { walking = n; });
    if (result != sk::MapLoadResult::Loaded) state.SkipWithError("the map does not load");
    benchmark::DoNotOptimize(map.Paths.data());
  }
  state.counters["paths"] = static_cast<double>(walking);
  state.counters["mask"] = map.MapHasMask ? 1 : 0;
}

void BareDecodeBench(benchmark::State& state, std::string path) {
  const std::vector<std::uint8_t> jpeg = BackgroundOf(*sk::ReadFileBytes(path));
  for (auto _ : state) {
    const std::vector<std::uint8_t> rgb = BareJpegDecode(jpeg);
    benchmark::DoNotOptimize(rgb.data());
  }
}

// A 640 x 480 map with a mask, for when the default maps have not been built.
std::string GeneratedMap(const std::string& folder) {
  sk::TPicture picture(sk::kScreenWidth, sk::kScreenHeight);
  for (int y = 0; y < sk::kScreenHeight; ++y)
    for (int x = 0; x < sk::kScreenWidth; ++x)
      picture.At(x, y) =
          sk::TRgb{static_cast<std::uint8_t>(x ^ y), static_cast<std::uint8_t>(x * 7 + y * 3),
                   static_cast<std::uint8_t>(y)};
  const std::vector<std::uint8_t> jpeg = sk::test::EncodeJpeg(picture, 90);

  sk::TMapContent content;
  content.Name = "Generated";
  content.FinalX = 320;
  content.FinalY = 440;
  for (int p = 0; p < 8; ++p) {
    content.Paths.push_back({{static_cast<std::int16_t>(-50 + p * 90), -40, 300},
                             {static_cast<std::int16_t>(600 - p * 60), 200, 400}});
  }
  const auto map = sk::AssembleMapFile(content, jpeg, {});
  const std::string path = folder + "generated.map";
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(map->data()), static_cast<std::streamsize>(map->size()));
  return path;
}

std::vector<std::string> BenchMaps(const std::string& scratch) {
  std::vector<std::string> maps;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(SK_GAME_DIR "/Maps", error)) {
    if (entry.path().extension() == ".map") maps.push_back(entry.path().string());
  }
  std::sort(maps.begin(), maps.end());
  if (maps.empty()) {
    std::fprintf(stderr, "No default maps in %s/Maps: using a generated 640 x 480 map.\n",
                 SK_GAME_DIR);
    maps.push_back(GeneratedMap(scratch));
  }
  return maps;
}

// One frame step's point lookups for eight walking models spread along `paths` (the paths
// repeat when there are fewer than eight). Items are models, so the rate is per model.
void StepPathPoints(benchmark::State& state, const sk::TMapState& map) {
  std::size_t positions[8];
  for (std::size_t m = 0; m < 8; ++m) {
    positions[m] = sk::PathLength(map, m % map.Paths.size()) * m / 8;
  }
  for (auto _ : state) {
    for (std::size_t m = 0; m < 8; ++m) {
      const std::size_t p = m % map.Paths.size();
      if (++positions[m] == sk::PathLength(map, p)) positions[m] = 0;
      benchmark::DoNotOptimize(sk::PathPoint(map, p, positions[m]));
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 8);
}

void StepMapBench(benchmark::State& state, std::string path) {
  const auto bytes = sk::ReadFileBytes(path);
  sk::TMapState map;
  map.Paths = sk::MakeMapPaths(sk::ReadMapFile(*bytes)->Content);
  StepPathPoints(state, map);
}

// The largest paths a map can hold: 8 paths of 255 diagonal waypoints, 65535 frames each.
void StepLongestPathsBench(benchmark::State& state) {
  sk::TMapContent content;
  for (int p = 0; p < 8; ++p) {
    std::vector<sk::TWayPoint> path;
    for (int k = 0; k < 255; ++k) {
      path.push_back({static_cast<std::int16_t>((k * 97 + p * 13) % sk::kScreenWidth),
                      static_cast<std::int16_t>((k * 61 + p * 29) % sk::kScreenHeight), 65535});
    }
    content.Paths.push_back(path);
  }
  sk::TMapState map;
  map.Paths = sk::MakeMapPaths(content);
  StepPathPoints(state, map);
}

// Bytes this process has asked the kernel to read so far.
double BytesReadSoFar() {
  std::ifstream io("/proc/self/io");
  std::string key;
  double value = 0;
  while (io >> key >> value) {
    if (key == "rchar:") return value;
  }
  return 0;
}

// 1,000 maps of 64 KiB each: the list should read only their first bytes.
void BuildMapListBench(benchmark::State& state, std::string program_dir) {
  sk::TMapList list;
  double read = 0;
  for (auto _ : state) {
    const double before = BytesReadSoFar();
    list = sk::BuildMapList({program_dir + "Maps/"});
    read = BytesReadSoFar() - before;
  }
  state.counters["maps"] = static_cast<double>(list.size());
  state.counters["bytes_read_per_map"] = read / static_cast<double>(list.size());
}

std::string MakeListFolder(const std::string& scratch, const std::string& map_path) {
  const std::string program_dir = scratch + "list/";
  fs::create_directories(program_dir + "Maps");
  std::vector<std::uint8_t> bytes = *sk::ReadFileBytes(map_path);
  bytes.resize(64 * 1024, 0);
  for (int i = 0; i < 1000; ++i) {
    const std::string name = program_dir + "Maps/m" + std::to_string(i * 7919 % 1000) + ".map";
    std::ofstream(name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  return program_dir;
}

}  // namespace

int main(int argc, char** argv) {
  std::string scratch = (fs::temp_directory_path() / "skbench.XXXXXX").string();
  if (mkdtemp(scratch.data()) == nullptr) return 1;
  scratch += "/";
  const std::vector<std::string> maps = BenchMaps(scratch);
  for (const std::string& map : maps) {
    const std::string name = fs::path(map).filename().string();
    benchmark::RegisterBenchmark(("LoadMap/" + name).c_str(), LoadMapBench, map)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("BareJpegDecode/" + name).c_str(), BareDecodeBench, map)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("StepEightModels/" + name).c_str(), StepMapBench, map);
  }
  benchmark::RegisterBenchmark("StepEightModels/longest-paths", StepLongestPathsBench);
  benchmark::RegisterBenchmark("BuildMapList/1000", BuildMapListBench,
                               MakeListFolder(scratch, maps.front()))
      ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::remove_all(scratch);
  return 0;
}
