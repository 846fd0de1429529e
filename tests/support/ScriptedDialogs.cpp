#include "ScriptedDialogs.h"

ScriptedDialogs::ScriptedDialogs() {
    Dialogs::install(this);
}

ScriptedDialogs::~ScriptedDialogs() {
    Dialogs::install(nullptr);
}

MsgAnswer ScriptedDialogs::messageBox(QWidget*, const MessageBoxRequest& request) {
    boxes << request;
    events << QStringLiteral("box:") + request.title;
    if (!answers.isEmpty())
        return answers.takeFirst();
    return request.buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
}

void ScriptedDialogs::beep() {
    ++beeps;
    events << QStringLiteral("beep");
}

std::optional<QString> ScriptedDialogs::openFile(QWidget*, const OpenFileRequest& request) {
    openRequests << request;
    if (chosenFiles.isEmpty())
        return std::nullopt;
    return chosenFiles.takeFirst();
}
