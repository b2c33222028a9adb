// The command line, in-process and through the program itself.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <array>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>

#include "app/generator_app.h"
#include "resources/satellite.h"
#include "resources/string_table.h"
#include "tests/support/msft_builder.h"
#include "tests/support/paths.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/shell.h"
#include "tests/support/temp_dir.h"
#include "typelib/reasons.h"

namespace qorvix::test {
namespace {

class CommandLine : public ::testing::Test {
  protected:
    CommandLine() {
        services.prompter = &prompter;
        services.printUsage = [this](const std::string& text) { usage = text; };
        services.openContentsDialog = [this](CGeneratorApp& app, const std::string& path) {
            contents.push_back(path);
            GenerationOptions options = app.Options();
            flags = {options.interfaceClasses, options.dualInterfaces, options.addToProject};
            return 0;
        };
        services.openMainDialog = [this](CGeneratorApp& app) {
            ++mainDialogs;
            copyFile = app.Options().copyFile;
            return 0;
        };
    }

    int Run(std::vector<std::string> args) {
        args.insert(args.begin(), "qorvix");
        CGeneratorApp app(services);
        return app.Run(args);
    }

    TempDir dir;
    KeepCurrentDirectory keep;
    ScriptedPrompter prompter;
    CGeneratorApp::Services services;
    std::string usage;
    std::vector<std::string> contents;
    std::array<bool, 3> flags{};
    int mainDialogs = 0;
    std::string copyFile;
};

TEST_F(CommandLine, RunsChosenByTheArguments) {
    EXPECT_EQ(Run({}), 0);
    EXPECT_EQ(mainDialogs, 1);
    EXPECT_EQ(copyFile, "TypeLib.cpy");
    EXPECT_EQ(Run({"-oOut.cpy"}), 0);
    EXPECT_EQ(mainDialogs, 2);
    EXPECT_EQ(copyFile, "Out.cpy");

    std::filesystem::current_path(dir.Path());
    EXPECT_EQ(Run({"-id", "first.tlb", "\"second.tlb\""}), 0);
    ASSERT_EQ(contents.size(), 1u);
    EXPECT_EQ(contents[0], dir / "second.tlb");
    EXPECT_EQ(flags, (std::array<bool, 3>{true, true, false}));
    for (const char* spelling : {"-iD", "-ID", "/id"}) {
        flags = {};
        EXPECT_EQ(Run({spelling, "x.tlb"}), 0) << spelling;
        EXPECT_EQ(flags, (std::array<bool, 3>{true, true, false})) << spelling;
    }
    // An absolute path is a path, not a switch, whether it exists or not.
    std::string sample = FixturePath("shapes.tlb");
    for (const std::string& path :
         {sample, std::string("/opt/vendor/typo.tlb"), std::string("/proc/self/cwd/x.tlb"),
          std::string("/ix"), std::string("/")}) {
        EXPECT_EQ(Run({path}), 0) << path;
        EXPECT_EQ(contents.back(), path);
    }
    EXPECT_EQ(mainDialogs, 2);
    EXPECT_TRUE(prompter.shown.empty());
}

// "/" starts a switch only in the forms users type for one.
TEST_F(CommandLine, SwitchesThatStartWithASlash) {
    for (const char* help : {"/?", "/h", "/H", "/help", "/HELP"}) {
        usage.clear();
        EXPECT_EQ(Run({help, "x.tlb"}), kExitGenerated) << help;
        EXPECT_FALSE(usage.empty()) << help;
    }
    EXPECT_EQ(Run({"/i", "/P", "/ID", "x.tlb"}), 0);
    EXPECT_EQ(flags, (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(Run({"/o\"Out.cpy\""}), 0);
    EXPECT_EQ(copyFile, "Out.cpy");
    EXPECT_EQ(contents.size(), 1u);
    EXPECT_TRUE(prompter.shown.empty());

    // A library that is not there fails as a library, also beside -o.
    for (const char* missing : {"/home/me/Shapes.tlb", "/opt/vendor/typo.tlb",
                                "/proc/self/cwd/x.tlb", "/oOut.cpy/x.tlb"}) {
        prompter.shown.clear();
        usage.clear();
        EXPECT_EQ(Run({"-oOut.cpy", missing}), kExitFailed) << missing;
        EXPECT_EQ(prompter.Ids(), std::vector<int>{IDS_CANNOT_LOAD}) << missing;
        EXPECT_TRUE(usage.empty()) << missing;
    }
    EXPECT_EQ(mainDialogs, 1);
}

// The IDE's registration is asked for by the runs that can use it, and by
// no other: a bus that does not answer must not slow them down.
TEST_F(CommandLine, OnlyRunsThatCanUseTheIdeAskForIt) {
    int asked = 0;
    services.ideRegistered = [&asked] {
        ++asked;
        return false;
    };
    std::filesystem::current_path(dir.Path());
    std::string sample = FixturePath("shapes.tlb");
    EXPECT_EQ(Run({"-?"}), kExitGenerated);
    EXPECT_EQ(Run({"-ix"}), kExitUsage);
    EXPECT_EQ(Run({"-i", "-oOut.cpy", sample}), kExitGenerated);
    EXPECT_EQ(Run({"-p", "-oOut.cpy", "missing.tlb"}), kExitFailed);
    EXPECT_EQ(asked, 0);
    std::filesystem::remove(dir / "Out.cpy");
    EXPECT_EQ(Run({"-p", "-oOut.cpy", sample}), kExitGenerated);  // -p off: not registered
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(std::filesystem::exists(dir / "Out.cpy"));
    EXPECT_EQ(Run({sample}), 0);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(Run({}), 0);
    EXPECT_EQ(asked, 3);
}

TEST_F(CommandLine, SwitchesThatAreNotUnderstood) {
    auto badOption = [&](const std::string& arg, const std::string& placeholder) {
        prompter.shown.clear();
        EXPECT_EQ(Run({arg, "x.tlb"}), kExitUsage) << arg;
        ASSERT_EQ(prompter.shown.size(), 1u) << arg;
        EXPECT_EQ(prompter.shown[0].id, IDS_BAD_OPTION);
        EXPECT_EQ(prompter.shown[0].text,
                  "The option '" + placeholder +
                      "' is not a valid option.\nUse qorvix -? to view a list "
                      "of valid options.");
    };
    badOption("-ix", "ix");
    badOption("-pq", "pq");
    badOption("-", "");
    badOption("-z", "z");
    badOption("-idx", "idx");
    EXPECT_TRUE(contents.empty());

    for (const char* help : {"-?", "-h", "-H", "-help", "/?"}) {
        usage.clear();
        EXPECT_EQ(Run({"-i", help, "-nonsense"}), kExitGenerated) << help;
        EXPECT_EQ(usage, LoadString(IDS_USAGE)) << help;
    }
    EXPECT_EQ(usage,
              "Usage: qorvix [-i[d]] [-p] [-o<file>] <typelib>\n  -id Generate (Dual) Interface "
              "files\n  -p Add copy file to Orbanel project\n  -o<file> Copy file to generate");
}

// What the parser hands to the runs, before any of them starts.
TEST(ParseCommandLine, WhatTheRunsAreGiven) {
    using Run = CGeneratorApp::CommandLine::Run;
    struct Case {
        std::vector<std::string> args;
        Run run;
        std::string typeLib, badSwitch;
        GenerationOptions options;
    };
    const Case cases[] = {
        {{}, Run::MainDialog, "", "", {}},
        // The last -o counts; an empty one is none.
        {{"-oA.cpy", "-o\"B.cpy\""}, Run::MainDialog, "", "", {"B.cpy", false, false, false}},
        {{"-oA.cpy", "-o", "x.tlb"}, Run::Batch, "x.tlb", "", {"A.cpy", false, false, false}},
        {{"-o", "x.tlb"}, Run::ContentsDialog, "x.tlb", "", {}},
        {{"-p", "-oO.cpy", "\"x.tlb\""}, Run::Batch, "x.tlb", "", {"O.cpy", false, false, true}},
        {{"-id", "-i", "x.tlb", "-oOut.cpy"}, Run::Batch, "x.tlb", "", {"Out.cpy", true, true}},
        // The first switch that ends the program ends the parsing, and what
        // was parsed before it stays.
        {{"-d", "x.tlb"}, Run::BadSwitch, "", "d", {}},
        {{"-i", "-pq", "-?"}, Run::BadSwitch, "", "pq", {"", true, false, false}},
        {{"-id", "-h", "-pq"}, Run::Usage, "", "", {"", true, true, false}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.begin(), "qorvix");
        CGeneratorApp::CommandLine parsed = CGeneratorApp::ParseCommandLine(args);
        std::string label = ::testing::PrintToString(c.args);
        EXPECT_EQ(parsed.run, c.run) << label;
        EXPECT_EQ(parsed.typeLib, c.typeLib) << label;
        EXPECT_EQ(parsed.badSwitch, c.badSwitch) << label;
        EXPECT_EQ(parsed.options, c.options) << label;
    }
}

TEST_F(CommandLine, TheProjectSwitchNeedsTheIde) {
    EXPECT_EQ(Run({"-p", "x.tlb"}), 0);
    EXPECT_EQ(flags, (std::array<bool, 3>{false, false, true}));  // kept on the application
    DocumentDriver driver({.addToProject = true}, WriterServices{});
    EXPECT_FALSE(driver.AddToProject());  // switched off by the driver
    WriterServices registered;
    registered.ideRegistered = true;
    DocumentDriver withIde({.dualInterfaces = true, .addToProject = true}, registered);
    EXPECT_TRUE(withIde.AddToProject());
    EXPECT_FALSE(withIde.DualInterfaces());  // only with interface classes
}

TEST_F(CommandLine, BatchRunsAndTheirFailures) {
    std::filesystem::current_path(dir.Path());
    EXPECT_EQ(Run({"-i", "-oOut.cpy", FixturePath("shapes.tlb")}), kExitGenerated);
    EXPECT_TRUE(std::filesystem::exists(dir / "Out.cpy"));
    EXPECT_TRUE(std::filesystem::exists(dir / "ishape.cbl"));

    // 105 names the file and the reader's reason.
    WriteText(dir / "text.tlb", "not a library");
    WriteText(dir / "cut.tlb", ReadText(FixturePath("shapes.tlb")).substr(0, 40));
    for (auto [library, reason] :
         {std::pair{dir / "missing.tlb", "No such file or directory"},
          {std::string(), "No such file or directory"},
          {dir.Path(), "is a directory"},
          {dir / "text.tlb", "not a type library (unknown file signature)"},
          {dir / "cut.tlb", "truncated MSFT header"}}) {
        prompter.shown.clear();
        EXPECT_EQ(Run({"-oNew.cpy", library.empty() ? "\"" : library}), kExitFailed);
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].text,
                  "The type library could not be loaded.\n'" + library + "': " + reason);
        EXPECT_FALSE(std::filesystem::exists(dir / "New.cpy"));
    }
    // A copy file the user declines to overwrite.
    prompter.shown.clear();
    prompter.answers = {Answer::No};
    EXPECT_EQ(Run({"-o\"Out.cpy\"", FixturePath("shapes.tlb")}), kExitFailed);
    EXPECT_EQ(prompter.Ids(), (std::vector<int>{IDS_FILE_EXISTS, IDS_FILES_NOT_WRITTEN}));
    // With it, none of the class files it was to have: four files in all.
    prompter.shown.clear();
    prompter.answers = {Answer::No};
    EXPECT_EQ(Run({"-id", "-oOut.cpy", FixturePath("shapes.tlb")}), kExitFailed);
    EXPECT_EQ(prompter.shown.back().text, "Files not written: 4");

    // Class files not written fail the run too, and the last message counts them.
    prompter.shown.clear();
    prompter.answers = {Answer::Yes, Answer::No};
    EXPECT_EQ(Run({"-id", "-oOut.cpy", FixturePath("shapes.tlb")}), kExitFailed);
    ASSERT_EQ(prompter.shown.size(), 3u);
    EXPECT_EQ(prompter.shown[1].text,
              "The file\n'ishape.cbl'\nalready exists. Do you want to overwrite it?");
    EXPECT_EQ(prompter.shown.back().text, "Files not written: 1");
    prompter.shown.clear();
    EXPECT_EQ(Run({"-i", "-oOther.cpy", FixturePath("shapes.tlb")}), kExitFailed);
    EXPECT_EQ(prompter.shown.back().text, "Files not written: 1");  // ishape.cbl: default No
}

TEST(Languages, LocaleNamesAndSatelliteExtensions) {
    EXPECT_EQ(CGeneratorApp::LanguageOfLocale("de_DE.UTF-8"), "german");
    EXPECT_EQ(CGeneratorApp::LanguageOfLocale("zh_TW.UTF-8"), "chinese traditional");
    EXPECT_EQ(CGeneratorApp::LanguageOfLocale("zh_CN.GB18030"), "chinese");
    EXPECT_EQ(CGeneratorApp::LanguageOfLocale("C.UTF-8"), "english");
    EXPECT_EQ(CGeneratorApp::LanguageOfLocale("fr_CA@euro"), "french");
    EXPECT_EQ(CGeneratorApp::FindLanguageExtension("German"), "deu");
    EXPECT_EQ(CGeneratorApp::FindLanguageExtension("CHINESE TRADITIONAL"), "cht");
    EXPECT_EQ(CGeneratorApp::FindLanguageExtension("chinese"), "chs");
    EXPECT_EQ(CGeneratorApp::FindLanguageExtension("nl"), std::nullopt);
    EXPECT_EQ(CGeneratorApp::FindLanguageExtension("english"), std::nullopt);
    EXPECT_EQ(CGeneratorApp::SatellitePath("/opt/q.d/qorvix", "deu"), "/opt/q.d/qorvix.deu");
    EXPECT_EQ(CGeneratorApp::SatellitePath("/opt/qorvix.bin", "fra"), "/opt/qorvix.fra");
}

// Start-up asks for the satellite of the user's language, and of no other.
TEST(Languages, TheSatelliteOfTheLocale) {
    for (auto [lang, expected] :
         {std::pair<const char*, const char*>{"de_DE.UTF-8", "/opt/qorvix/qorvix.deu"},
          {"zh_CN.UTF-8", "/opt/qorvix/qorvix.chs"},
          {"zh_SG.UTF-8", "/opt/qorvix/qorvix.chs"},
          {"zh_TW.UTF-8", "/opt/qorvix/qorvix.cht"},
          {"zh_HK.UTF-8", "/opt/qorvix/qorvix.cht"},
          {"zh_MO.UTF-8", "/opt/qorvix/qorvix.cht"},
          {"es_ES.UTF-8", "/opt/qorvix/qorvix.esp"},
          {"fr_CA.UTF-8", "/opt/qorvix/qorvix.fra"},
          {"it_IT.UTF-8", "/opt/qorvix/qorvix.ita"},
          {"ja_JP.UTF-8", "/opt/qorvix/qorvix.jpn"},
          {"ko_KR.UTF-8", "/opt/qorvix/qorvix.kor"},
          {"nl_NL.UTF-8", ""},
          {"en_GB.UTF-8", ""}}) {
        SCOPED_TRACE(lang);
        std::string asked;
        CGeneratorApp::Services services;
        services.executablePath = "/opt/qorvix/qorvix";
        services.loadSatellite = [&asked](const std::string& path) { asked = path; };
        setenv("LANG", lang, 1);
        unsetenv("LC_ALL");
        unsetenv("LC_MESSAGES");
        CGeneratorApp app(services);
        app.Run({"qorvix", "-?"});
        EXPECT_EQ(asked, expected);
    }
    unsetenv("LANG");
    std::setlocale(LC_ALL, "C");
}

// The satellite is read without Qt; a damaged one gives what it can and
// never reads past its bytes (in a sanitized build, never out of bounds).
TEST(Languages, DamagedSatellites) {
    std::string program = QORVIX_PROGRAM;
    Satellite german;
    ASSERT_TRUE(german.Load(program.substr(0, program.rfind('/')) + "/qorvix.deu"));
    EXPECT_EQ(german.Extension(), "deu");
    const std::string source = "Files not written: %1";
    EXPECT_EQ(german.Translate("StringTable", source), "Nicht geschriebene Dateien: %1");
    EXPECT_EQ(german.Translate("NoSuchContext", source), "");
    const std::string bytes(german.Bytes());
    auto set32 = [](std::string text, std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            text[at + i] = static_cast<char>(value >> (24 - 8 * i));
        return text;
    };
    struct Case {
        std::string bytes;
        bool loads;
    };
    std::vector<Case> cases = {{"", false},
                               {bytes.substr(0, 15), false},
                               {"x" + bytes.substr(1), false},
                               {set32(bytes, 17, 0xFFFFFFF0u), false},  // a block past the end
                               {bytes.substr(0, 16), true}};            // no blocks: no texts
    for (std::size_t cut = 17; cut < bytes.size(); cut += 211)
        cases.push_back({bytes.substr(0, cut), false});
    // Offsets and lengths anywhere: every byte of the hashes and messages.
    for (std::size_t at = 16; at < bytes.size(); at += 97)
        cases.push_back({set32(bytes, at, 0xFFFFFFFDu), true});
    for (const Case& c : cases) {
        Satellite damaged;
        bool loaded = damaged.LoadBytes(c.bytes);
        if (!c.loads) {
            EXPECT_FALSE(loaded) << c.bytes.size();
            EXPECT_EQ(damaged.Translate("StringTable", source), "");
        } else if (loaded) {
            std::string text = damaged.Translate("StringTable", source);
            EXPECT_TRUE(text.empty() || text == "Nicht geschriebene Dateien: %1") << text;
        }
    }
}

// Every reason the reader gives has its text in the string table, so that
// the satellites translate it.
TEST(Languages, TheReadersReasonsAreInTheStringTable) {
    ASSERT_EQ(std::size(reason::kAll), std::size_t{IDS_REASON_LAST - IDS_REASON_FIRST + 1});
    for (std::size_t i = 0; i < std::size(reason::kAll); ++i)
        EXPECT_EQ(BuiltInStrings().Load(IDS_REASON_FIRST + static_cast<int>(i)), reason::kAll[i]);
    // And kAll has every reason of the header: as many as it declares, none twice.
    std::ifstream header(FixturePath("../../typelib/reasons.h"));
    ASSERT_TRUE(header);
    std::size_t declared = 0;
    for (std::string line; std::getline(header, line);)
        declared += line.rfind("inline constexpr char k", 0) == 0;
    EXPECT_EQ(declared, std::size(reason::kAll));
    std::set<std::string_view> distinct(std::begin(reason::kAll), std::end(reason::kAll));
    EXPECT_EQ(distinct.size(), std::size(reason::kAll));
}

// A reason in the satellite's language, with its variable part; one the
// table does not know stays as it is.
TEST(Languages, ReasonsInGerman) {
    std::string program = QORVIX_PROGRAM;
    Satellite german;
    ASSERT_TRUE(german.Load(program.substr(0, program.rfind('/')) + "/qorvix.deu"));
    SatelliteStrings strings(german);
    SetStrings(&strings);
    struct Case {
        std::string english;
        const char* german;
    };
    const Case cases[] = {
        {reason::kUnknownSignature, "keine Typbibliothek (unbekannte Dateisignatur)"},
        {reason::Format(reason::kNoNumberedResource, "3"),
         "die Datei hat keine TYPELIB-Ressource 3"},
        // Not the numbered resource's text with "(it may be packed)" as its number.
        {reason::kNoResource,
         "die Datei hat keine TYPELIB-Ressource (sie ist möglicherweise gepackt)"},
        {reason::Format(reason::kTooLarge, "256"),
         "größer als 256 MiB; wird nicht als Typbibliothek gelesen"},
        {reason::kVersionNotRegistered, "für diese Version ist keine Datei registriert"},
        {"No such file or directory", "No such file or directory"},
        {"the file has no TYPELIB resource ", "the file has no TYPELIB resource "},
        {"larger than 256 MiB", "larger than 256 MiB"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TranslateReason(c.english), c.german) << c.english;
    SetStrings(nullptr);
    for (const char* english : reason::kAll)
        EXPECT_EQ(TranslateReason(english), english);
}

// ---- The program itself ------------------------------------------------------

using Result = ShellResult;

TEST(Program, ExitStatusAndMessages) {
    TempDir dir;
    std::string qorvix = QORVIX_PROGRAM;
    std::string sample = FixturePath("shapes.tlb");
    Result ok = Shell(dir.Path(),
                      "env -u DISPLAY -u WAYLAND_DISPLAY " + qorvix + " -id -oOut.cpy " + sample);
    EXPECT_EQ(ok.status, 0) << ok.output;
    EXPECT_EQ(ok.output, "");
    EXPECT_TRUE(std::filesystem::exists(dir / "iwidget.cbl"));

    // Not a terminal: the question takes its default, and says so.
    WriteText(dir / "Out.cpy", "mine");
    Result declined = Shell(dir.Path(), qorvix + " -oOut.cpy " + sample);
    EXPECT_EQ(declined.status, 1);
    EXPECT_EQ(declined.output,
              "qorvix: The file\n'Out.cpy'\nalready exists. Do you want to overwrite it?\n"
              "qorvix: answered No (standard input is not a terminal)\n"
              "qorvix: Files not written: 1\n");
    EXPECT_EQ(ReadText(dir / "Out.cpy"), "mine");

    Result help = Shell(dir.Path(), qorvix + " -? 2>/dev/null");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.output.substr(0, 14), "Usage: qorvix ");
    Result bad = Shell(dir.Path(), qorvix + " -x");
    EXPECT_EQ(bad.status, 2);
    Result noLibrary = Shell(dir.Path(), qorvix + " -oNew.cpy nothing.tlb");
    EXPECT_EQ(noLibrary.status, 1);
    EXPECT_EQ(noLibrary.output, "qorvix: The type library could not be loaded.\n'" +
                                    dir / "nothing.tlb" + "': No such file or directory\n");
    // An absolute path that is not there is a library that is not there,
    // not a switch; and no window opens in a batch run.
    for (const char* missing : {"/home/me/Shapes.tlb", "/opt/vendor/typo.tlb"}) {
        Result absolute = Shell(
            dir.Path(), "env -u DISPLAY -u WAYLAND_DISPLAY " + qorvix + " -oNew.cpy " + missing);
        EXPECT_EQ(absolute.status, 1) << missing;
        EXPECT_EQ(absolute.output, std::string("qorvix: The type library could not be loaded.\n'") +
                                       missing + "': No such file or directory\n");
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "New.cpy"));
}

// A copy-file name with a control character is refused before anything is
// written. C1 is judged on the characters of the locale: in UTF-8 the bytes
// 0x80 to 0x9F are parts of other characters ("\u2026" holds 0x80).
TEST(Program, ACopyFileNameWithAControlCharacter) {
    TempDir dir;
    std::string run = "LC_ALL=C.UTF-8 " + std::string(QORVIX_PROGRAM) + " -id \"-o$(printf '";
    std::string library = "')\" " + FixturePath("shapes.tlb");
    for (const char* name :
         {"Out\\nx.cpy", "Out\\tx.cpy", "Out\\033x.cpy", "Out\\177x.cpy", "Out\\302\\205x.cpy"}) {
        Result refused = Shell(dir.Path(), run + name + library);
        EXPECT_EQ(refused.status, 1) << name;
        EXPECT_EQ(refused.output,
                  "qorvix: The file\n'Out?x.cpy'\ncan not be written to. Please check the file "
                  "name and path are correct and do not point to a read-only file.\nThe name "
                  "holds a control character\nqorvix: Files not written: 4\n")
            << name;
        EXPECT_TRUE(std::filesystem::is_empty(dir.Path())) << name;
    }
    Result written = Shell(dir.Path(), run + "Out\\342\\200\\246.cpy" + library);
    EXPECT_EQ(written.status, 0) << written.output;
    EXPECT_TRUE(std::filesystem::exists(dir / "Out\u2026.cpy"));
}

// A class file left stale (the question's default is No) or not writable
// fails the run; the others are written all the same.
TEST(Program, ClassFilesNotWritten) {
    TempDir dir;
    WriteText(dir / "ishape.cbl", "         copy \"old.cpy\".\n");
    std::filesystem::create_directory(dir / "iwidget.cbl");
    Result run = Shell(dir.Path(),
                       std::string(QORVIX_PROGRAM) + " -id -onew.cpy " + FixturePath("shapes.tlb"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output,
              "qorvix: The file\n'ishape.cbl'\nalready exists. Do you want to overwrite it?\n"
              "qorvix: answered No (standard input is not a terminal)\n"
              "qorvix: The file\n'iwidget.cbl'\ncan not be written to. Please check the file "
              "name and path are correct and do not point to a read-only file.\nIs a directory\n"
              "qorvix: Files not written: 2\n");
    EXPECT_EQ(ReadText(dir / "ishape.cbl"), "         copy \"old.cpy\".\n");
    EXPECT_NE(ReadText(dir / "iwidget2.cbl").find("copy \"new.cpy\"."), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir / "new.cpy"));
}

// The dialog runs need a display; without one they say so and end.
TEST(Program, DialogsWithoutADisplay) {
    TempDir dir;
    std::string qorvix =
        std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") + QORVIX_PROGRAM;
    for (std::string args : {std::string(), " " + FixturePath("shapes.tlb")}) {
        Result run = Shell(dir.Path(), qorvix + args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(
            run.output,
            "qorvix: cannot show the dialogs: there is no display (DISPLAY and WAYLAND_DISPLAY "
            "are not set)\n");
    }
}

// The dialogs live in a module of their own: a batch run (German, so with
// the satellite) loads no Qt library, and a program without the module
// says so when a run needs a window.
TEST(Program, TheDialogsModule) {
    TempDir dir;
    Result batch = Shell(dir.Path(), "LANG=de_DE.UTF-8 LD_DEBUG=libs " +
                                         std::string(QORVIX_PROGRAM) + " -id -oOut.cpy " +
                                         FixturePath("shapes.tlb") + " 2>&1 | grep 'init:'");
    EXPECT_NE(batch.output.find("libstdc++"), std::string::npos) << batch.output;
    EXPECT_EQ(batch.output.find("Qt"), std::string::npos) << batch.output;
    std::filesystem::copy_file(QORVIX_PROGRAM, dir / "qorvix");
    Result alone = Shell(dir.Path(), "DISPLAY=:0 ./qorvix");
    EXPECT_EQ(alone.status, 1);
    EXPECT_EQ(alone.output.rfind("qorvix: cannot show the dialogs: ", 0), 0u) << alone.output;
    EXPECT_NE(alone.output.find("qorvix-desktop.so"), std::string::npos) << alone.output;
}

// The German satellite beside the program speaks for the batch run too.
TEST(Program, GermanMessages) {
    TempDir dir;
    Result run = Shell(
        dir.Path(), std::string("LC_ALL= LANGUAGE= LANG=de_DE.UTF-8 ") + QORVIX_PROGRAM + " -ix");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.output,
              "qorvix: Die Option 'ix' ist keine gültige Option.\nMit qorvix -? erhalten Sie eine "
              "Liste der gültigen Optionen.\n");
    // The lines about the question and the files not written too.
    WriteText(dir / "Out.cpy", "mine");
    Result declined =
        Shell(dir.Path(), std::string("LC_ALL= LANGUAGE= LANG=de_DE.UTF-8 ") + QORVIX_PROGRAM +
                              " -oOut.cpy " + FixturePath("shapes.tlb"));
    EXPECT_EQ(declined.status, 1);
    EXPECT_EQ(declined.output,
              "qorvix: Die Datei\n'Out.cpy'\nexistiert bereits. Möchten Sie sie überschreiben?\n"
              "qorvix: Antwort: Nein (die Standardeingabe ist kein Terminal)\n"
              "qorvix: Nicht geschriebene Dateien: 1\n");
    // The reader's reason too.
    WriteText(dir / "notes.tlb", "not a library");
    Result notLibrary = Shell(dir.Path(), std::string("LC_ALL= LANGUAGE= LANG=de_DE.UTF-8 ") +
                                              QORVIX_PROGRAM + " -oNew.cpy notes.tlb");
    EXPECT_EQ(notLibrary.status, 1);
    EXPECT_EQ(notLibrary.output, "qorvix: Die Typbibliothek konnte nicht geladen werden.\n'" +
                                     dir / "notes.tlb" +
                                     "': keine Typbibliothek (unbekannte Dateisignatur)\n");
}

TEST(Program, AWriteThatFailsLeavesNoCopyFile) {
    TempDir dir;
    std::string qorvix = QORVIX_PROGRAM;
    // A file-size limit of 8 KB makes the copy file's writes fail part way
    // (the class files fit): the signal it sends must not end the program
    // before it can tidy up and say so.
    Result full = Shell(dir.Path(),
                        "ulimit -f 16; " + qorvix + " -id -oOut.cpy " + FixturePath("shapes.tlb"));
    EXPECT_EQ(full.status, 1) << full.output;
    // One message with the reason, and the count.
    EXPECT_EQ(
        full.output.rfind(
            "qorvix: The file\n'Out.cpy'\ncould not be written completely: File too large\n", 0),
        0u)
        << full.output;
    EXPECT_EQ(full.output.find("qorvix: ", 1), full.output.rfind("qorvix: Files not written: 1\n"))
        << full.output;
    EXPECT_FALSE(std::filesystem::exists(dir / "Out.cpy"));
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        EXPECT_EQ(entry.path().extension(), ".cbl") << entry.path();
}

// A build that writes the library again in place while qorvix reads it:
// each run completes, or says 105 and fails; never a signal, never a
// temporary file left. The library (60 interfaces of 40 methods) is cut
// short at moments spread over the time one run takes.
TEST(Program, ALibraryCutShortWhileItIsRead) {
    MsftBuilder b;
    for (std::uint8_t t = 0; t < 60; ++t) {
        MsftBuilder::Type itf;
        itf.kind = TKIND_INTERFACE;
        itf.name = "IInterface" + std::to_string(t);
        itf.guid = GUID{0x5A0C0DE0, 0x1A, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x1A, t}};
        MsftBuilder::Param param{"argument", MsftBuilder::Inline(VT_BSTR)};
        for (int f = 0; f < 40; ++f) {
            itf.funcs.push_back({"Method" + std::to_string(f), 0x60000000 + f});
            itf.funcs.back().returnType = MsftBuilder::Inline(VT_HRESULT);
            itf.funcs.back().params = {param, param, param};
        }
        b.AddType(itf);
    }
    auto bytes = b.Build();
    const std::string library(bytes.begin(), bytes.end());
    TempDir dir;
    std::string run = std::string(QORVIX_PROGRAM) + " -id -oOut.cpy ../large.tlb";
    WriteText(dir / "large.tlb", library);
    std::filesystem::create_directory(dir / "whole");
    auto begun = std::chrono::steady_clock::now();
    ASSERT_EQ(Shell(dir / "whole", run).status, 0);
    std::chrono::duration<double> once = std::chrono::steady_clock::now() - begun;
    constexpr int kRuns = 24;
    for (int i = 0; i < kRuns; ++i) {
        WriteText(dir / "large.tlb", library);
        std::filesystem::remove_all(dir / "cut");
        std::filesystem::create_directory(dir / "cut");
        Result cut =
            Shell(dir / "cut", run + " & sleep " + std::to_string(once.count() * i / kRuns) +
                                   "; truncate -s 4096 ../large.tlb; wait $!; echo $?");
        if (cut.output != "0\n") {
            EXPECT_EQ(cut.output.rfind("qorvix: The type library could not be loaded.\n'", 0), 0u)
                << cut.output;
            EXPECT_EQ(cut.output.substr(cut.output.size() - 2), "1\n") << cut.output;
        }
        for (const auto& entry : std::filesystem::directory_iterator(dir / "cut"))
            EXPECT_NE(entry.path().filename().string().rfind(".qorvix-", 0), 0u) << entry.path();
    }
}

}  // namespace
}  // namespace qorvix::test
