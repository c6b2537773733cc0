#include "linemesh/ui/main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <exception>

#include "desktop/cursors.h"
#include "desktop/work_area.h"
#include "linemesh/model/messages.h"
#include "linemesh/ui/line_figure.h"
#include "linemesh/ui/qt_dialogs.h"

namespace linemesh::ui {
namespace {

/// A widget's caption from the program's table, by the widget's name.
QString cap(const char* name) { return QString::fromUtf8(text::caption(name)); }

}  // namespace

// ---- drawing surface ------------------------------------------------------

SurfaceWidget::SurfaceWidget(QtCanvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
  setObjectName("Image1");
  setMouseTracking(true);
  setMinimumSize(100, 100);
  setFocusPolicy(Qt::ClickFocus);  // keys while picking faces
}

void SurfaceWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, canvas_.image());
}

namespace {

MouseButton buttonOf(Qt::MouseButton b) {
  if (b == Qt::LeftButton) return MouseButton::Left;
  if (b == Qt::RightButton) return MouseButton::Right;
  return MouseButton::Middle;
}

}  // namespace

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (pressed) pressed(pos.x(), pos.y(), buttonOf(event->button()));
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (moved) moved(pos.x(), pos.y());
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (released) released(pos.x(), pos.y(), buttonOf(event->button()));
}

void SurfaceWidget::wheelEvent(QWheelEvent* event) {
  const QPoint pos = event->position().toPoint();
  const double notches = event->angleDelta().y() / 120.0;
  if (wheeled && notches != 0.0) wheeled(pos.x(), pos.y(), notches);
  event->accept();
}

void SurfaceWidget::resizeEvent(QResizeEvent*) {
  if (resized) resized(width(), height());
}

// ---- main window ----------------------------------------------------------

MainWindow::MainWindow(std::unique_ptr<Dialogs> dialogs)
    : canvas_(1000, 400),
      view_(net_, canvas_),
      editor_(net_, view_, canvas_),
      dialogs_(dialogs ? std::move(dialogs) : std::make_unique<QtDialogs>(this)),
      files_(net_, editor_, *dialogs_) {
  setWindowTitle(cap("Form1"));
  buildMenus();
  buildToolBar();

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  box_ = new QWidget(central);
  box_->setObjectName("ScrollBox1");
  auto* grid = new QGridLayout(box_);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  surface_ = new SurfaceWidget(canvas_, box_);
  horzBar_ = new QScrollBar(Qt::Horizontal, box_);
  horzBar_->setObjectName("HorzScrollBar");
  vertBar_ = new QScrollBar(Qt::Vertical, box_);
  vertBar_->setObjectName("VertScrollBar");
  for (QScrollBar* bar : {horzBar_, vertBar_}) bar->setRange(0, 100);
  grid->addWidget(surface_, 0, 0);
  grid->addWidget(vertBar_, 0, 1);
  grid->addWidget(horzBar_, 1, 0);
  layout->addWidget(box_, 1);
  layout->addWidget(buildPanel());
  setCentralWidget(central);
  // The status line on a row of its own under the panel, wide enough for the
  // path of a file written; a longer text is cut, never widening the window.
  lblStatus_ = new QLabel(this);
  lblStatus_->setObjectName("lblStatus");
  lblStatus_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  statusBar()->addWidget(lblStatus_, 1);

  surface_->pressed = [this](int x, int y, MouseButton b) {
    run([&] { editor_.buttonPressed(x, y, b); });
  };
  surface_->released = [this](int x, int y, MouseButton b) {
    run([&] { editor_.buttonReleased(x, y, b); });
  };
  surface_->wheeled = [this](int x, int y, double notches) {
    run([&] { editor_.wheel(x, y, notches); });
  };
  surface_->moved = [this](int x, int y) { run([&] { editor_.mouseMove(x, y); }); };
  surface_->resized = [this](int w, int h) {
    canvas_.resize(w, h);
    view_.setBoxSize(box_->width(), box_->height());
    run([&] { editor_.redraw(); });
  };
  connect(horzBar_, &QScrollBar::valueChanged, this,
          [this](int v) { run([&] { editor_.HorzScrollBarChange(v); }); });
  connect(vertBar_, &QScrollBar::valueChanged, this,
          [this](int v) { run([&] { editor_.VertScrollBarChange(v); }); });

  placeInWorkArea();
  run([&] { editor_.start(); });
}

void MainWindow::placeInWorkArea() { desktop::fillWorkArea(*this); }

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !placed_) {
    // First activated: framed by now, so the whole frame goes into the work area.
    placed_ = true;
    placeInWorkArea();
  }
  return QMainWindow::event(event);
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::addAction(QWidget* to, const char* name, const QString& caption,
                               std::function<void()> handler) {
  auto* action = new QAction(caption, this);
  action->setObjectName(name);
  to->addAction(action);
  if (handler) {
    connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
  }
  return action;
}

void MainWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu(cap("FileF1"));
  file->setObjectName("FileF1");
  QAction* load = addAction(file, "Load1", cap("Load1"), [this] { files_.Load1Click(); });
  load->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  addAction(file, "MESHDAT1", cap("MESHDAT1"), [this] { files_.MESHDAT1Click(); });
  QAction* save = addAction(file, "Save1", cap("Save1"), [this] { files_.Save1Click(); });
  save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  addAction(file, "M2W1", cap("M2W1"), [this] { files_.M2W1Click(); });
  addAction(file, "M3WPlot1", cap("M3WPlot1"), [this] { files_.M3WPlot1Click(); });
  file->addSeparator();
  addAction(file, "Yoso1", cap("Yoso1"), [this] {
    editor_.Yoso1Click();
    showFormation();
  });
  addAction(file, "AutoMesh1", cap("AutoMesh1"), [this] { autoMeshClick(); });
  addAction(file, "Plot1", cap("Plot1"), [this] { files_.Plot1Click(); });
  addAction(file, "Figure1", QString::fromUtf8(figure::kMenuCaption), [this] {
    figure::exportFigure(this, figureRequest_, [this] {
      return lineFigure(net_, shownBy(view_), figure::fileTitle(files_.MeshName));
    });
  });
  QMenu* dat = file->addMenu(cap("DAT1"));
  dat->setObjectName("DAT1");
  addAction(dat, "Mesh1", cap("Mesh1"), [this] { files_.Mesh1Click(); });
  dat->addSeparator();
  addAction(dat, "ZEPAN1", cap("ZEPAN1"), nullptr);
  addAction(dat, "VOKA1", cap("VOKA1"), [this] { files_.VOKA1Click(); });
  file->addSeparator();
  QAction* exit = addAction(file, "Exit1", cap("Exit1"), nullptr);
  exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(exit, &QAction::triggered, this, &QWidget::close);

  // 編集(&E) between the documented menus: undo and redo of the network's steps.
  QMenu* editMenu = menuBar()->addMenu(cap("Edit1"));
  editMenu->setObjectName("Edit1");
  undo_ = addAction(editMenu, "Undo1", cap("Undo1"), [this] { editor_.undo(); });
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redo_ = addAction(editMenu, "Redo1", cap("Redo1"), [this] { editor_.redo(); });
  redo_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  // Escape ends what is in progress, wherever the focus is.
  cancel_ = addAction(this, "Cancel1", cap("Cancel1"), [this] { editor_.escape(); });
  cancel_->setShortcut(QKeySequence(Qt::Key_Escape));
  cancel_->setShortcutContext(Qt::WindowShortcut);

  // 表示(&V): element numbers, unreadable on a dense mesh, can be hidden.
  QMenu* viewMenu = menuBar()->addMenu(cap("View1"));
  viewMenu->setObjectName("View1");
  addAction(viewMenu, "ElementNumbers1", cap("ElementNumbers1"), [this] {
    editor_.switchNumbers();
  })->setCheckable(true);

  QMenu* parts = menuBar()->addMenu(cap("Devide1"));
  parts->setObjectName("Devide1");
  auto* group = new QActionGroup(this);
  static const char* const kNames[] = {"Dev2", "Dev3", "Dev4", "Dev5", "Dev6",
                                       "Dev7", "Dev8", "Dev9", "Dev10"};
  for (int n = 2; n <= 10; ++n) {
    QAction* a =
        addAction(parts, kNames[n - 2], cap(kNames[n - 2]), [this, n] { editor_.setDevNum(n); });
    a->setCheckable(true);
    group->addAction(a);
  }
}

void MainWindow::buildToolBar() {
  toolBar_ = addToolBar(QStringLiteral("ToolBar1"));
  toolBar_->setObjectName("ToolBar1");
  toolBar_->setMovable(false);
  toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  auto add = [this](const char* name, const QString& caption, std::function<void()> handler,
                    bool checkable = false) {
    QAction* a = addAction(toolBar_, name, caption, std::move(handler));
    a->setCheckable(checkable);
  };
  add(
      "btnLine", cap("btnLine"), [this] { editor_.btnLineClick(); }, true);
  add(
      "btnDel", cap("btnDel"), [this] { editor_.btnDelClick(); }, true);
  add(
      "btnDevide", cap("btnDevide"), [this] { editor_.btnDevideClick(); }, true);
  toolBar_->addSeparator();
  add(
      "btnAutoMesh", cap("btnAutoMesh"), [this] { autoMeshClick(); }, true);
  // Shown while picking faces.
  add("btnMeshPicked", cap("btnMeshPicked"),
      [this] { autoMesh([&] { return editor_.autoMeshPicked(); }); });
  toolBar_->addSeparator();
  add(
      "btnOnSnap", cap("btnOnSnap"), [this] { editor_.btnOnSnapClick(); }, true);
  add(
      "btnFreeDeg", cap("btnFreeDeg"), [this] { editor_.btnFreeDegClick(); }, true);
  toolBar_->addSeparator();
  add("btnZoomIn", cap("btnZoomIn"), [this] { editor_.btnZoomInClick(); });
  add("btnZoomOut", cap("btnZoomOut"), [this] { editor_.btnZoomOutClick(); });
  add("btnZoomAll", cap("btnZoomAll"), [this] { editor_.btnZoomAllClick(); });
  toolBar_->addSeparator();
  add("btnArea", cap("btnArea"), [this] { editor_.btnAreaClick(); });
  add("ToolButton3", cap("ToolButton3"), [this] { editor_.ToolButton3Click(); });
  toolBar_->addSeparator();
  add("btnLeft", cap("btnLeft"), [this] { editor_.btnLeftClick(); });
  add("btnRight", cap("btnRight"), [this] { editor_.btnRightClick(); });
  add("btnUp", cap("btnUp"), [this] { editor_.btnUpClick(); });
  add("btnDown", cap("btnDown"), [this] { editor_.btnDownClick(); });
}

QWidget* MainWindow::buildPanel() {
  auto* panel = new QWidget(this);
  panel->setObjectName("Panel1");
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(4, 2, 4, 2);
  auto label = [panel, row](const char* name, const QString& text, int width) {
    auto* l = new QLabel(text, panel);
    l->setObjectName(name);
    if (width > 0) l->setMinimumWidth(width);
    row->addWidget(l);
    return l;
  };
  auto edit = [this, panel, row, &label](const char* name, const char* caption,
                                         std::string Panel::*field) {
    label("", QString::fromUtf8(caption), 0);
    auto* e = new QLineEdit(panel);
    e->setObjectName(name);
    e->setFixedWidth(90);
    e->installEventFilter(this);
    connect(e, &QLineEdit::textEdited, this,
            [this, field](const QString& text) { editor_.panel.*field = text.toStdString(); });
    row->addWidget(e);
    return e;
  };
  lblXPos_ = label("lblXPos", "", 70);
  lblYPos_ = label("lblYPos", "", 70);
  lblSnap_ = label("lblSnap", cap("lblSnap"), 60);
  lblConnect_ = label("lblConnect", cap("lblConnect"), 40);
  label5_ = label("Label5", "", 80);
  editXo_ = edit("EditXo", "Xo", &Panel::editXo);
  editYo_ = edit("EditYo", "Yo", &Panel::editYo);
  editX1_ = edit("EditX1", "X1", &Panel::editX1);
  editY1_ = edit("EditY1", "Y1", &Panel::editY1);
  btnLine2_ = new QPushButton(cap("btnLine2"), panel);
  btnLine2_->setObjectName("btnLine2");
  btnLine2_->installEventFilter(this);
  connect(btnLine2_, &QPushButton::clicked, this,
          [this] { run([&] { editor_.btnLine2Click(); }); });
  row->addWidget(btnLine2_);
  labelNode_ = label("LabelNode", cap("LabelNode"), 80);
  labelElement_ = label("LabelElement", cap("LabelElement"), 0);
  row->addStretch(1);
  setTabOrder(editXo_, editYo_);
  setTabOrder(editYo_, editX1_);
  setTabOrder(editX1_, editY1_);
  setTabOrder(editY1_, btnLine2_);
  return panel;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    // Undo, redo and Escape act on the network, not on the text of a box.
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (QAction* a : {undo_, redo_, cancel_})
      if (a && a->shortcuts().contains(pressed)) return true;
  }
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      focusNextChild();
      return true;
    }
  } else if (event->type() == QEvent::FocusOut && (watched == editXo_ || watched == editYo_)) {
    // Leaving the box for another control; not a window or menu taking the focus.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      run([&] { editor_.EditXoExit(); });
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (editor_.picking()) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      run([&] { autoMesh([&] { return editor_.autoMeshPicked(); }); });
      return;
    }
  }
  QMainWindow::keyPressEvent(event);
}

void MainWindow::showFormation() {
  sync();  // the elements are seen behind the message
  if (!editor_.formationMessage.empty()) dialogs_->message(editor_.formationMessage);
}

void MainWindow::autoMeshClick() {
  sync();  // the tool button pressed only while picking, also behind the dialog
  const std::optional<AutoMeshChoice> choice = dialogs_->askAutoMesh(autoMeshChoice_);
  if (!choice) return;
  autoMeshChoice_ = *choice;
  const double size = meshSizeOf(choice->size);
  if (choice->clickedFaces) {
    editor_.startPicking(size);
    surface_->setFocus();  // Enter and Esc reach the window
    return;
  }
  autoMesh([&] { return editor_.autoMeshAll(size); });
}

void MainWindow::autoMesh(const std::function<AutoMeshResult()>& mesh) {
  AutoMeshResult result;
  {
    const desktop::BusyCursor busy;
    result = mesh();
  }
  showFormation();
  if (!result.warning.empty()) dialogs_->message(result.warning);
}

void MainWindow::openFile(const std::string& path) {
  run([this, &path] { files_.openPath(path); });
}

void MainWindow::run(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    sync();
    dialogs_->message(e.what());
  }
  sync();
}

void MainWindow::sync() {
  const LineEditor& ed = editor_;
  auto check = [this](const char* name, bool on) {
    if (auto* a = findChild<QAction*>(name)) a->setChecked(on);
  };
  check("btnLine", ed.pressedMode == 1);
  check("btnDel", ed.pressedMode == 2);
  check("btnDevide", ed.pressedMode == 3);
  check("btnAutoMesh", ed.pressedMode == 5);
  check("btnOnSnap", net_.ONSNAP);
  check("btnFreeDeg", !ed.FreeDeg);
  check("ElementNumbers1", view_.numbers);
  check(("Dev" + std::to_string(ed.DevNum)).c_str(), true);
  // The undo and redo items name the step they take back or do again.
  auto stepCaption = [](const char* caption, const std::string& name) {
    return QString::fromUtf8(caption) +
           (name.empty() ? QString() : QStringLiteral(": ") + QString::fromStdString(name));
  };
  if (undo_) {
    undo_->setEnabled(ed.history().canUndo());
    undo_->setText(stepCaption(text::caption("Undo1"), ed.history().undoName()));
    redo_->setEnabled(ed.history().canRedo());
    redo_->setText(stepCaption(text::caption("Redo1"), ed.history().redoName()));
  }

  auto text = [](QLabel* l, const std::string& s) {
    if (l) l->setText(QString::fromStdString(s));
  };
  text(lblXPos_, ed.panel.xPos);
  text(lblYPos_, ed.panel.yPos);
  text(lblSnap_, ed.panel.snap);
  text(lblConnect_, ed.panel.connect);
  text(label5_, ed.panel.det);
  text(labelNode_, ed.panel.nodes);
  text(labelElement_, ed.panel.elements);
  text(lblStatus_, ed.panel.status);
  if (auto* a = findChild<QAction*>("btnMeshPicked")) a->setVisible(ed.picking());
  auto box = [](QLineEdit* e, const std::string& s) {
    const QString q = QString::fromStdString(s);
    if (e && e->text() != q) e->setText(q);
  };
  box(editXo_, ed.panel.editXo);
  box(editYo_, ed.panel.editYo);
  box(editX1_, ed.panel.editX1);
  box(editY1_, ed.panel.editY1);

  if (horzBar_) {
    const QSignalBlocker h(horzBar_), v(vertBar_);
    horzBar_->setValue(ed.horzBar);
    vertBar_->setValue(ed.vertBar);
  }
  if (surface_) {
    if (shownCursor_ != ed.cursor) {
      surface_->setCursor(desktop::surfaceCursor(ed.cursor));
      shownCursor_ = ed.cursor;
    }
    surface_->update();
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  bool mayClose = false;
  run([&] { mayClose = files_.settleUnsavedChanges(); });
  if (mayClose) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace linemesh::ui
