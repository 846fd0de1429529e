#pragma once

#include "platform/IniDocument.h"

#include <QString>
#include <functional>

// The INI files of the settings store, one per name, in the program's configuration
// folder. Every read goes to the file afresh and every change is saved at once,
// atomically.
namespace IniFile {

QString path(const QString& name);
// The file's contents; an empty document when it does not exist or cannot be read.
IniDocument read(const QString& name);
// Reads the file, applies the change and saves the result. False when the change
// reports that it changed nothing, or the file cannot be read whole or written.
bool change(const QString& name, const std::function<bool(IniDocument&)>& change);

} // namespace IniFile
