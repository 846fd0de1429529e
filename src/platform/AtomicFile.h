#pragma once

#include <QByteArray>
#include <QString>

// Replaces a host file by writing a new file beside it and renaming it over the
// old one (QSaveFile), so that a crash, a kill or a full disk never leaves half a
// file. A target whose DOS attributes say read-only is refused, as Windows refuses
// it. The replaced file keeps its permissions and its DOS attributes.
namespace AtomicFile {

bool write(const QString& hostPath, const QByteArray& data);
// Copies a host file over another through the same write-then-rename step.
bool copy(const QString& fromHostPath, const QString& toHostPath);

} // namespace AtomicFile
