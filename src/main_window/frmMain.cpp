#include "main_window/frmMain.h"

#include "app/Globals.h"
#include "app/Icons.h"
#include "app/ScreenFiles.h"
#include "app/SettingsStore.h"
#include "help/WinHelp.h"
#include "images/frmFullSize.h"
#include "install/Form2.h"
#include "main_window/ClientArea.h"
#include "main_window/ImageLibrary.h"
#include "main_window/ImageList.h"
#include "main_window/ManualDrag.h"
#include "main_window/PictureControl.h"
#include "main_window/PictureHolder.h"
#include "platform/Dialogs.h"
#include "platform/DosFileSystem.h"
#include "platform/FileExists.h"
#include "platform/Twips.h"
#include "platform/WindowsDir.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

const QString MainAreaText = QStringLiteral("Main Area");
const QString RecentSection = QStringLiteral("Recent");
const QString RecentKey = QStringLiteral("RecentFile");

// Popup target and tip numbers of the four picture controls.
struct PictureNumbers {
    qint16 popupTarget;
    qint16 tip;
};

PictureNumbers numbersOf(const QString& name) {
    if (name == QLatin1String("Startlogo"))
        return {1, 3};
    if (name == QLatin1String("WaitForShutdown"))
        return {2, 4};
    if (name == QLatin1String("Shutdown"))
        return {3, 5};
    return {4, 6};
}

} // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Vanu Logo Manager"));
    setWindowIcon(QIcon(Icons::pixmap(Icon::Program)));
    // Fixed single border with a minimise box and no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    endProgram = [] { QCoreApplication::quit(); };

    m_client = new ClientArea(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    m_client->setFixedSize(Twips::size(7944, 6384));
    QPalette grey = m_client->palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    m_client->setPalette(grey);
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);
    Bild = new PictureHolder(m_client);
    Bild->setObjectName(QStringLiteral("Bild"));
    Bild->setGeometry(Twips::rect(6120, 1320, 252, 372));
    m_client->setTileHolder(Bild);

    buildControls();
    buildMenus();
    buildPopups();
    buildToolbar();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_client, &ClientArea::bareMouseMove, this, &frmMain::onBareMouseMove);
    connect(m_client, &ClientArea::bareRightButtonReleased, this, [this] { popUp(MP); });
    connect(TV1, &ImageLibrary::rightButtonReleased, this, [this] { popUp(umBackset); });
    connect(TV1, &ImageLibrary::nodeClicked, this, &frmMain::TV1_NodeClick);
    connect(Timer2, &QTimer::timeout, this, &frmMain::ShowTipsOnBar);

    m_drag = new ManualDrag(
        [this](const QPoint& globalPosition) {
            return qobject_cast<PictureControl*>(m_client->childAt(m_client->mapFromGlobal(globalPosition)));
        },
        this);
    connect(m_drag, &ManualDrag::dragOver, this, &frmMain::picture_DragOver);
    connect(m_drag, &ManualDrag::dragDrop, this, &frmMain::picture_DragDrop);
    for (PictureControl* control : {CurrentPicture, Startlogo, WaitForShutdown, Shutdown})
        connectPictureControl(control);
}

frmMain::~frmMain() = default;

// ---------------------------------------------------------------- layout

void frmMain::buildControls() {
    Frame2 = new QFrame(m_client);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(Twips::rect(0, 0, 7932, 492));
    Frame2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame2->setAutoFillBackground(true);

    TV1 = new ImageLibrary(m_client);
    TV1->setGeometry(Twips::rect(120, 1200, 2532, 1692));

    Label4 = addLabel(QStringLiteral("Label4"), QStringLiteral("CurrentImage:"), 3456, 840, 1020, 192);
    CurrentPicture = addPicture(QStringLiteral("CurrentPicture"), 2760, 1200, 2412, 1692);
    Label1 =
        addLabel(QStringLiteral("Label1"), QStringLiteral("Action Screen#1[starting]"), 480, 3240, 1812, 192);
    Label2 =
        addLabel(QStringLiteral("Label2"), QStringLiteral("Action Screen#2[wait]"), 3192, 3240, 1560, 192);
    Label3 = addLabel(QStringLiteral("Label3"), QStringLiteral("Action Screen#3[shut down]"), 5484, 3240,
                      2004, 192);
    Startlogo = addPicture(QStringLiteral("Startlogo"), 120, 3480, 2532, 1692);
    WaitForShutdown = addPicture(QStringLiteral("WaitForShutdown"), 2760, 3480, 2412, 1692);
    Shutdown = addPicture(QStringLiteral("Shutdown"), 5280, 3480, 2412, 1692);
    Command1 = addButton(QStringLiteral("Command1"), QStringLiteral("Save and exit"), 120, 5400, 2892, 492);
    Command2 = addButton(QStringLiteral("Command2"), QStringLiteral("&Exit"), 5880, 5400, 1932, 492);
    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmMain::Command2_Click);
    Command1->setMouseTracking(true);
    Command2->setMouseTracking(true);
    Command1->installEventFilter(this);
    Command2->installEventFilter(this);

    StatusBar1 = new QStatusBar(m_client);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setAutoFillBackground(true);
    StatusBar1->setGeometry(Twips::rect(0, 6108, 7944, 276));

    Image1 = new PictureHolder(m_client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(Twips::rect(3960, 5280, 384, 384));
    Image1->setPicture(Picture(Icons::image(Icon::Drop)));
    Image2 = new PictureHolder(m_client);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(Twips::rect(4440, 5280, 384, 384));
    Image2->setPicture(Picture(Icons::image(Icon::Carry)));

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(500);
}

QLabel* frmMain::addLabel(const QString& name, const QString& caption, int left, int top, int width,
                          int height) {
    auto* label = new QLabel(caption, m_client);
    label->setObjectName(name);
    label->setGeometry(Twips::rect(left, top, width, height));
    // Sized to its caption, growing to the right from its design position.
    label->adjustSize();
    return label;
}

PictureControl* frmMain::addPicture(const QString& name, int left, int top, int width, int height) {
    auto* picture = new PictureControl(name, m_client);
    picture->setGeometry(Twips::rect(left, top, width, height));
    return picture;
}

QPushButton* frmMain::addButton(const QString& name, const QString& caption, int left, int top, int width,
                                int height) {
    auto* button = new QPushButton(caption, m_client);
    button->setObjectName(name);
    button->setGeometry(Twips::rect(left, top, width, height));
    return button;
}

QAction* frmMain::addItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

void frmMain::addSeparator(QMenu* menu, const QString& name) {
    menu->addSeparator()->setObjectName(name);
}

void frmMain::buildMenus() {
    umDatei = menuBar()->addMenu(QStringLiteral("&File"));
    umDatei->setObjectName(QStringLiteral("umDatei"));
    umNewPicture = addItem(umDatei, QStringLiteral("umNewPicture"), QStringLiteral("&Load image..."));
    umNewPicture->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    umDeletePicture = addItem(umDatei, QStringLiteral("umDeletePicture"), QStringLiteral("&Delete image..."));
    umDeletePicture->setShortcut(QKeySequence(Qt::Key_Delete));
    umSearchPicture = addItem(umDatei, QStringLiteral("umSearchPicture"), QStringLiteral("Fi&nd... "));
    umSearchPicture->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    addSeparator(umDatei, QStringLiteral("TR"));
    umRestoreLogos = addItem(umDatei, QStringLiteral("umRestoreLogos"), QStringLiteral("Restore &originals"));
    umRestoreLogos->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    addSeparator(umDatei, QStringLiteral("TRE"));
    umExit = addItem(umDatei, QStringLiteral("umExit"), QStringLiteral("&Exit"));

    mSettings = menuBar()->addMenu(QStringLiteral("&Settings"));
    mSettings->setObjectName(QStringLiteral("mSettings"));
    umHintergrundbild =
        addItem(mSettings, QStringLiteral("umHintergrundbild"), QStringLiteral("Background &picture"));

    mHilfe = menuBar()->addMenu(QStringLiteral("&Help"));
    mHilfe->setObjectName(QStringLiteral("mHilfe"));
    umHilfeInhalt = addItem(mHilfe, QStringLiteral("umHilfeInhalt"), QStringLiteral("&Contents"));
    umHilfeInhalt->setShortcut(QKeySequence(Qt::Key_F1));
    umHilfeSuchen =
        addItem(mHilfe, QStringLiteral("umHilfeSuchen"), QStringLiteral("&Search for help on..."));
    addSeparator(mHilfe, QStringLiteral("t4"));
    umInfo = addItem(mHilfe, QStringLiteral("umInfo"), QStringLiteral("Abo&ut"));

    connect(umNewPicture, &QAction::triggered, this, &frmMain::umNewPicture_Click);
    connect(umDeletePicture, &QAction::triggered, this, &frmMain::umDeletePicture_Click);
    connect(umSearchPicture, &QAction::triggered, this, &frmMain::umSearchPicture_Click);
    connect(umRestoreLogos, &QAction::triggered, this, &frmMain::umRestoreLogos_Click);
    connect(umExit, &QAction::triggered, this, &frmMain::umExit_Click);
    connect(umHintergrundbild, &QAction::triggered, this, &frmMain::umHintergrundbild_Click);
    connect(umHilfeInhalt, &QAction::triggered, this, &frmMain::umHilfeInhalt_Click);
    connect(umHilfeSuchen, &QAction::triggered, this, &frmMain::umHilfeSuchen_Click);
    connect(umInfo, &QAction::triggered, this, &frmMain::umInfo_Click);
}

// Popups are menus of the window that never appear in the menu bar.
void frmMain::buildPopups() {
    auto popup = [this](const QString& name, const QString& caption) {
        auto* menu = new QMenu(caption, this);
        menu->setObjectName(name);
        return menu;
    };

    MP = popup(QStringLiteral("MP"), QStringLiteral("Main-Popup"));
    umHelp = addItem(MP, QStringLiteral("umHelp"), QStringLiteral("&Help"));
    addSeparator(MP, QStringLiteral("t2"));
    umRestoreLogos2 = addItem(MP, QStringLiteral("umRestoreLogos2"), QStringLiteral("Restore &originals"));
    addSeparator(MP, QStringLiteral("t1"));
    umEnde = addItem(MP, QStringLiteral("umEnde"), QStringLiteral("&Exit"));

    CP = popup(QStringLiteral("CP"), QStringLiteral("CurPic-Popup"));
    umLoadImage = addItem(CP, QStringLiteral("umLoadImage"), QStringLiteral("&Load image"));
    umDelete = addItem(CP, QStringLiteral("umDelete"), QStringLiteral("&Delete image"));
    UmSearch = addItem(CP, QStringLiteral("UmSearch"), QStringLiteral("Fi&nd..."));
    addSeparator(CP, QStringLiteral("t"));
    umOSize = addItem(CP, QStringLiteral("umOSize"), QStringLiteral("View full &size"));

    OtherPop = popup(QStringLiteral("OtherPop"), QStringLiteral("Other"));
    umDel = addItem(OtherPop, QStringLiteral("umDel"), QStringLiteral("&Delete image"));
    addSeparator(OtherPop, QStringLiteral("t3"));
    umOSize2 = addItem(OtherPop, QStringLiteral("umOSize2"), QStringLiteral("View full &size"));

    umBackset = popup(QStringLiteral("umBackset"), QStringLiteral("umBackset"));
    umZuruecksetzen = addItem(umBackset, QStringLiteral("umZurücksetzen"), QStringLiteral("Cle&ar"));

    connect(umRestoreLogos2, &QAction::triggered, this, &frmMain::umRestoreLogos_Click);
    connect(umEnde, &QAction::triggered, this, &frmMain::umExit_Click);
    connect(umLoadImage, &QAction::triggered, this, &frmMain::umNewPicture_Click);
    connect(umDelete, &QAction::triggered, this, &frmMain::umDeletePicture_Click);
    connect(UmSearch, &QAction::triggered, this, &frmMain::umSearchPicture_Click);
    connect(umOSize, &QAction::triggered, this, &frmMain::umOSize_Click);
    connect(umDel, &QAction::triggered, this, &frmMain::umDeletePicture_Click);
    connect(umOSize2, &QAction::triggered, this, &frmMain::umOSize_Click);
    connect(umZuruecksetzen, &QAction::triggered, this, &frmMain::umZuruecksetzen_Click);
}

void frmMain::buildToolbar() {
    Toolbar1 = new QToolBar(Frame2);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setIconSize(QSize(16, 16));
    Toolbar1->setGeometry(Twips::rect(120, 120, 2772, 324));

    struct Button {
        QString key;
        QString tooltip;
        int icon;
    };
    const Button buttons[] = {{QStringLiteral("Open"), QStringLiteral("Load image"), 1},
                              {QStringLiteral("Save"), QStringLiteral("Save changes and exit"), 2},
                              {QStringLiteral("Delete"), QStringLiteral("Delete image"), 3},
                              {QString(), QString(), 0},
                              {QStringLiteral("Find"), QStringLiteral("Find..."), 4},
                              {QStringLiteral("Restore"), QStringLiteral("Restore originals"), 5}};
    for (const Button& button : buttons) {
        if (button.key.isEmpty()) {
            // A placeholder: a gap, no button.
            auto* gap = new QWidget(Toolbar1);
            gap->setFixedWidth(8);
            Toolbar1->addWidget(gap);
            continue;
        }
        QAction* action = Toolbar1->addAction(ImageList::icon(button.icon), QString());
        action->setData(button.key);
        action->setToolTip(button.tooltip);
        action->setObjectName(QStringLiteral("Toolbar1_") + button.key);
        if (auto* toolButton = qobject_cast<QToolButton*>(Toolbar1->widgetForAction(action)))
            toolButton->setAutoRaise(false);
    }
    connect(Toolbar1, &QToolBar::actionTriggered, this,
            [this](QAction* action) { Toolbar1_ButtonClick(action->data().toString()); });
}

// ---------------------------------------------------------------- load step

void frmMain::load() {
    LOADRecentFiles();
    centreOnScreen();
    loadInstalledScreens();
    makeFirstRunBackup();
    AB();
}

void frmMain::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    adjustSize(); // the fixed size is only settled by the layout
    const QRect outer = frameGeometry();
    const QSize area = screen->geometry().size();
    move(area.width() / 2 - outer.width() / 2, area.height() / 2 - outer.height() / 2);
}

void frmMain::loadInstalledScreens() {
    const std::pair<PictureControl*, Screen> slots[] = {
        {Startlogo, Screen::Startup}, {WaitForShutdown, Screen::Wait}, {Shutdown, Screen::Shutdown}};
    for (const auto& [slot, screen] : slots) {
        const PictureLoad loaded = DosFileSystem::loadPicture(ScreenFiles::live(screen));
        if (loaded.ok())
            slot->setPicture(loaded.picture);
    }
}

// Once per settings store: the marker is written before any copy, so a failed copy
// is never retried. A backup that already exists holds the system's own screen from
// an earlier first run and is never replaced.
void frmMain::makeFirstRunBackup() {
    SettingsStore store;
    if (SettingsStore::toBoolean(
            store.get(QStringLiteral("Main"), QStringLiteral("1st time"), QStringLiteral("0")))
            .value_or(false))
        return;
    store.save(QStringLiteral("Main"), QStringLiteral("1st time"), SettingsStore::TrueText);
    for (Screen screen : {Screen::Startup, Screen::Wait, Screen::Shutdown}) {
        const QString backup = ScreenFiles::backup(screen);
        if (!FileExists(backup))
            DosFileSystem::copyFile(ScreenFiles::live(screen), backup);
    }
}

// ---------------------------------------------------------------- image library

void frmMain::LOADRecentFiles() {
    TV1->addFixedNodes();
    const auto imports = SettingsStore().getAll(RecentSection);
    for (const auto& [key, path] : imports)
        TV1->addUserImport(path);
}

void frmMain::SAVERecentFiles() {
    SettingsStore store;
    for (int n = ImageLibrary::FirstUserImport; n <= TV1->nodeCount(); ++n)
        store.save(RecentSection, RecentKey + QString::number(n), TV1->nodeText(n));
}

void frmMain::AB() {
    Label4->setText(QStringLiteral("CurrentImage[") + CurrentImagePath + u']');
    Label4->adjustSize();
}

void frmMain::TV1_NodeClick(const QString& text) {
    if (text == ImageLibrary::UserImports || text == ImageLibrary::StandardScreens)
        return;
    const PictureLoad loaded = DosFileSystem::loadPicture(text);
    if (loaded.error == PictureError::NotFound) {
        Dialogs::current().beep();
        Dialogs::current().messageBox(this,
                                      {QStringLiteral("Error"), QStringLiteral("File not found: ") + text,
                                       MsgIcon::Critical, MsgButtons::Ok});
        return;
    }
    // Any other failure keeps the previous picture but still makes the file current.
    if (loaded.ok())
        CurrentPicture->setPicture(loaded.picture);
    CurrentImagePath = text;
    AB();
}

void frmMain::umZuruecksetzen_Click() {
    SettingsStore().deleteSection(RecentSection);
    TV1->removeUserImports();
}

// ---------------------------------------------------------------- window events

void frmMain::onBareMouseMove() {
    const QString text = StatusBar1->currentMessage();
    if (text.isEmpty()) {
        StatusBar1->showMessage(MainAreaText);
    } else if (text != MainAreaText) {
        StatusBar1->showMessage(MainAreaText);
        Timer2->stop();
    }
}

void frmMain::popUp(QMenu* menu) {
    menu->popup(QCursor::pos());
}

// The two exit buttons carry tips 1 and 2.
bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == Command1)
            setTip(1);
        else if (watched == Command2)
            setTip(2);
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- picture controls

void frmMain::connectPictureControl(PictureControl* control) {
    connect(control, &PictureControl::mouseDown, this,
            [this, control](Qt::MouseButton button) { picture_MouseDown(control, button); });
    connect(
        control, &PictureControl::mouseMove, this,
        [this, control](Qt::MouseButtons, const QPoint& position) { picture_MouseMove(control, position); });
    connect(control, &PictureControl::mouseUp, this,
            [this, control](Qt::MouseButton button, const QPoint& position) {
                picture_MouseUp(control, button, position);
            });
    connect(control, &PictureControl::dblClick, this, [this, control] { picture_DblClick(control); });
}

void frmMain::picture_MouseDown(PictureControl* control, Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        return;
    if (!control->picture().isEmpty()) {
        control->setDragIcon(Image2->picture());
        m_drag->begin(control);
    }
    // Any left press counts as a change, whether or not anything is dropped.
    UnsavedChanges = true;
}

void frmMain::picture_MouseMove(PictureControl* control, const QPoint& globalPosition) {
    if (m_drag->isActive() && m_drag->source() == control) {
        m_drag->moveTo(globalPosition);
        return;
    }
    setTip(numbersOf(control->objectName()).tip);
}

void frmMain::picture_MouseUp(PictureControl* control, Qt::MouseButton button, const QPoint& globalPosition) {
    if (button == Qt::LeftButton && m_drag->isActive() && m_drag->source() == control) {
        m_drag->dropAt(globalPosition);
        return;
    }
    if (button != Qt::RightButton)
        return;
    PopupTarget = numbersOf(control->objectName()).popupTarget;
    frmFullSize::load(this).setPicture(control->picture());
    popUp(control == CurrentPicture ? CP : OtherPop);
}

void frmMain::picture_DblClick(PictureControl* control) {
    frmFullSize& viewer = frmFullSize::load(this);
    viewer.setPicture(control->picture());
    viewer.showViewer();
}

void frmMain::picture_DragOver(PictureControl* target, PictureControl* source, int state) {
    if (source->Tag() == target->objectName())
        return;
    if (state == ManualDrag::Enter)
        source->setDragIcon(Image1->picture());
    else if (state == ManualDrag::Leave)
        source->setDragIcon(Image2->picture());
}

// The picture is shared, not re-read; nothing else changes.
void frmMain::picture_DragDrop(PictureControl* target, PictureControl* source) {
    target->setPicture(source->picture());
}

// ---------------------------------------------------------------- status-bar tips

// A move over a tipped control selects its tip; the tip shows at the timer's next
// tick. A timer that already runs keeps running, so the tip appears 500 ms after
// the pointer arrived.
void frmMain::setTip(qint16 tipNumber) {
    TipIndex = tipNumber;
    if (!Timer2->isActive())
        Timer2->start();
}

void frmMain::ShowTipsOnBar() {
    const QString windowsDir = WindowsDir();
    TipText[1] = QStringLiteral("This will save all changes and exit the program");
    TipText[2] = QStringLiteral("This will exit the program without saving your changes");
    TipText[3] = QStringLiteral("Your startup action screen[C:\\") + QStringLiteral("LOGO.SYS") + u']';
    TipText[4] =
        QStringLiteral("Your wait action screen[") + windowsDir + QStringLiteral("\\LOGOW.SYS") + u']';
    TipText[5] = QStringLiteral("Your shutdown action screen") + u'[' + windowsDir +
                 QStringLiteral("\\LOGOS.SYS") + u']';
    TipText[6] = QStringLiteral("CurrentImage[") + CurrentImagePath + u']';
    if (TipIndex >= 1 && TipIndex <= 6 && StatusBar1->currentMessage() != TipText[TipIndex])
        StatusBar1->showMessage(TipText[TipIndex]);
}

void frmMain::Toolbar1_ButtonClick(const QString& key) {
    if (key == QLatin1String("Open")) {
        umNewPicture_Click();
    } else if (key == QLatin1String("Save")) {
        Command1_Click();
    } else if (key == QLatin1String("Delete")) {
        umDeletePicture_Click();
        CurrentPicture->setPicture(Picture());
    } else if (key == QLatin1String("Find")) {
        umSearchPicture_Click();
    } else if (key == QLatin1String("Restore")) {
        umRestoreLogos_Click();
    }
}

// ---------------------------------------------------------------- commands

void frmMain::umNewPicture_Click() {}
void frmMain::umDeletePicture_Click() {}
void frmMain::umSearchPicture_Click() {}
void frmMain::umRestoreLogos_Click() {}
void frmMain::umHintergrundbild_Click() {}
void frmMain::umHilfeInhalt_Click() {}
void frmMain::umHilfeSuchen_Click() {}
void frmMain::umInfo_Click() {}

// The right click that opened the popup has already given the viewer its picture.
void frmMain::umOSize_Click() {
    frmFullSize::load(this).showViewer();
}

// ---------------------------------------------------------------- save and exit

// Every way out unloads the window (close), which saves the library and ends the
// program; saving means running the install job, which ends the program itself.
void frmMain::Command1_Click() {
    if (UnsavedChanges)
        runInstallJob();
    else
        close();
}

void frmMain::Command2_Click() {
    close();
}

void frmMain::umExit_Click() {
    if (!UnsavedChanges) {
        close();
        return;
    }
    const MsgAnswer answer = Dialogs::current().messageBox(this, {QStringLiteral("Vanu Logo Manager"),
                                                                  QStringLiteral("Save changes?"),
                                                                  MsgIcon::Question, MsgButtons::YesNo});
    if (answer == MsgAnswer::Yes)
        runInstallJob();
    else
        close();
}

void frmMain::runInstallJob() {
    Form2 install(*this);
    install.exec();
}

// ---------------------------------------------------------------- unload

void frmMain::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
}

void frmMain::unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    SAVERecentFiles();
    WinHelp::call(this, WinHelp::HelpFile, WinHelp::HELP_QUIT);
    endProgram();
}
