// The cost of a recovery copy, in its two parts: on the GUI thread, taking
// the snapshot (a shared copy of the document's texts) and the first edit
// after it (which then detaches the document's list of alternatives); on
// the worker thread, serialising the copy and writing it through QSaveFile.
//
// Usage: bench_recovery [runs]   (projects of 20 flows per alternative)
#include "benchstats.h"
#include "projectdocument.h"
#include "recoverystore.h"
#include "typicalproject.h"

#include "filesaving.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double milliseconds(const QElapsedTimer &clock)
{
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QTemporaryDir folder;
    std::printf("Recovery copy, 20 flows per alternative, median of %d (min-max), ms\n", runs);
    std::printf("%12s %10s %22s %22s %22s\n", "alternatives", "copy KiB", "edit, no snapshot",
                "snapshot + first edit", "serialise + write");
    for (const int alternatives : {10, 100, 500, 2000}) {
        ProjectDocument document;
        document.setProject(typicalProject(alternatives, 20, 30));
        const NodePlace cell{alternatives / 2, 0, 0};
        std::vector<double> plain, shared, written;
        qint64 bytes = 0;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer clock;
            clock.start();
            document.setCellText(cell, 1, QString::number(2 * run));
            plain.push_back(milliseconds(clock));

            clock.start();
            const ProjectSnapshot snapshot = document.project();
            document.setCellText(cell, 1, QString::number(2 * run + 1));
            shared.push_back(milliseconds(clock));

            clock.start();
            const QByteArray data = RecoveryStore::copyData(snapshot, QString(), QStringLiteral("P"));
            if (!FileSaving::write(folder.filePath(QStringLiteral("copia.quintavo")), data).isEmpty())
                return 1;
            written.push_back(milliseconds(clock));
            bytes = data.size();
        }
        const auto show = [](const std::vector<double> &samples) {
            static char text[64];
            std::snprintf(text, sizeof text, "%.3f (%.3f-%.3f)", BenchStats::median(samples),
                          BenchStats::minimum(samples), BenchStats::maximum(samples));
            return std::string(text);
        };
        std::printf("%12d %10lld %22s %22s %22s\n", alternatives, bytes / 1024, show(plain).c_str(),
                    show(shared).c_str(), show(written).c_str());
    }
    return 0;
}
