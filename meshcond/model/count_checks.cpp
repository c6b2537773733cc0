#include "meshcond/model/count_checks.h"

#include "common/errors.h"
#include "meshcond/model/messages.h"

namespace meshcond {

void checkCount(const std::string& file, int count, int capacity, const std::string& what) {
  if (count < 0 || count > capacity)
    throw common::RangeError(file + ": " + msg::outsideRange(what, count, 0, capacity));
}

void checkSharedCounts(const std::string& file, const AnalysisModel& m) {
  checkCount(file, m.NUMNP, kNodeCapacity, "節点数 NUMNP");
  checkCount(file, m.NUMEL, kElementCapacity, "要素数 NUMEL");
  checkCount(file, m.NFLUCT, kFluctCapacity, "水位変動境界数 NFLUCT");
  for (int b = 1; b <= m.NFLUCT; ++b) {
    checkCount(file, m.NFN[b], kFluctNodeCapacity, "水位変動境界の節点数 NFN: " + msg::boundary(b));
    checkCount(file, m.NFT[b], b <= kFluctSeriesBoundaries ? kFluctSeriesCapacity : 0,
               "水位時系列の長さ NFT: " + msg::boundary(b));
  }
  checkCount(file, m.NRAIN, kRainNodeCapacity, "降雨節点数 NRAIN");
  checkCount(file, m.NRTIME, kRainSeriesCapacity, "降雨時系列の長さ NRTIME");
  checkCount(file, m.NOUT, kOutputTimeCapacity, "出力時刻数 NOUT");
}

}  // namespace meshcond
