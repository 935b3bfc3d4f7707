// Writes a typical project (typicalproject.h) as a project file, for the
// start-up benchmark to open.
//
// Usage: bench_makeproject alternatives flows horizon file
#include "projectfile.h"
#include "typicalproject.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s alternatives flows horizon file\n", argv[0]);
        return 2;
    }
    QString error;
    const ProjectSnapshot project =
        typicalProject(std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]));
    if (!ProjectFile::write(QString::fromLocal8Bit(argv[4]), project, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
