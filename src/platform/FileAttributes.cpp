#include "platform/FileAttributes.h"

// TODO(fs): placeholder.
namespace FileAttributes {
std::optional<quint32> read(const QString&) { return std::nullopt; }
bool carryOver(const QString&, const QString&) { return false; }
} // namespace FileAttributes
