#include "meshcond/ui/dialogs/rainfall_dialog.h"

#include <QPushButton>

#include "common/text_file.h"
#include "meshcond/interaction/series_forms.h"
#include "meshcond/model/messages.h"

namespace meshcond::ui {

RainfallDialog::RainfallDialog(AnalysisModel& model, SharedChoices& shared, UserDialogs& dialogs,
                               QWidget* parent)
    : ConditionDialog(msg::window::caption("TForm4"), 255, 290, TitleBar::CloseBox, model, shared,
                      dialogs, parent) {
  setObjectName("TForm4");
  StringGrid1 = new GridTable(this, 1);
  StringGrid1->setGeometry(8, 8, 239, 240);
  StringGrid1->load(makeRainGrid());
  StringGrid1->setColumnWidths({35, 75, 75});
  StringGrid1->onLeave = [this](int column, int row) {
    std::string text = StringGrid1->text(column, row);
    if (trimmed(text).empty()) return;
    guarded([&] { StringGrid1->setText(column, row, leaveRainCell(column, text)); });
  };
  StringGrid1->onEnter = [this](CellPosition at) {
    return nextCellOnEnter(at, 1, 3, StringGrid1->rowCount(), false);
  };
  btnOpen = button(msg::window::importButton(), 8, 258, 90);
  btnClose = button(msg::window::closeButton(), 172, 258);
  btnClose->setObjectName("btnClose");
  connect(btnOpen, &QPushButton::clicked, this, [this] { importFile(); });
  connect(btnClose, &QPushButton::clicked, this, [this] {
    CellGrid grid = StringGrid1->texts();
    if (guarded([&] { storeRainForm(grid, model_); })) accept();
  });
}

void RainfallDialog::activate() {
  CellGrid grid = StringGrid1->texts();
  activateRainForm(model_, grid);
  StringGrid1->load(grid);
  StringGrid1->setColumnWidths({35, 75, 75});
}

void RainfallDialog::importFile() {
  auto chosen = chooseFile(openDialog_);
  if (!chosen) return;
  std::vector<std::string> lines;
  if (!guarded([&] { lines = common::readTextLines(*chosen); })) return;
  CellGrid grid = StringGrid1->texts();
  guarded([&] { importRainfall(lines, *chosen, grid); });
  StringGrid1->load(grid);
}

}  // namespace meshcond::ui
