#pragma once

#include <QByteArray>
#include <QImage>

// Small pictures made in code for the tests.
namespace Fixtures {

// An 8-bit palettized picture with a full 256-entry palette; the seed varies both
// the palette and the pixels, so different seeds give different screens.
QImage screenImage(int seed, QSize size = QSize(320, 400));
// The same picture as an uncompressed 8-bit Windows bitmap.
QByteArray screenBmp(int seed, QSize size = QSize(320, 400), quint32 clrImportant = 0);

} // namespace Fixtures
