// Readable GoogleTest output for the Qt values the window tests compare.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QPoint& p, std::ostream* out) {
  *out << "(" << p.x() << ", " << p.y() << ")";
}
inline void PrintTo(const QSize& s, std::ostream* out) { *out << s.width() << "x" << s.height(); }
inline void PrintTo(const QRect& r, std::ostream* out) {
  *out << r.width() << "x" << r.height() << " at (" << r.x() << ", " << r.y() << ")";
}
inline void PrintTo(const QColor& c, std::ostream* out) { *out << c.name().toStdString(); }
