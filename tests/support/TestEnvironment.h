#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <optional>

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
    // Every entry below a folder by relative path: a file's contents, "<dir>" for a
    // folder, "-> target" for a symlink (not followed).
    static QMap<QString, QByteArray> snapshot(const QString& hostFolder);

    // The extended attribute user.DOSATTRIB; false / nothing where the file system
    // keeps no user attributes.
    static bool setDosAttrib(const QString& hostPath, const QByteArray& value);
    static std::optional<QByteArray> dosAttrib(const QString& hostPath);

private:
    QTemporaryDir m_dir;
    QByteArray m_oldConfig;
    QByteArray m_oldData;
};

// While it lives, no file of this process can grow beyond the given size, as if the
// disk were full (writes fail with EFBIG instead of raising SIGXFSZ).
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    quint64 m_oldSoftLimit = 0;
    void (*m_oldHandler)(int) = nullptr;
};
