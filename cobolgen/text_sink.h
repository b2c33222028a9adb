// Where the renderer's text goes: memory in tests, files in the program.
#pragma once

#include <string>
#include <string_view>

namespace qorvix {

// The bytes of one generated file as they are to be stored, line ends
// (CR LF) included.
class TextSink {
  public:
    virtual ~TextSink() = default;
    virtual void Write(std::string_view bytes) = 0;
};

// A sink that keeps the bytes in memory.
class StringSink final : public TextSink {
  public:
    void Write(std::string_view bytes) override { text.append(bytes); }
    std::string text;
};

// The files of one generation as the renderer sees them: the copy file, and
// one interface class file at a time.
class GenerationOutput {
  public:
    virtual ~GenerationOutput() = default;
    virtual TextSink& CopyFile() = 0;
    // The class file `fileName` (a name without a folder), or null when it
    // is not to be written: declined, refused or skipped. The output has
    // told the user and counted it.
    virtual TextSink* BeginClassFile(const std::string& fileName) = 0;
    // The class file begun last has all its text.
    virtual void EndClassFile() = 0;
};

}  // namespace qorvix
