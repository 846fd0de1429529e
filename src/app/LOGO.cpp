#include "app/LOGO.h"

#include "app/Icons.h"
#include "platform/Fonts.h"
#include "platform/StartAfterFirstPaint.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

QLabel* whiteLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                   QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setGeometry(geometry);
    return label;
}

} // namespace

LOGO::LOGO(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("LOGO"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Twips::size(4572, 3732));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(Icons::pixmap(Icon::Program));
    Image2->setGeometry(QRect(Twips::point(240, 120), QSize(32, 32)));

    Label1 = whiteLabel(this, QStringLiteral("Label1"), QStringLiteral("Vanu Logo Manager"), Fonts::arial(24),
                        Twips::rect(0, 2640, 4572, 612));
    Label2 = whiteLabel(this, QStringLiteral("Label2"), QStringLiteral("\"No Discussion\""),
                        Fonts::arial(10, true), Twips::rect(120, 3360, 4332, 252));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &LOGO::onTimer1);
    // The user sees the splash for as long as the main window takes to load.
    new StartAfterFirstPaint(this, Timer1);
    centreOnScreen();
}

void LOGO::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize area = screen->geometry().size();
    move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
}

// The frame lines and the rule are 10 pixels thick, centred on their design lines.
void LOGO::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const auto line = [&painter](QColor colour, int x1, int y1, int x2, int y2) {
        painter.setPen(QPen(colour, 10));
        painter.drawLine(Twips::point(x1, y1), Twips::point(x2, y2));
    };
    line(Qt::red, 0, 0, 4572, 0);
    line(Qt::red, 0, 3720, 4572, 3720);
    line(Qt::blue, 0, 0, 0, 3732);
    line(Qt::blue, 4560, 0, 4560, 3732);
    line(Qt::white, 960, 2400, 3600, 2400);
}

void LOGO::onTimer1() {
    if (handOver)
        handOver();
}
