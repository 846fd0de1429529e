#pragma once

#include <QByteArray>
#include <QImage>

// Writes uncompressed Windows bitmaps (BITMAPINFOHEADER). A palettized image is
// written at the given depth (1, 4 or 8) with its palette and indices exactly as
// they are; anything else as 24-bit.
namespace BmpWriter {

QByteArray encode(const QImage& image, int bitsPerPixel, quint32 clrImportant);

} // namespace BmpWriter
