#pragma once

#include <QByteArray>
#include <QImage>

// Writes uncompressed Windows bitmaps (BITMAPINFOHEADER). A palettized image is
// written at the given depth (1, 4 or 8) with its palette and indices exactly as
// they are; anything else as 24-bit.
namespace BmpWriter {

// The depth an image is written with when the caller asks for `requested`: 1, 4 or 8
// for a palettized image (8 when its palette does not fit the requested depth), 24
// for anything else, 0 for a null image.
int depthFor(const QImage& image, int requested);

QByteArray encode(const QImage& image, int bitsPerPixel, quint32 clrImportant);

} // namespace BmpWriter
