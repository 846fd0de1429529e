#include "app/SettingsStore.h"

#include "platform/IniFile.h"

#include <cmath>

SettingsStore::SettingsStore(QString appName) : m_appName(std::move(appName)) {}

QString SettingsStore::get(const QString& section, const QString& key, const QString& defaultValue) const {
    return IniFile::read(m_appName).value(section, key).value_or(defaultValue);
}

bool SettingsStore::save(const QString& section, const QString& key, const QString& value) {
    return IniFile::change(m_appName, [&](IniDocument& document) {
        document.setValue(section, key, value);
        return true;
    });
}

bool SettingsStore::deleteSection(const QString& section) {
    return IniFile::change(m_appName, [&](IniDocument& document) { return document.removeSection(section); });
}

QList<QPair<QString, QString>> SettingsStore::getAll(const QString& section) const {
    return IniFile::read(m_appName).entries(section);
}

QString SettingsStore::filePath() const {
    return IniFile::path(m_appName);
}

std::optional<bool> SettingsStore::toBoolean(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool isNumber = false;
    const double number = trimmed.toDouble(&isNumber);
    // "nan" and "inf" read as numbers to toDouble, but are no numbers a user writes.
    if (!isNumber || !std::isfinite(number))
        return std::nullopt;
    return number != 0;
}
