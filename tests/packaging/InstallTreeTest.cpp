// `cmake --install` lays down the installed copy's layout: the programs in lower case, one
// data folder, the desktop files and manual pages, and nothing a player or a build left lying
// in the ready-to-play folder.
#include <gtest/gtest.h>
#include <png.h>

#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "tests/packaging/InstalledTree.h"

namespace sk::test {
namespace {

const std::string kData = SK_INSTALL_DATADIR "/skarveth/";

// The two sides of an icon's folder, <w>x<h>, when `file` is an installed icon.
std::optional<std::pair<unsigned, unsigned>> IconFolderSize(const std::string& file) {
  const std::string head = SK_INSTALL_DATADIR "/icons/hicolor/";
  const std::string tail = "/apps/" SK_APP_ID ".png";
  if (!file.starts_with(head) || !file.ends_with(tail)) return std::nullopt;
  const std::string folder = file.substr(head.size(), file.size() - head.size() - tail.size());
  unsigned w = 0, h = 0;
  char x = 0;
  std::istringstream sides(folder);
  if (!(sides >> w >> x >> h) || x != 'x' || !sides.eof()) return std::nullopt;
  return std::pair{w, h};
}

using InstallTree = InstalledTreeTest;

std::set<std::string> ExpectedFilesBesideTheIcons() {
  std::set<std::string> files{
      kData + "Skarveth.dat",
      kData + "DejaVuSans-Bold.ttf",
      kData + "Skarveth.ini",
      kData + "install-marker",
      SK_INSTALL_DATADIR "/applications/" SK_APP_ID ".desktop",
      SK_INSTALL_DATADIR "/metainfo/" SK_APP_ID ".metainfo.xml",
      SK_INSTALL_DOC_DIR "/copyright",
      SK_INSTALL_DOC_DIR "/changelog",
  };
  for (const auto& program : kInstalledPrograms) {
    files.insert(std::string(SK_INSTALL_BINDIR "/") + program.Installed);
    files.insert(std::string(SK_INSTALL_MANDIR "/man6/") + program.Installed + ".6");
  }
  for (const std::string& map : ShippedMaps()) files.insert(kData + "Maps/" + map);
  return files;
}

// The size and pixel format a PNG file declares; nothing when it is no PNG.
std::optional<png_image> PngHeader(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return std::nullopt;
  png_image_free(&image);  // the header's fields stay
  return image;
}

TEST_F(InstallTree, HoldsEveryFileOfTheLayoutAndNothingElse) {
  ASSERT_FALSE(ShippedMaps().empty());

  std::set<std::string> expected = ExpectedFilesBesideTheIcons();
  std::set<unsigned> iconSizes;
  for (const std::string& file : tree.Files()) {
    const auto icon = IconFolderSize(file);
    if (icon && icon->first == icon->second) {
      iconSizes.insert(icon->first);
    } else if (expected.erase(file) == 0) {
      ADD_FAILURE() << "not part of the install layout: " << file;
    }
  }
  for (const std::string& missing : expected) ADD_FAILURE() << "not installed: " << missing;
  for (unsigned size : {48u, 128u, 256u}) EXPECT_TRUE(iconSizes.count(size)) << size << " px icon";
}

TEST_F(InstallTree, ProgramsAreTheBuiltOnesUnderLowerCaseNames) {
  for (const auto& program : kInstalledPrograms) {
    const std::string installed = tree.Bin(program.Installed);
    EXPECT_TRUE(IsExecutableFile(installed)) << installed;
    EXPECT_TRUE(ReadWhole(installed) == ReadWhole(SK_GAME_DIR "/" + std::string(program.Built)))
        << program.Installed << " is not the built " << program.Built;
  }
}

TEST_F(InstallTree, DataFolderHoldsTheShippedDataAndTheMarker) {
  const std::string data = tree.DataDir() + "/";
  EXPECT_TRUE(ReadWhole(data + "Skarveth.dat") == ReadWhole(SK_GAME_DIR "/Skarveth.dat"));
  for (const std::string& map : ShippedMaps())
    EXPECT_TRUE(ReadWhole(data + "Maps/" + map) == ReadWhole(SK_GAME_DIR "/Maps/" + map)) << map;
  // The shipped defaults, not the ready-to-play folder's copy, which holds a player's changes.
  EXPECT_EQ(ReadWhole(data + "Skarveth.ini"), ReadWhole(SK_SOURCE_DIR "/data/Skarveth.ini"));
  EXPECT_EQ(ReadWhole(data + "DejaVuSans-Bold.ttf"),
            ReadWhole(SK_SOURCE_DIR "/data/fonts/DejaVuSans-Bold.ttf"));

  // The game finds the marker from its own folder: bin/ up to the prefix, then the data folder.
  const std::string marker =
      ReadWhole(tree.Bin("../" SK_INSTALL_DATADIR "/skarveth/install-marker"));
  ASSERT_FALSE(marker.empty());
  EXPECT_EQ(marker.find('\n'), marker.size() - 1) << "one line of text: " << marker;
}

TEST_F(InstallTree, EveryIconIsAPictureOfTheSizeItsFolderNames) {
  int icons = 0;
  for (const std::string& file : tree.Files()) {
    const auto icon = IconFolderSize(file);
    if (!icon) continue;
    ++icons;
    const auto png = PngHeader(tree.Path(file));
    if (!png) {
      ADD_FAILURE() << file << " is no PNG";
      continue;
    }
    EXPECT_EQ(png->width, icon->first) << file;
    EXPECT_EQ(png->height, icon->second) << file;
    EXPECT_EQ(png->format, PNG_FORMAT_RGBA) << file << ": no alpha channel, so no round corners";
  }
  EXPECT_GE(icons, 3);
}

// The installer's umask never reaches the tree: folders and programs 0755, data 0644.
TEST(UmaskInstall, LaysDownTheSameModesUnderAnyUmask) {
  const mode_t was = ::umask(0);
  const InstalledTree tree;
  ::umask(was);
  ASSERT_EQ(tree.Install().status, 0) << tree.Install().output;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(tree.Prefix())) {
    struct stat st {};
    ASSERT_EQ(::lstat(entry.path().c_str(), &st), 0);
    const bool program = entry.path().parent_path().filename() == "bin";
    EXPECT_EQ(st.st_mode & 07777, S_ISDIR(st.st_mode) || program ? 0755u : 0644u) << entry.path();
  }
}

TEST(StrippedInstall, KeepsWorkingProgramsUnderTheirNames) {
  // The package is built from a stripped install; renamed programs need their own strip step.
  InstalledTree tree("--strip");
  ASSERT_EQ(tree.Install().status, 0) << tree.Install().output;
  for (const auto& program : kInstalledPrograms) {
    EXPECT_TRUE(IsExecutableFile(tree.Bin(program.Installed))) << program.Installed;
    EXPECT_LT(ReadWhole(tree.Bin(program.Installed)).size(),
              ReadWhole(SK_GAME_DIR "/" + std::string(program.Built)).size())
        << program.Installed << " was not stripped";
  }
  // Installed, the programs name themselves and each other as the commands they are.
  const struct {
    const char *Program, *Args, *Expected;
  } usage[] = {
      {"skmap", "", "ERROR: Usage: skmap <"},
      {"skmap", "--help", "result with skview, and how hard\nit plays with skbalance."},
      {"skview", "--help", "Usage: skview <map>\n       skview --points"},
      {"skbalance", "--help", "Usage: skbalance ["},
  };
  for (const auto& u : usage) {
    const ProcessResult r = RunProcess("'" + tree.Bin(u.Program) + "' " + u.Args);
    EXPECT_NE(r.output.find(u.Expected), std::string::npos) << u.Program << ": " << r.output;
  }
  const ProcessResult skpack =
      RunProcess("'" + tree.Bin("skpack") + "' --list '" + tree.DataDir() + "/Skarveth.dat'");
  EXPECT_EQ(skpack.status, 0) << skpack.output;
  EXPECT_NE(skpack.output.find("Models.def"), std::string::npos) << skpack.output;
}

}  // namespace
}  // namespace sk::test
