// A generation rendered into memory: the copy file's bytes and each class
// file's, in the order they were begun.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "cobolgen/cbl_file.h"
#include "cobolgen/text_sink.h"

namespace qorvix::test {

class MemoryOutput final : public GenerationOutput {
  public:
    struct ClassFile {
        std::string name;
        StringSink sink;
        bool ended = false;
    };

    TextSink& CopyFile() override { return copy; }
    TextSink* BeginClassFile(const std::string& fileName) override {
        begun.push_back(fileName);
        if (declined.count(fileName) != 0) return nullptr;
        classes.push_back(std::make_unique<ClassFile>());
        classes.back()->name = fileName;
        return &classes.back()->sink;
    }
    void EndClassFile() override { classes.back()->ended = true; }

    // The text of the class file `name`; empty when there is none.
    std::string Class(const std::string& name) const {
        for (const auto& file : classes) {
            if (file->name == name) return file->sink.text;
        }
        return {};
    }

    StringSink copy;
    std::vector<std::unique_ptr<ClassFile>> classes;
    std::vector<std::string> begun;  // every class file asked for
    std::set<std::string> declined;  // answered with no sink
};

// Renders `lib` into `output` as a generation of the run `naming` would.
inline void RenderToMemory(ITypeLib& lib, MemoryOutput& output, CobolNaming& naming,
                           bool classes = true, bool dual = true,
                           const std::string& copyFileName = "TypeLib.cpy") {
    GenerationContext context(naming);
    CCblFile writer({.interfaceClasses = classes, .dualInterfaces = dual}, context, output);
    writer.WriteCopyFile(lib, copyFileName);
}

}  // namespace qorvix::test
