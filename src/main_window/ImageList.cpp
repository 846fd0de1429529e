#include "main_window/ImageList.h"

#include "app/Icons.h"

#include <array>

namespace ImageList {

QIcon icon(int index) {
    static const std::array<QIcon, Count> icons = {
        QIcon(Icons::pixmap(Icon::Open)),         QIcon(Icons::pixmap(Icon::Save)),
        QIcon(Icons::pixmap(Icon::Delete)),       QIcon(Icons::pixmap(Icon::Find)),
        QIcon(Icons::pixmap(Icon::Restore)),      QIcon(Icons::pixmap(Icon::CategoryStandard)),
        QIcon(Icons::pixmap(Icon::CategoryUser)), QIcon(Icons::pixmap(Icon::File))};
    if (index < 1 || index > Count)
        return {};
    return icons.at(static_cast<size_t>(index - 1));
}

} // namespace ImageList
