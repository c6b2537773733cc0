#include "linemesh/files/reading.h"

#include "common/fields.h"
#include "common/numbers.h"
#include "linemesh/model/messages.h"

namespace linemesh::files {

RecordCursor::RecordCursor(std::string file, std::vector<std::string> lines)
    : file_(std::move(file)), lines_(std::move(lines)) {}

void RecordCursor::next(const std::string& what, size_t needed) {
  if (line_ >= static_cast<long>(lines_.size())) {
    ++line_;
    throw common::MissingError(common::located(where(), text::expectedAtEnd(what)));
  }
  ++line_;
  fields_ = common::splitNumberFields(lines_[line_ - 1], where());
  if (fields_.size() < needed)
    throw common::MissingError(
        common::located(where(), text::expectedFields(what, needed, fields_.size())));
}

common::Location RecordCursor::where(int field) const { return {file_, line_, field}; }

int32_t RecordCursor::integer(int field) const {
  return common::toInt(fields_[field - 1], where(field));
}

double RecordCursor::real(int field) const {
  return common::toReal(fields_[field - 1], where(field));
}

int32_t RecordCursor::integerIn(int field, int32_t lo, int32_t hi, const std::string& what) const {
  int32_t value = integer(field);
  if (value < lo || value > hi)
    throw common::RangeError(
        common::located(where(field), text::outsideRange(what, value, lo, hi)));
  return value;
}

std::pair<int, int> readCounts(RecordCursor& in, const std::string& kind, const std::string& name,
                               int max) {
  const std::string counts = text::countsOf(name);
  try {
    in.next(counts, 2);
  } catch (const common::MissingError&) {
    throw common::MissingError(common::located(in.where(), text::notAFile(kind, counts)));
  }
  const int nodes = in.integerIn(1, 0, kNodeCapacity, text::nodeCount());
  return {nodes, in.integerIn(2, 0, max, text::countOf(name))};
}

void readNodes(RecordCursor& in, LineNetwork& net, int count) {
  net.NUMNP = count;
  for (int i = 1; i <= count; ++i) {
    in.next(text::nodeRecord(i, count), 3);
    net.Node[i] = NodeRecord{in.integer(1), in.real(2), in.real(3), 0};
  }
}

std::string nodeLine(const LineNetwork& net, int i) {
  std::string line = common::formatInt(i, 8);
  common::appendWidened(line, common::formatFixed(net.Node[i].X, 10, 3));
  common::appendWidened(line, common::formatFixed(net.Node[i].Y, 10, 3));
  return line;
}

void setExtentsFromNodes(LineNetwork& net) {
  net.xmax = net.ymax = -999999.0;
  net.xmin = net.ymin = 9999999.0;
  for (int i = 1; i <= net.NUMNP; ++i) {
    const NodeRecord& n = net.Node[i];
    if (n.X > net.xmax) net.xmax = n.X;
    if (n.X < net.xmin) net.xmin = n.X;
    if (n.Y > net.ymax) net.ymax = n.Y;
    if (n.Y < net.ymin) net.ymin = n.Y;
  }
}

}  // namespace linemesh::files
