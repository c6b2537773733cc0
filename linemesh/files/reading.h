// What the M3W and MESH.DAT readers share: a cursor over the file's lines that
// names file, line and field in every failure, and the extents of the nodes.
#pragma once

#include <string>
#include <vector>

#include "common/errors.h"
#include "linemesh/model/network.h"

namespace linemesh::files {

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

 private:
  std::string file_;
  std::vector<std::string> lines_;
  long line_ = 0;
  std::vector<std::string> fields_;
};

/// The extents of nodes 1..NUMNP as the readers set them (start values
/// -999999 and 9999999 when there are no nodes).
void setExtentsFromNodes(LineNetwork& net);

}  // namespace linemesh::files
