#include "platform/StartAfterFirstPaint.h"

#include <QEvent>
#include <QWidget>

StartAfterFirstPaint::StartAfterFirstPaint(QWidget* window, QTimer* timer) : QObject(window), m_timer(timer) {
    m_fallback.setSingleShot(true);
    m_fallback.setInterval(1000);
    connect(&m_fallback, &QTimer::timeout, this, &StartAfterFirstPaint::start);
    window->installEventFilter(this);
}

bool StartAfterFirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && !m_started)
        m_fallback.start();
    else if (event->type() == QEvent::Paint)
        start();
    return QObject::eventFilter(watched, event);
}

void StartAfterFirstPaint::start() {
    if (m_started)
        return;
    m_started = true;
    m_fallback.stop();
    m_timer->start();
}
