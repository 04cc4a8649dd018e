#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "mapbuilder/MapDescription.h"

// The map being edited and every state it went through, so each edit can be undone and
// redone. A map is small (at most 8 x 255 waypoints), so a whole copy per step is cheaper to
// get right than a record of each edit's inverse.
namespace sk::edit {

using TChange = std::function<bool(TMapDescription&)>;

bool SameMap(const TMapDescription& a, const TMapDescription& b);

class TEditDocument {
 public:
  explicit TEditDocument(TMapDescription start);

  const TMapDescription& Map() const { return states_[current_]; }
  // Bumped by every change, undo and redo: what the preview and the difficulty follow.
  std::uint64_t Revision() const { return revision_; }

  // One undoable edit: `change` works on a copy; when it returns false or changes nothing,
  // the document stays as it was. True when the map changed.
  bool Apply(const TChange& change);

  // A drag: every step changes the map at once, and the whole drag is one undo step.
  void BeginGesture();
  bool ApplyLive(const TChange& change);
  void EndGesture();
  bool InGesture() const { return gesture_; }

  bool CanUndo() const { return current_ > 0; }
  bool CanRedo() const { return current_ + 1 < states_.size(); }
  bool Undo();
  bool Redo();

  bool Modified() const { return !saved_ || *saved_ != current_; }
  void MarkSaved() { saved_ = current_; }
  // Work that exists in no file yet (a new map, recovered work) counts as changed.
  void MarkUnsaved() { saved_.reset(); }

 private:
  void Push(TMapDescription next);

  std::vector<TMapDescription> states_;
  std::size_t current_ = 0;
  std::optional<std::size_t> saved_ = 0;
  std::uint64_t revision_ = 0;
  bool gesture_ = false;
};

}  // namespace sk::edit
