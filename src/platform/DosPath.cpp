#include "platform/DosPath.h"

#include <algorithm>

namespace {

const QChar Separator = u'\\';
const QChar DefaultDrive = u'c';

bool hasForbiddenCharacter(const QString& text) {
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() < 0x20 || c == u'<' || c == u'>' || c == u'"' || c == u'|';
    });
}

// CON, PRN, AUX, NUL, COM1..9 and LPT1..9 name devices in every folder, also with an extension.
bool isDeviceName(const QString& component) {
    QString base = component.section(u'.', 0, 0);
    while (base.endsWith(u' '))
        base.chop(1);
    base = base.toLower();
    if (base == QLatin1String("con") || base == QLatin1String("prn") || base == QLatin1String("aux") ||
        base == QLatin1String("nul"))
        return true;
    const bool port = base.startsWith(QLatin1String("com")) || base.startsWith(QLatin1String("lpt"));
    return port && base.size() == 4 && base.at(3) >= u'1' && base.at(3) <= u'9';
}

bool startsWithDrive(const QString& text) {
    return text.size() >= 2 && text[1] == u':' && text[0].isLetter() && text[0].unicode() < 0x80;
}

// Drops "." and resolves ".." lexically. An absolute path never climbs above its root;
// a relative one keeps its leading ".." so that it can climb from the current folder.
QStringList resolveDots(const QStringList& raw, DosPath::Kind kind) {
    QStringList resolved;
    for (const QString& component : raw) {
        if (component == u'.')
            continue;
        if (component != QStringLiteral(".."))
            resolved.append(component);
        else if (!resolved.isEmpty() && resolved.last() != QStringLiteral(".."))
            resolved.removeLast();
        else if (kind == DosPath::Kind::Relative)
            resolved.append(component);
    }
    return resolved;
}

} // namespace

DosPath DosPath::parse(const QString& text) {
    QString path = text;
    path.replace(u'/', Separator);
    if (path.isEmpty() || path.startsWith(QStringLiteral("\\\\")) || hasForbiddenCharacter(path))
        return {};

    DosPath result;
    QString rest = path;
    if (startsWithDrive(path)) {
        result.kind = Kind::Absolute;
        result.drive = path[0].toLower();
        rest = path.mid(2);
    } else {
        result.kind = path.startsWith(Separator) ? Kind::Absolute : Kind::Relative;
        if (result.kind == Kind::Absolute)
            result.drive = DefaultDrive;
    }
    if (rest.contains(u':'))
        return {};

    result.components = resolveDots(rest.split(Separator, Qt::SkipEmptyParts), result.kind);
    if (std::any_of(result.components.cbegin(), result.components.cend(), isDeviceName))
        return {};
    return result;
}

QString DosPath::toString() const {
    const QString joined = components.join(Separator);
    switch (kind) {
    case Kind::Absolute:
        return drive.toUpper() + u':' + Separator + joined;
    case Kind::Relative:
        return joined;
    case Kind::Invalid:
        break;
    }
    return {};
}
