#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

// An INI text ("[Section]" headers, "key=value" lines, UTF-8) that keeps sections
// and keys in the order they were first written and matches names without regard
// to case. Names and values are escaped so that any text survives a round trip.
// Lines that do not parse are kept as they are and written back unchanged.
//
// Escapes: "%" followed by two hex digits stands for that byte. Written as such are
// "%", "=", "[", "]", ";", every control character (line breaks, tabs, NUL) and a
// blank at either end of a name or value; all other text, non-ASCII letters and
// backslashes included, is written as UTF-8 as it stands.
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
    struct Entry {
        QString key;
        QString value;
    };
    struct Line {
        QByteArray text;            // the bytes of the line, without its line break
        std::optional<Entry> entry; // none for a blank, comment or damaged line
    };
    struct Section {
        QByteArray header;           // the header line; empty for the lines before the first header
        std::optional<QString> name; // none where the lines belong to no usable section
        QList<Line> lines;
    };
    QList<Section> m_sections;

    // Index of the section that the lines after a header belong to; knownSections maps the
    // case-folded names seen so far to their index.
    static std::optional<Entry> parseEntry(QByteArrayView trimmedLine);
    qsizetype enterSection(const QByteArray& header, const std::optional<QString>& name,
                           QHash<QString, qsizetype>& knownSections);
    Section& addSection(const QString& name);
    Section* findSection(const QString& name);
    const Section* findSection(const QString& name) const;
    static Line* findEntry(Section& section, const QString& key);
    static const Line* findEntry(const Section& section, const QString& key);
};
