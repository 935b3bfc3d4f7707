#include "reportpane.h"

#include "comparisonreport.h"
#include "workedsolution.h"
#include "projectdocument.h"
#include "projectreading.h"
#include "reportreflow.h"
#include "sensitivityrun.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>

ReportPane::ReportPane(QTextEdit *view, QLabel *notice, const ProjectDocument *document,
                       std::function<QString(Report)> buttonText, QObject *parent)
    : QObject(parent)
    , view(view)
    , notice(notice)
    , project(document)
    , buttonText(std::move(buttonText))
{
    notice->hide();
    // A report taller than the area would otherwise bring the scroll bar in
    // while it is laid out, narrowing the page, and Qt would lay the whole
    // report out a second time; the pictures are drawn to the page's width.
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The reports are Latin text and figures, which need no script shaping:
    // without it Qt lays out a report a quarter faster (HarfBuzz was over a
    // third of its layout of "Comparar"), and it looks the same.
    QFont plain = view->font();
    plain.setStyleStrategy(QFont::PreferNoShaping);
    view->setFont(plain);
    // One rebuild for a burst of changes: the timer fires once the event
    // loop has handled them all.
    refreshTimer = new QTimer(this);
    refreshTimer->setSingleShot(true);
    refreshTimer->setInterval(0);
    connect(refreshTimer, &QTimer::timeout, this, &ReportPane::refresh);
    run = new SensitivityRun(this);
    connect(run, &SensitivityRun::finished, this, &ReportPane::sensitivityFinished);
    new ReportReflow(view, this);
}

ReportPane::~ReportPane() = default;

ProjectFigures ReportPane::figures() const
{
    return ProjectReading::figures(project->project());
}

ReportDocument ReportPane::document(Report report) const
{
    return build(report, figures());
}

ReportDocument ReportPane::printable() const
{
    if (m_shown == Report::None || m_shown == Report::Sensitivity)
        return ReportDocument();
    return build(m_shown, m_shownFigures, PrintPictureWidth);
}

ReportDocument ReportPane::build(Report report, const ProjectFigures &figures, int width) const
{
    if (width <= 0)
        width = pictureWidth();
    switch (report) {
    case Report::CashFlows:
        return CashFlowReport::document(figures, width, cellLimit);
    case Report::Sensitivity:
        return sensitivityDocument(figures);
    case Report::WorkedSolution:
        return WorkedSolution::document(figures, cellLimit);
    case Report::None:
    case Report::Comparison:
        break;
    }
    return ComparisonReport::document(figures, width);
}

ReportDocument ReportPane::sensitivityDocument(const ProjectFigures &figures) const
{
    // Built here and now: the simulation on this thread's call.
    MonteCarlo::Outcome outcome;
    SensitivityReport::Settings settings = m_sensitivity;
    const auto result = SensitivityReport::simulation(figures, settings.variation)
                            .run(settings.draws, settings.seed, 0, &outcome);
    settings.outOfMemory = result == MonteCarlo::Result::OutOfMemory;
    return SensitivityReport::document(figures, settings, settings.outOfMemory ? nullptr : &outcome,
                                       pictureWidth());
}

void ReportPane::setSensitivitySettings(const SensitivityReport::Settings &settings)
{
    m_sensitivity = settings;
}

void ReportPane::cancelSensitivity()
{
    run->cancel();
}

void ReportPane::sensitivityFinished()
{
    SensitivityReport::Settings settings = runSettings;
    settings.outOfMemory = run->result() == MonteCarlo::Result::OutOfMemory;
    const ReportDocument built = SensitivityReport::document(
        runFigures, settings, settings.outOfMemory ? nullptr : &run->outcome(), pictureWidth());
    const bool stale = changedWhileRunning;
    present(Report::Sensitivity, runFigures, built, QDateTime::currentMSecsSinceEpoch() - runStartMs);
    if (stale) {
        notice->setText(tr("Los datos cambiaron desde este informe: pulse «%1» para actualizarlo.")
                            .arg(buttonText(Report::Sensitivity)));
        notice->show();
    }
}

int ReportPane::pictureWidth() const
{
    // The page inside the document's margins, a few pixels short of the
    // viewport so that a picture never calls for a horizontal scroll bar.
    const int page = view->viewport()->width()
        - 2 * static_cast<int>(std::ceil(view->document()->documentMargin())) - 4;
    return std::max(page, MinPictureWidth);
}

void ReportPane::show(Report report)
{
    refreshTimer->stop();
    run->cancel();
    QElapsedTimer clock;
    clock.start();
    const ProjectFigures read = figures();
    if (report == Report::Sensitivity) {
        // The simulation off this thread; a long one reports back later.
        runFigures = read;
        runSettings = m_sensitivity;
        runStartMs = QDateTime::currentMSecsSinceEpoch();
        changedWhileRunning = false;
        if (!run->start(runFigures, runSettings))
            return;
        sensitivityFinished();
        return;
    }
    present(report, read, build(report, read), clock.elapsed());
}

void ReportPane::present(Report report, const ProjectFigures &figures, const ReportDocument &built,
                         qint64 elapsedMs)
{
    QElapsedTimer clock;
    clock.start();
    m_shownFigures = figures;
    // A rebuild of the same report keeps the reader where they were.
    QScrollBar *across = view->horizontalScrollBar();
    QScrollBar *down = view->verticalScrollBar();
    const bool same = report == m_shown;
    const int x = across->value();
    const int y = down->value();
    // setHtml() keeps the resources of the previous report; clear() drops
    // them, so that only this report's pictures are held.
    QTextDocument *page = view->document();
    {
        // One change for the reader: the new report.
        const QSignalBlocker quiet(view);
        page->clear();
    }
    for (const auto &image : built.images)
        page->addResource(QTextDocument::ImageResource, QUrl(image.first), image.second);
    view->setHtml(built.html);
    if (same) {
        across->setValue(x);
        down->setValue(y);
    }
    m_shown = report;
    shownWidth = pictureWidth();
    lastBuildMs = elapsedMs + clock.elapsed();
    notice->hide();
    emit reportShown();
}

void ReportPane::projectChanged()
{
    if (run->running()) {
        // The report under way replaces the one shown, and is marked then.
        changedWhileRunning = true;
        return;
    }
    if (m_shown == Report::None || outOfDate())
        return;
    if (lastBuildMs < refreshLimitMs) {
        refreshTimer->start();
        return;
    }
    notice->setText(tr("Los datos cambiaron desde este informe: pulse «%1» para actualizarlo.")
                        .arg(buttonText(m_shown)));
    notice->show();
}

void ReportPane::followWidth()
{
    if (m_shown == Report::None || outOfDate() || run->running() || pictureWidth() == shownWidth
        || lastBuildMs >= refreshLimitMs)
        return;
    show(m_shown);
}

void ReportPane::refresh()
{
    if (m_shown != Report::None)
        show(m_shown);
}

bool ReportPane::outOfDate() const
{
    return notice->isVisibleTo(notice->parentWidget());
}
