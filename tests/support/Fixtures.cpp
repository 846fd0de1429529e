#include "Fixtures.h"

#include "platform/BmpWriter.h"

namespace Fixtures {

QImage screenImage(int seed, QSize size) {
    QImage image(size, QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette << qRgb((i + seed * 37) % 256, (i * 3 + seed) % 256, (255 - i + seed * 11) % 256);
    image.setColorTable(palette);
    for (int y = 0; y < size.height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < size.width(); ++x)
            line[x] = static_cast<uchar>((x + y * 7 + seed * 13) % 256);
    }
    return image;
}

QByteArray screenBmp(int seed, QSize size, quint32 clrImportant) {
    return BmpWriter::encode(screenImage(seed, size), 8, clrImportant);
}

} // namespace Fixtures
