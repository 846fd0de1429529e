#pragma once

#include "app/ScreenFiles.h"
#include "platform/Picture.h"

#include <QDialog>

class frmMain;
class QLabel;
class QProgressBar;
class QTimer;

// The install window: once it is up, its timer runs the install job, which writes
// the three slot pictures over the system's screen files, shows the hint and ends
// the program. It has no close box; the job is its only way out.
class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(frmMain& main);

    QLabel* Label1;
    QProgressBar* ProgressBar1;
    QTimer* Timer1;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Timer1_Timer();
    void animateProgress();
    // Writes one slot's picture over its screen file; true when there was nothing
    // to write or the write succeeded.
    bool installScreen(const Picture& picture, Screen screen);
    void reportFailures(const QStringList& files);
    bool hintTurnedOff() const;
    void unload();

    frmMain& m_main;
    bool m_jobDone = false;
};
