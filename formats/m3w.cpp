#include "formats/m3w.h"

#include "common/numbers.h"

namespace formats {

std::vector<std::string> m3wLines(const std::vector<NodeRow>& nodes,
                                  const std::vector<LineRow>& lines, bool widened) {
  using common::formatInt;
  std::vector<std::string> out;
  out.reserve(1 + nodes.size() + lines.size());
  std::string header = formatInt(static_cast<long>(nodes.size()), kNumberWidth);
  appendField(header, formatInt(static_cast<long>(lines.size()), kNumberWidth), widened);
  out.push_back(std::move(header));
  for (size_t i = 0; i < nodes.size(); ++i)
    out.push_back(nodeRecord(static_cast<int32_t>(i + 1), nodes[i].x, nodes[i].y));
  for (size_t j = 0; j < lines.size(); ++j) {
    std::string line = formatInt(static_cast<long>(j + 1), kNumberWidth);
    appendField(line, formatInt(lines[j].n1, kNumberWidth), widened);
    appendField(line, formatInt(lines[j].n2, kNumberWidth), widened);
    out.push_back(std::move(line));
  }
  return out;
}

}  // namespace formats
