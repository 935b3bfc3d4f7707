#ifndef EXPOSEPROBE_H
#define EXPOSEPROBE_H

#include <QObject>

class QWidget;

// Tells the parent benchmark when a start-up child has its window on screen.
//
// Watches the top-level window of `window` for its first expose. The widgets
// paint while that event is handled, so the probe waits for the event loop to
// come round once more, then writes the monotonic clock in nanoseconds (the
// clock the parent started its stopwatch on) and the peak memory in KiB to
// standard output and quits.
class ExposeProbe : public QObject
{
    Q_OBJECT

public:
    explicit ExposeProbe(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void report();

    QWidget *window;
    bool armed = true;
};

#endif // EXPOSEPROBE_H
