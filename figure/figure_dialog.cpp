#include "figure/figure_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace figure {

FigureDialog::FigureDialog(const FigureRequest& request, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FigureDialog"));
  setWindowTitle(QString::fromUtf8(text::dialogTitle()));
  auto* column = new QVBoxLayout(this);

  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(new QLabel(QString::fromUtf8(text::fileLabel()), this));
  fileName_ = new QLineEdit(QString::fromStdString(request.path), this);
  fileName_->setObjectName(QStringLiteral("fileName"));
  fileName_->setMinimumWidth(320);
  fileRow->addWidget(fileName_, 1);
  auto* browseButton = new QPushButton(QString::fromUtf8(text::browseButton()), this);
  browseButton->setObjectName(QStringLiteral("browse"));
  fileRow->addWidget(browseButton);
  column->addLayout(fileRow);
  column->addWidget(new QLabel(QString::fromUtf8(text::formatHint()), this));

  auto* paper = new QGroupBox(QString::fromUtf8(text::paperGroup()), this);
  paper->setObjectName(QStringLiteral("paper"));
  auto* paperRow = new QHBoxLayout(paper);
  a4_ = new QRadioButton(QStringLiteral("A4"), paper);
  a4_->setObjectName(QStringLiteral("paperA4"));
  a3_ = new QRadioButton(QStringLiteral("A3"), paper);
  a3_->setObjectName(QStringLiteral("paperA3"));
  (request.size.paper == Paper::A3 ? a3_ : a4_)->setChecked(true);
  paperRow->addWidget(a4_);
  paperRow->addWidget(a3_);
  paperRow->addStretch();
  column->addWidget(paper);

  auto* pixels = new QGroupBox(QString::fromUtf8(text::pixelsGroup()), this);
  pixels->setObjectName(QStringLiteral("pixels"));
  auto* pixelForm = new QFormLayout(pixels);
  auto spin = [pixels](const char* name, int value) {
    auto* box = new QSpinBox(pixels);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(kMinPixels, kMaxPixels);
    box->setValue(value);
    return box;
  };
  width_ = spin("pixelWidth", request.size.width);
  height_ = spin("pixelHeight", request.size.height);
  pixelForm->addRow(QString::fromUtf8(text::widthLabel()), width_);
  pixelForm->addRow(QString::fromUtf8(text::heightLabel()), height_);
  column->addWidget(pixels);

  problem_ = new QLabel(this);
  problem_->setObjectName(QStringLiteral("problem"));
  problem_->setStyleSheet(QStringLiteral("color: #b00000"));
  column->addWidget(problem_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8(text::writeButton()));
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8(text::cancelButton()));
  column->addWidget(buttons);

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(browseButton, &QPushButton::clicked, this, [this] { browse(); });
  connect(fileName_, &QLineEdit::textChanged, this, [this] { showFormat(); });
  showFormat();
}

FigureRequest FigureDialog::request() const {
  FigureRequest r;
  r.path = fileName_->text().trimmed().toStdString();
  r.size.paper = a3_->isChecked() ? Paper::A3 : Paper::A4;
  r.size.width = width_->value();
  r.size.height = height_->value();
  return r;
}

void FigureDialog::setPath(const std::string& path) {
  fileName_->setText(QString::fromStdString(path));
}

void FigureDialog::showFormat() {
  const std::optional<Format> format = formatOf(fileName_->text().trimmed().toStdString());
  findChild<QGroupBox*>(QStringLiteral("paper"))->setEnabled(!format || *format == Format::Pdf);
  findChild<QGroupBox*>(QStringLiteral("pixels"))->setEnabled(!format || *format != Format::Pdf);
  problem_->clear();
}

void FigureDialog::browse() {
  const QString chosen =
      QFileDialog::getSaveFileName(this, QString::fromUtf8(text::dialogTitle()), fileName_->text(),
                                   QStringLiteral("PDF (*.pdf);;SVG (*.svg);;PNG (*.png)"));
  if (!chosen.isEmpty()) fileName_->setText(chosen);
}

void FigureDialog::accept() {
  if (!formatOf(request().path)) {
    problem_->setText(QString::fromUtf8(kFormatProblem));
    return;
  }
  QDialog::accept();
}

bool exportFigure(QWidget* parent, FigureRequest& last, const std::function<Figure()>& makeFigure) {
  FigureDialog dialog(last, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  last = dialog.request();
  writeFigure(last.path, last.size, makeFigure());
  return true;
}

}  // namespace figure
