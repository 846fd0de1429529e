#include "main_window/ClientArea.h"

#include "main_window/PictureHolder.h"

#include <QMouseEvent>
#include <QPainter>

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setContextMenuPolicy(Qt::NoContextMenu);
}

// Columns left to right, each top to bottom, a plain copy of the whole tile each
// time; tiles that run past the right or bottom edge are cut there.
void ClientArea::paintEvent(QPaintEvent*) {
    if (!m_tileHolder)
        return;
    const QImage& tile = m_tileHolder->picture().image();
    const int w = tile.width();
    const int h = tile.height();
    if (w <= 0 || h <= 0)
        return;
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int x = 0; x <= width(); x += w) {
        for (int y = 0; y <= height(); y += h)
            painter.drawImage(QPoint(x, y), tile);
    }
}

// Events over a control belong to that control. Controls that ignore mouse events
// (the labels) hand them on to this widget, so the position decides.
bool ClientArea::isBare(const QPointF& position) const {
    return childAt(position.toPoint()) == nullptr;
}

void ClientArea::mouseMoveEvent(QMouseEvent* event) {
    if (isBare(event->position()))
        Q_EMIT bareMouseMove();
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
    // Accepting the press makes the matching release come here.
    event->accept();
}

void ClientArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && isBare(event->position()))
        Q_EMIT bareRightButtonReleased();
}
