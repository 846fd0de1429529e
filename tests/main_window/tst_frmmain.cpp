#include "Fixtures.h"
#include "MainWindowRun.h"
#include "ScriptedDialogs.h"
#include "TestEnvironment.h"
#include "app/Globals.h"
#include "app/LOGO.h"
#include "app/SettingsStore.h"
#include "main_window/ImageLibrary.h"
#include "main_window/PictureControl.h"
#include "main_window/PictureHolder.h"
#include "main_window/frmMain.h"
#include "platform/PictureFile.h"

#include <QDir>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <memory>

namespace {

const QStringList ScreenFiles = {QStringLiteral("logo.sys"), QStringLiteral("WINDOWS/logow.sys"),
                                 QStringLiteral("WINDOWS/logos.sys")};
const QStringList BackupFiles = {QStringLiteral("AltesLogo.sys"), QStringLiteral("WINDOWS/AltesLogow.sys"),
                                 QStringLiteral("WINDOWS/AltesLogos.sys")};

// One run of the program; the standard screens are seeds 100 to 103.
struct Run {
    MainWindowRun run;
    frmMain* window;
    explicit Run(TestEnvironment& environment) : run(environment), window(&run.window()) {}
    int ends() const { return run.ends(); }
};

void writeScreen(TestEnvironment& env, const QString& relative, int seed) {
    QVERIFY(TestEnvironment::writeFile(env.onDriveC(relative), Fixtures::screenBmp(seed)));
}

} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void splashHandsOverOnceAfterItIsShown();
    void firstRun_data();
    void firstRun();
    void laterRunsLeaveBackupsAlone();
    void markerThatIsNotABooleanRepeatsTheBackup();
    void windowsDirectoryFromMsdosSys();

    void treeHoldsCategoriesAndStandardScreens();
    void userImportsComeBackInOrder();
    void clickingAFileShowsIt();
    void clickingAMissingFileReports();
    void clickingANonPictureNamesItSilently();
    void clickingACategoryDoesNothing();
    void clearRemovesUserImports();

    void bareWindowPutsMainAreaOnTheStatusBar_data();
    void bareWindowPutsMainAreaOnTheStatusBar();
    void labelsAreNotTheBareWindow();
    void rightReleasePopsUpMenus();
    void toolbarDispatchesByKey();
    void tilesTheBackground();
    void tileOfZeroSizePaintsNothing();

private:
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
};

void TestFrmMain::init() {
    m_env = std::make_unique<TestEnvironment>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
}

void TestFrmMain::cleanup() {
    QDir::setCurrent(QDir::tempPath());
    m_dialogs.reset();
    m_env.reset();
}

// ---------------------------------------------------------------- load step

void TestFrmMain::splashHandsOverOnceAfterItIsShown() {
    auto* splash = new LOGO;
    QPointer<LOGO> alive = splash;
    int handOvers = 0;
    splash->handOver = [&handOvers, splash] {
        ++handOvers;
        splash->close();
    };
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint offCentre = splash->geometry().center() - screen.center();
    QVERIFY(offCentre.manhattanLength() <= 2);
    QCOMPARE(handOvers, 0);
    splash->show();
    QTRY_COMPARE(handOvers, 1);
    QTRY_VERIFY(alive.isNull()); // closed splashes are released
    QTest::qWait(20);
    QCOMPARE(handOvers, 1);
}

void TestFrmMain::firstRun_data() {
    QTest::addColumn<bool>("startupExists");
    QTest::newRow("all three screens") << true;
    QTest::newRow("no startup screen") << false;
}

void TestFrmMain::firstRun() {
    QFETCH(bool, startupExists);
    for (int i = 0; i < 3; ++i) {
        if (i > 0 || startupExists)
            writeScreen(*m_env, ScreenFiles.at(i), i + 1);
    }
    Run run(*m_env);

    QCOMPARE(SettingsStore().get(QStringLiteral("Main"), QStringLiteral("1st time")), QStringLiteral("True"));
    QCOMPARE(run.window->Startlogo->picture().isEmpty(), !startupExists);
    QVERIFY(!run.window->WaitForShutdown->picture().isEmpty());
    QVERIFY(!run.window->Shutdown->picture().isEmpty());
    QCOMPARE(QFile::exists(m_env->onDriveC(BackupFiles.at(0))), startupExists);
    for (int i = 1; i < 3; ++i) {
        QCOMPARE(TestEnvironment::readFile(m_env->onDriveC(BackupFiles.at(i))),
                 TestEnvironment::readFile(m_env->onDriveC(ScreenFiles.at(i))));
    }
    QCOMPARE(run.window->Label4->text(), QStringLiteral("CurrentImage[]"));
}

void TestFrmMain::laterRunsLeaveBackupsAlone() {
    for (int i = 0; i < 3; ++i)
        writeScreen(*m_env, ScreenFiles.at(i), i + 1);
    { Run first(*m_env); }
    QByteArray originals[3];
    for (int i = 0; i < 3; ++i) {
        originals[i] = TestEnvironment::readFile(m_env->onDriveC(BackupFiles.at(i)));
        writeScreen(*m_env, ScreenFiles.at(i), i + 50);
    }
    Run second(*m_env);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(TestEnvironment::readFile(m_env->onDriveC(BackupFiles.at(i))), originals[i]);
}

// A damaged marker repeats the backup, but a backup that exists keeps the system's
// own screen: only the missing one is made.
void TestFrmMain::markerThatIsNotABooleanRepeatsTheBackup() {
    for (int i = 0; i < 3; ++i)
        writeScreen(*m_env, ScreenFiles.at(i), i + 1);
    writeScreen(*m_env, BackupFiles.at(1), 77);
    SettingsStore().save(QStringLiteral("Main"), QStringLiteral("1st time"), QStringLiteral("maybe"));

    Run run(*m_env);
    QCOMPARE(SettingsStore().get(QStringLiteral("Main"), QStringLiteral("1st time")), QStringLiteral("True"));
    QCOMPARE(TestEnvironment::readFile(m_env->onDriveC(BackupFiles.at(0))),
             TestEnvironment::readFile(m_env->onDriveC(ScreenFiles.at(0))));
    QCOMPARE(TestEnvironment::readFile(m_env->onDriveC(BackupFiles.at(1))), Fixtures::screenBmp(77));
    QVERIFY(QFile::exists(m_env->onDriveC(BackupFiles.at(2))));
}

void TestFrmMain::windowsDirectoryFromMsdosSys() {
    QVERIFY(TestEnvironment::writeFile(m_env->onDriveC(QStringLiteral("MSDOS.SYS")),
                                       "[Paths]\r\nWinDir=C:\\win95\r\nWinBootDir=C:\\WIN95\r\n"));
    writeScreen(*m_env, QStringLiteral("Win95/LOGOW.SYS"), 5);
    writeScreen(*m_env, QStringLiteral("Win95/LOGOS.SYS"), 6);
    Run run(*m_env);
    QCOMPARE(run.window->WaitForShutdown->picture().image(), Fixtures::screenImage(5));
    QCOMPARE(run.window->Shutdown->picture().image(), Fixtures::screenImage(6));
    QVERIFY(QFile::exists(m_env->onDriveC(QStringLiteral("Win95/AltesLogow.sys"))));
    QVERIFY(QFile::exists(m_env->onDriveC(QStringLiteral("Win95/AltesLogos.sys"))));
}

// ---------------------------------------------------------------- image library

void TestFrmMain::treeHoldsCategoriesAndStandardScreens() {
    Run run(*m_env);
    ImageLibrary* tree = run.window->TV1;
    QCOMPARE(tree->nodeCount(), 6);
    const QStringList expected = {QStringLiteral("Standard screens"), QStringLiteral("User imports"),
                                  QStringLiteral("VanuBoot.bmp"),     QStringLiteral("VanuWait.bmp"),
                                  QStringLiteral("VanuShut.bmp"),     QStringLiteral("Roreror.bmp")};
    for (int n = 1; n <= 6; ++n)
        QCOMPARE(tree->nodeText(n), expected.at(n - 1));
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(tree->topLevelItem(0)->childCount(), 4);
    QCOMPARE(tree->topLevelItem(1)->childCount(), 0);
    QVERIFY(!tree->topLevelItem(0)->isExpanded());
}

void TestFrmMain::userImportsComeBackInOrder() {
    const QStringList paths = {QStringLiteral("Z:\\b\\second.bmp"), QStringLiteral("Z:\\a\\first.bmp"),
                               QStringLiteral("C:\\third.bmp")};
    SettingsStore store;
    for (int i = 0; i < 3; ++i)
        store.save(QStringLiteral("Recent"), QStringLiteral("RecentFile") + QString::number(7 + i),
                   paths.at(i));
    for (int start = 0; start < 2; ++start) {
        Run run(*m_env);
        QCOMPARE(run.window->TV1->nodeCount(), 9);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(run.window->TV1->nodeText(7 + i), paths.at(i));
        QCOMPARE(run.window->TV1->topLevelItem(1)->childCount(), 3);
    }
    // Closing saved them under their tree positions, and nothing else.
    const auto saved = SettingsStore().getAll(QStringLiteral("Recent"));
    QCOMPARE(saved.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(saved.at(i).first, QStringLiteral("RecentFile") + QString::number(7 + i));
        QCOMPARE(saved.at(i).second, paths.at(i));
    }
}

void TestFrmMain::clickingAFileShowsIt() {
    Run run(*m_env);
    run.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(run.window));
    ImageLibrary* tree = run.window->TV1;
    tree->expandAll();
    QTreeWidgetItem* boot = tree->topLevelItem(0)->child(0);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(boot).center());

    QCOMPARE(run.window->CurrentPicture->picture().image(), Fixtures::screenImage(100));
    QCOMPARE(CurrentImagePath, QStringLiteral("VanuBoot.bmp"));
    QCOMPARE(run.window->Label4->text(), QStringLiteral("CurrentImage[VanuBoot.bmp]"));
    QVERIFY(m_dialogs->boxes.isEmpty());
}

void TestFrmMain::clickingAMissingFileReports() {
    Run run(*m_env);
    run.window->TV1_NodeClick(QStringLiteral("VanuWait.bmp"));
    const QString missing = QStringLiteral("C:\\gone.bmp");
    run.window->TV1_NodeClick(missing);

    QCOMPARE(m_dialogs->events, QStringList({QStringLiteral("beep"), QStringLiteral("box:Error")}));
    const MessageBoxRequest& box = m_dialogs->boxes.constFirst();
    QCOMPARE(box.text, QStringLiteral("File not found: C:\\gone.bmp"));
    QCOMPARE(box.icon, MsgIcon::Critical);
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QCOMPARE(CurrentImagePath, QStringLiteral("VanuWait.bmp"));
    QCOMPARE(run.window->Label4->text(), QStringLiteral("CurrentImage[VanuWait.bmp]"));
    QCOMPARE(run.window->CurrentPicture->picture().image(), Fixtures::screenImage(101));
}

void TestFrmMain::clickingANonPictureNamesItSilently() {
    QVERIFY(TestEnvironment::writeFile(m_env->onDriveC(QStringLiteral("notes.txt")), "not a picture\n"));
    Run run(*m_env);
    run.window->TV1_NodeClick(QStringLiteral("VanuShut.bmp"));
    run.window->TV1_NodeClick(QStringLiteral("C:\\notes.txt"));

    QVERIFY(m_dialogs->events.isEmpty());
    QCOMPARE(CurrentImagePath, QStringLiteral("C:\\notes.txt"));
    QCOMPARE(run.window->Label4->text(), QStringLiteral("CurrentImage[C:\\notes.txt]"));
    QCOMPARE(run.window->CurrentPicture->picture().image(), Fixtures::screenImage(102));
}

void TestFrmMain::clickingACategoryDoesNothing() {
    Run run(*m_env);
    run.window->TV1_NodeClick(QStringLiteral("Roreror.bmp"));
    run.window->TV1_NodeClick(QStringLiteral("Standard screens"));
    run.window->TV1_NodeClick(QStringLiteral("User imports"));
    QCOMPARE(CurrentImagePath, QStringLiteral("Roreror.bmp"));
    QCOMPARE(run.window->CurrentPicture->picture().image(), Fixtures::screenImage(103));
    QVERIFY(m_dialogs->events.isEmpty());
}

void TestFrmMain::clearRemovesUserImports() {
    SettingsStore store;
    for (int n = 7; n <= 11; ++n)
        store.save(QStringLiteral("Recent"), QStringLiteral("RecentFile") + QString::number(n),
                   QStringLiteral("C:\\import%1.bmp").arg(n));
    {
        Run run(*m_env);
        run.window->TV1_NodeClick(QStringLiteral("VanuBoot.bmp"));
        run.window->umZuruecksetzen->trigger();
        QCOMPARE(run.window->TV1->nodeCount(), 6);
        QVERIFY(SettingsStore().getAll(QStringLiteral("Recent")).isEmpty());
        run.window->umZuruecksetzen->trigger();
        QCOMPARE(run.window->TV1->nodeCount(), 6);
        QVERIFY(m_dialogs->events.isEmpty());
        // The current image is not touched by the clear.
        QCOMPARE(CurrentImagePath, QStringLiteral("VanuBoot.bmp"));
        QVERIFY(!run.window->CurrentPicture->picture().isEmpty());
    }
    QVERIFY(!TestEnvironment::readFile(SettingsStore().filePath()).contains("[Recent]"));
    Run again(*m_env);
    QCOMPARE(again.window->TV1->nodeCount(), 6);
}

// ---------------------------------------------------------------- window events

void TestFrmMain::bareWindowPutsMainAreaOnTheStatusBar_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("timerStops");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("a tip") << QStringLiteral("Your startup action screen[C:\\LOGO.SYS]") << true;
    QTest::newRow("already Main Area") << QStringLiteral("Main Area") << false;
}

void TestFrmMain::bareWindowPutsMainAreaOnTheStatusBar() {
    QFETCH(QString, before);
    QFETCH(bool, timerStops);
    Run run(*m_env);
    frmMain& window = *run.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.StatusBar1->showMessage(before);
    window.Timer2->start();

    // A move to where the pointer already is would not be delivered.
    QWidget* client = window.centralWidget();
    QTest::mouseMove(client, QPoint(client->width() - 4, 61));
    QTest::mouseMove(client, QPoint(client->width() - 5, 60));
    QTRY_COMPARE(window.StatusBar1->currentMessage(), QStringLiteral("Main Area"));
    QCOMPARE(window.Timer2->isActive(), !timerStops);
}

void TestFrmMain::labelsAreNotTheBareWindow() {
    Run run(*m_env);
    frmMain& window = *run.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseMove(window.Label1, QPoint(3, 3));
    QTest::mouseClick(window.Label1, Qt::RightButton, {}, QPoint(3, 3));
    QTest::qWait(20);
    QCOMPARE(window.StatusBar1->currentMessage(), QString());
    QVERIFY(!window.MP->isVisible());
}

void TestFrmMain::rightReleasePopsUpMenus() {
    Run run(*m_env);
    frmMain& window = *run.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* client = window.centralWidget();
    const QPoint bare(client->width() - 5, 60);

    QTest::mouseClick(client, Qt::LeftButton, {}, bare);
    QVERIFY(!window.MP->isVisible());
    QTest::mouseClick(client, Qt::RightButton, {}, bare);
    QTRY_VERIFY(window.MP->isVisible());
    window.MP->hide();

    // Anywhere on the tree, also on a node.
    ImageLibrary* tree = window.TV1;
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {},
                      tree->visualItemRect(tree->topLevelItem(0)).center());
    QTRY_VERIFY(window.umBackset->isVisible());
    window.umBackset->hide();
    QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, QPoint(5, tree->viewport()->height() - 5));
    QTRY_VERIFY(window.umBackset->isVisible());
    window.umBackset->hide();
}

void TestFrmMain::toolbarDispatchesByKey() {
    Run run(*m_env);
    frmMain& window = *run.window;
    window.TV1_NodeClick(QStringLiteral("VanuBoot.bmp"));
    window.Toolbar1_ButtonClick(QStringLiteral("delete"));
    window.Toolbar1_ButtonClick(QStringLiteral(""));
    QVERIFY(!window.CurrentPicture->picture().isEmpty());
    QCOMPARE(run.ends(), 0);

    window.Toolbar1_ButtonClick(QStringLiteral("Delete"));
    QVERIFY(window.CurrentPicture->picture().isEmpty());

    // The toolbar's buttons carry these keys, and "Save" ends an unchanged run.
    QStringList keys;
    for (QAction* action : window.Toolbar1->actions())
        if (action->data().isValid())
            keys << action->data().toString();
    QCOMPARE(keys, QStringList({QStringLiteral("Open"), QStringLiteral("Save"), QStringLiteral("Delete"),
                                QStringLiteral("Find"), QStringLiteral("Restore")}));
    window.Toolbar1_ButtonClick(QStringLiteral("Save"));
    QCOMPARE(run.ends(), 1);
}

void TestFrmMain::tilesTheBackground() {
    Run run(*m_env);
    frmMain& window = *run.window;
    QImage tile(64, 48, QImage::Format_RGB32);
    tile.fill(Qt::red);
    tile.setPixel(0, 0, qRgb(0, 0, 255));
    window.Bild->setPicture(Picture(tile));
    QWidget* client = window.centralWidget();
    const QImage shot = client->grab().toImage();
    // Each tile starts at a multiple of its size; the last ones are cut at the edges.
    QCOMPARE(shot.pixel(64, 48), qRgb(0, 0, 255));
    QCOMPARE(shot.pixel(64 * 4, 48 * 8), qRgb(0, 0, 255));
    QCOMPARE(shot.pixel(client->width() - 1, 60), qRgb(255, 0, 0));
}

void TestFrmMain::tileOfZeroSizePaintsNothing() {
    Run run(*m_env);
    frmMain& window = *run.window;
    window.Bild->setPicture(Picture(QImage(0, 10, QImage::Format_RGB32)));
    const QImage shot = window.centralWidget()->grab().toImage();
    QCOMPARE(shot.pixel(shot.width() - 2, 60), qRgb(192, 192, 192));
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
