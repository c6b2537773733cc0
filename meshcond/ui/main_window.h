// The condition editor's main window (TForm1 "材質番号を振る"): tool panel,
// menus, drawing area with its scroll bars, and the eight dialogs.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "figure/figure_dialog.h"
#include "meshcond/interaction/editor.h"
#include "meshcond/interaction/file_commands.h"
#include "meshcond/model/analysis_model.h"
#include "meshcond/ui/drawing_area.h"

namespace meshcond::ui {

class ConditionDialog;

class MainWindow : public QMainWindow {
 public:
  /// dialogs shows the file dialogs and message boxes (a fake in tests).
  MainWindow(AnalysisModel& model, UserDialogs& dialogs, QWidget* parent = nullptr);
  ~MainWindow() override;

  ConditionEditor& editor() { return editor_; }
  FileCommands& files() { return files_; }
  DrawingArea* drawingArea() const { return image1_; }

  /// The complete redraw; its errors go into a message box.
  void redraw();

  /// The start-up settings: window over the work area, layout, tool.
  void applyStartupSettings();

  /// Opens one of the dialogs modally (a test can replace how).
  std::function<int(ConditionDialog&)> showDialog;

 protected:
  /// First activated: the window is framed by now, and its whole frame goes
  /// into the work area.
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  /// Narrower than the tool panel: the panel wraps into two rows.
  void resizeEvent(QResizeEvent* event) override;

 private:
  /// The frame, title bar included, fills the screen's work area.
  void placeInWorkArea();
  void createPanel(QWidget* panel);
  void createMenus();
  void layoutDrawingArea();
  void syncFromEditor();
  void syncScrollBars();
  void chooseTool(int stage);
  void chooseMode(int state);
  void openDataDialog(QAction* item, ConditionDialog& dialog);
  void editClicked();
  int runDialog(ConditionDialog& dialog);
  /// Shows a dialog modally as one undoable step named after its caption.
  void dialogStep(ConditionDialog& dialog);
  /// Undo, redo or Escape on the editor, then the window shows its state.
  void editorCommand(const std::function<void(Canvas&)>& command);
  template <class Action>
  void guarded(Action&& action);
  /// A File menu command, then the window shows the editor's state.
  template <class Result>
  void fileCommand(Result (FileCommands::*command)());

  AnalysisModel& model_;
  UserDialogs& dialogs_;
  ConditionEditor editor_;
  FileCommands files_;

  QWidget* panelMain_ = nullptr;
  DrawingArea* image1_ = nullptr;
  QScrollBar* scrollX_ = nullptr;
  QScrollBar* scrollY_ = nullptr;
  QCheckBox* chkElem_ = nullptr;
  QLabel* labelStage_ = nullptr;
  QLabel* tStatus_ = nullptr;
  QLineEdit* editMat_ = nullptr;
  QPushButton* btnEdit_ = nullptr;
  QLabel* label2_ = nullptr;
  QLineEdit* editElem_ = nullptr;
  QLineEdit* editXX_ = nullptr;
  QLineEdit* editYY_ = nullptr;
  QLabel* modeField_ = nullptr;
  QWidget* panel1_ = nullptr;
  std::vector<std::pair<QWidget*, QRect>> panelDesign_;  // each control's place in one row

  QAction* element1_ = nullptr;
  QAction* title1_ = nullptr;
  QAction* solv1_ = nullptr;
  QAction* time1_ = nullptr;
  QAction* tosui1_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* cancel_ = nullptr;

  std::unique_ptr<ConditionDialog> form2_, form3_, form4_, form5_, form6_, form7_, form8_, formFix_;
  bool syncing_ = false;
  figure::FigureRequest figureRequest_;  // the last "図の出力..." choice
  bool placed_ = false;
};

}  // namespace meshcond::ui
