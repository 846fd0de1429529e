#pragma once

#include <QImage>
#include <QPixmap>

enum class Icon {
    Program,
    Open,
    Save,
    Delete,
    Find,
    Restore,
    CategoryStandard,
    CategoryUser,
    File,
    Carry,
    Drop,
};

// The program's icons, compiled in from their XPM sources so that showing one needs
// no image plug-in. An icon whose XPM header names a hot spot carries it as the
// image text "HotSpot" ("x,y").
namespace Icons {

QImage image(Icon icon);
QPixmap pixmap(Icon icon);

} // namespace Icons
