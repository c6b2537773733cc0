#include "common/errors.h"

namespace common {

std::string Location::describe() const {
  std::string text = file;
  auto add = [&text](const std::string& part) {
    if (!text.empty()) text += ": ";
    text += part;
  };
  if (line > 0) add("line " + std::to_string(line));
  if (field > 0) add("field " + std::to_string(field));
  return text;
}

std::string located(const Location& where, const std::string& what) {
  std::string place = where.describe();
  return place.empty() ? what : place + ": " + what;
}

}  // namespace common
