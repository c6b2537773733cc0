// Field splitting and number parsing never fail on any line.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/errors.h"
#include "common/fields.h"
#include "common/numbers.h"
#include "common/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const std::string& decoded : common::decodeLines(bytes)) {
    try {
      common::splitNumberFields(decoded, {"f", 1, 0});
    } catch (const common::ConversionError&) {
    }
    for (const std::string& field : common::splitFields(decoded)) {
      common::parseInt(field);
      if (auto v = common::parseReal(field)) {
        common::formatGeneral(*v);
        common::formatE(*v, 10, 3);
      }
    }
  }
  return 0;
}
