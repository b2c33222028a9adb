// The files a generation writes: what is at their names (pipes, devices,
// folders, links, files another generation holds), files replaced whole or
// not at all, and failures that every file in the folder would meet.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <deque>
#include <filesystem>
#include <iterator>
#include <sstream>

#include "resources/string_table.h"
#include "tests/cobolgen/writer_fixture.h"
#include "tests/support/fake_typelib.h"
#include "tests/support/memory_output.h"
#include "tests/support/paths.h"
#include "tests/support/shell.h"
#include "tests/support/typelib_helpers.h"

namespace qorvix::test {
namespace {

namespace fs = std::filesystem;

constexpr char kCannotWrite[] =
    "can not be written to. Please check the file name and path are correct and do not point "
    "to a read-only file.\n";

// Temporary files a generation left in `folder`.
std::vector<std::string> Leftovers(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::string name = entry.path().filename();
        if (name.rfind(".qorvix-", 0) == 0) names.push_back(name);
    }
    return names;
}

// Interfaces I00, I01, ... with `methods` methods each, so that every
// class file has some size.
void AddInterfaces(FakeTypeLib& lib, int count, int methods = 4) {
    for (int i = 0; i < count; ++i) {
        std::string name = "I" + std::string(i < 10 ? "0" : "") + std::to_string(i);
        FakeTypeInfo& type = lib.Add(TKIND_INTERFACE, name);
        for (int m = 0; m < methods; ++m) {
            type.AddFunc("Method" + std::to_string(m), 0x60010000 + m, INVOKE_FUNC, VT_HRESULT,
                         {{"value", Simple(VT_I4)}}, {}, "Does something");
        }
    }
}

bool IsLink(const std::string& path) {
    return fs::is_symlink(fs::symlink_status(path));
}

// ---- What is at a name ------------------------------------------------------

TEST_F(WriterTest, PipesDevicesAndFoldersAtTheNamesAreRefused) {
    FakeTypeLib lib;
    lib.Add(TKIND_INTERFACE, "IThing");
    lib.Add(TKIND_INTERFACE, "IOther");
    ASSERT_EQ(mkfifo((dir / "Out.cpy").c_str(), 0600), 0);
    // A reader of our own: a writer that opened the pipe would not wait, and
    // what it wrote would be there to read.
    int reader = open((dir / "Out.cpy").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_FALSE(Generate(lib, "Out.cpy", true));
    char byte;
    EXPECT_LE(read(reader, &byte, 1), 0);
    close(reader);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].id, IDS_CANNOT_WRITE);
    EXPECT_EQ(prompter.shown[0].text,
              std::string("The file\n'Out.cpy'\n") + kCannotWrite + "Not a regular file");
    EXPECT_EQ(notWritten, 3);  // the copy file and with it both class files
    EXPECT_TRUE(fs::is_fifo(dir / "Out.cpy"));
    EXPECT_FALSE(fs::exists(dir / "ithing.cbl"));

    // At class files' names: those two are refused, the rest is written.
    fs::remove(dir / "Out.cpy");
    ASSERT_EQ(mkfifo((dir / "ithing.cbl").c_str(), 0600), 0);
    fs::create_directory(dir / "iother.cbl");
    prompter.shown.clear();
    EXPECT_TRUE(Generate(lib, "Out.cpy", true));
    EXPECT_EQ(prompter.Ids(), (std::vector<int>{IDS_CANNOT_WRITE, IDS_CANNOT_WRITE}));
    EXPECT_EQ(prompter.shown[1].text,
              std::string("The file\n'iother.cbl'\n") + kCannotWrite + "Is a directory");
    EXPECT_EQ(notWritten, 2);
    EXPECT_TRUE(fs::is_fifo(dir / "ithing.cbl"));
    Lines copy = FileLines("Out.cpy");
    EXPECT_EQ(Count(copy, "       01 IOther    pointer typedef."), 1u);

    // A device, in a folder of its own.
    prompter.shown.clear();
    EXPECT_FALSE(Generate(lib, "/dev/null"));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text,
              std::string("The file\n'null'\n") + kCannotWrite + "Not a regular file");
    EXPECT_TRUE(Leftovers(dir.Path()).empty());
}

TEST_F(WriterTest, LinksAreFilesToAskAboutAndNeverFollowed) {
    FakeTypeLib lib;
    lib.Add(TKIND_INTERFACE, "IThing");
    TempDir outside;
    // A link that leads out of the folder, to nothing.
    fs::create_symlink(outside / "made.cpy", dir / "Out.cpy");
    EXPECT_FALSE(Generate(lib, "Out.cpy", true));  // the question's default: No
    EXPECT_EQ(prompter.Ids(), std::vector<int>{IDS_FILE_EXISTS});
    EXPECT_TRUE(IsLink(dir / "Out.cpy"));
    EXPECT_FALSE(fs::exists(outside / "made.cpy"));
    EXPECT_FALSE(fs::exists(dir / "ithing.cbl"));

    // Yes replaces the link itself.
    prompter.answers = {Answer::Yes};
    EXPECT_TRUE(Generate(lib, "Out.cpy", true));
    EXPECT_FALSE(IsLink(dir / "Out.cpy"));
    EXPECT_TRUE(fs::is_regular_file(dir / "Out.cpy"));
    EXPECT_FALSE(fs::exists(outside / "made.cpy"));

    // At a class file's name: to nothing, then to a file outside.
    fs::remove(dir / "ithing.cbl");
    fs::create_symlink(outside / "made.cbl", dir / "ithing.cbl");
    prompter.shown.clear();
    prompter.answers = {Answer::Yes, Answer::No};
    EXPECT_TRUE(Generate(lib, "Out.cpy", true));
    EXPECT_EQ(notWritten, 1);
    EXPECT_TRUE(IsLink(dir / "ithing.cbl"));
    EXPECT_FALSE(fs::exists(outside / "made.cbl"));
    fs::remove(dir / "ithing.cbl");
    WriteText(outside / "kept.cbl", "keep me");
    fs::create_symlink(outside / "kept.cbl", dir / "ithing.cbl");
    prompter.answers = {Answer::Yes, Answer::Yes};
    EXPECT_TRUE(Generate(lib, "Out.cpy", true));
    EXPECT_EQ(notWritten, 0);
    EXPECT_FALSE(IsLink(dir / "ithing.cbl"));
    EXPECT_NE(ReadText(dir / "ithing.cbl").find("class-id. IThing "), std::string::npos);
    EXPECT_EQ(ReadText(outside / "kept.cbl"), "keep me");
    EXPECT_EQ(fs::directory_iterator(outside.Path())->path().filename(), "kept.cbl");
}

TEST_F(WriterTest, NamesOfNoFileAndFilesHeldElsewhere) {
    FakeTypeLib lib;
    lib.Add(TKIND_INTERFACE, "IThing");
    // A name ending in "/" names a folder: the message names what was given.
    fs::create_directory(dir / "out");
    EXPECT_FALSE(Generate(lib, "out/"));
    EXPECT_FALSE(Generate(lib, "missing/"));
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[0].text,
              std::string("The file\n'out/'\n") + kCannotWrite + "Is a directory");
    EXPECT_EQ(prompter.shown[1].text,
              std::string("The file\n'missing/'\n") + kCannotWrite + "No such file or directory");

    // A file another generation holds is neither asked about nor touched.
    WriteText(dir / "Out.cpy", "theirs");
    int held = open((dir / "Out.cpy").c_str(), O_RDONLY);
    ASSERT_EQ(flock(held, LOCK_EX), 0);
    prompter.shown.clear();
    prompter.answers = {Answer::Yes};
    EXPECT_FALSE(Generate(lib, "Out.cpy"));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text,
              std::string("The file\n'Out.cpy'\n") + kCannotWrite + std::strerror(EBUSY));
    close(held);
    EXPECT_EQ(ReadText(dir / "Out.cpy"), "theirs");

    // Replaced, it keeps its permissions.
    chmod((dir / "Out.cpy").c_str(), 0604);
    prompter.answers = {Answer::Yes};
    EXPECT_TRUE(Generate(lib, "Out.cpy"));
    EXPECT_EQ(fs::status(dir / "Out.cpy").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);

    // A class file cannot take the copy file's name.
    prompter.shown.clear();
    EXPECT_TRUE(Generate(lib, "ithing.cbl", true));
    ASSERT_EQ(prompter.Ids(), std::vector<int>{IDS_CANNOT_WRITE});
    EXPECT_EQ(notWritten, 1);
    EXPECT_EQ(ReadText(dir / "ithing.cbl").substr(0, 20), "      *> QORVIX v1.0");
    EXPECT_TRUE(Leftovers(dir.Path()).empty());
}

// ---- Whole or not at all ----------------------------------------------------

TEST_F(WriterTest, AFailedWriteLeavesTheNameAsItWas) {
    FakeTypeLib lib;
    AddInterfaces(lib, 3, 1);
    WriteText(dir / "Out.cpy", "the old copy file");
    // A file-size limit: each file fails alone.
    writeFile = [](int fd, const void* data, std::size_t size) -> ssize_t {
        if (lseek(fd, 0, SEEK_CUR) + static_cast<off_t>(size) > 2000) {
            errno = EFBIG;
            return -1;
        }
        return write(fd, data, size);
    };
    prompter.answers = {Answer::Yes};
    EXPECT_FALSE(Generate(lib, "Out.cpy", true));
    EXPECT_EQ(ReadText(dir / "Out.cpy"), "the old copy file");
    ASSERT_FALSE(prompter.shown.empty());
    EXPECT_EQ(prompter.shown.back().id, IDS_WRITE_FAILED);
    EXPECT_EQ(prompter.shown.back().text, "The file\n'Out.cpy'\ncould not be written completely: " +
                                              std::string(std::strerror(EFBIG)) +
                                              "\nThe file has been left as it was.");
    // The class files are small enough; each that is written is whole.
    EXPECT_EQ(notWritten, 1);
    EXPECT_TRUE(fs::exists(dir / "i00.cbl"));
    EXPECT_TRUE(Leftovers(dir.Path()).empty());
    // A name that was free stays free, and the message says so.
    EXPECT_FALSE(Generate(lib, "New.cpy"));
    EXPECT_FALSE(fs::exists(dir / "New.cpy"));
    EXPECT_EQ(prompter.shown.back().text, "The file\n'New.cpy'\ncould not be written completely: " +
                                              std::string(std::strerror(EFBIG)) +
                                              "\nThe file has not been written.");
    EXPECT_TRUE(Leftovers(dir.Path()).empty());
}

// ---- One failure, one message ----------------------------------------------

TEST_F(WriterTest, AFullDiskIsShownOnceWithWhatItCost) {
    FakeTypeLib lib;
    AddInterfaces(lib, 30);
    MemoryOutput memory;
    CobolNaming memoryNaming;
    RenderToMemory(lib, memory, memoryNaming, true, false, "Out.cpy");
    ASSERT_EQ(memory.classes.size(), 30u);
    // Room for three class files and part of the fourth.
    std::size_t room = 10;
    for (int i = 0; i < 3; ++i)
        room += memory.classes[static_cast<std::size_t>(i)]->sink.text.size();
    std::size_t used = 0;
    writeFile = [&](int fd, const void* data, std::size_t size) -> ssize_t {
        if (used >= room) {
            errno = ENOSPC;
            return -1;
        }
        ssize_t n = write(fd, data, std::min(size, room - used));
        if (n > 0) used += static_cast<std::size_t>(n);
        return n;
    };
    EXPECT_FALSE(Generate(lib, "Out.cpy", true));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].id, IDS_WRITE_FAILED_NEW);
    EXPECT_EQ(prompter.shown[0].text,
              "The file\n'i03.cbl'\ncould not be written completely: " +
                  std::string(std::strerror(ENOSPC)) +
                  "\nThe file has not been written.\nFiles not written for the same reason: 27");
    // 26 class files skipped, the one that failed, and the copy file.
    EXPECT_EQ(notWritten, 28);
    for (int i = 0; i < 3; ++i) {
        const auto& file = memory.classes[static_cast<std::size_t>(i)];
        EXPECT_EQ(ReadText(dir / file->name), file->sink.text) << file->name;
    }
    EXPECT_FALSE(fs::exists(dir / "i03.cbl"));
    EXPECT_FALSE(fs::exists(dir / "Out.cpy"));
    EXPECT_TRUE(Leftovers(dir.Path()).empty());
}

TEST_F(WriterTest, AFolderRemovedOnTheWayIsShownOnce) {
    FakeTypeLib lib;
    AddInterfaces(lib, 5);
    fs::create_directory(dir / "gone");
    // The folder goes while the first class file is written.
    writeFile = [&](int fd, const void* data, std::size_t size) -> ssize_t {
        fs::remove_all(dir / "gone");
        return write(fd, data, size);
    };
    EXPECT_FALSE(Generate(lib, dir / "gone/Out.cpy", true));
    ASSERT_EQ(prompter.shown.size(), 1u);
    // The first class file fails at its rename, and so would every other.
    EXPECT_EQ(prompter.shown[0].id, IDS_WRITE_FAILED_NEW);
    EXPECT_NE(prompter.shown[0].text.find("'i00.cbl'"), std::string::npos);
    EXPECT_NE(prompter.shown[0].text.find("\nFiles not written for the same reason: 5"),
              std::string::npos);
    EXPECT_EQ(notWritten, 6);
}

// ---- Questions and races ----------------------------------------------------

// Question 102 offers answers for all while more than one file of the
// generation is still to be asked about; they answer every question after it.
TEST_F(WriterTest, AnswersForAllTheFilesStillToBeAskedAbout) {
    FakeTypeLib lib;
    AddInterfaces(lib, 4, 1);  // i00.cbl to i03.cbl
    const std::string three = "Out.cpy i01.cbl i03.cbl";
    struct Case {
        std::string existing;
        std::deque<Answer> answers;
        std::string asked;  // "*": with answers for all
        std::string replaced;
        int notWritten;
    };
    const Case cases[] = {
        {"Out.cpy", {Answer::Yes}, "Out.cpy", "Out.cpy", 0},
        {"i02.cbl", {}, "i02.cbl", "", 1},
        {three, {Answer::Yes, Answer::YesToAll}, "Out.cpy* i01.cbl*", three, 0},
        {three, {Answer::Yes, Answer::NoToAll}, "Out.cpy* i01.cbl*", "Out.cpy", 2},
        {three, {Answer::Yes, Answer::No}, "Out.cpy* i01.cbl* i03.cbl", "Out.cpy", 2},
        {three, {Answer::NoToAll}, "Out.cpy*", "", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.existing + " " + c.asked);
        for (const auto& entry : fs::directory_iterator(dir.Path()))
            fs::remove(entry.path());
        std::istringstream names(c.existing);
        std::vector<std::string> existing{std::istream_iterator<std::string>(names), {}};
        for (const std::string& name : existing)
            WriteText(dir / name, "old");
        prompter.shown.clear();
        prompter.answers = c.answers;
        Generate(lib, "Out.cpy", true);
        std::string asked, replaced;
        for (const Message& message : prompter.shown) {
            EXPECT_EQ(message.defaultAnswer, Answer::No);
            std::size_t quote = message.text.find('\'');
            asked +=
                (asked.empty() ? "" : " ") +
                message.text.substr(quote + 1, message.text.find('\'', quote + 1) - quote - 1) +
                (message.buttons == MessageButtons::YesNoToAll ? "*" : "");
        }
        for (const std::string& name : existing) {
            if (ReadText(dir / name) != "old") replaced += (replaced.empty() ? "" : " ") + name;
        }
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(replaced, c.replaced);
        EXPECT_EQ(notWritten, c.notWritten);
    }
    // The files asked about are those the generation writes: an interface
    // named like one of the head's standard types writes lpwstr-2.cbl.
    FakeTypeLib named;
    named.Add(TKIND_INTERFACE, "LPWSTR");
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        fs::remove(entry.path());
    WriteText(dir / "Out.cpy", "old");
    WriteText(dir / "lpwstr-2.cbl", "old");
    prompter.shown.clear();
    prompter.answers = {Answer::YesToAll};
    Generate(named, "Out.cpy", true);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].buttons, MessageButtons::YesNoToAll);
    EXPECT_NE(ReadText(dir / "lpwstr-2.cbl"), "old");
}

// Two runs into one folder: the run whose free name the other took first,
// with a whole file, says so and leaves that file.
TEST_F(WriterTest, AnotherRunTookTheNameFirst) {
    FakeTypeLib lib;
    lib.Add(TKIND_INTERFACE, "IThing");
    writeFile = [&](int fd, const void* data, std::size_t size) -> ssize_t {
        if (!fs::exists(dir / "Out.cpy")) WriteText(dir / "Out.cpy", "theirs, whole");
        return write(fd, data, size);
    };
    EXPECT_FALSE(Generate(lib, "Out.cpy"));
    ASSERT_EQ(prompter.Ids(), std::vector<int>{IDS_WRITTEN_BY_OTHER_RUN});
    EXPECT_EQ(prompter.shown[0].text,
              "The file\n'Out.cpy'\nwas written completely by another run at the same "
              "time.\nThat run's file has been kept.");
    EXPECT_EQ(ReadText(dir / "Out.cpy"), "theirs, whole");
    EXPECT_EQ(notWritten, 1);
    EXPECT_TRUE(Leftovers(dir.Path()).empty());
}

// ---- The program -------------------------------------------------------------

// A pipe at an output name never makes the program wait for a reader.
TEST(Program, PipesAtOutputNamesNeverHang) {
    TempDir dir;
    std::string qorvix = "timeout 20 " + std::string(QORVIX_PROGRAM);
    std::string sample = FixturePath("shapes.tlb");
    ASSERT_EQ(mkfifo((dir / "Out.cpy").c_str(), 0600), 0);
    ShellResult copy = Shell(dir.Path(), qorvix + " -i -oOut.cpy " + sample);
    EXPECT_EQ(copy.status, 1) << copy.output;
    EXPECT_NE(copy.output.find("\nNot a regular file\n"), std::string::npos) << copy.output;
    fs::remove(dir / "Out.cpy");
    ASSERT_EQ(mkfifo((dir / "ishape.cbl").c_str(), 0600), 0);
    ShellResult classFile = Shell(dir.Path(), qorvix + " -i -oOut.cpy " + sample);
    EXPECT_EQ(classFile.status, 1) << classFile.output;
    EXPECT_NE(classFile.output.find("'ishape.cbl'"), std::string::npos) << classFile.output;
    EXPECT_GT(fs::file_size(dir / "Out.cpy"), 10000u);
    EXPECT_TRUE(fs::is_fifo(dir / "ishape.cbl"));
}

// A real full disk: a small tmpfs in a mount namespace of the test's own,
// where the machine lets a test make one.
TEST(Program, AFullDiskOnASmallFileSystem) {
    TempDir dir;
    fs::create_directory(dir / "small");
    ShellResult probe =
        Shell(dir.Path(), "unshare -rm sh -c 'mount -t tmpfs -o size=8k none small'");
    if (probe.status != 0) GTEST_SKIP() << "no tmpfs can be mounted here: " << probe.output;
    // Two pages: the first class file fits, the second does not.
    ShellResult run =
        Shell(dir.Path(), "unshare -rm sh -c 'mount -t tmpfs -o size=8k none small && " +
                              std::string(QORVIX_PROGRAM) + " -id -osmall/Out.cpy " +
                              FixturePath("shapes.tlb") + "; echo status $?; ls -A small'");
    EXPECT_EQ(run.output,
              "qorvix: The file\n'iwidget.cbl'\ncould not be written completely: " +
                  std::string(std::strerror(ENOSPC)) +
                  "\nThe file has not been written.\nFiles not written for the same reason: 2\n"
                  "qorvix: Files not written: 3\nstatus 1\nishape.cbl\n");
}

}  // namespace
}  // namespace qorvix::test
