// A cursor over the lines of the mesh maker's files (M3W, MESH.DAT) that names
// file, line and field in every failure, and the first line of counts that
// both files begin with.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/errors.h"

namespace formats {

// Kept apart from LineReader: the mesh maker's wording (record and field by number).
class RecordCursor {
 public:
  RecordCursor(std::string file, std::vector<std::string> lines);

  /// The next line's fields; `what` names the record for a missing line, and
  /// at least `needed` fields must be there.
  void next(const std::string& what, size_t needed);

  int32_t integer(int field) const;
  double real(int field) const;
  /// An integer field that must lie in lo..hi; `what` names it in the message.
  int32_t integerIn(int field, int32_t lo, int32_t hi, const std::string& what) const;

  common::Location where(int field = 0) const;
  const std::string& file() const { return file_; }
  /// The fields of the line last taken.
  const std::vector<std::string>& fields() const { return fields_; }

 private:
  std::string file_;
  std::vector<std::string> lines_;
  long line_ = 0;
  std::vector<std::string> fields_;
};

/// The first line: the node count (0..nodeCapacity) and the count of the
/// file's `name`s (0..max). A first line that is missing or short says that
/// the file is not `kind`.
std::pair<int, int> readCounts(RecordCursor& in, const std::string& kind, const std::string& name,
                               int nodeCapacity, int max);

}  // namespace formats
