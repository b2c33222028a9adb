// Reading a prefix's registry file of several shapes, each about the same
// size: how long it takes and how much memory the hive keeps (the text
// included), counted in bytes of heap per byte of file
// ("heap_per_file_byte"). A hostile prefix chooses its shape, so the worst
// of them bounds what any registry file can cost. Read at load (every
// value, as tlblist reads them) and when asked for (the headers only, as
// the program reads them; "_index").
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <cstdio>
#include <string>

#include "platform/registry.h"

namespace {

using qorvix::Registry;

constexpr std::size_t kFileBytes = std::size_t{8} << 20;

// A short distinct name for every number: letters and digits, as key
// names are.
std::string Name(std::size_t n) {
    static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string name;
    do {
        name += kDigits[n % 36];
        n /= 36;
    } while (n);
    return name;
}

std::string Header() {
    return "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n";
}

// One key nested as deep as the file allows: "[a\\a\\a...]". Deeper than
// any key path may be, so it costs a warning, not a tree.
std::string Deep() {
    std::string text = Header() + "[";
    while (text.size() < kFileBytes)
        text += "a\\\\";
    return text + "a]\n";
}

// As many keys as fit at the deepest level allowed, each a new leaf under
// one long path.
std::string DeepLeaves() {
    std::string path;
    for (std::size_t i = 0; i + 1 < qorvix::kMaxKeyDepth; ++i)
        path += "a\\\\";
    std::string text = Header();
    for (std::size_t i = 0; text.size() < kFileBytes; ++i)
        text += "[" + path + Name(i) + "]\n";
    return text;
}

// Many short keys under one key.
std::string Wide() {
    std::string text = Header();
    for (std::size_t i = 0; text.size() < kFileBytes; ++i)
        text += "[k\\\\" + Name(i) + "]\n";
    return text;
}

// Many short keys at the top.
std::string SmallKeys() {
    std::string text = Header();
    for (std::size_t i = 0; text.size() < kFileBytes; ++i)
        text += "[" + Name(i) + "]\n";
    return text;
}

// A tree of short names, each key one level below the last one written,
// so that every line adds a key and a level until the depth runs out.
std::string Chains() {
    std::string text = Header();
    std::string path;
    int depth = 0;
    for (std::size_t i = 0; text.size() < kFileBytes; ++i) {
        if (depth == 64) {
            path.clear();
            depth = 0;
        }
        path += (depth ? "\\\\" : "") + Name(i);
        ++depth;
        text += "[" + path + "]\n";
    }
    return text;
}

// One key with many short values.
std::string ManyValues() {
    std::string text = Header() + "[k]\n";
    for (std::size_t i = 0; text.size() < kFileBytes; ++i)
        text += "\"" + Name(i) + "\"=\"\"\n";
    return text;
}

// Many keys with names of 1,000 letters.
std::string LongNames() {
    std::string text = Header();
    for (std::size_t i = 0; text.size() < kFileBytes; ++i)
        text += "[" + std::string(1000, 'n') + Name(i) + "]\n";
    return text;
}

// Many keys, each with one value, as real files are.
std::string KeysWithValues() {
    std::string text = Header();
    for (std::size_t i = 0; text.size() < kFileBytes; ++i)
        text += "[k\\\\" + Name(i) + "]\n@=\"" + Name(i) + "\"\n";
    return text;
}

// The same as small as it gets: short keys with an empty default value
// (the worst shape found).
std::string SmallKeysWithValues() {
    std::string text = Header();
    for (std::size_t i = 0; text.size() < kFileBytes; ++i)
        text += "[" + Name(i) + "]\n@=\"\"\n";
    return text;
}

std::size_t HeapInUse() {
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void BM_ReadRegistry(benchmark::State& state, std::string (*make)(),
                     Registry::ValueReading reading = Registry::ValueReading::kAtLoad) {
    const std::string text = make();
    double perByte = 0;
    for (auto _ : state) {
        std::size_t before = HeapInUse();
        Registry registry;
        registry.LoadMachine(text, nullptr, reading);
        perByte = static_cast<double>(HeapInUse() - before) / static_cast<double>(text.size());
        state.PauseTiming();
        { Registry gone = std::move(registry); }
        state.ResumeTiming();
    }
    state.counters["file_MB"] = static_cast<double>(text.size()) / 1e6;
    state.counters["heap_per_file_byte"] = perByte;
}

BENCHMARK_CAPTURE(BM_ReadRegistry, deep_key, Deep)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadRegistry, deep_leaves, DeepLeaves)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadRegistry, wide, Wide)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadRegistry, small_keys, SmallKeys)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadRegistry, chains, Chains)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadRegistry, many_values, ManyValues)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadRegistry, long_names, LongNames)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadRegistry, keys_with_values, KeysWithValues)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadRegistry, small_keys_with_values, SmallKeysWithValues)
    ->Unit(benchmark::kMillisecond);

void BM_IndexRegistry(benchmark::State& state, std::string (*make)()) {
    BM_ReadRegistry(state, make, Registry::ValueReading::kWhenAsked);
}

BENCHMARK_CAPTURE(BM_IndexRegistry, wide, Wide)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_IndexRegistry, small_keys, SmallKeys)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_IndexRegistry, chains, Chains)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_IndexRegistry, many_values, ManyValues)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_IndexRegistry, small_keys_with_values, SmallKeysWithValues)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
