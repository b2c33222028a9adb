// The whole batch run, process start to exit: qorvix -id -o<copy file>
// <library>, writing the copy file and every class file, for libraries of
// different sizes. Each run writes into an empty folder.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <filesystem>
#include <string>

extern char** environ;

namespace {

bool RunQorvix(const std::string& folder, const std::string& library) {
    std::string program = QORVIX_PROGRAM;
    std::string output = "-o" + folder + "/Out.cpy";
    char* argv[] = {program.data(), const_cast<char*>("-id"), output.data(),
                    const_cast<char*>(library.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    pid_t pid;
    int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_BatchRun(benchmark::State& state, const char* name) {
    std::string library = std::string(QORVIX_SHARED_DIR) + "/corpus/" + name;
    if (!std::filesystem::exists(library)) {
        state.SkipWithError("the shared corpus is not on this machine");
        return;
    }
    char pattern[] = "/tmp/qorvix-bench-XXXXXX";
    std::string folder = mkdtemp(pattern);
    std::size_t files = 0;
    for (auto _ : state) {
        if (!RunQorvix(folder, library)) {
            state.SkipWithError("qorvix failed");
            break;
        }
        state.PauseTiming();
        files = static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                       std::filesystem::directory_iterator()));
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::filesystem::remove(entry.path());
        }
        state.ResumeTiming();
    }
    std::filesystem::remove_all(folder);
    double megabytes = static_cast<double>(std::filesystem::file_size(library)) / 1e6;
    state.counters["library_MB"] = megabytes;
    state.counters["files"] = static_cast<double>(files);
}

BENCHMARK_CAPTURE(BM_BatchRun, msado25, "win-msado25.tlb")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_BatchRun, scrrun, "wine-scrrun.dll")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_BatchRun, mshtml, "wine-mshtml.tlb")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
