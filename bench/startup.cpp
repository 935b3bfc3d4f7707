// Start-up time: from process start to the main window on screen with one
// project window open, Quintavo against a bare Qt program that builds the
// same widgets by hand. Both run as fresh child processes, alternating, so
// that both see the same machine load and the same file cache.
//
// Usage: bench_startup [runs]   (default 15 of each, after one warm-up pair)
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
// returns the milliseconds since the spawn; negative on failure. Qt's
// start-up chatter goes to /dev/null unless `showErrors`.
double timeToWindow(const std::string &program, bool showErrors = false)
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
    char *argv[] = {name.data(), nullptr};
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
    return (std::atoll(line.c_str()) - start) / 1e6;
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
    std::vector<double> ours, theirs;
    for (int run = 0; run < runs; ++run) {
        // Alternate which goes first so that neither always follows the other.
        const bool oursFirst = run % 2 == 0;
        const double a = timeToWindow(oursFirst ? quintavo : bare);
        const double b = timeToWindow(oursFirst ? bare : quintavo);
        if (a < 0 || b < 0) {
            std::fprintf(stderr, "a start-up child failed in run %d\n", run + 1);
            return 1;
        }
        ours.push_back(oursFirst ? a : b);
        theirs.push_back(oursFirst ? b : a);
    }

    const double q = BenchStats::median(ours);
    const double b = BenchStats::median(theirs);
    std::printf("Start-up to the main window on screen with one project window (%d runs each)\n", runs);
    std::printf("  %-34s %10s %10s %10s\n", "", "median ms", "min ms", "max ms");
    std::printf("  %-34s %10.1f %10.1f %10.1f\n", "Quintavo", q, BenchStats::minimum(ours),
                BenchStats::maximum(ours));
    std::printf("  %-34s %10.1f %10.1f %10.1f\n", "bare Qt, same widgets", b,
                BenchStats::minimum(theirs), BenchStats::maximum(theirs));
    std::printf("  %-34s %10.2f x   (goal: at most 1.20 x)\n", "ratio Quintavo / bare", q / b);
    return 0;
}
