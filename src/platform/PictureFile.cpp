#include "platform/PictureFile.h"

// TODO(pictures): placeholder.
namespace PictureFile {
PictureLoad load(const QString&) { return {Picture(), PictureError::NotFound}; }
PictureLoad decode(const QByteArray&) { return {Picture(), PictureError::NotAPicture}; }
QByteArray encodeBmp(const Picture&) { return {}; }
} // namespace PictureFile
