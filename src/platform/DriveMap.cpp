#include "platform/DriveMap.h"

#include "platform/ConfigPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString entryPath(QChar letter) {
    return DriveMap::dosDevicesDir() + u'/' + letter.toLower() + u':';
}

QString withTrailingSlash(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// "/a/b" is a prefix of "/a/b" and "/a/b/c", not of "/a/bc"; "/" is a prefix of every absolute path.
bool isPathPrefix(const QString& root, const QString& path) {
    return !root.isEmpty() && (path == root || path.startsWith(withTrailingSlash(root)));
}

QString remainderAfter(const QString& root, const QString& path) {
    return path == root ? QString() : path.mid(withTrailingSlash(root).size());
}

struct RootMatch {
    QChar letter;
    QString root;
};

// The drive whose root (as named, or in canonical form) is the longest prefix of the
// path; the first drive in letter order wins a tie.
std::optional<RootMatch> longestRootOf(const QString& path) {
    std::optional<RootMatch> best;
    for (const Drive& drive : DriveMap::drives()) {
        const QString root = QDir::cleanPath(drive.hostRoot);
        for (const QString& form : {root, QFileInfo(root).canonicalFilePath()}) {
            if (isPathPrefix(form, path) && (!best || form.size() > best->root.size()))
                best = RootMatch{drive.letter, form};
        }
    }
    return best;
}

} // namespace

QString DriveMap::dosDevicesDir() {
    return ConfigPaths::configDir() + QStringLiteral("/dosdevices");
}

void DriveMap::ensureExists() {
    const QString devices = dosDevicesDir();
    if (QFileInfo::exists(devices))
        return;
    const QString defaultDrive = ConfigPaths::dataDir() + QStringLiteral("/drive_c");
    QDir().mkpath(defaultDrive + QStringLiteral("/WINDOWS"));
    QDir().mkpath(devices);
    QFile::link(defaultDrive, entryPath(u'c'));
    QFile::link(QStringLiteral("/"), entryPath(u'z'));
}

std::optional<QString> DriveMap::hostRoot(QChar letter) {
    ensureExists();
    const QFileInfo entry(entryPath(letter));
    if (entry.isSymLink())
        return entry.symLinkTarget();
    if (entry.isDir())
        return entry.absoluteFilePath();
    return std::nullopt;
}

QList<Drive> DriveMap::drives() {
    QList<Drive> result;
    for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
        if (const auto root = hostRoot(letter))
            result.append(Drive{letter, *root, *root});
    }
    return result;
}

QString DriveMap::toDosPath(const QString& hostPath) {
    const QString path = QDir::cleanPath(QFileInfo(hostPath).absoluteFilePath());
    const auto match = longestRootOf(path);
    if (!match)
        return {};
    QString rest = remainderAfter(match->root, path);
    rest.replace(u'/', u'\\');
    return match->letter.toUpper() + QStringLiteral(":\\") + rest;
}
