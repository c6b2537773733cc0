#include "common/fields.h"

namespace common {
namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

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

}  // namespace

std::vector<std::string> splitFields(std::string_view line) {
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
      while (i < line.size() && !isBlank(line[i]) && line[i] != ',') ++i;
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

}  // namespace common
