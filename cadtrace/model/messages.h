// The converter's texts: every message of the DXF reader, the conversion, the
// writers and the window, with their parameters. The shared texts (places in
// a file, numbers, file operations) are in common/messages.h.
#pragma once

#include <string>

namespace cadtrace::messages {

/// A value the converter uses that is not a number, in the words the users
/// know: "<file>: N行: 文字が違います: "<text>"".
std::string wrongText(const std::string& file, long line, const std::string& text);
std::string binaryDxf(const std::string& file);
std::string noEntities(const std::string& file);
std::string noEndsec(const std::string& file, long sectionLine);
/// Follows the place "FILE: N 行目: ".
std::string groupCodeNotInteger(const std::string& code);

/// A setting box whose text is not a number; `name` is one of the names below.
std::string settingNotNumber(const char* name, const std::string& text);
inline constexpr const char* kScaleV = "縮尺 V";
inline constexpr const char* kScaleH = "縮尺 H";
inline constexpr const char* kReferenceV = "基準位置 V";
inline constexpr const char* kReferenceH = "基準位置 H";

/// `point` as "(x, y)".
std::string tooManyNodes(int capacity, const std::string& point);
std::string tooManyLines(int capacity);
std::string beyondRange(int node, const std::string& point);
/// A capacity message `what` met while cutting at `point`, and why.
std::string whileCutting(const std::string& what, const std::string& point, const std::string& why);
std::string crossingsPacked();
std::string cutDrawingTooLarge(int lines, int nodes, int drawn);

std::string txtSameAsM3w(const std::string& m3wPath);

// The window.
inline constexpr const char* kFormCaption = "DXFファイルを「ゼルカ」の前データに変換";
/// The caption of its message boxes.
inline constexpr const char* kApplicationTitle = "DXFファイルをテキストファイルに変換";
/// The open dialog's name filter.
inline constexpr const char* kDxfFilter = "CADファイル(*.DXF)";
std::string written(int nodes, int lines, const std::string& m3wPath, const std::string& txtPath);
inline constexpr const char* kNotConverted = "変換できませんでした。";
/// The panel's labels and buttons.
inline constexpr const char* kDxfFileLabel = "DXFファイル";
inline constexpr const char* kScaleLabel = "縮尺";
inline constexpr const char* kReferenceLabel = "基準位置";
inline constexpr const char* kUnitLabel = "基本単位";
inline constexpr const char* kConvertButton = "変換";
inline constexpr const char* kExitButton = "終了";

}  // namespace cadtrace::messages
