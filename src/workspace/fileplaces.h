#ifndef FILEPLACES_H
#define FILEPLACES_H

#include <QString>

// Where the file dialogs start and what name they propose.
//
// A dialog starts in the project's own folder, else in the folder last
// used (kept in QSettings), else in the documents folder if it exists,
// else in the home folder: always a folder that exists, so that the first
// "Guardar" of a new project does not fail on a folder that is not there.
class FilePlaces
{
public:
    // The folder to start in for a project whose file is `projectFile`
    // (empty when it was never saved).
    static QString startFolder(const QString &projectFile = QString());
    // Keeps the folder of `path` as the last used.
    static void remember(const QString &path);
    // A file name without suffix made of `name`: the characters that a file
    // name cannot hold become "-"; "proyecto" when nothing is left.
    static QString baseName(const QString &name);
    // startFolder(projectFile)/baseName(name) + suffix ("-flujos.csv").
    static QString proposed(const QString &projectFile, const QString &name, const QString &suffix);
};

#endif // FILEPLACES_H
