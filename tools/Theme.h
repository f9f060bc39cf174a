// The colours the pictures share where they meet: panels, captions, the
// status bar and the clock box, so that a picture drawn over the main
// background lines up with it without seams.
#pragma once

#include <QColor>

namespace brinox::art::theme {

inline QColor PanelFace() {
    return QColor(34, 40, 66);
}
inline QColor PanelLight() {
    return QColor(98, 112, 168);
}
inline QColor PanelDark() {
    return QColor(12, 14, 26);
}
inline QColor Caption() {
    return QColor(255, 214, 120);
}
inline QColor CaptionShadow() {
    return QColor(0, 0, 0, 200);
}
inline QColor StatusFace() {
    return QColor(22, 26, 44);
}
inline QColor StatusText() {
    return QColor(214, 222, 240);
}
inline QColor ClockFace() {
    return QColor(10, 12, 22);
}
inline QColor ClockText() {
    return QColor(120, 220, 255);
}
inline QColor ButtonFace() {
    return QColor(56, 70, 122);
}
inline QColor ButtonText() {
    return QColor(240, 244, 255);
}
inline QColor Accent() {
    return QColor(255, 196, 64);
}
inline QColor DisplayFace() {
    return QColor(8, 9, 14);
}

} // namespace brinox::art::theme
