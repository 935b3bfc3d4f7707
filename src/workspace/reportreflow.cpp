#include "reportreflow.h"

#include "reportpane.h"

#include <QEvent>
#include <QTextEdit>
#include <QTimer>

ReportReflow::ReportReflow(QTextEdit *view, ReportPane *pane)
    : QObject(pane)
    , viewport(view->viewport())
    , settled(new QTimer(this))
{
    settled->setSingleShot(true);
    settled->setInterval(SettleMs);
    connect(settled, &QTimer::timeout, pane, &ReportPane::followWidth);
    viewport->installEventFilter(this);
}

ReportReflow::~ReportReflow() = default;

bool ReportReflow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == viewport && event->type() == QEvent::Resize)
        settled->start();
    return QObject::eventFilter(watched, event);
}
