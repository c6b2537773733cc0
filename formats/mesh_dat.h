// The mesh data file (MESH.DAT): a line of counts, the node records and the
// element records. The mesh maker and the condition editor read and write it
// under different documented rules; each difference is a named rule here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace formats {

// Field widths of the records.
inline constexpr int kMeshCountWidth = 12;  // the two counts of the first line
inline constexpr int kNumberWidth = 8;      // node and element numbers, corners
inline constexpr int kCoordinateWidth = 10;
inline constexpr int kCoordinateDecimals = 3;
inline constexpr int kCornerCountWidth = 5;

/// A node record (also the node record of M3W): number, x, y.
struct NodeRow {
  int32_t number = 0;
  double x = 0.0, y = 0.0;
};

/// An element record: its number, corners 1..4 (place 0 unused), the corner
/// count (0 when the rules do not read it) and the line it was read from.
struct ElementRow {
  int32_t number = 0;
  std::array<int32_t, 5> corners{};
  int32_t count = 0;
  long line = 0;
};

/// The file's records; element i + 1 is elements[i].
struct MeshDat {
  std::vector<NodeRow> nodes;
  std::vector<ElementRow> elements;
};

/// Which program's texts a failure is worded in.
enum class Wording { MeshMaker, ConditionEditor };

struct MeshDatRules {
  int nodeCapacity = 0;
  int elementCapacity = 0;
  /// Fields an element line must have.
  size_t elementFields = 6;
  /// Field 6 is the corner count, 0..4, and corners 1..count must be nodes.
  /// Otherwise the count is not read (a negative integer there is refused:
  /// a five-corner cell), corners 1-3 must be nodes and corner 4 a node or 0.
  bool cornerCountRead = true;
  /// An element's number is its slot: 1..count, each once. Otherwise the
  /// elements are taken in file order and their numbers only converted.
  bool elementsByNumber = false;
  /// When writing, the counts and element records keep a blank before a value
  /// that fills its field (node records always do).
  bool widened = false;
  Wording wording = Wording::MeshMaker;
};

/// The mesh maker's rules: six fields, the corner count read, file order.
MeshDatRules meshMakerRules(int nodeCapacity, int elementCapacity);
/// The condition editor's rules: five fields, elements by number, widened.
MeshDatRules conditionEditorRules(int nodeCapacity, int elementCapacity);

/// The largest mesh the condition editor opens; the mesh maker warns beyond it.
inline constexpr int kConditionEditorNodes = 20000;
inline constexpr int kConditionEditorElements = 20000;

/// Reads the records of a file named `file`; lines after the elements are
/// ignored. Throws a common::Error naming file, line and field.
MeshDat readMeshDat(const std::string& file, std::vector<std::string> lines,
                    const MeshDatRules& rules);

/// The file's lines.
std::vector<std::string> meshDatLines(const MeshDat& mesh, const MeshDatRules& rules);

/// A node record: number in 8 columns, x and y with three decimals in 10, a
/// blank before any that fills its field.
std::string nodeRecord(int32_t number, double x, double y);

/// Appends a padded value, with a separating blank first if `widened` and
/// the value fills its field.
void appendField(std::string& line, const std::string& padded, bool widened);

}  // namespace formats
