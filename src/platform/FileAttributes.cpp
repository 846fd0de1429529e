#include "platform/FileAttributes.h"

#include <QFile>
#include <QFileInfo>
#include <cctype>
#include <fcntl.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr char DosAttribName[] = "user.DOSATTRIB";
constexpr ssize_t MaxDosAttribSize = 4096;
constexpr quint32 FatAttributeMask = FileAttributes::ReadOnly | FileAttributes::Hidden |
                                     FileAttributes::System | FileAttributes::Directory |
                                     FileAttributes::Archive;

bool isOnFat(const QByteArray& path) {
    struct statfs info {};
    return statfs(path.constData(), &info) == 0 && info.f_type == MSDOS_SUPER_MAGIC;
}

// Runs one FAT attribute ioctl on the file; false when it cannot be opened or the call fails.
bool fatIoctl(const QByteArray& path, unsigned long request, __u32* attributes) {
    const int fd = open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ioctl(fd, request, attributes) == 0;
    close(fd);
    return ok;
}

std::optional<quint32> fatAttributes(const QByteArray& path) {
    __u32 attributes = 0;
    if (!isOnFat(path) || !fatIoctl(path, FAT_IOCTL_GET_ATTRIBUTES, &attributes))
        return std::nullopt;
    return attributes & FatAttributeMask;
}

std::optional<QByteArray> dosAttrib(const QByteArray& path) {
    const ssize_t size = getxattr(path.constData(), DosAttribName, nullptr, 0);
    if (size < 0 || size > MaxDosAttribSize)
        return std::nullopt;
    QByteArray value(size, '\0');
    const ssize_t read = getxattr(path.constData(), DosAttribName, value.data(), value.size());
    if (read < 0)
        return std::nullopt;
    value.truncate(read);
    return value;
}

// The text form "0x%x", possibly followed by a NUL; other forms are not understood.
std::optional<quint32> parseDosAttrib(const QByteArray& value) {
    if (!value.startsWith("0x"))
        return std::nullopt;
    qsizetype end = 2;
    while (end < value.size() && std::isxdigit(static_cast<unsigned char>(value[end])))
        ++end;
    bool ok = false;
    const quint32 attributes = value.mid(2, end - 2).toUInt(&ok, 16);
    return ok ? std::optional(attributes) : std::nullopt;
}

quint32 modeAttributes(mode_t mode) {
    quint32 attributes = S_ISDIR(mode) ? FileAttributes::Directory : FileAttributes::Archive;
    if (!(mode & (S_IWUSR | S_IWGRP | S_IWOTH)))
        attributes |= FileAttributes::ReadOnly;
    return attributes;
}

// The real attributes where the file system keeps them: all of them on FAT, hidden
// and system from user.DOSATTRIB elsewhere.
quint32 withStoredAttributes(const QByteArray& path, quint32 attributes) {
    if (const auto fat = fatAttributes(path))
        return *fat;
    const auto stored = dosAttrib(path);
    const auto parsed = stored ? parseDosAttrib(*stored) : std::nullopt;
    if (parsed)
        attributes |= *parsed & (FileAttributes::Hidden | FileAttributes::System);
    return attributes;
}

} // namespace

namespace FileAttributes {

std::optional<quint32> read(const QString& hostPath) {
    const QByteArray path = QFile::encodeName(hostPath);
    struct stat entry {};
    if (lstat(path.constData(), &entry) != 0)
        return std::nullopt;
    const bool isLink = S_ISLNK(entry.st_mode);
    struct stat target = entry;
    if (isLink && stat(path.constData(), &target) != 0)
        target = entry; // a dangling link is reported as a file

    quint32 attributes = modeAttributes(target.st_mode);
    if (QFileInfo(hostPath).fileName().startsWith(u'.'))
        attributes |= Hidden;
    if (isLink && S_ISDIR(target.st_mode))
        return attributes | ReparsePoint;
    return isLink ? attributes : withStoredAttributes(path, attributes);
}

Kept keep(const QString& hostPath) {
    const QByteArray path = QFile::encodeName(hostPath);
    return Kept{fatAttributes(path), dosAttrib(path)};
}

bool restore(const QString& hostPath, const Kept& kept) {
    const QByteArray path = QFile::encodeName(hostPath);
    bool ok = true;
    if (kept.fatAttributes) {
        __u32 attributes = *kept.fatAttributes;
        ok = fatIoctl(path, FAT_IOCTL_SET_ATTRIBUTES, &attributes);
    }
    if (kept.dosAttrib) {
        const QByteArray& value = *kept.dosAttrib;
        ok = setxattr(path.constData(), DosAttribName, value.constData(), value.size(), 0) == 0 && ok;
    }
    return ok;
}

} // namespace FileAttributes
