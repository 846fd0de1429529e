#pragma once

#include <QString>

// True when a listing with the path as its pattern yields a name; false when it
// yields nothing or fails for any reason.
bool FileExists(const QString& path);
