#include "platform/IniDocument.h"

#include <QByteArrayView>
#include <QSet>
#include <QStringDecoder>
#include <algorithm>
#include <utility>

namespace {

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArrayView EscapedCharacters = "%=[];";

bool needsEscape(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F || EscapedCharacters.contains(c);
}

QByteArray escape(const QString& text) {
    static constexpr char HexDigits[] = "0123456789ABCDEF";
    const QByteArray utf8 = text.toUtf8();
    QByteArray escaped;
    escaped.reserve(utf8.size());
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        // The reader trims blanks around names and values, so blanks at the ends are escaped.
        const bool blankAtEnd = c == ' ' && (i == 0 || i == utf8.size() - 1);
        if (!needsEscape(c) && !blankAtEnd) {
            escaped += c;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        escaped += '%';
        escaped += HexDigits[byte >> 4];
        escaped += HexDigits[byte & 0x0F];
    }
    return escaped;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

int escapedByte(char high, char low) {
    const int highValue = hexValue(high);
    const int lowValue = hexValue(low);
    return highValue < 0 || lowValue < 0 ? -1 : highValue << 4 | lowValue;
}

// A "%" that does not start an escape (a hand-written "100%") stands for itself.
QByteArray unescape(QByteArrayView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = text[i] == '%' && i + 2 < text.size() ? escapedByte(text[i + 1], text[i + 2]) : -1;
        if (byte < 0) {
            bytes += text[i];
            continue;
        }
        bytes += static_cast<char>(byte);
        i += 2;
    }
    return bytes;
}

// None for bytes that are not valid UTF-8: such text is kept as it is, never reinterpreted.
std::optional<QString> decodeUtf8(QByteArrayView bytes) {
    // A U+FEFF at the start of a name is text, not a byte order mark.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<QString> decodeName(QByteArrayView escaped) {
    return decodeUtf8(unescape(escaped.trimmed()));
}

// "[Name]"; a header whose "]" is missing still names its section.
std::optional<QString> headerName(QByteArrayView trimmedLine) {
    const QByteArrayView inner = trimmedLine.sliced(1);
    const qsizetype end = inner.indexOf(']');
    return decodeName(end < 0 ? inner : inner.first(end));
}

QByteArray headerLine(const QString& name) {
    return '[' + escape(name) + ']';
}

QByteArray entryLine(const QString& key, const QString& value) {
    return escape(key) + '=' + escape(value);
}

QList<QByteArray> splitLines(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    // The line break that ends the last line does not start another one.
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArrayView withoutBom(QByteArrayView line) {
    return line.startsWith(Utf8Bom) ? line.sliced(Utf8Bom.size()) : line;
}

bool sameName(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniDocument IniDocument::parse(const QByteArray& text) {
    IniDocument document;
    document.m_sections.append(Section{});
    QHash<QString, qsizetype> knownSections;
    qsizetype current = 0;
    const QList<QByteArray> lines = splitLines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArrayView content = (i == 0 ? withoutBom(lines[i]) : QByteArrayView(lines[i])).trimmed();
        if (content.startsWith('['))
            current = document.enterSection(lines[i], headerName(content), knownSections);
        else
            document.m_sections[current].lines.append(Line{lines[i], parseEntry(content)});
    }
    return document;
}

// Blank lines, comments and lines without "=" hold no entry; neither does a line that
// is not UTF-8, so that it is written back as it was.
std::optional<IniDocument::Entry> IniDocument::parseEntry(QByteArrayView trimmedLine) {
    const qsizetype equals = trimmedLine.indexOf('=');
    if (trimmedLine.startsWith(';') || equals < 0)
        return std::nullopt;
    std::optional<QString> key = decodeName(trimmedLine.first(equals));
    std::optional<QString> value = decodeName(trimmedLine.sliced(equals + 1));
    if (!key || !value)
        return std::nullopt;
    return Entry{*std::move(key), *std::move(value)};
}

// A header that repeats an earlier section's name continues that section, so that
// no key of a hand-edited file goes unseen; the repeated header is kept as a line.
qsizetype IniDocument::enterSection(const QByteArray& header, const std::optional<QString>& name,
                                    QHash<QString, qsizetype>& knownSections) {
    if (name) {
        const QString folded = name->toCaseFolded();
        const auto known = knownSections.constFind(folded);
        if (known != knownSections.cend()) {
            m_sections[*known].lines.append(Line{header, std::nullopt});
            return *known;
        }
        knownSections.insert(folded, m_sections.size());
    }
    m_sections.append(Section{header, name, {}});
    return m_sections.size() - 1;
}

QByteArray IniDocument::serialize() const {
    QByteArray text;
    for (const Section& section : m_sections) {
        if (!section.header.isEmpty())
            text += section.header + '\n';
        for (const Line& line : section.lines)
            text += line.text + '\n';
    }
    return text;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const {
    const Section* found = findSection(section);
    const Line* line = found ? findEntry(*found, key) : nullptr;
    return line ? std::optional<QString>(line->entry->value) : std::nullopt;
}

void IniDocument::setValue(const QString& section, const QString& key, const QString& value) {
    Section* found = findSection(section);
    Section& target = found ? *found : addSection(section);
    if (Line* line = findEntry(target, key)) {
        line->entry->value = value;
        line->text = entryLine(line->entry->key, value);
        return;
    }
    // After the section's last key, so that blank lines and comments that close it stay last.
    const auto lastEntry = std::find_if(target.lines.crbegin(), target.lines.crend(),
                                        [](const Line& line) { return line.entry.has_value(); });
    target.lines.insert(target.lines.crend() - lastEntry, Line{entryLine(key, value), Entry{key, value}});
}

bool IniDocument::removeSection(const QString& section) {
    const Section* found = findSection(section);
    if (!found)
        return false;
    m_sections.removeAt(found - m_sections.constData());
    return true;
}

QList<QPair<QString, QString>> IniDocument::entries(const QString& section) const {
    QList<QPair<QString, QString>> pairs;
    const Section* found = findSection(section);
    if (!found)
        return pairs;
    // Of repeated keys the first one counts, as it does for value().
    QSet<QString> seen;
    for (const Line& line : found->lines) {
        if (line.entry && !seen.contains(line.entry->key.toCaseFolded())) {
            seen.insert(line.entry->key.toCaseFolded());
            pairs.append({line.entry->key, line.entry->value});
        }
    }
    return pairs;
}

// A new section ends with a blank line, which keeps the file readable and goes with it
// when the section is removed.
IniDocument::Section& IniDocument::addSection(const QString& name) {
    return m_sections.emplaceBack(Section{headerLine(name), name, {Line{}}});
}

IniDocument::Section* IniDocument::findSection(const QString& name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

const IniDocument::Section* IniDocument::findSection(const QString& name) const {
    const auto found = std::find_if(m_sections.cbegin(), m_sections.cend(), [&](const Section& section) {
        return section.name && sameName(*section.name, name);
    });
    return found == m_sections.cend() ? nullptr : &*found;
}

IniDocument::Line* IniDocument::findEntry(Section& section, const QString& key) {
    return const_cast<Line*>(findEntry(std::as_const(section), key));
}

const IniDocument::Line* IniDocument::findEntry(const Section& section, const QString& key) {
    const auto found = std::find_if(section.lines.cbegin(), section.lines.cend(), [&](const Line& line) {
        return line.entry && sameName(line.entry->key, key);
    });
    return found == section.lines.cend() ? nullptr : &*found;
}
