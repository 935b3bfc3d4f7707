#include "benchproject.h"

#include "projectdocument.h"
#include "projectwindow.h"
#include "typicalproject.h"

#include <QTreeWidget>

namespace {

// A figure as a user types it: 1180000, not 1.18e+06.
QString typed(double value)
{
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

} // namespace

BenchProject::BenchProject(ProjectWindow *window)
    : document(window->document())
    , projectTree(window->tree())
{
}

int BenchProject::addAlternative(const QString &name, int horizon, double rate)
{
    AlternativeSnapshot alternative;
    alternative.name = name;
    alternative.horizon = QString::number(horizon);
    alternative.rate = QString::number(rate);
    if (!firstUsed && document->alternativeCount() > 0) {
        firstUsed = true;
        document->setCellText({0, -1, -1}, ProjectDocument::NameRow, alternative.name);
        document->setCellText({0, -1, -1}, ProjectDocument::HorizonRow, alternative.horizon);
        document->setCellText({0, -1, -1}, ProjectDocument::RateRow, alternative.rate);
        return 0;
    }
    return document->insertAlternative(document->alternativeCount(), alternative);
}

void BenchProject::addFlow(int alternative, bool income, CashFlow::Kind kind, const QString &name,
                           double payment, double gradient, int count, int start)
{
    FlowSnapshot flow;
    flow.kind = kind;
    flow.name = name;
    flow.amount = typed(payment);
    if (kind != CashFlow::Uniform)
        flow.change = typed(gradient);
    flow.payments = QString::number(count);
    flow.start = QString::number(start);
    const int group = income ? 0 : 1;
    document->insertFlow({alternative, group, int(document->flows(alternative, group)->size())}, flow);
}

void BenchProject::fillTypical(int alternatives, int flows, int horizon)
{
    document->setProject(typicalProject(alternatives, flows, horizon));
}

void BenchProject::setCommonRate(double rate)
{
    for (int a = 0; a < document->alternativeCount(); ++a)
        document->setCellText({a, -1, -1}, ProjectDocument::RateRow, QString::number(rate));
}
