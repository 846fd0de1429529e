#include "platform/DosPath.h"

// TODO(fs): placeholder.
DosPath DosPath::parse(const QString&) { return {}; }
QString DosPath::toString() const { return {}; }
