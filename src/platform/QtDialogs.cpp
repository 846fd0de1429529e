#include "platform/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// "Bitmaps (*.bmp)|*.bmp|Systemdateien (*.sys)|*.sys|" becomes the Qt filter list
// "Bitmaps (*.bmp);;Systemdateien (*.sys)": the descriptions already name the patterns.
QString toQtFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList descriptions;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts.at(i);
        const QString& pattern = parts.at(i + 1);
        descriptions << (description.contains(pattern) ? description
                                                       : description + QStringLiteral(" (") + pattern + u')');
    }
    return descriptions.join(QStringLiteral(";;"));
}

} // namespace

MsgAnswer QtDialogs::messageBox(QWidget* parent, const MessageBoxRequest& request) {
    QMessageBox box(
        toQtIcon(request.icon), request.title, request.text,
        request.buttons == MsgButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    if (request.buttons == MsgButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    const int answer = box.exec();
    if (request.buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

void QtDialogs::beep() {
    QApplication::beep();
}

std::optional<QString> QtDialogs::openFile(QWidget* parent, const OpenFileRequest& request) {
    const QString chosen =
        QFileDialog::getOpenFileName(parent, request.title, QString(), toQtFilter(request.filter));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}
