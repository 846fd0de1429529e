#include "main_window/ManualDrag.h"

#include "main_window/PictureControl.h"

#include <QApplication>
#include <QCursor>
#include <QPixmap>
#include <QStringList>

namespace {

// The icon as the pointer, at the hot spot it names ("HotSpot" text "x,y"), else
// at its centre.
QCursor cursorOf(const QImage& icon) {
    if (icon.isNull())
        return QCursor(Qt::DragMoveCursor);
    const QStringList hotSpot = icon.text(QStringLiteral("HotSpot")).split(u',');
    if (hotSpot.size() != 2)
        return QCursor(QPixmap::fromImage(icon));
    return QCursor(QPixmap::fromImage(icon), hotSpot.at(0).toInt(), hotSpot.at(1).toInt());
}

} // namespace

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
    QApplication::changeOverrideCursor(cursorOf(m_source->DragIcon().image()));
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
