// A writer test: generation into a folder of its own, under a UTF-8
// locale, with a prompter that answers from a script.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <string>
#include <vector>

#include "cobolgen/document_driver.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_dir.h"

namespace qorvix::test {

using Lines = std::vector<std::string>;

// How many of the lines are equal to `line`.
inline std::size_t Count(const Lines& lines, const std::string& line) {
    return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
}

class WriterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(std::setlocale(LC_ALL, "C.UTF-8"));
        std::filesystem::current_path(dir.Path());
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }

    // Generates `name` for `lib` with the writer's three switches.
    bool Generate(ITypeLib& lib, std::string name, bool classes = false, bool dual = false) {
        WriterServices services;
        services.prompter = &prompter;
        services.naming = &naming;
        services.folder = folder;
        services.writeFile = writeFile;
        DocumentDriver driver({.interfaceClasses = classes, .dualInterfaces = dual}, services);
        bool ok = driver.GenerateCopyFile(name, lib);
        generatedName = name;
        notWritten = driver.FilesNotWritten();
        folder = driver.GenerationFolder();
        return ok;
    }

    Lines FileLines(const std::string& name) { return CrlfLines(ReadText(dir / name)); }

    // The lines from the one equal to `first` on, `count` of them.
    Lines Block(const Lines& lines, const std::string& first, std::size_t count) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i] == first) {
                return Lines(lines.begin() + static_cast<long>(i),
                             lines.begin() + static_cast<long>(std::min(lines.size(), i + count)));
            }
        }
        ADD_FAILURE() << "no line \"" << first << "\"";
        return {};
    }

    TempDir dir;
    KeepCurrentDirectory keep;
    ScriptedPrompter prompter;
    CobolNaming naming;               // the run's: made-up names count on across generations
    std::string folder;               // the run's generation folder
    OutputFile::WriteCall writeFile;  // empty: the system's write
    std::string generatedName;
    int notWritten = 0;  // the last generation's FilesNotWritten()
};

}  // namespace qorvix::test
