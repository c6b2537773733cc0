// The mesh maker's main window "線を引く": tool bar, menus, drawing surface
// with its scroll bars and the status panel. The widgets forward their events
// to LineEditor and FileCommands and show the state those keep.
#pragma once

#include <QMainWindow>
#include <QWidget>
#include <functional>
#include <memory>

#include "figure/figure_dialog.h"
#include "linemesh/interaction/dialogs.h"
#include "linemesh/interaction/file_commands.h"
#include "linemesh/interaction/line_editor.h"
#include "linemesh/interaction/view.h"
#include "linemesh/model/network.h"
#include "linemesh/ui/qt_canvas.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QToolBar;

namespace linemesh::ui {

/// The drawing surface: shows the off-screen image and passes the mouse on.
class SurfaceWidget : public QWidget {
 public:
  SurfaceWidget(QtCanvas& canvas, QWidget* parent);

  std::function<void(int, int, MouseButton)> pressed;
  std::function<void(int, int, MouseButton)> released;
  std::function<void(int, int)> moved;
  /// Notches of the wheel, positive away from the user.
  std::function<void(int, int, double)> wheeled;
  std::function<void(int, int)> resized;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QtCanvas& canvas_;
};

class MainWindow : public QMainWindow {
 public:
  /// With no dialogs given, the real file dialogs and message boxes are used.
  explicit MainWindow(std::unique_ptr<Dialogs> dialogs = nullptr);
  ~MainWindow() override;

  /// Opens a file named on the command line; an error is shown as a message.
  void openFile(const std::string& path);

  LineNetwork& network() { return net_; }
  View& view() { return view_; }
  LineEditor& editor() { return editor_; }
  FileCommands& files() { return files_; }
  QtCanvas& canvas() { return canvas_; }
  SurfaceWidget* surface() const { return surface_; }
  QToolBar* toolBar() const { return toolBar_; }
  QScrollBar* horzScrollBar() const { return horzBar_; }
  QScrollBar* vertScrollBar() const { return vertBar_; }

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  /// The whole frame in the top left corner of the screen's work area, filling it.
  void placeInWorkArea();
  void buildMenus();
  void buildToolBar();
  QWidget* buildPanel();
  QAction* addAction(QWidget* to, const char* name, const QString& caption,
                     std::function<void()> handler);
  /// Runs a handler; an error is shown in a message box and the program goes on.
  void run(const std::function<void()>& handler);
  /// Shows the editor's state in the widgets.
  void sync();
  /// After a formation: the elements, then what it left out in a message.
  void showFormation();
  /// "自動メッシュ...": the dialog, then meshing every face or picking faces.
  void autoMeshClick();
  /// Meshes (busy cursor meanwhile) and shows the formation and any warning.
  void autoMesh(const std::function<AutoMeshResult()>& mesh);

  LineNetwork net_;
  QtCanvas canvas_;
  View view_;
  LineEditor editor_;
  std::unique_ptr<Dialogs> dialogs_;
  FileCommands files_;

  SurfaceWidget* surface_ = nullptr;
  QWidget* box_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QScrollBar* horzBar_ = nullptr;
  QScrollBar* vertBar_ = nullptr;
  QLabel *lblXPos_ = nullptr, *lblYPos_ = nullptr, *lblSnap_ = nullptr, *lblConnect_ = nullptr;
  QLabel *label5_ = nullptr, *labelNode_ = nullptr, *labelElement_ = nullptr;
  QLineEdit *editXo_ = nullptr, *editYo_ = nullptr, *editX1_ = nullptr, *editY1_ = nullptr;
  QPushButton* btnLine2_ = nullptr;
  QAction *undo_ = nullptr, *redo_ = nullptr, *cancel_ = nullptr;
  QLabel* lblStatus_ = nullptr;
  AutoMeshChoice autoMeshChoice_;
  int shownCursor_ = 0;
  bool placed_ = false;                  // placed again with its frame, when first activated
  figure::FigureRequest figureRequest_;  // the last "図の出力..." choice
};

}  // namespace linemesh::ui
