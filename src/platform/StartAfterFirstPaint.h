#pragma once

#include <QObject>
#include <QTimer>

class QWidget;

// Starts a window's timer once the window has been painted for the first time, so
// that the work the timer does happens with the window on the screen. Should no
// paint come within a second of the window being shown, the timer starts anyway.
class StartAfterFirstPaint : public QObject {
    Q_OBJECT
public:
    StartAfterFirstPaint(QWidget* window, QTimer* timer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void start();

    QTimer* m_timer;
    QTimer m_fallback;
    bool m_started = false;
};
