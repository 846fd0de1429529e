#include "platform/BmpReader.h"

#include <QList>
#include <algorithm>
#include <array>
#include <bit>

namespace {

constexpr qint64 kFileHeaderSize = 14;
constexpr qint64 kCoreHeaderSize = 12;
constexpr qint64 kInfoHeaderSize = 40;
// The same bound Qt's image readers use: larger images are refused before allocation.
constexpr qint64 kAllocationLimit = qint64(128) * 1024 * 1024;

enum class Encoding { Uncompressed, BitFields, Rle4, Rle8, Rle24 };

// Bounds-checked little-endian access to the file.
class Bytes {
public:
    explicit Bytes(const QByteArray& data) : m_data(data) {}
    qint64 size() const { return m_data.size(); }
    bool has(qint64 at, qint64 count) const { return at >= 0 && count >= 0 && at <= size() - count; }
    quint8 u8(qint64 at) const { return quint8(m_data[at]); }
    quint16 u16(qint64 at) const { return quint16(u8(at) | u8(at + 1) << 8); }
    quint32 u32(qint64 at) const { return u16(at) | quint32(u16(at + 2)) << 16; }
    // The `count` bytes at `at`; where the file ends early, a copy in `spare` with the
    // missing bytes zero.
    const uchar* span(qint64 at, qint64 count, QByteArray& spare) const {
        if (has(at, count))
            return reinterpret_cast<const uchar*>(m_data.constData() + at);
        const qint64 start = std::clamp<qint64>(at, 0, size());
        spare.fill('\0', count);
        std::copy_n(m_data.constData() + start, size() - start, spare.data());
        return reinterpret_cast<const uchar*>(spare.constData());
    }

private:
    const QByteArray& m_data;
};

// The fields of the information header; fields an OS/2 2.x header leaves out read as 0.
class InfoHeader {
public:
    InfoHeader(const Bytes& bytes, qint64 size) : m_bytes(bytes), m_size(size) {}
    quint32 field(qint64 offset) const {
        return offset + 4 <= m_size ? m_bytes.u32(kFileHeaderSize + offset) : 0;
    }
    quint16 halfField(qint64 offset) const {
        return offset + 2 <= m_size ? m_bytes.u16(kFileHeaderSize + offset) : 0;
    }
    qint64 size() const { return m_size; }
    // Windows headers are 40, 52, 56, 108 and 124 bytes; anything else up to 64 is OS/2 2.x.
    bool isOs2() const { return m_size != 40 && m_size != 52 && m_size != 56 && m_size <= 64; }

private:
    const Bytes& m_bytes;
    qint64 m_size;
};

struct Layout {
    qint64 width = 0;
    qint64 height = 0;
    bool topDown = false;
    int planes = 0;
    int bitsPerPixel = 0;
    Encoding encoding = Encoding::Uncompressed;
    std::array<quint32, 4> masks{}; // red, green, blue, alpha
    qint64 paletteOffset = 0;
    int paletteEntrySize = 4;
    qint64 paletteCount = 0;
    qint64 pixelOffset = 0;
    quint32 clrImportant = 0;

    bool isPalettized() const { return bitsPerPixel <= 8; }
    QImage::Format format() const {
        if (isPalettized())
            return QImage::Format_Indexed8;
        return masks[3] != 0 ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    }
};

bool isValidHeaderSize(qint64 size) {
    return size == kCoreHeaderSize || (size >= 16 && size <= 64) || size == 108 || size == 124;
}

std::optional<Encoding> encodingOf(quint32 compression, int bitsPerPixel, bool os2) {
    switch (compression) {
    case 0:
        return Encoding::Uncompressed;
    case 1:
        return bitsPerPixel == 8 ? std::optional(Encoding::Rle8) : std::nullopt;
    case 2:
        return bitsPerPixel == 4 ? std::optional(Encoding::Rle4) : std::nullopt;
    case 3: // OS/2 2.x: Huffman 1D, which this reader does not decode
    case 6:
        return !os2 && (bitsPerPixel == 16 || bitsPerPixel == 32) ? std::optional(Encoding::BitFields)
                                                                  : std::nullopt;
    case 4: // Windows: embedded JPEG, not decoded; OS/2 2.x: RLE24
        return os2 && bitsPerPixel == 24 ? std::optional(Encoding::Rle24) : std::nullopt;
    default:
        return std::nullopt;
    }
}

std::array<quint32, 4> defaultMasks(int bitsPerPixel) {
    if (bitsPerPixel == 16)
        return {0x7c00, 0x03e0, 0x001f, 0};
    return {0xff0000, 0x00ff00, 0x0000ff, 0};
}

// Fills masks and returns the number of mask bytes that follow a 40-byte header.
std::optional<qint64> readMasks(const Bytes& bytes, const InfoHeader& header, quint32 compression,
                                Layout& layout) {
    layout.masks = defaultMasks(layout.bitsPerPixel);
    if (layout.encoding != Encoding::BitFields)
        return 0;
    const int count = compression == 6 ? 4 : 3;
    if (header.size() >= kInfoHeaderSize + 12) { // V2 and later headers hold the masks
        for (int i = 0; i < 4; ++i)
            layout.masks[i] = header.field(kInfoHeaderSize + 4 * i);
        return 0;
    }
    const qint64 at = kFileHeaderSize + header.size();
    if (!bytes.has(at, 4 * count))
        return std::nullopt;
    layout.masks = {};
    for (int i = 0; i < count; ++i)
        layout.masks[i] = bytes.u32(at + 4 * i);
    return 4 * count;
}

Layout coreLayout(const Bytes& bytes) {
    Layout layout;
    layout.width = bytes.u16(kFileHeaderSize + 4);
    layout.height = bytes.u16(kFileHeaderSize + 6);
    layout.planes = bytes.u16(kFileHeaderSize + 8);
    layout.bitsPerPixel = bytes.u16(kFileHeaderSize + 10);
    layout.paletteEntrySize = 3;
    layout.paletteOffset = kFileHeaderSize + kCoreHeaderSize;
    layout.paletteCount = qint64(1) << std::min(layout.bitsPerPixel, 8);
    return layout;
}

std::optional<Layout> infoLayout(const Bytes& bytes, const InfoHeader& header) {
    Layout layout;
    layout.width = qint32(header.field(4));
    const qint64 height = qint32(header.field(8));
    layout.topDown = height < 0;
    layout.height = height < 0 ? -height : height;
    layout.planes = header.halfField(12);
    layout.bitsPerPixel = header.halfField(14);
    const quint32 compression = header.field(16);
    const auto encoding = encodingOf(compression, layout.bitsPerPixel, header.isOs2());
    if (!encoding)
        return std::nullopt;
    layout.encoding = *encoding;
    const auto maskBytes = readMasks(bytes, header, compression, layout);
    if (!maskBytes)
        return std::nullopt;
    layout.paletteOffset = kFileHeaderSize + header.size() + *maskBytes;
    const qint64 fullPalette = qint64(1) << std::min(layout.bitsPerPixel, 8);
    const quint32 clrUsed = header.field(32);
    layout.paletteCount = clrUsed == 0 ? fullPalette : std::min<qint64>(clrUsed, fullPalette);
    layout.clrImportant = header.field(36);
    return layout;
}

bool isSupportedDepth(int bitsPerPixel) {
    constexpr std::array depths{1, 2, 4, 8, 16, 24, 32};
    return std::find(depths.begin(), depths.end(), bitsPerPixel) != depths.end();
}

bool isCompressed(const Layout& layout) {
    return layout.encoding == Encoding::Rle4 || layout.encoding == Encoding::Rle8 ||
           layout.encoding == Encoding::Rle24;
}

bool fitsAllocationLimit(const Layout& layout) {
    const qint64 bytesPerPixel = layout.isPalettized() ? 1 : 4;
    return layout.width <= kAllocationLimit / bytesPerPixel / layout.height;
}

// The palette ends where the pixels begin: a file may hold fewer entries than its
// header claims (OS/2 files often do), never more than the gap allows.
bool placePixels(const Bytes& bytes, Layout& layout) {
    layout.pixelOffset = bytes.u32(10);
    if (layout.pixelOffset < layout.paletteOffset || !bytes.has(layout.pixelOffset, 1))
        return false;
    const qint64 room = (layout.pixelOffset - layout.paletteOffset) / layout.paletteEntrySize;
    layout.paletteCount = layout.isPalettized() ? std::min(layout.paletteCount, room) : 0;
    return true;
}

std::optional<Layout> readLayout(const Bytes& bytes) {
    if (!bytes.has(0, kFileHeaderSize + 4))
        return std::nullopt;
    const qint64 headerSize = bytes.u32(kFileHeaderSize);
    if (!isValidHeaderSize(headerSize) || !bytes.has(kFileHeaderSize, headerSize))
        return std::nullopt;
    const InfoHeader header(bytes, headerSize);
    auto layout =
        headerSize == kCoreHeaderSize ? std::optional(coreLayout(bytes)) : infoLayout(bytes, header);
    if (!layout || layout->planes != 1 || !isSupportedDepth(layout->bitsPerPixel) || layout->width <= 0 ||
        layout->height <= 0 || (layout->topDown && isCompressed(*layout)))
        return std::nullopt;
    if (!fitsAllocationLimit(*layout) || !placePixels(bytes, *layout))
        return std::nullopt;
    return layout;
}

QList<QRgb> readPalette(const Bytes& bytes, const Layout& layout) {
    QList<QRgb> palette;
    palette.reserve(layout.paletteCount);
    for (qint64 i = 0; i < layout.paletteCount; ++i) {
        const qint64 at = layout.paletteOffset + i * layout.paletteEntrySize;
        palette.append(qRgb(bytes.u8(at + 2), bytes.u8(at + 1), bytes.u8(at)));
    }
    return palette;
}

// A channel of a 16- or 32-bit pixel, scaled to 8 bits with rounding.
class Channel {
public:
    explicit Channel(quint32 mask)
        : m_mask(mask), m_shift(mask ? std::countr_zero(mask) : 0),
          m_max(mask ? (quint64(1) << std::bit_width(mask >> m_shift)) - 1 : 0) {}
    bool isPresent() const { return m_mask != 0; }
    int value(quint32 pixel) const {
        if (m_max == 0)
            return 0;
        return int((((pixel & m_mask) >> m_shift) * 255 + m_max / 2) / m_max);
    }

private:
    quint32 m_mask;
    int m_shift;
    quint64 m_max;
};

class MaskedPixels {
public:
    explicit MaskedPixels(const std::array<quint32, 4>& masks)
        : m_red(masks[0]), m_green(masks[1]), m_blue(masks[2]), m_alpha(masks[3]) {}
    QRgb colour(quint32 pixel) const {
        const int alpha = m_alpha.isPresent() ? m_alpha.value(pixel) : 255;
        return qRgba(m_red.value(pixel), m_green.value(pixel), m_blue.value(pixel), alpha);
    }

private:
    Channel m_red, m_green, m_blue, m_alpha;
};

void unpackIndices(const uchar* row, int bitsPerPixel, qint64 width, uchar* line) {
    const int perByte = 8 / bitsPerPixel;
    const int mask = (1 << bitsPerPixel) - 1;
    for (qint64 x = 0; x < width; ++x) {
        const int shift = 8 - bitsPerPixel * int(x % perByte + 1);
        line[x] = uchar((row[x / perByte] >> shift) & mask);
    }
}

void unpackBgr(const uchar* row, qint64 width, QRgb* line) {
    for (qint64 x = 0; x < width; ++x)
        line[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
}

void unpackMasked(const uchar* row, const Layout& layout, QRgb* line) {
    const MaskedPixels pixels(layout.masks);
    const int bytesPerPixel = layout.bitsPerPixel / 8;
    for (qint64 x = 0; x < layout.width; ++x) {
        quint32 value = 0;
        for (int i = bytesPerPixel - 1; i >= 0; --i)
            value = value << 8 | row[bytesPerPixel * x + i];
        line[x] = pixels.colour(value);
    }
}

void unpackRow(const uchar* row, const Layout& layout, uchar* line) {
    if (layout.isPalettized())
        unpackIndices(row, layout.bitsPerPixel, layout.width, line);
    else if (layout.bitsPerPixel == 24)
        unpackBgr(row, layout.width, reinterpret_cast<QRgb*>(line));
    else
        unpackMasked(row, layout, reinterpret_cast<QRgb*>(line));
}

qint64 imageRow(const Layout& layout, qint64 fileRow) {
    return layout.topDown ? fileRow : layout.height - 1 - fileRow;
}

void readUncompressed(const Bytes& bytes, const Layout& layout, QImage& image) {
    const qint64 stride = (layout.width * layout.bitsPerPixel + 31) / 32 * 4;
    QByteArray spare;
    for (qint64 fileRow = 0; fileRow < layout.height; ++fileRow) {
        const qint64 at = layout.pixelOffset + fileRow * stride;
        if (!bytes.has(at, 1))
            break; // the image was cleared: what the file lacks stays index 0 or black
        unpackRow(bytes.span(at, stride, spare), layout, image.scanLine(int(imageRow(layout, fileRow))));
    }
}

// Run-length encoded pixels: RLE4 and RLE8 hold palette indices, OS/2's RLE24 holds
// BGR triples. Pixels outside the image are dropped; pixels the data never reaches
// keep the cleared value (index 0).
class RleDecoder {
public:
    RleDecoder(const Bytes& bytes, const Layout& layout, QImage& image)
        : m_bytes(bytes), m_layout(layout), m_image(image), m_pos(layout.pixelOffset),
          m_unitBits(layout.encoding == Encoding::Rle4   ? 4
                     : layout.encoding == Encoding::Rle8 ? 8
                                                         : 24) {}

    void run() {
        while (m_y < m_layout.height && m_bytes.has(m_pos, 2)) {
            const int count = m_bytes.u8(m_pos);
            const int code = m_bytes.u8(m_pos + 1);
            m_pos += 2;
            if (count > 0)
                repeat(count, code);
            else if (!escape(code))
                return;
        }
    }

private:
    // Returns false at the end of the bitmap or when the data runs out.
    bool escape(int code) {
        if (code == 0) {
            m_x = 0;
            ++m_y;
        } else if (code == 1) {
            return false;
        } else if (code == 2) {
            if (!m_bytes.has(m_pos, 2))
                return false;
            m_x += m_bytes.u8(m_pos);
            m_y += m_bytes.u8(m_pos + 1);
            m_pos += 2;
        } else {
            return literal(code);
        }
        return true;
    }

    void repeat(int count, int firstByte) {
        if (m_unitBits == 24) {
            if (!m_bytes.has(m_pos, 2))
                return;
            const QRgb colour = qRgb(m_bytes.u8(m_pos + 1), m_bytes.u8(m_pos), firstByte);
            m_pos += 2;
            put(count, [colour](qint64) { return colour; });
        } else if (m_unitBits == 4) {
            put(count, [firstByte](qint64 i) { return quint32(i % 2 ? firstByte & 0x0f : firstByte >> 4); });
        } else {
            put(count, [firstByte](qint64) { return quint32(firstByte); });
        }
    }

    bool literal(int count) {
        const qint64 length = (qint64(count) * m_unitBits + 7) / 8;
        const qint64 available = std::min(length, m_bytes.size() - m_pos);
        const qint64 units = available * 8 / m_unitBits;
        put(std::min<qint64>(count, units), [this](qint64 i) { return literalUnit(i); });
        m_pos += (length + 1) & ~qint64(1);
        return available == length;
    }

    quint32 literalUnit(qint64 i) const {
        if (m_unitBits == 4) {
            const int byte = m_bytes.u8(m_pos + i / 2);
            return i % 2 ? byte & 0x0f : byte >> 4;
        }
        if (m_unitBits == 8)
            return m_bytes.u8(m_pos + i);
        const qint64 at = m_pos + 3 * i;
        return qRgb(m_bytes.u8(at + 2), m_bytes.u8(at + 1), m_bytes.u8(at));
    }

    // Writes `count` pixels from the cursor on, valueAt(i) giving the i-th; those right
    // of the image are skipped without being visited, so bad data costs no time.
    template <typename ValueAt> void put(qint64 count, ValueAt valueAt) {
        const qint64 visible = std::clamp<qint64>(m_layout.width - m_x, 0, count);
        uchar* line = m_image.scanLine(int(imageRow(m_layout, m_y)));
        for (qint64 i = 0; i < visible; ++i) {
            if (m_unitBits == 24)
                reinterpret_cast<QRgb*>(line)[m_x + i] = valueAt(i);
            else
                line[m_x + i] = uchar(valueAt(i));
        }
        m_x += count;
    }

    const Bytes& m_bytes;
    const Layout& m_layout;
    QImage& m_image;
    qint64 m_pos;
    int m_unitBits;
    qint64 m_x = 0;
    qint64 m_y = 0;
};

// Indices past the end of a short palette are shown as black.
void coverUsedIndices(QImage& image) {
    int highest = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        highest = std::max<int>(highest, *std::max_element(line, line + image.width()));
    }
    QList<QRgb> palette = image.colorTable();
    while (palette.size() <= highest)
        palette.append(qRgb(0, 0, 0));
    image.setColorTable(palette);
}

QImage decodePixels(const Bytes& bytes, const Layout& layout) {
    QImage image(int(layout.width), int(layout.height), layout.format());
    if (image.isNull())
        return image;
    image.fill(layout.format() == QImage::Format_RGB32 ? qRgb(0, 0, 0) : 0u);
    if (isCompressed(layout))
        RleDecoder(bytes, layout, image).run();
    else
        readUncompressed(bytes, layout, image);
    if (layout.isPalettized()) {
        image.setColorTable(readPalette(bytes, layout));
        coverUsedIndices(image);
    }
    return image;
}

} // namespace

namespace BmpReader {

bool looksLikeBmp(const QByteArray& data) {
    return data.startsWith("BM");
}

std::optional<DecodedBmp> decode(const QByteArray& data) {
    if (!looksLikeBmp(data))
        return std::nullopt;
    const Bytes bytes(data);
    const auto layout = readLayout(bytes);
    if (!layout)
        return std::nullopt;
    QImage image = decodePixels(bytes, *layout);
    if (image.isNull())
        return std::nullopt;
    return DecodedBmp{std::move(image), layout->bitsPerPixel, layout->clrImportant};
}

} // namespace BmpReader
