#pragma once

#include <QWidget>

class PictureHolder;

// The main window's client area. It tiles the background picture and tells the
// window about mouse events over the bare window, that is outside every control.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    ClientArea(const PictureHolder& tileHolder, QWidget* parent);

Q_SIGNALS:
    void bareMouseMove();
    void bareRightButtonReleased();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool isBare(const QPointF& position) const;

    const PictureHolder& m_tileHolder;
};
