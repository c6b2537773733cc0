// Failures shared by every reader, writer and model operation.
//
// Each failure ends the current operation; the window shows what(), the batch
// tool prints it. Messages say what was expected and where.
#pragma once

#include <stdexcept>
#include <string>

namespace common {

/// Where a failure happened: a file name, a 1-based line and field (0 = not known).
struct Location {
  std::string file;
  long line = 0;
  int field = 0;

  /// "FILE: N 行目: F 番目の値" (common/messages.h) with the parts that are known, or "" when none
  /// is.
  std::string describe() const;
};

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// A text that does not convert to a number (or a character that does not encode).
class ConversionError : public Error {
 public:
  using Error::Error;
};

/// A capacity or value range exceeded.
class RangeError : public Error {
 public:
  using Error::Error;
};

/// A line or field that a reader needed is not there.
class MissingError : public Error {
 public:
  using Error::Error;
};

/// A file operation that failed (open, read, write, rename).
class FileError : public Error {
 public:
  using Error::Error;
};

/// "where: what", or just "what" when the location is empty.
std::string located(const Location& where, const std::string& what);

}  // namespace common
