#include "MainWindowRun.h"

#include "Fixtures.h"
#include "app/Globals.h"

#include <QTest>

MainWindowRun::MainWindowRun(TestEnvironment& environment, bool show) {
    prepareProgramFolder(environment);
    resetGlobals();
    m_window = std::make_unique<frmMain>();
    m_window->endProgram = [this] { ++m_ends; };
    m_window->load();
    if (show) {
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            qWarning("the main window was not exposed");
    }
}

MainWindowRun::~MainWindowRun() {
    m_window->close();
}

void MainWindowRun::prepareProgramFolder(TestEnvironment& environment) {
    const QString folder = environment.root() + QStringLiteral("/program");
    if (!QDir(folder).exists()) {
        QDir().mkpath(folder);
        for (int i = 0; i < StandardScreens.size(); ++i)
            TestEnvironment::writeFile(folder + u'/' + StandardScreens.at(i), Fixtures::screenBmp(100 + i));
    }
    QDir::setCurrent(folder);
}
