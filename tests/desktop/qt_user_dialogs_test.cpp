// The windows' dialogs shown with Qt, headless: the filters they list, the
// kept open dialog, the titles and the unsaved-changes question.
#include "desktop/qt_user_dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

namespace desktop {
namespace {

TEST(NameFilters, CaptionsKeepTheirTextAndMatchEitherCase) {
  EXPECT_EQ(nameFilters("メッシュ(*.M3W)|*.M3W|DXF(*.DXF)|*.DXF"),
            (QStringList{"メッシュ(*.M3W *.m3w)", "DXF(*.DXF *.dxf)"}));
  EXPECT_EQ(nameFilters("VOKA.DAT(VK.DAT)|*.DAT"), (QStringList{"VOKA.DAT(VK.DAT) (*.DAT *.dat)"}));
  EXPECT_EQ(nameFilters("Data|*.DAT;*.TXT"), (QStringList{"Data (*.DAT *.dat *.TXT *.txt)"}));
  EXPECT_EQ(nameFilters("初期水位(*.csv)|*.csv"), (QStringList{"初期水位(*.csv *.CSV)"}));
  EXPECT_TRUE(nameFilters("").isEmpty());
}

TEST(NameFilters, TheKeptDialogShowsThePatternsAsGiven) {
  EXPECT_EQ(nameFilters("CADファイル(*.DXF)|*.DXF", false), (QStringList{"CADファイル(*.DXF)"}));
}

/// Runs act on each message box that opens while the test waits in one.
class MessageBoxes {
 public:
  explicit MessageBoxes(std::function<void(QMessageBox&)> act) : act_(std::move(act)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) act_(*box);
    });
    timer_.start(10);
  }

 private:
  std::function<void(QMessageBox&)> act_;
  QTimer timer_;
};

TEST(Messages, ShowTheStylesTitleAndIcon) {
  QWidget window;
  QtUserDialogs dialogs(&window, {.title = "標題", .messageIcon = QMessageBox::Warning});
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  MessageBoxes boxes([&](QMessageBox& box) {
    title = box.windowTitle();
    text = box.text();
    icon = box.icon();
    box.accept();
  });
  dialogs.message("読めません");
  EXPECT_EQ(title, "標題");
  EXPECT_EQ(text, "読めません");
  EXPECT_EQ(icon, QMessageBox::Warning);
}

TEST(UnsavedQuestion, EachButtonGivesItsAnswerAndEscapeCancels) {
  QWidget window;
  QtUserDialogs dialogs(&window, {.title = "標題",
                                  .saveButton = "保存",
                                  .discardButton = "破棄",
                                  .cancelButton = "キャンセル"});
  QString pressing;
  QStringList captions;
  MessageBoxes boxes([&](QMessageBox& box) {
    captions.clear();
    for (QAbstractButton* b : box.buttons()) captions << b->text();
    if (pressing.isEmpty()) {
      QTest::keyClick(&box, Qt::Key_Escape);
      return;
    }
    for (QAbstractButton* b : box.buttons())
      if (b->text() == pressing) b->click();
  });
  pressing = "保存";
  EXPECT_EQ(dialogs.askUnsaved("保存しますか？"), UnsavedAnswer::Save);
  captions.sort();
  EXPECT_EQ(captions, (QStringList{"キャンセル", "保存", "破棄"}));
  pressing = "破棄";
  EXPECT_EQ(dialogs.askUnsaved("保存しますか？"), UnsavedAnswer::Discard);
  pressing = "キャンセル";
  EXPECT_EQ(dialogs.askUnsaved("保存しますか？"), UnsavedAnswer::Cancel);
  pressing.clear();
  EXPECT_EQ(dialogs.askUnsaved("保存しますか？"), UnsavedAnswer::Cancel);
}

// Enter in the file dialog's name box, with the completion list open, must
// not leave the list open over the window: it would take the next click.
TEST(FileDialog, EnterWithTheCompletionListOpenLeavesNoListBehind) {
  const QString folder = QDir::tempPath() + "/desktop_completion";
  QDir().mkpath(folder);
  QFile(folder + "/dam.dxf").open(QIODevice::WriteOnly);
  QWidget window;
  window.show();
  QtUserDialogs dialogs(&window, {.title = "converter", .keptOpenDialog = true});
  bool listShown = false;
  bool typed = false;
  // Waits for the dialog, however long a loaded machine takes to show it.
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible() || typed) return;
    QTest::qWait(100);
    typed = true;
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setFocus();
    QTest::keyClicks(name, folder + "/dam.d");
    for (int i = 0; i < 100 && !listShown; ++i) {
      QTest::qWait(20);
      for (QCompleter* c : dialog->findChildren<QCompleter*>())
        listShown = listShown || c->popup()->isVisible();
    }
    QTest::keyClicks(name, "xf");
    QTest::keyClick(name, Qt::Key_Return);
  });
  watch.start(20);
  const auto chosen = dialogs.openFile({.filter = "CADファイル(*.DXF)|*.DXF"});
  EXPECT_TRUE(chosen.has_value());
  EXPECT_TRUE(listShown) << "the completion list never opened: the test shows nothing";
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  QDir(folder).removeRecursively();
}

}  // namespace
}  // namespace desktop
