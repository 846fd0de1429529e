#include "TestEnvironment.h"
#include "platform/DosFileSystem.h"
#include "platform/DosPath.h"
#include "platform/DriveMap.h"
#include "platform/FileAttributes.h"
#include "platform/FileExists.h"
#include "platform/Wildcard.h"
#include "platform/WindowsDir.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <algorithm>

namespace {

using Permissions = QFileDevice::Permissions;
const Permissions ReadOnlyMode = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
const Permissions ReadOnlyFolderMode =
    ReadOnlyMode | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;

// A small Windows 95 drive C:
//   LOGO.SYS, READONLY.SYS (mode 0444), new.bin, folderlink -> WINDOWS,
//   WINDOWS/LOGOW.SYS, WINDOWS/LOGOS.SYS, WINDOWS/readme.txt, WINDOWS/SYSTEM/,
//   Mixed/Sub/File.Bmp
void makeDriveC(const TestEnvironment& env) {
    TestEnvironment::writeFile(env.onDriveC(QStringLiteral("LOGO.SYS")), "startup");
    TestEnvironment::writeFile(env.onDriveC(QStringLiteral("READONLY.SYS")), "ro");
    QFile::setPermissions(env.onDriveC(QStringLiteral("READONLY.SYS")), ReadOnlyMode);
    TestEnvironment::writeFile(env.onDriveC(QStringLiteral("new.bin")), "new contents");
    QFile::link(env.onDriveC(QStringLiteral("WINDOWS")), env.onDriveC(QStringLiteral("folderlink")));
    TestEnvironment::writeFile(env.onDriveC(QStringLiteral("WINDOWS/LOGOW.SYS")), "old wait");
    TestEnvironment::writeFile(env.onDriveC(QStringLiteral("WINDOWS/LOGOS.SYS")), "old shutdown");
    TestEnvironment::writeFile(env.onDriveC(QStringLiteral("WINDOWS/readme.txt")), "text");
    QDir().mkpath(env.onDriveC(QStringLiteral("WINDOWS/SYSTEM")));
    TestEnvironment::writeFile(env.onDriveC(QStringLiteral("Mixed/Sub/File.Bmp")), "bitmap");
}

// Optional results as text, so that a failing comparison shows both sides.
QString shown(const std::optional<QString>& value) {
    return value.value_or(QStringLiteral("<none>"));
}

int attributesOf(const QString& dosPath) {
    const auto attributes = DosFileSystem::attributes(dosPath);
    return attributes ? int(*attributes) : -1;
}

QStringList sorted(QStringList names) {
    std::sort(names.begin(), names.end());
    return names;
}

// Changes the current folder for one test and goes back afterwards.
class CurrentFolder {
public:
    explicit CurrentFolder(const QString& folder) : m_old(QDir::currentPath()) {
        QDir().mkpath(folder);
        QDir::setCurrent(folder);
    }
    ~CurrentFolder() { QDir::setCurrent(m_old); }

private:
    QString m_old;
};

} // namespace

class TestDosFileSystem : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void toHostPath_data();
    void toHostPath();
    void toHostPathPicksOneOfCaseTwins();
    void relativePaths_data();
    void relativePaths();

    void driveMapCreatedOnFirstUse();
    void driveEntries();
    void toDosPath_data();
    void toDosPath();

    void wildcard_data();
    void wildcard();

    void attributes_data();
    void attributes();
    void dosAttrib_data();
    void dosAttrib();

    void list_data();
    void list();
    void listPattern_data();
    void listPattern();
    void fileExists_data();
    void fileExists();

    void windowsDir_data();
    void windowsDir();
    void windowsDirInOtherLetterCase();

    void copyReplacesKeepingPermissions();
    void copyOntoItself();
    void copyFailures_data();
    void copyFailures();
    void deleteFile_data();
    void deleteFile();
    void failedReplaceKeepsOldFile_data();
    void failedReplaceKeepsOldFile();
    void pictures();
};

void TestDosFileSystem::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("normalized");
    const int absolute = int(DosPath::Kind::Absolute);
    const int relative = int(DosPath::Kind::Relative);
    const int invalid = int(DosPath::Kind::Invalid);

    QTest::newRow("plain") << "C:\\WINDOWS\\logow.sys" << absolute << "C:\\WINDOWS\\logow.sys";
    QTest::newRow("forward slashes, lower drive") << "d:/win/x" << absolute << "D:\\win\\x";
    QTest::newRow("doubled separators") << "C:\\\\WINDOWS\\\\x" << absolute << "C:\\WINDOWS\\x";
    QTest::newRow("dots") << "C:\\a\\.\\b\\..\\c" << absolute << "C:\\a\\c";
    QTest::newRow("never above the root") << "C:\\..\\..\\x" << absolute << "C:\\x";
    QTest::newRow("drive only") << "C:" << absolute << "C:\\";
    QTest::newRow("drive without separator") << "C:x" << absolute << "C:\\x";
    QTest::newRow("rooted without drive") << "\\x\\y" << absolute << "C:\\x\\y";
    QTest::newRow("bare name") << "VanuBoot.bmp" << relative << "VanuBoot.bmp";
    QTest::newRow("relative climbs") << "a\\..\\..\\b" << relative << "..\\b";
    QTest::newRow("empty") << "" << invalid << "";
    QTest::newRow("UNC") << "\\\\server\\share\\x" << invalid << "";
    QTest::newRow("device path") << "\\\\.\\C:\\x" << invalid << "";
    QTest::newRow("device name") << "C:\\WINDOWS\\NUL.txt" << invalid << "";
    QTest::newRow("second colon") << "C:\\a:b" << invalid << "";
    QTest::newRow("digit as drive") << "1:\\x" << invalid << "";
    QTest::newRow("control character") << "C:\\a\tb" << invalid << "";
}

void TestDosFileSystem::parse() {
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QString, normalized);
    const DosPath path = DosPath::parse(text);
    QCOMPARE(int(path.kind), kind);
    QCOMPARE(path.toString(), normalized);
}

void TestDosFileSystem::toHostPath_data() {
    QTest::addColumn<QString>("dosPath");
    QTest::addColumn<bool>("resolves");
    QTest::addColumn<QString>("onDriveC");

    QTest::newRow("exact") << "C:\\WINDOWS\\LOGOW.SYS" << true << "WINDOWS/LOGOW.SYS";
    QTest::newRow("any case, slashes") << "c:/windows/Logow.sys" << true << "WINDOWS/LOGOW.SYS";
    QTest::newRow("dots, above the root")
        << "C:\\..\\WINDOWS\\.\\SYSTEM\\..\\logow.sys" << true << "WINDOWS/LOGOW.SYS";
    QTest::newRow("deep, mixed case") << "C:\\MIXED\\sub\\FILE.BMP" << true << "Mixed/Sub/File.Bmp";
    QTest::newRow("new name keeps spelling")
        << "C:\\windows\\AltesLogow.sys" << true << "WINDOWS/AltesLogow.sys";
    QTest::newRow("new folder keeps spelling") << "C:\\NewDir\\New.bmp" << true << "NewDir/New.bmp";
    QTest::newRow("root") << "C:\\" << true << "";
    QTest::newRow("drive relative") << "C:windows\\logow.sys" << true << "WINDOWS/LOGOW.SYS";
    QTest::newRow("rooted") << "\\logo.sys" << true << "LOGO.SYS";
    QTest::newRow("unknown drive") << "Q:\\LOGO.SYS" << false << "";
    QTest::newRow("UNC") << "\\\\server\\share\\LOGO.SYS" << false << "";
    QTest::newRow("empty") << "" << false << "";
}

void TestDosFileSystem::toHostPath() {
    QFETCH(QString, dosPath);
    QFETCH(bool, resolves);
    QFETCH(QString, onDriveC);
    TestEnvironment env;
    makeDriveC(env);
    const auto host = DosFileSystem::toHostPath(dosPath);
    QCOMPARE(shown(host), resolves ? QDir::cleanPath(env.onDriveC(onDriveC)) : shown(std::nullopt));
}

void TestDosFileSystem::toHostPathPicksOneOfCaseTwins() {
    TestEnvironment env;
    for (const char* name : {"logo.sys", "Logo.sys", "LOGO.SYS"})
        TestEnvironment::writeFile(env.onDriveC(QString::fromLatin1(name)), name);
    QCOMPARE(shown(DosFileSystem::toHostPath(QStringLiteral("C:\\Logo.sys"))),
             env.onDriveC(QStringLiteral("Logo.sys")));
    // No exact match: the first of the twins in code point order, whatever the directory order.
    QCOMPARE(shown(DosFileSystem::toHostPath(QStringLiteral("C:\\lOGO.SYS"))),
             env.onDriveC(QStringLiteral("LOGO.SYS")));
}

void TestDosFileSystem::relativePaths_data() {
    QTest::addColumn<QString>("dosPath");
    QTest::addColumn<QString>("fromCurrent");

    QTest::newRow("bare name, other case") << "vanuboot.BMP"
                                           << "VanuBoot.bmp";
    QTest::newRow("subfolder") << "SUB\\x.BMP"
                               << "sub/X.bmp";
    QTest::newRow("new name") << "New.bmp"
                              << "New.bmp";
    QTest::newRow("climbs out") << "..\\DRIVE_C\\logo.sys"
                                << "../drive_c/LOGO.SYS";
}

void TestDosFileSystem::relativePaths() {
    QFETCH(QString, dosPath);
    QFETCH(QString, fromCurrent);
    TestEnvironment env;
    makeDriveC(env);
    TestEnvironment::writeFile(env.root() + QStringLiteral("/program/VanuBoot.bmp"), "boot");
    TestEnvironment::writeFile(env.root() + QStringLiteral("/program/sub/X.bmp"), "x");
    const CurrentFolder current(env.root() + QStringLiteral("/program"));
    QCOMPARE(shown(DosFileSystem::toHostPath(dosPath)),
             QDir::cleanPath(QDir::currentPath() + u'/' + fromCurrent));
}

void TestDosFileSystem::driveMapCreatedOnFirstUse() {
    TestEnvironment env;
    QVERIFY(QDir(DriveMap::dosDevicesDir()).removeRecursively());
    const QString defaultDrive = env.root() + QStringLiteral("/data/vanu-logo-manager/drive_c");

    QCOMPARE(shown(DriveMap::hostRoot(u'c')), defaultDrive);
    QVERIFY(QFileInfo(defaultDrive + QStringLiteral("/WINDOWS")).isDir());
    QVERIFY(QDir(defaultDrive + QStringLiteral("/WINDOWS")).isEmpty());
    QCOMPARE(shown(DriveMap::hostRoot(u'z')), QStringLiteral("/"));
    const QList<Drive> drives = DriveMap::drives();
    QCOMPARE(drives.size(), 2);
    QCOMPARE(drives[0].letter, QChar(u'c'));
    QCOMPARE(drives[0].label, defaultDrive);
    QCOMPARE(drives[1].letter, QChar(u'z'));

    // The user's own map is left alone, also where it lacks a default drive.
    env.mapDrive(u'c', env.root() + QStringLiteral("/win95"));
    QVERIFY(QFile::remove(DriveMap::dosDevicesDir() + QStringLiteral("/z:")));
    DriveMap::ensureExists();
    QCOMPARE(shown(DriveMap::hostRoot(u'c')), env.root() + QStringLiteral("/win95"));
    QCOMPARE(shown(DriveMap::hostRoot(u'z')), shown(std::nullopt));
}

void TestDosFileSystem::driveEntries() {
    TestEnvironment env;
    const QString devices = DriveMap::dosDevicesDir();
    QDir().mkpath(devices + QStringLiteral("/d:"));
    TestEnvironment::writeFile(devices + QStringLiteral("/e:"), "not a drive");
    QFile::link(QStringLiteral("../../../drive_g"), devices + QStringLiteral("/g:"));
    QDir().mkpath(env.root() + QStringLiteral("/drive_g"));
    QFile::link(env.root() + QStringLiteral("/gone"), devices + QStringLiteral("/h:"));

    QCOMPARE(shown(DriveMap::hostRoot(u'D')), devices + QStringLiteral("/d:"));
    QCOMPARE(shown(DriveMap::hostRoot(u'e')), shown(std::nullopt));
    QCOMPARE(shown(DriveMap::hostRoot(u'g')), env.root() + QStringLiteral("/drive_g"));
    QStringList letters;
    for (const Drive& drive : DriveMap::drives())
        letters.append(drive.letter);
    QCOMPARE(letters, QStringList({"c", "d", "g", "h"}));

    // A drive whose folder has gone is listed, and fails cleanly.
    QVERIFY(!DosFileSystem::list(QStringLiteral("H:\\")));
    QVERIFY(!DosFileSystem::writeFile(QStringLiteral("H:\\x.bin"), "x"));
    QVERIFY(DosFileSystem::writeFile(QStringLiteral("g:\\x.bin"), "x"));
    QCOMPARE(TestEnvironment::readFile(env.root() + QStringLiteral("/drive_g/x.bin")), QByteArray("x"));
}

void TestDosFileSystem::toDosPath_data() {
    QTest::addColumn<QString>("hostPath"); // "<root>" is the test's temporary folder
    QTest::addColumn<bool>("mapZ");
    QTest::addColumn<QString>("dosPath"); // "<root>" is the temporary folder with backslashes

    QTest::newRow("on C:") << "<root>/drive_c/WINDOWS/logow.sys" << true << "C:\\WINDOWS\\logow.sys";
    QTest::newRow("C: root") << "<root>/drive_c/" << true << "C:\\";
    QTest::newRow("longest root wins") << "<root>/drive_c/nested/a.bmp" << true << "E:\\a.bmp";
    QTest::newRow("root as the link names it") << "<root>/link_d/x.bmp" << true << "D:\\x.bmp";
    QTest::newRow("canonical root") << "<root>/drive_d/x.bmp" << true << "D:\\x.bmp";
    QTest::newRow("whole components only") << "<root>/drive_cc/x.bmp" << true << "Z:<root>\\drive_cc\\x.bmp";
    QTest::newRow("elsewhere on z:") << "/etc/passwd" << true << "Z:\\etc\\passwd";
    QTest::newRow("no z:") << "/etc/passwd" << false << "";
}

void TestDosFileSystem::toDosPath() {
    QFETCH(QString, hostPath);
    QFETCH(bool, mapZ);
    QFETCH(QString, dosPath);
    TestEnvironment env;
    QDir().mkpath(env.root() + QStringLiteral("/drive_d"));
    QFile::link(env.root() + QStringLiteral("/drive_d"), env.root() + QStringLiteral("/link_d"));
    env.mapDrive(u'd', env.root() + QStringLiteral("/link_d"));
    env.mapDrive(u'e', env.onDriveC(QStringLiteral("nested")));
    if (mapZ)
        env.mapDrive(u'z', QStringLiteral("/"));

    QString rootInDos = env.root();
    rootInDos.replace(u'/', u'\\');
    hostPath.replace(QStringLiteral("<root>"), env.root());
    dosPath.replace(QStringLiteral("<root>"), rootInDos);
    QCOMPARE(DriveMap::toDosPath(hostPath), dosPath);
}

void TestDosFileSystem::wildcard_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");

    QTest::newRow("*.* and a dotted name") << "*.*"
                                           << "logo.sys" << true;
    QTest::newRow("*.* and a name without dot") << "*.*"
                                                << "README" << true;
    QTest::newRow("* and a hidden name") << "*"
                                         << ".hidden" << true;
    QTest::newRow("extension in other case") << "*.bmp"
                                             << "VANUBOOT.BMP" << true;
    QTest::newRow("extension is the end") << "*.bmp"
                                          << "a.bmp.txt" << false;
    QTest::newRow("plain name in other case") << "logo.sys"
                                              << "LOGO.SYS" << true;
    QTest::newRow("plain name is whole") << "logo.sys"
                                         << "logo.sysx" << false;
    QTest::newRow("? is one character") << "l?go.sys"
                                        << "LOGO.SYS" << true;
    QTest::newRow("? is not two") << "l?o.sys"
                                  << "logo.sys" << false;
    QTest::newRow("? is one non-ASCII letter") << "?rger.bmp"
                                               << "ärger.bmp" << true;
    QTest::newRow("non-ASCII letters in other case") << "ÄRGER.*"
                                                     << "ärger.bmp" << true;
    QTest::newRow("final .* also matches no extension") << "logo.*"
                                                        << "LOGO" << true;
    QTest::newRow("final . asks for no extension") << "*."
                                                   << "README" << true;
    QTest::newRow("final . refuses an extension") << "*."
                                                  << "logo.sys" << false;
    QTest::newRow("brackets are literal") << "file[1].bmp"
                                          << "FILE[1].BMP" << true;
    QTest::newRow("brackets are no class") << "file[12].bmp"
                                           << "file1.bmp" << false;
    QTest::newRow("backslash is literal") << "a\\*"
                                          << "a\\b" << true;
}

void TestDosFileSystem::wildcard() {
    QFETCH(QString, pattern);
    QFETCH(QString, name);
    QFETCH(bool, matches);
    QCOMPARE(Wildcard::matches(pattern, name), matches);
}

void TestDosFileSystem::attributes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("attributes"); // -1: none, the entry does not exist

    QTest::newRow("file") << "plain.txt" << 0x20;
    QTest::newRow("file named with a dot") << ".hidden" << 0x22;
    QTest::newRow("file without write bits") << "readonly.txt" << 0x21;
    QTest::newRow("one write bit is enough") << "ownerwrite.txt" << 0x20;
    QTest::newRow("folder") << "folder" << 0x10;
    QTest::newRow("folder named with a dot") << ".folder" << 0x12;
    QTest::newRow("folder without write bits") << "readonlyfolder" << 0x11;
    QTest::newRow("link to a folder") << "folderlink" << 0x410;
    QTest::newRow("link to a file") << "filelink" << 0x20;
    QTest::newRow("other case") << "PLAIN.TXT" << 0x20;
    QTest::newRow("missing") << "missing.txt" << -1;
}

void TestDosFileSystem::attributes() {
    QFETCH(QString, name);
    QFETCH(int, attributes);
    TestEnvironment env;
    const QString folder = env.onDriveC(QStringLiteral("attr/"));
    TestEnvironment::writeFile(folder + QStringLiteral("plain.txt"), "x");
    TestEnvironment::writeFile(folder + QStringLiteral(".hidden"), "x");
    TestEnvironment::writeFile(folder + QStringLiteral("readonly.txt"), "x");
    QFile::setPermissions(folder + QStringLiteral("readonly.txt"), ReadOnlyMode);
    TestEnvironment::writeFile(folder + QStringLiteral("ownerwrite.txt"), "x");
    QFile::setPermissions(folder + QStringLiteral("ownerwrite.txt"), QFileDevice::WriteOwner);
    for (const char* sub : {"folder", ".folder", "readonlyfolder"})
        QDir().mkpath(folder + QString::fromLatin1(sub));
    QFile::setPermissions(folder + QStringLiteral("readonlyfolder"), ReadOnlyFolderMode);
    QFile::link(folder + QStringLiteral("folder"), folder + QStringLiteral("folderlink"));
    QFile::link(folder + QStringLiteral("plain.txt"), folder + QStringLiteral("filelink"));

    QCOMPARE(attributesOf(QStringLiteral("C:\\attr\\") + name), attributes);
}

void TestDosFileSystem::dosAttrib_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("attributes");

    QTest::newRow("hidden and system") << QByteArray("0x6") << 0x26;
    QTest::newRow("with a final NUL") << QByteArray("0x22\0", 5) << 0x22;
    QTest::newRow("read-only comes from the mode") << QByteArray("0x1") << 0x20;
    QTest::newRow("not the text form") << QByteArray("\x03\x00\x04\x00", 4) << 0x20;
}

void TestDosFileSystem::dosAttrib() {
    QFETCH(QByteArray, stored);
    QFETCH(int, attributes);
    TestEnvironment env;
    const QString host = env.onDriveC(QStringLiteral("MSDOS.SYS"));
    TestEnvironment::writeFile(host, "[Paths]");
    if (!TestEnvironment::setDosAttrib(host, stored))
        QSKIP("The temporary folder's file system keeps no user extended attributes");

    QCOMPARE(attributesOf(QStringLiteral("C:\\msdos.sys")), attributes);
    // A replaced file keeps them.
    QVERIFY(DosFileSystem::writeFile(QStringLiteral("C:\\msdos.sys"), "[Paths]\r\n"));
    QCOMPARE(TestEnvironment::readFile(host), QByteArray("[Paths]\r\n"));
    QCOMPARE(TestEnvironment::dosAttrib(host).value_or("<none>"), stored);
    QCOMPARE(attributesOf(QStringLiteral("C:\\msdos.sys")), attributes);
}

void TestDosFileSystem::list_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("filesOnly");
    QTest::addColumn<QStringList>("names"); // sorted; {"<fails>"} when the listing fails

    const QStringList all = {".hidden.bmp", "B.BMP", "a.bmp", "c.txt", "dir.bmp", "link.bmp", "noext"};
    QTest::newRow("everything") << "C:\\list"
                                << "*" << false << all;
    QTest::newRow("pattern, folders too")
        << "c:/LIST/"
        << "*.bmp" << false << QStringList{".hidden.bmp", "B.BMP", "a.bmp", "dir.bmp", "link.bmp"};
    QTest::newRow("pattern, files only") << "C:\\list"
                                         << "*.BMP" << true << QStringList{".hidden.bmp", "B.BMP", "a.bmp"};
    QTest::newRow("no extension") << "C:\\list"
                                  << "*." << true << QStringList{"noext"};
    QTest::newRow("no match") << "C:\\list"
                              << "zz*" << false << QStringList{};
    QTest::newRow("missing folder") << "C:\\nothere"
                                    << "*" << false << QStringList{"<fails>"};
    QTest::newRow("a file") << "C:\\list\\a.bmp"
                            << "*" << false << QStringList{"<fails>"};
    QTest::newRow("unknown drive") << "Q:\\"
                                   << "*" << false << QStringList{"<fails>"};
}

void TestDosFileSystem::list() {
    QFETCH(QString, folder);
    QFETCH(QString, pattern);
    QFETCH(bool, filesOnly);
    QFETCH(QStringList, names);
    TestEnvironment env;
    const QString host = env.onDriveC(QStringLiteral("list/"));
    for (const char* name : {".hidden.bmp", "B.BMP", "a.bmp", "c.txt", "noext"})
        TestEnvironment::writeFile(host + QString::fromLatin1(name), "x");
    QDir().mkpath(host + QStringLiteral("dir.bmp"));
    QFile::link(host + QStringLiteral("dir.bmp"), host + QStringLiteral("link.bmp"));

    const auto kind =
        filesOnly ? DosFileSystem::ListKind::FilesOnly : DosFileSystem::ListKind::FilesAndFolders;
    const auto listed = DosFileSystem::list(folder, pattern, kind);
    QCOMPARE(listed ? sorted(*listed) : QStringList{"<fails>"}, names);
}

void TestDosFileSystem::listPattern_data() {
    QTest::addColumn<QString>("pathPattern");
    QTest::addColumn<QStringList>("names"); // sorted; {"<fails>"} when the listing fails

    QTest::newRow("folder with separator: every file")
        << "C:\\WINDOWS\\" << QStringList{"LOGOS.SYS", "LOGOW.SYS", "readme.txt"};
    QTest::newRow("wildcards, other case") << "c:\\windows\\*.sys" << QStringList{"LOGOS.SYS", "LOGOW.SYS"};
    QTest::newRow("one name, slashes") << "C:/Windows/logow.sys" << QStringList{"LOGOW.SYS"};
    QTest::newRow("drive relative") << "C:logo.sys" << QStringList{"LOGO.SYS"};
    QTest::newRow("folder itself is no file") << "C:\\WINDOWS" << QStringList{};
    QTest::newRow("link to a folder is no file") << "C:\\folder*" << QStringList{};
    QTest::newRow("missing folder") << "C:\\nothere\\*.*" << QStringList{"<fails>"};
    QTest::newRow("unknown drive") << "Q:\\*" << QStringList{"<fails>"};
    QTest::newRow("UNC") << "\\\\server\\share\\*" << QStringList{"<fails>"};
}

void TestDosFileSystem::listPattern() {
    QFETCH(QString, pathPattern);
    QFETCH(QStringList, names);
    TestEnvironment env;
    makeDriveC(env);
    const auto listed = DosFileSystem::listPattern(pathPattern);
    QCOMPARE(listed ? sorted(*listed) : QStringList{"<fails>"}, names);
}

void TestDosFileSystem::fileExists_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("exists");

    QTest::newRow("file in other case") << "c:\\logo.sys" << true;
    QTest::newRow("pattern") << "C:\\WINDOWS\\LOGO?.SYS" << true;
    QTest::newRow("pattern without match") << "C:\\WINDOWS\\*.bmp" << false;
    QTest::newRow("missing file") << "C:\\AltesLogo.sys" << false;
    QTest::newRow("unknown drive") << "Q:\\LOGO.SYS" << false;
    QTest::newRow("empty") << "" << false;
}

void TestDosFileSystem::fileExists() {
    QFETCH(QString, path);
    QFETCH(bool, exists);
    TestEnvironment env;
    makeDriveC(env);
    QCOMPARE(FileExists(path), exists);
}

void TestDosFileSystem::windowsDir_data() {
    QTest::addColumn<QString>("fileName"); // empty: no MSDOS.SYS
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("windowsDir");

    QByteArray padded = "[Paths]\r\nWinDir=C:\\WIN95\r\nWinBootDir=C:\\WIN95\r\nHostWinBootDrv=C\r\n\r\n"
                        "[Options]\r\nBootGUI=1\r\n;The following lines are required for compatibility.\r\n";
    for (int line = 0; line < 18; ++line)
        padded += ';' + QByteArray(68, 'x') + char('a' + line) + "\r\n";
    const QByteArray huge = QByteArray(1 << 20, 'x') + "\n[Paths]\nWinDir=C:\\LATE\n";

    QTest::newRow("no MSDOS.SYS") << "" << QByteArray() << "C:\\WINDOWS";
    QTest::newRow("real file with padding") << "MSDOS.SYS" << padded << "C:\\WIN95";
    QTest::newRow("any case, spaces, trailing backslash")
        << "msdos.sys" << QByteArray("[ paths ]\nWINDIR = D:\\Win\\ \n") << "D:\\Win";
    QTest::newRow("drive root") << "MSDOS.SYS" << QByteArray("[Paths]\nWinDir=C:\\\n") << "C:\\";
    QTest::newRow("bare drive") << "MSDOS.SYS" << QByteArray("[Paths]\nWinDir=D:\n") << "D:\\";
    QTest::newRow("comment is no key")
        << "MSDOS.SYS" << QByteArray("[Paths]\n;WinDir=C:\\OLD\nWinDir=C:\\NEW") << "C:\\NEW";
    QTest::newRow("key of another section")
        << "MSDOS.SYS" << QByteArray("[Options]\nWinDir=X:\\BAD\n[Paths]\nWinBootDir=C:\\W\n")
        << "C:\\WINDOWS";
    QTest::newRow("empty value") << "MSDOS.SYS" << QByteArray("[Paths]\r\nWinDir=\r\n") << "C:\\WINDOWS";
    QTest::newRow("Latin-1") << "MSDOS.SYS" << QByteArray("[Paths]\nWinDir=C:\\WIND\xd6WS\n")
                             << QStringLiteral("C:\\WIND\u00d6WS");
    QTest::newRow("binary before the section")
        << "MSDOS.SYS" << QByteArrayLiteral("\x00\xff\x01[x=\n\x1a\n[Paths]\nWinDir=C:\\W\n") << "C:\\W";
    QTest::newRow("huge file is not read whole") << "MSDOS.SYS" << huge << "C:\\WINDOWS";
}

void TestDosFileSystem::windowsDir() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, contents);
    QFETCH(QString, windowsDir);
    TestEnvironment env;
    if (!fileName.isEmpty())
        TestEnvironment::writeFile(env.onDriveC(fileName), contents);
    QCOMPARE(WindowsDir(), windowsDir);
}

void TestDosFileSystem::windowsDirInOtherLetterCase() {
    TestEnvironment env;
    makeDriveC(env);
    TestEnvironment::writeFile(env.onDriveC(QStringLiteral("MSDOS.SYS")),
                               "[Paths]\r\nWinDir=c:\\Windows\r\n");
    QCOMPARE(WindowsDir(), QStringLiteral("c:\\Windows"));
    QVERIFY(FileExists(WindowsDir() + QStringLiteral("\\logow.sys")));
    QVERIFY(DosFileSystem::copyFile(WindowsDir() + QStringLiteral("\\logow.sys"),
                                    WindowsDir() + QStringLiteral("\\AltesLogow.sys")));
    QCOMPARE(TestEnvironment::readFile(env.onDriveC(QStringLiteral("WINDOWS/AltesLogow.sys"))),
             QByteArray("old wait"));
}

void TestDosFileSystem::copyReplacesKeepingPermissions() {
    TestEnvironment env;
    makeDriveC(env);
    const QString target = env.onDriveC(QStringLiteral("WINDOWS/LOGOW.SYS"));
    QVERIFY(QFile::setPermissions(target,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
    const Permissions mode = QFile::permissions(target);

    QVERIFY(DosFileSystem::copyFile(QStringLiteral("C:\\NEW.BIN"), QStringLiteral("c:\\windows\\logow.sys")));
    QCOMPARE(TestEnvironment::readFile(target), QByteArray("new contents"));
    QCOMPARE(QFile::permissions(target), mode);
    QVERIFY(DosFileSystem::writeFile(QStringLiteral("C:\\WINDOWS\\LOGOW.SYS"), "written"));
    QCOMPARE(TestEnvironment::readFile(target), QByteArray("written"));
    QCOMPARE(QFile::permissions(target), mode);
    // The existing spelling was replaced; no second file came beside it.
    QCOMPARE(sorted(QDir(env.onDriveC(QStringLiteral("WINDOWS"))).entryList(QDir::Files)),
             QStringList({"LOGOS.SYS", "LOGOW.SYS", "readme.txt"}));
}

void TestDosFileSystem::copyOntoItself() {
    TestEnvironment env;
    makeDriveC(env);
    QVERIFY(DosFileSystem::copyFile(QStringLiteral("C:\\LOGO.SYS"), QStringLiteral("c:\\logo.sys")));
    QCOMPARE(TestEnvironment::readFile(env.onDriveC(QStringLiteral("LOGO.SYS"))), QByteArray("startup"));
}

void TestDosFileSystem::copyFailures_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");

    QTest::newRow("missing source") << "C:\\missing.bin"
                                    << "C:\\WINDOWS\\LOGOW.SYS";
    QTest::newRow("read-only destination") << "C:\\new.bin"
                                           << "C:\\readonly.sys";
    QTest::newRow("unknown destination drive") << "C:\\new.bin"
                                               << "Q:\\x.bin";
    QTest::newRow("unknown source drive") << "Q:\\new.bin"
                                          << "C:\\WINDOWS\\LOGOW.SYS";
    QTest::newRow("folder as source") << "C:\\WINDOWS"
                                      << "C:\\x.bin";
    QTest::newRow("folder as destination") << "C:\\new.bin"
                                           << "C:\\WINDOWS\\SYSTEM";
    QTest::newRow("link to a folder as destination") << "C:\\new.bin"
                                                     << "C:\\folderlink";
    QTest::newRow("destination folder missing") << "C:\\new.bin"
                                                << "C:\\nothere\\x.bin";
    QTest::newRow("UNC destination") << "C:\\new.bin"
                                     << "\\\\server\\share\\x.bin";
}

void TestDosFileSystem::copyFailures() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    TestEnvironment env;
    makeDriveC(env);
    const auto before = TestEnvironment::snapshot(env.driveC());
    QVERIFY(!DosFileSystem::copyFile(from, to));
    QCOMPARE(TestEnvironment::snapshot(env.driveC()), before);
}

void TestDosFileSystem::deleteFile_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("removed"); // relative to drive C:; empty when the delete must fail

    QTest::newRow("file in other case") << "c:\\windows\\logow.sys"
                                        << "WINDOWS/LOGOW.SYS";
    QTest::newRow("missing file") << "C:\\WINDOWS\\AltesLogow.sys"
                                  << "";
    QTest::newRow("read-only file") << "C:\\READONLY.SYS"
                                    << "";
    QTest::newRow("folder") << "C:\\WINDOWS\\SYSTEM"
                            << "";
    QTest::newRow("link to a folder") << "C:\\folderlink"
                                      << "";
    QTest::newRow("wildcards name no file") << "C:\\WINDOWS\\*.SYS"
                                            << "";
    QTest::newRow("unknown drive") << "Q:\\LOGO.SYS"
                                   << "";
}

void TestDosFileSystem::deleteFile() {
    QFETCH(QString, path);
    QFETCH(QString, removed);
    TestEnvironment env;
    makeDriveC(env);
    auto expected = TestEnvironment::snapshot(env.driveC());
    expected.remove(removed);
    QCOMPARE(DosFileSystem::deleteFile(path), !removed.isEmpty());
    QCOMPARE(TestEnvironment::snapshot(env.driveC()), expected);
}

void TestDosFileSystem::failedReplaceKeepsOldFile_data() {
    QTest::addColumn<bool>("byCopy");
    QTest::newRow("write") << false;
    QTest::newRow("copy") << true;
}

void TestDosFileSystem::failedReplaceKeepsOldFile() {
    QFETCH(bool, byCopy);
    TestEnvironment env;
    makeDriveC(env);
    const QByteArray big(64 * 1024, 'n');
    TestEnvironment::writeFile(env.onDriveC(QStringLiteral("big.bin")), big);
    const QByteArray old = QByteArray(4096, 'o');
    TestEnvironment::writeFile(env.onDriveC(QStringLiteral("LOGO.SYS")), old);
    const auto before = TestEnvironment::snapshot(env.driveC());

    bool replaced = true;
    {
        const FileSizeLimit diskFull(8192);
        replaced =
            byCopy ? DosFileSystem::copyFile(QStringLiteral("C:\\big.bin"), QStringLiteral("C:\\logo.sys"))
                   : DosFileSystem::writeFile(QStringLiteral("C:\\logo.sys"), big);
    }
    QVERIFY(!replaced);
    QCOMPARE(TestEnvironment::snapshot(env.driveC()), before); // old file whole, no leftovers

    // Without the limit the same replace goes through.
    QVERIFY(byCopy ? DosFileSystem::copyFile(QStringLiteral("C:\\big.bin"), QStringLiteral("C:\\logo.sys"))
                   : DosFileSystem::writeFile(QStringLiteral("C:\\logo.sys"), big));
    QCOMPARE(TestEnvironment::readFile(env.onDriveC(QStringLiteral("LOGO.SYS"))), big);
}

void TestDosFileSystem::pictures() {
    TestEnvironment env;
    makeDriveC(env);
    const auto before = TestEnvironment::snapshot(env.driveC());
    QVERIFY(!DosFileSystem::savePicture(Picture(), QStringLiteral("C:\\WINDOWS\\LOGOW.SYS")));
    QVERIFY(!DosFileSystem::savePicture(Picture(), QStringLiteral("C:\\empty.bmp")));
    QCOMPARE(TestEnvironment::snapshot(env.driveC()), before);

    QCOMPARE(DosFileSystem::loadPicture(QStringLiteral("C:\\missing.bmp")).error, PictureError::NotFound);
    QCOMPARE(DosFileSystem::loadPicture(QStringLiteral("Q:\\LOGO.SYS")).error, PictureError::NotFound);
    QCOMPARE(DosFileSystem::loadPicture(QStringLiteral("\\\\server\\x.bmp")).error, PictureError::NotFound);

    QImage image(320, 400, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QVERIFY(DosFileSystem::savePicture(Picture(image), QStringLiteral("c:\\windows\\logow.sys")));
    const PictureLoad loaded = DosFileSystem::loadPicture(QStringLiteral("C:\\WINDOWS\\LOGOW.SYS"));
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.picture.size(), QSize(320, 400));
    QCOMPARE(loaded.picture.image().pixelColor(10, 10), QColor(Qt::blue));
}

QTEST_GUILESS_MAIN(TestDosFileSystem)
#include "tst_dosfilesystem.moc"
