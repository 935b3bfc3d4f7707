#include "reportkey.h"

#include "projectwindow.h"

namespace {

using Report = ProjectWindow::Report;

struct Name {
    Report report;
    const char *key;
};

const Name Names[] = {{Report::CashFlows, "visualizar"},
                      {Report::Comparison, "comparar"},
                      {Report::WorkedSolution, "detallar"},
                      {Report::Sensitivity, "sensibilidad"}};

} // namespace

const QString ReportKey::Key = QStringLiteral("report");

QJsonObject ReportKey::of(const ProjectWindow *project)
{
    for (const Name &name : Names) {
        if (name.report == project->shownReport())
            return {{Key, QLatin1String(name.key)}};
    }
    return {};
}

void ReportKey::showIn(ProjectWindow *project, const QJsonObject &keys)
{
    const QString named = keys.value(Key).toString();
    Report report = Report::Comparison;
    for (const Name &name : Names) {
        if (named == QLatin1String(name.key))
            report = name.report;
    }
    switch (report) {
    case Report::CashFlows:
        project->showCashFlows();
        break;
    case Report::WorkedSolution:
        project->showWorkedSolution();
        break;
    case Report::Sensitivity:
        project->showSensitivity();
        break;
    case Report::None:
    case Report::Comparison:
        project->showComparison();
        break;
    }
}
