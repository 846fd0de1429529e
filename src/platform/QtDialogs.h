#pragma once

#include "platform/Dialogs.h"

// The real dialogs: Qt's message box, file dialog and beep.
class QtDialogs : public Dialogs {
public:
    MsgAnswer messageBox(QWidget* parent, const MessageBoxRequest& request) override;
    void beep() override;
    std::optional<QString> openFile(QWidget* parent, const OpenFileRequest& request) override;
};
