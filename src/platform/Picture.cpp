#include "platform/Picture.h"

// TODO(pictures): placeholder.
Picture::Picture(QImage image, std::optional<quint32> clrImportant, int bitsPerPixel)
    : m_image(std::move(image)), m_clrImportant(clrImportant), m_bitsPerPixel(bitsPerPixel) {}
Picture Picture::stretched(QSize) const { return *this; }
bool Picture::isSameAs(const Picture& other) const { return m_image.cacheKey() == other.m_image.cacheKey(); }
