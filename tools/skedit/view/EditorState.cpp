#include "tools/skedit/view/EditorState.h"

#include <cctype>

#include "common/FileIo.h"
#include "mapbuilder/BuildMap.h"
#include "common/MapFormat.h"
#include "tools/skedit/model/Recovery.h"

namespace sk::edit {
namespace {

std::vector<std::uint8_t> ReadPictureFile(const std::string& path) {
  if (path.empty()) return {};
  return ReadFileBytes(NormalizeSeparators(path), kMaxMapPictureSize)
      .value_or(std::vector<std::uint8_t>{});
}

bool EndsWith(std::string text, const std::string& end) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text.ends_with(end);
}

}  // namespace

bool HasWork(const TEditorState& s) { return s.Work.Doc != nullptr; }

const TMapDescription& CurrentMap(const TEditorState& s) { return s.Work.Doc->Map(); }

void StartWork(TEditorState& s, TOpenedMap opened, const std::string& source_map) {
  TWork& w = s.Work;
  w.Doc = std::make_unique<TEditDocument>(opened.Map);
  w.DescriptionFile = opened.DescriptionFile;
  w.Pending = std::move(opened.Pending);
  w.SourceMap = w.Pending ? source_map : "";
  w.Background = w.Pending ? w.Pending->Background : ReadPictureFile(opened.Map.BackgroundJPEG);
  w.Mask = w.Pending ? w.Pending->Mask : ReadPictureFile(opened.Map.MaskBMP);
  w.PictureProblem.clear();
  if (!w.Scene.LoadPictures(w.Background, w.Mask, w.PictureProblem) && w.Background.empty())
    w.PictureProblem = "Cannot open JPEG background file " + opened.Map.BackgroundJPEG;
  w.Depth.Prepare(w.Scene);
  w.SceneRevision = w.PostedRevision = ~std::uint64_t{0};
  s.SelectedPath = 0;
  s.SelectedWaypoint.reset();
  s.Canvas.Fit = true;
  s.Preview = TPreviewClock{};
  RememberFile(s.Settings, ExpandFileName(w.Pending ? source_map : w.DescriptionFile));
  WriteEditorSettings(s.SettingsFile, s.Settings);
  s.Status = "Opened " + (w.Pending ? source_map : w.DescriptionFile);
}

bool Edit(TEditorState& s, const TChange& change) {
  if (!HasWork(s) || !s.Work.Doc->Apply(change)) return false;
  s.LastEdit = std::chrono::steady_clock::now();
  return true;
}

bool SaveWork(TEditorState& s) {
  TWork& w = s.Work;
  const auto problem = SaveMap(w.DescriptionFile, w.Doc->Map(), w.Pending);
  if (problem) {
    s.Status = "Not saved: " + *problem;
    return false;
  }
  w.Pending.reset();
  w.SourceMap.clear();
  w.Doc->MarkSaved();
  RemoveRecovery(s.RecoveryFile);
  RememberFile(s.Settings, ExpandFileName(w.DescriptionFile));
  WriteEditorSettings(s.SettingsFile, s.Settings);
  s.Status = "Saved " + w.DescriptionFile + " and built " + w.Doc->Map().MapFileName;
  return true;
}

void WriteRecoveryNow(TEditorState& s) {
  s.LastRecovery = std::chrono::steady_clock::now();
  if (!HasWork(s) || !s.Work.Doc->Modified()) return;
  TOpenedMap work{s.Work.Doc->Map(), s.Work.DescriptionFile, s.Work.Pending};
  WriteRecovery(s.RecoveryFile, work, s.Work.SourceMap);
}

void FollowEdits(TEditorState& s) {
  if (!HasWork(s)) return;
  TWork& w = s.Work;
  const std::uint64_t revision = w.Doc->Revision();
  if (w.SceneRevision != revision) {
    w.Scene.SetPaths(w.Doc->Map().Content);
    w.SceneRevision = revision;
  }
  // The difficulty follows the edit once a drag is over, never every step of it.
  if (w.PostedRevision != revision && !w.Doc->InGesture()) {
    s.Difficulty.Post(TDifficultyJob{revision, w.Doc->Map().Content, w.Background, w.Mask});
    w.PostedRevision = revision;
  }
}

void UnlessUnsaved(TEditorState& s, std::function<void()> action) {
  if (HasWork(s) && s.Work.Doc->Modified()) {
    s.AfterDiscard = std::move(action);
    s.AskDiscard = true;
    return;
  }
  action();
}

void OpenAnyFile(TEditorState& s, const std::string& file) {
  std::string problem;
  const bool is_map = EndsWith(file, ".map");
  auto opened = is_map ? OpenMapFile(file, problem, s.Paths.PlayerMapFolder())
                       : OpenDescription(file, problem);
  if (!opened) {
    s.Status = "Cannot open " + file + ": " + problem;
    return;
  }
  StartWork(s, std::move(*opened), file);
}

}  // namespace sk::edit
