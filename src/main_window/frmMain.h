#pragma once

#include <QMainWindow>
#include <functional>

class ClientArea;
class ImageLibrary;
class ManualDrag;
class PictureControl;
class PictureHolder;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolBar;

// The program's one working window: the image library, the preview and the three
// action-screen slots, the exit buttons, menus, popups, toolbar and status bar.
// Control and menu names are those of the window's design tables.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The load step: library, centring, the installed screens, the first-run backup.
    void load();

    // The library's loader, saver and current-image caption.
    void LOADRecentFiles();
    void SAVERecentFiles();
    void AB();
    // Puts the tip of the control last moved over on the status bar (Timer2's tick).
    void ShowTipsOnBar();
    // Loads the three slots from the installed screen files; a slot whose file
    // cannot be loaded keeps its picture.
    void loadInstalledScreens();

    // What ends the program once the window has unloaded; quits the application
    // unless replaced (tests replace it).
    std::function<void()> endProgram;

    // Controls
    QFrame* Frame2;
    QToolBar* Toolbar1;
    ImageLibrary* TV1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    PictureControl* CurrentPicture;
    PictureControl* Startlogo;
    PictureControl* WaitForShutdown;
    PictureControl* Shutdown;
    QPushButton* Command1;
    QPushButton* Command2;
    QStatusBar* StatusBar1;
    PictureHolder* Bild;
    PictureHolder* Image1;
    PictureHolder* Image2;
    QTimer* Timer2;

    // Menus and popups
    QMenu* umDatei;
    QMenu* mSettings;
    QMenu* mHilfe;
    QMenu* MP;
    QMenu* CP;
    QMenu* OtherPop;
    QMenu* umBackset;

    QAction* umNewPicture;
    QAction* umDeletePicture;
    QAction* umSearchPicture;
    QAction* umRestoreLogos;
    QAction* umExit;
    QAction* umHintergrundbild;
    QAction* umHilfeInhalt;
    QAction* umHilfeSuchen;
    QAction* umInfo;
    QAction* umHelp;
    QAction* umRestoreLogos2;
    QAction* umEnde;
    QAction* umLoadImage;
    QAction* umDelete;
    QAction* UmSearch;
    QAction* umOSize;
    QAction* umDel;
    QAction* umOSize2;
    QAction* umZuruecksetzen; // "umZurücksetzen"

public Q_SLOTS:
    // One handler per command; every menu item, popup item, toolbar button and
    // button that offers the command calls it.
    void umNewPicture_Click();
    void umDeletePicture_Click();
    void umSearchPicture_Click();
    void umRestoreLogos_Click();
    void umExit_Click();
    void umHintergrundbild_Click();
    void umHilfeInhalt_Click();
    void umHilfeSuchen_Click();
    void umInfo_Click();
    void umOSize_Click();
    void umZuruecksetzen_Click();
    void Command1_Click();
    void Command2_Click();
    void Toolbar1_ButtonClick(const QString& key);
    void TV1_NodeClick(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void buildPopups();
    void buildToolbar();
    QLabel* addLabel(const QString& name, const QString& caption, int left, int top, int width, int height);
    PictureControl* addPicture(const QString& name, int left, int top, int width, int height);
    QPushButton* addButton(const QString& name, const QString& caption, int left, int top, int width,
                           int height);
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption);
    void addSeparator(QMenu* menu, const QString& name);

    void centreOnScreen();
    void makeFirstRunBackup();
    void unload();
    void runInstallJob();

    void onBareMouseMove();
    void popUp(QMenu* menu);

    // The events of the four picture controls, alike for all four.
    void connectPictureControl(PictureControl* control);
    void picture_MouseDown(PictureControl* control, Qt::MouseButton button);
    void picture_MouseMove(PictureControl* control, const QPoint& globalPosition);
    void picture_MouseUp(PictureControl* control, Qt::MouseButton button, const QPoint& globalPosition);
    void picture_DblClick(PictureControl* control);
    void picture_DragOver(PictureControl* target, PictureControl* source, int state);
    void picture_DragDrop(PictureControl* target, PictureControl* source);
    void setTip(qint16 tipNumber);

    ClientArea* m_client;
    ManualDrag* m_drag;
    bool m_unloaded = false;
};
