// A line cursor for the column- and field-based readers of the condition
// editor's files (MESH.DAT, ZEP.DAT): takes lines in turn and converts
// fixed-column and blank-separated values, every failure naming the file, the
// line and the item expected.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/messages.h"

namespace formats {

// Kept apart from RecordCursor: the condition editor's wording, and columns and lists.
class LineReader {
 public:
  LineReader(std::string file, const std::vector<std::string>& lines);

  /// Takes the next line; throws MissingError naming the line expected and `what`.
  const std::string& take(const std::string& what);
  /// The 1-based number of the line last taken.
  long lineNumber() const { return next_; }
  const std::string& file() const { return file_; }
  common::Location here(int field = 0) const { return {file_, next_, field}; }
  /// Throws RangeError at the current line.
  [[noreturn]] void fail(const std::string& what) const;

  /// Fixed columns first..first+width-1 of the current line (fewer, or none,
  /// when the line is shorter); leading blanks skipped, the rest one number.
  int32_t columnInt(int first, int width, const std::string& what) const;
  double columnReal(int first, int width, const std::string& what) const;
  /// The whole current line as one integer (leading blanks skipped).
  int32_t wholeLineInt(const std::string& what) const;

  /// The blank-separated fields of the current line; fewer than `need` is
  /// an error naming `what`.
  std::vector<std::string> fields(size_t need, const std::string& what) const;
  int32_t fieldInt(const std::vector<std::string>& fields, size_t index,
                   const std::string& what) const;
  double fieldReal(const std::vector<std::string>& fields, size_t index,
                   const std::string& what) const;

  /// How the entries of a list sit on their lines.
  struct Layout {
    int perLine;
    int width;  // fixed columns of this width; 0 = blank-separated fields
  };

  /// A list of `count` entries n per line: a line is taken for the first
  /// entry and after every n entries; a list of 0 entries takes no line.
  std::vector<int32_t> intList(int count, Layout layout, const std::string& what);
  std::vector<double> realList(int count, Layout layout, const std::string& what);

 private:
  std::string columns(int first, int width) const;
  template <class T, class Convert>
  std::vector<T> list(int count, Layout layout, const std::string& what, Convert convert);

  std::string file_;
  const std::vector<std::string>& lines_;
  long next_ = 0;  // lines taken so far = number of the current line
};

/// Checks low <= value <= high for a node or slot number, else the reader
/// fails (RangeError at its line): "what N" outside low..high. Any reader
/// with a fail(message) serves.
template <class Reader>
int checkedNumber(const Reader& reader, int value, int low, int high, const std::string& what) {
  if (value < low || value > high)
    reader.fail(common::messages::outsideRange(what, value, low, high));
  return value;
}

/// Checks 0 <= value <= capacity, as checkedNumber.
template <class Reader>
int checkedCount(const Reader& reader, int value, int capacity, const std::string& what) {
  return checkedNumber(reader, value, 0, capacity, what);
}

}  // namespace formats
