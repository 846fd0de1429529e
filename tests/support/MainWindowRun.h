#pragma once

#include "TestEnvironment.h"
#include "main_window/frmMain.h"

#include <QDir>
#include <QStringList>
#include <memory>

// One run of the program's main window against a TestEnvironment: the standard
// screens (made by Fixtures, seeds 100 to 103) in a private program folder that is
// the current directory, the window loaded, and ending the program counted instead
// of quitting.
class MainWindowRun {
public:
    static inline const QStringList StandardScreens = {
        QStringLiteral("VanuBoot.bmp"), QStringLiteral("VanuWait.bmp"), QStringLiteral("VanuShut.bmp"),
        QStringLiteral("Roreror.bmp")};

    explicit MainWindowRun(TestEnvironment& environment, bool show = false);
    ~MainWindowRun();

    // Makes the standard screens in the program folder and enters it.
    static void prepareProgramFolder(TestEnvironment& environment);

    frmMain& window() { return *m_window; }
    int ends() const { return m_ends; }

private:
    std::unique_ptr<frmMain> m_window;
    int m_ends = 0;
};
