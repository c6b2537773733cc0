#include "common/numbers.h"

#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "common/messages.h"

namespace common {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

/// Length of the run of digits starting at i.
size_t digitRun(std::string_view s, size_t i) {
  size_t n = 0;
  while (i + n < s.size() && isDigit(s[i + n])) ++n;
  return n;
}

bool matchesRealSyntax(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t intDigits = digitRun(s, i);
  i += intDigits;
  size_t fracDigits = 0;
  if (i < s.size() && s[i] == '.') {
    ++i;
    fracDigits = digitRun(s, i);
    i += fracDigits;
  }
  if (intDigits == 0 && fracDigits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t expDigits = digitRun(s, i);
    if (expDigits == 0) return false;
    i += expDigits;
  }
  return i == s.size();
}

locale_t cLocale() {
  static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return loc;
}

}  // namespace

std::optional<int32_t> parseInt(std::string_view field) {
  size_t i = 0;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
  if (i == field.size() || digitRun(field, i) != field.size() - i) return std::nullopt;
  int64_t value = 0;
  for (; i < field.size(); ++i) {
    value = value * 10 + (field[i] - '0');
    if (value > int64_t{1} << 31) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
    return std::nullopt;
  return static_cast<int32_t>(value);
}

std::optional<double> parseReal(std::string_view field) {
  if (!matchesRealSyntax(field)) return std::nullopt;
  std::string_view body = field;
  if (body.front() == '+') body.remove_prefix(1);
  double value = 0;
  auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
  if (ec == std::errc() && end == body.data() + body.size()) return value;
  // from_chars reports underflow and overflow alike; strtod tells them apart
  // and still rounds an underflow correctly.
  std::string copy(field);
  value = strtod_l(copy.c_str(), nullptr, cLocale());
  if (std::isinf(value)) return std::nullopt;
  return value;
}

int32_t toInt(std::string_view field, const Location& where) {
  if (auto v = parseInt(field)) return *v;
  throw ConversionError(messages::aboutValue(where, field, messages::kNotInteger));
}

double toReal(std::string_view field, const Location& where) {
  if (auto v = parseReal(field)) return *v;
  throw ConversionError(messages::aboutValue(where, field, messages::kNotReal));
}

namespace {

std::string padLeft(std::string text, int width) {
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::string toChars(double value, std::chars_format format, int precision) {
  char buffer[400];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::string formatInt(long long value, int width) { return padLeft(std::to_string(value), width); }

std::string formatFixed(double value, int width, int precision) {
  return padLeft(toChars(value, std::chars_format::fixed, precision), width);
}

std::string formatE(double value, int width, int digits) {
  if (!std::isfinite(value))
    return padLeft(value != value ? "NAN" : value < 0 ? "-INF" : "INF", width);
  // "d.ddde+XX" -> "d.dddE+0XX"
  std::string text = toChars(value, std::chars_format::scientific, digits > 0 ? digits - 1 : 0);
  size_t e = text.find('e');
  std::string mantissa = text.substr(0, e);
  char sign = text[e + 1];
  std::string exponent = text.substr(e + 2);
  if (exponent.size() < 3) exponent.insert(0, 3 - exponent.size(), '0');
  return padLeft(mantissa + "E" + sign + exponent, width);
}

std::string formatGeneral(double value) {
  if (value == 0) return "0";
  if (!std::isfinite(value)) return value != value ? "NAN" : value < 0 ? "-INF" : "INF";
  // Round to 15 significant digits first; the exponent of that rounded value decides the form.
  std::string text = toChars(value, std::chars_format::scientific, 14);
  bool negative = text[0] == '-';
  size_t start = negative ? 1 : 0;
  size_t e = text.find('e');
  std::string digits;
  for (size_t i = start; i < e; ++i)
    if (text[i] != '.') digits += text[i];
  int exponent = std::stoi(text.substr(e + 1));
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= -5 && exponent <= 14) {
    if (exponent < 0) {
      out += "0." + std::string(-exponent - 1, '0') + digits;
    } else {
      size_t intLen = static_cast<size_t>(exponent) + 1;
      if (digits.size() <= intLen) {
        out += digits + std::string(intLen - digits.size(), '0');
      } else {
        out += digits.substr(0, intLen) + "." + digits.substr(intLen);
      }
    }
  } else {
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    out += "E" + std::to_string(exponent);
  }
  return out;
}

void appendWidened(std::string& line, std::string_view paddedText) {
  if (!line.empty() && (paddedText.empty() || paddedText.front() != ' ')) line += ' ';
  line += paddedText;
}

}  // namespace common
