#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

struct DecodedBmp {
    QImage image;         // Format_Indexed8 for palettized files, else RGB32 or ARGB32
    int bitsPerPixel;     // as stored in the file (1, 2, 4, 8, 16, 24, 32)
    quint32 clrImportant; // biClrImportant, 0 for headers without it
};

// Decodes Windows and OS/2 bitmap files. Every size and offset of the headers is
// checked against the data before anything is read or allocated. Truncated or
// damaged pixel data decodes deterministically: what cannot be read stays index 0
// (or black), never undefined.
namespace BmpReader {

bool looksLikeBmp(const QByteArray& data);
std::optional<DecodedBmp> decode(const QByteArray& data);

} // namespace BmpReader
