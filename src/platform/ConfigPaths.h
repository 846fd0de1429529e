#pragma once

#include <QString>

// The program's per-user folders, after the XDG base directory rules. They are
// read from the environment on every call so that tests can point them at
// temporary folders.
namespace ConfigPaths {

// $XDG_CONFIG_HOME/vanu-logo-manager (default ~/.config/vanu-logo-manager)
QString configDir();
// $XDG_DATA_HOME/vanu-logo-manager (default ~/.local/share/vanu-logo-manager)
QString dataDir();

} // namespace ConfigPaths
