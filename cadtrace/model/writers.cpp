#include "cadtrace/model/writers.h"

#include "cadtrace/model/messages.h"
#include "common/errors.h"
#include "common/file_group.h"
#include "common/numbers.h"
#include "common/text_file.h"
#include "formats/m3w.h"

namespace cadtrace {

std::vector<std::string> MakeM2W(const LineModel& model) {
  std::vector<formats::NodeRow> nodes(static_cast<size_t>(model.NNODE));
  for (int n = 1; n <= model.NNODE; ++n) nodes[n - 1] = {n, model.NODES[n].x, model.NODES[n].y};
  std::vector<formats::LineRow> lines(static_cast<size_t>(model.NLINE));
  for (int l = 1; l <= model.NLINE; ++l) lines[l - 1] = {model.LINES[l].p1, model.LINES[l].p2};
  return formats::m3wLines(nodes, lines, true);
}

std::vector<std::string> MakeXY(const LineModel& model) {
  std::vector<std::string> lines;
  lines.reserve(2 + model.NNODE + model.NLINE);
  lines.push_back(common::formatInt(model.NLINE, 7));
  for (int l = 1; l <= model.NLINE; ++l) {
    std::string line = common::formatInt(model.LINES[l].p1, 6);
    common::appendWidened(line, common::formatInt(model.LINES[l].p2, 6));
    lines.push_back(std::move(line));
  }
  lines.push_back(common::formatInt(model.NNODE, 6));
  for (int n = 1; n <= model.NNODE; ++n) {
    // The comma separates x and y: y is never widened.
    lines.push_back(common::formatFixed(model.NODES[n].x, 10, 2) + "," +
                    common::formatFixed(model.NODES[n].y, 10, 2));
  }
  return lines;
}

std::string withoutLastFour(const std::string& name) {
  size_t end = name.size();
  for (int k = 0; k < 4; ++k) {
    if (end == 0) return "";
    --end;
    // Step back over UTF-8 continuation bytes to the start of the character.
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
  }
  return name.substr(0, end);
}

std::string m3wNameFor(const std::string& dxfPath) { return withoutLastFour(dxfPath) + ".M3W"; }

std::string txtNameFor(const std::string& m3wPath) { return withoutLastFour(m3wPath) + ".TXT"; }

std::string writeOutputs(const LineModel& model, const std::string& m3wPath,
                         const std::string& dxfPath) {
  std::string txtPath = txtNameFor(m3wPath);
  if (txtPath == m3wPath) throw common::FileError(messages::txtSameAsM3w(m3wPath));
  std::vector<std::string> inputs;
  if (!dxfPath.empty()) inputs.push_back(dxfPath);
  common::writeFileGroup({{m3wPath, common::encodeLines(MakeM2W(model))},
                          {txtPath, common::encodeLines(MakeXY(model))}},
                         inputs);
  return txtPath;
}

}  // namespace cadtrace
