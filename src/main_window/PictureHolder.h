#pragma once

#include "platform/Picture.h"

#include <QWidget>

// A hidden control that only stores a picture: the background tile and the two
// drag icons of the main window.
class PictureHolder : public QWidget {
    Q_OBJECT
public:
    explicit PictureHolder(QWidget* parent = nullptr);

    const Picture& picture() const { return m_picture; }
    void setPicture(const Picture& picture) { m_picture = picture; }

private:
    Picture m_picture;
};
