// Time of "Sensibilidad" on large projects: its sensitivity part (tables,
// tornado, break-evens, spider plot; no simulation) against "Comparar" on
// 10 alternatives of 20 flows, and 10,000 draws of the simulation of 100
// alternatives of 20 flows (20 million flow valuations) on every core
// against one thread, the same draws.
//
// Usage: bench_sensitivity [repeats]   (default 7; medians are printed)
#include "benchstats.h"
#include "comparisonreport.h"
#include "projectreading.h"
#include "sensitivity.h"
#include "sensitivityreport.h"
#include "tornadochart.h"
#include "typicalproject.h"

#include <QGuiApplication>

#include <QElapsedTimer>

#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

namespace {

double medianMs(int repeats, const std::function<void()> &work)
{
    std::vector<double> samples;
    for (int r = 0; r < repeats; ++r) {
        QElapsedTimer clock;
        clock.start();
        work();
        samples.push_back(clock.nsecsElapsed() / 1e6);
    }
    return BenchStats::median(samples);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    constexpr int Width = 900;

    const ProjectFigures ten = ProjectReading::figures(typicalProject(10, 20, 30));
    SensitivityReport::Settings settings;
    const double comparison = medianMs(repeats, [&] { ComparisonReport::document(ten, Width); });
    // The sensitivity part: every figure varied by -p and +p and its tornado.
    const double part = medianMs(repeats, [&] {
        for (const AlternativeFigures &alternative : ten.alternatives) {
            const Estimates figures = SensitivityReport::estimatesOf(alternative);
            QVector<TornadoChart::Bar> bars;
            for (const Sensitivity::Line &line : Sensitivity::of(figures, settings.variation))
                bars.append({SensitivityReport::plainLabel(alternative, line.estimate), line.vpnLow,
                             line.vpnHigh});
            TornadoChart::render(bars, figures.netWorth(), settings.variation, Width);
        }
    });
    const double whole =
        medianMs(repeats, [&] { SensitivityReport::document(ten, settings, nullptr, Width); });
    std::printf("10 alternatives x 20 flows: Comparar %.1f ms; sensitivity part (figures varied, "
                "tornados) %.1f ms (%.2f times); whole Sensibilidad but the simulation (also "
                "break-evens, spider plots) %.1f ms (%.2f times)\n",
                comparison, part, part / comparison, whole, whole / comparison);

    const ProjectFigures hundred = ProjectReading::figures(typicalProject(100, 20, 30));
    const MonteCarlo simulation = SensitivityReport::simulation(hundred, 0.1);
    MonteCarlo::Outcome outcome;
    // Wall-clock time, and the processor time of all threads: on a busy
    // machine the threads wait for a core, and only the latter shows the work.
    const auto draws = [&](int threads, double *cpuMs) {
        const std::clock_t start = std::clock();
        const double wall =
            medianMs(repeats, [&] { simulation.run(10000, 20261207, threads, &outcome); });
        *cpuMs = 1000.0 * (std::clock() - start) / CLOCKS_PER_SEC / repeats;
        return wall;
    };
    double allCpu = 0.0;
    double oneCpu = 0.0;
    const double all = draws(0, &allCpu);
    const double one = draws(1, &oneCpu);
    std::printf("10,000 draws of 100 alternatives x 20 flows: %.0f ms on %u threads (processor "
                "%.0f ms), %.0f ms on one (processor %.0f ms): %.2f times faster\n",
                all, std::max(1U, std::thread::hardware_concurrency()), allCpu, one, oneCpu,
                one / all);
    return 0;
}
