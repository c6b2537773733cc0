// The whole conversion (read, register, cut, write) of random LINE drawings,
// indexed and, at sizes where it finishes, done the plain way.
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench/cadtrace/dxf_generator.h"
#include "cadtrace/model/conversion.h"
#include "cadtrace/model/writers.h"
#include "common/text_file.h"
#include "tests/cadtrace/literal_conversion.h"
#include "tests/cadtrace/test_support.h"

namespace {

/// Random lines of the given count, the density of 30000 in 10000 x 10000.
cadtrace::bench::RandomLines spec(int count) {
  cadtrace::bench::RandomLines s;
  s.count = count;
  s.side = 10000 * std::sqrt(count / 30000.0);
  return s;
}

void BM_ConvertIndexed(benchmark::State& state) {
  cadtrace::testing::ScratchFolder scratch("cadtrace_bench");
  std::string dxf = scratch.path("random.dxf");
  common::writeFileBytes(dxf, cadtrace::bench::randomLinesDxf(spec(state.range(0))));
  cadtrace::LineModel m;
  for (auto _ : state) {
    m = cadtrace::convertDxfFile(dxf, {});
    cadtrace::writeOutputs(m, scratch.path("random.M3W"));
  }
  state.counters["nodes"] = m.NNODE;
  state.counters["lines"] = m.NLINE;
}
BENCHMARK(BM_ConvertIndexed)->Arg(1000)->Arg(3000)->Arg(30000)->Unit(benchmark::kMillisecond);

void BM_ConvertLiteral(benchmark::State& state) {
  cadtrace::testing::ScratchFolder scratch("cadtrace_bench");
  std::string dxf = scratch.path("random.dxf");
  common::writeFileBytes(dxf, cadtrace::bench::randomLinesDxf(spec(state.range(0))));
  cadtrace::literal::Tables t;
  for (auto _ : state) {
    std::string bytes = common::readFileBytes(dxf);
    t = cadtrace::literal::DXFtoM2W(cadtrace::readDxfEntities(bytes, dxf), 1, 1, 0, 0);
    t.XCheck();
    cadtrace::writeOutputs(cadtrace::literal::toModel(t), scratch.path("random.M3W"));
  }
  state.counters["nodes"] = t.NNODE;
  state.counters["lines"] = t.NLINE;
}
BENCHMARK(BM_ConvertLiteral)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
