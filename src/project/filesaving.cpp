#include "filesaving.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace {

QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The words for a system error number common to reading and writing;
// empty for one without words of its own.
QString causeOf(int code)
{
    switch (code) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG: // a quota or a limit on the size of files
        return FileSaving::tr("el disco está lleno");
    case EROFS:
        return FileSaving::tr("el disco es de solo lectura");
    case EACCES:
    case EPERM:
        return FileSaving::tr("no hay permiso de escritura");
    case ENAMETOOLONG:
        return FileSaving::tr("el nombre es demasiado largo");
    case EISDIR:
        return FileSaving::tr("es una carpeta");
    case ENOTDIR:
    case ENOENT:
        return FileSaving::tr("la carpeta no existe");
    case EIO:
        return FileSaving::tr("el disco dio un error de lectura o escritura");
    case EMFILE:
    case ENFILE:
        return FileSaving::tr("hay demasiados archivos abiertos");
    default:
        return QString();
    }
}

} // namespace

QString FileSaving::writeObstacle(const QString &path)
{
    const QFileInfo file(path);
    const QFileInfo folder(folderOf(path));
    if (!folder.exists())
        return tr("la carpeta «%1» no existe").arg(shown(folder.absoluteFilePath()));
    if (!folder.isDir())
        return tr("«%1» no es una carpeta").arg(shown(folder.absoluteFilePath()));
    if (file.isDir())
        return tr("es una carpeta");
    // QSaveFile writes a new file in the folder and renames it over the old one.
    if (!folder.isWritable())
        return tr("no hay permiso de escritura en la carpeta «%1»")
            .arg(shown(folder.absoluteFilePath()));
    if (file.exists() && !file.isWritable())
        return tr("no hay permiso de escritura en el archivo");
    return QString();
}

QString FileSaving::writeCause(const QString &path, int code, const QString &said)
{
    const QString seen = writeObstacle(path);
    if (!seen.isEmpty())
        return seen;
    if (code == ENOENT || code == ENOTDIR)
        return tr("la carpeta «%1» no existe").arg(shown(folderOf(path)));
    const QString words = causeOf(code);
    if (!words.isEmpty())
        return words;
    return said.isEmpty() ? tr("error del sistema") : tr("error del sistema (%1)").arg(said);
}

QString FileSaving::readCause(const QString &path, int code, const QString &said)
{
    const QFileInfo file(path);
    if (!file.exists())
        return QFileInfo(folderOf(path)).exists() ? tr("el archivo no existe")
                                                  : tr("la carpeta «%1» no existe")
                                                        .arg(shown(folderOf(path)));
    if (file.isDir())
        return tr("es una carpeta");
    if (!file.isReadable() || code == EACCES || code == EPERM)
        return tr("no hay permiso de lectura");
    const QString words = causeOf(code);
    if (!words.isEmpty())
        return words;
    return said.isEmpty() ? tr("error del sistema") : tr("error del sistema (%1)").arg(said);
}

QString FileSaving::write(const QString &path, const QByteArray &data)
{
    const QString seen = writeObstacle(path);
    if (!seen.isEmpty())
        return seen;
    // Unbuffered, so that a failed write leaves its cause in errno.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeCause(path, errno, file.errorString());
    errno = 0;
    if (file.write(data) != data.size()) {
        const int code = errno;
        const QString said = file.errorString();
        file.cancelWriting();
        file.commit(); // removes the new file; the old one stays as it was
        return writeCause(path, code, said);
    }
    errno = 0;
    if (!file.commit())
        return writeCause(path, errno, file.errorString());
    return QString();
}
