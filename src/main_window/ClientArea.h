#pragma once

#include <QWidget>

class PictureHolder;

// The main window's client area. It tiles the background picture and tells the
// window about mouse events over the bare window, that is outside every control.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(QWidget* parent);
    // The holder whose picture is tiled over the area.
    void setTileHolder(const PictureHolder* holder) { m_tileHolder = holder; }

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

    const PictureHolder* m_tileHolder = nullptr;
};
