// The texts of a dialog's string grid and the number conversions the dialogs
// apply to edit boxes and cells.
//
// A grid is addressed as (column, row) from 0; row 0 is the fixed header row
// and, where a grid has one, column 0 the fixed number column. The row count
// includes the header row. The Qt dialogs copy their tables into a CellGrid,
// run the dialog logic and copy it back, so the logic is tested without a
// window.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace meshcond::ui {

class CellGrid {
 public:
  CellGrid(int columns, int rows);

  int columnCount() const { return columns_; }
  int rowCount() const { return rows_; }
  /// Rows added at the bottom are empty; rows cut off lose their texts.
  void setRowCount(int rows);

  const std::string& cell(int column, int row) const;
  void setCell(int column, int row, std::string text);
  /// Empties the given columns of rows 1..last.
  void clearColumns(int firstColumn, int lastColumn);

 private:
  int columns_;
  int rows_;
  std::vector<std::string> cells_;  // row by row
};

/// Where Enter in a grid moves: the next column, or column `firstColumn` of
/// the next row after the last column; after the last row either the first
/// data row (`wrap`) or nowhere new. A grid of one column moves down.
struct CellPosition {
  int column = 0;
  int row = 0;
};
CellPosition nextCellOnEnter(CellPosition at, int firstColumn, int columnCount, int rowCount,
                             bool wrap);

/// The text without leading and trailing blanks (characters up to 0x20).
std::string_view trimmed(std::string_view text);

/// A real or integer typed in a box or cell; surrounding blanks are allowed
/// (the boxes show right-aligned numbers). nullopt when it does not convert.
std::optional<double> realOf(std::string_view text);
std::optional<int> intOf(std::string_view text);

/// As realOf / intOf, but a text that does not convert throws
/// common::ConversionError naming the box or cell (`what`) and the text.
double realIn(std::string_view text, std::string_view what);
int intIn(std::string_view text, std::string_view what);

/// The name of a grid cell for messages: "row R, column C".
std::string cellName(int column, int row);

}  // namespace meshcond::ui
