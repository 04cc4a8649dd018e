// Two local users: a stranger plants symbolic links and files in a shared sticky folder, where
// the player then records a demo and saves frame pictures. Nothing of the player's may be
// written through them. Runs as root only (it makes both users, and always removes them again).
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "game/demo/DemoFiles.h"
#include "support/Process.h"
#include "support/TempDir.h"
#include "tests/demo/NullGame.h"

namespace sk::test {
namespace {

namespace fs = std::filesystem;

// A local user made for one test, removed with its home when the test ends.
class LocalUser {
 public:
  explicit LocalUser(const std::string& name) : name_(name) {
    made_ = RunProcess("useradd -m -s /bin/sh " + name_).status == 0;
  }
  ~LocalUser() {
    if (made_) RunProcess("userdel -r " + name_ + " 2>/dev/null");
  }
  LocalUser(const LocalUser&) = delete;
  LocalUser& operator=(const LocalUser&) = delete;

  bool Made() const { return made_; }
  const std::string& Name() const { return name_; }
  std::string Home() const { return "/home/" + name_; }
  // Runs a shell command line as this user.
  ProcessResult Run(const std::string& command) const {
    return RunProcess("runuser -u " + name_ + " -- env -u XDG_RUNTIME_DIR sh -c '" + command + "'",
                      StandardError::Separate);
  }

 private:
  std::string name_;
  bool made_ = false;
};

class StrangerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::geteuid() != 0) GTEST_SKIP() << "making local users needs root";
    if (!player.Made() || !stranger.Made()) GTEST_SKIP() << "useradd could not make users";
    // The game as a player would have it, where both users can read it.
    ::chmod(game.Path().c_str(), 0755);
    for (const char* file : {"Skarveth", "SKDEMO", "Skarveth.dat", "DejaVuSans-Bold.ttf"})
      fs::copy_file(GameDir() + file, game.Path(file));
    fs::copy(GameDir() + "Maps", game.Path("Maps"));
    game.Write("Skarveth.ini", "[Skarveth Configuration]\nFullScreen=0\nDisableSound=1\n");
    ::chmod(shared.Path().c_str(), 01777);
    canary = player.Home() + "/canary.txt";
    ASSERT_EQ(player.Run("echo keep > " + canary).status, 0);
  }

  std::string Canary() const { return player.Run("cat " + canary).output; }

  const std::string suffix = std::to_string(::getpid());
  LocalUser player{"skt21p" + suffix};
  LocalUser stranger{"skt21s" + suffix};
  TempDir game;
  TempDir shared;  // like /tmp: everybody may add files, only their own may be removed
  std::string canary;
};

TEST_F(StrangerTest, RecordingThroughAStrangersLinkIsRefusedAtTheStart) {
  ASSERT_EQ(stranger.Run("ln -s " + canary + " " + shared.Path("demo.txt")).status, 0);
  const ProcessResult run =
      player.Run("SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " + game.Path("Skarveth") +
                 " --record " + shared.Path("demo.txt"));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(
      run.error.find("Cannot record into " + shared.Path("demo.txt") + ": the symbolic link " +
                     shared.Path("demo.txt") + " belongs to another user"),
      std::string::npos)
      << run.error;
  EXPECT_EQ(Canary(), "keep\n");
}

TEST_F(StrangerTest, FramePicturesAreNeverWrittenThroughAStrangersLink) {
  TDemo demo = BeginDemoIn(GameDir(), 5);
  demo.Settings.SkipIntro = true;
  game.Write("demo.txt", FormatDemoHead(demo) + "end 3\n");
  ASSERT_EQ(stranger.Run("ln -s " + canary + " " + shared.Path("tick-0000000.png")).status, 0);
  const std::string out = shared.Path().substr(0, shared.Path().size() - 1);
  const ProcessResult run =
      player.Run(game.Path("SKDEMO") + " --frames 0,1 --out " + out + " " + game.Path("demo.txt"));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.error.find("SKDEMO: cannot write " + shared.Path("tick-0000000.png") +
                           ": the symbolic link"),
            std::string::npos)
      << run.error;
  EXPECT_EQ(Canary(), "keep\n");
  // The picture nobody planted anything for is written as ever, by the player.
  struct stat st {};
  ASSERT_EQ(::stat(shared.Path("tick-0000001.png").c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, ::getpwnam(player.Name().c_str())->pw_uid);
}

// A picture planted with setuid and setgid bits lends nothing to root's that replaces it.
TEST_F(StrangerTest, AFramePictureTakesNoBitsFromAStrangersFile) {
  TDemo demo = BeginDemoIn(GameDir(), 5);
  demo.Settings.SkipIntro = true;
  game.Write("demo.txt", FormatDemoHead(demo) + "end 3\n");
  const std::string picture = shared.Path("tick-0000001.png");
  ASSERT_EQ(stranger.Run("echo x > " + picture + " && chmod 6777 " + picture).status, 0);
  const std::string out = shared.Path().substr(0, shared.Path().size() - 1);
  const ProcessResult run =
      RunProcess(game.Path("SKDEMO") + " --frames 1 --out " + out + " " + game.Path("demo.txt"));
  EXPECT_EQ(run.status, 0) << run.output;
  struct stat st {};
  ASSERT_EQ(::stat(picture.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  EXPECT_EQ(st.st_uid, 0u);
}

}  // namespace
}  // namespace sk::test
