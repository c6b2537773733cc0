// Lines by their unordered node pair, in a flat open-addressing table: the
// lowest line number of each pair and how many lines join it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace cadtrace {

struct LinePair;

class PairIndex {
 public:
  PairIndex();

  void add(int32_t p1, int32_t p2, int32_t line);

  /// Removes `line`, which joins p1 and p2 in `lines` (1..count); a new
  /// lowest line of the pair, if needed, is looked up there.
  void remove(int32_t p1, int32_t p2, int32_t line, const std::vector<LinePair>& lines, int count);

  /// The lowest line joining p1 and p2, or -1.
  int32_t lowest(int32_t p1, int32_t p2) const;

 private:
  struct Slot {
    uint64_t key = 0;  // 0: free (node numbers start at 1)
    int32_t count = 0;
    int32_t lowest = 0;
  };
  static uint64_t key(int32_t p1, int32_t p2);
  Slot* find(uint64_t key);
  const Slot* find(uint64_t key) const;
  Slot& findOrAdd(uint64_t key);

  std::vector<Slot> slots_;  // size a power of two, at most half full
  size_t used_ = 0;
};

}  // namespace cadtrace
