// Start-up time: from process start to the main window on screen with one
// project window open, Quintavo against a bare Qt program that builds the
// same widgets by hand. Both run as fresh child processes, alternating, so
// that both see the same machine load and the same file cache.
//
// With project files given, also each file opened from the command line with
// its comparison shown ("Comparar"), against the same bare start, with the
// peak memory (ru_maxrss) of each.
//
// Usage: bench_startup [runs] [file.quintavo | open:file.quintavo ...]
//        (open: only opened, no comparison)
//        (default 15 of each, after one warm-up pair)
#include "benchstats.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char **environ;

namespace {

std::string siblingPath(const char *name)
{
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return name;
    std::string path(self, static_cast<size_t>(length));
    return path.substr(0, path.rfind('/') + 1) + name;
}

long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Starts `program`, reads the moment it reports its window on screen and
// returns the milliseconds since the spawn; negative on failure. `file`, if
// not empty, is handed to the child; its peak memory goes to `peakKiB`.
// Qt's start-up chatter goes to /dev/null unless `showErrors`.
double timeToWindow(const std::string &program, bool showErrors = false,
                    const std::string &file = std::string(), double *peakKiB = nullptr)
{
    int out[2];
    if (pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    if (!showErrors)
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<char> name(program.begin(), program.end());
    name.push_back('\0');
    const bool openOnly = file.rfind("open:", 0) == 0;
    std::vector<char> path(file.begin() + (openOnly ? 5 : 0), file.end());
    path.push_back('\0');
    char open[] = "open";
    char *argv[] = {name.data(), file.empty() ? nullptr : path.data(), openOnly ? open : nullptr,
                    nullptr};
    pid_t child = 0;
    const long long start = nowNs();
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return -1;
    }

    std::string line;
    char buffer[64];
    ssize_t got = 0;
    while ((got = read(out[0], buffer, sizeof buffer)) > 0)
        line.append(buffer, static_cast<size_t>(got));
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || line.empty())
        return -1;
    char *rest = nullptr;
    const long long shown = std::strtoll(line.c_str(), &rest, 10);
    if (peakKiB)
        *peakKiB = std::strtod(rest, nullptr);
    return (shown - start) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::string quintavo = siblingPath("bench_startup_quintavo");
    const std::string bare = siblingPath("bench_startup_bare");

    // A warm-up pair, not counted, that shows what goes wrong if anything does.
    if (timeToWindow(quintavo, true) < 0 || timeToWindow(bare, true) < 0) {
        std::fprintf(stderr, "a start-up child failed; is QT_QPA_PLATFORM set (offscreen)?\n");
        return 1;
    }
    std::vector<std::string> files(1); // the empty project window first
    for (int k = 2; k < argc; ++k)
        files.emplace_back(argv[k]);
    std::printf("Start-up to the main window on screen (%d runs each)\n", runs);
    std::printf("  %-40s %10s %10s %10s %8s %9s\n", "", "median ms", "min ms", "max ms", "ratio",
                "peak MiB");
    for (const std::string &file : files) {
        std::vector<double> ours, theirs, peaks;
        for (int run = 0; run < runs; ++run) {
            // Alternate which goes first so that neither always follows the other.
            const bool oursFirst = run % 2 == 0;
            double peak = 0;
            const double a = oursFirst ? timeToWindow(quintavo, false, file, &peak)
                                       : timeToWindow(bare);
            const double b = oursFirst ? timeToWindow(bare)
                                       : timeToWindow(quintavo, false, file, &peak);
            if (a < 0 || b < 0) {
                std::fprintf(stderr, "a start-up child failed in run %d (%s)\n", run + 1,
                             file.c_str());
                return 1;
            }
            ours.push_back(oursFirst ? a : b);
            theirs.push_back(oursFirst ? b : a);
            peaks.push_back(peak / 1024.0);
        }
        const double q = BenchStats::median(ours);
        const double b = BenchStats::median(theirs);
        const std::string label = file.empty()
            ? std::string("Quintavo, one project window")
            : "Quintavo, " + file.substr(file.rfind('/') + 1)
                + (file.rfind("open:", 0) == 0 ? " opened" : " + Comparar");
        std::printf("  %-40s %10.1f %10.1f %10.1f %7.2fx %9.1f\n", label.c_str(), q,
                    BenchStats::minimum(ours), BenchStats::maximum(ours), q / b,
                    BenchStats::median(peaks));
        std::printf("  %-40s %10.1f %10.1f %10.1f\n", "bare Qt, same widgets (same runs)", b,
                    BenchStats::minimum(theirs), BenchStats::maximum(theirs));
    }
    return 0;
}
