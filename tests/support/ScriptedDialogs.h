#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QStringList>

// Stands in for the real dialogs while it lives: records every message box, beep
// and open dialog, and answers with what the test queued (Ok / No / cancel when
// nothing is queued).
class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    MsgAnswer messageBox(QWidget* parent, const MessageBoxRequest& request) override;
    void beep() override;
    std::optional<QString> openFile(QWidget* parent, const OpenFileRequest& request) override;

    QList<MessageBoxRequest> boxes;
    QList<OpenFileRequest> openRequests;
    // Each entry is "beep" or "box:<title>", in the order they happened.
    QStringList events;
    int beeps = 0;

    QList<MsgAnswer> answers;
    QList<std::optional<QString>> chosenFiles;
};
