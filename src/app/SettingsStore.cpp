#include "app/SettingsStore.h"

#include "platform/AtomicFile.h"
#include "platform/ConfigPaths.h"
#include "platform/IniDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace {

// Far beyond any real store; a larger file is read only in part, and never written,
// so that the rest of it is not lost.
constexpr qint64 MaxFileSize = 1 << 20;

struct LoadedFile {
    IniDocument document;
    bool mayBeReplaced = true; // false where writing the document would lose part of the file
};

QByteArray wholeLines(QByteArray text) {
    text.truncate(text.lastIndexOf('\n') + 1);
    return text;
}

LoadedFile load(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {IniDocument{}, false};
    const QByteArray text = file.read(MaxFileSize + 1);
    const bool complete = text.size() <= MaxFileSize && file.error() == QFileDevice::NoError;
    return {IniDocument::parse(complete ? text : wholeLines(text.first(MaxFileSize))), complete};
}

// Reads the file, applies the change and saves the result; false when the change does
// nothing or the file cannot be read whole or written.
template <typename Change> bool changeFile(const QString& path, Change change) {
    LoadedFile loaded = load(path);
    if (!loaded.mayBeReplaced || !change(loaded.document))
        return false;
    return QDir().mkpath(QFileInfo(path).absolutePath()) &&
           AtomicFile::write(path, loaded.document.serialize());
}

} // namespace

SettingsStore::SettingsStore(QString appName) : m_appName(std::move(appName)) {}

QString SettingsStore::get(const QString& section, const QString& key, const QString& defaultValue) const {
    return load(filePath()).document.value(section, key).value_or(defaultValue);
}

bool SettingsStore::save(const QString& section, const QString& key, const QString& value) {
    return changeFile(filePath(), [&](IniDocument& document) {
        document.setValue(section, key, value);
        return true;
    });
}

bool SettingsStore::deleteSection(const QString& section) {
    return changeFile(filePath(), [&](IniDocument& document) { return document.removeSection(section); });
}

QList<QPair<QString, QString>> SettingsStore::getAll(const QString& section) const {
    return load(filePath()).document.entries(section);
}

QString SettingsStore::filePath() const {
    return ConfigPaths::configDir() + u'/' + m_appName + QStringLiteral(".ini");
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
