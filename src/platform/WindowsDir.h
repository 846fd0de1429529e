#pragma once

#include <QString>

// The Windows directory of drive C:'s installation: the [Paths] WinDir= entry of
// C:\MSDOS.SYS, else "C:\WINDOWS". No trailing backslash unless it is a drive root.
QString WindowsDir();
