#include "main_window/ManualDrag.h"

#include "main_window/CursorIcon.h"
#include "main_window/PictureControl.h"

#include <QApplication>
#include <QCursor>

ManualDrag::ManualDrag(std::function<PictureControl*(const QPoint&)> controlAt, QObject* parent)
    : QObject(parent), m_controlAt(std::move(controlAt)) {}

ManualDrag::~ManualDrag() {
    finish();
}

void ManualDrag::begin(PictureControl* source) {
    finish();
    m_source = source;
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    showDragIcon();
    m_iconConnection = connect(source, &PictureControl::dragIconChanged, this, &ManualDrag::showDragIcon);
}

void ManualDrag::showDragIcon() {
    if (!m_source)
        return;
    const QImage& icon = m_source->DragIcon().image();
    QApplication::changeOverrideCursor(icon.isNull() ? QCursor(Qt::DragMoveCursor)
                                                     : CursorIcon::cursor(icon));
}

void ManualDrag::moveTo(const QPoint& globalPosition) {
    if (!m_source)
        return;
    PictureControl* target = m_controlAt(globalPosition);
    if (target != m_over) {
        if (m_over)
            Q_EMIT dragOver(m_over, m_source, Leave);
        m_over = target;
        if (target)
            Q_EMIT dragOver(target, m_source, Enter);
    } else if (target) {
        Q_EMIT dragOver(target, m_source, Over);
    }
}

void ManualDrag::dropAt(const QPoint& globalPosition) {
    if (!m_source)
        return;
    PictureControl* source = m_source;
    PictureControl* target = m_controlAt(globalPosition);
    finish();
    if (target)
        Q_EMIT dragDrop(target, source);
}

void ManualDrag::finish() {
    if (!m_source)
        return;
    disconnect(m_iconConnection);
    m_source = nullptr;
    m_over = nullptr;
    QApplication::restoreOverrideCursor();
}
