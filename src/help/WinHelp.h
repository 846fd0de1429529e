#pragma once

#include <QString>

class QWidget;

// The calls the program makes to the help viewer.
namespace WinHelp {

constexpr quint32 HELP_CONTEXT = 0x0001;
constexpr quint32 HELP_QUIT = 0x0002;
constexpr quint32 HELP_KEY = 0x0101;

inline const QString HelpFile = QStringLiteral("vlmhelp.hlp");

// Asks the help viewer to show a topic (HELP_CONTEXT with a context number,
// HELP_KEY with a keyword) or to let go of the file (HELP_QUIT). Returns whether
// the viewer took the call.
bool call(QWidget* window, const QString& helpFile, quint32 command, quint32 contextNumber = 0,
          const QString& keyword = QString());

} // namespace WinHelp
