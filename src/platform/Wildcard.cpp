#include "platform/Wildcard.h"

#include <fnmatch.h>

namespace {

// Both sides are case folded, so that letters outside ASCII compare without regard to
// case too. Without escapes, "[[]" is the only way to make fnmatch take "[" literally;
// Windows names may contain brackets.
bool globMatches(const QString& pattern, const QString& name) {
    QByteArray glob = pattern.toCaseFolded().toUtf8();
    glob.replace("[", "[[]");
    const QByteArray text = name.toCaseFolded().toUtf8();
    return fnmatch(glob.constData(), text.constData(), FNM_NOESCAPE | FNM_CASEFOLD) == 0;
}

} // namespace

namespace Wildcard {

bool matches(const QString& pattern, const QString& name) {
    // A final ".*" also matches the end of a name without an extension ("*.*" matches "README").
    if (pattern.endsWith(QStringLiteral(".*")) && globMatches(pattern.chopped(2), name))
        return true;
    // A final "." asks for names without an extension ("*." matches "README", not "logo.sys").
    if (pattern.endsWith(u'.') && pattern.size() > 1)
        return !name.contains(u'.') && globMatches(pattern.chopped(1), name);
    return globMatches(pattern, name);
}

bool hasWildcards(const QString& pattern) {
    return pattern.contains(u'*') || pattern.contains(u'?');
}

} // namespace Wildcard
