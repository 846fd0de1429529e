#include "platform/Twips.h"

#include <cmath>

namespace Twips {

int toPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / PerPixel));
}

int fromPixels(int pixels) {
    return pixels * PerPixel;
}

QPoint point(int left, int top) {
    return {toPixels(left), toPixels(top)};
}

QSize size(int width, int height) {
    return {toPixels(width), toPixels(height)};
}

QRect rect(int left, int top, int width, int height) {
    return {point(left, top), size(width, height)};
}

} // namespace Twips
