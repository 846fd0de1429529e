#include "platform/IniDocument.h"

// TODO(settings): placeholder.
IniDocument IniDocument::parse(const QByteArray&) { return {}; }
QByteArray IniDocument::serialize() const { return {}; }
std::optional<QString> IniDocument::value(const QString&, const QString&) const { return std::nullopt; }
void IniDocument::setValue(const QString&, const QString&, const QString&) {}
bool IniDocument::removeSection(const QString&) { return false; }
QList<QPair<QString, QString>> IniDocument::entries(const QString&) const { return {}; }
IniDocument::Section* IniDocument::findSection(const QString&) { return nullptr; }
const IniDocument::Section* IniDocument::findSection(const QString&) const { return nullptr; }
