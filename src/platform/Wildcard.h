#pragma once

#include <QString>

// Windows file-name matching: "*" and "?", letter case ignored. "*.*" matches every
// name, also one without a dot, and a pattern ending in "." matches names without an
// extension ("*." matches "README" but not "logo.sys").
namespace Wildcard {

bool matches(const QString& pattern, const QString& name);
bool hasWildcards(const QString& pattern);

} // namespace Wildcard
