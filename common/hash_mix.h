// The last step of the hashes of the flat hash tables of the models.
#pragma once

#include <cstdint>

namespace common {

/// Spreads every bit of v over the whole word (the MurmurHash3 finaliser), so
/// that the low bits that pick a slot depend on all of them.
inline uint64_t mixBits(uint64_t v) {
  v ^= v >> 33;
  v *= 0xff51afd7ed558ccdULL;
  v ^= v >> 33;
  v *= 0xc4ceb9fe1a85ec53ULL;
  v ^= v >> 33;
  return v;
}

}  // namespace common
