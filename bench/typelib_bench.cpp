// Loading and walking the largest corpus library (wine-mshtml.tlb).
// Reports time per iteration and the peak heap the reader used.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>

#include "tests/support/walk.h"
#include "typelib/load.h"

// Heap accounting for the whole program: enough to see the reader's peak.
namespace {
// Counting costs time, so only the memory benchmark turns it on.
bool g_counting = false;
std::atomic<std::size_t> g_current{0};
std::atomic<std::size_t> g_peak{0};

void* Allocate(std::size_t size) {
    void* p = std::malloc(size + 16);
    if (!p) throw std::bad_alloc();
    *static_cast<std::size_t*>(p) = g_counting ? size : 0;
    if (!g_counting) return static_cast<char*>(p) + 16;
    std::size_t now = g_current += size;
    std::size_t peak = g_peak.load();
    while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
    }
    return static_cast<char*>(p) + 16;
}

void Free(void* p) {
    if (!p) return;
    void* block = static_cast<char*>(p) - 16;
    if (std::size_t size = *static_cast<std::size_t*>(block)) g_current -= size;
    std::free(block);
}
}  // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* p) noexcept {
    Free(p);
}
void operator delete[](void* p) noexcept {
    Free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Free(p);
}

namespace {

std::string Library() {
    return std::string(QORVIX_SHARED_DIR) + "/corpus/wine-mshtml.tlb";
}

void LoadAndWalk(benchmark::State& state, bool walk, bool countHeap) {
    using namespace qorvix;
    std::string path = Library();
    if (!std::filesystem::exists(path)) {
        state.SkipWithError("the shared corpus is not on this machine");
        return;
    }
    // The embedded stdole2 is loaded once per process; keep that out of the
    // figures.
    ComPtr<ITypeLib> stdole;
    LoadEmbeddedStdole(stdole);
    std::size_t funcs = 0;
    std::size_t peakBytes = 0;
    g_counting = countHeap;
    for (auto _ : state) {
        std::size_t base = g_current.load();
        g_peak = base;
        ComPtr<ITypeLib> lib;
        if (FAILED(LoadTypeLib(path, lib))) {
            state.SkipWithError("load failed");
            return;
        }
        if (walk) funcs = test::WalkTypeLib(*lib).funcs;
        lib.Reset();
        peakBytes = std::max(peakBytes, g_peak.load() - base);
    }
    g_counting = false;
    state.counters["funcs"] = static_cast<double>(funcs);
    if (countHeap) {
        auto fileSize = static_cast<double>(std::filesystem::file_size(path));
        state.counters["peak_heap_MB"] = static_cast<double>(peakBytes) / 1e6;
        // The mapping of the file counts once more.
        state.counters["peak_over_file"] = (static_cast<double>(peakBytes) + fileSize) / fileSize;
    }
}

void BM_Load(benchmark::State& state) {
    LoadAndWalk(state, false, false);
}
void BM_LoadAndFullWalk(benchmark::State& state) {
    LoadAndWalk(state, true, false);
}
void BM_LoadAndFullWalkMemory(benchmark::State& state) {
    LoadAndWalk(state, true, true);
}

BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndFullWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndFullWalkMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
