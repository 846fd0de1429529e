#include "app/SettingsStore.h"

// TODO(settings): placeholder.
SettingsStore::SettingsStore(QString appName) : m_appName(std::move(appName)) {}
QString SettingsStore::get(const QString&, const QString&, const QString& d) const { return d; }
bool SettingsStore::save(const QString&, const QString&, const QString&) { return false; }
bool SettingsStore::deleteSection(const QString&) { return false; }
QList<QPair<QString, QString>> SettingsStore::getAll(const QString&) const { return {}; }
QString SettingsStore::filePath() const { return {}; }
std::optional<bool> SettingsStore::toBoolean(const QString&) { return std::nullopt; }
