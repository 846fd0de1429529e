#include "platform/AtomicFile.h"

// TODO(fs): placeholder.
namespace AtomicFile {
bool write(const QString&, const QByteArray&) { return false; }
bool copy(const QString&, const QString&) { return false; }
} // namespace AtomicFile
