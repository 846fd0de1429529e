#pragma once

#include <QList>
#include <QString>
#include <optional>

struct Drive {
    QChar letter;     // lower case, 'a' to 'z'
    QString hostRoot; // the host folder that is the drive's root
    QString label;    // shown in drive lists as "c: [label]"
};

// The drive letters, after Wine's model: a folder "dosdevices" in the program's
// configuration folder holds one symlink per drive ("c:" ... "z:") to the host
// folder that is that drive's root.
class DriveMap {
public:
    static QString dosDevicesDir();
    // Creates the map on first use: c: pointing at a fresh default drive with an
    // empty WINDOWS folder, and z: pointing at "/". An existing map is left alone.
    static void ensureExists();
    // The host root of a drive, or nothing when the letter is not mapped.
    static std::optional<QString> hostRoot(QChar letter);
    // Every mapped drive, in letter order.
    static QList<Drive> drives();
    // The DOS path of a host path: the drive whose root is the longest prefix of
    // the path; z: catches everything else. Returns an empty text when no drive fits.
    static QString toDosPath(const QString& hostPath);
};
