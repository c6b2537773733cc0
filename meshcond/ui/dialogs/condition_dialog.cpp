// The common frame of the condition editor's dialogs.
#include "meshcond/ui/dialogs/condition_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <exception>

namespace meshcond::ui {

QString toQString(const std::string& text) { return QString::fromStdString(text); }

std::string toUtf8(const QString& text) { return text.toStdString(); }

ConditionDialog::ConditionDialog(const char* caption, int width, int height, TitleBar titleBar,
                                 AnalysisModel& model, SharedChoices& shared, UserDialogs& dialogs,
                                 QWidget* parent)
    : QDialog(parent), model_(model), shared_(shared), dialogs_(dialogs) {
  setWindowTitle(QString::fromUtf8(caption));
  setModal(true);
  setFixedSize(width, height);
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (titleBar == TitleBar::CloseBox) flags |= Qt::WindowCloseButtonHint;
  setWindowFlags(flags);
}

bool ConditionDialog::guarded(const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (const std::exception& e) {
    dialogs_.message(e.what());
    return false;
  }
}

std::optional<std::string> ConditionDialog::chooseFile(FileDialogSettings& settings) {
  auto chosen = dialogs_.openFile(settings);
  if (chosen) settings.fileName = *chosen;
  return chosen;
}

void ConditionDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) guarded([this] { activate(); });
}

void ConditionDialog::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (enterMovesFocus_) focusNextChild();
      event->accept();
      return;
    case Qt::Key_Escape:
      event->accept();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

// The close box, which a window manager may show even where the dialog asks
// for none, cancels: it stores nothing.
void ConditionDialog::closeEvent(QCloseEvent* event) {
  done(QDialog::Rejected);
  event->accept();
}

QLabel* ConditionDialog::label(const char* text, int x, int y) {
  auto* widget = new QLabel(QString::fromUtf8(text), this);
  widget->move(x, y);
  widget->adjustSize();
  return widget;
}

QLineEdit* ConditionDialog::edit(const char* text, int x, int y, int width, int height) {
  auto* widget = new QLineEdit(QString::fromUtf8(text), this);
  widget->setGeometry(x, y, width, height);
  return widget;
}

QPushButton* ConditionDialog::button(const char* text, int x, int y, int width, int height) {
  auto* widget = new QPushButton(QString::fromUtf8(text), this);
  widget->setGeometry(x, y, width, height);
  widget->setAutoDefault(true);
  return widget;
}

}  // namespace meshcond::ui
