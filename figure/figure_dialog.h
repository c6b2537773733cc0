// "図の出力...": the dialog that asks for the figure's file and size, and the
// menu command behind it that both programs share.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "figure/figure_writer.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;
class QLabel;

namespace figure {

/// The file and size last chosen; the next use of the dialog starts from it.
struct FigureRequest {
  std::string path;
  FigureSize size;
};

/// The file (its extension chooses PDF, SVG or PNG), the paper of a PDF
/// (A4 or A3 landscape) and the pixels of an SVG or PNG.
class FigureDialog : public QDialog {
 public:
  FigureDialog(const FigureRequest& request, QWidget* parent = nullptr);

  FigureRequest request() const;
  /// Sets the file name as if typed.
  void setPath(const std::string& path);

  void accept() override;

 private:
  void browse();
  void showFormat();

  QLineEdit* fileName_;
  QRadioButton* a4_;
  QRadioButton* a3_;
  QSpinBox* width_;
  QSpinBox* height_;
  QLabel* problem_;
};

/// The menu command: the dialog from the last request, then the figure made
/// by makeFigure written to the chosen file (errors thrown as common::Error).
/// Returns false when the dialog is cancelled.
bool exportFigure(QWidget* parent, FigureRequest& last, const std::function<Figure()>& makeFigure);

/// The menu item's caption.
inline const char* const kMenuCaption = text::menuCaption();

}  // namespace figure
