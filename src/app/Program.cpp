#include "app/Program.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMainWindow>
#include <QStyleFactory>
#include <cstdio>

#include "platform/DriveMap.h"

namespace {

const char* const MsSansSerifFile = "/usr/share/wine/fonts/ms_sans_serif.ttf";

bool hasDisplay() {
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

namespace Program {

void applyLook() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QString family = QStringLiteral("Sans Serif");
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(MsSansSerifFile));
    if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
        family = QFontDatabase::applicationFontFamilies(id).constFirst();
    QFont font(family, 8);
    QApplication::setFont(font);
}

int run(int argc, char* argv[]) {
    if (!hasDisplay()) {
        std::fputs("vanu-logo-manager needs a graphical display, and none was found (DISPLAY and "
                   "WAYLAND_DISPLAY are empty).\nStart it from a desktop session, or under a virtual X "
                   "server: xvfb-run ./vanu-logo-manager\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vanu Logo Manager"));
    applyLook();
    DriveMap::ensureExists();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Vanu Logo Manager"));
    window.show();
    return QApplication::exec();
}

} // namespace Program
