// The colour form of the options file: 0x00BBGGRR, red in the low byte.
#pragma once

#include <QColor>

#include <cstdint>

namespace brinox {

inline QColor ColorOfRef(std::int32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline std::int32_t RefOfColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

} // namespace brinox
