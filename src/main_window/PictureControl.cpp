#include "main_window/PictureControl.h"

#include <QMouseEvent>
#include <QPainter>

PictureControl::PictureControl(const QString& name, QWidget* parent) : QFrame(parent), m_tag(name) {
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setMouseTracking(true);
}

void PictureControl::setPicture(const Picture& picture) {
    m_picture = picture;
    update();
}

void PictureControl::setDragIcon(const Picture& icon) {
    m_dragIcon = icon;
    Q_EMIT dragIconChanged();
}

void PictureControl::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (m_picture.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(contentsRect(), m_picture.image());
}

void PictureControl::mousePressEvent(QMouseEvent* event) {
    Q_EMIT mouseDown(event->button());
}

void PictureControl::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMove(event->buttons(), event->globalPosition().toPoint());
}

void PictureControl::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT mouseUp(event->button(), event->globalPosition().toPoint());
}

// The second press of a double click is not a new press: it begins no drag and
// marks nothing, it only opens the viewer.
void PictureControl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT dblClick();
}
