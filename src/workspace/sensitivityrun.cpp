#include "sensitivityrun.h"

#include <QTimer>

#include <atomic>
#include <chrono>

struct SensitivityRun::Job {
    Job(MonteCarlo simulation, long long draws, quint64 seed)
        : simulation(std::move(simulation)), draws(draws), seed(seed)
    {
    }
    MonteCarlo simulation;
    long long draws;
    quint64 seed;
    MonteCarlo::Outcome outcome;
    std::atomic<bool> cancel{false};
    std::atomic<long long> done{0};
};

SensitivityRun::SensitivityRun(QObject *parent)
    : QObject(parent)
{
    timer = new QTimer(this);
    timer->setInterval(50);
    connect(timer, &QTimer::timeout, this, &SensitivityRun::poll);
}

SensitivityRun::~SensitivityRun()
{
    cancel();
}

bool SensitivityRun::start(const ProjectFigures &figures,
                           const SensitivityReport::Settings &settings)
{
    cancel();
    job = std::make_shared<Job>(SensitivityReport::simulation(figures, settings.variation),
                                settings.draws, settings.seed);
    std::shared_ptr<Job> work = job;
    try {
        pending = std::async(std::launch::async, [work] {
            return work->simulation.run(work->draws, work->seed, 0, &work->outcome, &work->cancel,
                                        &work->done);
        });
    } catch (const std::system_error &) {
        // No thread to spare: run here.
        m_result = job->simulation.run(job->draws, job->seed, 0, &job->outcome);
        return true;
    }
    if (pending.wait_for(std::chrono::milliseconds(WaitMs)) == std::future_status::ready) {
        m_result = pending.get();
        return true;
    }
    timer->start();
    emit progressed(0);
    return false;
}

bool SensitivityRun::running() const
{
    return pending.valid();
}

void SensitivityRun::cancel()
{
    timer->stop();
    if (!pending.valid())
        return;
    job->cancel = true;
    pending.wait();
    pending = {};
    m_result = MonteCarlo::Result::Cancelled;
    job->outcome = {};
}

void SensitivityRun::poll()
{
    if (!pending.valid()) {
        timer->stop();
        return;
    }
    if (pending.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        const long long draws = std::max(job->draws, 1LL);
        emit progressed(static_cast<int>(100 * job->done.load() / draws));
        return;
    }
    timer->stop();
    m_result = pending.get();
    emit finished();
}

MonteCarlo::Result SensitivityRun::result() const
{
    return m_result;
}

const MonteCarlo::Outcome &SensitivityRun::outcome() const
{
    static const MonteCarlo::Outcome none;
    return job ? job->outcome : none;
}
