#include "app/Icons.h"

#include "carry.xpm"
#include "category_standard.xpm"
#include "category_user.xpm"
#include "delete.xpm"
#include "drop.xpm"
#include "file.xpm"
#include "find.xpm"
#include "open.xpm"
#include "program.xpm"
#include "restore.xpm"
#include "save.xpm"

#include <QStringList>

namespace {

const char* const* xpmOf(Icon icon) {
    switch (icon) {
    case Icon::Program:
        return program_xpm;
    case Icon::Open:
        return open_xpm;
    case Icon::Save:
        return save_xpm;
    case Icon::Delete:
        return delete_xpm;
    case Icon::Find:
        return find_xpm;
    case Icon::Restore:
        return restore_xpm;
    case Icon::CategoryStandard:
        return category_standard_xpm;
    case Icon::CategoryUser:
        return category_user_xpm;
    case Icon::File:
        return file_xpm;
    case Icon::Carry:
        return carry_xpm;
    case Icon::Drop:
        return drop_xpm;
    }
    return program_xpm;
}

// The values line reads "width height colours characters [x_hot y_hot]".
QString hotSpotOf(const char* const* xpm) {
    const QStringList values = QString::fromLatin1(xpm[0]).split(u' ', Qt::SkipEmptyParts);
    return values.size() == 6 ? values.at(4) + u',' + values.at(5) : QString();
}

} // namespace

namespace Icons {

QImage image(Icon icon) {
    const char* const* xpm = xpmOf(icon);
    QImage picture(xpm);
    const QString hotSpot = hotSpotOf(xpm);
    if (!hotSpot.isEmpty())
        picture.setText(QStringLiteral("HotSpot"), hotSpot);
    return picture;
}

QPixmap pixmap(Icon icon) {
    return QPixmap::fromImage(image(icon));
}

} // namespace Icons
