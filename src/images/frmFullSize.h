#pragma once

#include "platform/Picture.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QScrollArea;

// The full-size viewer: one picture of the main window at its own size, pixel for
// pixel. There is at most one instance; setting its picture creates it (hidden)
// when there is none, and closing it discards it.
class frmFullSize : public QWidget {
    Q_OBJECT
public:
    // The loaded instance, or nullptr.
    static frmFullSize* instance();
    // The instance, created hidden when none is loaded.
    static frmFullSize& load(QWidget* parent);

    ~frmFullSize() override;

    const Picture& picture() const { return m_picture; }
    // Image1's picture; the window is sized so that it and the OK button fit.
    void setPicture(const Picture& picture);
    // Shows the window, not modal; an open one keeps its place and comes to the front.
    void showViewer();

    QLabel* Image1;
    QPushButton* Command1;

private:
    explicit frmFullSize(QWidget* parent);
    void fitToPicture();

    QScrollArea* m_scroller;
    Picture m_picture;
};
