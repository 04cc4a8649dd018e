#include "tools/skedit/model/EditDocument.h"

namespace sk::edit {
namespace {

// Enough for a long session; the oldest steps go first.
constexpr std::size_t kMaxUndoSteps = 1000;

}  // namespace

bool SameMap(const TMapDescription& a, const TMapDescription& b) {
  return a.Content.Name == b.Content.Name && a.Content.FinalX == b.Content.FinalX &&
         a.Content.FinalY == b.Content.FinalY && a.Content.Paths == b.Content.Paths &&
         a.MapFileName == b.MapFileName && a.BackgroundJPEG == b.BackgroundJPEG &&
         a.MaskBMP == b.MaskBMP;
}

TEditDocument::TEditDocument(TMapDescription start) { states_.push_back(std::move(start)); }

void TEditDocument::Push(TMapDescription next) {
  states_.resize(current_ + 1);
  if (saved_ && *saved_ > current_) saved_.reset();
  states_.push_back(std::move(next));
  ++current_;
  if (states_.size() > kMaxUndoSteps) {
    states_.erase(states_.begin());
    --current_;
    if (saved_) saved_ = *saved_ > 0 ? std::optional(*saved_ - 1) : std::nullopt;
  }
  ++revision_;
}

bool TEditDocument::Apply(const TChange& change) {
  if (gesture_) return ApplyLive(change);
  TMapDescription next = Map();
  if (!change(next) || SameMap(next, Map())) return false;
  Push(std::move(next));
  return true;
}

void TEditDocument::BeginGesture() {
  if (gesture_) return;
  Push(Map());
  gesture_ = true;
}

bool TEditDocument::ApplyLive(const TChange& change) {
  TMapDescription next = Map();
  if (!change(next) || SameMap(next, Map())) return false;
  states_[current_] = std::move(next);
  ++revision_;
  return true;
}

void TEditDocument::EndGesture() {
  if (!gesture_) return;
  gesture_ = false;
  // A click that moved nothing leaves no step behind.
  if (SameMap(states_[current_], states_[current_ - 1])) {
    states_.pop_back();
    --current_;
  }
}

bool TEditDocument::Undo() {
  if (gesture_ || !CanUndo()) return false;
  --current_;
  ++revision_;
  return true;
}

bool TEditDocument::Redo() {
  if (gesture_ || !CanRedo()) return false;
  ++current_;
  ++revision_;
  return true;
}

}  // namespace sk::edit
