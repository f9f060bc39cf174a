#include "FrameView.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace brinox {

FrameView::FrameView(const QImage& frame, QWidget* parent) : QWidget(parent), frame(frame) {
    // Every pixel comes from the frame; nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void FrameView::StartShowing() {
    showing = true;
}

void FrameView::paintEvent(QPaintEvent* event) {
    if (!showing || frame.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect area = event->rect();
    // The frame has one pixel per logical pixel; the painter scales it for the screen.
    painter.drawImage(area, frame, area);
    if (!firstPainted) {
        firstPainted = true;
        emit FirstFramePainted();
    }
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
