#include "formats/record_cursor.h"

#include "common/fields.h"
#include "common/messages.h"
#include "common/numbers.h"

namespace formats {

namespace msg = common::messages;

RecordCursor::RecordCursor(std::string file, std::vector<std::string> lines)
    : file_(std::move(file)), lines_(std::move(lines)) {}

void RecordCursor::next(const std::string& what, size_t needed) {
  if (line_ >= static_cast<long>(lines_.size())) {
    ++line_;
    throw common::MissingError(common::located(where(), msg::expectedAtEnd(what)));
  }
  ++line_;
  fields_ = common::splitNumberFields(lines_[line_ - 1], where());
  if (fields_.size() < needed)
    throw common::MissingError(
        common::located(where(), msg::expectedFields(what, needed, fields_.size())));
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
        common::located(where(field), msg::fieldOutsideRange(what, value, lo, hi)));
  return value;
}

std::pair<int, int> readCounts(RecordCursor& in, const std::string& kind, const std::string& name,
                               int nodeCapacity, int max) {
  const std::string counts = msg::countsOf(name);
  try {
    in.next(counts, 2);
  } catch (const common::MissingError&) {
    throw common::MissingError(common::located(in.where(), msg::notAFileOfKind(kind, counts)));
  }
  const int nodes = in.integerIn(1, 0, nodeCapacity, msg::nodeCount());
  return {nodes, in.integerIn(2, 0, max, msg::countOf(name))};
}

}  // namespace formats
