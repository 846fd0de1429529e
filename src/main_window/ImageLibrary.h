#pragma once

#include <QTreeWidget>

// The image library tree. Nodes are known by their position, 1-based in the order
// of creation and renumbered without gaps, and by their text; they have no keys.
// Positions 1 and 2 are the categories, 3 to 6 the standard screens, 7 on the
// user imports.
class ImageLibrary : public QTreeWidget {
    Q_OBJECT
public:
    static inline const QString StandardScreens = QStringLiteral("Standard screens");
    static inline const QString UserImports = QStringLiteral("User imports");
    static constexpr int FirstUserImport = 7;

    explicit ImageLibrary(QWidget* parent);

    // Adds the two categories and the four standard screens to an empty tree.
    void addFixedNodes();
    // Appends a user import as the last child of "User imports".
    void addUserImport(const QString& path);
    void removeUserImports();

    int nodeCount() const;
    QString nodeText(int position) const;

Q_SIGNALS:
    void nodeClicked(const QString& text);
    void rightButtonReleased();

protected:
    bool viewportEvent(QEvent* event) override;

private:
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& text, int icon);

    QList<QTreeWidgetItem*> m_nodes; // in order of creation
};
