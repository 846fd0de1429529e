#pragma once

#include <QString>
#include <optional>

class QWidget;

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

struct MessageBoxRequest {
    QString title;
    QString text;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
};

struct OpenFileRequest {
    QString title;
    // Filter list in the form "Bitmaps (*.bmp)|*.bmp|Systemdateien (*.sys)|*.sys|".
    QString filter;
};

// Every message box, the open-file dialog and the system beep go through this
// one seam, so that tests can answer them without a modal loop.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MsgAnswer messageBox(QWidget* parent, const MessageBoxRequest& request) = 0;
    virtual void beep() = 0;
    // The chosen file as a host path, or nothing when the user cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const OpenFileRequest& request) = 0;

    // The dialogs in use; the real ones unless a test installed its own.
    static Dialogs& current();
    // Installs another implementation (not owned); nullptr restores the real one.
    static void install(Dialogs* dialogs);
};
