#ifndef PROJECTFILE_H
#define PROJECTFILE_H

#include "projectsnapshot.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

// The project file: UTF-8 JSON, one object with "format", "version" and
// "alternatives" (docs/file-format.md). Every cell is kept as the text typed.
//
// Reading checks the whole file before anything is built from it: any byte
// sequence gives either a project or one Spanish sentence with the reason.
class ProjectFile
{
    Q_DECLARE_TR_FUNCTIONS(ProjectFile)

public:
    // The newest version read. A project is written as the oldest version
    // that reads it as it is meant: 1 unless it has a single payment or a
    // rate typed as a percentage (2), or a tax rate, an asset or a loan (3), so that earlier releases still open it,
    // and refuse with their version message what they would read wrongly.
    static constexpr int Version = 4;
    // The first version whose reader takes "10 %" in a rate cell as 0.1.
    static constexpr int PercentRatesVersion = 2;
    // The first version with a "taxRate" and the kinds "asset" and "loan".
    static constexpr int AfterTaxVersion = 3;
    // The first version with replacement analyses (ReplacementFile).
    static constexpr int ReplacementsVersion = 4;
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;
    static constexpr int MaxAlternatives = 10000;
    static constexpr int MaxFlows = 100000;
    static constexpr int MaxTextLength = 100000;
    // Object, "alternatives", alternative, "income"/"expenses", flow.
    static constexpr int MaxNesting = 5;

    static int versionFor(const ProjectSnapshot &project);
    // Reads the cell `key` of `object` into `text`: a string as it is, a
    // number as its shortest text, a missing key as an empty cell; `where`
    // names the object in `reason` when it is none of these or too long.
    static bool readCell(const QJsonObject &object, const char *key, const QString &where,
                         QString *text, QString *reason);
    // `extra` adds keys of its own to the file's object.
    static QByteArray toJson(const ProjectSnapshot &project, const QJsonObject &extra = {});
    // Parses and checks `data`. On failure leaves `project` alone, puts the
    // reason in `reason` and returns false.
    // `extra`, if given, receives the file's whole object, for the keys of
    // its own that the writer added.
    static bool fromJson(const QByteArray &data, ProjectSnapshot *project, QString *reason,
                         QJsonObject *extra = nullptr);
    // Why `project` cannot be written as a file that opens again (beyond a
    // limit), or an empty string.
    static QString limitProblem(const ProjectSnapshot &project);

    // Reads the file at `path`; `error`, if given, receives a whole message
    // naming the file.
    static bool read(const QString &path, ProjectSnapshot *project, QString *error,
                     QJsonObject *extra = nullptr);
    // Writes through QSaveFile (FileSaving): the previous file stays whole
    // until the new one is complete. `error`, if given, receives a whole
    // message naming the file and the cause in words.
    static bool write(const QString &path, const ProjectSnapshot &project, QString *error,
                      const QJsonObject &extra = {});
};

#endif // PROJECTFILE_H
