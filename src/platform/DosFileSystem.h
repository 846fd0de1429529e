#pragma once

#include "platform/Picture.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The file services the windows use, addressed by DOS paths ("C:\WINDOWS\logow.sys").
// Paths are resolved through the drive map: each component is looked up without
// regard to case (exact name first), and a name that does not exist yet keeps the
// spelling it was given. Every operation on a path that cannot be resolved fails
// cleanly; nothing here throws or shows a message.
class DosFileSystem {
public:
    // The host path for a DOS path, or nothing when its drive is unknown or the text
    // is not a usable path.
    static std::optional<QString> toHostPath(const QString& dosPath);

    // Copies a file, replacing the destination. False when the source cannot be read
    // or the destination cannot be written (a read-only destination is refused).
    static bool copyFile(const QString& from, const QString& to);
    // Deletes one file (not a folder). False when it is missing or read-only.
    static bool deleteFile(const QString& path);
    // Replaces (or creates) a file with new contents, atomically.
    static bool writeFile(const QString& path, const QByteArray& data);

    enum class ListKind { FilesAndFolders, FilesOnly };
    // Names of the entries of a folder that match a Windows wildcard pattern, in the
    // order the file system returns them; hidden and system entries included, "." and
    // ".." never. Nothing when the folder cannot be read.
    static std::optional<QStringList> list(const QString& folder,
                                           const QString& pattern = QStringLiteral("*"),
                                           ListKind kind = ListKind::FilesAndFolders);
    // Names that a listing with the path as its pattern yields ("C:\WINDOWS\*.SYS",
    // "C:\logo.sys"): files only.
    static std::optional<QStringList> listPattern(const QString& pathPattern);
    static std::optional<quint32> attributes(const QString& path);

    static PictureLoad loadPicture(const QString& path);
    // Writes a picture as a Windows bitmap; false for the empty picture (nothing is
    // written then) and when the file cannot be written.
    static bool savePicture(const Picture& picture, const QString& path);
};
