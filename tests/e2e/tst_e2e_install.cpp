// End to end: the real program on an X display of its own, driven through the
// pointer as a person would, then the drive, the backups and the settings checked.

#include "Fixtures.h"
#include "TestEnvironment.h"
#include "app/SettingsStore.h"
#include "platform/PictureFile.h"
#include "platform/Twips.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <xcb/xcb.h>

namespace {

constexpr int StartTimeoutMs = 30000;
constexpr int StepTimeoutMs = 15000;
constexpr int ToolTimeoutMs = 10000;

// Controls as laid out, in twips of their window's client area.
struct Control {
    int left;
    int top;
    int width;
    int height;

    QRect on(QPoint clientOrigin) const {
        return Twips::rect(left, top, width, height).translated(clientOrigin);
    }
    QPoint centreOn(QPoint clientOrigin) const {
        return clientOrigin + Twips::point(left + width / 2, top + height / 2);
    }
};

const QSize MainClientSize = Twips::size(7944, 6384);
constexpr Control TV1{120, 1200, 2532, 1692};
constexpr Control CurrentPicture{2760, 1200, 2412, 1692};
constexpr Control Startlogo{120, 3480, 2532, 1692};
constexpr Control SaveAndExit{120, 5400, 2892, 492};

const QSize HintSize = Twips::size(6432, 3324);
constexpr Control HintCheck1{120, 2760, 3612, 372};
constexpr Control HintOk{4920, 2760, 1452, 372};

const QColor WindowGrey(192, 192, 192);

bool isText(QRgb pixel) {
    return qRed(pixel) < 80 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

// The selection colour of the item views (navy).
bool isSelection(QRgb pixel) {
    return qBlue(pixel) >= 96 && qRed(pixel) < 64 && qGreen(pixel) < 64;
}

int countPixels(const QImage& screen, const QRect& area, const std::function<bool(QRgb)>& matches) {
    int count = 0;
    const QRect inside = area.intersected(screen.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += matches(screen.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

// Share of the pixels of an area that differ between two screenshots.
double shareChanged(const QImage& before, const QImage& after, const QRect& area) {
    if (before.size() != after.size() || area.isEmpty())
        return 0;
    int differing = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            differing += before.pixel(x, y) != after.pixel(x, y) ? 1 : 0;
    }
    return static_cast<double>(differing) / (area.width() * area.height());
}

QString findInFolder(const QString& folder, const QString& name) {
    const QStringList matches = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : matches) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return QDir(folder).filePath(entry);
    }
    return {};
}

int countInFolder(const QString& folder, const QString& name) {
    int count = 0;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString& entry : entries)
        count += entry.compare(name, Qt::CaseInsensitive) == 0 ? 1 : 0;
    return count;
}

void stopProcess(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

// A private X server: Xvfb on a display it picks itself, driven with xdotool and
// looked at through a connection of our own.
class PrivateDisplay {
public:
    ~PrivateDisplay() { stop(); }

    // Empty on success, else what went wrong.
    QString start(const QString& xvfb, const QString& xdotool, const QString& logFile) {
        m_xdotool = xdotool;
        m_xvfb.setProgram(xvfb);
        m_xvfb.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                             QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-dpi"),
                             QStringLiteral("96"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        m_xvfb.setStandardErrorFile(logFile);
        m_xvfb.start();
        if (!m_xvfb.waitForStarted(ToolTimeoutMs))
            return QStringLiteral("Xvfb did not start: ") + m_xvfb.errorString();
        // Xvfb writes the display number once it accepts connections.
        QByteArray number;
        QElapsedTimer timer;
        timer.start();
        while (!number.contains('\n') && timer.elapsed() < StartTimeoutMs &&
               m_xvfb.state() == QProcess::Running) {
            m_xvfb.waitForReadyRead(200);
            number += m_xvfb.readAllStandardOutput();
        }
        bool ok = false;
        const int display = number.trimmed().toInt(&ok);
        if (!ok)
            return QStringLiteral("Xvfb gave no display number (see %1)").arg(logFile);
        m_name = u':' + QString::number(display);
        m_connection = xcb_connect(m_name.toLatin1().constData(), nullptr);
        if (xcb_connection_has_error(m_connection))
            return QStringLiteral("cannot connect to ") + m_name;
        return {};
    }

    void stop() {
        if (m_connection)
            xcb_disconnect(m_connection);
        m_connection = nullptr;
        stopProcess(m_xvfb);
    }

    QString name() const { return m_name; }

    // Runs xdotool on this display; its output, or nothing when it failed.
    std::optional<QByteArray> xdotool(const QStringList& arguments) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), m_name);
        process.setProcessEnvironment(environment);
        process.start(m_xdotool, arguments);
        if (!process.waitForFinished(ToolTimeoutMs)) {
            stopProcess(process);
            return std::nullopt;
        }
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return std::nullopt;
        return process.readAllStandardOutput();
    }

    // The whole screen; a null image when it cannot be read.
    QImage grab() const {
        if (!m_connection)
            return {};
        const xcb_setup_t* setup = xcb_get_setup(m_connection);
        // The copy below takes 32-bit pixels in the machine's byte order.
        if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
            return {};
        const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
        const int width = screen->width_in_pixels;
        const int height = screen->height_in_pixels;
        const xcb_get_image_cookie_t cookie =
            xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, 0,
                          screen->width_in_pixels, screen->height_in_pixels, ~0u);
        const std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(
            xcb_get_image_reply(m_connection, cookie, nullptr), &std::free);
        if (!reply || reply->depth != 24 ||
            xcb_get_image_data_length(reply.get()) < static_cast<int>(width * height * 4))
            return {};
        const uint8_t* data = xcb_get_image_data(reply.get());
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            std::memcpy(image.scanLine(y), data + static_cast<qsizetype>(y) * width * 4, width * 4);
        return image;
    }

private:
    QProcess m_xvfb;
    QString m_xdotool;
    QString m_name;
    xcb_connection_t* m_connection = nullptr;
};

} // namespace

class TestE2eInstall : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void saveStartupScreenAndTurnHintOff();

private:
    QString path(const QString& relative) const { return m_dir->filePath(relative); }
    void prepareDrive();
    QProcessEnvironment programEnvironment() const;

    // Polls until the condition holds. On a timeout, or when the program has ended
    // meanwhile, saves a screenshot for the log and says why.
    bool waitUntil(const QString& what, int timeoutMs, const std::function<bool()>& condition);
    void saveScreenshot(const QString& name);
    // A visible window of that title and size, as its top-left corner and size.
    std::optional<QRect> visibleWindow(const QString& title, const std::function<bool(QSize)>& sizeFits);
    bool click(QPoint at, int count = 1);
    bool drag(QPoint from, QPoint to);

    QString m_xvfb;
    QString m_xdotool;
    QString m_binaryDir = QStringLiteral(VLM_BINARY_DIR);
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<PrivateDisplay> m_display;
    QProcess m_program;
    QString m_failure;
};

void TestE2eInstall::initTestCase() {
    m_xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    m_xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (m_xvfb.isEmpty() || m_xdotool.isEmpty())
        QSKIP("Needs Xvfb and xdotool on PATH (Debian packages xvfb and xdotool; scripts/test.sh installs "
              "them).");
    QVERIFY2(QFile::exists(m_binaryDir + QStringLiteral("/vanu-logo-manager")),
             qPrintable(QStringLiteral("no program at ") + m_binaryDir));
}

void TestE2eInstall::cleanup() {
    stopProcess(m_program);
    if (m_display)
        m_display->stop();
    m_display.reset();
    if (m_dir && QTest::currentTestFailed()) {
        m_dir->setAutoRemove(false);
        qInfo().noquote() << "Kept for a look (program.log, xvfb.log, screenshots):" << m_dir->path();
        const QByteArray log = TestEnvironment::readFile(path(QStringLiteral("program.log")));
        if (!log.isEmpty())
            qInfo().noquote() << "Program output:\n" << log;
    }
    m_dir.reset();
}

// Drive C: as Windows 95 leaves it: MSDOS.SYS naming the Windows folder (in another
// letter case than on disk) and the three screens in place.
void TestE2eInstall::prepareDrive() {
    QDir root(m_dir->path());
    for (const char* folder : {"home", "config", "data", "runtime", "drive_c/WIN95"})
        QVERIFY(root.mkpath(QLatin1String(folder)));
    QVERIFY(QFile::setPermissions(path(QStringLiteral("runtime")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QString dosDevices = path(QStringLiteral("config/vanu-logo-manager/dosdevices"));
    QVERIFY(root.mkpath(dosDevices));
    QVERIFY(QFile::link(path(QStringLiteral("drive_c")), dosDevices + QStringLiteral("/c:")));
    QVERIFY(QFile::link(QStringLiteral("/"), dosDevices + QStringLiteral("/z:")));

    QVERIFY(TestEnvironment::writeFile(path(QStringLiteral("drive_c/MSDOS.SYS")),
                                       "[Paths]\r\nWinDir=C:\\Win95\r\nWinBootDir=C:\\Win95\r\n"
                                       "HostWinBootDrv=C\r\n\r\n[Options]\r\nBootGUI=1\r\n"));
    QVERIFY(TestEnvironment::writeFile(path(QStringLiteral("drive_c/LOGO.SYS")), Fixtures::screenBmp(1)));
    QVERIFY(
        TestEnvironment::writeFile(path(QStringLiteral("drive_c/WIN95/LOGOW.SYS")), Fixtures::screenBmp(2)));
    // A nonzero biClrImportant that only a faithful load and save keeps.
    QVERIFY(TestEnvironment::writeFile(path(QStringLiteral("drive_c/WIN95/LOGOS.SYS")),
                                       Fixtures::screenBmp(3, QSize(320, 400), 20)));
}

QProcessEnvironment TestE2eInstall::programEnvironment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Nothing of the caller's desktop may steer the program elsewhere or change its look.
    for (const char* name :
         {"QT_QPA_PLATFORM", "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "QT_SCALE_FACTOR",
          "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI", "WAYLAND_DISPLAY",
          "XDG_SESSION_TYPE", "XAUTHORITY", "SESSION_MANAGER"})
        environment.remove(QLatin1String(name));
    // No session bus: the program needs none, and none may be started for it.
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                       QStringLiteral("unix:path=") + path(QStringLiteral("runtime/bus")));
    environment.insert(QStringLiteral("DISPLAY"), m_display->name());
    environment.insert(QStringLiteral("HOME"), path(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(QStringLiteral("runtime")));
    return environment;
}

void TestE2eInstall::saveScreenshot(const QString& name) {
    const QString file = path(name + QStringLiteral(".png"));
    if (m_display && m_display->grab().save(file))
        qInfo().noquote() << "Screenshot:" << file;
}

bool TestE2eInstall::waitUntil(const QString& what, int timeoutMs, const std::function<bool()>& condition) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (m_program.state() == QProcess::NotRunning) {
            m_failure = QStringLiteral("the program ended (exit code %1) while waiting for %2")
                            .arg(m_program.exitCode())
                            .arg(what);
            saveScreenshot(QStringLiteral("ended"));
            return false;
        }
        if (timer.elapsed() > timeoutMs) {
            m_failure = QStringLiteral("timed out after %1 ms waiting for %2").arg(timeoutMs).arg(what);
            saveScreenshot(QStringLiteral("timeout"));
            return false;
        }
        QTest::qWait(50);
    }
    return true;
}

std::optional<QRect> TestE2eInstall::visibleWindow(const QString& title,
                                                   const std::function<bool(QSize)>& sizeFits) {
    const auto found = m_display->xdotool(
        {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), title});
    if (!found)
        return std::nullopt;
    const QList<QByteArray> windows = found->split('\n');
    for (const QByteArray& window : windows) {
        if (window.trimmed().isEmpty())
            continue;
        const auto shell = m_display->xdotool(
            {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::fromLatin1(window)});
        if (!shell)
            continue;
        QMap<QByteArray, int> values;
        for (const QByteArray& line : shell->split('\n')) {
            const qsizetype equals = line.indexOf('=');
            if (equals > 0)
                values.insert(line.left(equals), line.mid(equals + 1).toInt());
        }
        const QRect geometry(values.value("X"), values.value("Y"), values.value("WIDTH"),
                             values.value("HEIGHT"));
        if (sizeFits(geometry.size()))
            return geometry;
    }
    return std::nullopt;
}

bool TestE2eInstall::click(QPoint at, int count) {
    QStringList arguments{QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
                          QString::number(at.y()), QStringLiteral("click")};
    if (count > 1)
        arguments << QStringLiteral("--repeat") << QString::number(count) << QStringLiteral("--delay")
                  << QStringLiteral("120");
    arguments << QStringLiteral("1");
    return m_display->xdotool(arguments).has_value();
}

// Press, move in a few steps with short pauses, release: as a hand drags.
bool TestE2eInstall::drag(QPoint from, QPoint to) {
    QStringList arguments{QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(from.x()),
                          QString::number(from.y()),   QStringLiteral("sleep"),  QStringLiteral("0.05"),
                          QStringLiteral("mousedown"), QStringLiteral("1")};
    constexpr int Steps = 8;
    for (int step = 1; step <= Steps; ++step) {
        const QPoint at = from + (to - from) * step / Steps;
        arguments << QStringLiteral("sleep") << QStringLiteral("0.03") << QStringLiteral("mousemove")
                  << QString::number(at.x()) << QString::number(at.y());
    }
    arguments << QStringLiteral("sleep") << QStringLiteral("0.05") << QStringLiteral("mouseup")
              << QStringLiteral("1");
    return m_display->xdotool(arguments).has_value();
}

// The typical run: VanuBoot.bmp from the library dragged onto the startup slot,
// "Save and exit", the hint turned off. Only the startup screen may change, the
// system's own screens must be in their backups, and the settings must say so.
void TestE2eInstall::saveStartupScreenAndTurnHintOff() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    prepareDrive();
    const QString driveC = path(QStringLiteral("drive_c"));
    const QString windows = path(QStringLiteral("drive_c/WIN95"));
    const QMap<QString, QByteArray> driveBefore = TestEnvironment::snapshot(driveC);

    m_display = std::make_unique<PrivateDisplay>();
    const QString displayError = m_display->start(m_xvfb, m_xdotool, path(QStringLiteral("xvfb.log")));
    QVERIFY2(displayError.isEmpty(), qPrintable(displayError));
    QVERIFY2(!m_display->grab().isNull(),
             "cannot read the screen of the private display (24-bit pixels expected)");

    m_program.setProgram(m_binaryDir + QStringLiteral("/vanu-logo-manager"));
    m_program.setWorkingDirectory(m_binaryDir);
    m_program.setProcessEnvironment(programEnvironment());
    m_program.setProcessChannelMode(QProcess::MergedChannels);
    m_program.setStandardOutputFile(path(QStringLiteral("program.log")));
    m_program.start();
    QVERIFY2(m_program.waitForStarted(ToolTimeoutMs), qPrintable(m_program.errorString()));

    // The splash has the same title, so the main window is told by its size. Without
    // a window manager the window's geometry is its client area plus the menu bar.
    std::optional<QRect> mainWindow;
    if (!waitUntil(QStringLiteral("the main window"), StartTimeoutMs, [&] {
            mainWindow = visibleWindow(QStringLiteral("^Vanu Logo Manager$"), [](QSize size) {
                return size.width() == MainClientSize.width() && size.height() > MainClientSize.height();
            });
            return mainWindow.has_value();
        }))
        QFAIL(qPrintable(m_failure));
    const QPoint client(mainWindow->left(), mainWindow->bottom() + 1 - MainClientSize.height());
    const QRect tree = TV1.on(client);
    QImage screen;
    if (!waitUntil(QStringLiteral("the library to be drawn"), StepTimeoutMs, [&] {
            screen = m_display->grab();
            return countPixels(screen, tree, isText) > 20;
        }))
        QFAIL(qPrintable(m_failure));

    // A double click on the first row ("Standard screens") expands it and selects it;
    // the selection bar then shows how tall a row is.
    QVERIFY(click(tree.topLeft() + QPoint(tree.width() / 2, 8), 2));
    QRect firstRow;
    if (!waitUntil(QStringLiteral("the first library row to be selected"), StepTimeoutMs, [&] {
            screen = m_display->grab();
            int top = -1;
            int bottom = -1;
            for (int y = tree.top(); y <= tree.bottom(); ++y) {
                if (countPixels(screen, QRect(tree.left(), y, tree.width(), 1), isSelection) > 0) {
                    top = top < 0 ? y : top;
                    bottom = y;
                }
            }
            firstRow = QRect(tree.left(), top, tree.width(), bottom - top + 1);
            return top >= 0;
        }))
        QFAIL(qPrintable(m_failure));
    const int rowHeight = firstRow.height();
    QVERIFY2(rowHeight >= 12 && rowHeight <= 48, qPrintable(QStringLiteral("row height %1").arg(rowHeight)));
    const auto row = [&](int index) { return firstRow.translated(0, index * rowHeight); };
    // Expanded: the third row (VanuWait.bmp) has text right of the root's branch lines.
    if (!waitUntil(QStringLiteral("\"Standard screens\" to expand"), StepTimeoutMs, [&] {
            screen = m_display->grab();
            return countPixels(screen, row(2).adjusted(30, 0, -4, 0), isText) > 10;
        }))
        QFAIL(qPrintable(m_failure));

    // The second row is VanuBoot.bmp: the preview, empty so far, shows it.
    const QRect preview = CurrentPicture.on(client).adjusted(2, 2, -2, -2);
    QVERIFY(click(row(1).center()));
    if (!waitUntil(QStringLiteral("the preview to show VanuBoot.bmp"), StepTimeoutMs, [&] {
            screen = m_display->grab();
            const int grey =
                countPixels(screen, preview, [](QRgb pixel) { return pixel == WindowGrey.rgb(); });
            return grey < preview.width() * preview.height() / 2;
        }))
        QFAIL(qPrintable(m_failure));

    const QRect startSlot = Startlogo.on(client).adjusted(2, 2, -2, -2);
    const QImage beforeDrop = m_display->grab();
    QVERIFY(drag(CurrentPicture.centreOn(client), Startlogo.centreOn(client)));
    if (!waitUntil(QStringLiteral("the startup slot to show the dropped picture"), StepTimeoutMs,
                   [&] { return shareChanged(beforeDrop, m_display->grab(), startSlot) > 0.5; }))
        QFAIL(qPrintable(m_failure));

    QVERIFY(click(SaveAndExit.centreOn(client)));
    std::optional<QRect> hint;
    if (!waitUntil(QStringLiteral("the window \"Important information\""), StepTimeoutMs, [&] {
            hint = visibleWindow(QStringLiteral("^Important information$"),
                                 [](QSize size) { return size == HintSize; });
            return hint.has_value();
        }))
        QFAIL(qPrintable(m_failure));
    // The box sits at the left edge of the check box control.
    const QRect check = HintCheck1.on(hint->topLeft());
    const QPoint box(check.left() + 6, check.center().y());
    const QRect boxArea(box - QPoint(5, 5), QSize(11, 11));
    const QImage beforeTick = m_display->grab();
    QVERIFY(click(box));
    if (!waitUntil(QStringLiteral("\"Don't show this again\" to be ticked"), StepTimeoutMs,
                   [&] { return shareChanged(beforeTick, m_display->grab(), boxArea) > 0.05; }))
        QFAIL(qPrintable(m_failure));
    QVERIFY(click(HintOk.centreOn(hint->topLeft())));

    // The install ends the program by itself.
    if (!m_program.waitForFinished(StepTimeoutMs)) {
        saveScreenshot(QStringLiteral("still-running"));
        QFAIL("the program did not end after the hint was closed");
    }
    QCOMPARE(m_program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_program.exitCode(), 0);

    // The startup screen is written into the existing file, as VanuBoot.bmp with its
    // colour-cycling start kept.
    QCOMPARE(countInFolder(driveC, QStringLiteral("logo.sys")), 1);
    const QString startup = findInFolder(driveC, QStringLiteral("logo.sys"));
    QCOMPARE(QFileInfo(startup).fileName(), QStringLiteral("LOGO.SYS"));
    const QByteArray written = TestEnvironment::readFile(startup);
    const PictureLoad installed = PictureFile::decode(written);
    const PictureLoad vanuBoot = PictureFile::load(m_binaryDir + QStringLiteral("/VanuBoot.bmp"));
    QVERIFY(installed.ok());
    QVERIFY(vanuBoot.ok());
    const QImage& got = installed.picture.image();
    const QImage& expected = vanuBoot.picture.image();
    QCOMPARE(got.format(), QImage::Format_Indexed8);
    QCOMPARE(got.size(), QSize(320, 400));
    QCOMPARE(got.colorTable(), expected.colorTable());
    for (int y = 0; y < got.height(); ++y) {
        if (std::memcmp(got.constScanLine(y), expected.constScanLine(y), got.width()) != 0)
            QFAIL(qPrintable(QStringLiteral("LOGO.SYS differs from VanuBoot.bmp in line %1").arg(y)));
    }
    QVERIFY(written.size() >= 0x36);
    QCOMPARE(qFromLittleEndian<quint32>(written.constData() + 0x32), 236u);

    // The first run backed up the system's own screens; nothing else on the drive
    // changed and nothing else was left there.
    const struct {
        QString folder;
        QString backup;
        QString original;
    } backups[] = {{driveC, QStringLiteral("AltesLogo.sys"), QStringLiteral("LOGO.SYS")},
                   {windows, QStringLiteral("AltesLogow.sys"), QStringLiteral("WIN95/LOGOW.SYS")},
                   {windows, QStringLiteral("AltesLogos.sys"), QStringLiteral("WIN95/LOGOS.SYS")}};
    QMap<QString, QByteArray> expectedDrive = driveBefore;
    expectedDrive.remove(QStringLiteral("LOGO.SYS"));
    QMap<QString, QByteArray> driveAfter = TestEnvironment::snapshot(driveC);
    driveAfter.remove(QStringLiteral("LOGO.SYS"));
    for (const auto& [folder, backup, original] : backups) {
        const QString found = findInFolder(folder, backup);
        QVERIFY2(!found.isEmpty(), qPrintable(backup + QStringLiteral(" is missing")));
        QVERIFY2(TestEnvironment::readFile(found) == driveBefore.value(original),
                 qPrintable(backup + QStringLiteral(" does not hold the original ") + original));
        driveAfter.remove(QDir(driveC).relativeFilePath(found));
    }
    QCOMPARE(driveAfter.keys(), expectedDrive.keys());
    QVERIFY2(driveAfter == expectedDrive, "the wait or shutdown screen or MSDOS.SYS changed");

    // The settings store remembers the first run and the ticked box.
    const QString config = path(QStringLiteral("config"));
    QVERIFY(QFile::exists(config + QStringLiteral("/vanu-logo-manager/Vanu Bootlogo.ini")));
    const std::optional<QByteArray> oldConfig = qEnvironmentVariableIsSet("XDG_CONFIG_HOME")
                                                    ? std::optional(qgetenv("XDG_CONFIG_HOME"))
                                                    : std::nullopt;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    const SettingsStore store;
    const QString firstTime = store.get(QStringLiteral("Main"), QStringLiteral("1st time"));
    const QString hintOff = store.get(QStringLiteral("Main"), QStringLiteral("Don'tShowHintAgain"));
    if (oldConfig)
        qputenv("XDG_CONFIG_HOME", *oldConfig);
    else
        qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(firstTime, SettingsStore::TrueText);
    QCOMPARE(hintOff, SettingsStore::TrueText);
}

QTEST_GUILESS_MAIN(TestE2eInstall)
#include "tst_e2e_install.moc"
