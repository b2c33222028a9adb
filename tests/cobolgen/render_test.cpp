// The writer without a disk: what it renders into memory is what the
// document driver puts into files.
#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>

#include "cobolgen/document_driver.h"
#include "tests/cobolgen/writer_fixture.h"
#include "tests/support/fake_typelib.h"
#include "tests/support/memory_output.h"
#include "tests/support/paths.h"
#include "tests/support/typelib_helpers.h"

namespace qorvix::test {
namespace {

TEST_F(WriterTest, MemoryHoldsWhatTheFilesHold) {
    ComPtr<ITypeLib> lib = LoadOrDie(FixturePath("shapes.tlb"));
    MemoryOutput memory;
    CobolNaming memoryNaming;
    RenderToMemory(*lib, memory, memoryNaming, true, true, "Shapes.cpy");
    ASSERT_TRUE(Generate(*lib, dir / "Shapes.cpy", true, true));

    EXPECT_EQ(memory.copy.text, ReadText(dir / "Shapes.cpy"));
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        if (entry.path().extension() == ".cbl") files.push_back(entry.path().filename());
    }
    std::sort(files.begin(), files.end());
    std::vector<std::string> rendered = memory.begun;
    std::sort(rendered.begin(), rendered.end());
    EXPECT_EQ(rendered, files);
    for (const auto& file : memory.classes) {
        EXPECT_TRUE(file->ended) << file->name;
        EXPECT_EQ(file->sink.text, ReadText(dir / file->name)) << file->name;
    }
    // Nothing but the generated files is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              static_cast<long>(files.size()) + 1);
}

// A dual type's constants belong to the copy file: they stay when its
// class file is not written.
TEST_F(WriterTest, AClassFileNotWrittenKeepsItsConstantsInTheCopyFile) {
    FakeTypeLib lib;
    FakeTypeInfo& dual = lib.Add(TKIND_DISPATCH, "IDual", GUID{}, TYPEFLAG_FDUAL);
    dual.AddConst("Limit", IntValue(VT_I4, 7));
    dual.AddFunc("Go", 1, INVOKE_FUNC, VT_HRESULT, {});
    MemoryOutput memory;
    memory.declined = {"idual.cbl"};
    RenderToMemory(lib, memory, naming);
    EXPECT_EQ(memory.begun, std::vector<std::string>{"idual.cbl"});
    EXPECT_TRUE(memory.classes.empty());
    Lines copy = CrlfLines(memory.copy.text);
    EXPECT_EQ(Count(copy, "       78 Limit VALUE 7."), 1u);

    // Declined in the files too: counted, and the copy file still has them.
    WriteText(dir / "idual.cbl", "mine");
    WriterServices services;
    services.prompter = &prompter;
    DocumentDriver driver({.interfaceClasses = true, .dualInterfaces = true}, services);
    std::string name = "Out.cpy";
    EXPECT_TRUE(driver.GenerateCopyFile(name, lib));
    EXPECT_EQ(driver.FilesNotWritten(), 1);
    EXPECT_EQ(ReadText(dir / "idual.cbl"), "mine");
    EXPECT_EQ(Count(FileLines("Out.cpy"), "       78 Limit VALUE 7."), 1u);
}

}  // namespace
}  // namespace qorvix::test
