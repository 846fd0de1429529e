#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A private world for one test: temporary configuration and data folders
// (XDG_CONFIG_HOME, XDG_DATA_HOME) and a drive C: folder with an empty WINDOWS
// folder, mapped as c: in the drive map. Nothing touches the real home folder.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();

    bool isValid() const { return m_dir.isValid(); }
    QString root() const { return m_dir.path(); }
    QString configDir() const;
    QString driveC() const;
    // Host path of a path relative to drive C:'s root ("WINDOWS/logow.sys").
    QString onDriveC(const QString& relative) const;
    // Maps a drive letter to a host folder (created when missing).
    void mapDrive(QChar letter, const QString& hostFolder) const;

    static bool writeFile(const QString& hostPath, const QByteArray& data);
    static QByteArray readFile(const QString& hostPath);

private:
    QTemporaryDir m_dir;
    QByteArray m_oldConfig;
    QByteArray m_oldData;
};
