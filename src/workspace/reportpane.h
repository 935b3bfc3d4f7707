#ifndef REPORTPANE_H
#define REPORTPANE_H

#include "cashflowreport.h"
#include "projectfigures.h"
#include "reportdocument.h"
#include "sensitivityreport.h"

#include <QObject>

#include <functional>

class ProjectDocument;
class QLabel;
class QTextEdit;
class QTimer;
class SensitivityRun;

// The report area of a project window: builds "Visualizar", "Comparar",
// "Detallar" and "Sensibilidad" (whose simulation may run on in the background: SensitivityRun)
// from the project document, shows them in the read-only text area, keeps
// the reader's place when the same report is built again, and follows the
// project: after a change the report shown is built again once the burst of
// changes is over, or, when it was slow to build, marked out of date by the
// notice above it until its button is clicked.
class ReportPane : public QObject
{
    Q_OBJECT

public:
    enum class Report { None, CashFlows, Comparison, Sensitivity, WorkedSolution };

    // `buttonText` gives the text of the button of a report, for the notice.
    ReportPane(QTextEdit *view, QLabel *notice, const ProjectDocument *document,
               std::function<QString(Report)> buttonText, QObject *parent = nullptr);
    ~ReportPane() override;

    // Builds `report` afresh and shows it.
    void show(Report report);
    Report shown() const { return m_shown; }
    // The figures the report shown was built from (as they were then, even
    // when it is marked out of date).
    const ProjectFigures &shownFigures() const { return m_shownFigures; }

    // Every alternative's figures, read once from the document, and the
    // cells read as 0 although something is typed in them.
    ProjectFigures figures() const;
    // The document of `report`, built afresh, its pictures pictureWidth() wide.
    ReportDocument document(Report report) const;

    // The report shown as it is exported or printed: built again from the
    // figures it was built from, its pictures PrintPictureWidth wide, so
    // that it fits a portrait page and a page holds what fits on it. Empty
    // for none, and for "Sensibilidad", whose simulation is not run again.
    static constexpr int PrintPictureWidth = 600;
    ReportDocument printable() const;

    // The width of the report area's page, at least MinPictureWidth.
    static constexpr int MinPictureWidth = 480;
    int pictureWidth() const;

    static constexpr int DefaultRefreshLimitMs = 300;
    void setRefreshLimit(int milliseconds) { refreshLimitMs = milliseconds; }
    void setCellLimit(long long cells) { cellLimit = cells; }
    long long cellsLimit() const { return cellLimit; }
    bool outOfDate() const;

    // Something in the project changed.
    void projectChanged();
    // The report area's width changed (ReportReflow): the report shown is
    // built again to it when it was quick to build, as after a change.
    void followWidth();

    // The variation, draws and seed of "Sensibilidad".
    void setSensitivitySettings(const SensitivityReport::Settings &settings);
    const SensitivityReport::Settings &sensitivitySettings() const { return m_sensitivity; }
    SensitivityRun *sensitivityRun() const { return run; }
    // Stops the simulation running in the background: the report shown stays.
    void cancelSensitivity();

signals:
    // A report was put into the report area (built or built again).
    void reportShown();

private:
    // Pictures `width` wide; pictureWidth() for 0.
    ReportDocument build(Report report, const ProjectFigures &project, int width = 0) const;
    void present(Report report, const ProjectFigures &figures, const ReportDocument &built,
                 qint64 elapsedMs);
    void sensitivityFinished();
    ReportDocument sensitivityDocument(const ProjectFigures &figures) const;
    void refresh();

    QTextEdit *view;
    QLabel *notice;
    const ProjectDocument *project;
    std::function<QString(Report)> buttonText;
    QTimer *refreshTimer;
    Report m_shown = Report::None;
    ProjectFigures m_shownFigures;
    qint64 lastBuildMs = 0;
    int shownWidth = 0; // the pictureWidth() of the report shown
    int refreshLimitMs = DefaultRefreshLimitMs;
    long long cellLimit = CashFlowReport::MostShownCells;
    SensitivityRun *run;
    SensitivityReport::Settings m_sensitivity;
    // What the simulation running in the background was started for.
    ProjectFigures runFigures;
    SensitivityReport::Settings runSettings;
    qint64 runStartMs = 0;
    bool changedWhileRunning = false;
};

#endif // REPORTPANE_H
