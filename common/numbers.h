// Whole-field number conversion and the printf-style number texts of the files.
//
// Everything here is independent of the C locale: the windows run with the
// user's locale set, and the files are always written with a decimal point.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/errors.h"

namespace common {

/// An integer field: [+-]?digits, within 32 bits. Anything else gives nullopt.
std::optional<int32_t> parseInt(std::string_view field);

/// A real field: [+-]?(D+(.D*)?|.D+)([eE][+-]?D+)?, correctly rounded.
/// Overflow to infinity gives nullopt; underflow gives 0 or a subnormal.
std::optional<double> parseReal(std::string_view field);

/// As parseInt / parseReal, but a refused text throws ConversionError naming
/// the location and the text.
int32_t toInt(std::string_view field, const Location& where);
double toReal(std::string_view field, const Location& where);

/// printf "%{width}d".
std::string formatInt(long long value, int width = 0);

/// printf "%{width}.{precision}f" (ties to even on the exact binary value;
/// -0.0 keeps its sign).
std::string formatFixed(double value, int width, int precision);

/// The files' e format: `digits` significant digits (one before the point),
/// then "E", the sign and at least three exponent digits, right-aligned in
/// `width`: formatE(0.00016, 10, 3) == " 1.60E-004".
std::string formatE(double value, int width, int digits);

/// The general number text: at most 15 significant digits, plain for decimal
/// exponents -5..14, else mantissa "E" exponent (1E-6, 1.5E15); +-0 gives "0".
std::string formatGeneral(double value);

/// Appends a padded number text that follows another field on its line: when
/// the text fills its width (no padding blank in front) one blank goes first,
/// so that blank-separated readers still see two fields. The first field of a
/// line (line empty) is appended as it is.
void appendWidened(std::string& line, std::string_view paddedText);

}  // namespace common
