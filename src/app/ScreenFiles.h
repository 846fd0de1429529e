#pragma once

#include <QString>

enum class Screen { Startup, Wait, Shutdown };

// Where Windows 95 keeps its three action screens and where this program keeps
// its backups of them. The startup screen always lies in the root of drive C:; the
// other two in the Windows directory. Names are looked up without regard to case;
// the spelling here is the one a newly created file gets.
namespace ScreenFiles {

QString live(Screen screen);
QString backup(Screen screen);

} // namespace ScreenFiles
