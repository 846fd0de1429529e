#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <optional>

// The per-user settings store: application name -> section -> key -> text, one INI
// file per application name in the configuration folder. Every operation reads the
// file afresh and every change is saved at once, atomically.
class SettingsStore {
public:
    static inline const QString AppName = QStringLiteral("Vanu Bootlogo");
    // The text form of the Boolean true.
    static inline const QString TrueText = QStringLiteral("True");

    explicit SettingsStore(QString appName = AppName);

    // The stored text, or the given default when the key is absent.
    QString get(const QString& section, const QString& key, const QString& defaultValue = QString()) const;
    // Creates the section and key as needed or overwrites the value in place.
    bool save(const QString& section, const QString& key, const QString& value);
    // Removes a section with all its keys; false when it is absent or cannot be saved.
    bool deleteSection(const QString& section);
    // (key, value) pairs in the store's key order; empty for an absent section.
    QList<QPair<QString, QString>> getAll(const QString& section) const;

    QString filePath() const;

    // Boolean text: True/False in any case, or a number (0 false, anything else true).
    // Any other text does not convert.
    static std::optional<bool> toBoolean(const QString& text);

private:
    QString m_appName;
};
