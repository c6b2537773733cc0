// The texts of the messages that every program shares: the places in a file,
// the numbers that do not convert and the file operations that fail. Every
// text a user sees from common/ comes from here, so that another language is
// this one table away.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace common {

struct Location;

namespace messages {

/// "3 行目": a 1-based line of a file.
std::string lineNumber(long line);
/// "2 番目の値": a 1-based field of a line.
std::string fieldNumber(int field);
/// The separator between the parts of a place and what went wrong there.
inline constexpr std::string_view kSeparator = ": ";

/// A value as messages quote it: 「text」, cut after 40 bytes.
std::string quoted(std::string_view text);

/// A complaint about one value at a place: "FILE: 3 行目: 2 番目の値「abc」は…"
/// (no separator after a known field), "FILE: 3 行目: 「abc」は…" otherwise.
std::string aboutValue(const Location& where, std::string_view value, std::string_view complaint);

// Numbers (complaints for aboutValue).
inline constexpr std::string_view kNotInteger = "は整数ではありません";
inline constexpr std::string_view kNotReal = "は実数ではありません";
inline constexpr std::string_view kDecimalComma =
    "は小数点がコンマです。数は小数点「.」で書いてください";

// Files. `reason` is systemReason of the failure's error number.
/// The system's reason for a failed file operation, in words of the table for
/// the common cases, else the system's own text with its number.
std::string systemReason(int error);
std::string cannotOpen(const std::string& path, const std::string& reason);
std::string cannotRead(const std::string& path, const std::string& reason);
std::string cannotWrite(const std::string& path, const std::string& reason);
std::string cannotReplace(const std::string& path, const std::string& reason);
std::string notAFile(const std::string& path);
std::string alreadyClosed(const std::string& path);
std::string alreadyCommitted(const std::string& path);
std::string writeTargetIsFolder(const std::string& path);
std::string writeTargetIsInput(const std::string& path, const std::string& input);
std::string writeTargetsSame(const std::string& path, const std::string& other);

// Character codes.
std::string converterMissing(const std::string& from, const std::string& to);
std::string notCp932(std::string_view character, std::string_view text);

// Records of the line and mesh files (formats/), in the two wordings the
// programs have always used: the mesh maker names the record and its field
// by number ("節点 2/3（番号、x、y）がありません"), the condition editor names
// the line and the item ("ファイルがここで終わっています（節点行 3 がありません）").

// Mesh maker wording (formats::RecordCursor).
std::string expectedAtEnd(const std::string& what);
std::string expectedFields(const std::string& what, size_t needed, size_t found);
std::string fieldOutsideRange(const std::string& what, long value, long lo, long hi);
/// "節点数と<name>数".
std::string countsOf(const std::string& name);
/// "<kind>ではありません: 最初の行には<counts>が必要です".
std::string notAFileOfKind(const std::string& kind, const std::string& counts);
const char* nodeCount();
std::string countOf(const std::string& name);
std::string nodeRecord(int i, int count);
const char* meshFileKind();
const char* elementWord();
const char* cornerCount();
std::string elementRecord(int e, int count);
const char* cornerNode();

// Condition editor wording (formats::LineReader).
std::string element(int e);
std::string corner(int c);
std::string fileEndsExpecting(const std::string& what);
std::string columns(int first, int last);
std::string notInteger(const std::string& what, const std::string& text);
std::string notReal(const std::string& what, const std::string& text);
std::string tooFewFields(size_t found, size_t need, const std::string& what);
std::string outsideRange(const std::string& what, long value, long low, long high);
std::string appearsTwice(const std::string& what);
std::string fiveCornerCell(int element, const std::string& cornerCount);
const char* meshHeaderLine();
const char* meshCounts();
std::string meshNodeLine(int i);
const char* meshNodeFields();
const char* meshNodeNumber();
const char* meshX();
const char* meshY();
std::string meshElementLine(int i);
const char* meshElementFields();
const char* meshElementNumber();

}  // namespace messages
}  // namespace common
