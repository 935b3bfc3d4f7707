#ifndef REPORTKEY_H
#define REPORTKEY_H

#include <QJsonObject>
#include <QString>

class ProjectWindow;

// The report a project showed when it was saved, kept in its file under the
// optional key "report" (docs/file-format.md), so that it opens as it was
// left: "visualizar", "comparar", "detallar" or "sensibilidad".
class ReportKey
{
public:
    static const QString Key;

    // The keys to add to the file of `project` as it is now.
    static QJsonObject of(const ProjectWindow *project);
    // Shows in `project` the report its file `keys` names; "Comparar" when
    // they name none, or one unknown.
    static void showIn(ProjectWindow *project, const QJsonObject &keys);
};

#endif // REPORTKEY_H
