#include "platform/DosFileSystem.h"

// TODO(fs): placeholder.
std::optional<QString> DosFileSystem::toHostPath(const QString&) { return std::nullopt; }
bool DosFileSystem::copyFile(const QString&, const QString&) { return false; }
bool DosFileSystem::deleteFile(const QString&) { return false; }
bool DosFileSystem::writeFile(const QString&, const QByteArray&) { return false; }
std::optional<QStringList> DosFileSystem::list(const QString&, const QString&, ListKind) { return std::nullopt; }
std::optional<QStringList> DosFileSystem::listPattern(const QString&) { return std::nullopt; }
std::optional<quint32> DosFileSystem::attributes(const QString&) { return std::nullopt; }
PictureLoad DosFileSystem::loadPicture(const QString&) { return {Picture(), PictureError::NotFound}; }
bool DosFileSystem::savePicture(const Picture&, const QString&) { return false; }
