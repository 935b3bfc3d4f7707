#include "recoverywriter.h"

#include "projectdocument.h"
#include "projectwindow.h"
#include "recoverystore.h"

#include <QEvent>
#include <QTimer>

#include <algorithm>

namespace {

int leastInterval = 30000;

} // namespace

RecoveryWriter::RecoveryWriter(ProjectWindow *window, RecoveryStore *store)
    : QObject(window)
    , window(window)
    , store(store)
    , timer(new QTimer(this))
{
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &RecoveryWriter::writeNow);
    connect(window->document(), &ProjectDocument::changed, this, &RecoveryWriter::changed);
    // The modified marker is set by a step and cleared by saving, undoing
    // to the state saved or discarding.
    window->installEventFilter(this);
    changed();
}

RecoveryWriter::~RecoveryWriter()
{
    removeCopy();
}

int RecoveryWriter::interval()
{
    return leastInterval;
}

void RecoveryWriter::setInterval(int milliseconds)
{
    leastInterval = milliseconds;
}

bool RecoveryWriter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window && event->type() == QEvent::ModifiedChange)
        changed();
    return QObject::eventFilter(watched, event);
}

void RecoveryWriter::changed()
{
    if (!window->isWindowModified()) {
        timer->stop();
        removeCopy();
        return;
    }
    if (timer->isActive())
        return;
    const qint64 since = lastWrite.isValid() ? lastWrite.elapsed() : leastInterval;
    timer->start(int(std::max<qint64>(0, leastInterval - since)));
}

void RecoveryWriter::writeNow()
{
    timer->stop();
    if (!store || !window->isWindowModified())
        return;
    if (path.isEmpty())
        path = store->newCopyPath();
    // A copy of the project's texts, shared with the document until it changes.
    store->write(path, window->snapshot(), window->filePath(), window->displayName());
    written = true;
    lastWrite.start();
}

void RecoveryWriter::removeCopy()
{
    if (written && store)
        store->remove(path);
    written = false;
}
