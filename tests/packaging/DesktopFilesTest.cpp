// The installed desktop entry, software-centre metadata and manual pages pass their
// validators and name only what the install lays down.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/packaging/InstalledTree.h"

namespace sk::test {
namespace {

// The value of `key=` in a desktop entry, or "" without one.
std::string EntryValue(const std::string& entry, const std::string& key) {
  std::istringstream lines(entry);
  for (std::string line; std::getline(lines, line);)
    if (line.starts_with(key + "=")) return line.substr(key.size() + 1);
  return "";
}

// Every piece of `text` between an `open` and the next `close` after it.
std::vector<std::string> AllBetween(const std::string& text, const std::string& open,
                                    const std::string& close) {
  std::vector<std::string> found;
  for (std::size_t at = text.find(open); at != std::string::npos; at = text.find(open, at)) {
    at += open.size();
    const std::size_t end = text.find(close, at);
    if (end == std::string::npos) break;
    found.push_back(text.substr(at, end - at));
    at = end + close.size();
  }
  return found;
}

using DesktopEntry = InstalledTreeTest;
using Metainfo = InstalledTreeTest;
using ManPages = InstalledTreeTest;

TEST_F(DesktopEntry, StartsTheInstalledGameWithItsOwnIcon) {
  const std::string path = tree.Share("applications/" SK_APP_ID ".desktop");
  const std::string entry = ReadWhole(path);
  ASSERT_FALSE(entry.empty());

  const std::string exec = EntryValue(entry, "Exec");
  EXPECT_EQ(exec, "skarveth");
  EXPECT_TRUE(IsExecutableFile(tree.Bin(exec))) << "Exec names no installed program: " << exec;
  // The window's class is the program's file name; the desktop matches windows to it.
  EXPECT_EQ(EntryValue(entry, "StartupWMClass"), exec);
  EXPECT_EQ(EntryValue(entry, "Icon"), SK_APP_ID);
  EXPECT_EQ(EntryValue(entry, "Categories"), "Game;ActionGame;");
  EXPECT_TRUE(std::filesystem::is_regular_file(
      tree.Share("icons/hicolor/48x48/apps/" + EntryValue(entry, "Icon") + ".png")));

  if (!HaveProgram("desktop-file-validate")) GTEST_SKIP() << "desktop-file-validate missing";
  const ProcessResult check = RunProcess("desktop-file-validate '" + path + "'");
  EXPECT_EQ(check.status, 0) << check.output;
  EXPECT_EQ(check.output, "");
}

TEST_F(Metainfo, DescribesTheInstalledTreeAndValidatesWithIt) {
  const std::string xml = ReadWhole(tree.Share("metainfo/" SK_APP_ID ".metainfo.xml"));
  ASSERT_FALSE(xml.empty());

  EXPECT_EQ(AllBetween(xml, "<id>", "</id>"), std::vector<std::string>{SK_APP_ID});
  const auto launchables = AllBetween(xml, "<launchable type=\"desktop-id\">", "</launchable>");
  EXPECT_EQ(launchables.size(), 1u);
  for (const std::string& desktop : launchables)
    EXPECT_TRUE(std::filesystem::is_regular_file(tree.Share("applications/" + desktop))) << desktop;
  std::set<std::string> provided;
  for (const std::string& binary : AllBetween(xml, "<binary>", "</binary>"))
    provided.insert(binary);
  std::set<std::string> installed;
  for (const auto& program : kInstalledPrograms) installed.insert(program.Installed);
  EXPECT_EQ(provided, installed);
  EXPECT_EQ(AllBetween(xml, "<release version=\"", "\""),
            std::vector<std::string>{SK_PACKAGE_VERSION});
  // The screenshot the metadata points at is the one kept with the packaging files.
  const auto screenshots = AllBetween(xml, "<image", "</image>");
  EXPECT_FALSE(screenshots.empty());
  for (const std::string& image : screenshots) {
    const std::size_t kept = image.find("/packaging/");
    ASSERT_NE(kept, std::string::npos) << image;
    EXPECT_TRUE(std::filesystem::is_regular_file(SK_SOURCE_DIR + image.substr(kept))) << image;
  }

  if (!HaveProgram("appstreamcli")) GTEST_SKIP() << "appstreamcli missing";
  // The whole tree: the metadata with its desktop entry and icons, offline.
  const ProcessResult check =
      RunProcess("appstreamcli validate-tree --no-net '" + tree.Prefix() + "'");
  EXPECT_EQ(check.status, 0) << check.output;
}

TEST_F(ManPages, EveryInstalledProgramHasAPageThatFormatsCleanly) {
  const bool haveGroff = HaveProgram("groff");
  for (const auto& program : kInstalledPrograms) {
    const std::string name = program.Installed;
    const std::string page = tree.Path(SK_INSTALL_MANDIR "/man6/" + name + ".6");
    const std::string text = ReadWhole(page);
    std::string upper = name;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_TRUE(text.starts_with(".TH " + upper + " 6 ")) << page;
    EXPECT_NE(text.find("\"Codename: Skarveth " SK_PACKAGE_VERSION "\""), std::string::npos)
        << page << " names another version";
    if (!haveGroff) continue;
    const ProcessResult lint = RunProcess("groff -man -ww -z '" + page + "'");
    EXPECT_EQ(lint.status, 0) << page;
    EXPECT_EQ(lint.output, "") << page;
  }
  if (!haveGroff) GTEST_SKIP() << "groff missing: pages not formatted";
}

}  // namespace
}  // namespace sk::test
