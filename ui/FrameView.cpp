#include "FrameView.h"

#include "FrameAccessible.h"

#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace brinox {

FrameView::FrameView(const QImage& frame, QWidget* parent) : QWidget(parent), frame(frame) {
    // Every pixel comes from the frame; nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    FrameAccessible::Install();
    // On Wayland Qt draws the title bar itself, and only along with the
    // window's next frame: a title change alone, as the title animation makes
    // them, would stay unseen while the game stands still.
    if (parent != nullptr && QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        connect(parent, &QWidget::windowTitleChanged, this, [this] { update(0, 0, 1, 1); });
    }
}

void FrameView::StartShowing() {
    showing = true;
}

void FrameView::paintEvent(QPaintEvent* event) {
    if (!showing || frame.isNull()) {
        return;
    }
    QPainter painter(this);
    const QRect area = event->rect();
    const qreal ratio = devicePixelRatioF();
    if (std::abs(ratio - std::round(ratio)) < 0.01) {
        // The frame has one pixel per logical pixel; the painter enlarges each
        // to a square of whole screen pixels.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(area, frame, area);
    } else {
        DrawBetweenWholeFactors(painter, area, ratio);
    }
    if (!firstPainted) {
        firstPainted = true;
        emit FirstFramePainted();
    }
    // Whatever changed what the player sees has been painted by now.
    if (FrameAccessible* pane = FrameAccessible::Of(*this)) {
        pane->TellChanges();
    }
}

// On a screen between whole factors (150 %) every pixel is first enlarged to
// a square of the next whole factor, then reduced smoothly to the screen: each
// pixel keeps one width and only its edges blend, where copying without
// smoothing would make pixels of two widths and smoothing the frame itself
// would blur all of it.
void FrameView::DrawBetweenWholeFactors(QPainter& painter, const QRect& area, qreal ratio) {
    const int whole = static_cast<int>(std::ceil(ratio));
    // A margin of one pixel: the smoothing at the area's edges reads their
    // neighbours, so a partial repaint matches a full one.
    const QRect source = area.adjusted(-1, -1, 1, 1) & frame.rect();
    QImage enlarged = frame.copy(source).scaled(source.size() * whole, Qt::IgnoreAspectRatio,
                                                Qt::FastTransformation);
    enlarged.setDevicePixelRatio(whole);
    painter.setClipRect(area);
    // The area may begin between two screen pixels (below a menu bar of an
    // odd height): moved onto whole pixels, no row of the frame is blurred.
    const QPointF at = painter.deviceTransform().map(QPointF(0, 0));
    painter.translate((QPointF(std::round(at.x()), std::round(at.y())) - at) / ratio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(source.topLeft(), enlarged);
}

void FrameView::mouseMoveEvent(QMouseEvent* event) {
    emit PointerMoved(event->position().toPoint());
}

void FrameView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit LeftPressed(event->position().toPoint());
    }
}

void FrameView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit LeftReleased(event->position().toPoint());
    } else if (event->button() == Qt::RightButton) {
        emit RightReleased();
        QWidget::mouseReleaseEvent(event);
    }
}

} // namespace brinox
