#include "platform/PictureFile.h"

#include "platform/BmpReader.h"
#include "platform/BmpWriter.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// No picture this program handles comes near this; a larger file is refused unread.
constexpr qint64 kMaxFileSize = qint64(256) * 1024 * 1024;

PictureLoad failed(PictureError error) {
    return {Picture(), error};
}

PictureLoad fromBmp(const QByteArray& data) {
    auto decoded = BmpReader::decode(data);
    if (!decoded)
        return failed(PictureError::NotAPicture);
    return {Picture(std::move(decoded->image), decoded->clrImportant, decoded->bitsPerPixel)};
}

// Every other format Qt reads, told apart by content. Monochrome images become
// Indexed8 like every other palettized picture, and are saved at 1 bit again.
PictureLoad fromQt(const QByteArray& data) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return failed(PictureError::NotAPicture);
    if (image.depth() == 1)
        return {Picture(image.convertToFormat(QImage::Format_Indexed8), std::nullopt, 1)};
    return {Picture(image)};
}

} // namespace

namespace PictureFile {

PictureLoad load(const QString& hostPath) {
    const QFileInfo info(hostPath);
    if (hostPath.isEmpty() || !info.exists())
        return failed(PictureError::NotFound);
    if (!info.isFile())
        return failed(PictureError::Unreadable);
    if (info.size() > kMaxFileSize)
        return failed(PictureError::NotAPicture);
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        return failed(PictureError::Unreadable);
    const QByteArray data = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return failed(PictureError::Unreadable);
    if (data.size() > kMaxFileSize)
        return failed(PictureError::NotAPicture);
    return decode(data);
}

PictureLoad decode(const QByteArray& data) {
    return BmpReader::looksLikeBmp(data) ? fromBmp(data) : fromQt(data);
}

QByteArray encodeBmp(const Picture& picture) {
    return BmpWriter::encode(picture.image(), picture.bitsPerPixel(), picture.clrImportant().value_or(0));
}

} // namespace PictureFile
