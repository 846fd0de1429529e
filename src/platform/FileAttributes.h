#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// DOS file attributes of host entries, as Wine reports them.
namespace FileAttributes {

constexpr quint32 ReadOnly = 0x01;
constexpr quint32 Hidden = 0x02;
constexpr quint32 System = 0x04;
constexpr quint32 Directory = 0x10;
constexpr quint32 Archive = 0x20;
constexpr quint32 ReparsePoint = 0x400;

// The attributes of a host entry (not following a final symlink, so that a link
// to a folder reports Directory | ReparsePoint), or nothing when it does not exist.
// Read-only when the mode has no write bit at all; hidden for names starting with
// a dot; archive for every non-folder; on a FAT mount the real attributes; else
// hidden and system from the extended attribute user.DOSATTRIB where present.
std::optional<quint32> read(const QString& hostPath);

// The DOS attributes that replacing a file by a new one would lose: the real
// attributes on a FAT mount, the extended attribute user.DOSATTRIB elsewhere.
struct Kept {
    std::optional<quint32> fatAttributes;
    std::optional<QByteArray> dosAttrib;
};
Kept keep(const QString& hostPath);
// Gives a (new) file the kept attributes. Best effort: false when they could not be set.
bool restore(const QString& hostPath, const Kept& kept);

} // namespace FileAttributes
