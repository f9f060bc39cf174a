// The places of WindowGeometry as Qt's own types, for the window and the
// asset generator that draw with them.
#pragma once

#include "WindowGeometry.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace brinox {

inline QPoint ToQt(geometry::Point p) {
    return {p.x, p.y};
}
inline QSize ToQt(geometry::Size s) {
    return {s.width, s.height};
}
inline QRect ToQt(const geometry::Rect& r) {
    return {r.x, r.y, r.width, r.height};
}

} // namespace brinox
