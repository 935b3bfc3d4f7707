#include "fileplaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString LastFolderKey = QStringLiteral("lastFolder");

bool isFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

QString FilePlaces::startFolder(const QString &projectFile)
{
    if (!projectFile.isEmpty()) {
        const QString own = QFileInfo(projectFile).absolutePath();
        if (isFolder(own))
            return own;
    }
    const QString last = QSettings().value(LastFolderKey).toString();
    if (isFolder(last))
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (isFolder(documents))
        return documents;
    return QDir::homePath();
}

void FilePlaces::remember(const QString &path)
{
    if (!path.isEmpty())
        QSettings().setValue(LastFolderKey, QFileInfo(path).absolutePath());
}

QString FilePlaces::baseName(const QString &name)
{
    QString base;
    for (const QChar c : name) {
        const bool forbidden = c.unicode() < 0x20 || c == QChar(0x7F)
            || QStringLiteral("/\\:*?\"<>|").contains(c);
        base += forbidden ? QLatin1Char('-') : c;
    }
    base = base.trimmed();
    // No hidden file, and no name that a file system refuses as too long.
    while (base.startsWith(QLatin1Char('.')))
        base.remove(0, 1);
    if (base.size() > 100) {
        base.truncate(100);
        if (base.back().isHighSurrogate())
            base.chop(1);
    }
    if (base.trimmed().isEmpty())
        return QCoreApplication::translate("FilePlaces", "proyecto");
    return base.trimmed();
}

QString FilePlaces::proposed(const QString &projectFile, const QString &name, const QString &suffix)
{
    return QDir(startFolder(projectFile)).filePath(baseName(name) + suffix);
}
