#include "exposeprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

ExposeProbe::ExposeProbe(QWidget *window)
    : QObject(window)
    , window(window)
{
    // The native window exists only once the widget is shown; watch the
    // application for it rather than the window handle.
    QCoreApplication::instance()->installEventFilter(this);
}

bool ExposeProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (armed && event->type() == QEvent::Expose && watched == window->windowHandle()
        && window->windowHandle()->isExposed()) {
        armed = false;
        QTimer::singleShot(0, this, &ExposeProbe::report);
    }
    return QObject::eventFilter(watched, event);
}

void ExposeProbe::report()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%lld %ld\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                usage.ru_maxrss);
    std::fflush(stdout);
    QCoreApplication::quit();
}
