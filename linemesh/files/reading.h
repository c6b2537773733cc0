// What the M3W and MESH.DAT files share: a cursor over the file's lines that
// names file, line and field in every failure, the first line of counts, the
// node records, and the extents of the nodes.
#pragma once

#include <string>
#include <utility>
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

/// The first line: the node count (0..kNodeCapacity) and the count of the
/// file's `name`s (0..max). A first line that is missing or short says that
/// the file is not `kind` (text::m3wFileKind()).
std::pair<int, int> readCounts(RecordCursor& in, const std::string& kind, const std::string& name,
                               int max);

/// Reads `count` node records (number, x, y) into nodes 1..count and sets NUMNP.
void readNodes(RecordCursor& in, LineNetwork& net, int count);

/// The record of node i: its number in 8 columns, x and y with three decimals.
std::string nodeLine(const LineNetwork& net, int i);

/// The extents of nodes 1..NUMNP as the readers set them (start values
/// -999999 and 9999999 when there are no nodes).
void setExtentsFromNodes(LineNetwork& net);

}  // namespace linemesh::files
