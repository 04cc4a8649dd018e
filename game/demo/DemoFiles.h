#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "game/demo/DemoFormat.h"
#include "game/demo/FileIdentity.h"
#include "game/platform/GamePaths.h"
#include "game/resources/SKConfig.h"

namespace sk {

// What a session about to be recorded starts from: the seed, the settings that change its
// course (`settings`, as the game will start with them), the identity of the archive, of the
// loose Data/ files, of every listed map and of the test map, and the score files of the listed
// maps as they are now. A test map inside one of the game's test-map folders is named relative
// to it, the only places a playback looks for it. The maps are those KeepRecordableMaps keeps;
// its notices go to `leftOut` when given.
TDemo BeginDemo(const TGamePaths& paths, const TSettings& settings, std::uint32_t seed,
                std::vector<std::string>* leftOut = nullptr);

// The program folder a demo plays in: a temporary ready-to-play folder holding the player's
// archive, Data/ files and maps — each checked against the recording — the recorded score
// files and a Skarveth.ini made of the recorded settings. The player's own settings and scores
// are never touched; the folder goes away with this object.
class TDemoSandbox {
 public:
  // `player` says where the player's game files are; `look` supplies the settings that only
  // change how the session is shown and heard. Nothing, and a message saying what differs, when
  // the player's files are not the recorded ones, when the temporary folder is unusable, or
  // when `stop` ended the preparation. Every file is read in pieces and at most as far as the
  // game reads it, so the work is bounded by the game folder's own size.
  static std::unique_ptr<TDemoSandbox> Create(const TDemo& demo, const TGamePaths& player,
                                              const TSettings& look, std::string& error,
                                              const StopCheck& stop = {});
  ~TDemoSandbox();
  TDemoSandbox(const TDemoSandbox&) = delete;
  TDemoSandbox& operator=(const TDemoSandbox&) = delete;

  // Ends in '/'.
  const std::string& ProgramDir() const { return dir_; }

 private:
  explicit TDemoSandbox(std::string dir) : dir_(std::move(dir)) {}
  std::string dir_;
};

}  // namespace sk
