// Wine prefixes written to hurt: each case as small as shows its fault.
// Every case runs in a child process with an alarm, so that a crash or a
// hang fails the test instead of the test program; the bounds are
// generous (the measured times are in the notes of the change).
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <clocale>
#include <functional>

#include "platform/machine_services.h"
#include "tests/support/reg_file.h"
#include "tests/support/shell.h"
#include "tests/support/temp_dir.h"
#include "typelib/codepage.h"

namespace qorvix::test {
namespace {

// What the child returned: 0 for success, or a number that says which
// check failed; "signal N" or "timed out" for a crash or a hang.
std::string InChild(unsigned seconds, const std::function<int()>& body) {
    pid_t pid = fork();
    if (pid == 0) {
        alarm(seconds);
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status)) return std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM) return "timed out";
    return "signal " + std::to_string(WIFSIGNALED(status) ? WTERMSIG(status) : -1);
}

// The platform's limit of 512 levels: a deeper key is left out with its
// values and one warning; 400,000 levels once cost 95 times the file.
TEST(HostilePrefix, KeysNestedDeeperThanThePlatformAllows) {
    auto path = [](std::size_t levels) {
        std::string text;
        for (std::size_t i = 0; i < levels; ++i)
            text += "k\\\\";
        return text;
    };
    Registry registry;
    std::size_t tooDeep = 0;
    EXPECT_EQ(registry.LoadMachine("[" + path(512) + "] 1\n\"v\"=\"deepest\"\n[" + path(513) +
                                       "] 1\n\"v\"=\"too deep\"\n[" + path(400000) +
                                       "] 1\n\"v\"=\"far too deep\"\n[k] 1\n\"v\"=\"top\"\n",
                                   &tooDeep),
              0u);
    EXPECT_EQ(tooDeep, 2u);
    auto deepest = registry.OpenMachine(path(511) + "k");
    ASSERT_TRUE(deepest);
    EXPECT_EQ(deepest->Text("v"), "deepest");
    EXPECT_EQ(deepest->EnumKey(0), std::nullopt);
    EXPECT_EQ(registry.OpenMachine("k")->Text("v"), "top");

    // The program says so once per file, on standard error.
    TempDir prefix;
    WriteText(prefix / "system.reg", "[" + path(600) + "] 1\n[" + path(700) + "] 1\n");
    ShellResult listed = Shell(
        prefix.Path(), std::string("timeout 30 '") + QORVIX_TLBLIST + "' '" + prefix.Path() + "'");
    EXPECT_EQ(listed.output, prefix / "system.reg" +
                                 ": keys nested deeper than 512 levels not read: 2\n"
                                 "0 libraries, 0 not loaded\n");
}

// Registers `count` versions of one library, each with a description;
// the first also with a file, which is not there.
std::string ManyVersions(std::size_t count) {
    RegFile reg;
    const std::string library =
        "Software\\Classes\\TypeLib\\{5A0C0DE0-0000-4000-8000-000000000001}\\";
    reg.Key(library + "0.0\\0\\win32").String("@", "C:\\none\\x.tlb");
    for (std::size_t i = 0; i < count; ++i) {
        char version[16];
        std::snprintf(version, sizeof version, "%zx.%zx", i >> 16, i & 0xFFFF);
        reg.Key(library + version).String("@", "Version " + std::to_string(i));
    }
    return reg.Text();
}

TEST(HostilePrefix, ManyVersionsOfOneLibrary) {
    // 200,000 version keys: listing them and asking for each, as tlblist
    // does, took more than 30 s while each request walked all versions.
    EXPECT_EQ(InChild(120,
                      [] {
                          Registry registry;
                          registry.LoadMachine(ManyVersions(200000));
                          MachineServices machine(std::move(registry), "/nonexistent");
                          auto rows = FillLibraryList(machine.GetRegistry());
                          if (rows.size() != 200000) return 1;
                          GUID guid{0x5A0C0DE0, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x01}};
                          for (const RegisteredLibrary& row : rows) {
                              auto [major, minor] = ParseLibraryVersion(row.version);
                              std::string path;
                              HRESULT hr =
                                  machine.QueryPathOfRegTypeLib(guid, major, minor, 0x800, path);
                              if (hr != TYPE_E_CANTLOADLIBRARY && hr != TYPE_E_LIBNOTREGISTERED)
                                  return 2;
                          }
                          return 0;
                      }),
              "0");
}

TEST(HostilePrefix, ALongPathAndManyFileNamesAlone) {
    // Every file name alone is searched for in every folder of PATH: each
    // folder must be looked at once, not once per registered library.
    TempDir prefix;
    std::filesystem::create_directories(prefix / "drive_c/windows/system32");
    std::filesystem::create_directories(prefix / "drive_c/tools");
    std::filesystem::create_directories(prefix / "dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
    WriteText(prefix / "drive_c/tools/Found.tlb", "");
    RegFile reg;
    std::string path = "C:\\tools";
    for (int i = 0; path.size() < 32000; ++i)
        path += ";C:\\p" + std::to_string(i);
    reg.Key("System\\CurrentControlSet\\Control\\Session Manager\\Environment")
        .String("PATH", path);
    const std::string typeLib = "Software\\Classes\\TypeLib\\{5A0C0DE0-0000-4000-8000-";
    for (int i = 0; i < 20000; ++i) {
        char guid[16];
        std::snprintf(guid, sizeof guid, "%012x}", i);
        reg.Key(typeLib + guid + "\\1.0").String("@", "Library");
        reg.Key(typeLib + guid + "\\1.0\\0\\win32")
            .String("@", i == 0 ? "found.tlb" : "n" + std::to_string(i) + ".tlb");
    }
    WriteText(prefix / "system.reg", reg.Text());
    EXPECT_EQ(InChild(60,
                      [&] {
                          MachineServices machine(prefix.Path());
                          auto rows = FillLibraryList(machine.GetRegistry());
                          if (rows.size() != 20000) return 1;
                          int found = 0;
                          for (const RegisteredLibrary& row : rows) {
                              std::string file;
                              auto guid = GuidFromString(Utf8ToUtf16(row.guid));
                              if (machine.QueryPathOfRegTypeLib(*guid, 1, 0, 0x800, file) == S_OK)
                                  ++found;
                          }
                          return found == 1 ? 0 : 2;
                      }),
              "0");
}

// Read at load, or when first asked for: a key's values are read once, so
// that asking for each of them costs no more than reading them.
TEST(HostilePrefix, ManyValuesOfOneKey) {
    for (auto reading : {Registry::ValueReading::kAtLoad, Registry::ValueReading::kWhenAsked}) {
        EXPECT_EQ(InChild(60,
                          [reading] {
                              RegFile reg;
                              reg.Key("Software\\Classes\\Thing");
                              for (int i = 0; i < 200000; ++i)
                                  reg.String("v" + std::to_string(i), "x");
                              reg.String("V7", "last one wins");
                              Registry registry;
                              registry.LoadMachine(reg.Text(), nullptr, reading);
                              for (int i = 1; i < 200000; i += 7) {
                                  auto key = registry.OpenClassesRoot("Thing");
                                  if (!key || key->Text("v" + std::to_string(i)) != "x") return 1;
                              }
                              auto key = registry.OpenClassesRoot("Thing");
                              if (key->Text("v7") != "last one wins") return 2;
                              return 0;
                          }),
                  "0");
    }
}

TEST(HostilePrefix, EmptyHexStrings) {
    // No bytes at all: nothing may be copied from nowhere.
    Registry registry;
    EXPECT_EQ(registry.LoadMachine("[Thing] 1\n\"Multi\"=hex(7):\n\"Expand\"=hex(2):\n"
                                   "\"Odd\"=hex(1):41\n"),
              0u);
    auto key = registry.OpenMachine("Thing");
    ASSERT_TRUE(key);
    EXPECT_EQ(key->Value("Multi")->type, REG_MULTI_SZ);
    EXPECT_EQ(key->Text("Multi"), "");
    EXPECT_EQ(key->Text("Expand"), "");
    EXPECT_EQ(key->Text("Odd"), "");  // half a UTF-16 unit
}

// system.reg and user.reg that are not regular files, or too large, are
// refused before they are read, with a reason.
TEST(HostilePrefix, SpecialAndHugeRegistryFiles) {
    TempDir prefix;
    auto check = [&](const std::string& reason) {
        return InChild(30, [&] {
            std::vector<RegistryWarning> warnings;
            Registry::LoadWinePrefix(prefix.Path(), &warnings);
            if (warnings.size() != 2) return 1;
            for (const RegistryWarning& warning : warnings) {
                if (warning.kind != RegistryWarning::kNotRead) return 2;
                if (warning.text.find(reason) == std::string::npos) return 3;
            }
            return 0;
        });
    };
    ASSERT_EQ(mkfifo((prefix / "system.reg").c_str(), 0600), 0);
    std::filesystem::create_directory(prefix / "user.reg");
    EXPECT_EQ(check("not a regular file"), "0");
    std::filesystem::remove(prefix / "system.reg");
    std::filesystem::remove(prefix / "user.reg");
    std::filesystem::create_symlink("/dev/zero", prefix / "system.reg");
    std::filesystem::create_symlink("/dev/null", prefix / "user.reg");
    EXPECT_EQ(check("not a regular file"), "0");

    // Files holding no data take no room: one just over the limit, one far
    // over it.
    std::filesystem::remove(prefix / "system.reg");
    std::filesystem::remove(prefix / "user.reg");
    for (auto [name, size] : {std::pair{"system.reg", kMaxRegistryFileBytes + 1},
                              {"user.reg", kMaxRegistryFileBytes * 64}}) {
        int fd = open((prefix / name).c_str(), O_CREAT | O_WRONLY, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(ftruncate(fd, static_cast<off_t>(size)), 0);
        close(fd);
    }
    EXPECT_EQ(check("larger than 256 MiB"), "0");

    // The program says so on standard error, and goes on without them.
    std::filesystem::remove(prefix / "system.reg");
    std::filesystem::create_symlink("/dev/zero", prefix / "system.reg");
    ShellResult listed = Shell(
        prefix.Path(), std::string("timeout 30 '") + QORVIX_TLBLIST + "' '" + prefix.Path() + "'");
    EXPECT_EQ(listed.status, 0) << listed.output;
    EXPECT_NE(listed.output.find(prefix / "system.reg: not a regular file"), std::string::npos)
        << listed.output;
    EXPECT_NE(listed.output.find(prefix / "user.reg: larger than 256 MiB"), std::string::npos)
        << listed.output;
    EXPECT_NE(listed.output.find("0 libraries, 0 not loaded"), std::string::npos);
}

TEST(HostilePrefix, MissingFilesAreNoFault) {
    TempDir prefix;
    std::vector<std::string> told;
    MachineServices machine(prefix.Path());
    machine.SetWarningSink([&](const RegistryWarning& warning) {
        if (warning.kind == RegistryWarning::kMissing) told.push_back(warning.text);
    });
    EXPECT_FALSE(machine.GetRegistry().OpenClassesRoot("TypeLib"));
    EXPECT_EQ(told.size(), 2u);

    // tlblist says a folder without them is no prefix, rather than that it
    // registers nothing; and it knows its options.
    std::string tlblist = std::string(QORVIX_TLBLIST) + " ";
    struct Case {
        std::string args;
        int status;
        std::string output;
    };
    for (const Case& c :
         {Case{prefix.Path(), 1,
               "tlblist: " + prefix.Path() +
                   " is not a Wine prefix: it has no system.reg or user.reg\n"},
          Case{"/nonexistent", 1,
               "tlblist: /nonexistent is not a Wine prefix: it has no system.reg or user.reg\n"},
          Case{"--bogus", 1, "tlblist: unknown option '--bogus'\nusage: tlblist [WINEPREFIX]\n"},
          Case{"--help 2>/dev/null", 0, "usage: tlblist [WINEPREFIX]\n"}}) {
        ShellResult run = Shell(prefix.Path(), tlblist + c.args);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_EQ(run.output, c.output);
    }
}

}  // namespace
}  // namespace qorvix::test
