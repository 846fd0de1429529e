#include "platform/Picture.h"

#include "platform/BmpWriter.h"

namespace {

// Nearest neighbour on the indices, sampling each target pixel's centre, so the
// result uses exactly the source's palette.
QImage stretchIndices(const QImage& source, QSize size) {
    QImage target(size, QImage::Format_Indexed8);
    target.setColorTable(source.colorTable());
    const qint64 sourceWidth = source.width();
    const qint64 sourceHeight = source.height();
    for (int y = 0; y < size.height(); ++y) {
        const uchar* from = source.constScanLine(int((2 * y + 1) * sourceHeight / (2 * size.height())));
        uchar* to = target.scanLine(y);
        for (int x = 0; x < size.width(); ++x)
            to[x] = from[(2 * x + 1) * sourceWidth / (2 * size.width())];
    }
    return target;
}

} // namespace

Picture::Picture(QImage image, std::optional<quint32> clrImportant, int bitsPerPixel)
    : m_image(std::move(image)), m_clrImportant(clrImportant),
      m_bitsPerPixel(BmpWriter::depthFor(m_image, bitsPerPixel ? bitsPerPixel : m_image.depth())) {}

Picture Picture::stretched(QSize size) const {
    if (isEmpty() || size.isEmpty())
        return {};
    if (m_bitsPerPixel > 8)
        return Picture(m_image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), m_clrImportant);
    return Picture(stretchIndices(m_image.convertToFormat(QImage::Format_Indexed8), size), m_clrImportant,
                   m_bitsPerPixel);
}

bool Picture::isSameAs(const Picture& other) const {
    return m_image.cacheKey() == other.m_image.cacheKey();
}
