#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

// An INI text ("[Section]" headers, "key=value" lines, UTF-8) that keeps sections
// and keys in the order they were first written and matches names without regard
// to case. Names and values are escaped so that any text survives a round trip.
// Lines that do not parse are kept as they are and written back unchanged.
class IniDocument {
public:
    static IniDocument parse(const QByteArray& text);
    QByteArray serialize() const;

    std::optional<QString> value(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    // Removes the section with all its keys; false when there was no such section.
    bool removeSection(const QString& section);
    QList<QPair<QString, QString>> entries(const QString& section) const;

private:
    struct Line {
        QString key; // empty for a kept raw line
        QString value;
        QByteArray raw;
    };
    struct Section {
        QString name;
        bool hasHeader = true;
        QList<Line> lines;
    };
    QList<Section> m_sections;

    Section* findSection(const QString& name);
    const Section* findSection(const QString& name) const;
};
