#include "app/ScreenFiles.h"

#include "platform/WindowsDir.h"

namespace {

QString inPlace(Screen screen, const QString& startupName, const QString& waitName,
                const QString& shutdownName) {
    switch (screen) {
    case Screen::Startup:
        return QStringLiteral("C:\\") + startupName;
    case Screen::Wait:
        return WindowsDir() + u'\\' + waitName;
    case Screen::Shutdown:
        return WindowsDir() + u'\\' + shutdownName;
    }
    return {};
}

} // namespace

namespace ScreenFiles {

QString live(Screen screen) {
    return inPlace(screen, QStringLiteral("logo.sys"), QStringLiteral("logow.sys"),
                   QStringLiteral("logos.sys"));
}

QString backup(Screen screen) {
    return inPlace(screen, QStringLiteral("AltesLogo.sys"), QStringLiteral("AltesLogow.sys"),
                   QStringLiteral("AltesLogos.sys"));
}

} // namespace ScreenFiles
