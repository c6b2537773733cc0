// The converter's window: its controls where the users know them, and the
// handlers that hand the work to the converter.
#include "cadtrace/ui/form1.h"

#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "cadtrace/interaction/form_placement.h"
#include "cadtrace/model/conversion.h"
#include "cadtrace/model/messages.h"
#include "cadtrace/model/writers.h"
#include "cadtrace/ui/glyphs.h"
#include "cadtrace/ui/image_canvas.h"
#include "cadtrace/ui/preview_image.h"
#include "desktop/cursors.h"
#include "desktop/qt_user_dialogs.h"

namespace cadtrace::ui {
namespace {

// The window's typeface; the installed Japanese font stands in where it is missing.
QFont formFont(int pixelSize) {
  QFont font;
  font.setFamilies({"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "IPA Pゴシック", "IPAGothic"});
  font.setPixelSize(pixelSize);
  return font;
}

struct Box {
  int left, top, width, height;
};

template <class Widget>
Widget* placed(Widget* widget, const char* name, Box box, int fontPixels) {
  widget->setObjectName(name);
  widget->setGeometry(box.left, box.top, box.width, box.height);
  widget->setFont(formFont(fontPixels));
  return widget;
}

// Labels size themselves to their caption, as they do with the intended font;
// the box is the least they take, so a wider fallback font never clips them.
QLabel* label(QWidget* panel, const char* name, const QString& caption, Box box, int fontPixels) {
  QLabel* text = placed(new QLabel(caption, panel), name, box, fontPixels);
  const QSize wanted = text->sizeHint();
  text->resize(std::max(box.width, wanted.width()), std::max(box.height, wanted.height()));
  return text;
}

QLineEdit* edit(QWidget* panel, const char* name, const QString& text, Box box, int fontPixels) {
  return placed(new QLineEdit(text, panel), name, box, fontPixels);
}

QToolButton* speedButton(QWidget* panel, const char* name, const QString& caption,
                         const QIcon& glyph, Box box) {
  auto* button = placed(new QToolButton(panel), name, box, 12);
  button->setText(caption);
  button->setIcon(glyph);
  button->setIconSize(QSize(kGlyphSize, kGlyphSize));
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  return button;
}

}  // namespace

Form1::Form1(desktop::UserDialogs* dialogs, QWidget* parent) : QWidget(parent) {
  if (dialogs == nullptr) {
    ownDialogs_ = std::make_unique<desktop::QtUserDialogs>(
        this, desktop::DialogStyle{.title = kApplicationTitle, .keptOpenDialog = true});
    dialogs = ownDialogs_.get();
  }
  dialogs_ = dialogs;

  setObjectName("Form1");
  // A title bar with the system menu and the close box only. Window managers
  // do not all read the button hints: openbox offers maximising to any window
  // that can be resized, so FormActivate also fixes the size it sets.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setWindowTitle(kFormCaption);
  setWindowIcon(convertGlyph());
  setFont(formFont(12));

  buildPanel();

  statusLine = new QLabel(this);
  statusLine->setObjectName("statusLine");
  statusLine->setContentsMargins(6, 2, 6, 2);
  statusLine->setTextInteractionFlags(Qt::TextSelectableByMouse);

  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setObjectName("ScrollBox1");
  ScrollBox1->setWidgetResizable(true);
  ScrollBox1->setBackgroundRole(QPalette::Light);
  Image1 = new PreviewImage;
  Image1->setObjectName("Image1");
  ScrollBox1->setWidget(Image1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(Panel1);
  layout->addWidget(statusLine);
  layout->addWidget(ScrollBox1, 1);

  resize(kClientWidth, kClientHeight);
  setMinimumWidth(kNarrowestClientWidth);
  Panel1->installEventFilter(this);

  connect(Button1, &QPushButton::clicked, this, &Form1::Button1Click);
  connect(spdConvert, &QToolButton::clicked, this, &Form1::spdConvertClick);
  connect(spdExit, &QToolButton::clicked, this, &Form1::spdExitClick);
}

Form1::~Form1() = default;

void Form1::buildPanel() {
  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setFixedHeight(64);
  QWidget* p = Panel1;

  Label1 = label(p, "Label1", messages::kDxfFileLabel, {15, 10, 77, 15}, 15);
  EditDXFName = edit(p, "EditDXFName", "", {105, 7, 176, 23}, 15);
  Button1 = placed(new QPushButton("....", p), "Button1", {285, 12, 20, 18}, 15);
  Label2 = label(p, "Label2", "ZEP.M2W", {15, 38, 62, 15}, 15);
  EditM2WName = edit(p, "EditM2WName", "", {105, 35, 176, 23}, 15);
  Label3 = label(p, "Label3", messages::kScaleLabel, {356, 2, 24, 12}, 12);
  Label4 = label(p, "Label4", "V  1/", {307, 20, 30, 13}, 13);
  EditScaleV = edit(p, "EditScaleV", "1", {343, 18, 52, 20}, 12);
  Label5 = label(p, "Label5", "H  1/", {307, 41, 30, 13}, 13);
  EditScaleH = edit(p, "EditScaleH", "1", {343, 40, 52, 20}, 12);
  Label9 = label(p, "Label9", messages::kReferenceLabel, {424, 4, 48, 12}, 12);
  Label7 = label(p, "Label7", "V", {403, 22, 8, 13}, 13);
  EditKijunV = edit(p, "EditKijunV", "0", {420, 18, 51, 20}, 12);
  Label8 = label(p, "Label8", "H", {403, 42, 8, 13}, 13);
  EditKijunH = edit(p, "EditKijunH", "0", {420, 40, 51, 20}, 12);
  Label6 = label(p, "Label6", messages::kUnitLabel, {490, 3, 48, 12}, 12);
  // The unit buttons are offered but read by nothing: the scale and reference
  // boxes alone convert the coordinates.
  RadioButton1 = placed(new QRadioButton(QString::fromUtf8("\u3000m"), p), "RadioButton1",
                        {490, 24, 41, 11}, 12);
  RadioButton2 = placed(new QRadioButton(" mm", p), "RadioButton2", {490, 41, 51, 16}, 12);
  RadioButton1->setChecked(true);
  spdConvert =
      speedButton(p, "spdConvert", messages::kConvertButton, convertGlyph(), {791, 10, 71, 36});
  spdExit = speedButton(p, "spdExit", messages::kExitButton, exitGlyph(), {868, 10, 71, 36});
}

bool Form1::event(QEvent* event) {
  // Showing the window counts as its first activation: without a window
  // manager the window system never reports one.
  if (event->type() == QEvent::WindowActivate ||
      (event->type() == QEvent::Show && !event->spontaneous()))
    FormActivate();
  return QWidget::event(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Panel1 && event->type() == QEvent::Resize) {
    const int shift = speedButtonsLeft(Panel1->width()) - kConvertButtonLeft;
    spdConvert->move(kConvertButtonLeft + shift, spdConvert->y());
    spdExit->move(868 + shift, spdExit->y());
  }
  return QWidget::eventFilter(watched, event);
}

void Form1::FormActivate() {
  const QScreen* where = screen();
  if (where == nullptr) return;
  const QRect screenRect = where->geometry();
  const FramePlacement frame = activePlacement(screenRect.width(), screenRect.height());
  // The placement is of the outer frame; the widget's own size is its client area.
  const QSize border = frameGeometry().size() - geometry().size();
  const QPoint topLeft = screenRect.topLeft() + QPoint(frame.left, frame.top);
  const QSize client(frame.width - border.width(), frame.height - border.height());
  if (pos() != topLeft) move(topLeft);
  if (size() != client) setFixedSize(client.expandedTo(QSize(kNarrowestClientWidth, 0)));
}

void Form1::Button1Click() {
  const std::optional<std::string> chosen =
      dialogs_->openFile({.filter = std::string(kDxfFilter) + "|" + kDxfPattern});
  if (!chosen) {
    EditDXFName->clear();
    return;
  }
  setDxfFile(QDir::toNativeSeparators(QString::fromStdString(*chosen)));
}

void Form1::setDxfFile(const QString& path) {
  EditDXFName->setText(path);
  EditM2WName->setText(QString::fromStdString(m3wNameFor(path.toStdString())));
}

void Form1::spdConvertClick() {
  const std::string dxfPath = EditDXFName->text().toStdString();
  const std::string m3wPath = EditM2WName->text().toStdString();
  const ConversionSettings settings{
      EditScaleV->text().toStdString(), EditScaleH->text().toStdString(),
      EditKijunV->text().toStdString(), EditKijunH->text().toStdString()};
  statusLine->clear();
  try {
    std::string txtPath;
    LineModel model;
    {
      const desktop::BusyCursor busy;
      model = convertDxfFile(dxfPath, settings);
      DispXY(model);
      txtPath = writeOutputs(model, m3wPath, dxfPath);
    }
    statusLine->setText(
        QString::fromStdString(messages::written(model.NNODE, model.NLINE, m3wPath, txtPath)));
  } catch (const std::exception& e) {
    statusLine->setText(QString::fromUtf8(messages::kNotConverted));
    showError(QString::fromStdString(e.what()));
  }
}

void Form1::DispXY(const LineModel& model) {
  {
    ImageCanvas canvas(Image1->picture());
    cadtrace::DispXY(model, Image1->width(), Image1->height(), canvas);
  }
  Image1->update();
}

void Form1::spdExitClick() { close(); }

void Form1::showError(const QString& text) { dialogs_->message(text.toStdString()); }

}  // namespace cadtrace::ui
