#include "main_window/ImageLibrary.h"

#include "main_window/ImageList.h"

#include <QMouseEvent>

namespace {

const QStringList StandardScreenFiles = {QStringLiteral("VanuBoot.bmp"), QStringLiteral("VanuWait.bmp"),
                                         QStringLiteral("VanuShut.bmp"), QStringLiteral("Roreror.bmp")};

constexpr int StandardCategoryIcon = 6;
constexpr int UserCategoryIcon = 7;
constexpr int FileIcon = 8;

} // namespace

ImageLibrary::ImageLibrary(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("TV1"));
    setHeaderHidden(true);
    setColumnCount(1);
    setIconSize(QSize(16, 16));
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { Q_EMIT nodeClicked(item->text(0)); });
}

void ImageLibrary::addFixedNodes() {
    addNode(nullptr, StandardScreens, StandardCategoryIcon);
    addNode(nullptr, UserImports, UserCategoryIcon);
    for (const QString& file : StandardScreenFiles)
        addNode(m_nodes.at(0), file, FileIcon);
}

void ImageLibrary::addUserImport(const QString& path) {
    if (m_nodes.size() >= 2)
        addNode(m_nodes.at(1), path, FileIcon);
}

void ImageLibrary::removeUserImports() {
    while (m_nodes.size() >= FirstUserImport)
        delete m_nodes.takeLast();
}

int ImageLibrary::nodeCount() const {
    return static_cast<int>(m_nodes.size());
}

QString ImageLibrary::nodeText(int position) const {
    if (position < 1 || position > nodeCount())
        return {};
    return m_nodes.at(position - 1)->text(0);
}

QTreeWidgetItem* ImageLibrary::addNode(QTreeWidgetItem* parent, const QString& text, int icon) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, text);
    item->setIcon(0, ImageList::icon(icon));
    m_nodes << item;
    return item;
}

bool ImageLibrary::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        const bool handled = QTreeWidget::viewportEvent(event);
        Q_EMIT rightButtonReleased();
        return handled;
    }
    return QTreeWidget::viewportEvent(event);
}
