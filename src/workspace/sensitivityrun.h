#ifndef SENSITIVITYRUN_H
#define SENSITIVITYRUN_H

#include "montecarlo.h"
#include "sensitivityreport.h"

#include <QObject>

#include <future>
#include <memory>

class QTimer;

// The simulation of a "Sensibilidad" report, off the GUI thread: start()
// waits for it up to WaitMs; a longer one goes on in the background while
// the window stays responsive, reports its progress and can be cancelled.
class SensitivityRun : public QObject
{
    Q_OBJECT

public:
    static constexpr int WaitMs = 500;

    explicit SensitivityRun(QObject *parent = nullptr);
    // Cancels a run still going and waits for its threads.
    ~SensitivityRun() override;

    // Starts simulating `figures` (a run still going is cancelled first).
    // True when it ended within WaitMs: result() and outcome() hold it.
    // Otherwise it runs on, then emits finished().
    bool start(const ProjectFigures &figures, const SensitivityReport::Settings &settings);
    bool running() const;
    void cancel();

    MonteCarlo::Result result() const;
    const MonteCarlo::Outcome &outcome() const;

signals:
    void progressed(int percent);
    void finished();

private:
    struct Job;
    void poll();

    std::shared_ptr<Job> job;
    std::future<MonteCarlo::Result> pending;
    MonteCarlo::Result m_result = MonteCarlo::Result::Cancelled;
    QTimer *timer;
};

#endif // SENSITIVITYRUN_H
