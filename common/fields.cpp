#include "common/fields.h"

#include "common/messages.h"

namespace common {
namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

/// True when line[i] is a comma between two digits.
bool decimalCommaAt(std::string_view line, size_t i) {
  return line[i] == ',' && i > 0 && i + 1 < line.size() && isDigit(line[i - 1]) &&
         isDigit(line[i + 1]);
}

/// Reads a quoted field starting at line[i] == '"'; leaves i after it.
std::string quotedField(std::string_view line, size_t& i) {
  std::string field;
  ++i;
  while (i < line.size()) {
    if (line[i] == '"') {
      if (i + 1 < line.size() && line[i + 1] == '"') {
        field += '"';
        i += 2;
        continue;
      }
      ++i;  // the closing quote
      return field;
    }
    field += line[i++];
  }
  return field;  // unterminated: runs to the line end
}

std::vector<std::string> split(std::string_view line, bool keepDecimalCommas) {
  std::vector<std::string> fields;
  size_t i = 0;
  auto skipBlanks = [&] {
    while (i < line.size() && isBlank(line[i])) ++i;
  };
  skipBlanks();
  while (i < line.size()) {
    if (line[i] == '"') {
      fields.push_back(quotedField(line, i));
    } else {
      size_t start = i;
      auto ends = [&] {
        return isBlank(line[i]) ||
               (line[i] == ',' && !(keepDecimalCommas && i > start && decimalCommaAt(line, i)));
      };
      while (i < line.size() && !ends()) ++i;
      fields.emplace_back(line.substr(start, i - start));
    }
    skipBlanks();
    if (i < line.size() && line[i] == ',') {
      if (i + 1 == line.size()) fields.emplace_back();
      ++i;
      skipBlanks();
    }
  }
  return fields;
}

}  // namespace

std::vector<std::string> splitFields(std::string_view line) { return split(line, false); }

std::vector<std::string> splitNumberFields(std::string_view line, const Location& where) {
  std::vector<std::string> fields = split(line, true);
  for (size_t k = 0; k < fields.size(); ++k) {
    const std::string& field = fields[k];
    for (size_t i = field.find(','); i != std::string::npos; i = field.find(',', i + 1))
      if (decimalCommaAt(field, i))
        throw ConversionError(messages::aboutValue(
            {where.file, where.line, static_cast<int>(k + 1)}, field, messages::kDecimalComma));
  }
  return fields;
}

}  // namespace common
