#include "platform/WindowsDir.h"

#include "platform/DosFileSystem.h"

#include <QFile>
#include <optional>

namespace {

const QString DefaultWindowsDir = QStringLiteral("C:\\WINDOWS");
// A real MSDOS.SYS is under 2 KB; anything past this is not one.
constexpr qint64 MaxMsdosSysSize = 64 * 1024;

QString readMsdosSys() {
    const auto host = DosFileSystem::toHostPath(QStringLiteral("C:\\MSDOS.SYS"));
    QFile file(host.value_or(QString()));
    if (!host || !file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.read(MaxMsdosSysSize));
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The value of the first "WinDir=" line of the [Paths] section.
std::optional<QString> winDirEntry(const QString& msdosSys) {
    bool inPaths = false;
    for (const QString& rawLine : msdosSys.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(u'[')) {
            inPaths = line.endsWith(u']') &&
                      sameName(line.mid(1, line.size() - 2).trimmed(), QStringLiteral("Paths"));
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inPaths && equals > 0 && sameName(line.left(equals).trimmed(), QStringLiteral("WinDir")))
            return line.mid(equals + 1).trimmed();
    }
    return std::nullopt;
}

bool isDriveRoot(const QString& dir) {
    return dir.size() == 3 && dir[1] == u':' && dir[2] == u'\\';
}

// "C:\WIN\" becomes "C:\WIN"; a drive root keeps its backslash, and "D:" means "D:\".
QString normalized(QString dir) {
    dir.replace(u'/', u'\\');
    while (dir.size() > 1 && dir.endsWith(u'\\') && !isDriveRoot(dir))
        dir.chop(1);
    if (dir.size() == 2 && dir[1] == u':')
        dir += u'\\';
    return dir;
}

} // namespace

QString WindowsDir() {
    const QString winDir = winDirEntry(readMsdosSys()).value_or(QString());
    return winDir.isEmpty() ? DefaultWindowsDir : normalized(winDir);
}
