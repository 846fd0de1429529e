#pragma once

#include <QImage>
#include <optional>

// A picture as the windows pass it around: the image plus the few facts of its
// source file that a save must keep. Pictures are shared by value (QImage's
// implicit sharing): copying one shares it, and changing one never changes another.
// A default-constructed picture is the empty picture.
class Picture {
public:
    Picture() = default;
    // bitsPerPixel 0 means "from the image": 8 for a palettized image, 1 for a
    // monochrome one, 24 otherwise. A palettized depth too small for the palette
    // becomes 8; an image without a palette is always 24.
    explicit Picture(QImage image, std::optional<quint32> clrImportant = std::nullopt, int bitsPerPixel = 0);

    bool isEmpty() const { return m_image.isNull(); }
    const QImage& image() const { return m_image; }
    QSize size() const { return m_image.size(); }
    // Depth the picture is saved with: 1, 4 or 8 (palettized) or 24.
    int bitsPerPixel() const { return m_bitsPerPixel; }
    // biClrImportant of the bitmap file the picture was read from.
    std::optional<quint32> clrImportant() const { return m_clrImportant; }

    // Stretched to exactly the given size. A palettized picture stays palettized
    // with exactly its palette (nearest neighbour on the indices).
    Picture stretched(QSize size) const;

    // True when both are the same picture object (shared data), as a picture handle
    // comparison would tell.
    bool isSameAs(const Picture& other) const;

private:
    QImage m_image;
    std::optional<quint32> m_clrImportant;
    int m_bitsPerPixel = 0;
};

enum class PictureError {
    None,
    NotFound,    // no file at that path (or the path cannot be resolved)
    Unreadable,  // the file exists but cannot be read
    NotAPicture, // read, but not a picture this program can decode
};

struct PictureLoad {
    Picture picture;
    PictureError error = PictureError::None;
    bool ok() const { return error == PictureError::None; }
};
