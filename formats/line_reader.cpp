#include "formats/line_reader.h"

#include <utility>

#include "common/fields.h"
#include "common/messages.h"
#include "common/numbers.h"

namespace formats {

namespace msg = common::messages;

namespace {

std::string columnRange(int first, int width) { return msg::columns(first, first + width - 1); }

std::string stripLeadingSpaces(std::string text) {
  size_t start = text.find_first_not_of(' ');
  return start == std::string::npos ? std::string() : text.substr(start);
}

}  // namespace

LineReader::LineReader(std::string file, const std::vector<std::string>& lines)
    : file_(std::move(file)), lines_(lines) {}

const std::string& LineReader::take(const std::string& what) {
  if (static_cast<size_t>(next_) >= lines_.size())
    throw common::MissingError(
        common::located({file_, next_ + 1, 0}, msg::fileEndsExpecting(what)));
  return lines_[static_cast<size_t>(next_++)];
}

void LineReader::fail(const std::string& what) const {
  throw common::RangeError(common::located(here(), what));
}

std::string LineReader::columns(int first, int width) const {
  const std::string& line = lines_[static_cast<size_t>(next_ - 1)];
  size_t start = static_cast<size_t>(first - 1);
  if (start >= line.size()) return std::string();
  return line.substr(start, static_cast<size_t>(width));
}

int32_t LineReader::columnInt(int first, int width, const std::string& what) const {
  std::string text = stripLeadingSpaces(columns(first, width));
  if (auto value = common::parseInt(text)) return *value;
  throw common::ConversionError(common::located(
      here(), msg::notInteger(columnRange(first, width) + " (" + what + ")", text)));
}

double LineReader::columnReal(int first, int width, const std::string& what) const {
  std::string text = stripLeadingSpaces(columns(first, width));
  if (auto value = common::parseReal(text)) return *value;
  throw common::ConversionError(
      common::located(here(), msg::notReal(columnRange(first, width) + " (" + what + ")", text)));
}

int32_t LineReader::wholeLineInt(const std::string& what) const {
  std::string text = stripLeadingSpaces(lines_[static_cast<size_t>(next_ - 1)]);
  if (auto value = common::parseInt(text)) return *value;
  throw common::ConversionError(common::located(here(), msg::notInteger(what, text)));
}

std::vector<std::string> LineReader::fields(size_t need, const std::string& what) const {
  std::vector<std::string> result =
      common::splitNumberFields(lines_[static_cast<size_t>(next_ - 1)], here());
  if (result.size() < need)
    throw common::MissingError(
        common::located(here(), msg::tooFewFields(result.size(), need, what)));
  return result;
}

int32_t LineReader::fieldInt(const std::vector<std::string>& fields, size_t index,
                             const std::string& what) const {
  if (auto value = common::parseInt(fields[index])) return *value;
  throw common::ConversionError(
      common::located(here(static_cast<int>(index + 1)), msg::notInteger(what, fields[index])));
}

double LineReader::fieldReal(const std::vector<std::string>& fields, size_t index,
                             const std::string& what) const {
  if (auto value = common::parseReal(fields[index])) return *value;
  throw common::ConversionError(
      common::located(here(static_cast<int>(index + 1)), msg::notReal(what, fields[index])));
}

template <class T, class Convert>
std::vector<T> LineReader::list(int count, Layout layout, const std::string& what,
                                Convert convert) {
  std::vector<T> values;
  values.reserve(static_cast<size_t>(count));
  std::vector<std::string> lineFields;
  for (int k = 0; k < count; ++k) {
    int slot = k % layout.perLine;
    if (slot == 0) {
      take(what);
      if (layout.width == 0) {
        size_t onLine = static_cast<size_t>(std::min(layout.perLine, count - k));
        lineFields = fields(onLine, what);
      }
    }
    std::string item = what + " " + std::to_string(k + 1);
    values.push_back(convert(slot, lineFields, item));
  }
  return values;
}

std::vector<int32_t> LineReader::intList(int count, Layout layout, const std::string& what) {
  return list<int32_t>(
      count, layout, what,
      [&](int slot, const std::vector<std::string>& lineFields, const std::string& item) {
        if (layout.width == 0) return fieldInt(lineFields, static_cast<size_t>(slot), item);
        return columnInt(slot * layout.width + 1, layout.width, item);
      });
}

std::vector<double> LineReader::realList(int count, Layout layout, const std::string& what) {
  return list<double>(
      count, layout, what,
      [&](int slot, const std::vector<std::string>& lineFields, const std::string& item) {
        if (layout.width == 0) return fieldReal(lineFields, static_cast<size_t>(slot), item);
        return columnReal(slot * layout.width + 1, layout.width, item);
      });
}

}  // namespace formats
