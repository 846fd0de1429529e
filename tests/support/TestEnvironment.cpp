#include "TestEnvironment.h"

#include "platform/DriveMap.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <sys/resource.h>
#include <sys/xattr.h>

TestEnvironment::TestEnvironment()
    : m_oldConfig(qgetenv("XDG_CONFIG_HOME")), m_oldData(qgetenv("XDG_DATA_HOME")) {
    QDir root(m_dir.path());
    root.mkpath(QStringLiteral("config"));
    root.mkpath(QStringLiteral("data"));
    root.mkpath(QStringLiteral("drive_c/WINDOWS"));
    qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("data")).toUtf8());
    QDir().mkpath(DriveMap::dosDevicesDir());
    mapDrive(u'c', driveC());
}

TestEnvironment::~TestEnvironment() {
    qputenv("XDG_CONFIG_HOME", m_oldConfig);
    qputenv("XDG_DATA_HOME", m_oldData);
}

QString TestEnvironment::configDir() const {
    return m_dir.filePath(QStringLiteral("config/vanu-logo-manager"));
}

QString TestEnvironment::driveC() const {
    return m_dir.filePath(QStringLiteral("drive_c"));
}

QString TestEnvironment::onDriveC(const QString& relative) const {
    return driveC() + u'/' + relative;
}

void TestEnvironment::mapDrive(QChar letter, const QString& hostFolder) const {
    QDir().mkpath(hostFolder);
    const QString link = configDir() + QStringLiteral("/dosdevices/") + letter.toLower() + u':';
    QFile::remove(link);
    QFile::link(hostFolder, link);
}

bool TestEnvironment::writeFile(const QString& hostPath, const QByteArray& data) {
    QDir().mkpath(QFileInfo(hostPath).absolutePath());
    QFile file(hostPath);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

QByteArray TestEnvironment::readFile(const QString& hostPath) {
    QFile file(hostPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMap<QString, QByteArray> TestEnvironment::snapshot(const QString& hostFolder) {
    QMap<QString, QByteArray> entries;
    const QDir base(hostFolder);
    QDirIterator it(hostFolder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString relative = base.relativeFilePath(entry.filePath());
        if (entry.isSymLink())
            entries.insert(relative, "-> " + QFile::encodeName(entry.symLinkTarget()));
        else
            entries.insert(relative, entry.isDir() ? QByteArray("<dir>") : readFile(entry.filePath()));
    }
    return entries;
}

bool TestEnvironment::setDosAttrib(const QString& hostPath, const QByteArray& value) {
    return setxattr(QFile::encodeName(hostPath).constData(), "user.DOSATTRIB", value.constData(),
                    value.size(), 0) == 0;
}

std::optional<QByteArray> TestEnvironment::dosAttrib(const QString& hostPath) {
    QByteArray value(4096, '\0');
    const ssize_t size =
        getxattr(QFile::encodeName(hostPath).constData(), "user.DOSATTRIB", value.data(), value.size());
    if (size < 0)
        return std::nullopt;
    value.truncate(size);
    return value;
}

FileSizeLimit::FileSizeLimit(qint64 bytes) : m_oldHandler(std::signal(SIGXFSZ, SIG_IGN)) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_oldSoftLimit = limit.rlim_cur;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_oldSoftLimit;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_oldHandler);
}
