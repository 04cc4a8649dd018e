#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/platform/GamePaths.h"
#include "game/render/Surface.h"
#include "tools/skedit/model/DepthCheck.h"
#include "tools/skedit/model/Difficulty.h"
#include "tools/skedit/model/EditDocument.h"
#include "tools/skedit/model/EditorSettings.h"
#include "tools/skedit/model/MapFiles.h"
#include "tools/skedit/model/PreviewScene.h"

namespace sk::edit {

// The file being worked on and everything that follows from it.
struct TWork {
  std::unique_ptr<TEditDocument> Doc;
  std::string DescriptionFile;
  std::optional<TPendingPictures> Pending;  // pictures of a map file, until the first save
  std::string SourceMap;                    // that map file
  std::vector<std::uint8_t> Background;
  std::vector<std::uint8_t> Mask;
  std::string PictureProblem;  // why the game would refuse the pictures
  TPreviewScene Scene;
  TDepthCheck Depth;
  std::uint64_t SceneRevision = ~std::uint64_t{0};
  std::uint64_t PostedRevision = ~std::uint64_t{0};
  std::uint64_t WarningsRevision = ~std::uint64_t{0};
  std::vector<std::string> Warnings;  // the map warnings, speed flags and depth check
};

// Where the pointer last pressed, for drags.
enum class TDragKind { None, Waypoint, Exit, Pan };

struct TCanvasView {
  int Zoom = 1;
  float PanX = 0, PanY = 0;  // screen offset of map (0, 0) inside the canvas
  bool Fit = true;           // pick the zoom and pan at the next frame
  bool ShowMask = false;
  bool ShowModels = true;
  TDragKind Drag = TDragKind::None;
  std::size_t DragPath = 0, DragWaypoint = 0;
};

struct TPreviewClock {
  bool Playing = false;
  std::uint32_t Step = 0;
  double Carry = 0;  // milliseconds not yet turned into steps
};

struct TEditorState {
  TGamePaths Paths;
  std::string SettingsFile;
  std::string RecoveryFile;
  TEditorSettings Settings;
  TWork Work;
  TDifficultyWorker Difficulty;
  TCanvasView Canvas;
  TPreviewClock Preview;
  TSurface Frame = MakeBackSurface();
  std::size_t SelectedPath = 0;
  std::optional<std::size_t> SelectedWaypoint;
  std::string Status;
  std::chrono::steady_clock::time_point LastRecovery = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point LastEdit = std::chrono::steady_clock::now();
  // Set by actions that would drop unsaved work: run once the author agrees.
  std::function<void()> AfterDiscard;
  bool AskDiscard = false;
  std::optional<TOpenedMap> Recovered;  // offered at start
  bool Quit = false;
  int GamePid = 0;     // the game of a test-play, while it runs
  bool Raise = false;  // bring the window back to the front (after a test-play)
};

bool HasWork(const TEditorState& s);
const TMapDescription& CurrentMap(const TEditorState& s);

// Takes over an opened map: reads its pictures, selects its first path.
void StartWork(TEditorState& s, TOpenedMap opened, const std::string& source_map);
// One undoable edit of the map; false when nothing changed.
bool Edit(TEditorState& s, const TChange& change);
// Saves to the work's description file; false (the reason in Status) when it failed.
bool SaveWork(TEditorState& s);
void WriteRecoveryNow(TEditorState& s);
// Brings the preview and the difficulty up to the current edit.
void FollowEdits(TEditorState& s);
// Runs `action` now, or after the author agreed to drop unsaved changes.
void UnlessUnsaved(TEditorState& s, std::function<void()> action);
void OpenAnyFile(TEditorState& s, const std::string& file);

}  // namespace sk::edit
