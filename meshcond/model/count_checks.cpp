#include "meshcond/model/count_checks.h"

#include "common/errors.h"
#include "meshcond/model/messages.h"

namespace meshcond {

void checkCount(const std::string& file, int count, int capacity, const std::string& what) {
  if (count < 0 || count > capacity)
    throw common::RangeError(file + ": " + msg::outsideRange(what, count, 0, capacity));
}

void checkSharedCounts(const std::string& file, const AnalysisModel& m) {
  checkCount(file, m.NUMNP, kNodeCapacity, msg::field::nodeCount());
  checkCount(file, m.NUMEL, kElementCapacity, msg::field::elementCount());
  checkCount(file, m.NFLUCT, kFluctCapacity, msg::field::fluctCount());
  for (int b = 1; b <= m.NFLUCT; ++b) {
    checkCount(file, m.NFN[b], kFluctNodeCapacity, msg::field::fluctNodeCount(b));
    checkCount(file, m.NFT[b], b <= kFluctSeriesBoundaries ? kFluctSeriesCapacity : 0,
               msg::field::fluctSeriesLength(b));
  }
  checkCount(file, m.NRAIN, kRainNodeCapacity, msg::field::rainNodeCount());
  checkCount(file, m.NRTIME, kRainSeriesCapacity, msg::field::rainSeriesLength());
  checkCount(file, m.NOUT, kOutputTimeCapacity, msg::field::outputTimeCount());
}

}  // namespace meshcond
