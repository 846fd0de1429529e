#pragma once

#include <QChar>
#include <QStringList>

// The lexical form of a DOS path: drive letter and components, with "." and ".."
// resolved and never climbing above the drive root ("C:\..\x" is "C:\x").
// Both "\" and "/" separate components; drive letters may be of either case.
struct DosPath {
    enum class Kind {
        Invalid,  // empty, or a form this program does not handle (UNC, device names)
        Absolute, // "C:\WINDOWS", "c:/x", "C:x", or "\x" (on drive C:)
        Relative, // "VanuBoot.bmp": relative to the process's current directory
    };

    Kind kind = Kind::Invalid;
    QChar drive;            // lower case; only for Absolute
    QStringList components; // without empty, "." and ".." entries (for Absolute)

    static DosPath parse(const QString& text);
    // "c:\WINDOWS\LOGOW.SYS" style text, drive in upper case.
    QString toString() const;
};
