#include "formats/mesh_dat.h"

#include <optional>
#include <utility>

#include "common/errors.h"
#include "common/messages.h"
#include "common/numbers.h"
#include "formats/line_reader.h"
#include "formats/record_cursor.h"

namespace formats {

namespace {

namespace msg = common::messages;

/// An integer field (optional sign, decimal digits) whose value is below 0.
bool isNegativeInteger(const std::string& field) {
  if (field.size() < 2 || field[0] != '-') return false;
  bool nonZero = false;
  for (size_t i = 1; i < field.size(); ++i) {
    if (field[i] < '0' || field[i] > '9') return false;
    nonZero = nonZero || field[i] != '0';
  }
  return nonZero;
}

/// The records of the file taken in turn, with failures in the chosen wording:
/// the mesh maker's through RecordCursor, the condition editor's through LineReader.
class Records {
 public:
  Records(const std::string& file, std::vector<std::string> lines, Wording wording) {
    if (wording == Wording::MeshMaker) {
      cursor_.emplace(file, std::move(lines));
    } else {
      lines_ = std::move(lines);
      reader_.emplace(file, lines_);
    }
  }
  Records(const Records&) = delete;
  Records& operator=(const Records&) = delete;

  std::pair<int, int> counts(int nodeCapacity, int elementCapacity) {
    const std::string elements = msg::countOf(msg::elementWord());
    if (cursor_)
      return readCounts(*cursor_, msg::meshFileKind(), msg::elementWord(), nodeCapacity,
                        elementCapacity);
    take("", msg::meshHeaderLine(), msg::meshCounts(), 2);
    const int nodes = within(1, integer(1, msg::nodeCount()), 0, nodeCapacity, msg::nodeCount());
    return {nodes, within(2, integer(2, elements), 0, elementCapacity, elements)};
  }

  /// The next line with at least `needed` fields: `record` names it in the
  /// mesh maker's wording, `line` and `fields` in the condition editor's.
  void take(const std::string& record, const std::string& line, const std::string& fields,
            size_t needed) {
    if (cursor_) {
      cursor_->next(record, needed);
    } else {
      reader_->take(line);
      fields_ = reader_->fields(needed, fields);
    }
  }

  int32_t integer(int field, const std::string& item) const {
    return cursor_ ? cursor_->integer(field) : reader_->fieldInt(fields_, field - 1, item);
  }

  double real(int field, const std::string& item) const {
    return cursor_ ? cursor_->real(field) : reader_->fieldReal(fields_, field - 1, item);
  }

  int32_t within(int field, int32_t value, int32_t lo, int32_t hi, const std::string& item) const {
    if (value >= lo && value <= hi) return value;
    if (cursor_) fail(field, msg::fieldOutsideRange(item, value, lo, hi));
    fail(field, msg::outsideRange(item, value, lo, hi));
  }

  /// A RangeError at the field (mesh maker) or the line (condition editor).
  [[noreturn]] void fail(int field, const std::string& text) const {
    if (cursor_) throw common::RangeError(common::located(cursor_->where(field), text));
    reader_->fail(text);
  }

  const std::vector<std::string>& fields() const { return cursor_ ? cursor_->fields() : fields_; }
  long line() const { return cursor_ ? cursor_->where().line : reader_->lineNumber(); }

 private:
  std::optional<RecordCursor> cursor_;
  std::vector<std::string> lines_;
  std::optional<LineReader> reader_;
  std::vector<std::string> fields_;
};

}  // namespace

MeshDatRules meshMakerRules(int nodeCapacity, int elementCapacity) {
  MeshDatRules rules;
  rules.nodeCapacity = nodeCapacity;
  rules.elementCapacity = elementCapacity;
  return rules;
}

MeshDatRules conditionEditorRules(int nodeCapacity, int elementCapacity) {
  MeshDatRules rules;
  rules.nodeCapacity = nodeCapacity;
  rules.elementCapacity = elementCapacity;
  rules.elementFields = 5;
  rules.cornerCountRead = false;
  rules.elementsByNumber = true;
  rules.widened = true;
  rules.wording = Wording::ConditionEditor;
  return rules;
}

MeshDat readMeshDat(const std::string& file, std::vector<std::string> lines,
                    const MeshDatRules& rules) {
  Records in(file, std::move(lines), rules.wording);
  const auto [nodes, elements] = in.counts(rules.nodeCapacity, rules.elementCapacity);

  MeshDat mesh;
  mesh.nodes.resize(static_cast<size_t>(nodes));
  for (int i = 1; i <= nodes; ++i) {
    in.take(msg::nodeRecord(i, nodes), msg::meshNodeLine(i), msg::meshNodeFields(), 3);
    NodeRow& node = mesh.nodes[static_cast<size_t>(i - 1)];
    node.number = in.integer(1, msg::meshNodeNumber());
    node.x = in.real(2, msg::meshX());
    node.y = in.real(3, msg::meshY());
  }

  mesh.elements.resize(static_cast<size_t>(elements));
  std::vector<bool> filled(static_cast<size_t>(elements) + 1, false);
  for (int i = 1; i <= elements; ++i) {
    in.take(msg::elementRecord(i, elements), msg::meshElementLine(i), msg::meshElementFields(),
            rules.elementFields);
    ElementRow row;
    row.line = in.line();
    row.number = in.integer(1, msg::meshElementNumber());
    int slot = i;
    if (rules.elementsByNumber) {
      slot = in.within(1, row.number, 1, elements, msg::meshElementNumber());
      if (filled[static_cast<size_t>(slot)]) in.fail(1, msg::appearsTwice(msg::element(slot)));
      filled[static_cast<size_t>(slot)] = true;
    }
    for (int c = 1; c <= 4; ++c) {
      row.corners[c] = in.integer(c + 1, msg::corner(c));
      if (!rules.cornerCountRead)
        in.within(c + 1, row.corners[c], c == 4 ? 0 : 1, nodes, msg::corner(c));
    }
    if (rules.cornerCountRead) {
      row.count = in.within(6, in.integer(6, msg::cornerCount()), 0, 4, msg::cornerCount());
      for (int place = 1; place <= row.count; ++place)
        in.within(place + 1, row.corners[place], 1, nodes, msg::cornerNode());
    } else if (in.fields().size() > 5 && isNegativeInteger(in.fields()[5])) {
      // A negative count marks a five-corner cell, which would be taken for a quadrilateral.
      in.fail(6, msg::fiveCornerCell(slot, in.fields()[5]));
    }
    mesh.elements[static_cast<size_t>(slot - 1)] = row;
  }
  return mesh;
}

void appendField(std::string& line, const std::string& padded, bool widened) {
  if (widened)
    common::appendWidened(line, padded);
  else
    line += padded;
}

std::string nodeRecord(int32_t number, double x, double y) {
  std::string line = common::formatInt(number, kNumberWidth);
  common::appendWidened(line, common::formatFixed(x, kCoordinateWidth, kCoordinateDecimals));
  common::appendWidened(line, common::formatFixed(y, kCoordinateWidth, kCoordinateDecimals));
  return line;
}

std::vector<std::string> meshDatLines(const MeshDat& mesh, const MeshDatRules& rules) {
  std::vector<std::string> lines;
  lines.reserve(1 + mesh.nodes.size() + mesh.elements.size());
  std::string header = common::formatInt(static_cast<long>(mesh.nodes.size()), kMeshCountWidth);
  appendField(header, common::formatInt(static_cast<long>(mesh.elements.size()), kMeshCountWidth),
              rules.widened);
  lines.push_back(std::move(header));
  for (size_t i = 0; i < mesh.nodes.size(); ++i)
    lines.push_back(nodeRecord(static_cast<int32_t>(i + 1), mesh.nodes[i].x, mesh.nodes[i].y));
  for (size_t e = 0; e < mesh.elements.size(); ++e) {
    const ElementRow& row = mesh.elements[e];
    std::string line = common::formatInt(static_cast<long>(e + 1), kNumberWidth);
    for (int c = 1; c <= 4; ++c)
      appendField(line, common::formatInt(row.corners[c], kNumberWidth), rules.widened);
    appendField(line, common::formatInt(row.count, kCornerCountWidth), rules.widened);
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace formats
