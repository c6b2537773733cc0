// The image control the preview is drawn on: an off-screen picture shown by a
// widget. Nothing clears it; every drawing lands on what is already there.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace cadtrace::ui {

class PreviewImage : public QWidget {
  Q_OBJECT

 public:
  explicit PreviewImage(QWidget* parent = nullptr);

  /// The picture, at least as large as the widget (it grows with the widget and
  /// keeps what was drawn; it never shrinks, so nothing drawn is lost).
  QImage& picture();
  const QImage& picture() const { return picture_; }

  /// The colour of a picture that nothing has been drawn on.
  static QColor blankColour() { return Qt::white; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void growTo(QSize size);

  QImage picture_;
};

}  // namespace cadtrace::ui
