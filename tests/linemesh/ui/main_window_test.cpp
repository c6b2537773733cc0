// The mesh maker's window, driven headless through its widgets.
#include "linemesh/ui/main_window.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <functional>
#include <utility>

#include "common/text_file.h"
#include "linemesh/ui/qt_dialogs.h"
#include "tests/linemesh/interaction/fake_dialogs.h"
#include "tests/support/test_scratch_folder.h"

namespace linemesh::ui {
namespace {

namespace fs = std::filesystem;

using testing::FakeDialogs;

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto fake = std::make_unique<FakeDialogs>();
    dialogs = fake.get();
    window = std::make_unique<MainWindow>(std::move(fake));
    window->resize(1000, 700);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  void TearDown() override {
    window->editor().modified = false;
    window.reset();
  }

  QAction* action(const char* name) { return window->findChild<QAction*>(name); }
  template <typename W>
  W* widget(const char* name) {
    return window->findChild<W*>(name);
  }
  void clickButton(const char* name) {
    QWidget* button = window->toolBar()->widgetForAction(action(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  QPoint pixelOf(double x, double y) {
    return {window->view().toPixelX(x), window->view().toPixelY(y)};
  }
  void clickAt(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseMove(window->surface(), p);
    QTest::mouseClick(window->surface(), b, Qt::NoModifier, p);
  }
  /// A line by two clicks, with a mouse move between them.
  void drawLine(QPoint a, QPoint b) {
    clickAt(a);
    QTest::mouseMove(window->surface(), (a + b) / 2);
    clickAt(b);
  }
  std::string file(const char* name) const { return (dir / name).string(); }

  FakeDialogs* dialogs = nullptr;
  std::unique_ptr<MainWindow> window;
  common::testing::TestScratchFolder scratch{"linemesh_window"};
  const fs::path& dir = scratch.dir();
};

TEST_F(WindowTest, CaptionsMenusAndToolBar) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("線を引く"));
  QStringList menus;
  for (QAction* a : window->menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{"File(&F)", "編集(&E)", "表示(&V)", "分割数"}));

  QStringList file;
  for (QAction* a : window->menuBar()->actions()[0]->menu()->actions()) {
    file << (a->isSeparator() ? QStringLiteral("-") : a->text());
  }
  EXPECT_EQ(file, (QStringList{"読み込み(&L)", "MESH.DAT", "保存(&S)", "M2Wの保存", "M3Wのプロット",
                               "-", "要素の成形", "自動メッシュ...", "要素図プロット",
                               "図の出力...", "DAT保存", "-", "終了(&X)"}));
  QStringList dat;
  for (QAction* a : widget<QMenu>("DAT1")->actions()) {
    dat << (a->isSeparator() ? QStringLiteral("-") : a->text());
  }
  EXPECT_EQ(dat, (QStringList{"メッシュデータ", "-", "ZEPAN", "VOKA"}));
  QStringList parts;
  for (QAction* a : widget<QMenu>("Devide1")->actions()) parts << a->text();
  EXPECT_EQ(parts, (QStringList{"２分割", "３分割", "４分割", "５分割", "６分割", "７分割",
                                "８分割", "９分割", "10分割"}));

  QStringList tools;  // as shown: メッシュ作成 joins 自動 only while faces are picked
  for (QAction* a : window->toolBar()->actions()) {
    if (a->isVisible()) tools << (a->isSeparator() ? QStringLiteral("|") : a->text());
  }
  EXPECT_EQ(tools, (QStringList{"線",   "削除", "分割", "|",    "自動", "|", "OnSnap",
                                "直交", "|",    "拡大", "縮小", "全体", "|", "部分",
                                "拡大", "|",    "左",   "右",   "上",   "下"}));
  EXPECT_EQ(action("Load1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
  EXPECT_EQ(action("Save1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
  EXPECT_EQ(action("Exit1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));

  EXPECT_EQ(widget<QLabel>("lblSnap")->text(), QStringLiteral("ONSNAP"));
  EXPECT_EQ(widget<QLabel>("lblConnect")->text(), QStringLiteral("自由"));
  EXPECT_EQ(widget<QLabel>("LabelNode")->text(), QStringLiteral("節点：0"));
  EXPECT_EQ(widget<QLabel>("LabelElement")->text(), QStringLiteral("要素：0"));
  EXPECT_EQ(widget<QPushButton>("btnLine2")->text(), QStringLiteral("決定"));
  EXPECT_EQ(window->horzScrollBar()->maximum(), 100);
  EXPECT_EQ(window->vertScrollBar()->value(), 50);
}

TEST_F(WindowTest, ModeButtonsShowOnePressed) {
  EXPECT_TRUE(action("btnLine")->isChecked());
  clickButton("btnDel");
  EXPECT_EQ(window->editor().stage, 2);
  EXPECT_FALSE(action("btnLine")->isChecked());
  EXPECT_TRUE(action("btnDel")->isChecked());
  clickButton("btnDel");  // pressing the pressed one keeps it pressed
  EXPECT_TRUE(action("btnDel")->isChecked());
  clickButton("btnDevide");
  EXPECT_EQ(window->editor().stage, 3);
  EXPECT_FALSE(action("btnDel")->isChecked());
  EXPECT_TRUE(action("btnDevide")->isChecked());
  clickButton("btnArea");
  EXPECT_EQ(window->editor().stage, 4);
  EXPECT_FALSE(action("btnDevide")->isChecked());
  clickButton("btnLine");
  EXPECT_EQ(window->editor().stage, 1);
  EXPECT_TRUE(action("btnLine")->isChecked());

  clickButton("btnOnSnap");
  EXPECT_FALSE(action("btnOnSnap")->isChecked());
  EXPECT_EQ(widget<QLabel>("lblSnap")->text(), QStringLiteral("OFFSNAP"));
  clickButton("btnFreeDeg");
  EXPECT_TRUE(action("btnFreeDeg")->isChecked());
  EXPECT_EQ(widget<QLabel>("lblConnect")->text(), QStringLiteral("直交"));
  action("Dev5")->trigger();
  EXPECT_EQ(window->editor().DevNum, 5);
  EXPECT_TRUE(action("Dev5")->isChecked());
}

TEST_F(WindowTest, ElementNumbersAreSwitchedFromTheViewMenu) {
  QAction* numbers = action("ElementNumbers1");
  ASSERT_NE(numbers, nullptr);
  EXPECT_EQ(numbers->text(), QStringLiteral("要素番号(&N)"));
  EXPECT_TRUE(numbers->isCheckable());
  EXPECT_TRUE(numbers->isChecked());
  numbers->trigger();
  EXPECT_FALSE(numbers->isChecked());
  EXPECT_FALSE(window->view().numbers);
  numbers->trigger();
  EXPECT_TRUE(numbers->isChecked());
  EXPECT_TRUE(window->view().numbers);
}

TEST_F(WindowTest, FirstActivatedTheWindowFillsTheWorkArea) {
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(window.get(), &activate);
  const QRect work = window->screen()->availableGeometry();
  const QRect frame = window->frameGeometry();
  EXPECT_EQ(frame.topLeft(), work.topLeft());
  EXPECT_EQ(frame.height(), work.height());
  // (The test screen is narrower than the window's least width.)
  // Only the first time: a window moved or sized by the user stays so.
  window->resize(window->width(), 400);
  QApplication::sendEvent(window.get(), &activate);
  EXPECT_EQ(window->geometry().height(), 400);
}

TEST_F(WindowTest, WheelOverTheSurfaceZoomsAboutTheMouse) {
  const QPoint at(200, 150);
  const double x = window->view().toWorldX(at.x()), y = window->view().toWorldY(at.y());
  const double width = window->view().gxmax - window->view().gxmin;
  QWheelEvent wheel(at, window->surface()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(window->surface(), &wheel);
  EXPECT_NEAR(window->view().gxmax - window->view().gxmin, 0.75 * width, 1e-9);
  EXPECT_NEAR(window->view().toWorldX(at.x()), x, 1e-9);
  EXPECT_NEAR(window->view().toWorldY(at.y()), y, 1e-9);
  EXPECT_EQ(window->horzScrollBar()->value(), window->editor().horzBar);
}

TEST_F(WindowTest, TwoCrossingLinesDrawnWithTheMouse) {
  const QPoint c = pixelOf(0, 0);
  drawLine(c + QPoint(-60, 0), c + QPoint(60, 0));
  drawLine(c + QPoint(0, -40), c + QPoint(0, 40));
  EXPECT_EQ(window->network().NUMEL, 4);
  EXPECT_EQ(widget<QLabel>("LabelNode")->text(), QStringLiteral("節点：5"));
  EXPECT_FALSE(widget<QLineEdit>("EditX1")->text().isEmpty());
  EXPECT_TRUE(window->editor().modified);
  // The drawing reached the image: the crossing is black, a node blue beside it.
  const QImage& image = window->canvas().image();
  EXPECT_EQ(image.pixel(c + QPoint(30, 0)) & 0xFFFFFF, 0x000000u);
  EXPECT_EQ(image.pixel(c + QPoint(60, 1)) & 0xFFFFFF, 0x0000FFu);
  QTest::mouseMove(window->surface(), c + QPoint(45, -45));
  EXPECT_EQ(widget<QLabel>("lblXPos")->text().size(), 8);
}

TEST_F(WindowTest, GridFormedAndWrittenAsTheBatchToolWritesIt) {
  const QPoint c = pixelOf(0, 0);
  const int step = 60, over = 20;
  for (int k = 0; k < 3; ++k) {
    drawLine(c + QPoint(-over, -k * step), c + QPoint(2 * step + over, -k * step));
  }
  for (int k = 0; k < 3; ++k) {
    drawLine(c + QPoint(k * step, over), c + QPoint(k * step, -2 * step - over));
  }
  // The lines as registered, for the batch tool.
  const LineNetwork& net = window->network();
  std::string lines;
  char text[200];
  for (int k = 0; k < 6; ++k) {
    QPoint a, b;
    if (k < 3) {
      a = c + QPoint(-over, -k * step), b = c + QPoint(2 * step + over, -k * step);
    } else {
      a = c + QPoint((k - 3) * step, over), b = c + QPoint((k - 3) * step, -2 * step - over);
    }
    std::snprintf(text, sizeof text, " --line %.17g %.17g %.17g %.17g",
                  window->view().toWorldX(a.x()), window->view().toWorldY(a.y()),
                  window->view().toWorldX(b.x()), window->view().toWorldY(b.y()));
    lines += text;
  }
  std::snprintf(text, sizeof text, "--snap-eps %.17g", net.eps);
  const std::string eps = text;

  action("Yoso1")->trigger();
  EXPECT_EQ(net.NE, 4);
  EXPECT_EQ(widget<QLabel>("LabelElement")->text(), QStringLiteral("要素：4"));
  EXPECT_EQ(window->editor().stage, 0);
  EXPECT_FALSE(action("btnLine")->isChecked());

  dialogs->paths = {file("MESH.DAT"),  file("VK.DAT"),       file("grid.M2W"),
                    file("lines.DXF"), file("elements.DXF"), file("grid.M3W")};
  action("Mesh1")->trigger();
  action("VOKA1")->trigger();
  action("M2W1")->trigger();
  action("M3WPlot1")->trigger();
  action("Plot1")->trigger();
  action("Save1")->trigger();
  EXPECT_TRUE(dialogs->messages.empty());
  EXPECT_FALSE(window->editor().modified);
  ASSERT_EQ(dialogs->asked.size(), 6u);
  EXPECT_EQ(dialogs->asked[0].filter, "ZEPデータ(*.DAT)|*.DAT");
  EXPECT_EQ(dialogs->asked[0].defaultExt, "DAT");
  EXPECT_EQ(dialogs->asked[1].filter, "VOKA.DAT(VK.DAT)|*.DAT");
  EXPECT_EQ(dialogs->asked[1].fileName, "MESH_VK.DAT");  // its own name, not the last file's
  EXPECT_EQ(dialogs->asked[2].filter, "メッシュファイル(*.M2W)|*.M2W");
  EXPECT_EQ(dialogs->asked[2].defaultExt, "M2W");
  EXPECT_EQ(dialogs->asked[3].filter, "DXF(*.DXF)|*.DXF");
  EXPECT_EQ(dialogs->asked[4].fileName, "TEST.DXF");
  EXPECT_EQ(dialogs->asked[5].filter, "メッシュ(*.M3W)|*.M3W");
  EXPECT_EQ(dialogs->asked[5].defaultExt, "M3W");
  EXPECT_EQ(dialogs->asked[5].fileName, "MESH.M3W");  // nothing read yet
  EXPECT_EQ(widget<QLabel>("lblStatus")->text().toStdString(),
            "M3W を書き出しました: " + file("grid.M3W"));

  const fs::path batch = dir / "batch";
  fs::create_directories(batch);
  const std::string command = "cd '" + batch.string() + "' && '" SEEPBATCH "' linemesh " + eps +
                              lines +
                              " --form --save-mesh MESH.DAT --save-voka VK.DAT --save-m2w "
                              "grid.M2W --plot-lines lines.DXF --plot-elements elements.DXF "
                              "--save grid.M3W > out.txt 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << common::readFileBytes((batch / "out.txt").string());
  for (const char* name :
       {"MESH.DAT", "VK.DAT", "grid.M2W", "lines.DXF", "elements.DXF", "grid.M3W"}) {
    EXPECT_EQ(common::readFileBytes(file(name)), common::readFileBytes((batch / name).string()))
        << name;
  }
}

TEST_F(WindowTest, AFormationThatLeavesACellOutSaysWhereAndMarksIt) {
  // A square beside a hexagon: one element, one cell without element.
  LineNetwork& net = window->network();
  const double hexagon[6][2] = {{30, 0}, {35, 8.66}, {30, 17.32}, {20, 17.32}, {15, 8.66}, {20, 0}};
  for (int k = 0; k < 6; ++k)
    net.drawLine(hexagon[k][0], hexagon[k][1], hexagon[(k + 1) % 6][0], hexagon[(k + 1) % 6][1]);
  for (auto [x1, y1, x2, y2] :
       {std::array<double, 4>{0, 0, 10, 0}, {10, 0, 10, 10}, {10, 10, 0, 10}, {0, 10, 0, 0}})
    net.drawLine(x1, y1, x2, y2);
  action("Yoso1")->trigger();
  EXPECT_EQ(widget<QLabel>("LabelElement")->text(), QStringLiteral("要素：1"));
  ASSERT_EQ(dialogs->messages.size(), 1u);
  const std::string& m = dialogs->messages[0];
  EXPECT_EQ(m.rfind("要素：1（三角形 0、四角形 1）\n要素のないセル 1 個: 節点 ", 0), 0u) << m;
  EXPECT_NE(m.find("要素のない節点 6 個: "), std::string::npos) << m;
  EXPECT_NE(m.find("内角: 最小 90.0°、最大 90.0°"), std::string::npos) << m;

  // The hexagon is filled in the warning colour; the square stays white.
  const QImage& image = window->canvas().image();
  auto colourAt = [&](double x, double y) {
    return image.pixel(window->view().toPixelX(x), window->view().toPixelY(y)) & 0xFFFFFF;
  };
  EXPECT_EQ(colourAt(25, 8), kCellWarningColor);
  EXPECT_EQ(colourAt(5, 5), 0xFFFFFFu);

  // A faultless formation says nothing.
  dialogs->messages.clear();
  window->editor().modified = false;
  net.NUMNP = net.NUMEL = 0;
  for (auto [x1, y1, x2, y2] :
       {std::array<double, 4>{0, 0, 10, 0}, {10, 0, 10, 10}, {10, 10, 0, 10}, {0, 10, 0, 0}})
    net.drawLine(x1, y1, x2, y2);
  action("Yoso1")->trigger();
  EXPECT_TRUE(dialogs->messages.empty());
  EXPECT_EQ(colourAt(5, 5), 0xFFFFFFu);
}

TEST_F(WindowTest, AutoMeshDialogAndPickingFaces) {
  // Two squares of 40 side by side.
  LineNetwork& net = window->network();
  for (auto [x1, y1, x2, y2] : {std::array<double, 4>{0, 0, 80, 0},
                                {0, 40, 80, 40},
                                {0, 0, 0, 40},
                                {40, 0, 40, 40},
                                {80, 0, 80, 40}})
    net.drawLine(x1, y1, x2, y2);
  const int lines = net.NUMEL;
  auto* status = widget<QLabel>("lblStatus");
  QAction* meshPicked = action("btnMeshPicked");
  const QImage& image = window->canvas().image();
  auto colourAt = [&](double x, double y) {
    return image.pixel(window->view().toPixelX(x), window->view().toPixelY(y)) & 0xFFFFFF;
  };

  // Cancelled, then a size that is no size: nothing changes.
  dialogs->autoMeshChoices = {std::nullopt, AutoMeshChoice{"0", false}};
  action("AutoMesh1")->trigger();
  action("AutoMesh1")->trigger();
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_NE(dialogs->messages[0].find("0 より大きい数"), std::string::npos) << dialogs->messages[0];
  EXPECT_EQ(net.NUMEL, lines);
  EXPECT_EQ(window->editor().stage, 1);
  ASSERT_EQ(dialogs->autoMeshProposals.size(), 2u);
  EXPECT_EQ(dialogs->autoMeshProposals[0].size, "1.0");
  EXPECT_FALSE(dialogs->autoMeshProposals[0].clickedFaces);

  // クリックした面 from the tool button: the button stays pressed while picking.
  const int width = window->width();
  dialogs->autoMeshChoices = {AutoMeshChoice{"0.5", true}};
  clickButton("btnAutoMesh");
  QApplication::processEvents();
  EXPECT_EQ(window->width(), width);                   // the long status does not widen the window
  EXPECT_EQ(dialogs->autoMeshProposals[2].size, "0");  // the dialog shows what was typed last
  EXPECT_TRUE(action("btnAutoMesh")->isChecked());
  EXPECT_FALSE(action("btnLine")->isChecked());
  EXPECT_TRUE(meshPicked->isVisible());
  EXPECT_TRUE(status->text().contains(QStringLiteral("選んだ面 0、")))
      << status->text().toStdString();
  clickAt(pixelOf(20, 20));
  EXPECT_EQ(colourAt(10, 30), kPickedFaceColor);
  EXPECT_EQ(colourAt(60, 30), 0xFFFFFFu);
  EXPECT_TRUE(status->text().contains(QStringLiteral("選んだ面 1、")));
  clickAt(pixelOf(30, 10));  // picked again: unpicked
  EXPECT_EQ(colourAt(10, 30), 0xFFFFFFu);

  // Enter with nothing picked says so and keeps picking; Esc ends it.
  QTest::keyClick(window->surface(), Qt::Key_Return);
  ASSERT_EQ(dialogs->messages.size(), 2u);
  EXPECT_NE(dialogs->messages[1].find("選ばれていません"), std::string::npos);
  EXPECT_TRUE(window->editor().picking());
  clickAt(pixelOf(60, 20));
  QTest::keyClick(window->surface(), Qt::Key_Escape);
  EXPECT_FALSE(window->editor().picking());
  EXPECT_TRUE(action("btnLine")->isChecked());
  EXPECT_FALSE(meshPicked->isVisible());
  EXPECT_TRUE(status->text().isEmpty());
  EXPECT_EQ(colourAt(60, 30), 0xFFFFFFu);

  // A right click ends it too.
  dialogs->autoMeshChoices = {AutoMeshChoice{"0.5", true}};
  action("AutoMesh1")->trigger();
  clickAt(pixelOf(60, 20));
  clickAt(pixelOf(60, 20), Qt::RightButton);
  EXPECT_FALSE(window->editor().picking());
  EXPECT_EQ(net.NUMEL, lines);
  EXPECT_FALSE(window->editor().modified);

  // メッシュ作成 meshes the picked square. Its side is divided, so the other
  // square is a cell without element now, and the formation report says so.
  dialogs->autoMeshChoices = {AutoMeshChoice{"5", true}};
  action("AutoMesh1")->trigger();
  clickAt(pixelOf(20, 20));
  clickButton("btnMeshPicked");
  const int elements = net.NE;
  EXPECT_GE(elements, 64);  // sides of 5 at most on a square of 40
  ASSERT_EQ(dialogs->messages.size(), 3u);
  EXPECT_EQ(dialogs->messages[2].rfind(QString("要素：%1（").arg(elements).toStdString(), 0), 0u);
  EXPECT_NE(dialogs->messages[2].find("要素のないセル 1 個"), std::string::npos);
  EXPECT_EQ(status->text(), QString("自動メッシュ: %1 要素（1 面）").arg(elements));
  EXPECT_EQ(widget<QLabel>("LabelElement")->text(), QString("要素：%1").arg(elements));
  EXPECT_FALSE(window->editor().picking());
  EXPECT_FALSE(meshPicked->isVisible());
  EXPECT_EQ(window->editor().stage, 0);
  EXPECT_TRUE(window->editor().modified);
  EXPECT_EQ(colourAt(60, 30), kCellWarningColor);
  EXPECT_NE(colourAt(11.3, 27.7), kPickedFaceColor);
}

TEST_F(WindowTest, AutoMeshOfEveryFaceIsFormedAndAFailureChangesNothing) {
  LineNetwork& net = window->network();
  for (auto [x1, y1, x2, y2] :
       {std::array<double, 4>{0, 0, 10, 0}, {10, 0, 10, 10}, {10, 10, 0, 10}, {0, 10, 0, 0}})
    net.drawLine(x1, y1, x2, y2);
  const int nodes = net.NUMNP, lines = net.NUMEL;
  dialogs->autoMeshChoices = {AutoMeshChoice{"0.001", false}, AutoMeshChoice{"0.5", false}};
  action("AutoMesh1")->trigger();  // far beyond the tables
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_NE(dialogs->messages[0].find("容量"), std::string::npos) << dialogs->messages[0];
  EXPECT_EQ(net.NUMNP, nodes);
  EXPECT_EQ(net.NUMEL, lines);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(window->editor().modified);

  action("AutoMesh1")->trigger();
  EXPECT_EQ(dialogs->messages.size(), 1u);  // the formation left nothing out
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  const FormationReport report = reportFormation(net);
  EXPECT_TRUE(report.faultless());
  EXPECT_GE(report.elements, 400);  // sides of 0.5 at most on a square of 10
  EXPECT_EQ(report.elements, net.NE);
  EXPECT_EQ(widget<QLabel>("lblStatus")->text(),
            QString("自動メッシュ: %1 要素（1 面）").arg(report.elements));
  EXPECT_EQ(window->editor().stage, 0);
  EXPECT_TRUE(window->view().frame);
  EXPECT_TRUE(window->editor().modified);
}

TEST_F(WindowTest, AFileNamedOnTheCommandLineIsOpened) {
  const std::string grid = std::string(SEEP_FIXTURE_DIR) + "/linemesh/grid2x1.M3W";
  window->openFile(grid);
  EXPECT_EQ(window->network().NUMEL, 7);
  EXPECT_EQ(window->files().MeshName, grid);
  EXPECT_EQ(widget<QLabel>("LabelNode")->text(), QStringLiteral("節点：6"));

  // A mesh data file by its extension, in either case; a file that does not
  // read is named in a message and changes nothing.
  action("Yoso1")->trigger();
  dialogs->paths = {file("grid.dat")};
  action("Mesh1")->trigger();
  window->editor().modified = false;
  window->openFile(file("missing.M3W"));
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_NE(dialogs->messages[0].find("missing.M3W"), std::string::npos);
  window->network().NUMEL = 0;
  window->openFile(file("grid.dat"));
  EXPECT_EQ(window->network().NUMEL, 7);
  EXPECT_EQ(dialogs->messages.size(), 1u);
}

TEST_F(WindowTest, ReadingAFileAndItsErrors) {
  common::writeTextLines(file("bad.M3W"), {"       2       1", "       1     0.000     x"});
  common::writeTextLines(file("one.M3W"),
                         {"       2       1", "       1     0.000     0.000",
                          "       2    10.000     5.000", "       1       1       2"});
  dialogs->paths = {file("bad.M3W"), file("one.M3W"), std::nullopt};
  action("Load1")->trigger();
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_NE(dialogs->messages[0].find("bad.M3W"), std::string::npos);
  EXPECT_EQ(window->network().NUMNP, 0);
  EXPECT_EQ(dialogs->asked[0].filter, "メッシュ(*.M3W)|*.M3W|DXF(*.DXF)|*.DXF");
  action("Load1")->trigger();
  EXPECT_EQ(window->network().NUMEL, 1);
  EXPECT_EQ(window->files().MeshName, file("one.M3W"));
  EXPECT_EQ(widget<QLabel>("LabelNode")->text(), QStringLiteral("節点：2"));
  EXPECT_DOUBLE_EQ(window->view().gxmin, 0);
  EXPECT_DOUBLE_EQ(window->view().gxmax, 10);
  action("MESHDAT1")->trigger();  // cancelled
  EXPECT_EQ(dialogs->asked.back().fileName, "MESH.DAT");
  EXPECT_EQ(dialogs->asked.back().filter, "メッシュデータ(*.DAT)|*.DAT");
  EXPECT_EQ(window->network().NUMEL, 1);
}

TEST_F(WindowTest, TypedCoordinates) {
  auto* xo = widget<QLineEdit>("EditXo");
  auto* yo = widget<QLineEdit>("EditYo");
  auto* x1 = widget<QLineEdit>("EditX1");
  auto* y1 = widget<QLineEdit>("EditY1");
  auto* ok = widget<QPushButton>("btnLine2");
  window->activateWindow();
  xo->setFocus();
  QTest::keyClicks(xo, "-10");
  QTest::keyClick(xo, Qt::Key_Return);  // Enter moves on and is not typed
  EXPECT_TRUE(yo->hasFocus());
  QTest::keyClicks(yo, "0");
  QTest::keyClick(yo, Qt::Key_Return);
  EXPECT_TRUE(x1->hasFocus());
  EXPECT_TRUE(window->editor().DrawFlag);  // leaving Yo started a line at (-10, 0)
  QTest::keyClicks(x1, "30");
  QTest::keyClick(x1, Qt::Key_Return);
  QTest::keyClicks(y1, "abc");
  QTest::keyClick(y1, Qt::Key_Return);
  EXPECT_TRUE(ok->hasFocus());
  QTest::mouseClick(ok, Qt::LeftButton);
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_NE(dialogs->messages[0].find("abc"), std::string::npos);
  EXPECT_EQ(window->network().NUMEL, 0);
  y1->setText("5");
  emit y1->textEdited("5");
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(window->network().NUMEL, 1);
  EXPECT_EQ(dialogs->messages.size(), 1u);
}

TEST_F(WindowTest, ScrollBarRecentresTheView) {
  window->horzScrollBar()->setValue(75);
  EXPECT_DOUBLE_EQ(window->view().xmed, 100);
  EXPECT_EQ(window->editor().horzBar, 75);
  clickButton("btnZoomAll");
  EXPECT_EQ(window->horzScrollBar()->value(), 50);
  EXPECT_DOUBLE_EQ(window->view().xmed, 0);
}

TEST_F(WindowTest, UndoAndRedoFromTheEditMenuAndTheKeys) {
  QAction* undo = action("Undo1");
  QAction* redo = action("Redo1");
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());
  EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_EQ(redo->shortcuts(),
            (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
  const QPoint c = pixelOf(0, 0);
  drawLine(c, c + QPoint(60, 0));
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_EQ(undo->text(), QStringLiteral("元に戻す(&U): 線の追加"));
  EXPECT_TRUE(window->editor().modified);
  // Escape ends a started line.
  clickAt(c + QPoint(0, 40));
  ASSERT_TRUE(window->editor().DrawFlag);
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(window->editor().DrawFlag);
  EXPECT_EQ(window->network().NUMEL, 1);

  // Ctrl+Z takes the line back even from a coordinate box, whose own text
  // undo would otherwise take the key.
  widget<QLineEdit>("EditXo")->setFocus();
  QTest::keyClick(widget<QLineEdit>("EditXo"), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(window->network().NUMEL, 0);
  EXPECT_FALSE(window->editor().modified);
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_EQ(redo->text(), QStringLiteral("やり直し(&R): 線の追加"));
  QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(window->network().NUMEL, 1);
  EXPECT_EQ(widget<QLabel>("LabelNode")->text(), QStringLiteral("節点：2"));
  undo->trigger();
  QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(window->network().NUMEL, 1);
  EXPECT_FALSE(redo->isEnabled());

  // A file read begins a new history.
  window->editor().modified = false;
  window->openFile(std::string(SEEP_FIXTURE_DIR) + "/linemesh/grid2x1.M3W");
  EXPECT_FALSE(undo->isEnabled());
}

TEST_F(WindowTest, ClosingWithUnsavedChangesAsks) {
  EXPECT_TRUE(window->close());  // nothing drawn: no question
  EXPECT_EQ(dialogs->questions, 0);
  window->show();
  const QPoint c = pixelOf(0, 0);
  drawLine(c, c + QPoint(50, 0));

  dialogs->answers = {UnsavedAnswer::Cancel};
  EXPECT_FALSE(window->close());
  dialogs->answers = {UnsavedAnswer::Save};  // the save dialog is cancelled
  dialogs->paths = {std::nullopt};
  EXPECT_FALSE(window->close());
  dialogs->answers = {UnsavedAnswer::Save};
  dialogs->paths = {file("kept.M3W")};
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(fs::exists(file("kept.M3W")));
  EXPECT_EQ(dialogs->questions, 3);

  window->show();
  drawLine(c, c + QPoint(0, 50));
  dialogs->answers = {UnsavedAnswer::Discard};
  EXPECT_TRUE(window->close());
}

TEST_F(WindowTest, OpeningOverUnsavedChangesAsksFirst) {
  common::writeTextLines(
      file("two.M3W"),
      {"       3       2", "       1     0.000     0.000", "       2    10.000     5.000",
       "       3    10.000     0.000", "       1       1       2", "       2       2       3"});
  common::writeTextLines(file("MESH.DAT"), {"3 1", "1 0 0", "2 4 0", "3 0 4", "1 1 2 3 0 3"});
  const QPoint c = pixelOf(0, 0);
  drawLine(c, c + QPoint(50, 0));
  ASSERT_EQ(window->network().NUMEL, 1);

  // キャンセル: no open dialog, nothing changed.
  for (const char* open : {"Load1", "MESHDAT1"}) {
    SCOPED_TRACE(open);
    dialogs->answers = {UnsavedAnswer::Cancel};
    action(open)->trigger();
    EXPECT_TRUE(dialogs->asked.empty());
    EXPECT_EQ(window->network().NUMEL, 1);
    EXPECT_TRUE(window->editor().modified);
  }
  // 破棄: the file replaces the drawing; a file just read is not unsaved.
  dialogs->answers = {UnsavedAnswer::Discard};
  dialogs->paths = {file("two.M3W")};
  action("Load1")->trigger();
  EXPECT_EQ(window->network().NUMEL, 2);
  EXPECT_FALSE(window->editor().modified);
  EXPECT_EQ(dialogs->questions, 3);
  dialogs->paths = {std::nullopt};
  action("MESHDAT1")->trigger();
  EXPECT_EQ(dialogs->questions, 3);

  // 保存: the drawing is saved first, then the mesh is read.
  drawLine(c, c + QPoint(0, 50));
  dialogs->answers = {UnsavedAnswer::Save};
  dialogs->paths = {file("kept.M3W"), file("MESH.DAT")};
  action("MESHDAT1")->trigger();
  EXPECT_TRUE(fs::exists(file("kept.M3W")));
  EXPECT_EQ(window->network().NUMEL, 3);
  EXPECT_EQ(dialogs->questions, 4);
  EXPECT_TRUE(dialogs->messages.empty());
}

/// Steps taken on modal windows as they open: each step waits for an active
/// modal window that it matches, then acts on it (which may open the next).
class ModalSteps {
 public:
  using Step = std::pair<std::function<bool(QWidget*)>, std::function<void(QWidget*)>>;
  explicit ModalSteps(std::deque<Step> steps) : steps_(std::move(steps)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (steps_.empty() || !modal || !steps_.front().first(modal)) return;
      // Acted on from a timer of its own, so that this one looks on while
      // the step waits in a window that it opens.
      QTimer::singleShot(0, modal, [act = steps_.front().second, modal] { act(modal); });
      steps_.pop_front();
    });
    timer_.start(10);
  }
  bool done() const { return steps_.empty(); }

 private:
  std::deque<Step> steps_;
  QTimer timer_;
};

TEST(QtAutoMeshDialogTest, ProposesTheLastChoiceAndKeepsAskingUntilTheSizeIsOne) {
  QWidget parent;
  QtDialogs dialogs(&parent);
  auto isDialog = [](QWidget* w) { return w->objectName() == "AutoMeshDialog"; };
  auto isMessage = [](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; };
  auto press = [](QWidget* dialog, QDialogButtonBox::StandardButton which) {
    dialog->findChild<QDialogButtonBox*>()->button(which)->click();
  };
  AutoMeshChoice proposed;  // what the dialog showed
  auto shown = [&proposed](QWidget* dialog) {
    proposed.size = dialog->findChild<QLineEdit*>("editMeshSize")->text().toStdString();
    proposed.clickedFaces = dialog->findChild<QRadioButton*>("rbClickedFaces")->isChecked();
  };

  {
    ModalSteps steps({{isDialog, [&](QWidget* d) {
                         shown(d);
                         press(d, QDialogButtonBox::Cancel);
                       }}});
    EXPECT_EQ(dialogs.askAutoMesh(AutoMeshChoice{"2", true}), std::nullopt);
    EXPECT_TRUE(steps.done());
    EXPECT_EQ(proposed.size, "2");
    EXPECT_TRUE(proposed.clickedFaces);
  }

  std::string message;
  ModalSteps steps({{isDialog,
                     [&](QWidget* d) {
                       shown(d);
                       d->findChild<QLineEdit*>("editMeshSize")->setText("-1");
                       press(d, QDialogButtonBox::Ok);  // the message opens and closes in here
                       EXPECT_TRUE(d->isVisible());     // still asking
                       d->findChild<QLineEdit*>("editMeshSize")->setText("0.5");
                       d->findChild<QRadioButton*>("rbAllFaces")->click();
                       press(d, QDialogButtonBox::Ok);
                     }},
                    {isMessage, [&](QWidget* box) {
                       message = static_cast<QMessageBox*>(box)->text().toStdString();
                       static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
                     }}});
  const std::optional<AutoMeshChoice> choice = dialogs.askAutoMesh(AutoMeshChoice{});
  EXPECT_TRUE(steps.done());
  EXPECT_EQ(proposed.size, "1.0");
  EXPECT_FALSE(proposed.clickedFaces);
  EXPECT_NE(message.find("「-1」"), std::string::npos) << message;
  ASSERT_TRUE(choice.has_value());
  EXPECT_EQ(choice->size, "0.5");
  EXPECT_FALSE(choice->clickedFaces);
}

TEST(QtCanvasTest, InvertingTwiceRestoresTheImage) {
  QtCanvas canvas(200, 120);
  canvas.setFillColor(0xFFFFFF);
  canvas.fillRect(0, 0, 200, 120);
  canvas.setPenColor(0x0000FF);
  canvas.line(0, 60, 200, 60);
  canvas.setFillColor(0x008000);
  canvas.ellipse(90, 50, 110, 70);
  const QImage before = canvas.image().copy();
  canvas.setPenMode(PenMode::Inverting);
  canvas.setPenStyle(PenStyle::Dot);
  canvas.setPenColor(0xFF0000);
  canvas.setFillStyle(FillStyle::Clear);
  canvas.line(10, 10, 190, 110);
  canvas.rectangle(20, 15, 170, 100);
  EXPECT_NE(canvas.image(), before);
  // On white the band shows in the pen's own colour.
  EXPECT_EQ(canvas.image().pixel(20, 40) & 0xFFFFFF, 0xFF0000u);
  canvas.rectangle(20, 15, 170, 100);
  canvas.line(10, 10, 190, 110);
  EXPECT_EQ(canvas.image(), before);
}

}  // namespace
}  // namespace linemesh::ui
