// The condition editor's dialogs as widgets, headless: what they show when
// opened, what "閉じる" stores, and what the close box does not.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "common/errors.h"
#include "meshcond/interaction/drawing.h"
#include "meshcond/ui/dialogs/analysis_dialog.h"
#include "meshcond/ui/dialogs/fixed_level_dialog.h"
#include "meshcond/ui/dialogs/grid_table.h"
#include "meshcond/ui/dialogs/head_series_dialog.h"
#include "meshcond/ui/dialogs/initial_level_dialog.h"
#include "meshcond/ui/dialogs/permeability_dialog.h"
#include "meshcond/ui/dialogs/rainfall_dialog.h"
#include "meshcond/ui/dialogs/time_dialog.h"
#include "meshcond/ui/dialogs/title_dialog.h"
#include "meshcond/ui/main_window.h"

namespace meshcond::ui {
namespace {

/// Records the messages and answers file choices with a prepared path.
struct FakeDialogs : UserDialogs {
  std::vector<std::string> messages;
  std::vector<std::string> filters;
  std::optional<std::string> file;

  std::optional<std::string> openFile(const FileDialogSettings& settings) override {
    filters.push_back(settings.filter);
    return file;
  }
  std::optional<std::string> saveFile(const FileDialogSettings&) override { return {}; }
  void message(const std::string& text) override { messages.push_back(text); }
  UnsavedAnswer askUnsaved(const std::string&) override { return UnsavedAnswer::Discard; }
};

std::string text(const QLineEdit* edit) { return edit->text().toStdString(); }

/// A CSV file in the temporary folder, removed at the end of the test.
class TempFile {
 public:
  TempFile(const std::string& name, const std::string& bytes)
      : path_((std::filesystem::temp_directory_path() / name).string()) {
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  ~TempFile() { std::remove(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

TEST(TitleDialog, ShowsTheTitleAndStoresItOnClose) {
  AnalysisModel model;
  model.TITLE = "堤防断面";
  FakeDialogs fake;
  SharedChoices shared;
  TitleDialog dialog(model, shared, fake, nullptr);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "タイトル");
  EXPECT_EQ(text(dialog.EditTitle), "堤防断面");
  EXPECT_EQ(dialog.EditTitle->width(), 400);
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  dialog.EditTitle->setText("新しい断面");
  QTest::mouseClick(dialog.btnClose, Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(model.TITLE, "新しい断面");
}

TEST(AnalysisDialog, ShowsTheChoicesAndStoresThem) {
  AnalysisModel model;
  model.IANAL = 2;
  model.ISTEADY = 1;
  model.IFORM = 1;
  model.ISOLV = 1;
  model.MAXITO = 20;
  model.IPAR1 = 4;
  FakeDialogs fake;
  SharedChoices shared;
  AnalysisDialog dialog(model, shared, fake, nullptr);
  dialog.show();
  EXPECT_TRUE(dialog.rdbDanmen->isChecked());
  EXPECT_TRUE(dialog.rdbTeijyo->isChecked());
  EXPECT_TRUE(dialog.rdbFig1->isChecked());
  EXPECT_TRUE(dialog.rdbPCG->isChecked());
  EXPECT_EQ(text(dialog.EditMAXITO), "20");

  QTest::mouseClick(dialog.rdbHiteijyo, Qt::LeftButton);
  QTest::mouseClick(dialog.rdbGauss, Qt::LeftButton);
  dialog.EditMAXIT->setText("x");
  dialog.btnClose->click();
  EXPECT_TRUE(dialog.isVisible());  // stays open after the conversion error
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_NE(fake.messages[0].find("最大繰り返し回数"), std::string::npos);
  EXPECT_EQ(model.ISTEADY, -1);  // the steps before the error stay stored

  dialog.EditMAXIT->setText("200");
  dialog.btnClose->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(model.ISOLV, 0);
  EXPECT_EQ(model.MAXIT, 200);
  EXPECT_EQ(model.IPAR1, 0);
}

TEST(AnalysisDialog, CloseBoxStoresNothing) {
  AnalysisModel model;
  model.ISTEADY = 1;
  FakeDialogs fake;
  SharedChoices shared;
  AnalysisDialog dialog(model, shared, fake, nullptr);
  dialog.show();
  dialog.rdbHiteijyo->click();
  dialog.close();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(model.ISTEADY, 1);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(TimeDialog, LeavingABoxStoresItAndCalculateFillsTheGrid) {
  AnalysisModel model;
  model.ISOLV = 0;
  model.TSOLV = 1e-8;
  FakeDialogs fake;
  SharedChoices shared;
  TimeDialog dialog(model, shared, fake, nullptr);
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  EXPECT_FALSE(dialog.EditTSOLV->isEnabled());
  EXPECT_FALSE(dialog.EditITMAX->isEnabled());
  EXPECT_EQ(text(dialog.EditTOL), "     0.000");
  EXPECT_EQ(dialog.StringGrid1->text(0, 0), "時間");
  EXPECT_EQ(dialog.StringGrid1->rowCount(), 10);

  dialog.EditTOL->setFocus();
  dialog.EditTOL->selectAll();
  QTest::keyClicks(dialog.EditTOL, "0.5");
  QTest::keyClick(dialog.EditTOL, Qt::Key_Return);
  EXPECT_DOUBLE_EQ(model.TOL, 0.005);
  EXPECT_EQ(text(dialog.EditTOL), "     0.500");

  dialog.EditStart->setText("0");
  dialog.EditEnd->setText("1");
  dialog.EditPitch->setText("0.3");
  dialog.btnCalc->click();
  EXPECT_EQ(dialog.StringGrid1->text(0, 5), "    1.000");
  dialog.EditPitch->setText("0");
  dialog.btnCalc->click();
  EXPECT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(dialog.StringGrid1->text(0, 5), "    1.000");

  for (QLineEdit* edit : {dialog.EditDT, dialog.EditDTMAX, dialog.EditDMUL, dialog.EditTMAX})
    edit->setText("2");
  dialog.btnClose->click();
  EXPECT_FALSE(dialog.isVisible());
  ASSERT_EQ(model.NOUT, 5);
  EXPECT_DOUBLE_EQ(model.TOUT[2], 0.3);
  EXPECT_EQ(model.TSOLV, 1e-8);

  model.ISOLV = 1;
  dialog.show();
  EXPECT_TRUE(dialog.EditTSOLV->isEnabled());
  EXPECT_EQ(text(dialog.EditTSOLV), " 1.00E-006");
  EXPECT_EQ(dialog.StringGrid1->rowCount(), 15);
}

TEST(TimeDialog, LeavingAGridCellReformatsIt) {
  AnalysisModel model;
  FakeDialogs fake;
  SharedChoices shared;
  TimeDialog dialog(model, shared, fake, nullptr);
  dialog.show();
  dialog.StringGrid1->setCurrentCell(1, 0);
  dialog.StringGrid1->setText(0, 1, "2");
  dialog.StringGrid1->setCurrentCell(2, 0);
  EXPECT_EQ(dialog.StringGrid1->text(0, 1), "     2.000");
  dialog.StringGrid1->setText(0, 2, "soon");
  dialog.StringGrid1->setCurrentCell(3, 0);
  EXPECT_EQ(dialog.StringGrid1->text(0, 2), "");
}

/// Runs exec() with `during` run inside its event loop.
int execWith(QDialog& dialog, const std::function<void()>& during) {
  QTimer::singleShot(0, &dialog, during);
  return dialog.exec();
}

TEST(PermeabilityDialog, ShowsMetresPerSecondSwitchesUnitsAndStores) {
  AnalysisModel model;
  model.NUMEL = 2;
  model.MAT[1] = 1;
  model.MAT[2] = 2;
  model.KH[1] = 3.6;
  model.setSoilCurves(2, SoilType::Sand);
  FakeDialogs fake;
  SharedChoices shared;
  PermeabilityDialog dialog(model, shared, fake, nullptr);
  int result = execWith(dialog, [&] {
    GridTable* grid = dialog.StringGrid1;
    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->columnWidth(1), 100);
    EXPECT_EQ(grid->rowHeight(1), 30);
    EXPECT_EQ(grid->text(1, 0), "透水係数(kh)");
    EXPECT_EQ(grid->text(1, 1), "  1.000E-003");
    EXPECT_EQ(grid->text(5, 1), "G");
    EXPECT_EQ(grid->text(5, 2), "S");
    EXPECT_TRUE(dialog.rdbMSec->isChecked());
    QTest::mouseClick(dialog.rdbCmSec, Qt::LeftButton);
    EXPECT_EQ(grid->text(1, 1), "  1.000E-001");
    QTest::mouseClick(dialog.rdbCmSec, Qt::LeftButton);  // already selected
    EXPECT_EQ(grid->text(1, 1), "  1.000E-001");
    grid->setCurrentCell(2, 5);
    grid->setText(5, 2, "m");
    grid->setCurrentCell(1, 5);
    EXPECT_EQ(grid->text(5, 2), "M");
    dialog.btnClose->click();
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_DOUBLE_EQ(model.KH[1], 3.6);
  EXPECT_EQ(model.THPSI[2][1], 0.059);

  // Each opening starts in m/sec again.
  execWith(dialog, [&] {
    EXPECT_TRUE(dialog.rdbMSec->isChecked());
    EXPECT_EQ(dialog.StringGrid1->text(1, 1), "  1.000E-003");
    dialog.close();
  });
}

/// The warnings Qt prints while it lives.
class QtWarnings {
 public:
  QtWarnings() { previous_ = qInstallMessageHandler(&QtWarnings::record); }
  ~QtWarnings() { qInstallMessageHandler(previous_); }
  static std::vector<std::string>& recorded() {
    static std::vector<std::string> texts;
    return texts;
  }

 private:
  static void record(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtWarningMsg) recorded().push_back(text.toStdString());
  }
  QtMessageHandler previous_;
};

/// Types text into the cell's editor and ends it with Enter.
void typeIntoCell(GridTable* grid, int column, int row, const char* text) {
  grid->setCurrentCell(row, column);
  grid->editItem(grid->item(row, column));
  // Editors closed before wait for the event loop to delete them: take the open one.
  QLineEdit* editor = nullptr;
  for (auto* candidate : grid->viewport()->findChildren<QLineEdit*>())
    if (candidate->isVisible()) editor = candidate;
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  QCoreApplication::processEvents();
}

TEST(PermeabilityDialog, EnterInACellEditorStoresReformatsAndMovesOneCell) {
  AnalysisModel model;
  model.NUMEL = 2;
  model.MAT[1] = 1;
  model.MAT[2] = 2;
  FakeDialogs fake;
  SharedChoices shared;
  PermeabilityDialog dialog(model, shared, fake, nullptr);
  QtWarnings warnings;
  QtWarnings::recorded().clear();
  execWith(dialog, [&] {
    GridTable* grid = dialog.StringGrid1;
    typeIntoCell(grid, 1, 1, "1e-5");
    EXPECT_EQ(grid->currentColumn(), 2);
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->text(1, 1), "  1.000E-005");
    typeIntoCell(grid, 5, 1, "s");  // the last column: on to column 1 of row 2
    EXPECT_EQ(grid->currentColumn(), 1);
    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_EQ(grid->text(5, 1), "S");
    typeIntoCell(grid, 5, 2, "m");  // the last row: back to row 1
    EXPECT_EQ(grid->currentColumn(), 1);
    EXPECT_EQ(grid->currentRow(), 1);
    dialog.btnClose->click();
  });
  EXPECT_DOUBLE_EQ(model.KH[1], 0.036);
  EXPECT_EQ(model.THPSI[1][1], 0.119);
  EXPECT_EQ(model.THPSI[2][1], 0.059);
  EXPECT_TRUE(fake.messages.empty());
  // The editor is handed back before the move, not after it.
  EXPECT_EQ(QtWarnings::recorded(), std::vector<std::string>{});
}

TEST(GridTable, TheHeaderRowStaysInPlaceWhenTheRowsScroll) {
  CellGrid texts(3, 200);
  texts.setCell(0, 0, "No");
  texts.setCell(1, 0, "時間");
  texts.setCell(2, 0, "水位(m)");
  for (int row = 1; row < 200; ++row) texts.setCell(0, row, std::to_string(row));
  GridTable grid(nullptr, 1);
  grid.resize(250, 200);
  grid.load(texts);
  grid.show();
  grid.scrollToBottom();
  QCoreApplication::processEvents();
  EXPECT_TRUE(grid.horizontalHeader()->isVisible());
  EXPECT_TRUE(grid.isRowHidden(0));
  EXPECT_GT(grid.verticalScrollBar()->value(), 0);
  for (int column = 0; column < 3; ++column)
    EXPECT_EQ(grid.model()->headerData(column, Qt::Horizontal).toString().toStdString(),
              texts.cell(column, 0));
  // Changing a heading shows the new one; the cells keep their rows.
  grid.setText(1, 0, "時刻");
  EXPECT_EQ(grid.horizontalHeaderItem(1)->text(), "時刻");
  EXPECT_EQ(grid.text(0, 5), "5");
}

TEST(EditMat, TakesTheRightAlignedLevelOfTheFixedLevelList) {
  EXPECT_EQ(editMatReal(" 12.500", "固定水位"), 12.5);
  EXPECT_EQ(editMatInteger("  3 ", "材質番号"), 3);
  EXPECT_THROW(editMatReal("12,5", "固定水位"), common::ConversionError);
}

TEST(PermeabilityDialog, AMaterialAboveTheCapacityKeepsItClosed) {
  AnalysisModel model;
  model.NUMEL = 1;
  model.MAT[1] = 250;
  FakeDialogs fake;
  SharedChoices shared;
  PermeabilityDialog dialog(model, shared, fake, nullptr);
  EXPECT_EQ(dialog.exec(), QDialog::Rejected);
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_NE(fake.messages[0].find("材料 250"), std::string::npos);
}

TEST(RainfallDialog, ImportsACsvAndStoresOnClose) {
  AnalysisModel model;
  TempFile csv("meshcond_rain_test.csv",
               "\x8e\x9e\x8a\xd4,\x89\x4a\r\n0,10\r\n1,20\r\n,\r\n3,30\r\n");
  FakeDialogs fake;
  SharedChoices shared;
  fake.file = csv.path();
  RainfallDialog dialog(model, shared, fake, nullptr);
  dialog.show();
  EXPECT_EQ(dialog.StringGrid1->rowCount(), 500);
  EXPECT_EQ(dialog.StringGrid1->text(1, 0), " 時間");
  EXPECT_EQ(dialog.StringGrid1->columnWidth(2), 75);
  dialog.btnOpen->click();
  ASSERT_EQ(fake.filters.size(), 1u);
  EXPECT_EQ(fake.filters[0], "降雨データ(*.CSV)|*.CSV");
  // The fourth line ", " has two empty fields: the time does not convert.
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_NE(fake.messages[0].find("4 行目"), std::string::npos) << fake.messages[0];
  EXPECT_EQ(dialog.StringGrid1->rowCount(), 15);
  EXPECT_EQ(dialog.StringGrid1->text(2, 2), "  20.000");

  dialog.close();  // the close box stores nothing
  EXPECT_EQ(model.NRTIME, 0);
  dialog.show();
  dialog.btnClose->click();
  EXPECT_FALSE(dialog.isVisible());
  ASSERT_EQ(model.NRTIME, 2);
  EXPECT_DOUBLE_EQ(model.RAIN[2], 0.020);
}

TEST(HeadSeriesDialog, ImportsWithTheOffsetAndStoresTheBoundarysSeries) {
  AnalysisModel model;
  TempFile csv("meshcond_level_test.csv", "time,level\r\n0,10\r\n5,12.5\r\n");
  FakeDialogs fake;
  SharedChoices shared;
  fake.file = csv.path();
  shared.CurFluctNo = 2;
  HeadSeriesDialog dialog(model, shared, fake, nullptr);
  dialog.show();
  EXPECT_EQ(text(dialog.EditNo), "2");
  EXPECT_FALSE(dialog.EditNo->isEnabled());
  EXPECT_EQ(text(dialog.EditDiff), "0.0");
  dialog.EditDiff->setText("1.5");
  dialog.btnOpen->click();
  EXPECT_TRUE(fake.messages.empty());
  EXPECT_EQ(fake.filters.at(0), "水位データ(*.CSV)|*.CSV");
  EXPECT_EQ(dialog.StringGrid1->text(1, 2), "     5.000");
  EXPECT_EQ(dialog.StringGrid1->text(2, 2), "    14.000");
  dialog.tnClose->click();
  EXPECT_FALSE(dialog.isVisible());
  ASSERT_EQ(model.NFT[2], 2);
  EXPECT_EQ(model.FLEV[2][1], 11.5);

  shared.CurFluctNo = 30;  // no room for a series: refused, the dialog stays open
  dialog.show();
  dialog.tnClose->click();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(fake.messages.size(), 1u);
  dialog.close();
}

TEST(FixedLevelDialog, ClickingALineChoosesTheGroup) {
  AnalysisModel model;
  model.NFIXWL = 1;
  model.FIXWL[1] = 10.0;
  FakeDialogs fake;
  SharedChoices shared;
  FixedLevelDialog dialog(model, shared, fake, nullptr);
  dialog.show();
  dialog.EditWL->setText("12.5");
  dialog.Button1->click();
  dialog.EditWL->setText("high");
  dialog.Button1->click();
  EXPECT_EQ(fake.messages.size(), 1u);
  ASSERT_EQ(dialog.ListFix->count(), 2);
  EXPECT_EQ(dialog.ListFix->item(1)->text(), " 12.500");
  QRect second = dialog.ListFix->visualItemRect(dialog.ListFix->item(1));
  QTest::mouseClick(dialog.ListFix->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(shared.CurFixGroup, 2);
  EXPECT_EQ(shared.CurFixLevel, 12.5);
  QTest::mouseClick(dialog.ListFix->viewport(), Qt::LeftButton, {}, QPoint(5, 80));
  EXPECT_EQ(shared.CurFixGroup, 2);
  dialog.btnClose->click();
  EXPECT_EQ(model.NFIXWL, 2);
  EXPECT_EQ(model.FIXWL[2], 12.5);
}

TEST(InitialLevelDialog, GivesTheTypedLevelOrTheFilesLevels) {
  AnalysisModel model;
  model.NUMNP = 3;
  model.NFIXWL = 1;
  model.FIXWL[1] = 8;
  model.IFIXG[3] = 1;
  TempFile csv("meshcond_initial_test.csv", "node,level\r\n2,4.25\r\n");
  FakeDialogs fake;
  SharedChoices shared;
  InitialLevelDialog dialog(model, shared, fake, nullptr);
  dialog.show();
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  dialog.EditWL->setText("12.5");
  dialog.btnClose->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(model.H[1], 12.5);
  EXPECT_EQ(model.H[3], 8);
  EXPECT_EQ(model.KODE[3], 1);

  fake.file = csv.path();
  dialog.show();
  dialog.btnOpen->click();
  EXPECT_EQ(fake.filters.at(0), "初期水位(*.csv)|*.csv");
  EXPECT_EQ(text(dialog.EditFirstPw), csv.path());
  dialog.btnClose->click();
  EXPECT_EQ(model.H[1], 12.5);
  EXPECT_EQ(model.H[2], 4.25);

  // A new showing forgets the file (the box still shows its name). The free
  // nodes now stand at two levels, so the level box opens empty and closing
  // it changes no level.
  dialog.show();
  EXPECT_TRUE(dialog.FileName.empty());
  EXPECT_EQ(text(dialog.EditFirstPw), csv.path());
  EXPECT_EQ(text(dialog.EditWL), "");
  dialog.btnClose->click();
  EXPECT_EQ(model.H[1], 12.5);
  EXPECT_EQ(model.H[2], 4.25);

  // One level for all free nodes is shown; the close box cancels.
  dialog.EditWL->setText("3");
  dialog.btnClose->click();
  dialog.show();
  EXPECT_EQ(text(dialog.EditWL), "3.000");
  dialog.EditWL->setText("20");
  dialog.close();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(model.H[1], 3);
}

TEST(ConditionWindow, OpensEachDialogFromTheMenuAndClosesItWithTheCloseButton) {
  AnalysisModel model;
  model.MAXITO = 30;
  FakeDialogs fake;
  MainWindow window(model, fake);
  std::vector<std::string> shown;
  window.showDialog = [&](ConditionDialog& dialog) {
    QTimer::singleShot(0, &dialog, [&dialog, &shown] {
      shown.push_back(dialog.objectName().toStdString() + " " + dialog.windowTitle().toStdString());
      auto* close =
          dialog.findChild<QPushButton*>(dialog.objectName() == "TForm7" ? "tnClose" : "btnClose");
      ASSERT_NE(close, nullptr);
      close->click();
    });
    return dialog.exec();
  };
  auto menu = [&](const char* name) {
    auto* action = window.findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
  };
  auto edit = [&] { window.findChild<QPushButton*>("btnEdit")->click(); };

  menu("TITLE1");
  menu("SOLV1");
  menu("TIME1");
  menu("TOSUI1");
  menu("SYOKI1");
  menu("FIXWL1");
  edit();
  menu("RAIN1");
  edit();
  menu("FLOATWL1");
  edit();
  const std::vector<std::string> expected = {
      "TForm2 タイトル",       "TForm3 解析条件の入力",   "TForm5 時間・誤差の入力",
      "TForm6 透水係数の設定", "TForm8 初期水位の設定",   "TFormFix 固定水位",
      "TForm4 降雨強度関係",   "TForm7 水頭掲示変化入力",
  };
  EXPECT_EQ(shown, expected);
  EXPECT_TRUE(fake.messages.empty()) << fake.messages.front();
  EXPECT_EQ(model.MAXITO, 30);
  EXPECT_EQ(model.IPAR2, 1);  // the analysis dialog stored its values
  EXPECT_EQ(model.NFT[1], 0);
  EXPECT_TRUE(window.editor().modified());
}

}  // namespace
}  // namespace meshcond::ui
