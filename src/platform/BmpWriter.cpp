#include "platform/BmpWriter.h"

#include <QDataStream>
#include <QIODevice>

namespace {

constexpr quint32 kFileHeaderSize = 14;
constexpr quint32 kInfoHeaderSize = 40;

bool isPalettized(const QImage& image) {
    const bool indexed = image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono ||
                         image.format() == QImage::Format_MonoLSB;
    return indexed && image.colorCount() > 0;
}

qint64 strideOf(const QImage& image, int depth) {
    return (qint64(image.width()) * depth + 31) / 32 * 4;
}

void writeHeaders(QDataStream& out, const QImage& image, int depth, quint32 clrImportant) {
    const quint32 paletteSize = depth <= 8 ? quint32(image.colorCount()) : 0;
    const quint32 pixelOffset = kFileHeaderSize + kInfoHeaderSize + 4 * paletteSize;
    const auto imageSize = quint32(strideOf(image, depth) * image.height());
    out.writeRawData("BM", 2);
    out << quint32(pixelOffset + imageSize) << quint32(0) << pixelOffset;
    out << kInfoHeaderSize << qint32(image.width()) << qint32(image.height()) << quint16(1) << quint16(depth);
    out << quint32(0) << imageSize << qint32(0) << qint32(0) << paletteSize << clrImportant;
}

void writePalette(QDataStream& out, const QImage& image) {
    const QList<QRgb> palette = image.colorTable();
    for (const QRgb colour : palette)
        out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);
}

void packIndices(const uchar* line, int width, int depth, uchar* row) {
    const int perByte = 8 / depth;
    const int mask = (1 << depth) - 1;
    for (int x = 0; x < width; ++x)
        row[x / perByte] |= uchar((line[x] & mask) << (8 - depth * (x % perByte + 1)));
}

void packBgr(const QRgb* line, int width, uchar* row) {
    for (int x = 0; x < width; ++x) {
        row[3 * x] = uchar(qBlue(line[x]));
        row[3 * x + 1] = uchar(qGreen(line[x]));
        row[3 * x + 2] = uchar(qRed(line[x]));
    }
}

// Rows bottom-up, each padded to four bytes with zeros.
void writePixels(QDataStream& out, const QImage& image, int depth) {
    QByteArray row;
    for (int y = image.height() - 1; y >= 0; --y) {
        row.fill('\0', strideOf(image, depth));
        auto* bytes = reinterpret_cast<uchar*>(row.data());
        if (depth == 24)
            packBgr(reinterpret_cast<const QRgb*>(image.constScanLine(y)), image.width(), bytes);
        else
            packIndices(image.constScanLine(y), image.width(), depth, bytes);
        out.writeRawData(row.constData(), int(row.size()));
    }
}

} // namespace

namespace BmpWriter {

int depthFor(const QImage& image, int requested) {
    if (image.isNull())
        return 0;
    if (!isPalettized(image))
        return 24;
    const bool fits =
        (requested == 1 || requested == 4 || requested == 8) && image.colorCount() <= 1 << requested;
    return fits ? requested : 8;
}

QByteArray encode(const QImage& image, int bitsPerPixel, quint32 clrImportant) {
    const int depth = depthFor(image, bitsPerPixel);
    if (depth == 0)
        return {};
    const QImage source = image.convertToFormat(depth == 24 ? QImage::Format_RGB32 : QImage::Format_Indexed8);
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    writeHeaders(out, source, depth, clrImportant);
    if (depth <= 8)
        writePalette(out, source);
    writePixels(out, source, depth);
    return data;
}

} // namespace BmpWriter
