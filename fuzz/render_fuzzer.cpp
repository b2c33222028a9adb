// libFuzzer target: load any bytes as a type library and render it as a
// generation with -id does, the copy file and every class file, into
// memory, with the run-time system's reserved words. Every file must be
// whole fixed-format lines: CR LF ends, nothing in columns 1 to 6, no
// control byte, no code past column 72 and no word longer than 31
// characters; every class file's name must stay a name in the folder.
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

constexpr std::size_t kLastCodeColumn = 72;
constexpr std::size_t kLongestWord = 31;

bool IsWordByte(char c) {
    auto b = static_cast<unsigned char>(c);
    return b >= 0x80 || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
           (c >= 'a' && c <= 'z') || c == '-' || c == '_';
}

// A code line (indicator blank, or '-' for a literal continued from the
// line before): its code, up to a floating comment, ends by column 72, and
// no word in it, outside literals, is longer than 31 characters.
void CheckCode(const std::string& file, std::size_t number, std::string_view line) {
    bool inLiteral = line[6] == '-';  // a continuation goes on after its quote
    bool opened = !inLiteral;
    std::size_t end = line.size();
    std::size_t word = 0;
    for (std::size_t i = 7; i < line.size(); ++i) {
        char c = line[i];
        if (!opened) {
            opened = c == '"';
            continue;
        }
        if (inLiteral) {
            if (c != '"') continue;
            if (i + 1 < line.size() && line[i + 1] == '"') {
                ++i;  // a doubled quote stands for one
            } else {
                inLiteral = false;
            }
            continue;
        }
        if (c == '"') {
            inLiteral = true;
            word = 0;
            continue;
        }
        if (c == '*' && i + 1 < line.size() && line[i + 1] == '>') {
            end = i;
            break;
        }
        word = IsWordByte(c) ? word + 1 : 0;
        if (word > kLongestWord) Fail(file, number, "a word longer than 31 characters");
    }
    while (end > 7 && line[end - 1] == ' ')
        --end;
    if (end > kLastCodeColumn) Fail(file, number, "code past column 72");
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
        if (line[6] != ' ' && line[6] != '*' && line[6] != '$' && line[6] != '-')
            Fail(file, number, "text in the indicator column");
        if (line[6] == ' ' || line[6] == '-') CheckCode(file, number, line);
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
    CCblFile writer({.interfaceClasses = true, .dualInterfaces = true}, context, output);
    writer.WriteCopyFile(*lib, "Fuzz \"copy\".cpy");
    CheckLines("the copy file", output.files.copy.text);
    for (const auto& file : output.files.classes) {
        if (!file->ended) Fail(file->name, 0, "a class file never ended");
        CheckLines(file->name, file->sink.text);
    }
    return 0;
}
