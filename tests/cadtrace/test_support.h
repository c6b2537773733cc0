// Helpers shared by the converter's tests and benchmarks: models from plain
// tables and a scratch folder of their own.
#pragma once

#include <string>
#include <vector>

#include "cadtrace/model/line_model.h"
#include "tests/support/scratch_folder.h"

namespace cadtrace::testing {

/// A model holding these nodes and lines (numbered from 1), without indexes.
inline LineModel model(const std::vector<Point>& nodes, const std::vector<LinePair>& lines) {
  LineModel m;
  m.NNODE = static_cast<int>(nodes.size());
  m.NODES.insert(m.NODES.end(), nodes.begin(), nodes.end());
  m.NLINE = static_cast<int>(lines.size());
  m.LINES.insert(m.LINES.end(), lines.begin(), lines.end());
  return m;
}

using common::testing::ScratchFolder;

}  // namespace cadtrace::testing
