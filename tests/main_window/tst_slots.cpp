#include "Fixtures.h"
#include "MainWindowRun.h"
#include "ScriptedDialogs.h"
#include "TestEnvironment.h"
#include "app/Globals.h"
#include "images/frmFullSize.h"
#include "main_window/ImageLibrary.h"
#include "main_window/PictureControl.h"
#include "main_window/PictureHolder.h"
#include "platform/WindowsDir.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

QPoint centreIn(QWidget* window, QWidget* control) {
    return control->mapTo(window, control->rect().center());
}

// Mouse input through the window system, as a real pointer gives it: a pressed
// button keeps sending moves and the release to the control it was pressed on.
struct Pointer {
    frmMain& window;

    QWindow* handle() const { return window.windowHandle(); }
    void press(QWidget* control, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(handle(), button, {}, centreIn(&window, control));
    }
    // Two steps, since a move to where the pointer already is is not delivered.
    void moveTo(QWidget* control, QPoint offset = QPoint()) {
        QTest::mouseMove(handle(), centreIn(&window, control) + offset + QPoint(1, 1));
        QTest::mouseMove(handle(), centreIn(&window, control) + offset);
    }
    void release(QWidget* control, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(handle(), button, {}, centreIn(&window, control));
    }
    void click(QWidget* control, Qt::MouseButton button) {
        press(control, button);
        release(control, button);
    }
    void drag(QWidget* from, QWidget* to) {
        moveTo(from);
        press(from);
        moveTo(from, QPoint(3, 3));
        moveTo(to);
        moveTo(to, QPoint(2, 2));
        release(to);
    }
};

bool isIcon(const PictureControl* control, const PictureHolder* holder) {
    return control->DragIcon().isSameAs(holder->picture());
}

} // namespace

class TestSlots : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void leftPressBeginsADragOnlyWithAPicture_data();
    void leftPressBeginsADragOnlyWithAPicture();
    void dragIconFollowsTheTargets();
    void dropSharesThePicture();
    void dropOnItselfChangesNothing();
    void dropElsewhereChangesNothing();
    void otherButtonsDoNothing();
    void rightReleaseSetsThePopupTarget_data();
    void rightReleaseSetsThePopupTarget();
    void doubleClickShowsTheViewer();

    void tipsAppearAfterTheDelay();
    void tipTexts_data();
    void tipTexts();
    void tipFollowsTheCurrentImage();
    void bareWindowStopsTheTip();

    void viewerHasOneInstance();
    void viewerFitsTheScreenAndItsButton();

private:
    PictureControl* control(const QString& name) { return m_run->window().findChild<PictureControl*>(name); }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<MainWindowRun> m_run;
};

void TestSlots::init() {
    m_env = std::make_unique<TestEnvironment>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    TestEnvironment::writeFile(m_env->onDriveC(QStringLiteral("logo.sys")), Fixtures::screenBmp(1));
    TestEnvironment::writeFile(m_env->onDriveC(QStringLiteral("WINDOWS/logow.sys")), Fixtures::screenBmp(2));
    m_run = std::make_unique<MainWindowRun>(*m_env, true);
}

void TestSlots::cleanup() {
    m_run.reset();
    if (frmFullSize* viewer = frmFullSize::instance())
        delete viewer;
    QDir::setCurrent(QDir::tempPath());
    m_dialogs.reset();
    m_env.reset();
}

// ---------------------------------------------------------------- drag and drop

void TestSlots::leftPressBeginsADragOnlyWithAPicture_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("drags");
    QTest::newRow("slot with a picture") << QStringLiteral("Startlogo") << true;
    QTest::newRow("empty slot") << QStringLiteral("Shutdown") << false;
    QTest::newRow("empty preview") << QStringLiteral("CurrentPicture") << false;
}

void TestSlots::leftPressBeginsADragOnlyWithAPicture() {
    QFETCH(QString, source);
    QFETCH(bool, drags);
    frmMain& window = m_run->window();
    Pointer pointer{window};
    QVERIFY(!UnsavedChanges);

    pointer.moveTo(control(source));
    pointer.press(control(source));
    QCOMPARE(QApplication::overrideCursor() != nullptr, drags);
    QCOMPARE(isIcon(control(source), window.Image2), drags);
    // Any left press counts as a change, with or without a drag.
    QVERIFY(UnsavedChanges);
    pointer.release(control(source));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

// Over the source itself the carry icon stays; entering another picture control
// shows the drop icon, leaving it the carry icon again.
void TestSlots::dragIconFollowsTheTargets() {
    frmMain& window = m_run->window();
    Pointer pointer{window};
    PictureControl* source = window.Startlogo;
    pointer.moveTo(source);
    pointer.press(source);
    pointer.moveTo(source, QPoint(4, 4));
    QVERIFY(isIcon(source, window.Image2));
    pointer.moveTo(window.WaitForShutdown);
    QVERIFY(isIcon(source, window.Image1));
    pointer.moveTo(window.WaitForShutdown, QPoint(5, 0));
    QVERIFY(isIcon(source, window.Image1));
    pointer.moveTo(window.Command1);
    QVERIFY(isIcon(source, window.Image2));
    pointer.moveTo(source);
    QVERIFY(isIcon(source, window.Image2));
    pointer.release(source);
}

void TestSlots::dropSharesThePicture() {
    frmMain& window = m_run->window();
    Pointer pointer{window};
    window.TV1_NodeClick(QStringLiteral("VanuBoot.bmp"));

    pointer.drag(window.CurrentPicture, window.Shutdown);
    QVERIFY(window.Shutdown->picture().isSameAs(window.CurrentPicture->picture()));
    pointer.drag(window.WaitForShutdown, window.Startlogo);
    QVERIFY(window.Startlogo->picture().isSameAs(window.WaitForShutdown->picture()));
    QCOMPARE(window.Startlogo->picture().image(), Fixtures::screenImage(2));

    // A drop on the preview changes neither the current image nor its caption.
    pointer.drag(window.Startlogo, window.CurrentPicture);
    QCOMPARE(window.CurrentPicture->picture().image(), Fixtures::screenImage(2));
    QCOMPARE(CurrentImagePath, QStringLiteral("VanuBoot.bmp"));
    QCOMPARE(window.Label4->text(), QStringLiteral("CurrentImage[VanuBoot.bmp]"));

    // Shared pictures do not follow a later change of either control.
    window.TV1_NodeClick(QStringLiteral("VanuShut.bmp"));
    pointer.drag(window.CurrentPicture, window.WaitForShutdown);
    QCOMPARE(window.WaitForShutdown->picture().image(), Fixtures::screenImage(102));
    QCOMPARE(window.Startlogo->picture().image(), Fixtures::screenImage(2));
    QCOMPARE(window.Shutdown->picture().image(), Fixtures::screenImage(100));
}

void TestSlots::dropOnItselfChangesNothing() {
    frmMain& window = m_run->window();
    const Picture before = window.Startlogo->picture();
    Pointer pointer{window};
    pointer.drag(window.Startlogo, window.Startlogo);
    QVERIFY(window.Startlogo->picture().isSameAs(before));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestSlots::dropElsewhereChangesNothing() {
    frmMain& window = m_run->window();
    Pointer pointer{window};
    pointer.drag(window.Startlogo, window.TV1);
    pointer.drag(window.Startlogo, window.Label2);
    QVERIFY(window.Shutdown->picture().isEmpty());
    QVERIFY(window.CurrentPicture->picture().isEmpty());
    QCOMPARE(window.WaitForShutdown->picture().image(), Fixtures::screenImage(2));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestSlots::otherButtonsDoNothing() {
    frmMain& window = m_run->window();
    Pointer pointer{window};
    pointer.moveTo(window.Startlogo);
    pointer.click(window.Startlogo, Qt::MiddleButton);
    QVERIFY(!UnsavedChanges);
    QCOMPARE(PopupTarget, qint16(0));
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(!window.OtherPop->isVisible());
    QVERIFY(frmFullSize::instance() == nullptr);
}

void TestSlots::rightReleaseSetsThePopupTarget_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("menu");
    QTest::newRow("startup slot") << QStringLiteral("Startlogo") << 1 << QStringLiteral("OtherPop");
    QTest::newRow("wait slot") << QStringLiteral("WaitForShutdown") << 2 << QStringLiteral("OtherPop");
    QTest::newRow("shutdown slot, empty") << QStringLiteral("Shutdown") << 3 << QStringLiteral("OtherPop");
    QTest::newRow("preview") << QStringLiteral("CurrentPicture") << 4 << QStringLiteral("CP");
}

// The right click sets the target, gives the viewer the picture without showing it,
// and pops up the control's menu, whose "View full size" then shows that picture.
void TestSlots::rightReleaseSetsThePopupTarget() {
    QFETCH(QString, name);
    QFETCH(int, target);
    QFETCH(QString, menu);
    frmMain& window = m_run->window();
    Pointer pointer{window};
    pointer.moveTo(control(name));
    pointer.click(control(name), Qt::RightButton);

    QCOMPARE(PopupTarget, qint16(target));
    QVERIFY(!UnsavedChanges);
    auto* popup = window.findChild<QMenu*>(menu);
    QTRY_VERIFY(popup->isVisible());
    popup->hide();
    frmFullSize* viewer = frmFullSize::instance();
    QVERIFY(viewer && !viewer->isVisible());
    QVERIFY(viewer->picture().isSameAs(control(name)->picture()));

    (menu == QLatin1String("CP") ? window.umOSize : window.umOSize2)->trigger();
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->Image1->pixmap().isNull(), control(name)->picture().isEmpty());
}

// The first press of the double click begins a drag that ends on the same control;
// the double click still opens the viewer.
void TestSlots::doubleClickShowsTheViewer() {
    frmMain& window = m_run->window();
    Pointer pointer{window};
    pointer.moveTo(window.Startlogo);
    QTest::mouseDClick(pointer.handle(), Qt::LeftButton, {}, centreIn(&window, window.Startlogo));
    QTRY_VERIFY(frmFullSize::instance() && frmFullSize::instance()->isVisible());
    QVERIFY(frmFullSize::instance()->picture().isSameAs(window.Startlogo->picture()));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

// ---------------------------------------------------------------- status-bar tips

void TestSlots::tipsAppearAfterTheDelay() {
    frmMain& window = m_run->window();
    QVERIFY(!window.Timer2->isActive());
    QTest::qWait(600);
    QCOMPARE(window.StatusBar1->currentMessage(), QString());

    Pointer pointer{window};
    pointer.moveTo(window.Startlogo);
    QVERIFY(window.Timer2->isActive());
    QTest::qWait(300);
    QCOMPARE(window.StatusBar1->currentMessage(), QString());
    QTRY_COMPARE_WITH_TIMEOUT(window.StatusBar1->currentMessage(),
                              QStringLiteral("Your startup action screen[C:\\LOGO.SYS]"), 1000);
    QCOMPARE(TipIndex, qint16(3));
}

void TestSlots::tipTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tip");
    const QString windowsDir = QStringLiteral("C:\\WIN95");
    QTest::newRow("Save and exit") << QStringLiteral("Command1")
                                   << QStringLiteral("This will save all changes and exit the program");
    QTest::newRow("Exit") << QStringLiteral("Command2")
                          << QStringLiteral("This will exit the program without saving your changes");
    QTest::newRow("startup slot") << QStringLiteral("Startlogo")
                                  << QStringLiteral("Your startup action screen[C:\\LOGO.SYS]");
    QTest::newRow("wait slot") << QStringLiteral("WaitForShutdown")
                               << QStringLiteral("Your wait action screen[C:\\WIN95\\LOGOW.SYS]");
    QTest::newRow("shutdown slot") << QStringLiteral("Shutdown")
                                   << QStringLiteral("Your shutdown action screen[C:\\WIN95\\LOGOS.SYS]");
    QTest::newRow("preview") << QStringLiteral("CurrentPicture")
                             << QStringLiteral("CurrentImage[VanuWait.bmp]");
}

void TestSlots::tipTexts() {
    QFETCH(QString, name);
    QFETCH(QString, tip);
    TestEnvironment::writeFile(m_env->onDriveC(QStringLiteral("MSDOS.SYS")),
                               "[Paths]\r\nWinDir=C:\\WIN95\r\n");
    frmMain& window = m_run->window();
    window.TV1_NodeClick(QStringLiteral("VanuWait.bmp"));
    Pointer pointer{window};
    pointer.moveTo(window.findChild<QWidget*>(name));
    window.ShowTipsOnBar();
    QCOMPARE(window.StatusBar1->currentMessage(), tip);
}

void TestSlots::tipFollowsTheCurrentImage() {
    frmMain& window = m_run->window();
    Pointer pointer{window};
    window.TV1_NodeClick(QStringLiteral("VanuBoot.bmp"));
    pointer.moveTo(window.CurrentPicture);
    QTRY_COMPARE_WITH_TIMEOUT(window.StatusBar1->currentMessage(),
                              QStringLiteral("CurrentImage[VanuBoot.bmp]"), 1000);
    // The tree has no tip: resting there keeps the tip and the timer.
    pointer.moveTo(window.TV1);
    window.TV1_NodeClick(QStringLiteral("Roreror.bmp"));
    QTRY_COMPARE_WITH_TIMEOUT(window.StatusBar1->currentMessage(),
                              QStringLiteral("CurrentImage[Roreror.bmp]"), 1000);
    // Text put there by anything else is replaced again within a tick.
    window.StatusBar1->showMessage(QStringLiteral("something else"));
    QTRY_COMPARE_WITH_TIMEOUT(window.StatusBar1->currentMessage(),
                              QStringLiteral("CurrentImage[Roreror.bmp]"), 1000);
}

void TestSlots::bareWindowStopsTheTip() {
    frmMain& window = m_run->window();
    Pointer pointer{window};
    pointer.moveTo(window.Shutdown);
    QTRY_VERIFY_WITH_TIMEOUT(window.StatusBar1->currentMessage().startsWith(QStringLiteral("Your shutdown")),
                             1000);
    QWidget* client = window.centralWidget();
    QTest::mouseMove(pointer.handle(), client->mapTo(&window, QPoint(client->width() - 4, 60)));
    QCOMPARE(window.StatusBar1->currentMessage(), QStringLiteral("Main Area"));
    QVERIFY(!window.Timer2->isActive());
    QTest::qWait(600);
    QCOMPARE(window.StatusBar1->currentMessage(), QStringLiteral("Main Area"));
}

// ---------------------------------------------------------------- viewer

void TestSlots::viewerHasOneInstance() {
    frmMain& window = m_run->window();
    Pointer pointer{window};
    pointer.moveTo(window.Startlogo);
    QTest::mouseDClick(pointer.handle(), Qt::LeftButton, {}, centreIn(&window, window.Startlogo));
    QTRY_VERIFY(frmFullSize::instance() && frmFullSize::instance()->isVisible());
    frmFullSize* viewer = frmFullSize::instance();
    QCOMPARE(viewer->Image1->pixmap().size(), QSize(320, 400));
    const QPoint place = viewer->pos();

    // A double click elsewhere replaces the picture in the same window, which stays put.
    pointer.moveTo(window.WaitForShutdown);
    QTest::mouseDClick(pointer.handle(), Qt::LeftButton, {}, centreIn(&window, window.WaitForShutdown));
    QTRY_VERIFY(viewer->picture().isSameAs(window.WaitForShutdown->picture()));
    QCOMPARE(frmFullSize::instance(), viewer);
    QCOMPARE(viewer->pos(), place);

    // A new drop on the shown slot does not change the viewer.
    const Picture shown = viewer->picture();
    pointer.drag(window.Startlogo, window.WaitForShutdown);
    QVERIFY(viewer->picture().isSameAs(shown));

    // An empty slot gives an empty viewer.
    pointer.moveTo(window.Shutdown);
    pointer.click(window.Shutdown, Qt::RightButton);
    window.OtherPop->hide();
    window.umOSize2->trigger();
    QVERIFY(viewer->picture().isEmpty());
    QVERIFY(viewer->Image1->pixmap().isNull());

    // "OK" discards it; the next use makes a fresh one.
    QPointer<frmFullSize> old = viewer;
    QTest::mouseClick(viewer->Command1, Qt::LeftButton);
    QTRY_VERIFY(old.isNull());
    QVERIFY(frmFullSize::instance() == nullptr);
    pointer.moveTo(window.Startlogo);
    pointer.click(window.Startlogo, Qt::RightButton);
    window.OtherPop->hide();
    window.umOSize2->trigger();
    QVERIFY(frmFullSize::instance() && frmFullSize::instance()->isVisible());
    QVERIFY(frmFullSize::instance()->picture().isSameAs(window.Startlogo->picture()));
}

void TestSlots::viewerFitsTheScreenAndItsButton() {
    frmFullSize& viewer = frmFullSize::load(&m_run->window());
    viewer.setPicture(m_run->window().Startlogo->picture());
    viewer.showViewer();
    const QRect picture(viewer.Image1->mapTo(&viewer, QPoint(0, 0)), viewer.Image1->size());
    QCOMPARE(picture.size(), QSize(320, 400));
    QVERIFY(viewer.rect().contains(picture));
    QVERIFY(viewer.rect().contains(viewer.Command1->geometry()));
    QVERIFY(!picture.intersects(viewer.Command1->geometry()));
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Full size"));
}

QTEST_MAIN(TestSlots)
#include "tst_slots.moc"
