#include "platform/IniFile.h"

#include "platform/AtomicFile.h"
#include "platform/ConfigPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

} // namespace

namespace IniFile {

QString path(const QString& name) {
    return ConfigPaths::configDir() + u'/' + name + QStringLiteral(".ini");
}

IniDocument read(const QString& name) {
    return load(path(name)).document;
}

bool change(const QString& name, const std::function<bool(IniDocument&)>& change) {
    const QString file = path(name);
    LoadedFile loaded = load(file);
    if (!loaded.mayBeReplaced || !change(loaded.document))
        return false;
    return QDir().mkpath(QFileInfo(file).absolutePath()) &&
           AtomicFile::write(file, loaded.document.serialize());
}

} // namespace IniFile
