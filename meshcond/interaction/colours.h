// Colour numbers of the condition editor's drawing and their packed values.
#pragma once

#include <cstdint>

namespace meshcond::ui {

/// A packed 24-bit colour 0x00BBGGRR: red in the low byte.
using Colour = uint32_t;

inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kPureBlue = 0xFF0000;
inline constexpr Colour kPureRed = 0x0000FF;

/// Colour number k: the base colour of k mod 30 plus 70 for every full 30,
/// added to the packed value (so it lands in red and may carry into green).
/// A negative number is drawn as colour 0.
Colour gColor(long long k);

inline int redOf(Colour c) { return static_cast<int>(c & 0xFF); }
inline int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
inline int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

/// The colour of an element number written on a fill: pure blue on a light
/// fill, white on a dark one, so that it stays readable on every material.
Colour numberColourOn(Colour fill);

}  // namespace meshcond::ui
