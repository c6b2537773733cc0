// Grid texts and the conversions of typed numbers.
#include "meshcond/interaction/cell_grid.h"

#include <algorithm>
#include <stdexcept>

#include "common/errors.h"
#include "common/numbers.h"
#include "meshcond/model/messages.h"

namespace meshcond::ui {

CellGrid::CellGrid(int columns, int rows)
    : columns_(std::max(columns, 0)), rows_(std::max(rows, 0)) {
  cells_.resize(static_cast<size_t>(columns_) * rows_);
}

void CellGrid::setRowCount(int rows) {
  rows_ = std::max(rows, 0);
  cells_.resize(static_cast<size_t>(columns_) * rows_);
}

const std::string& CellGrid::cell(int column, int row) const {
  if (column < 0 || column >= columns_ || row < 0 || row >= rows_)
    throw common::RangeError(msg::cellMissing(cellName(column, row)));
  return cells_[static_cast<size_t>(row) * columns_ + column];
}

void CellGrid::setCell(int column, int row, std::string text) {
  if (column < 0 || column >= columns_ || row < 0 || row >= rows_)
    throw common::RangeError(msg::cellMissing(cellName(column, row)));
  cells_[static_cast<size_t>(row) * columns_ + column] = std::move(text);
}

void CellGrid::clearColumns(int firstColumn, int lastColumn) {
  for (int row = 1; row < rows_; ++row)
    for (int column = firstColumn; column <= lastColumn; ++column) setCell(column, row, "");
}

CellPosition nextCellOnEnter(CellPosition at, int firstColumn, int columnCount, int rowCount,
                             bool wrap) {
  if (at.column + 1 < columnCount) return {at.column + 1, at.row};
  if (at.row + 1 < rowCount) return {firstColumn, at.row + 1};
  if (wrap && rowCount > 1) return {firstColumn, 1};
  return at;
}

std::string_view trimmed(std::string_view text) {
  auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<double> realOf(std::string_view text) { return common::parseReal(trimmed(text)); }

std::optional<int> intOf(std::string_view text) { return common::parseInt(trimmed(text)); }

double realIn(std::string_view text, std::string_view what) {
  if (auto value = realOf(text)) return *value;
  throw common::ConversionError(msg::notReal(std::string(what), std::string(text)));
}

int intIn(std::string_view text, std::string_view what) {
  if (auto value = intOf(text)) return *value;
  throw common::ConversionError(msg::notInteger(std::string(what), std::string(text)));
}

std::string cellName(int column, int row) { return msg::cellName(column, row); }

}  // namespace meshcond::ui
