#include "Fixtures.h"
#include "MainWindowRun.h"
#include "ScriptedDialogs.h"
#include "TestEnvironment.h"
#include "app/Globals.h"
#include "app/SettingsStore.h"
#include "install/Form2.h"
#include "install/Form3.h"
#include "main_window/PictureControl.h"
#include "platform/FileAttributes.h"
#include "platform/PictureFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <sys/stat.h>

namespace {

const QString StartupFile = QStringLiteral("logo.sys");
const QString WaitFile = QStringLiteral("WINDOWS/logow.sys");
const QString ShutdownFile = QStringLiteral("WINDOWS/logos.sys");

// Answers the hint window when the install job shows it: ticks its box if asked,
// then presses OK (or closes it another way). Also notes what the install window
// showed while the hint was up.
class HintAnswerer : public QObject {
public:
    enum class Answer { Ok, TickAndOk, TickAndClose };

    explicit HintAnswerer(Answer answer) : m_answer(answer) {
        connect(&m_poll, &QTimer::timeout, this, &HintAnswerer::poll);
        m_poll.start(5);
    }

    int shown = 0;
    bool progressHidden = false;
    bool labelVisible = false;

private:
    void poll() {
        auto* hint = qobject_cast<Form3*>(QApplication::activeModalWidget());
        if (!hint)
            return;
        ++shown;
        if (auto* install = qobject_cast<Form2*>(hint->parentWidget())) {
            progressHidden = !install->ProgressBar1->isVisible() && install->ProgressBar1->value() == 0;
            labelVisible = install->Label1->isVisible();
        }
        if (m_answer != Answer::Ok)
            hint->Check1->setChecked(true);
        if (m_answer == Answer::TickAndClose)
            hint->close();
        else
            QTest::mouseClick(hint->Command1, Qt::LeftButton);
    }

    Answer m_answer;
    QTimer m_poll;
};

// Shows a standard screen in the preview and drops it on all three slots.
void putInEverySlot(frmMain& window, const QString& standardScreen) {
    window.TV1_NodeClick(standardScreen);
    for (PictureControl* slot : {window.Startlogo, window.WaitForShutdown, window.Shutdown})
        slot->setPicture(window.CurrentPicture->picture());
}

void makeReadOnly(const QString& hostPath) {
    ::chmod(QFile::encodeName(hostPath).constData(), 0444);
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void exitPaths_data();
    void exitPaths();
    void installWritesTheSlots();
    void emptySlotLeavesItsFileAlone();
    void failedWritesAreReported_data();
    void failedWritesAreReported();
    void systemScreensAreBackedUpBeforeTheFirstInstall();
    void existingBackupsAreNeverTouched();
    void hintSetting_data();
    void hintSetting();
    void hintCheckBox_data();
    void hintCheckBox();
    void installWindowIsCentredAndCannotBeClosed();

private:
    void writeScreens();
    // Runs the install job through "Save and exit"; a HintAnswerer answers the hint.
    void install();
    QByteArray onC(const QString& relative) const {
        return TestEnvironment::readFile(m_env->onDriveC(relative));
    }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<MainWindowRun> m_run;
};

void TestInstall::init() {
    m_env = std::make_unique<TestEnvironment>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
}

void TestInstall::cleanup() {
    m_run.reset();
    QDir::setCurrent(QDir::tempPath());
    m_dialogs.reset();
    m_env.reset();
}

void TestInstall::writeScreens() {
    TestEnvironment::writeFile(m_env->onDriveC(StartupFile), Fixtures::screenBmp(1));
    TestEnvironment::writeFile(m_env->onDriveC(WaitFile), Fixtures::screenBmp(2));
    TestEnvironment::writeFile(m_env->onDriveC(ShutdownFile), Fixtures::screenBmp(3));
}

void TestInstall::install() {
    UnsavedChanges = true;
    m_run->window().Command1->click();
}

// ---------------------------------------------------------------- ways out

void TestInstall::exitPaths_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer"); // to "Save changes?": 1 Yes, 0 No, -1 not asked
    QTest::addColumn<bool>("installs");
    QTest::newRow("Save and exit, no change") << "Command1" << false << -1 << false;
    QTest::newRow("Save and exit, changed") << "Command1" << true << -1 << true;
    QTest::newRow("toolbar Save, changed") << "Toolbar Save" << true << -1 << true;
    QTest::newRow("Exit button, changed") << "Command2" << true << -1 << false;
    QTest::newRow("Exit item, no change") << "umExit" << false << -1 << false;
    QTest::newRow("Exit item, Yes") << "umExit" << true << 1 << true;
    QTest::newRow("Exit item, No") << "umExit" << true << 0 << false;
    QTest::newRow("popup Exit, Yes") << "umEnde" << true << 1 << true;
    QTest::newRow("close box, changed") << "close" << true << -1 << false;
}

void TestInstall::exitPaths() {
    QFETCH(QString, way);
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(bool, installs);
    writeScreens();
    SettingsStore().save(QStringLiteral("Recent"), QStringLiteral("RecentFile7"),
                         QStringLiteral("C:\\mine.bmp"));
    m_run = std::make_unique<MainWindowRun>(*m_env);
    frmMain& window = m_run->window();
    window.TV1_NodeClick(QStringLiteral("VanuBoot.bmp"));
    window.Startlogo->setPicture(window.CurrentPicture->picture());
    UnsavedChanges = changed;
    if (answer >= 0)
        m_dialogs->answers << (answer == 1 ? MsgAnswer::Yes : MsgAnswer::No);
    HintAnswerer hint(HintAnswerer::Answer::Ok);

    if (way == QLatin1String("Command1"))
        window.Command1->click();
    else if (way == QLatin1String("Toolbar Save"))
        window.Toolbar1_ButtonClick(QStringLiteral("Save"));
    else if (way == QLatin1String("Command2"))
        window.Command2->click();
    else if (way == QLatin1String("umExit"))
        window.umExit->trigger();
    else if (way == QLatin1String("umEnde"))
        window.umEnde->trigger();
    else
        window.close();

    QCOMPARE(m_run->ends(), 1);
    QCOMPARE(m_dialogs->boxes.size(), answer >= 0 ? 1 : 0);
    if (answer >= 0) {
        QCOMPARE(m_dialogs->boxes.at(0).text, QStringLiteral("Save changes?"));
        QCOMPARE(m_dialogs->boxes.at(0).title, QStringLiteral("Vanu Logo Manager"));
        QCOMPARE(m_dialogs->boxes.at(0).icon, MsgIcon::Question);
        QCOMPARE(m_dialogs->boxes.at(0).buttons, MsgButtons::YesNo);
    }
    QCOMPARE(onC(StartupFile) != Fixtures::screenBmp(1), installs);
    QCOMPARE(hint.shown, installs ? 1 : 0);
    // Every way out saves the user imports.
    QCOMPARE(SettingsStore().get(QStringLiteral("Recent"), QStringLiteral("RecentFile7")),
             QStringLiteral("C:\\mine.bmp"));
    // Ending twice is not possible: a later close does nothing more.
    window.close();
    QCOMPARE(m_run->ends(), 1);
}

// ---------------------------------------------------------------- the job

// Each slot's picture is written over its screen file, as the picture itself (not
// the shrunk view) with its palette and biClrImportant.
void TestInstall::installWritesTheSlots() {
    writeScreens();
    TestEnvironment::writeFile(m_env->root() + QStringLiteral("/program/VanuBoot.bmp"),
                               Fixtures::screenBmp(100, QSize(320, 400), 236));
    m_run = std::make_unique<MainWindowRun>(*m_env);
    frmMain& window = m_run->window();
    window.TV1_NodeClick(QStringLiteral("VanuBoot.bmp"));
    window.Startlogo->setPicture(window.CurrentPicture->picture());
    window.Shutdown->setPicture(window.WaitForShutdown->picture());
    HintAnswerer hint(HintAnswerer::Answer::Ok);
    install();

    QCOMPARE(onC(StartupFile), Fixtures::screenBmp(100, QSize(320, 400), 236));
    QCOMPARE(PictureFile::decode(onC(ShutdownFile)).picture.image(), Fixtures::screenImage(2));
    QCOMPARE(PictureFile::decode(onC(WaitFile)).picture.image(), Fixtures::screenImage(2));
    QCOMPARE(hint.shown, 1);
    QVERIFY(hint.progressHidden);
    QVERIFY(hint.labelVisible);
    QVERIFY(m_dialogs->boxes.isEmpty());
    QCOMPARE(m_run->ends(), 1);
}

void TestInstall::emptySlotLeavesItsFileAlone() {
    writeScreens();
    m_run = std::make_unique<MainWindowRun>(*m_env);
    frmMain& window = m_run->window();
    window.WaitForShutdown->setPicture(Picture());
    window.Startlogo->setPicture(window.Shutdown->picture());
    HintAnswerer hint(HintAnswerer::Answer::Ok);
    install();

    QCOMPARE(onC(WaitFile), Fixtures::screenBmp(2));
    QCOMPARE(PictureFile::decode(onC(StartupFile)).picture.image(), Fixtures::screenImage(3));
    QCOMPARE(hint.shown, 1);
    QVERIFY(m_dialogs->boxes.isEmpty());
}

// A write that fails is named in one error message; the other writes are still
// made, no hint claims success, and the program still ends.
void TestInstall::failedWritesAreReported_data() {
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QStringList>("named");
    QTest::newRow("read-only startup screen") << "read-only" << QStringList{QStringLiteral("C:\\logo.sys")};
    QTest::newRow("no Windows directory")
        << "no windows"
        << QStringList{QStringLiteral("C:\\WIN\\logow.sys"), QStringLiteral("C:\\WIN\\logos.sys")};
}

void TestInstall::failedWritesAreReported() {
    QFETCH(QString, failure);
    QFETCH(QStringList, named);
    writeScreens();
    m_run = std::make_unique<MainWindowRun>(*m_env);
    frmMain& window = m_run->window();
    putInEverySlot(window, QStringLiteral("VanuBoot.bmp"));
    if (failure == QLatin1String("read-only"))
        makeReadOnly(m_env->onDriveC(StartupFile));
    else
        TestEnvironment::writeFile(m_env->onDriveC(QStringLiteral("MSDOS.SYS")),
                                   "[Paths]\r\nWinDir=C:\\WIN\r\n");
    HintAnswerer hint(HintAnswerer::Answer::Ok);
    install();

    QCOMPARE(hint.shown, 0);
    QCOMPARE(m_dialogs->boxes.size(), 1);
    const MessageBoxRequest& box = m_dialogs->boxes.at(0);
    QCOMPARE(box.title, QStringLiteral("Error"));
    QCOMPARE(box.icon, MsgIcon::Critical);
    for (const QString& file : named)
        QVERIFY2(box.text.contains(file), qPrintable(box.text));
    QCOMPARE(box.text.count(QStringLiteral(".sys")), named.size());
    QCOMPARE(m_run->ends(), 1);
    const QImage boot = Fixtures::screenImage(100);
    if (failure == QLatin1String("read-only")) {
        QCOMPARE(onC(StartupFile), Fixtures::screenBmp(1));
        QCOMPARE(PictureFile::decode(onC(WaitFile)).picture.image(), boot);
        QCOMPARE(PictureFile::decode(onC(ShutdownFile)).picture.image(), boot);
    } else {
        QCOMPARE(PictureFile::decode(onC(StartupFile)).picture.image(), boot);
        QVERIFY(!QDir(m_env->onDriveC(QStringLiteral("WIN"))).exists());
    }
}

// Drive C: pointed at an installation whose screens were never backed up (the
// store already had its first run): the install backs them up before replacing them.
void TestInstall::systemScreensAreBackedUpBeforeTheFirstInstall() {
    SettingsStore().save(QStringLiteral("Main"), QStringLiteral("1st time"), QStringLiteral("True"));
    writeScreens();
    m_run = std::make_unique<MainWindowRun>(*m_env);
    frmMain& window = m_run->window();
    QVERIFY(!QFile::exists(m_env->onDriveC(QStringLiteral("AltesLogo.sys"))));
    putInEverySlot(window, QStringLiteral("VanuWait.bmp"));
    HintAnswerer hint(HintAnswerer::Answer::Ok);
    install();

    QCOMPARE(onC(QStringLiteral("AltesLogo.sys")), Fixtures::screenBmp(1));
    QCOMPARE(onC(QStringLiteral("WINDOWS/AltesLogow.sys")), Fixtures::screenBmp(2));
    QCOMPARE(onC(QStringLiteral("WINDOWS/AltesLogos.sys")), Fixtures::screenBmp(3));
    QCOMPARE(PictureFile::decode(onC(StartupFile)).picture.image(), Fixtures::screenImage(101));
}

void TestInstall::existingBackupsAreNeverTouched() {
    writeScreens();
    { MainWindowRun firstRun(*m_env); } // makes the backups
    TestEnvironment::writeFile(m_env->onDriveC(StartupFile), Fixtures::screenBmp(9));
    QFile::remove(m_env->onDriveC(QStringLiteral("WINDOWS/AltesLogos.sys")));
    m_run = std::make_unique<MainWindowRun>(*m_env);
    frmMain& window = m_run->window();
    putInEverySlot(window, QStringLiteral("Roreror.bmp"));
    HintAnswerer hint(HintAnswerer::Answer::Ok);
    install();

    QCOMPARE(onC(QStringLiteral("AltesLogo.sys")), Fixtures::screenBmp(1));
    QCOMPARE(onC(QStringLiteral("WINDOWS/AltesLogow.sys")), Fixtures::screenBmp(2));
    // The missing one is made from the screen that is being replaced.
    QCOMPARE(onC(QStringLiteral("WINDOWS/AltesLogos.sys")), Fixtures::screenBmp(3));
    QCOMPARE(PictureFile::decode(onC(ShutdownFile)).picture.image(), Fixtures::screenImage(103));
}

// ---------------------------------------------------------------- the hint

void TestInstall::hintSetting_data() {
    QTest::addColumn<QString>("stored"); // empty: absent
    QTest::addColumn<bool>("hintShown");
    QTest::newRow("absent") << QString() << true;
    QTest::newRow("True") << QStringLiteral("True") << false;
    QTest::newRow("nonzero number") << QStringLiteral("-1") << false;
    QTest::newRow("False") << QStringLiteral("false") << true;
    QTest::newRow("zero") << QStringLiteral("0") << true;
    QTest::newRow("not a Boolean") << QStringLiteral("sometimes") << true;
}

void TestInstall::hintSetting() {
    QFETCH(QString, stored);
    QFETCH(bool, hintShown);
    if (!stored.isEmpty())
        SettingsStore().save(QStringLiteral("Main"), QStringLiteral("Don'tShowHintAgain"), stored);
    writeScreens();
    m_run = std::make_unique<MainWindowRun>(*m_env);
    HintAnswerer hint(HintAnswerer::Answer::Ok);
    install();
    QCOMPARE(hint.shown, hintShown ? 1 : 0);
    QCOMPARE(m_run->ends(), 1);
}

void TestInstall::hintCheckBox_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("stored");
    QTest::newRow("OK, not ticked") << int(HintAnswerer::Answer::Ok) << QString();
    QTest::newRow("ticked, OK") << int(HintAnswerer::Answer::TickAndOk) << QStringLiteral("True");
    QTest::newRow("ticked, closed") << int(HintAnswerer::Answer::TickAndClose) << QString();
}

void TestInstall::hintCheckBox() {
    QFETCH(int, answer);
    QFETCH(QString, stored);
    writeScreens();
    m_run = std::make_unique<MainWindowRun>(*m_env);
    HintAnswerer hint(static_cast<HintAnswerer::Answer>(answer));
    install();
    QCOMPARE(hint.shown, 1);
    QCOMPARE(SettingsStore().get(QStringLiteral("Main"), QStringLiteral("Don'tShowHintAgain")), stored);
}

void TestInstall::installWindowIsCentredAndCannotBeClosed() {
    m_run = std::make_unique<MainWindowRun>(*m_env, true);
    frmMain& window = m_run->window();
    Form2 form(window);
    form.Timer1->setInterval(60 * 60 * 1000); // keep the job from starting
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect main = window.frameGeometry();
    const QRect own = form.frameGeometry();
    QVERIFY(qAbs(own.center().x() - main.center().x()) <= 1);
    QVERIFY(qAbs(own.center().y() - main.center().y()) <= 1);
    form.close();
    QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(form.isVisible());
    QCOMPARE(form.windowTitle(), QStringLiteral("Installing..."));
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
