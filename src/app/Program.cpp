#include "app/Program.h"

#include "app/LOGO.h"
#include "main_window/frmMain.h"
#include "platform/DriveMap.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <memory>

namespace {

bool hasDisplay() {
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The Windows 95 system colours: grey 3D faces, navy selection, white fields.
QPalette windows95Palette() {
    QPalette palette;
    const QColor face(192, 192, 192);
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::Light, Qt::white);
    palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
    palette.setColor(QPalette::Mid, QColor(160, 160, 160));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, face);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    return palette;
}

} // namespace

namespace Program {

void applyLook() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QApplication::setPalette(windows95Palette());
    Fonts::registerFamilies();
    QApplication::setFont(Fonts::msSansSerif());
}

int run(int argc, char* argv[]) {
    if (!hasDisplay()) {
        std::fputs("vanu-logo-manager needs a graphical display, and none was found (DISPLAY and "
                   "WAYLAND_DISPLAY are empty).\nStart it from a desktop session, or under a virtual X "
                   "server: xvfb-run ./vanu-logo-manager\n",
                   stderr);
        return 1;
    }
    Fonts::prepareInBackground();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vanu Logo Manager"));
    applyLook();
    // The program ends only through the main window's unload.
    QApplication::setQuitOnLastWindowClosed(false);
    DriveMap::ensureExists();

    auto* splash = new LOGO;
    std::unique_ptr<frmMain> main;
    splash->handOver = [&main, splash] {
        main = std::make_unique<frmMain>();
        main->load();
        splash->close();
        main->show();
    };
    splash->show();
    return QApplication::exec();
}

} // namespace Program
