// The large pictures: the main backgrounds of both window sizes (dusk sky,
// the onion-domed cathedral, the framed grey field, the counters panel with
// its captions and boxes, the status bar), the idle picture shown over the
// field between games, and the three alternative field backgrounds.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

namespace brinox::art {

class SceneArt {
public:
    static QImage MainBackground(int sizeIndex);
    static QImage Idle(int sizeIndex);
    static QImage ColorField(int sizeIndex);
    static QImage DepthField(int sizeIndex);
    static QImage FantasyField(int sizeIndex);

    // The cathedral fitted into box (its width sets the scale).
    static void PaintCathedral(QPainter& p, const QRectF& box);
    // Evening sky with stars over the whole rect.
    static void PaintSky(QPainter& p, const QRectF& r, unsigned seed);
};

} // namespace brinox::art
