#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class PictureControl;

// Drag and drop between the picture controls of one window, begun by hand from a
// press handler. While the button is held the pointer shows the source's drag icon;
// the controls under the pointer are told when the drag enters, moves over and
// leaves them, and the one under the pointer at the release receives the drop.
class ManualDrag : public QObject {
    Q_OBJECT
public:
    enum State { Enter = 0, Leave = 1, Over = 2 };

    // Finds the picture control at a global position (nullptr for anything else).
    explicit ManualDrag(std::function<PictureControl*(const QPoint&)> controlAt, QObject* parent = nullptr);
    ~ManualDrag() override;

    void begin(PictureControl* source);
    bool isActive() const { return !m_source.isNull(); }
    PictureControl* source() const { return m_source; }

    // Called with the source's mouse events while the drag lasts.
    void moveTo(const QPoint& globalPosition);
    void dropAt(const QPoint& globalPosition);

Q_SIGNALS:
    void dragOver(PictureControl* target, PictureControl* source, int state);
    void dragDrop(PictureControl* target, PictureControl* source);

private:
    void showDragIcon();
    void finish();

    std::function<PictureControl*(const QPoint&)> m_controlAt;
    QPointer<PictureControl> m_source;
    QPointer<PictureControl> m_over;
    QMetaObject::Connection m_iconConnection;
};
