// The pictures on the converter's two speed buttons and its window icon,
// drawn in code so that the program carries no image files.
#pragma once

#include <QIcon>

namespace cadtrace::ui {

/// Side of the square glyphs in pixels.
inline constexpr int kGlyphSize = 24;

/// A drawing sheet with a section on it and an arrow out of it: "変換".
QIcon convertGlyph();

/// A door with an arrow leaving through it: "終了".
QIcon exitGlyph();

}  // namespace cadtrace::ui
