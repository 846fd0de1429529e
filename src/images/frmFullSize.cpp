#include "images/frmFullSize.h"

#include "platform/Twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

namespace {

frmFullSize* loadedViewer = nullptr;

// Margin around the picture and between the picture and the button.
const int Margin = Twips::toPixels(120);
const QSize DesignClient = Twips::size(4092, 5616);
const QSize ButtonSize = Twips::size(1212, 372);

} // namespace

frmFullSize* frmFullSize::instance() {
    return loadedViewer;
}

frmFullSize& frmFullSize::load(QWidget* parent) {
    if (!loadedViewer)
        loadedViewer = new frmFullSize(parent);
    return *loadedViewer;
}

frmFullSize::frmFullSize(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmFullSize"));
    setWindowTitle(QStringLiteral("Full size"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_scroller = new QScrollArea(this);
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    m_scroller->setWidget(Image1);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);

    move(Twips::point(2424, 2016));
    fitToPicture();
}

frmFullSize::~frmFullSize() {
    if (loadedViewer == this)
        loadedViewer = nullptr;
}

void frmFullSize::setPicture(const Picture& picture) {
    m_picture = picture;
    Image1->setPixmap(picture.isEmpty() ? QPixmap() : QPixmap::fromImage(picture.image()));
    Image1->resize(picture.size().isValid() ? picture.size() : QSize(0, 0));
    fitToPicture();
}

void frmFullSize::showViewer() {
    show();
    raise();
    activateWindow();
}

// The design size, grown to hold the picture at its own size with the OK button
// centred below it; a picture larger than the screen scrolls.
void frmFullSize::fitToPicture() {
    const QSize pictureSize = m_picture.isEmpty() ? QSize(0, 0) : m_picture.size();
    QSize visible = pictureSize;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room =
            screen->availableGeometry().size() - QSize(4 * Margin, 8 * Margin + ButtonSize.height());
        visible = visible.boundedTo(room.expandedTo(QSize(1, 1)));
    }
    const QSize client(std::max(DesignClient.width(), visible.width() + 2 * Margin),
                       std::max(DesignClient.height(), visible.height() + 3 * Margin + ButtonSize.height()));
    m_scroller->setGeometry(QRect(QPoint(Margin, Margin), visible));
    Command1->setGeometry(QRect(
        QPoint((client.width() - ButtonSize.width()) / 2, client.height() - Margin - ButtonSize.height()),
        ButtonSize));
    setFixedSize(client);
}
