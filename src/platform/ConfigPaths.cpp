#include "platform/ConfigPaths.h"

#include <QDir>

namespace {

const QString ProgramFolder = QStringLiteral("vanu-logo-manager");

QString baseDir(const char* variable, const QString& fallbackUnderHome) {
    const QString fromEnvironment = qEnvironmentVariable(variable);
    // The XDG rules ignore relative paths.
    if (!fromEnvironment.isEmpty() && QDir::isAbsolutePath(fromEnvironment))
        return fromEnvironment;
    return QDir::homePath() + u'/' + fallbackUnderHome;
}

} // namespace

namespace ConfigPaths {

QString configDir() {
    return baseDir("XDG_CONFIG_HOME", QStringLiteral(".config")) + u'/' + ProgramFolder;
}

QString dataDir() {
    return baseDir("XDG_DATA_HOME", QStringLiteral(".local/share")) + u'/' + ProgramFolder;
}

} // namespace ConfigPaths
