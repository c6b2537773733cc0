#include "meshcond/model/count_checks.h"

#include "common/errors.h"

namespace meshcond {

void checkCount(const std::string& file, int count, int capacity, const std::string& what) {
  if (count < 0 || count > capacity)
    throw common::RangeError(file + ": " + what + " " + std::to_string(count) + " is outside 0.." +
                             std::to_string(capacity));
}

void checkSharedCounts(const std::string& file, const AnalysisModel& m) {
  checkCount(file, m.NUMNP, kNodeCapacity, "node count NUMNP");
  checkCount(file, m.NUMEL, kElementCapacity, "element count NUMEL");
  checkCount(file, m.NFLUCT, kFluctCapacity, "fluctuating boundary count NFLUCT");
  for (int b = 1; b <= m.NFLUCT; ++b) {
    checkCount(file, m.NFN[b], kFluctNodeCapacity,
               "node count NFN of fluctuating boundary " + std::to_string(b));
    checkCount(file, m.NFT[b], b <= kFluctSeriesBoundaries ? kFluctSeriesCapacity : 0,
               "level series length NFT of fluctuating boundary " + std::to_string(b));
  }
  checkCount(file, m.NRAIN, kRainNodeCapacity, "rainfall node count NRAIN");
  checkCount(file, m.NRTIME, kRainSeriesCapacity, "rainfall series length NRTIME");
  checkCount(file, m.NOUT, kOutputTimeCapacity, "output time count NOUT");
}

}  // namespace meshcond
