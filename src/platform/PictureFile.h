#pragma once

#include "platform/Picture.h"

#include <QByteArray>
#include <QString>

// Reading and writing pictures as files. Windows bitmaps go through the program's
// own reader and writer; every other format Qt can read is recognised by content.
namespace PictureFile {

PictureLoad load(const QString& hostPath);
PictureLoad decode(const QByteArray& data);
// An uncompressed Windows bitmap of the picture's own depth; empty for the empty picture.
QByteArray encodeBmp(const Picture& picture);

} // namespace PictureFile
