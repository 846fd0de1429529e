#include "platform/FileAttributes.h"

// TODO(fs): placeholder.
namespace FileAttributes {
std::optional<quint32> read(const QString&) { return std::nullopt; }
Kept keep(const QString&) { return {}; }
bool restore(const QString&, const Kept&) { return false; }
} // namespace FileAttributes
