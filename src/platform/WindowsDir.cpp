#include "platform/WindowsDir.h"

// TODO(fs): placeholder.
QString WindowsDir() { return QStringLiteral("C:\\WINDOWS"); }
