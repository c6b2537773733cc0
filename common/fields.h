// Splitting a line into fields by the comma-text rule of the files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/errors.h"

namespace common {

/// Splits a line: every character up to the blank (NUL, TAB and CR included)
/// is a blank; leading blanks are skipped; a field ends at a comma or a
/// blank; a run of blanks, or blanks round one comma, separate two fields;
/// two commas in a row give an empty field; a comma that is the very last
/// character of the line adds an empty last field ("1," -> 2 fields, "1, " ->
/// 1). A field opening with a double quote runs to the next lone quote ("" in
/// it stands for one quote), or to the line end when none closes it; text
/// right after a closing quote starts a new field ('"1"2' -> "1", "2").
std::vector<std::string> splitFields(std::string_view line);

/// As splitFields, for the files whose numbers are split at blanks: a comma
/// with a digit right before and right after it is a decimal comma, not a
/// separator, and a field holding one is refused (ConversionError at `line`,
/// naming the field) instead of being read as two numbers. Commas with
/// anything else round them separate fields as before.
std::vector<std::string> splitNumberFields(std::string_view line, const Location& where);

}  // namespace common
