// The condition editor's main window: it forwards buttons, menus, scroll bars
// and the mouse to the editor logic and shows what it keeps.
#include "meshcond/ui/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <exception>

#include "desktop/work_area.h"
#include "meshcond/model/messages.h"
#include "meshcond/ui/condition_figure.h"
#include "meshcond/ui/dialogs/analysis_dialog.h"
#include "meshcond/ui/dialogs/fixed_level_dialog.h"
#include "meshcond/ui/dialogs/head_series_dialog.h"
#include "meshcond/ui/dialogs/initial_level_dialog.h"
#include "meshcond/ui/dialogs/permeability_dialog.h"
#include "meshcond/ui/dialogs/rainfall_dialog.h"
#include "meshcond/ui/dialogs/time_dialog.h"
#include "meshcond/ui/dialogs/title_dialog.h"
#include "meshcond/ui/image_canvas.h"

namespace meshcond::ui {

namespace {

constexpr int kPanelHeight = 41;
// A window narrower than the tool panel's design width shows the panel in two
// rows: the controls from LabelStage on move below the others.
constexpr int kPanelWrapX = 535;
constexpr int kPanelWrappedIndent = 20;
constexpr int kPanelDesignWidth = 1131;
constexpr int kPanelWrappedWidth = kPanelDesignWidth - kPanelWrapX + kPanelWrappedIndent;
constexpr int kClientWidth = 1131;
constexpr int kClientHeight = 637;

/// The drawing area's cursors by number: 1 pencil, 2 diagonal cross, 3 upright cross.
QCursor toolCursor(int number) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, false);
  switch (number) {
    case 1: {  // a pencil with its tip at (2, 1)
      p.setPen(QPen(Qt::black, 1));
      p.setBrush(QColor(255, 230, 120));
      const QPoint body[] = {{2, 1}, {6, 11}, {20, 25}, {25, 20}, {11, 6}};
      p.drawPolygon(body, 5);
      p.drawLine(6, 11, 11, 6);
      p.end();
      return QCursor(pixmap, 2, 1);
    }
    case 2:  // a diagonal cross
      p.setPen(QPen(Qt::black, 1));
      p.drawLine(6, 6, 26, 26);
      p.drawLine(6, 26, 26, 6);
      p.setPen(QPen(Qt::white, 1));
      p.drawLine(7, 6, 26, 25);
      p.drawLine(7, 26, 26, 7);
      p.end();
      return QCursor(pixmap, 16, 16);
    default:  // an upright cross
      p.setPen(QPen(Qt::black, 1));
      p.drawLine(16, 2, 16, 30);
      p.drawLine(2, 16, 30, 16);
      p.setPen(QPen(Qt::white, 1));
      p.drawLine(17, 2, 17, 30);
      p.drawLine(2, 17, 30, 17);
      p.end();
      return QCursor(pixmap, 16, 16);
  }
}

/// A widget that lays out its children itself whenever it changes size.
class PanelMain : public QWidget {
 public:
  PanelMain(QWidget* parent, std::function<void()> layout)
      : QWidget(parent), layout_(std::move(layout)) {
    setObjectName(QStringLiteral("PanelMain"));
  }

 protected:
  void resizeEvent(QResizeEvent*) override { layout_(); }

 private:
  std::function<void()> layout_;
};

QToolButton* glyphButton(QWidget* parent, const char* name, const QString& glyph,
                         const QString& tip, int x) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(glyph);
  button->setToolTip(tip);
  button->setAutoRaise(true);
  button->setGeometry(x, 5, 30, 30);
  return button;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y, int w) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(x, y, w, 17);
  return l;
}

QLineEdit* edit(QWidget* parent, const char* name, const QString& text, int x, int w) {
  auto* e = new QLineEdit(text, parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setGeometry(x, 9, w, 23);
  return e;
}

QString qs(const std::string& text) { return QString::fromStdString(text); }
QString cap(const char* name) { return QString::fromUtf8(msg::window::caption(name)); }
QString tip(const char* name) { return QString::fromUtf8(msg::window::toolTip(name)); }

/// "元に戻す(&U)", or with the step it takes back "元に戻す(&U): 材質の設定".
QString stepCaption(const char* command, const std::string& step) {
  QString caption = QString::fromUtf8(command);
  return step.empty() ? caption : caption + QStringLiteral(": ") + qs(step);
}

}  // namespace

MainWindow::MainWindow(AnalysisModel& model, UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      model_(model),
      dialogs_(dialogs),
      editor_(model),
      files_(editor_, dialogs, [this] { redraw(); }) {
  setObjectName(QStringLiteral("TForm1"));
  setWindowTitle(cap("TForm1"));
  setFont(ImageCanvas::drawingFont(9));

  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto* panel1 = new QWidget(central);
  panel1->setObjectName(QStringLiteral("Panel1"));
  panel1->setFixedHeight(kPanelHeight);
  createPanel(panel1);
  panel1_ = panel1;
  for (QObject* child : panel1->children())
    if (auto* control = qobject_cast<QWidget*>(child))
      panelDesign_.emplace_back(control, control->geometry());
  column->addWidget(panel1);
  panelMain_ = new PanelMain(central, [this] { layoutDrawingArea(); });
  column->addWidget(panelMain_, 1);
  image1_ = new DrawingArea(panelMain_);
  scrollX_ = new QScrollBar(Qt::Horizontal, panelMain_);
  scrollX_->setObjectName(QStringLiteral("ScrollXBar"));
  scrollY_ = new QScrollBar(Qt::Vertical, panelMain_);
  scrollY_->setObjectName(QStringLiteral("ScrollYBar"));
  for (QScrollBar* bar : {scrollX_, scrollY_}) bar->setRange(0, View::kScrollRange);
  setCentralWidget(central);
  createMenus();
  // The mode and tool in force stay in view at the right of the status line.
  modeField_ = new QLabel(this);
  modeField_->setObjectName(QStringLiteral("ModeField"));
  statusBar()->addPermanentWidget(modeField_);
  resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
  setMinimumWidth(kPanelWrappedWidth);

  connect(scrollX_, &QScrollBar::valueChanged, this, [this](int value) {
    if (syncing_) return;
    editor_.view.scrollHorizontal(value);
    redraw();
  });
  connect(scrollY_, &QScrollBar::valueChanged, this, [this](int value) {
    if (syncing_) return;
    editor_.view.scrollVertical(value);
    redraw();
  });
  image1_->onPress = [this](int x, int y, MouseButton button) {
    guarded([&] {
      ImageCanvas canvas(image1_->image());
      editor_.mousePress(x, y, button, canvas);
    });
    syncFromEditor();
    image1_->update();
  };
  image1_->onMove = [this](int x, int y) {
    guarded([&] {
      ImageCanvas canvas(image1_->image());
      editor_.mouseMove(x, y, canvas);
    });
    editXX_->setText(qs(editor_.EditXX));
    editYY_->setText(qs(editor_.EditYY));
    if (editor_.view.DrawFlag) image1_->update();
  };

  // The dialogs, each created once for the program's lifetime.
  SharedChoices& shared = editor_.shared;
  form2_ = std::make_unique<TitleDialog>(model_, shared, dialogs_, this);
  form3_ = std::make_unique<AnalysisDialog>(model_, shared, dialogs_, this);
  form4_ = std::make_unique<RainfallDialog>(model_, shared, dialogs_, this);
  form5_ = std::make_unique<TimeDialog>(model_, shared, dialogs_, this);
  form6_ = std::make_unique<PermeabilityDialog>(model_, shared, dialogs_, this);
  form7_ = std::make_unique<HeadSeriesDialog>(model_, shared, dialogs_, this);
  form8_ = std::make_unique<InitialLevelDialog>(model_, shared, dialogs_, this);
  formFix_ = std::make_unique<FixedLevelDialog>(model_, shared, dialogs_, this);

  installEventFilter(this);
  editMat_->installEventFilter(this);
  editElem_->installEventFilter(this);
  syncFromEditor();
}

MainWindow::~MainWindow() {
  // The text box loses the focus when the window goes, after the editor has
  // gone: it must not call back into it then.
  disconnect(editMat_, nullptr, this, nullptr);
}

template <class Action>
void MainWindow::guarded(Action&& action) {
  try {
    action();
  } catch (const std::exception& e) {
    dialogs_.message(e.what());
  }
}

void MainWindow::createPanel(QWidget* panel) {
  auto connectButton = [this](QAbstractButton* button, std::function<void()> action) {
    connect(button, &QAbstractButton::clicked, this, [action] { action(); });
  };
  // A view button changes the view; the redraw then shows it, scroll bars included.
  auto viewButton = [this, panel, connectButton](const char* name, const QString& glyph,
                                                 const QString& tip, int x,
                                                 void (View::*change)()) {
    connectButton(glyphButton(panel, name, glyph, tip, x), [this, change] {
      (editor_.view.*change)();
      redraw();
    });
  };
  viewButton("spdExp", cap("spdExp"), tip("spdExp"), 20, &View::zoomIn);
  viewButton("spdRed", cap("spdRed"), tip("spdRed"), 56, &View::zoomOut);
  viewButton("spdLeft", cap("spdLeft"), tip("spdLeft"), 104, &View::panLeft);
  viewButton("spdUp", cap("spdUp"), tip("spdUp"), 134, &View::panUp);
  viewButton("spdDown", cap("spdDown"), tip("spdDown"), 164, &View::panDown);
  viewButton("spdRifht", cap("spdRifht"), tip("spdRifht"), 194, &View::panRight);
  connectButton(glyphButton(panel, "btnExp2", cap("btnExp2"), tip("btnExp2"), 248),
                [this] { chooseTool(kToolZoomWindow); });
  viewButton("btnRed2", cap("btnRed2"), tip("btnRed2"), 284, &View::showExtentWithMargin);
  chkElem_ = new QCheckBox(cap("chkElem"), panel);
  chkElem_->setObjectName(QStringLiteral("chkElem"));
  chkElem_->setChecked(true);
  chkElem_->setGeometry(322, 12, 100, 17);
  connect(chkElem_, &QCheckBox::toggled, this, [this](bool on) {
    if (syncing_ || editor_.chkElem == on) return;
    editor_.chkElem = on;
    redraw();
  });
  viewButton("btnAreaSelect", cap("btnAreaSelect"), tip("btnAreaSelect"), 425, &View::showExtent);
  connectButton(glyphButton(panel, "btnPen", cap("btnPen"), tip("btnPen"), 461),
                [this] { chooseTool(kToolPen); });
  connectButton(glyphButton(panel, "btnArea", cap("btnArea"), tip("btnArea"), 496),
                [this] { chooseTool(kToolArea); });
  labelStage_ = label(panel, "LabelStage", cap("LabelStage"), 535, 3, 82);
  tStatus_ = label(panel, "tStatus", QString(), 539, 21, 78);
  editMat_ = edit(panel, "EditMat", QStringLiteral("1"), 619, 55);
  connect(editMat_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (!syncing_) editor_.EditMat = text.toStdString();
  });
  connect(editMat_, &QLineEdit::editingFinished, this, [this] { redraw(); });
  btnEdit_ = new QPushButton(cap("btnEdit"), panel);
  btnEdit_->setObjectName(QStringLiteral("btnEdit"));
  btnEdit_->setGeometry(677, 8, 52, 25);
  connect(btnEdit_, &QPushButton::clicked, this, [this] { editClicked(); });
  label2_ = label(panel, "Label2", cap("Label2"), 734, 12, 68);
  editElem_ = edit(panel, "EditElem", QString(), 805, 60);
  label(panel, "Label1", cap("Label1"), 869, 12, 14);
  editXX_ = edit(panel, "EditXX", QString(), 885, 72);
  label(panel, "Label3", cap("Label3"), 961, 12, 14);
  editYY_ = edit(panel, "EditYY", QString(), 978, 72);
  auto* spdRedraw = new QPushButton(cap("spdRedraw"), panel);
  spdRedraw->setObjectName(QStringLiteral("spdRedraw"));
  spdRedraw->setGeometry(1052, 8, 70, 25);
  connect(spdRedraw, &QPushButton::clicked, this, [this] { redraw(); });
}

void MainWindow::createMenus() {
  auto item = [this](QMenu* menu, const char* name, const QString& caption,
                     std::function<void()> action) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (action) connect(a, &QAction::triggered, this, [action] { action(); });
    return a;
  };
  auto menu = [](QMenu* parent, const char* name, const QString& caption) {
    QMenu* m = parent->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
  };

  QMenu* n1 = menuBar()->addMenu(cap("N1"));
  n1->setObjectName(QStringLiteral("N1"));
  QMenu* open1 = menu(n1, "Open1", cap("Open1"));
  item(open1, "Mesh1", cap("Mesh1"), [this] {
    fileCommand(&FileCommands::Mesh1Click);
  })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  item(open1, "ZEPDAT2", cap("ZEPDAT2"), [this] { fileCommand(&FileCommands::ZEPDAT2Click); });
  item(n1, "Save1", cap("Save1"), [this] {
    fileCommand(&FileCommands::Save1Click);
  })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  item(n1, "MESH2", cap("MESH2"), [this] { fileCommand(&FileCommands::MESH2Click); });
  item(n1, "D2DAT1", cap("D2DAT1"), [this] { fileCommand(&FileCommands::D2DAT1Click); });
  item(n1, "Figure1", QString::fromUtf8(figure::kMenuCaption), [this] {
    guarded([&] {
      figure::exportFigure(this, figureRequest_, [this] {
        return conditionFigure(model_, shownBy(editor_.view, editor_.chkElem));
      });
    });
  });
  n1->addSeparator()->setObjectName(QStringLiteral("N2"));
  QMenu* n5 = menu(n1, "N5", cap("N5"));
  item(n5, "Kasen1", cap("Kasen1"), [this] { fileCommand(&FileCommands::Kasen1Click); });
  item(n5, "Kouu1", cap("Kouu1"), [this] { fileCommand(&FileCommands::Kouu1Click); });
  item(n1, "ZEPDAT1", cap("ZEPDAT1"), [this] { fileCommand(&FileCommands::ZEPDAT1Click); });
  item(n1, "Exit1", cap("Exit1"), [this] { close(); });

  QMenu* n3 = menuBar()->addMenu(cap("N3"));
  n3->setObjectName(QStringLiteral("N3"));
  // Undo and redo head the 編集 menu, where users look for them; its other
  // items follow unchanged.
  undo_ = item(n3, "Undo", cap("Undo"),
               [this] { editorCommand([this](Canvas& canvas) { editor_.undo(canvas); }); });
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redo_ = item(n3, "Redo", cap("Redo"),
               [this] { editorCommand([this](Canvas& canvas) { editor_.redo(canvas); }); });
  redo_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  n3->addSeparator()->setObjectName(QStringLiteral("UndoSeparator"));
  title1_ = item(n3, "TITLE1", cap("TITLE1"), [this] { openDataDialog(title1_, *form2_); });
  solv1_ = item(n3, "SOLV1", cap("SOLV1"), [this] { openDataDialog(solv1_, *form3_); });
  time1_ = item(n3, "TIME1", cap("TIME1"), [this] { openDataDialog(time1_, *form5_); });
  element1_ = item(n3, "Element1", cap("Element1"), [this] { chooseMode(kModeMaterial); });
  tosui1_ = item(n3, "TOSUI1", cap("TOSUI1"), [this] { openDataDialog(tosui1_, *form6_); });
  for (QAction* a : {title1_, solv1_, time1_, element1_, tosui1_}) a->setCheckable(true);

  QMenu* n4 = menuBar()->addMenu(cap("N4"));
  n4->setObjectName(QStringLiteral("N4"));
  item(n4, "SYOKI1", cap("SYOKI1"), [this] {
    chooseTool(kToolNone);
    bool editEnabled = editor_.btnEditEnabled;
    btnEdit_->setEnabled(false);
    dialogStep(*form8_);
    editor_.btnEditEnabled = editEnabled;
    redraw();
  });
  item(n4, "FIXWL1", cap("FIXWL1"), [this] { chooseMode(kModeFixedLevel); });
  item(n4, "SINSYUTU1", cap("SINSYUTU1"), [this] { chooseMode(kModeSeepage); });
  item(n4, "RAIN1", cap("RAIN1"), [this] { chooseMode(kModeRainfall); });
  item(n4, "FLOATWL1", cap("FLOATWL1"), [this] { chooseMode(kModeFluctuating); });
  // Escape ends a rubber band in progress.
  cancel_ = new QAction(this);
  cancel_->setObjectName(QStringLiteral("Cancel"));
  cancel_->setShortcut(QKeySequence(Qt::Key_Escape));
  addAction(cancel_);
  connect(cancel_, &QAction::triggered, this,
          [this] { editorCommand([this](Canvas& canvas) { editor_.cancel(canvas); }); });

  // Shown for completeness; these conditions are not edited here.
  for (const char* name : {"QDIX", "QFLOAT1", "WELLB", "WELLW"}) {
    item(n4, name, cap(name), nullptr)->setEnabled(false);
  }
}

void MainWindow::placeInWorkArea() { desktop::fillWorkArea(*this); }

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !placed_) {
    placed_ = true;
    placeInWorkArea();
    // The drawing area follows the new size at once, as at start-up.
    if (layout()) layout()->activate();
    layoutDrawingArea();
    redraw();
  }
  return QMainWindow::event(event);
}

void MainWindow::applyStartupSettings() {
  placeInWorkArea();
  layoutDrawingArea();
  View& view = editor_.view;
  view.setSize(image1_->width(), image1_->height());
  view.xmin = view.gxmin = view.ymin = view.gymin = -2000;
  view.xmax = view.gxmax = view.ymax = view.gymax = 2000;
  view.gscale = 1;
  chooseTool(kToolPen);
  editor_.state = kModeMaterial;
  syncFromEditor();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  bool wrapped = width() < kPanelDesignWidth;
  panel1_->setFixedHeight(wrapped ? 2 * kPanelHeight : kPanelHeight);
  for (auto& [control, design] : panelDesign_) {
    bool second = wrapped && design.x() >= kPanelWrapX;
    control->move(second
                      ? design.topLeft() + QPoint(kPanelWrappedIndent - kPanelWrapX, kPanelHeight)
                      : design.topLeft());
  }
}

void MainWindow::layoutDrawingArea() {
  int w = panelMain_->width(), h = panelMain_->height();
  int sxh = scrollX_->sizeHint().height();
  int syw = scrollY_->sizeHint().width();
  scrollX_->setGeometry(0, h - sxh, std::max(w - syw, 0), sxh);
  scrollY_->setGeometry(w - syw, 0, syw, std::max(h - sxh, 0));
  image1_->setGeometry(0, 0, std::max(w - syw - 2, 1), std::max(h - sxh - 2, 1));
  editor_.view.resize(image1_->width(), image1_->height());
}

void MainWindow::redraw() {
  guarded([&] {
    ImageCanvas canvas(image1_->image());
    editor_.redraw(canvas);
  });
  syncFromEditor();
  image1_->update();
}

void MainWindow::syncScrollBars() {
  syncing_ = true;
  auto apply = [](QScrollBar* bar, const ScrollSetting& s) {
    int page = std::clamp(s.page, 1, View::kScrollRange);
    bar->setPageStep(page);
    bar->setRange(0, View::kScrollRange - page);
    bar->setValue(s.position);
  };
  apply(scrollX_, editor_.view.hScroll);
  apply(scrollY_, editor_.view.vScroll);
  syncing_ = false;
}

void MainWindow::syncFromEditor() {
  syncing_ = true;
  labelStage_->setText(qs(editor_.LabelStage));
  tStatus_->setText(qs(editor_.tStatus));
  if (editMat_->text() != qs(editor_.EditMat)) editMat_->setText(qs(editor_.EditMat));
  editElem_->setText(qs(editor_.EditElem));
  label2_->setText(qs(editor_.Label2));
  btnEdit_->setEnabled(editor_.btnEditEnabled);
  chkElem_->setChecked(editor_.chkElem);
  modeField_->setText(qs(editor_.modeCaption()));
  if (!editor_.message.empty()) {
    statusBar()->showMessage(qs(editor_.message));
    editor_.message.clear();
  }
  setWindowModified(editor_.modified());
  const common::History& history = editor_.history;
  undo_->setEnabled(history.canUndo());
  undo_->setText(stepCaption(msg::window::caption("Undo"), history.undoName()));
  redo_->setEnabled(history.canRedo());
  redo_->setText(stepCaption(msg::window::caption("Redo"), history.redoName()));
  syncing_ = false;
  syncScrollBars();
}

void MainWindow::chooseTool(int stage) {
  editor_.chooseTool(stage);
  int cursor = stage == kToolArea ? 3 : stage == kToolZoomWindow ? 2 : 1;
  if (stage == kToolNone) {
    image1_->unsetCursor();  // no tool: the plain arrow
  } else {
    image1_->setCursor(toolCursor(cursor));
  }
  syncFromEditor();
}

void MainWindow::chooseMode(int state) {
  editor_.setMode(state);
  if (state == kModeMaterial) {
    element1_->setChecked(true);
    for (QAction* a : {title1_, solv1_, time1_, tosui1_}) a->setChecked(false);
  }
  redraw();
}

int MainWindow::runDialog(ConditionDialog& dialog) {
  return showDialog ? showDialog(dialog) : dialog.exec();
}

void MainWindow::dialogStep(ConditionDialog& dialog) {
  guarded([&] { editor_.step(toUtf8(dialog.windowTitle()), [&] { runDialog(dialog); }); });
}

void MainWindow::editorCommand(const std::function<void(Canvas&)>& command) {
  guarded([&] {
    ImageCanvas canvas(image1_->image());
    command(canvas);
  });
  syncFromEditor();
  image1_->update();
}

void MainWindow::openDataDialog(QAction* item, ConditionDialog& dialog) {
  // 編集 is greyed while the dialog is open and then serves the mode again.
  bool editEnabled = editor_.btnEditEnabled;
  editor_.btnEditEnabled = false;
  for (QAction* a : {title1_, solv1_, time1_, element1_, tosui1_}) a->setChecked(a == item);
  syncFromEditor();
  dialogStep(dialog);
  editor_.btnEditEnabled = editEnabled;
  syncFromEditor();
}

void MainWindow::editClicked() {
  EditDialog which = EditDialog::None;
  guarded([&] { which = editor_.editDialog(); });
  switch (which) {
    case EditDialog::FixedLevels:
      dialogStep(*formFix_);
      guarded([&] {
        ImageCanvas canvas(image1_->image());
        editor_.afterFixedLevelList(canvas);
      });
      syncFromEditor();
      image1_->update();
      break;
    case EditDialog::Rainfall:
      dialogStep(*form4_);
      break;
    case EditDialog::HeadSeries:
      dialogStep(*form7_);
      break;
    case EditDialog::None:
      break;
  }
  syncFromEditor();
}

template <class Result>
void MainWindow::fileCommand(Result (FileCommands::*command)()) {
  files_.written.clear();
  (files_.*command)();
  if (!files_.written.empty()) statusBar()->showMessage(qs(files_.written));
  syncFromEditor();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (files_.mayClose()) {
    event->accept();
  } else {
    event->ignore();
  }
  syncFromEditor();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && (watched == editMat_ || watched == editElem_)) {
    // Undo, redo and Escape act on the model, not on the text of the box.
    QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (QAction* a : {undo_, redo_, cancel_}) {
      if (a->shortcuts().contains(pressed)) return true;
    }
  }
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      if (watched == editMat_) editor_.EditMat = editMat_->text().toStdString();
      focusNextChild();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace meshcond::ui
