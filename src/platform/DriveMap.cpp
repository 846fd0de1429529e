#include "platform/DriveMap.h"

// TODO(fs): placeholder until the drive map lands.
QString DriveMap::dosDevicesDir() { return {}; }
void DriveMap::ensureExists() {}
std::optional<QString> DriveMap::hostRoot(QChar) { return std::nullopt; }
QList<Drive> DriveMap::drives() { return {}; }
QString DriveMap::toDosPath(const QString&) { return {}; }
