#ifndef FILESAVING_H
#define FILESAVING_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Writing a file whole or not at all, and why it failed, in words.
//
// A file is written through QSaveFile: until the new content is complete
// and renamed over it, the file keeps its previous content whole, also if
// the process is killed in the middle. The causes are Spanish phrases
// ("la carpeta no existe", "no hay permiso de escritura", "el disco está
// lleno") that complete a sentence naming the file; the system's own text
// only follows a cause that has no words of its own.
class FileSaving
{
    Q_DECLARE_TR_FUNCTIONS(FileSaving)

public:
    // Writes `data` to `path`. An empty string when written, else the cause.
    static QString write(const QString &path, const QByteArray &data);

    // The cause that keeps `path` from being written, as far as it can be
    // seen before writing (no folder, no permission); empty when none shows.
    static QString writeObstacle(const QString &path);
    // Why writing `path` failed, from the system's error number `code`
    // (errno) and the text Qt gave, `said`; looks at the path first.
    static QString writeCause(const QString &path, int code, const QString &said);
    // Why reading `path` failed, likewise.
    static QString readCause(const QString &path, int code, const QString &said);
};

#endif // FILESAVING_H
