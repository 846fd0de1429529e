#include "install/Form2.h"

#include "app/SettingsStore.h"
#include "install/Form3.h"
#include "main_window/PictureControl.h"
#include "main_window/frmMain.h"
#include "platform/Dialogs.h"
#include "platform/DosFileSystem.h"
#include "platform/FileExists.h"
#include "platform/StartAfterFirstPaint.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

Form2::Form2(frmMain& main)
    : QDialog(&main, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_main(main) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Installing..."));
    setFixedSize(Twips::size(3132, 1104));

    Label1 = new QLabel(QStringLiteral("Copying screen files..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(Twips::rect(120, 120, 2892, 252));

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(Twips::rect(120, 600, 2892, 372));
    ProgressBar1->setTextVisible(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
    // The job starts with the window on the screen, so the user sees the progress.
    new StartAfterFirstPaint(this, Timer1);

    // Centred on the main window, from outer sizes. This window has no frame yet, so
    // it is taken to get one like the main window's.
    const QRect outer = main.frameGeometry();
    const QSize ownOuter = size() + (outer.size() - main.geometry().size());
    move(outer.left() + outer.width() / 2 - ownOuter.width() / 2,
         outer.top() + outer.height() / 2 - ownOuter.height() / 2);
}

void Form2::Timer1_Timer() {
    Timer1->stop();
    animateProgress();

    const std::pair<PictureControl*, Screen> writes[] = {{m_main.Startlogo, Screen::Startup},
                                                         {m_main.WaitForShutdown, Screen::Wait},
                                                         {m_main.Shutdown, Screen::Shutdown}};
    QStringList failed;
    for (const auto& [slot, screen] : writes) {
        if (!installScreen(slot->picture(), screen))
            failed << ScreenFiles::live(screen);
    }

    ProgressBar1->hide();
    ProgressBar1->setValue(ProgressBar1->minimum());
    // The hint says the screens were installed, so it only follows a full success.
    if (!failed.isEmpty()) {
        reportFailures(failed);
    } else if (!hintTurnedOff()) {
        Form3 hint(this);
        hint.exec();
    }
    unload();
}

// The bar runs full before any file is written. No events are processed meanwhile,
// so each position is painted at once.
void Form2::animateProgress() {
    ProgressBar1->setRange(0, 250);
    ProgressBar1->setVisible(true);
    ProgressBar1->setValue(ProgressBar1->minimum());
    for (int position = 0; position <= 250; ++position) {
        ProgressBar1->setValue(position);
        ProgressBar1->repaint();
    }
}

// The system's own screen is copied to its backup before it is first replaced, so
// that it can always be restored; without that copy the screen is not replaced.
bool Form2::installScreen(const Picture& picture, Screen screen) {
    if (picture.isEmpty())
        return true;
    const QString live = ScreenFiles::live(screen);
    const QString backup = ScreenFiles::backup(screen);
    if (FileExists(live) && !FileExists(backup) && !DosFileSystem::copyFile(live, backup))
        return false;
    return DosFileSystem::savePicture(picture, live);
}

void Form2::reportFailures(const QStringList& files) {
    Dialogs::current().messageBox(
        this, {QStringLiteral("Error"),
               QStringLiteral("These screen files could not be written:\n\n") + files.join(u'\n'),
               MsgIcon::Critical, MsgButtons::Ok});
}

bool Form2::hintTurnedOff() const {
    const QString text = SettingsStore().get(QStringLiteral("Main"), QStringLiteral("Don'tShowHintAgain"),
                                             QStringLiteral("0"));
    return SettingsStore::toBoolean(text).value_or(false);
}

// Unloading the install window unloads the main window, which ends the program.
void Form2::unload() {
    m_jobDone = true;
    accept();
    m_main.close();
}

// No close box, no Escape: the job is the only way out.
void Form2::closeEvent(QCloseEvent* event) {
    if (!m_jobDone)
        event->ignore();
}

void Form2::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}
