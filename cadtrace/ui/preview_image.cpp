// The preview's off-screen picture and the widget that shows it.
#include "cadtrace/ui/preview_image.h"

#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

namespace cadtrace::ui {

PreviewImage::PreviewImage(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& PreviewImage::picture() {
  growTo(size());
  return picture_;
}

void PreviewImage::growTo(QSize size) {
  const QSize wanted(std::max(size.width(), picture_.width()),
                     std::max(size.height(), picture_.height()));
  if (wanted == picture_.size() || wanted.isEmpty()) return;
  QImage grown(wanted, QImage::Format_RGB32);
  grown.fill(blankColour());
  if (!picture_.isNull()) {
    QPainter painter(&grown);
    painter.drawImage(0, 0, picture_);
  }
  picture_ = std::move(grown);
}

void PreviewImage::paintEvent(QPaintEvent* event) {
  growTo(size());
  QPainter painter(this);
  painter.drawImage(event->rect(), picture_, event->rect());
}

void PreviewImage::resizeEvent(QResizeEvent* event) {
  growTo(event->size());
  QWidget::resizeEvent(event);
}

}  // namespace cadtrace::ui
