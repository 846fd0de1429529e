#include "platform/DosFileSystem.h"

#include "platform/AtomicFile.h"
#include "platform/DosPath.h"
#include "platform/DriveMap.h"
#include "platform/FileAttributes.h"
#include "platform/PictureFile.h"
#include "platform/Wildcard.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr QDir::Filters EveryEntry = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

bool existsOnHost(const QString& hostPath) {
    const QFileInfo info(hostPath);
    return info.exists() || info.isSymLink();
}

// The folder's own spelling of a name: the exact name when it exists, else the first
// (in code point order, so the choice does not depend on the directory order) of the
// names that differ from it only in case, else the name as given.
QString spellingOnHost(const QString& folder, const QString& name) {
    if (existsOnHost(QDir(folder).filePath(name)))
        return name;
    std::optional<QString> best;
    QDirIterator entries(folder, EveryEntry);
    while (entries.hasNext()) {
        entries.next();
        const QString candidate = entries.fileName();
        if (candidate.compare(name, Qt::CaseInsensitive) == 0 && (!best || candidate < *best))
            best = candidate;
    }
    return best.value_or(name);
}

std::optional<QString> startFolder(const DosPath& path) {
    if (path.kind == DosPath::Kind::Absolute)
        return DriveMap::hostRoot(path.drive);
    return QDir::currentPath();
}

bool isFolder(const QString& hostPath) {
    return QFileInfo(hostPath).isDir();
}

struct FolderAndPattern {
    QString folder;
    QString pattern;
};

qsizetype folderPartLength(const QString& pathPattern) {
    const qsizetype slash = std::max(pathPattern.lastIndexOf(u'\\'), pathPattern.lastIndexOf(u'/'));
    if (slash >= 0)
        return slash + 1;
    return pathPattern.indexOf(u':') == 1 ? 2 : 0; // "C:logo.sys"
}

// "C:\WINDOWS\*.SYS" is the folder "C:\WINDOWS\" and the pattern "*.SYS"; a path that
// ends in a separator lists everything; a bare name is looked for in the current folder.
FolderAndPattern splitPatternPath(const QString& pathPattern) {
    const qsizetype folderEnd = folderPartLength(pathPattern);
    const QString folder = folderEnd > 0 ? pathPattern.left(folderEnd) : QStringLiteral(".");
    const QString pattern = pathPattern.mid(folderEnd);
    return {folder, pattern.isEmpty() ? QStringLiteral("*") : pattern};
}

} // namespace

std::optional<QString> DosFileSystem::toHostPath(const QString& dosPath) {
    const DosPath path = DosPath::parse(dosPath);
    if (path.kind == DosPath::Kind::Invalid)
        return std::nullopt;
    auto host = startFolder(path);
    if (!host)
        return std::nullopt;
    for (const QString& component : path.components) {
        if (component == QStringLiteral("..")) // only leading ones of a relative path remain
            *host = QDir::cleanPath(*host + QStringLiteral("/.."));
        else
            *host = QDir(*host).filePath(spellingOnHost(*host, component));
    }
    return host;
}

bool DosFileSystem::copyFile(const QString& from, const QString& to) {
    const auto source = toHostPath(from);
    const auto target = toHostPath(to);
    if (!source || !target || !QFileInfo(*source).isFile() || isFolder(*target))
        return false;
    return AtomicFile::copy(*source, *target);
}

bool DosFileSystem::deleteFile(const QString& path) {
    const auto host = toHostPath(path);
    const auto attributes = host ? FileAttributes::read(*host) : std::nullopt;
    if (!attributes || (*attributes & (FileAttributes::Directory | FileAttributes::ReadOnly)))
        return false;
    return QFile::remove(*host);
}

bool DosFileSystem::writeFile(const QString& path, const QByteArray& data) {
    const auto host = toHostPath(path);
    return host && !isFolder(*host) && AtomicFile::write(*host, data);
}

std::optional<QStringList> DosFileSystem::list(const QString& folder, const QString& pattern, ListKind kind) {
    const auto host = toHostPath(folder);
    if (!host || !isFolder(*host) || !QFileInfo(*host).isReadable())
        return std::nullopt;
    QStringList names;
    QDirIterator entries(*host, EveryEntry);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo entry = entries.fileInfo();
        if (kind == ListKind::FilesOnly && entry.isDir())
            continue;
        if (Wildcard::matches(pattern, entry.fileName()))
            names.append(entry.fileName());
    }
    return names;
}

std::optional<QStringList> DosFileSystem::listPattern(const QString& pathPattern) {
    if (pathPattern.isEmpty())
        return std::nullopt;
    const FolderAndPattern parts = splitPatternPath(pathPattern);
    return list(parts.folder, parts.pattern, ListKind::FilesOnly);
}

std::optional<quint32> DosFileSystem::attributes(const QString& path) {
    const auto host = toHostPath(path);
    return host ? FileAttributes::read(*host) : std::nullopt;
}

PictureLoad DosFileSystem::loadPicture(const QString& path) {
    const auto host = toHostPath(path);
    if (!host || !QFileInfo::exists(*host))
        return {Picture(), PictureError::NotFound};
    return PictureFile::load(*host);
}

bool DosFileSystem::savePicture(const Picture& picture, const QString& path) {
    if (picture.isEmpty())
        return false;
    const QByteArray bitmap = PictureFile::encodeBmp(picture);
    return !bitmap.isEmpty() && writeFile(path, bitmap);
}
