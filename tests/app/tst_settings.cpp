#include "TestEnvironment.h"
#include "app/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <algorithm>
#include <iterator>

using Pairs = QList<QPair<QString, QString>>;

class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void freshStore();
    void deletingAnAbsentSectionHarmsNothing();
    void keysKeepTheOrderFirstWritten();
    void sectionsKeepTheOrderFirstWritten();
    void namesMatchWithoutRegardToCase_data();
    void namesMatchWithoutRegardToCase();
    void recentFilesComeBackInOrder();
    void deleteSectionRemovesItsKeys();
    void anyTextSurvivesARoundTrip_data();
    void anyTextSurvivesARoundTrip();
    void readsTheFileAfreshEachTime();
    void handEditedFile_data();
    void handEditedFile();
    void damagedFileKeepsItsLines_data();
    void damagedFileKeepsItsLines();
    void hugeFileIsReadInPartAndNeverWritten();
    void failingSaveReportsFalse_data();
    void failingSaveReportsFalse();
    void toBoolean_data();
    void toBoolean();
};

namespace {

QByteArray fileOf(const SettingsStore& store) {
    return TestEnvironment::readFile(store.filePath());
}

} // namespace

void TestSettings::freshStore() {
    TestEnvironment env;
    QDir(env.configDir()).removeRecursively();
    SettingsStore store;

    QCOMPARE(store.get(QStringLiteral("Main"), QStringLiteral("1st time"), QStringLiteral("0")),
             QStringLiteral("0"));
    QCOMPARE(SettingsStore::toBoolean(store.get(QStringLiteral("Main"), QStringLiteral("1st time"), "0")),
             std::optional<bool>(false));
    QCOMPARE(store.get(QStringLiteral("Main"), QStringLiteral("Don'tShowHintAgain")), QString());
    QVERIFY(store.getAll(QStringLiteral("Recent")).isEmpty());

    // The first save creates the folder and a file named after the application.
    QVERIFY(store.save(QStringLiteral("Main"), QStringLiteral("1st time"), SettingsStore::TrueText));
    QCOMPARE(store.filePath(), env.configDir() + QStringLiteral("/Vanu Bootlogo.ini"));
    QCOMPARE(fileOf(store), QByteArray("[Main]\n1st time=True\n\n"));
    QCOMPARE(SettingsStore::toBoolean(store.get(QStringLiteral("Main"), QStringLiteral("1st time"), "0")),
             std::optional<bool>(true));
}

void TestSettings::deletingAnAbsentSectionHarmsNothing() {
    TestEnvironment env;
    SettingsStore store;
    QVERIFY(!store.deleteSection(QStringLiteral("Recent")));
    QVERIFY(!QFile::exists(store.filePath()));

    QVERIFY(store.save(QStringLiteral("Main"), QStringLiteral("1st time"), SettingsStore::TrueText));
    const QByteArray before = fileOf(store);
    QVERIFY(!store.deleteSection(QStringLiteral("Recent")));
    QCOMPARE(fileOf(store), before);
}

void TestSettings::keysKeepTheOrderFirstWritten() {
    TestEnvironment env;
    SettingsStore store;
    const QString section = QStringLiteral("Order");
    for (const char* key : {"zeta", "alpha", "mid"})
        QVERIFY(store.save(section, QString::fromLatin1(key), QStringLiteral("first")));
    QVERIFY(store.save(section, QStringLiteral("alpha"), QStringLiteral("second")));

    const Pairs expected{{"zeta", "first"}, {"alpha", "second"}, {"mid", "first"}};
    QCOMPARE(store.getAll(section), expected);
}

void TestSettings::sectionsKeepTheOrderFirstWritten() {
    TestEnvironment env;
    SettingsStore store;
    QVERIFY(store.save(QStringLiteral("Zulu"), QStringLiteral("k"), QStringLiteral("1")));
    QVERIFY(store.save(QStringLiteral("Alpha"), QStringLiteral("k"), QStringLiteral("2")));
    QVERIFY(store.save(QStringLiteral("Zulu"), QStringLiteral("later"), QStringLiteral("3")));

    QCOMPARE(fileOf(store), QByteArray("[Zulu]\nk=1\nlater=3\n\n[Alpha]\nk=2\n\n"));
}

void TestSettings::namesMatchWithoutRegardToCase_data() {
    QTest::addColumn<QString>("firstSection");
    QTest::addColumn<QString>("firstKey");
    QTest::addColumn<QString>("otherSection");
    QTest::addColumn<QString>("otherKey");
    QTest::newRow("ASCII") << "Main"
                           << "1st time"
                           << "MAIN"
                           << "1ST TIME";
    QTest::newRow("umlauts") << QStringLiteral("Größe") << QStringLiteral("Übersicht")
                             << QStringLiteral("GRÖßE") << QStringLiteral("üBERSICHT");
    QTest::newRow("accents and Greek") << QStringLiteral("Écran") << QStringLiteral("Λόγος")
                                       << QStringLiteral("éCRAN") << QStringLiteral("λΌΓΟΣ");
}

void TestSettings::namesMatchWithoutRegardToCase() {
    QFETCH(QString, firstSection);
    QFETCH(QString, firstKey);
    QFETCH(QString, otherSection);
    QFETCH(QString, otherKey);
    TestEnvironment env;
    SettingsStore store;
    QVERIFY(store.save(firstSection, firstKey, QStringLiteral("old")));
    QVERIFY(store.save(otherSection, otherKey, QStringLiteral("new")));

    QCOMPARE(store.get(firstSection, firstKey), QStringLiteral("new"));
    QCOMPARE(store.get(otherSection, otherKey), QStringLiteral("new"));
    QCOMPARE(store.getAll(otherSection), (Pairs{{firstKey, QStringLiteral("new")}}));
    // Only the first spelling is in the file.
    QVERIFY(fileOf(store).startsWith('[' + firstSection.toUtf8() + "]\n" + firstKey.toUtf8() + "=new\n"));
    QVERIFY(store.deleteSection(otherSection));
    QVERIFY(store.getAll(firstSection).isEmpty());
}

void TestSettings::recentFilesComeBackInOrder() {
    TestEnvironment env;
    const QStringList paths{QStringLiteral("Z:\\home\\me\\pic.bmp"), QStringLiteral("C:\\Bilder\\b.bmp"),
                            QStringLiteral("D:\\a.bmp")};
    Pairs expected;
    {
        SettingsStore store;
        for (int n = 0; n < paths.size(); ++n) {
            const QString key = QStringLiteral("RecentFile") + QString::number(n + 7);
            QVERIFY(store.save(QStringLiteral("Recent"), key, paths[n]));
            expected.append({key, paths[n]});
        }
    }
    const SettingsStore nextRun;
    QCOMPARE(nextRun.getAll(QStringLiteral("Recent")), expected);
    // Windows paths stay readable in the file.
    QVERIFY(fileOf(nextRun).contains("\nRecentFile7=Z:\\home\\me\\pic.bmp\n"));
}

void TestSettings::deleteSectionRemovesItsKeys() {
    TestEnvironment env;
    SettingsStore store;
    QVERIFY(store.save(QStringLiteral("Main"), QStringLiteral("1st time"), SettingsStore::TrueText));
    QVERIFY(store.save(QStringLiteral("Recent"), QStringLiteral("RecentFile7"), QStringLiteral("C:\\a.bmp")));
    QVERIFY(store.save(QStringLiteral("Recent"), QStringLiteral("RecentFile8"), QStringLiteral("C:\\b.bmp")));
    QVERIFY(store.save(QStringLiteral("Last"), QStringLiteral("k"), QStringLiteral("v")));

    QVERIFY(store.deleteSection(QStringLiteral("recent")));
    QVERIFY(store.getAll(QStringLiteral("Recent")).isEmpty());
    QCOMPARE(store.get(QStringLiteral("Recent"), QStringLiteral("RecentFile7"), QStringLiteral("gone")),
             QStringLiteral("gone"));
    QCOMPARE(fileOf(store), QByteArray("[Main]\n1st time=True\n\n[Last]\nk=v\n\n"));

    // A later save starts the section afresh.
    QVERIFY(store.save(QStringLiteral("Recent"), QStringLiteral("RecentFile7"), QStringLiteral("C:\\c.bmp")));
    QCOMPARE(store.getAll(QStringLiteral("Recent")), (Pairs{{"RecentFile7", "C:\\c.bmp"}}));
}

void TestSettings::anyTextSurvivesARoundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("path with = [ line break and umlauts")
        << QStringLiteral("C:\\Bilder\\a=b [neu]\nÜberblick ärger.bmp");
    QTest::newRow("brackets and semicolon") << "]x[;y";
    QTest::newRow("starts like a header") << "[Main]";
    QTest::newRow("starts like a comment") << "; note";
    QTest::newRow("percent and an escape look-alike") << "100% %0A %zz %";
    QTest::newRow("CR, CRLF and tab") << "a\rb\r\nc\td";
    QTest::newRow("blanks at both ends") << "  padded  ";
    QTest::newRow("only a blank") << " ";
    QTest::newRow("empty") << "";
    QTest::newRow("NUL and other controls") << QString::fromUtf8("a\0b\x01\x1f\x7f", 7);
    QTest::newRow("byte order mark first") << QStringLiteral("\uFEFFmark");
    QTest::newRow("beyond the BMP") << QStringLiteral("bild 🖼 日本");
    QTest::newRow("non-breaking spaces at the ends") << QStringLiteral("\u00A0x\u00A0");
}

void TestSettings::anyTextSurvivesARoundTrip() {
    QFETCH(QString, text);
    TestEnvironment env;
    SettingsStore store;
    // The text serves as section, key and value at once.
    QVERIFY(store.save(text, text, text));
    QVERIFY(store.save(QStringLiteral("Other"), QStringLiteral("k"), QStringLiteral("v")));

    const SettingsStore reader;
    QCOMPARE(reader.get(text, text, QStringLiteral("absent")), text);
    QCOMPARE(reader.getAll(text), (Pairs{{text, text}}));
    QCOMPARE(reader.getAll(QStringLiteral("Other")), (Pairs{{"k", "v"}}));
    // The file is two sections of one key each, with no stray lines.
    QCOMPARE(fileOf(reader).count('\n'), 6);
}

void TestSettings::readsTheFileAfreshEachTime() {
    TestEnvironment env;
    SettingsStore store;
    QVERIFY(store.save(QStringLiteral("Main"), QStringLiteral("k"), QStringLiteral("1")));
    QVERIFY(TestEnvironment::writeFile(store.filePath(), "[Main]\nk=2\nhand=made\n"));

    QCOMPARE(store.get(QStringLiteral("Main"), QStringLiteral("k")), QStringLiteral("2"));
    QVERIFY(store.save(QStringLiteral("Main"), QStringLiteral("new"), QStringLiteral("3")));
    QCOMPARE(fileOf(store), QByteArray("[Main]\nk=2\nhand=made\nnew=3\n"));
}

void TestSettings::handEditedFile_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const QByteArray first = "[Main]\n1st time=True\n";
    QTest::newRow("blanks around =") << QByteArray("[Main]\n  1st time \t=  True  \n") << "Main"
                                     << "1st time"
                                     << "True";
    QTest::newRow("blanks in the header") << QByteArray(" [ Main ] \n1st time=True\n") << "Main"
                                          << "1st time"
                                          << "True";
    QTest::newRow("CRLF line breaks") << QByteArray("[Main]\r\n1st time=True\r\nx=y\r\n") << "Main"
                                      << "1st time"
                                      << "True";
    QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + first << "Main"
                                     << "1st time"
                                     << "True";
    QTest::newRow("no line break at the end") << QByteArray("[Main]\n1st time=True") << "Main"
                                              << "1st time"
                                              << "True";
    QTest::newRow("percent without escape") << QByteArray("[Main]\nk=100% %g\n") << "Main"
                                            << "k"
                                            << "100% %g";
    QTest::newRow("lower-case escape") << QByteArray("[Main]\nk=a%3db%c3%a9\n") << "Main"
                                       << "k" << QStringLiteral("a=bé");
    QTest::newRow("value holding =") << QByteArray("[Main]\nk=a=b\n") << "Main"
                                     << "k"
                                     << "a=b";
    QTest::newRow("duplicate key: the first counts") << QByteArray("[Main]\nk=1\nK=2\n") << "Main"
                                                     << "k"
                                                     << "1";
    QTest::newRow("repeated section continues it")
        << QByteArray("[Main]\na=1\n[Other]\nb=2\n[MAIN]\nc=3\n") << "Main"
        << "c"
        << "3";
    QTest::newRow("missing ]") << QByteArray("[Old]\n1st time=False\n[Main\n1st time=True\n") << "Main"
                               << "1st time"
                               << "True";
    QTest::newRow("comment is no key") << QByteArray("[Main]\n;k=1\n") << "Main"
                                       << ";k"
                                       << "absent";
    QTest::newRow("keys before any section belong to none") << "k=1\n" + first << "Main"
                                                            << "k"
                                                            << "absent";
    QTest::newRow("keys under a header that is not UTF-8 belong to none")
        << QByteArray("[Main]\n1st time=True\n[Ma\xFFin]\nk=1\n") << "Main"
        << "k"
        << "absent";
}

void TestSettings::handEditedFile() {
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TestEnvironment env;
    SettingsStore store;
    QVERIFY(TestEnvironment::writeFile(store.filePath(), file));
    QCOMPARE(store.get(section, key, QStringLiteral("absent")), expected);
    // getAll agrees with get: one row for the key, or none.
    const Pairs all = store.getAll(section);
    Pairs rowsOfKey;
    std::copy_if(
        all.cbegin(), all.cend(), std::back_inserter(rowsOfKey),
        [&](const QPair<QString, QString>& row) { return row.first.compare(key, Qt::CaseInsensitive) == 0; });
    const Pairs expectedRows = expected == QStringLiteral("absent") ? Pairs() : Pairs{{key, expected}};
    QCOMPARE(rowsOfKey, expectedRows);
}

void TestSettings::damagedFileKeepsItsLines_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QByteArray>>("keptLines");
    const QByteArray good = "[Main]\n1st time=True\n";
    QByteArray allBytes;
    for (int byte = 0; byte < 256; ++byte)
        allBytes += static_cast<char>(byte);
    QTest::newRow("line without =") << "[Recent]\njust words\n" + good << QList<QByteArray>{"just words"};
    QTest::newRow("comment and blank line") << "; my settings\n\n" + good + "; end\n"
                                            << QList<QByteArray>{"; my settings", "", "; end"};
    QTest::newRow("missing ]") << QByteArray("[Old\nold=1\n") + good << QList<QByteArray>{"[Old", "old=1"};
    QTest::newRow("keys before any section") << "orphan=1\n" + good << QList<QByteArray>{"orphan=1"};
    QTest::newRow("invalid UTF-8 in a value")
        << QByteArray("[Recent]\nRecentFile7=C:\\caf\xE9.bmp\nRecentFile8=C:\\b.bmp\n") + good
        << QList<QByteArray>{"RecentFile7=C:\\caf\xE9.bmp", "RecentFile8=C:\\b.bmp"};
    QTest::newRow("invalid UTF-8 in a header")
        << QByteArray("[Rec\xC3nt]\nk=1\n") + good << QList<QByteArray>{"[Rec\xC3nt]", "k=1"};
    QTest::newRow("binary junk") << allBytes + '\n' + good
                                 << QList<QByteArray>{allBytes.first(10), allBytes.sliced(11)};
    QTest::newRow("duplicate key") << "[Main]\ndup=1\ndup=2\n" + good << QList<QByteArray>{"dup=1", "dup=2"};
}

// Saving into a damaged file keeps every line it cannot read, in place, even where a
// save names the same key, and the good keys stay readable.
void TestSettings::damagedFileKeepsItsLines() {
    QFETCH(QByteArray, file);
    QFETCH(QList<QByteArray>, keptLines);
    TestEnvironment env;
    SettingsStore store;
    QVERIFY(TestEnvironment::writeFile(store.filePath(), file));
    QCOMPARE(store.get(QStringLiteral("Main"), QStringLiteral("1st time")), QStringLiteral("True"));

    QVERIFY(
        store.save(QStringLiteral("Main"), QStringLiteral("Don'tShowHintAgain"), SettingsStore::TrueText));
    QVERIFY(
        store.save(QStringLiteral("Recent"), QStringLiteral("RecentFile7"), QStringLiteral("C:\\new.bmp")));
    QVERIFY(store.save(QStringLiteral("Added"), QStringLiteral("k"), QStringLiteral("v")));
    const QList<QByteArray> linesAfter = fileOf(store).split('\n');
    qsizetype previous = -1;
    for (const QByteArray& kept : keptLines) {
        const qsizetype at = linesAfter.indexOf(kept, previous + 1);
        QVERIFY2(at > previous, kept.toPercentEncoding().constData());
        previous = at;
    }
    QCOMPARE(store.get(QStringLiteral("Main"), QStringLiteral("1st time")), QStringLiteral("True"));
    QCOMPARE(store.get(QStringLiteral("Main"), QStringLiteral("Don'tShowHintAgain")), QStringLiteral("True"));
    QCOMPARE(store.get(QStringLiteral("Recent"), QStringLiteral("RecentFile7")),
             QStringLiteral("C:\\new.bmp"));
    QCOMPARE(store.get(QStringLiteral("Added"), QStringLiteral("k")), QStringLiteral("v"));
}

void TestSettings::hugeFileIsReadInPartAndNeverWritten() {
    TestEnvironment env;
    SettingsStore store;
    QByteArray file = "[Main]\n1st time=True\n[Junk]\n";
    while (file.size() < 3 * 1024 * 1024)
        file += QByteArray(1000, 'x') + "=\n";
    QVERIFY(TestEnvironment::writeFile(store.filePath(), file));

    QCOMPARE(store.get(QStringLiteral("Main"), QStringLiteral("1st time")), QStringLiteral("True"));
    QVERIFY(!store.save(QStringLiteral("Main"), QStringLiteral("k"), QStringLiteral("v")));
    QVERIFY(!store.deleteSection(QStringLiteral("Junk")));
    QCOMPARE(fileOf(store), file);
}

void TestSettings::failingSaveReportsFalse_data() {
    QTest::addColumn<bool>("blockTheFolder");
    QTest::newRow("settings file is a folder") << false;
    QTest::newRow("configuration folder is a file") << true;
}

void TestSettings::failingSaveReportsFalse() {
    QFETCH(bool, blockTheFolder);
    TestEnvironment env;
    SettingsStore store;
    QVERIFY(QDir(env.configDir()).removeRecursively());
    if (blockTheFolder)
        QVERIFY(TestEnvironment::writeFile(env.configDir(), "not a folder"));
    else
        QVERIFY(QDir().mkpath(store.filePath()));

    QVERIFY(!store.save(QStringLiteral("Main"), QStringLiteral("1st time"), SettingsStore::TrueText));
    QVERIFY(!store.deleteSection(QStringLiteral("Main")));
    QCOMPARE(store.get(QStringLiteral("Main"), QStringLiteral("1st time"), QStringLiteral("0")),
             QStringLiteral("0"));
}

void TestSettings::toBoolean_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<bool>>("expected");
    const std::optional<bool> yes = true;
    const std::optional<bool> no = false;
    const std::optional<bool> none;
    QTest::newRow("True") << "True" << yes;
    QTest::newRow("FALSE") << "FALSE" << no;
    QTest::newRow("tRuE") << "tRuE" << yes;
    QTest::newRow("1") << "1" << yes;
    QTest::newRow("0") << "0" << no;
    QTest::newRow("-1") << "-1" << yes;
    QTest::newRow("0.0") << "0.0" << no;
    QTest::newRow("-0") << "-0" << no;
    QTest::newRow("1e3") << "1e3" << yes;
    QTest::newRow("' 2 '") << " 2 " << yes;
    QTest::newRow("empty") << "" << none;
    QTest::newRow("yes") << "yes" << none;
    QTest::newRow("1st") << "1st" << none;
    QTest::newRow("Truex") << "Truex" << none;
    QTest::newRow("nan") << "nan" << none;
}

void TestSettings::toBoolean() {
    QFETCH(QString, text);
    QFETCH(std::optional<bool>, expected);
    QCOMPARE(SettingsStore::toBoolean(text), expected);
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
