// Numbers drawn by copying digits: a redraw at capacity shows tens of
// thousands of element and node numbers, and laying each one out as text
// would take most of the redraw. Each digit is drawn once in the font; the
// canvases blend its coverage into their image wherever the digit stands.
#pragma once

#include <QFont>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace desktop {

/// How each digit 0 to 9 covers the pixels when the text layout draws it in
/// a font with its top left corner at (0, 0).
struct DigitCoverage {
  struct Dot {
    int16_t x, y;
    uint8_t coverage;  // 1 to 255
  };
  int height = 0;                         // of the font's line
  std::array<int, 10> width{};            // the columns a digit's pixels may take
  std::array<int, 10> advance{};          // to the next digit, in whole pixels
  std::array<qreal, 10> exactAdvance{};   // the layout's fractional advance
  std::array<std::vector<Dot>, 10> dots;  // the pixels covered, row by row
};

DigitCoverage digitCoverage(const QFont& font);

/// True for a non-empty text of the digits 0 to 9 only.
bool allDigits(std::string_view text);

}  // namespace desktop
