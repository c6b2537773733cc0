// The converter's window, driven headless through its handlers and a fake
// dialog: layout, file choice, placement.
#include "cadtrace/ui/form1.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>

#include "cadtrace/ui/preview_image.h"
#include "tests/cadtrace/ui/fake_dialogs.h"
#include "tests/cadtrace/ui/qt_printers.h"

namespace cadtrace::ui {
namespace {

using testing::FakeDialogs;

class Form1Test : public ::testing::Test {
 protected:
  template <class Widget>
  Widget* child(const char* name) {
    auto* widget = form.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QLineEdit* edit(const char* name) { return child<QLineEdit>(name); }

  FakeDialogs dialogs;
  Form1 form{&dialogs};
};

QString textOf(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  return "?";
}

TEST_F(Form1Test, ControlsStandWhereTheUsersKnowThem) {
  enum Kind { kLabel, kEdit, kButton, kRadio, kSpeed };
  struct Row {
    const char* name;
    Kind kind;
    QString text;
    QRect box;
    int fontPixels;
  };
  const Row rows[] = {
      {"Label1", kLabel, "DXFファイル", {15, 10, 77, 15}, 15},
      {"EditDXFName", kEdit, "", {105, 7, 176, 23}, 15},
      {"Button1", kButton, "....", {285, 12, 20, 18}, 15},
      {"Label2", kLabel, "ZEP.M2W", {15, 38, 62, 15}, 15},
      {"EditM2WName", kEdit, "", {105, 35, 176, 23}, 15},
      {"Label3", kLabel, "縮尺", {356, 2, 24, 12}, 12},
      {"Label4", kLabel, "V  1/", {307, 20, 30, 13}, 13},
      {"EditScaleV", kEdit, "1", {343, 18, 52, 20}, 12},
      {"Label5", kLabel, "H  1/", {307, 41, 30, 13}, 13},
      {"EditScaleH", kEdit, "1", {343, 40, 52, 20}, 12},
      {"Label9", kLabel, "基準位置", {424, 4, 48, 12}, 12},
      {"Label7", kLabel, "V", {403, 22, 8, 13}, 13},
      {"EditKijunV", kEdit, "0", {420, 18, 51, 20}, 12},
      {"Label8", kLabel, "H", {403, 42, 8, 13}, 13},
      {"EditKijunH", kEdit, "0", {420, 40, 51, 20}, 12},
      {"Label6", kLabel, "基本単位", {490, 3, 48, 12}, 12},
      {"RadioButton1", kRadio, "\u3000m", {490, 24, 41, 11}, 12},
      {"RadioButton2", kRadio, " mm", {490, 41, 51, 16}, 12},
      {"spdConvert", kSpeed, "変換", {791, 10, 71, 36}, 12},
      {"spdExit", kSpeed, "終了", {868, 10, 71, 36}, 12},
  };
  auto* panel = child<QFrame>("Panel1");
  ASSERT_NE(panel, nullptr);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto* widget = panel->findChild<QWidget*>(row.name);
    ASSERT_NE(widget, nullptr);
    switch (row.kind) {
      case kLabel:
        EXPECT_NE(qobject_cast<QLabel*>(widget), nullptr);
        break;
      case kEdit:
        EXPECT_NE(qobject_cast<QLineEdit*>(widget), nullptr);
        break;
      case kButton:
        EXPECT_NE(qobject_cast<QPushButton*>(widget), nullptr);
        break;
      case kRadio:
        EXPECT_NE(qobject_cast<QRadioButton*>(widget), nullptr);
        break;
      case kSpeed:
        ASSERT_NE(qobject_cast<QToolButton*>(widget), nullptr);
        EXPECT_FALSE(qobject_cast<QToolButton*>(widget)->icon().isNull());
        break;
    }
    EXPECT_EQ(textOf(widget), row.text);
    EXPECT_EQ(widget->pos(), row.box.topLeft());
    if (row.kind == kLabel) {
      // Labels fit their caption; the box is the least they take.
      EXPECT_GE(widget->width(), row.box.width());
      EXPECT_GE(widget->height(), row.box.height());
    } else {
      EXPECT_EQ(widget->size(), row.box.size());
    }
    EXPECT_EQ(widget->font().pixelSize(), row.fontPixels);
    EXPECT_EQ(widget->font().families().value(0), "ＭＳ Ｐゴシック");
  }
}

TEST_F(Form1Test, WindowCaptionClientAreaAndBorderIcons) {
  EXPECT_EQ(form.windowTitle(), "DXFファイルを「ゼルカ」の前データに変換");
  EXPECT_EQ(form.size(), QSize(948, 497));
  const Qt::WindowFlags flags = form.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(form.font().pixelSize(), 12);

  form.layout()->activate();
  auto* panel = child<QFrame>("Panel1");
  EXPECT_EQ(panel->geometry(), QRect(0, 0, 948, 64));
  auto* scrollBox = child<QScrollArea>("ScrollBox1");
  EXPECT_EQ(scrollBox->widget(), form.image());
  EXPECT_EQ(scrollBox->backgroundRole(), QPalette::Light);
  EXPECT_GT(scrollBox->y(), panel->geometry().bottom());
}

TEST_F(Form1Test, MetreIsTheUnitAtStartAndTheUnitsExcludeEachOther) {
  auto* metre = child<QRadioButton>("RadioButton1");
  auto* millimetre = child<QRadioButton>("RadioButton2");
  EXPECT_TRUE(metre->isChecked());
  EXPECT_FALSE(millimetre->isChecked());
  millimetre->click();
  EXPECT_FALSE(metre->isChecked());
  EXPECT_TRUE(millimetre->isChecked());
}

TEST_F(Form1Test, CancelledFileChoiceClearsTheDxfNameOnly) {
  edit("EditDXFName")->setText("/data/old.dxf");
  edit("EditM2WName")->setText("/data/old.M3W");
  dialogs.answers = {std::nullopt};
  child<QPushButton>("Button1")->click();
  EXPECT_EQ(dialogs.filters, QStringList{"CADファイル(*.DXF)"});
  EXPECT_EQ(edit("EditDXFName")->text(), "");
  EXPECT_EQ(edit("EditM2WName")->text(), "/data/old.M3W");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Form1Test, ADrawingNamedOnTheCommandLineIsChosenAsByTheButton) {
  form.setDxfFile("/data/dam.dxf");
  EXPECT_EQ(edit("EditDXFName")->text(), "/data/dam.dxf");
  dialogs.answers = {QString("/data/dam.dxf")};
  const QString proposed = edit("EditM2WName")->text();
  child<QPushButton>("Button1")->click();
  EXPECT_EQ(edit("EditM2WName")->text(), proposed);
  EXPECT_TRUE(proposed.endsWith(".M3W")) << proposed.toStdString();
}

TEST_F(Form1Test, ActivationPlacesTheWindowOverTheScreenWidth) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  form.show();
  const QRect expected(screen.topLeft(), QSize(screen.width(), screen.height() - 30));
  EXPECT_EQ(form.frameGeometry(), expected);

  // Every activation puts it back, such as the one after a dialog closes.
  form.setGeometry(40, 50, 300, 200);
  QEvent activation(QEvent::WindowActivate);
  QApplication::sendEvent(&form, &activation);
  EXPECT_EQ(form.frameGeometry(), expected);
}

TEST_F(Form1Test, ANarrowerWindowKeepsConvertAndExitOnThePanel) {
  form.show();
  EXPECT_GE(form.minimumWidth(), 702);
  for (int width : {1280, 948, 800, 702, 500}) {
    SCOPED_TRACE(width);
    form.setMinimumSize(0, 0);
    form.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    form.resize(width, 400);
    QApplication::processEvents();
    const QWidget* panel = child<QFrame>("Panel1");
    for (const char* name : {"spdConvert", "spdExit"}) {
      const QRect button = child<QToolButton>(name)->geometry();
      EXPECT_LE(button.right(), std::max(panel->width(), 702) - 1) << name;
      EXPECT_GE(button.left(), 545) << name;
    }
  }
}

TEST_F(Form1Test, ExitClosesTheWindow) {
  form.show();
  ASSERT_TRUE(form.isVisible());
  child<QToolButton>("spdExit")->click();
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace cadtrace::ui
