#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Window layouts are designed in twips (1440 to the inch). At the standard
// screen resolution 15 twips make one pixel; values are rounded to the nearest
// pixel so that each design number can be checked against the layout tables.
namespace Twips {

constexpr int PerPixel = 15;

int toPixels(int twips);
int fromPixels(int pixels);
QPoint point(int left, int top);
QSize size(int width, int height);
QRect rect(int left, int top, int width, int height);

} // namespace Twips
