// The client area of the main window. It owns no picture: it shows the
// window's off-screen frame, which always holds the last composed state, so a
// paint request only copies pixels. On a high-density screen the frame is
// enlarged by whole screen pixels without smoothing, so the pixel art stays
// sharp; between whole factors only the edges of the pixels are smoothed.
// Nothing is shown before the window has composed its first frame.
// The pointer is tracked over the whole area, buttons up or down, and handed
// on in client coordinates together with the left button's presses and releases;
// a right-button release is announced and then handled as usual.
// To assistive technology it is FrameAccessible, told of changes after each paint.
#pragma once

#include <QPoint>
#include <QWidget>

class QImage;
class QPainter;

namespace brinox {

class FrameView : public QWidget {
    Q_OBJECT

public:
    FrameView(const QImage& frame, QWidget* parent);

    // Starts showing the frame (after the first tick's full redraw).
    void StartShowing();

signals:
    // The first composed frame has reached the screen.
    void FirstFramePainted();
    void PointerMoved(QPoint at);
    void LeftPressed(QPoint at);
    void LeftReleased(QPoint at);
    void RightReleased();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void DrawBetweenWholeFactors(QPainter& painter, const QRect& area, qreal ratio);

    const QImage& frame;
    bool showing = false;
    bool firstPainted = false;
};

} // namespace brinox
