#include "main_window/CursorIcon.h"

#include <QFile>
#include <QPixmap>
#include <QRegularExpression>

namespace {

const QString HotSpotKey = QStringLiteral("HotSpot");

// The values line of an XPM file: "width height colours chars [x_hot y_hot]".
QString hotSpotOf(const QString& xpmFile) {
    QFile file(xpmFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression values(
        QStringLiteral("\"\\s*\\d+\\s+\\d+\\s+\\d+\\s+\\d+\\s+(\\d+)\\s+(\\d+)"));
    const QRegularExpressionMatch match = values.match(QString::fromLatin1(file.read(4096)));
    return match.hasMatch() ? match.captured(1) + u',' + match.captured(2) : QString();
}

} // namespace

namespace CursorIcon {

QImage load(const QString& xpmFile) {
    QImage icon(xpmFile);
    const QString hotSpot = hotSpotOf(xpmFile);
    if (!icon.isNull() && !hotSpot.isEmpty())
        icon.setText(HotSpotKey, hotSpot);
    return icon;
}

QCursor cursor(const QImage& icon) {
    const QStringList hotSpot = icon.text(HotSpotKey).split(u',');
    if (hotSpot.size() != 2)
        return QCursor(QPixmap::fromImage(icon));
    return QCursor(QPixmap::fromImage(icon), hotSpot.at(0).toInt(), hotSpot.at(1).toInt());
}

} // namespace CursorIcon
