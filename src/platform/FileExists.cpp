#include "platform/FileExists.h"

#include "platform/DosFileSystem.h"

bool FileExists(const QString& path) {
    const auto names = DosFileSystem::listPattern(path);
    return names && !names->isEmpty();
}
