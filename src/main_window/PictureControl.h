#pragma once

#include "platform/Picture.h"

#include <QFrame>

// One of the four picture controls of the main window: the preview and the three
// action-screen slots. It holds a picture and nothing else, and shows it stretched
// to its own size, the way Windows shows a 320 x 400 screen on a 4:3 display.
// Its mouse events go to the window, which owns the drag-and-drop rules.
class PictureControl : public QFrame {
    Q_OBJECT
public:
    PictureControl(const QString& name, QWidget* parent);

    // The control's own name, set once and compared by the drag rules.
    QString Tag() const { return m_tag; }
    const Picture& picture() const { return m_picture; }
    void setPicture(const Picture& picture);
    // The icon shown as the pointer while this control is dragged.
    const Picture& DragIcon() const { return m_dragIcon; }
    void setDragIcon(const Picture& icon);

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button);
    void mouseMove(Qt::MouseButtons buttons, const QPoint& globalPosition);
    void mouseUp(Qt::MouseButton button, const QPoint& globalPosition);
    void dblClick();
    void dragIconChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QString m_tag;
    Picture m_picture;
    Picture m_dragIcon;
};
