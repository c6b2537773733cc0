// The converter's window: file and output names, scale and reference boxes,
// the convert and exit buttons, and the preview of the converted lines.
#pragma once

#include <QWidget>
#include <memory>

#include "cadtrace/model/messages.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QToolButton;

namespace cadtrace {
class LineModel;
}
namespace desktop {
class UserDialogs;
}

namespace cadtrace::ui {

class PreviewImage;

/// Shown as the caption of the window.
inline constexpr const char* kFormCaption = messages::kFormCaption;
/// The application's title: the caption of its message boxes.
inline constexpr const char* kApplicationTitle = messages::kApplicationTitle;
/// The open dialog's name filter, and the files it lists.
inline constexpr const char* kDxfFilter = messages::kDxfFilter;
inline constexpr const char* kDxfPattern = "*.DXF";
/// Client area at start.
inline constexpr int kClientWidth = 948;
inline constexpr int kClientHeight = 497;

class Form1 : public QWidget {
  Q_OBJECT

 public:
  /// dialogs answers the file dialog and shows the messages; without one the
  /// window uses the real dialogs. A given one must outlive the window.
  explicit Form1(desktop::UserDialogs* dialogs = nullptr, QWidget* parent = nullptr);
  ~Form1() override;

  /// "....": choose the DXF file and propose the output name.
  void Button1Click();
  /// The DXF file and the proposed output name, as "...." sets them (a file
  /// named on the command line).
  void setDxfFile(const QString& path);
  /// "変換": read, cut, preview and write; stops at the first error.
  void spdConvertClick();
  /// "終了": closes the window, which ends the program.
  void spdExitClick();
  /// Every activation: the window takes the whole screen width and the screen
  /// height less the task bar allowance, at the top left corner.
  void FormActivate();
  /// Draws the network over what the preview already shows.
  void DispXY(const LineModel& model);

  PreviewImage* image() const { return Image1; }

 protected:
  bool event(QEvent* event) override;
  /// Keeps 変換 and 終了 on the panel when it is narrower than designed.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildPanel();
  void showError(const QString& text);

  std::unique_ptr<desktop::UserDialogs> ownDialogs_;
  desktop::UserDialogs* dialogs_;

  QFrame* Panel1;
  QLabel* Label1;
  QLineEdit* EditDXFName;
  QPushButton* Button1;
  QLabel* Label2;
  QLineEdit* EditM2WName;
  QLabel* Label3;
  QLabel* Label4;
  QLineEdit* EditScaleV;
  QLabel* Label5;
  QLineEdit* EditScaleH;
  QLabel* Label9;
  QLabel* Label7;
  QLineEdit* EditKijunV;
  QLabel* Label8;
  QLineEdit* EditKijunH;
  QLabel* Label6;
  QRadioButton* RadioButton1;
  QRadioButton* RadioButton2;
  QToolButton* spdConvert;
  QToolButton* spdExit;
  QLabel* statusLine;
  QScrollArea* ScrollBox1;
  PreviewImage* Image1;
};

}  // namespace cadtrace::ui
