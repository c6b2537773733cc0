// The rubber band drawn over an off-screen image while the mouse drags: it
// is painted inverting, so that painting the same shape again erases it and
// leaves the image as it was, without keeping what was under it.
#pragma once

#include <QPainter>
#include <QRect>

namespace desktop {

/// Paints the inverse of (pen XOR image) from now on, or paints over again.
void setInverting(QPainter& painter, bool inverting);

/// The rectangle with corners a and b taken in either order: the same pixels
/// whichever corner the drag began at, so that painting it again erases it.
QRect bandRect(QPoint a, QPoint b);

/// The rectangle's outline in pen, inverting, its inside left alone; the
/// painter's other settings are kept.
void drawBandRectangle(QPainter& painter, QRect rect, const QPen& pen);

}  // namespace desktop
