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

#include "common/window_placement.h"
#include "linemesh/ui/cursors.h"
#include "linemesh/ui/line_figure.h"
#include "linemesh/ui/qt_dialogs.h"

namespace linemesh::ui {

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

/// The wait cursor over the whole application while it lives.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

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
  setWindowTitle(QStringLiteral("線を引く"));
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

void MainWindow::placeInWorkArea() {
  const QScreen* screen = this->screen();
  if (!screen) return;
  const QRect work = screen->availableGeometry();
  // The frame is known once the window system has framed the window;
  // before that it counts as none.
  const QRect frame = frameGeometry(), client = geometry();
  const common::WindowBox box =
      common::clientAreaFilling({work.x(), work.y(), work.width(), work.height()},
                                {client.left() - frame.left(), client.top() - frame.top(),
                                 frame.right() - client.right(), frame.bottom() - client.bottom()});
  setGeometry(box.left, box.top, box.width, box.height);
}

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
  QMenu* file = menuBar()->addMenu(QStringLiteral("File(&F)"));
  file->setObjectName("FileF1");
  QAction* load =
      addAction(file, "Load1", QStringLiteral("読み込み(&L)"), [this] { files_.Load1Click(); });
  load->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  addAction(file, "MESHDAT1", QStringLiteral("MESH.DAT"), [this] { files_.MESHDAT1Click(); });
  QAction* save =
      addAction(file, "Save1", QStringLiteral("保存(&S)"), [this] { files_.Save1Click(); });
  save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  addAction(file, "M2W1", QStringLiteral("M2Wの保存"), [this] { files_.M2W1Click(); });
  addAction(file, "M3WPlot1", QStringLiteral("M3Wのプロット"), [this] { files_.M3WPlot1Click(); });
  file->addSeparator();
  addAction(file, "Yoso1", QStringLiteral("要素の成形"), [this] {
    editor_.Yoso1Click();
    showFormation();
  });
  addAction(file, "AutoMesh1", QStringLiteral("自動メッシュ..."), [this] { autoMeshClick(); });
  addAction(file, "Plot1", QStringLiteral("要素図プロット"), [this] { files_.Plot1Click(); });
  addAction(file, "Figure1", QString::fromUtf8(figure::kMenuCaption), [this] {
    figure::exportFigure(this, figureRequest_, [this] {
      return lineFigure(net_, shownBy(view_), figure::fileTitle(files_.MeshName));
    });
  });
  QMenu* dat = file->addMenu(QStringLiteral("DAT保存"));
  dat->setObjectName("DAT1");
  addAction(dat, "Mesh1", QStringLiteral("メッシュデータ"), [this] { files_.Mesh1Click(); });
  dat->addSeparator();
  addAction(dat, "ZEPAN1", QStringLiteral("ZEPAN"), nullptr);
  addAction(dat, "VOKA1", QStringLiteral("VOKA"), [this] { files_.VOKA1Click(); });
  file->addSeparator();
  QAction* exit = addAction(file, "Exit1", QStringLiteral("終了(&X)"), nullptr);
  exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(exit, &QAction::triggered, this, &QWidget::close);

  // 編集(&E) between the documented menus: undo and redo of the network's steps.
  QMenu* editMenu = menuBar()->addMenu(QStringLiteral("編集(&E)"));
  editMenu->setObjectName("Edit1");
  undo_ = addAction(editMenu, "Undo1", QStringLiteral("元に戻す(&U)"), [this] { editor_.undo(); });
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redo_ = addAction(editMenu, "Redo1", QStringLiteral("やり直し(&R)"), [this] { editor_.redo(); });
  redo_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  // Escape ends what is in progress, wherever the focus is.
  cancel_ = addAction(this, "Cancel1", QStringLiteral("中止"), [this] { editor_.escape(); });
  cancel_->setShortcut(QKeySequence(Qt::Key_Escape));
  cancel_->setShortcutContext(Qt::WindowShortcut);

  // 表示(&V): element numbers, unreadable on a dense mesh, can be hidden.
  QMenu* viewMenu = menuBar()->addMenu(QStringLiteral("表示(&V)"));
  viewMenu->setObjectName("View1");
  addAction(viewMenu, "ElementNumbers1", QStringLiteral("要素番号(&N)"), [this] {
    editor_.switchNumbers();
  })->setCheckable(true);

  QMenu* parts = menuBar()->addMenu(QStringLiteral("分割数"));
  parts->setObjectName("Devide1");
  auto* group = new QActionGroup(this);
  static const char* const kNames[] = {"Dev2", "Dev3", "Dev4", "Dev5", "Dev6",
                                       "Dev7", "Dev8", "Dev9", "Dev10"};
  static const char* const kCaptions[] = {"２分割", "３分割", "４分割", "５分割", "６分割",
                                          "７分割", "８分割", "９分割", "10分割"};
  for (int n = 2; n <= 10; ++n) {
    QAction* a = addAction(parts, kNames[n - 2], QString::fromUtf8(kCaptions[n - 2]),
                           [this, n] { editor_.setDevNum(n); });
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
      "btnLine", QStringLiteral("線"), [this] { editor_.btnLineClick(); }, true);
  add(
      "btnDel", QStringLiteral("削除"), [this] { editor_.btnDelClick(); }, true);
  add(
      "btnDevide", QStringLiteral("分割"), [this] { editor_.btnDevideClick(); }, true);
  toolBar_->addSeparator();
  add(
      "btnAutoMesh", QStringLiteral("自動"), [this] { autoMeshClick(); }, true);
  // Shown while picking faces.
  add("btnMeshPicked", QStringLiteral("メッシュ作成"),
      [this] { autoMesh([&] { return editor_.autoMeshPicked(); }); });
  toolBar_->addSeparator();
  add(
      "btnOnSnap", QStringLiteral("OnSnap"), [this] { editor_.btnOnSnapClick(); }, true);
  add(
      "btnFreeDeg", QStringLiteral("直交"), [this] { editor_.btnFreeDegClick(); }, true);
  toolBar_->addSeparator();
  add("btnZoomIn", QStringLiteral("拡大"), [this] { editor_.btnZoomInClick(); });
  add("btnZoomOut", QStringLiteral("縮小"), [this] { editor_.btnZoomOutClick(); });
  add("btnZoomAll", QStringLiteral("全体"), [this] { editor_.btnZoomAllClick(); });
  toolBar_->addSeparator();
  add("btnArea", QStringLiteral("部分"), [this] { editor_.btnAreaClick(); });
  add("ToolButton3", QStringLiteral("拡大"), [this] { editor_.ToolButton3Click(); });
  toolBar_->addSeparator();
  add("btnLeft", QStringLiteral("左"), [this] { editor_.btnLeftClick(); });
  add("btnRight", QStringLiteral("右"), [this] { editor_.btnRightClick(); });
  add("btnUp", QStringLiteral("上"), [this] { editor_.btnUpClick(); });
  add("btnDown", QStringLiteral("下"), [this] { editor_.btnDownClick(); });
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
  lblSnap_ = label("lblSnap", QStringLiteral("ONSNAP"), 60);
  lblConnect_ = label("lblConnect", QStringLiteral("自由"), 40);
  label5_ = label("Label5", "", 80);
  editXo_ = edit("EditXo", "Xo", &Panel::editXo);
  editYo_ = edit("EditYo", "Yo", &Panel::editYo);
  editX1_ = edit("EditX1", "X1", &Panel::editX1);
  editY1_ = edit("EditY1", "Y1", &Panel::editY1);
  btnLine2_ = new QPushButton(QStringLiteral("決定"), panel);
  btnLine2_->setObjectName("btnLine2");
  btnLine2_->installEventFilter(this);
  connect(btnLine2_, &QPushButton::clicked, this,
          [this] { run([&] { editor_.btnLine2Click(); }); });
  row->addWidget(btnLine2_);
  labelNode_ = label("LabelNode", QStringLiteral("節点：0"), 80);
  labelElement_ = label("LabelElement", QStringLiteral("要素：0"), 0);
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
    const BusyCursor busy;
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
    undo_->setText(stepCaption("元に戻す(&U)", ed.history().undoName()));
    redo_->setEnabled(ed.history().canRedo());
    redo_->setText(stepCaption("やり直し(&R)", ed.history().redoName()));
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
      surface_->setCursor(surfaceCursor(ed.cursor));
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
