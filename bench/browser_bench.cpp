// Expanding the browser tree of the largest corpus library: every category,
// then every type of the largest category and the groups under each.
// Reports the slowest single expansion of each level (milliseconds).
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "browser/tree_item.h"
#include "typelib/load.h"

namespace {

void BM_ExpandMshtml(benchmark::State& state) {
    using namespace qorvix;
    std::string path = std::string(QORVIX_SHARED_DIR) + "/corpus/wine-mshtml.tlb";
    if (!std::filesystem::exists(path)) {
        state.SkipWithError("the shared corpus is not on this machine");
        return;
    }
    double slowestCategory = 0, slowestType = 0, totalTypes = 0, slowestGroup = 0;
    std::size_t typeExpansions = 0, largest = 0;
    CobolNaming naming;
    for (auto _ : state) {
        // A library loaded afresh, as when the contents dialog opens.
        ComPtr<ITypeLib> lib;
        if (FAILED(LoadTypeLib(path, lib))) {
            state.SkipWithError("load failed");
            return;
        }
        auto root = CTreeItem::ForLibrary(lib, naming);
        root->Fetch();
        CTreeItem* biggest = nullptr;
        for (int c = 0; c < root->ChildCount(); ++c) {
            CTreeItem* category = root->ChildAt(c);
            auto start = std::chrono::steady_clock::now();
            category->Fetch();
            std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            slowestCategory = std::max(slowestCategory, took.count());
            if (!biggest || category->ChildCount() > biggest->ChildCount()) biggest = category;
        }
        largest = static_cast<std::size_t>(biggest->ChildCount());
        for (int t = 0; t < biggest->ChildCount(); ++t) {
            CTreeItem* type = biggest->ChildAt(t);
            auto start = std::chrono::steady_clock::now();
            type->Fetch();
            std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            slowestType = std::max(slowestType, took.count());
            totalTypes += took.count();
            ++typeExpansions;
            // And the groups of the type (Methods, Properties, ...).
            for (int g = 0; g < type->ChildCount(); ++g) {
                auto groupStart = std::chrono::steady_clock::now();
                type->ChildAt(g)->Fetch();
                std::chrono::duration<double, std::milli> groupTook =
                    std::chrono::steady_clock::now() - groupStart;
                slowestGroup = std::max(slowestGroup, groupTook.count());
            }
        }
    }
    state.counters["slowest_category_ms"] = slowestCategory;
    state.counters["slowest_type_ms"] = slowestType;
    state.counters["mean_type_ms"] = totalTypes / static_cast<double>(typeExpansions);
    state.counters["slowest_group_ms"] = slowestGroup;
    state.counters["types_in_largest"] = static_cast<double>(largest);
}

BENCHMARK(BM_ExpandMshtml)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
