#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/DriveMap.h"

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
