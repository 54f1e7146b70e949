// Times whole processes taking turns, for bench/peer_compare.sh: no shell runs inside the
// measured span, which is the spawn, the run and the wait of one program. Not a benchmark
// of its own: it has a main and no benchmark cases.
//
//   bench_turns RUNS LOG -- OUT PROGRAM [ARG ...] [-- OUT PROGRAM [ARG ...] ...]
//
// Runs each program RUNS times, the programs in turn; a run's standard output goes to its
// OUT (made anew each run), its standard error is added to LOG. Prints one line per run:
// the program's index, its wall and its processor (user + system) milliseconds.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

extern char** environ;

namespace {

struct Program {
    const char* out = nullptr;
    std::vector<char*> argv;
};

double Milliseconds(const timespec& from, const timespec& to) {
    return static_cast<double>(to.tv_sec - from.tv_sec) * 1e3 +
           static_cast<double>(to.tv_nsec - from.tv_nsec) / 1e6;
}

double Milliseconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
}

// One run of program k; false when it cannot be started or fails.
bool Run(size_t k, const Program& program, const char* log) {
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, program.out, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, log, O_WRONLY | O_CREAT | O_APPEND, 0644);
    timespec start{};
    timespec end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, program.argv[0], &files, nullptr, program.argv.data(),
                                   environ);
    posix_spawn_file_actions_destroy(&files);
    if (error != 0) {
        std::fprintf(stderr, "bench_turns: cannot start %s: %s\n", program.argv[0],
                     std::strerror(error));
        return false;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    clock_gettime(CLOCK_MONOTONIC, &end);
    std::printf("%zu %.3f %.3f\n", k, Milliseconds(start, end),
                Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_turns: %s failed\n", program.argv[0]);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 6 || std::strcmp(argv[3], "--") != 0) {
        std::fprintf(stderr, "usage: bench_turns RUNS LOG -- OUT PROGRAM [ARG ...] [-- ...]\n");
        return 2;
    }
    const long runs = std::strtol(argv[1], nullptr, 10);
    const char* const log = argv[2];
    std::vector<Program> programs;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            programs.emplace_back();
            if (++i < argc) programs.back().out = argv[i];
            continue;
        }
        programs.back().argv.push_back(argv[i]);
    }
    for (Program& program : programs) {
        if (program.out == nullptr || program.argv.empty()) {
            std::fprintf(stderr, "bench_turns: each -- needs OUT and PROGRAM\n");
            return 2;
        }
        program.argv.push_back(nullptr);
    }
    for (long run = 0; run < runs; ++run) {
        for (size_t k = 0; k < programs.size(); ++k) {
            if (!Run(k, programs[k], log)) return 1;
        }
    }
    return 0;
}
