#include "platform/Wildcard.h"

// TODO(fs): placeholder.
namespace Wildcard {
bool matches(const QString&, const QString&) { return false; }
bool hasWildcards(const QString&) { return false; }
} // namespace Wildcard
