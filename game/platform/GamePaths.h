#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Where every file of the game lives. The game runs in one of two layouts:
//
// - the ready-to-play folder (what the build makes): everything beside the program, read and
//   written there, as it always was;
// - an installed copy (what `cmake --install` or the package lays down): the read-only data in
//   the install tree, everything the game writes in the player's own folders.
//
// Which one is decided by the marker file the install step lays into the data folder, never by
// testing whether a folder can be written. Every reader and writer asks this module for its
// path, so no other code joins folder and file names.
namespace sk {

enum class TGameLayout : std::uint8_t { ReadyToPlay, Installed };

// File and folder names of both layouts.
inline constexpr const char* kArchiveFileName = "Skarveth.dat";
inline constexpr const char* kFontFileName = "DejaVuSans-Bold.ttf";
inline constexpr const char* kSettingsFileName = "Skarveth.ini";
inline constexpr const char* kInstallMarkerName = "install-marker";
// The per-user folder's name under $XDG_CONFIG_HOME and $XDG_DATA_HOME.
inline constexpr const char* kUserFolderName = "skarveth";

struct TGamePaths {
  TGameLayout Layout = TGameLayout::ReadyToPlay;
  // Every folder ends in '/'.
  std::string ProgramDir;  // the folder of the program's file
  std::string DataDir;     // the archive, the font, the shipped maps and settings (read only)
  std::string ConfigDir;   // the folder of the player's settings file
  std::string UserDir;     // the player's Maps/ (own maps and every score table) and Data/

  std::string ArchiveFile() const { return DataDir + kArchiveFileName; }
  std::string FontFile() const { return DataDir + kFontFileName; }
  // The settings the game reads and writes back.
  std::string SettingsFile() const { return ConfigDir + kSettingsFileName; }
  // The shipped settings an installed copy seeds the player's file from; the same file as
  // SettingsFile in the ready-to-play folder.
  std::string ShippedSettingsFile() const { return DataDir + kSettingsFileName; }
  // Loose files that replace archive members of the same name.
  std::string OverrideFolder() const { return UserDir + "Data/"; }
  // Where the menu's maps come from, the shipped ones first: a map of the same file name in a
  // later folder replaces an earlier one. One folder in the ready-to-play layout.
  std::vector<std::string> MapFolders() const;
  // The folders a demo names its test map relative to, searched in this order: the game's
  // folder, or an installed copy's folder of the player's files and then its shipped data.
  std::vector<std::string> TestMapFolders() const;
  // The folder that holds the player's own maps.
  std::string PlayerMapFolder() const { return UserDir + "Maps/"; }
  // The score table of the map file `mapFileName` (a name without folders).
  std::string ScoreFile(const std::string& mapFileName) const;
};

// Everything beside the program in `folder` (which ends in '/').
TGamePaths ReadyToPlayPaths(const std::string& folder);

// What the player's environment says about the per-user folders.
struct TUserEnvironment {
  std::string Home;           // $HOME, else the home folder of the user's account
  std::string XdgConfigHome;  // as set; ignored unless an absolute path
  std::string XdgDataHome;
  // Only the single-instance lock looks at these two.
  std::string XdgCacheHome = {};
  std::string XdgRuntimeDir = {};
};
TUserEnvironment ProcessUserEnvironment();

// The data folder of an installed copy, relative to the folder of its programs
// ("../share/skarveth" with the usual install folders).
std::string InstalledDataFromProgram();

// The layout of the program in `programDir` (ending in '/'): an installed copy when
// <programDir>/<dataFromProgram>/install-marker is a regular file in a real install tree
// (IsInstallTree), else the ready-to-play folder. An installed copy keeps its settings in
// $XDG_CONFIG_HOME/skarveth/ (default ~/.config/skarveth/) and the player's maps, score tables
// and loose Data/ files in $XDG_DATA_HOME/skarveth/ (default ~/.local/share/skarveth/).
// Nothing, and a reason in `problem`, when an installed copy finds no home folder to keep the
// player's files in, or one of those folders is not the player's own (PlayerFolderProblem).
std::optional<TGamePaths> FindGamePaths(const std::string& programDir, const TUserEnvironment& env,
                                        const std::string& dataFromProgram, std::string& problem);

// Before the first start of an installed copy the player has no settings file: it is made
// from the shipped one (folders created as needed, private to the player). Nothing happens
// when the file exists (whatever it holds), in the ready-to-play folder, or when nothing was
// shipped. False, with the reason, when the file could not be made.
bool SeedSettingsFile(const TGamePaths& paths, std::string& problem);

// The settings file to read: the player's, or the shipped one while the player has none.
std::string SettingsFileToRead(const TGamePaths& paths);

}  // namespace sk
