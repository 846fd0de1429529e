#include "platform/AtomicFile.h"

#include "platform/FileAttributes.h"

#include <QFile>
#include <QSaveFile>

namespace {

bool isReadOnly(const QString& hostPath) {
    const auto attributes = FileAttributes::read(hostPath);
    return attributes && (*attributes & FileAttributes::ReadOnly);
}

// Writes through QSaveFile (which keeps the old file's permissions), then gives the
// new file the DOS attributes the old one had.
template <typename Fill> bool replace(const QString& hostPath, Fill fill) {
    if (isReadOnly(hostPath))
        return false;
    const bool existed = QFile::exists(hostPath);
    const FileAttributes::Kept kept = existed ? FileAttributes::keep(hostPath) : FileAttributes::Kept{};
    QSaveFile file(hostPath);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || !fill(file)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    if (existed)
        FileAttributes::restore(hostPath, kept);
    return true;
}

} // namespace

namespace AtomicFile {

bool write(const QString& hostPath, const QByteArray& data) {
    return replace(hostPath, [&](QSaveFile& file) { return file.write(data) == data.size(); });
}

bool copy(const QString& fromHostPath, const QString& toHostPath) {
    QFile source(fromHostPath);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    return replace(toHostPath, [&](QSaveFile& file) {
        QByteArray chunk;
        while (!(chunk = source.read(1 << 20)).isEmpty()) {
            if (file.write(chunk) != chunk.size())
                return false;
        }
        return source.error() == QFileDevice::NoError;
    });
}

} // namespace AtomicFile
