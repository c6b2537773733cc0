// A string grid of the dialogs: row 0 is the fixed header row (shown in the
// table's header, so it stays when the rows scroll), columns before
// `fixedColumns` are fixed, the other cells are typed in. The dialogs copy
// its texts into a CellGrid for their logic and show the result again.
#pragma once

#include <QTableWidget>
#include <functional>
#include <initializer_list>
#include <string>

#include "meshcond/interaction/cell_grid.h"

namespace meshcond::ui {

class GridTable : public QTableWidget {
 public:
  GridTable(QWidget* parent, int fixedColumns);

  /// Shows the grid's texts (row and column counts included).
  void load(const CellGrid& grid);
  /// The texts shown.
  CellGrid texts() const;
  /// Widths of columns 0, 1, ... in pixels.
  void setColumnWidths(std::initializer_list<int> widths);
  void setText(int column, int row, const std::string& text);
  std::string text(int column, int row) const;
  /// Shows the texts of row 0 in the header and hides the row itself.
  void showHeader();

  /// Called with the cell the selection leaves (column, row).
  std::function<void(int, int)> onLeave;
  /// Where Enter moves from a cell; nothing leaves the default (down).
  std::function<CellPosition(CellPosition)> onEnter;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  /// Moving the current cell commits an open editor first, then reports
  /// the cell left.
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  void moveOnEnter();
  QTableWidgetItem* itemAt(int column, int row);
  int fixedColumns_;
};

}  // namespace meshcond::ui
