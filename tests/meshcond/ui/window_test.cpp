// The main window, headless: layout, menus, loading, picking, closing.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <memory>

#include "common/text_file.h"
#include "meshcond/model/mesh_file.h"
#include "meshcond/model/run_package.h"
#include "meshcond/ui/dialogs/condition_dialog.h"
#include "meshcond/ui/image_canvas.h"
#include "meshcond/ui/main_window.h"
#include "meshcond/ui/qt_dialogs.h"
#include "tests/meshcond/interaction/fake_dialogs.h"
#include "tests/support/scratch_folder.h"

namespace meshcond::ui {
namespace {

namespace fs = std::filesystem;
using testing::FakeDialogs;

const std::string kSection = SEEP_FIXTURE_DIR "/meshcond/section_MESH.DAT";

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(1131, 700);
    window.show();
    window.applyStartupSettings();
    window.showDialog = [this](ConditionDialog& dialog) {
      dialogsOpened.push_back(dialog.objectName().toStdString());
      return static_cast<int>(QDialog::Rejected);
    };
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  template <class T>
  T* child(const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  void trigger(const char* action) { child<QAction>(action)->trigger(); }
  void clickAt(double x, double y, Qt::MouseButton button = Qt::LeftButton) {
    Pixel p = window.editor().view.toScreen(x, y);
    QTest::mouseClick(window.drawingArea(), button, Qt::NoModifier, QPoint(p.x, p.y));
  }
  void openSection() {
    dialogs.paths.push_back(kSection);
    trigger("Mesh1");
    ASSERT_EQ(m.NUMEL, 140);
  }
  QRgb pixelAt(double x, double y) {
    Pixel p = window.editor().view.toScreen(x, y);
    return window.drawingArea()->image().pixel(p.x, p.y);
  }

  std::unique_ptr<AnalysisModel> owner = std::make_unique<AnalysisModel>();
  AnalysisModel& m = *owner;
  FakeDialogs dialogs;
  MainWindow window{m, dialogs};
  std::vector<std::string> dialogsOpened;
};

TEST_F(WindowTest, CaptionsControlsAndMenus) {
  // "[*]" only marks where unsaved changes show.
  EXPECT_EQ(window.windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("材質番号を振る"));
  // The tool panel in one row, as the window shows it at its design width.
  window.resize(1131, 700);
  struct Control {
    const char* name;
    int x;
  };
  const Control controls[] = {
      {"spdExp", 20},      {"spdRed", 56},         {"spdLeft", 104},   {"spdUp", 134},
      {"spdDown", 164},    {"spdRifht", 194},      {"btnExp2", 248},   {"btnRed2", 284},
      {"chkElem", 322},    {"btnAreaSelect", 425}, {"btnPen", 461},    {"btnArea", 496},
      {"LabelStage", 535}, {"tStatus", 539},       {"EditMat", 619},   {"btnEdit", 677},
      {"Label2", 734},     {"EditElem", 805},      {"Label1", 869},    {"EditXX", 885},
      {"Label3", 961},     {"EditYY", 978},        {"spdRedraw", 1052}};
  for (const Control& c : controls) {
    SCOPED_TRACE(c.name);
    QWidget* w = child<QWidget>(c.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->x(), c.x);
  }
  EXPECT_EQ(child<QWidget>("Panel1")->height(), 41);
  EXPECT_TRUE(child<QCheckBox>("chkElem")->isChecked());
  EXPECT_EQ(child<QCheckBox>("chkElem")->text(), QStringLiteral("要素番号表示"));
  EXPECT_EQ(child<QLineEdit>("EditMat")->text(), QStringLiteral("1"));
  EXPECT_EQ(child<QLabel>("LabelStage")->text(), QStringLiteral("材質番号"));
  EXPECT_EQ(child<QLabel>("tStatus")->text(), QStringLiteral("ペン"));
  EXPECT_FALSE(child<QPushButton>("btnEdit")->isEnabled());
  EXPECT_EQ(child<QPushButton>("spdRedraw")->text(), QStringLiteral("再描画"));

  struct Item {
    const char* name;
    const char* caption;
    bool enabled;
  };
  const Item items[] = {
      {"Open1", "開く(&O)", true},     {"Mesh1", "メッシュ", true},
      {"ZEPDAT2", "ZEP.DAT", true},    {"Save1", "保存(&S)", true},
      {"MESH2", "メッシュ保存", true}, {"D2DAT1", "D2.DAT", true},
      {"N5", "エキスポート", true},    {"Kasen1", "河川水位", true},
      {"Kouu1", "降雨", true},         {"ZEPDAT1", "(旧)ZEP.DAT", true},
      {"Exit1", "終了(&X)", true},     {"TITLE1", "タイトル", true},
      {"SOLV1", "解析条件", true},     {"TIME1", "時間・許容誤差", true},
      {"Element1", "材質", true},      {"TOSUI1", "透水係数", true},
      {"SYOKI1", "初期水位", true},    {"FIXWL1", "水位固定", true},
      {"SINSYUTU1", "浸出点", true},   {"RAIN1", "降雨浸透", true},
      {"FLOATWL1", "水位変動", true},  {"QDIX", "流量固定", false},
      {"QFLOAT1", "流量変動", false},  {"WELLB", "井戸底", false},
      {"WELLW", "井戸壁", false},
  };
  for (const Item& item : items) {
    SCOPED_TRACE(item.name);
    QAction* a = child<QAction>(item.name);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(), QString::fromUtf8(item.caption));
    EXPECT_EQ(a->isEnabled(), item.enabled);
  }
  QStringList menus;
  for (QAction* a : window.menuBar()->actions()) menus << a->text();
  // The menus carry their access keys, shown in the captions.
  EXPECT_EQ(menus, (QStringList{QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                                QStringLiteral("初期・境界条件(&C)")}));
  EXPECT_EQ(child<QAction>("Mesh1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_EQ(child<QAction>("Save1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
}

// The captions come from the message table by object name, which gives an
// unknown name back: a control named but not entered there shows its name.
TEST_F(WindowTest, NoControlShowsItsObjectNameForACaption) {
  for (QAction* a : window.findChildren<QAction*>())
    if (!a->objectName().isEmpty()) {
      EXPECT_NE(a->text(), a->objectName());
    }
  for (QAbstractButton* b : window.findChildren<QAbstractButton*>())
    if (!b->objectName().isEmpty()) {
      EXPECT_NE(b->text(), b->objectName());
    }
  for (QLabel* l : window.findChildren<QLabel*>())
    if (!l->objectName().isEmpty()) {
      EXPECT_NE(l->text(), l->objectName());
    }
  for (QToolButton* b : child<QWidget>("Panel1")->findChildren<QToolButton*>())
    EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
}

TEST_F(WindowTest, ANarrowWindowWrapsTheToolPanel) {
  auto* panel = child<QWidget>("Panel1");
  for (int width : {1131, 1000, 800, 620}) {
    SCOPED_TRACE(width);
    window.resize(width, 700);
    QCoreApplication::processEvents();
    bool wrapped = width < 1131;
    EXPECT_EQ(panel->height(), wrapped ? 82 : 41);
    for (const char* name : {"spdExp", "btnArea", "EditMat", "btnEdit", "EditYY", "spdRedraw"}) {
      QRect box = child<QWidget>(name)->geometry();
      EXPECT_LE(box.right(), panel->width() - 1) << name;
      EXPECT_LE(box.bottom(), panel->height() - 1) << name;
    }
    EXPECT_EQ(child<QWidget>("EditMat")->y() >= 41, wrapped);
  }
  EXPECT_LE(window.minimumWidth(), 620);
  for (const char* name :
       {"TForm2", "TForm3", "TForm4", "TForm5", "TForm6", "TForm7", "TForm8", "TFormFix"}) {
    EXPECT_NE(window.findChild<QDialog*>(QString::fromLatin1(name)), nullptr) << name;
  }
}

TEST_F(WindowTest, OpenAMeshAndGiveAMaterialWithThePen) {
  openSection();
  EXPECT_EQ(dialogs.shown.at(0).settings.filter, "メッシュ(*.DAT)|*.DAT");
  // Element 1 is the square (0, 0)-(3, 2), drawn red (material 1).
  EXPECT_EQ(pixelAt(0.5, 1.5), qRgb(255, 0, 0));
  child<QLineEdit>("EditMat")->setText(QStringLiteral("3"));
  clickAt(m.Gx[1], m.Gy[1]);
  EXPECT_EQ(m.MAT[1], 3);
  EXPECT_EQ(child<QLineEdit>("EditElem")->text(), QStringLiteral("1"));
  EXPECT_EQ(pixelAt(0.5, 1.5), qRgb(0, 128, 0));  // colour 3
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WindowTest, AreaToolAndModes) {
  openSection();
  child<QToolButton>("btnArea")->click();
  EXPECT_EQ(child<QLabel>("tStatus")->text(), QStringLiteral("エリア"));
  child<QLineEdit>("EditMat")->setText(QStringLiteral("5"));
  clickAt(-1, -1);
  Pixel end = window.editor().view.toScreen(4, 3);
  QTest::mouseMove(window.drawingArea(), QPoint(end.x, end.y));
  clickAt(4, 3);
  // Nodes (0, 0), (0, 2), (3, 0), (3, 2) are inside: elements 1, 2 of the
  // first column and 8, 9 of the second (7 elements a column).
  for (int e = 1; e <= 14; ++e) {
    bool inside = e == 1 || e == 2 || e == 8 || e == 9;
    EXPECT_EQ(m.MAT[e], inside ? 5 : 1) << e;
  }

  trigger("RAIN1");
  EXPECT_EQ(child<QLabel>("LabelStage")->text(), QStringLiteral("降雨節点"));
  EXPECT_TRUE(child<QPushButton>("btnEdit")->isEnabled());
  child<QToolButton>("btnPen")->click();
  clickAt(m.X[7], m.Y[7], Qt::RightButton);
  EXPECT_EQ(m.NRAIN, 1);
  EXPECT_EQ(m.RAINN[1], 7);
  child<QPushButton>("btnEdit")->click();
  EXPECT_EQ(dialogsOpened, std::vector<std::string>{"TForm4"});

  trigger("FLOATWL1");
  EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("節点番号"));
  child<QLineEdit>("EditMat")->setText(QStringLiteral("abc"));
  clickAt(m.X[7], m.Y[7]);
  ASSERT_EQ(dialogs.messages.size(), 1u);  // the conversion error, nothing changed
  EXPECT_EQ(m.NFLUCT, 0);
}

TEST_F(WindowTest, TheStatusLineShowsTheModeInForceAndWhatWasWritten) {
  openSection();
  auto* mode = child<QLabel>("ModeField");
  EXPECT_EQ(mode->text(), QStringLiteral("モード: 材質　ツール: ペン"));
  trigger("FIXWL1");
  EXPECT_EQ(mode->text(), QStringLiteral("モード: 水位固定　ツール: ペン"));
  EXPECT_TRUE(
      window.statusBar()->currentMessage().contains(QStringLiteral("固定水位が選ばれていません")));
  EXPECT_EQ(child<QLineEdit>("EditMat")->text(), QStringLiteral(""));
  // 初期水位 takes the pen away; the status line and the panel say so, and
  // 編集 serves the mode again afterwards.
  trigger("SYOKI1");
  EXPECT_EQ(mode->text(), QStringLiteral("モード: 水位固定　ツール: なし"));
  EXPECT_EQ(child<QLabel>("tStatus")->text(), QStringLiteral(""));
  EXPECT_TRUE(child<QPushButton>("btnEdit")->isEnabled());
  trigger("TITLE1");
  EXPECT_TRUE(child<QPushButton>("btnEdit")->isEnabled());
  trigger("Element1");
  EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("要素番号"));

  common::testing::ScratchFolder scratch("meshcond_window_status");
  std::string d2 = (scratch.dir() / "D2.DAT").string();
  dialogs.paths.push_back(d2);
  trigger("D2DAT1");
  EXPECT_EQ(window.statusBar()->currentMessage(),
            QString::fromStdString("D2.DAT を書き出しました: " + d2));
  std::string zep = (scratch.dir() / "ZEP64.DAT").string();
  dialogs.paths.push_back(zep);
  trigger("Save1");
  EXPECT_EQ(window.statusBar()->currentMessage(),
            QString::fromStdString("ZEP.DAT を書き出しました: " + zep +
                                   "（同じフォルダに input.txt、zepan.bat、WORK.LST も）"));
}

TEST_F(WindowTest, ZoomButtonsMoveTheScrollBars) {
  openSection();
  QScrollBar* x = child<QScrollBar>("ScrollXBar");
  child<QToolButton>("spdExp")->click();
  EXPECT_EQ(x->pageStep(), 375);
  EXPECT_EQ(x->value(), 62);
  child<QToolButton>("spdLeft")->click();
  EXPECT_EQ(x->value(), 125);
  x->setValue(0);
  EXPECT_NEAR(window.editor().view.gxmin, window.editor().view.xmin, 1e-9);
  child<QToolButton>("btnAreaSelect")->click();
  EXPECT_EQ(window.editor().view.gxmax, window.editor().view.xmax);
}

// Element numbers are blended from cached digits; they must land where the
// text layout would draw the same text.
TEST(ImageCanvasText, NumbersLookLikeTheTextLayout) {
  auto changedBox = [](const QImage& image, int* count) {
    QRect box;
    *count = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != qRgb(255, 255, 255)) {
          box |= QRect(x, y, 1, 1);
          ++*count;
        }
    return box;
  };
  QImage fast(120, 60, QImage::Format_RGB32);
  QImage layout(120, 60, QImage::Format_ARGB32);  // not RGB32: the text layout draws it
  for (QImage* image : {&fast, &layout}) {
    image->fill(Qt::white);
    ImageCanvas canvas(*image);
    canvas.text({30, 20}, "1234567890", kPureBlue, 10);
  }
  int fastCount = 0, layoutCount = 0;
  QRect fastBox = changedBox(fast, &fastCount);
  QRect layoutBox = changedBox(layout.convertToFormat(QImage::Format_RGB32), &layoutCount);
  ASSERT_GT(layoutCount, 0);
  EXPECT_LE(std::abs(fastBox.left() - layoutBox.left()), 1);
  EXPECT_LE(std::abs(fastBox.top() - layoutBox.top()), 1);
  EXPECT_LE(std::abs(fastBox.right() - layoutBox.right()), 2);
  EXPECT_LE(std::abs(fastBox.bottom() - layoutBox.bottom()), 1);
  EXPECT_NEAR(fastCount, layoutCount, layoutCount / 5);
  // Text running off the image is cut, not wrapped or crashing.
  QImage edge(20, 10, QImage::Format_RGB32);
  edge.fill(Qt::white);
  ImageCanvas canvas(edge);
  canvas.text({-5, -5}, "88888", kPureBlue, 10);
  canvas.text({15, 5}, "88888", kPureBlue, 10);
}

TEST_F(WindowTest, EnterMovesTheFocusOn) {
  QLineEdit* editMat = child<QLineEdit>("EditMat");
  editMat->setFocus();
  QTest::keyClick(editMat, Qt::Key_Return);
  EXPECT_NE(QApplication::focusWidget(), editMat);
}

TEST_F(WindowTest, ClosingAsksOnlyAfterChanges) {
  EXPECT_TRUE(window.close());
  EXPECT_TRUE(dialogs.questions.empty());

  window.show();
  openSection();
  EXPECT_TRUE(window.close());  // a file just opened holds nothing unsaved
  EXPECT_TRUE(dialogs.questions.empty());

  window.show();
  child<QLineEdit>("EditMat")->setText(QStringLiteral("3"));
  clickAt(m.Gx[1], m.Gy[1]);
  dialogs.unsavedAnswer = UnsavedAnswer::Cancel;
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  ASSERT_EQ(dialogs.questions.size(), 1u);
  dialogs.unsavedAnswer = UnsavedAnswer::Discard;
  EXPECT_TRUE(window.close());
}

TEST_F(WindowTest, SavedZepDatIsWhatTheBatchToolWritesForTheSameModel) {
  common::testing::ScratchFolder scratch("meshcond_window_save");
  const fs::path& dir = scratch.dir();
  fs::create_directories(dir / "batch");
  auto batch = [](const std::string& actions) {
    std::string command =
        std::string(SEEP_BUILD_DIR "/seepbatch/seepbatch meshcond ") + actions + " > /dev/null";
    return std::system(command.c_str());
  };
  std::string saved = (dir / "ZEP64.DAT").string();
  std::string again = (dir / "batch" / "ZEP64.DAT").string();
  std::string plain = (dir / "batch" / "plain.DAT").string();

  // The mesh alone: the window writes what the batch tool writes.
  openSection();
  dialogs.paths.push_back(saved);
  trigger("Save1");
  ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0];
  for (const char* name : {"ZEP64.DAT", "input.txt", "zepan.bat", "WORK.LST"}) {
    EXPECT_TRUE(fs::exists(dir / name)) << name;
  }
  ASSERT_EQ(batch("--load-mesh " + kSection + " --save " + plain), 0);
  EXPECT_EQ(common::readFileBytes(saved), common::readFileBytes(plain));
  EXPECT_FALSE(window.isWindowModified());

  // With a material from the pen: the batch tool reads the file back and
  // writes the same bytes.
  child<QLineEdit>("EditMat")->setText(QStringLiteral("3"));
  clickAt(m.Gx[1], m.Gy[1]);
  EXPECT_TRUE(window.isWindowModified());
  dialogs.paths.push_back(saved);
  trigger("Save1");
  ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0];
  EXPECT_NE(common::readFileBytes(saved), common::readFileBytes(plain));
  ASSERT_EQ(batch("--open " + saved + " --save " + again), 0);
  EXPECT_EQ(common::readFileBytes(saved), common::readFileBytes(again));

  EXPECT_TRUE(window.close());  // saved: no question
  EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(WindowTest, UndoAndRedoHeadTheEditMenu) {
  QMenu* n3 = child<QMenu>("N3");
  ASSERT_NE(n3, nullptr);
  QStringList names;
  for (QAction* a : n3->actions()) names << a->objectName();
  EXPECT_EQ(names, (QStringList{"Undo", "Redo", "UndoSeparator", "TITLE1", "SOLV1", "TIME1",
                                "Element1", "TOSUI1"}));
  QAction* undo = child<QAction>("Undo");
  QAction* redo = child<QAction>("Redo");
  EXPECT_EQ(undo->text(), QStringLiteral("元に戻す(&U)"));
  EXPECT_EQ(redo->text(), QStringLiteral("やり直し(&R)"));
  EXPECT_EQ(undo->shortcuts(), QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Z"))});
  EXPECT_EQ(redo->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                                    QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());

  openSection();
  EXPECT_FALSE(undo->isEnabled());  // opening a file is no step
  child<QLineEdit>("EditMat")->setText(QStringLiteral("3"));
  clickAt(m.Gx[1], m.Gy[1]);
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_EQ(undo->text(), QStringLiteral("元に戻す(&U): 材質の設定"));
  EXPECT_TRUE(window.isWindowModified());
}

TEST_F(WindowTest, ShortcutsUndoAndRedoAndTheDrawingFollows) {
  openSection();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QLineEdit* editMat = child<QLineEdit>("EditMat");
  editMat->setText(QStringLiteral("3"));
  clickAt(m.Gx[1], m.Gy[1]);
  ASSERT_EQ(pixelAt(0.5, 1.5), qRgb(0, 128, 0));
  editMat->setFocus();  // the shortcuts reach the model from the text box too
  struct Key {
    Qt::KeyboardModifiers modifiers;
    Qt::Key key;
    int material;
  };
  const Key keys[] = {{Qt::ControlModifier, Qt::Key_Z, 1},
                      {Qt::ControlModifier, Qt::Key_Y, 3},
                      {Qt::ControlModifier, Qt::Key_Z, 1},
                      {Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z, 3}};
  for (const Key& k : keys) {
    QTest::keyClick(QApplication::focusWidget(), k.key, k.modifiers);
    EXPECT_EQ(m.MAT[1], k.material);
    EXPECT_EQ(pixelAt(0.5, 1.5), k.material == 3 ? qRgb(0, 128, 0) : qRgb(255, 0, 0));
    EXPECT_EQ(window.isWindowModified(), k.material == 3);
    EXPECT_EQ(child<QAction>("Undo")->isEnabled(), k.material == 3);
    EXPECT_EQ(child<QAction>("Redo")->isEnabled(), k.material == 1);
  }
  EXPECT_EQ(editMat->text(), QStringLiteral("3"));
}

TEST_F(WindowTest, EscapeEndsTheAreaBand) {
  openSection();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  child<QToolButton>("btnArea")->click();
  child<QLineEdit>("EditMat")->setText(QStringLiteral("5"));
  clickAt(-1, -1);
  ASSERT_TRUE(window.editor().view.DrawFlag);
  QLineEdit* editElem = child<QLineEdit>("EditElem");
  editElem->setFocus();  // where Enter in EditMat leaves the focus
  QTest::keyClick(editElem, Qt::Key_Escape);
  EXPECT_FALSE(window.editor().view.DrawFlag);
  clickAt(4, 3);  // starts a new band: nothing assigned
  EXPECT_EQ(m.MAT[1], 1);
  EXPECT_FALSE(child<QAction>("Undo")->isEnabled());
}

TEST_F(WindowTest, ADialogThatChangedTheModelIsOneStep) {
  openSection();
  window.showDialog = [this](ConditionDialog& dialog) {
    if (dialog.objectName() == QStringLiteral("TForm2")) m.TITLE = "新しい断面";
    return static_cast<int>(QDialog::Accepted);
  };
  const std::string title = m.TITLE;
  trigger("SOLV1");  // closed without a change: no step
  EXPECT_FALSE(child<QAction>("Undo")->isEnabled());
  trigger("TITLE1");
  EXPECT_EQ(child<QAction>("Undo")->text(), QStringLiteral("元に戻す(&U): タイトル"));
  trigger("Undo");
  EXPECT_EQ(m.TITLE, title);
  EXPECT_FALSE(window.isWindowModified());
  EXPECT_EQ(child<QAction>("Redo")->text(), QStringLiteral("やり直し(&R): タイトル"));
  trigger("Redo");
  EXPECT_EQ(m.TITLE, "新しい断面");
}

}  // namespace
}  // namespace meshcond::ui
