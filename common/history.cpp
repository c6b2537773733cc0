#include "common/history.h"

#include <cassert>

namespace common {

namespace {

// Images are compared in blocks of this many bytes; a changed block is kept
// whole, so a step that touches a few entries keeps a few blocks.
constexpr size_t kBlock = 64;

}  // namespace

History::History(const ModelParts& parts, size_t limit) : parts_(parts), limit_(limit) {}

std::vector<std::string> History::image() const {
  std::vector<std::string> images(parts_.size());
  for (size_t i = 0; i < parts_.size(); ++i) parts_[i].save(images[i]);
  return images;
}

void History::begin() { before_ = image(); }

bool History::commit(const std::string& name) {
  std::vector<std::string> after = image();
  // A step that never began has no image to compare with.
  assert(before_.size() == after.size() && "History::commit without begin");
  Step step{name, {}};
  for (size_t i = 0; i < after.size() && i < before_.size(); ++i) {
    const std::string &a = before_[i], &b = after[i];
    if (a == b) continue;
    if (a.size() != b.size()) {
      step.changes.push_back({i, 0, true, a, b});
      continue;
    }
    for (size_t at = 0; at < a.size(); at += kBlock) {
      const size_t n = std::min(kBlock, a.size() - at);
      if (a.compare(at, n, b, at, n) == 0) continue;
      // Neighbouring changed blocks join one change.
      if (!step.changes.empty() && !step.changes.back().whole && step.changes.back().part == i &&
          step.changes.back().offset + step.changes.back().before.size() == at) {
        step.changes.back().before.append(a, at, n);
        step.changes.back().after.append(b, at, n);
      } else {
        step.changes.push_back({i, at, false, a.substr(at, n), b.substr(at, n)});
      }
    }
  }
  before_.clear();
  if (step.changes.empty()) return false;
  steps_.erase(steps_.begin() + static_cast<long>(done_), steps_.end());
  if (saved_ > static_cast<long>(done_)) saved_ = -1;  // that state can no longer be reached
  steps_.push_back(std::move(step));
  ++done_;
  while (steps_.size() > limit_) {
    steps_.pop_front();
    --done_;
    if (saved_ >= 0) --saved_;  // past the oldest kept state: unreachable
  }
  return true;
}

void History::record(const std::string& name, const std::function<void()>& change) {
  begin();
  try {
    change();
  } catch (...) {
    commit(name);
    throw;
  }
  commit(name);
}

std::string History::undoName() const { return canUndo() ? steps_[done_ - 1].name : ""; }

std::string History::redoName() const { return canRedo() ? steps_[done_].name : ""; }

void History::apply(const Step& step, bool forward) {
  // Whole parts and blocks of the same part are applied part by part.
  std::vector<std::string> images;
  for (size_t i = 0; i < parts_.size(); ++i) {
    bool touched = false;
    for (const Change& c : step.changes) touched = touched || c.part == i;
    if (!touched) continue;
    std::string image;
    parts_[i].save(image);
    for (const Change& c : step.changes) {
      if (c.part != i) continue;
      const std::string& bytes = forward ? c.after : c.before;
      if (c.whole) {
        image = bytes;
      } else {
        // The part holds the size it had when the block was kept.
        assert(c.offset + bytes.size() <= image.size());
        image.replace(c.offset, bytes.size(), bytes);
      }
    }
    parts_[i].load(image);
  }
}

void History::undo() {
  if (!canUndo()) return;
  --done_;
  apply(steps_[done_], false);
}

void History::redo() {
  if (!canRedo()) return;
  apply(steps_[done_], true);
  ++done_;
}

void History::clear() {
  steps_.clear();
  done_ = 0;
  saved_ = 0;
  before_.clear();
}

void History::markSaved() { saved_ = static_cast<long>(done_); }

size_t History::bytes() const {
  size_t total = 0;
  for (const Step& s : steps_)
    for (const Change& c : s.changes) total += c.before.size() + c.after.size() + sizeof(Change);
  return total;
}

}  // namespace common
