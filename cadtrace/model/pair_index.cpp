#include "cadtrace/model/pair_index.h"

#include <utility>

#include "cadtrace/model/line_model.h"
#include "common/hash_mix.h"

namespace cadtrace {

using common::mixBits;

PairIndex::PairIndex() : slots_(size_t{1} << 16) {}

uint64_t PairIndex::key(int32_t p1, int32_t p2) {
  if (p1 > p2) std::swap(p1, p2);
  return static_cast<uint64_t>(static_cast<uint32_t>(p1)) << 32 | static_cast<uint32_t>(p2);
}

const PairIndex::Slot* PairIndex::find(uint64_t k) const {
  size_t mask = slots_.size() - 1;
  for (size_t i = mixBits(k) & mask;; i = (i + 1) & mask) {
    if (slots_[i].key == k) return &slots_[i];
    if (slots_[i].key == 0) return nullptr;
  }
}

PairIndex::Slot* PairIndex::find(uint64_t k) {
  return const_cast<Slot*>(std::as_const(*this).find(k));
}

PairIndex::Slot& PairIndex::findOrAdd(uint64_t k) {
  if (2 * (used_ + 1) > slots_.size()) {
    // Slots are never freed (a pair whose lines all went keeps a count of 0).
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    size_t mask = slots_.size() - 1;
    for (const Slot& s : old) {
      if (s.key == 0) continue;
      size_t i = mixBits(s.key) & mask;
      while (slots_[i].key != 0) i = (i + 1) & mask;
      slots_[i] = s;
    }
  }
  size_t mask = slots_.size() - 1;
  for (size_t i = mixBits(k) & mask;; i = (i + 1) & mask) {
    Slot& s = slots_[i];
    if (s.key == k) return s;
    if (s.key == 0) {
      s.key = k;
      ++used_;
      return s;
    }
  }
}

void PairIndex::add(int32_t p1, int32_t p2, int32_t line) {
  Slot& s = findOrAdd(key(p1, p2));
  if (s.count == 0 || line < s.lowest) s.lowest = line;
  ++s.count;
}

void PairIndex::remove(int32_t p1, int32_t p2, int32_t line, const std::vector<LinePair>& lines,
                       int count) {
  uint64_t k = key(p1, p2);
  Slot* s = find(k);
  if (s == nullptr || s->count == 0) return;
  --s->count;
  if (s->count == 0 || s->lowest != line) return;
  // Duplicate lines are rare: find the next lowest by a scan.
  for (int l = 1; l <= count; ++l) {
    if (l != line && key(lines[l].p1, lines[l].p2) == k) {
      s->lowest = l;
      return;
    }
  }
}

int32_t PairIndex::lowest(int32_t p1, int32_t p2) const {
  const Slot* s = find(key(p1, p2));
  return s == nullptr || s->count == 0 ? -1 : s->lowest;
}

}  // namespace cadtrace
