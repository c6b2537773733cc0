// The dialogs' string grids.
#include "meshcond/ui/dialogs/grid_table.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include "meshcond/ui/dialogs/condition_dialog.h"

namespace meshcond::ui {

namespace {

/// Enter in a cell's editor hands the text back and closes the editor at
/// once, before the table moves on; the key then goes on to the table. (The
/// standard delegate does both later, after the move has closed the editor
/// already.)
class CellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
      int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        return false;
      }
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }
};

}  // namespace

GridTable::GridTable(QWidget* parent, int fixedColumns)
    : QTableWidget(parent), fixedColumns_(fixedColumns) {
  // Row 0 is shown as the header, which stays in place while the rows
  // scroll; the row itself is kept, hidden, so that cells keep their rows.
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->hide();
  setItemDelegate(new CellDelegate(this));
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
  if (row == 0) showHeader();
}

void GridTable::showHeader() {
  if (rowCount() > 0) setRowHidden(0, true);
  for (int column = 0; column < columnCount(); ++column) {
    QString caption = toQString(text(column, 0));
    QTableWidgetItem* header = horizontalHeaderItem(column);
    if (!header) {
      setHorizontalHeaderItem(column, new QTableWidgetItem(caption));
    } else if (header->text() != caption) {
      header->setText(caption);
    }
  }
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
  showHeader();
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
