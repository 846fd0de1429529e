#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <fontconfig/fontconfig.h>
#include <thread>

namespace {

const QString MsSansSerifFile = QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf");
QString msSansSerifFamily = QStringLiteral("Sans Serif");

} // namespace

namespace Fonts {

void prepareInBackground() {
    std::thread([] { FcInit(); }).detach();
}

void registerFamilies() {
    const int id = QFontDatabase::addApplicationFont(MsSansSerifFile);
    if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
        msSansSerifFamily = QFontDatabase::applicationFontFamilies(id).constFirst();
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

QFont make(const QString& family, int points, bool bold) {
    QFont font(family);
    font.setPixelSize((points * 96 + 36) / 72);
    font.setBold(bold);
    return font;
}

QFont msSansSerif(int points, bool bold) {
    return make(msSansSerifFamily, points, bold);
}

QFont arial(int points, bool bold) {
    return make(QStringLiteral("Arial"), points, bold);
}

} // namespace Fonts
