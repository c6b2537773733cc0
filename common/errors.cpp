#include "common/errors.h"

#include "common/messages.h"

namespace common {

std::string Location::describe() const {
  std::string text = file;
  auto add = [&text](const std::string& part) {
    if (!text.empty()) text += messages::kSeparator;
    text += part;
  };
  if (line > 0) add(messages::lineNumber(line));
  if (field > 0) add(messages::fieldNumber(field));
  return text;
}

std::string located(const Location& where, const std::string& what) {
  std::string place = where.describe();
  return place.empty() ? what : place + std::string(messages::kSeparator) + what;
}

}  // namespace common
