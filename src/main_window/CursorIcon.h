#pragma once

#include <QCursor>
#include <QImage>

// Icons that serve as the pointer: XPM pictures whose header names their hot spot.
namespace CursorIcon {

// The icon with its hot spot kept as the image text "HotSpot" ("x,y").
QImage load(const QString& xpmFile);
// A pointer of the icon at its hot spot (the centre when it names none).
QCursor cursor(const QImage& icon);

} // namespace CursorIcon
