// libFuzzer target: load any bytes as a type library and render it as a
// generation with -id does, the copy file and every class file, into
// memory, with the run-time system's reserved words. Every file must be
// whole fixed-format lines: CR LF ends, nothing in columns 1 to 6, no
// control byte; every class file's name must stay a name in the folder.
// Some class files are declined, as a user may.
#include <clocale>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tests/support/memory_output.h"
#include "typelib/load.h"

namespace quelbrin {
extern const char* const kReservedWords[];
extern const unsigned kReservedWordCount;
}  // namespace quelbrin

namespace {

int IsReserved(const char* text, int length) {
    std::string_view word(text, static_cast<std::size_t>(length));
    for (unsigned i = 0; i < quelbrin::kReservedWordCount; ++i) {
        if (word == quelbrin::kReservedWords[i]) return 1;
    }
    return 0;
}

[[noreturn]] void Fail(const std::string& file, std::size_t line, const char* what) {
    std::fprintf(stderr, "%s, line %zu: %s\n", file.c_str(), line, what);
    std::abort();
}

void CheckLines(const std::string& file, std::string_view text) {
    std::size_t number = 0;
    while (!text.empty()) {
        ++number;
        std::size_t end = text.find("\r\n");
        if (end == std::string_view::npos) Fail(file, number, "a line without CR LF");
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 2);
        for (char c : line) {
            auto b = static_cast<unsigned char>(c);
            if (b < 0x20 || b == 0x7F) Fail(file, number, "a control byte in a line");
        }
        if (line.empty()) continue;
        if (line.size() < 7 || line.substr(0, 6) != "      ")
            Fail(file, number, "text in columns 1 to 6");
        if (line[6] != ' ' && line[6] != '*' && line[6] != '$')
            Fail(file, number, "text in the indicator column");
    }
}

void CheckFileName(const std::string& name) {
    if (name.size() <= 4 || name.compare(name.size() - 4, 4, ".cbl") != 0)
        Fail(name, 0, "a class file name without its extension");
    for (char c : name) {
        auto b = static_cast<unsigned char>(c);
        if (c == '/' || b < 0x20 || b == 0x7F) Fail(name, 0, "a class file name leaves its folder");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::setlocale(LC_ALL, "C.UTF-8");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qorvix;
    ComPtr<ITypeLib> lib;
    if (FAILED(LoadTypeLibFromBytes(ByteSource::Copy(data, size), 1, LoadOptions{}, lib))) return 0;
    // The last byte decides which class files the user declines.
    unsigned decline = size > 0 ? data[size - 1] : 0;
    struct Declining final : GenerationOutput {
        test::MemoryOutput files;
        unsigned pattern = 0;
        unsigned asked = 0;
        TextSink& CopyFile() override { return files.CopyFile(); }
        TextSink* BeginClassFile(const std::string& name) override {
            CheckFileName(name);
            if ((pattern >> (asked++ % 8)) & 1) files.declined.insert(name);
            return files.BeginClassFile(name);
        }
        void EndClassFile() override { files.EndClassFile(); }
    } output;
    output.pattern = decline;
    CobolNaming naming(IsReserved);
    GenerationContext context(naming);
    CCblFile writer(true, true, context, output);
    writer.WriteCopyFile(*lib, "Fuzz \"copy\".cpy");
    CheckLines("the copy file", output.files.copy.text);
    for (const auto& file : output.files.classes) {
        if (!file->ended) Fail(file->name, 0, "a class file never ended");
        CheckLines(file->name, file->sink.text);
    }
    return 0;
}
