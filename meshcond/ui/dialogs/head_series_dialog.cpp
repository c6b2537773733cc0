#include "meshcond/ui/dialogs/head_series_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "common/text_file.h"
#include "meshcond/interaction/series_forms.h"
#include "meshcond/model/messages.h"

namespace meshcond::ui {

HeadSeriesDialog::HeadSeriesDialog(AnalysisModel& model, SharedChoices& shared,
                                   UserDialogs& dialogs, QWidget* parent)
    : ConditionDialog(msg::window::caption("TForm7"), 387, 300, TitleBar::CloseBox, model, shared,
                      dialogs, parent) {
  setObjectName("TForm7");
  label(msg::window::fluctBoundaryNumber(), 8, 12);
  EditNo = edit("", 130, 8, 50);
  EditNo->setEnabled(false);
  StringGrid1 = new GridTable(this, 1);
  StringGrid1->setGeometry(8, 38, 256, 254);
  StringGrid1->load(makeLevelGrid());
  StringGrid1->setColumnWidths({35, 91, 91});
  StringGrid1->onLeave = [this](int column, int row) {
    std::string text = StringGrid1->text(column, row);
    if ((column == 1 || column == 2) && !trimmed(text).empty())
      StringGrid1->setText(column, row, leaveLevelCell(text));
  };
  StringGrid1->onEnter = [this](CellPosition at) {
    return nextCellOnEnter(at, 1, 3, StringGrid1->rowCount(), true);
  };
  btnOpen = button(msg::window::importButton(), 276, 38, 100);
  label(msg::window::offset(), 276, 84);
  EditDiff = edit("0.0", 310, 80, 66);
  tnClose = button(msg::window::closeButton(), 290, 266);
  tnClose->setObjectName("tnClose");
  connect(btnOpen, &QPushButton::clicked, this, [this] { importFile(); });
  connect(tnClose, &QPushButton::clicked, this, [this] {
    CellGrid grid = StringGrid1->texts();
    if (guarded([&] { storeLevelForm(grid, shared_.CurFluctNo, model_); })) accept();
  });
}

void HeadSeriesDialog::activate() {
  EditNo->setText(QString::number(shared_.CurFluctNo));
  CellGrid grid = StringGrid1->texts();
  activateLevelForm(model_, shared_.CurFluctNo, grid);
  StringGrid1->load(grid);
  StringGrid1->setColumnWidths({35, 91, 91});
}

void HeadSeriesDialog::importFile() {
  double offset = 0;
  if (!guarded([&] { offset = realIn(toUtf8(EditDiff->text()), msg::window::offset()); })) return;
  auto chosen = chooseFile(openDialog_);
  if (!chosen) return;
  std::vector<std::string> lines;
  if (!guarded([&] { lines = common::readTextLines(*chosen); })) return;
  CellGrid grid = StringGrid1->texts();
  guarded([&] { importLevels(lines, *chosen, offset, grid); });
  StringGrid1->load(grid);
}

}  // namespace meshcond::ui
