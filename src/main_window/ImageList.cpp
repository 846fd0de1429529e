#include "main_window/ImageList.h"

#include <QStringList>

namespace ImageList {

QIcon icon(int index) {
    static const QStringList files = {QStringLiteral("open"),          QStringLiteral("save"),
                                      QStringLiteral("delete"),        QStringLiteral("find"),
                                      QStringLiteral("restore"),       QStringLiteral("category_standard"),
                                      QStringLiteral("category_user"), QStringLiteral("file")};
    if (index < 1 || index > Count)
        return {};
    return QIcon(QStringLiteral(":/icons/") + files.at(index - 1) + QStringLiteral(".xpm"));
}

} // namespace ImageList
