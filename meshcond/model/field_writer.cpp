#include "meshcond/model/field_writer.h"

#include <charconv>
#include <cmath>

#include "common/errors.h"
#include "common/numbers.h"
#include "meshcond/model/messages.h"

namespace meshcond {

namespace {

/// The value as a reader would want to see it in a message.
std::string shortest(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-infinity" : "infinity";
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

void FieldWriter::begin(bool blankSeparated) {
  current_.clear();
  blankSeparated_ = blankSeparated;
}

void FieldWriter::end() {
  lines_.push_back(std::move(current_));
  current_.clear();
}

void FieldWriter::line(std::string text) {
  lines_.push_back(std::move(text));
  current_.clear();
}

std::string Item::str() const {
  if (text_ != nullptr) return *text_;
  std::string text = before_;
  if (numbers_ >= 1) text += std::to_string(number_);
  if (numbers_ == 2) text += middle_ + std::to_string(second_);
  return text + after_;
}

bool FieldWriter::fits(const std::string& text, int width) const {
  if (static_cast<int>(text.size()) > width) return false;
  return !(blankSeparated_ && !current_.empty() && (text.empty() || text.front() != ' '));
}

void FieldWriter::refuse(const std::string& text, int width, const Item& item,
                         const std::string& format, const std::string& valueText) const {
  std::string where = msg::writtenItem(file_, lines_.size() + 1, item.str(), valueText);
  if (static_cast<int>(text.size()) > width)
    throw common::RangeError(msg::fieldTooNarrow(where, format, text.size(), width));
  throw common::RangeError(msg::fieldFilled(where, format));
}

void FieldWriter::i(long long value, int width, const Item& item) {
  std::string text = common::formatInt(value, width);
  if (!fits(text, width))
    refuse(text, width, item, "%" + std::to_string(width) + "d", std::to_string(value));
  current_ += text;
}

void FieldWriter::f(double value, int width, int precision, const Item& item) {
  std::string text = std::isfinite(value) ? common::formatFixed(value, width, precision)
                                          : std::string(static_cast<size_t>(width) + 1, '*');
  if (!fits(text, width))
    refuse(text, width, item, "%" + std::to_string(width) + "." + std::to_string(precision) + "f",
           shortest(value));
  current_ += text;
}

void FieldWriter::e(double value, int width, int digits, const Item& item) {
  std::string text = std::isfinite(value) ? common::formatE(value, width, digits)
                                          : std::string(static_cast<size_t>(width) + 1, '*');
  if (!fits(text, width))
    refuse(text, width, item, "%" + std::to_string(width) + "." + std::to_string(digits) + "e",
           shortest(value));
  current_ += text;
}

}  // namespace meshcond
