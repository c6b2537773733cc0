// The dialogs' string grids.
#include "meshcond/ui/dialogs/grid_table.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "meshcond/ui/dialogs/condition_dialog.h"

namespace meshcond::ui {

GridTable::GridTable(QWidget* parent, int fixedColumns)
    : QTableWidget(parent), fixedColumns_(fixedColumns) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(24);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
}

QTableWidgetItem* GridTable::itemAt(int column, int row) {
  QTableWidgetItem* cell = item(row, column);
  if (!cell) {
    cell = new QTableWidgetItem;
    if (row == 0 || column < fixedColumns_) {
      cell->setFlags(Qt::ItemIsEnabled);
      cell->setBackground(palette().button());
    }
    setItem(row, column, cell);
  }
  return cell;
}

void GridTable::setColumnWidths(std::initializer_list<int> widths) {
  int column = 0;
  for (int width : widths) setColumnWidth(column++, width);
}

void GridTable::setText(int column, int row, const std::string& text) {
  itemAt(column, row)->setText(toQString(text));
}

std::string GridTable::text(int column, int row) const {
  const QTableWidgetItem* cell = item(row, column);
  return cell ? toUtf8(cell->text()) : std::string();
}

void GridTable::load(const CellGrid& grid) {
  setColumnCount(grid.columnCount());
  setRowCount(grid.rowCount());
  for (int row = 0; row < grid.rowCount(); ++row)
    for (int column = 0; column < grid.columnCount(); ++column) {
      const std::string& wanted = grid.cell(column, row);
      QTableWidgetItem* cell = item(row, column);
      if (cell ? toUtf8(cell->text()) != wanted
               : !wanted.empty() || row == 0 || column < fixedColumns_)
        setText(column, row, wanted);
    }
}

CellGrid GridTable::texts() const {
  CellGrid grid(columnCount(), rowCount());
  for (int row = 0; row < rowCount(); ++row)
    for (int column = 0; column < columnCount(); ++column) {
      const QTableWidgetItem* cell = item(row, column);
      if (cell) grid.setCell(column, row, toUtf8(cell->text()));
    }
  return grid;
}

void GridTable::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableWidget::currentChanged(current, previous);
  if (previous.isValid() && previous.row() >= 1 && previous.column() >= fixedColumns_ && onLeave)
    onLeave(previous.column(), previous.row());
}

void GridTable::moveOnEnter() {
  CellPosition at{currentColumn(), currentRow()};
  CellPosition to = onEnter ? onEnter(at) : CellPosition{at.column, at.row + 1};
  if (to.row >= 1 && to.row < rowCount() && to.column >= 0 && to.column < columnCount())
    setCurrentCell(to.row, to.column);
}

// Enter typed in a cell's editor reaches the table too (the editor does not
// take it), so this one place moves on whether a cell is edited or not.
void GridTable::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    moveOnEnter();
    event->accept();
    return;
  }
  QTableWidget::keyPressEvent(event);
}

}  // namespace meshcond::ui
