// The IDE project step: the writer against a stand-in project, and the D-Bus
// client, the writer and the program against the reference IDE service on a
// bus of the test's own.
#include <gtest/gtest.h>

#include <systemd/sd-bus.h>
#include <clocale>
#include <regex>

#include "cobolgen/document_driver.h"
#include "platform/ide_bus.h"
#include "resources/string_table.h"
#include "tests/support/paths.h"
#include "tests/support/private_bus.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/shell.h"
#include "tests/support/temp_dir.h"
#include "tests/support/typelib_helpers.h"

namespace qorvix::test {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

Lines Files(const std::string& folder) {
    Lines names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// ---- The writer against a stand-in IDE ---------------------------------------

class StandInIde final : public IdeLink {
  public:
    std::optional<std::string> directory;  // nullopt: no project
    Lines added;

    std::unique_ptr<IdeProject> CurrentProject() override {
        if (!directory) return nullptr;
        struct Project final : IdeProject {
            StandInIde* ide;
            std::string Directory() override { return *ide->directory; }
            void AddFile(const std::string& name) override { ide->added.push_back(name); }
        };
        auto project = std::make_unique<Project>();
        project->ide = this;
        return project;
    }
};

class ProjectStepTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(std::setlocale(LC_ALL, "C.UTF-8"));
        std::filesystem::create_directory(chosen);
        std::filesystem::create_directory(project);
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }

    bool Generate(IdeLink& ide, bool classes = false, int* notWritten = nullptr) {
        WriterServices services;
        services.prompter = &prompter;
        services.ide = &ide;
        services.ideRegistered = true;
        services.folder = folder;
        DocumentDriver driver({.interfaceClasses = classes, .addToProject = true}, services);
        std::string name = chosen + "/Shapes.cpy";
        bool generated = driver.GenerateCopyFile(name, *lib);
        if (notWritten) *notWritten = driver.FilesNotWritten();
        folder = driver.GenerationFolder();
        return generated;
    }

    TempDir dir;
    KeepCurrentDirectory keep;
    std::filesystem::path keptDirectory = std::filesystem::current_path();
    std::string chosen = dir / "chosen";
    std::string project = dir / "project";
    ScriptedPrompter prompter;
    std::string folder;  // the run's generation folder
    ComPtr<ITypeLib> lib = LoadOrDie(FixturePath("shapes.tlb"));
};

TEST_F(ProjectStepTest, TheProjectDirectoryDecidesWhereFilesGo) {
    StandInIde ide;
    // The chosen folder itself, however the IDE spells it: no question.
    std::filesystem::create_directory_symlink(chosen, dir / "link");
    for (const std::string& spelling : {chosen, chosen + "/", dir / "link", dir / "./chosen"}) {
        SCOPED_TRACE(spelling);
        ide.directory = spelling;
        ide.added.clear();
        ASSERT_TRUE(Generate(ide));
        EXPECT_TRUE(prompter.shown.empty());
        EXPECT_EQ(Files(chosen), Lines{"Shapes.cpy"});
        EXPECT_EQ(ide.added, Lines{"Shapes.cpy"});
        std::filesystem::remove(chosen + "/Shapes.cpy");
    }
    // Other letters are another folder: missing, it is no project at all ...
    std::string upper = dir / "CHOSEN";
    ide.directory = upper;
    ide.added.clear();
    ASSERT_TRUE(Generate(ide));
    EXPECT_EQ(prompter.Ids(), std::vector<int>{IDS_NO_PROJECT});
    EXPECT_EQ(Files(chosen), Lines{"Shapes.cpy"});
    EXPECT_TRUE(ide.added.empty());
    // ... and there, the files go into it, where the IDE will look for them.
    std::filesystem::remove(chosen + "/Shapes.cpy");
    std::filesystem::create_directory(upper);
    prompter.shown.clear();
    ASSERT_TRUE(Generate(ide));
    EXPECT_EQ(prompter.Ids(), std::vector<int>{IDS_PROJECT_DIRECTORY});
    EXPECT_EQ(Files(upper), Lines{"Shapes.cpy"});
    EXPECT_TRUE(Files(chosen).empty());
    EXPECT_EQ(ide.added, Lines{"Shapes.cpy"});

    // Elsewhere: OK moves every file there and for good; only the copy file is added.
    prompter.shown.clear();
    ide.directory = project;
    ide.added.clear();
    ASSERT_TRUE(Generate(ide, true));
    EXPECT_EQ(prompter.shown.at(0).text,
              "All files will be generated in the project directory\n'" + project + "'");
    EXPECT_EQ(Files(project), (Lines{"Shapes.cpy", "ishape.cbl"}));
    EXPECT_TRUE(Files(chosen).empty());
    EXPECT_EQ(ide.added, Lines{"Shapes.cpy"});
    // The run's folder is the project's now; the process never moved.
    EXPECT_EQ(folder, project);
    EXPECT_EQ(std::filesystem::current_path(), keptDirectory);

    // Cancel writes nothing.
    std::filesystem::remove_all(project);
    std::filesystem::create_directory(project);
    prompter.answers = {Answer::Cancel};
    ide.added.clear();
    int notWritten = 0;
    EXPECT_FALSE(Generate(ide, true, &notWritten));
    EXPECT_EQ(notWritten, 2);  // the copy file and ishape.cbl
    EXPECT_TRUE(Files(project).empty());
    EXPECT_TRUE(Files(chosen).empty());
    EXPECT_TRUE(ide.added.empty());
}

TEST_F(ProjectStepTest, NoUsableProjectAsksWhetherToGoOn) {
    for (std::optional<std::string> text :
         {std::optional<std::string>(), std::optional<std::string>(""),
          std::optional<std::string>("project"), std::optional<std::string>(project + "\n/etc"),
          std::optional<std::string>(dir / "gone"),
          std::optional<std::string>(dir / "chosen/../project")}) {
        SCOPED_TRACE(text ? *text : "(no project)");
        StandInIde ide;
        ide.directory = text;
        prompter.shown.clear();
        if (text && *text == dir / "chosen/../project") {
            // An absolute path that exists is used as it stands.
            ASSERT_TRUE(Generate(ide));
            EXPECT_EQ(prompter.Ids(), std::vector<int>{IDS_PROJECT_DIRECTORY});
            EXPECT_EQ(Files(project), Lines{"Shapes.cpy"});
            continue;
        }
        // Cancel: nothing at all.
        prompter.answers = {Answer::Cancel};
        EXPECT_FALSE(Generate(ide));
        EXPECT_TRUE(Files(chosen).empty());
        // OK: the chosen folder, nothing added.
        ASSERT_TRUE(Generate(ide));
        EXPECT_EQ(prompter.Ids(), (std::vector<int>{IDS_NO_PROJECT, IDS_NO_PROJECT}));
        EXPECT_EQ(prompter.shown.at(0).text, "No project found. Continue to generate files?");
        EXPECT_EQ(Files(chosen), Lines{"Shapes.cpy"});
        EXPECT_TRUE(ide.added.empty());
        std::filesystem::remove(chosen + "/Shapes.cpy");
    }
}

// A copy file the IDE cannot be told about is no project: the IDE is not
// asked, and no other name is added in its place.
TEST_F(ProjectStepTest, ANameTheIdeCannotCarry) {
    struct Picky final : IdeLink {
        int asked = 0;
        bool CanName(const std::string& name) const override { return name != "Shapes.cpy"; }
        std::unique_ptr<IdeProject> CurrentProject() override {
            ++asked;
            return nullptr;
        }
    } ide;
    ASSERT_TRUE(Generate(ide));
    EXPECT_EQ(prompter.Ids(), std::vector<int>{IDS_NO_PROJECT});
    EXPECT_EQ(ide.asked, 0);
    EXPECT_EQ(Files(chosen), Lines{"Shapes.cpy"});
    // Cancel there writes nothing, and says so in the count.
    std::filesystem::remove(chosen + "/Shapes.cpy");
    prompter.answers = {Answer::Cancel};
    int notWritten = 0;
    EXPECT_FALSE(Generate(ide, true, &notWritten));
    EXPECT_EQ(notWritten, 2);
    EXPECT_TRUE(Files(chosen).empty());
}

// ---- The reference service on a private bus ----------------------------------

class IdeBusTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!PrivateBus::DaemonInstalled()) GTEST_SKIP() << "dbus-daemon is not installed";
        ASSERT_TRUE(std::setlocale(LC_ALL, "C.UTF-8"));
        std::filesystem::create_directory(project);
        std::filesystem::create_directory(chosen);
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }

    std::string Service(const std::string& switches = "") const {
        return std::string(QORVIX_REFERENCE_IDE) + " --directory " + project + " --log " + log +
               (switches.empty() ? "" : " " + switches);
    }
    // The calls the service logged, without its start line.
    Lines Calls() const {
        Lines lines;
        std::istringstream in(ReadText(log));
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("start ", 0) != 0) lines.push_back(line);
        }
        return lines;
    }
    int Starts() const {
        std::string text = ReadText(log);
        int count = 0;
        for (std::size_t at = 0; (at = text.find("start ", at)) != std::string::npos; ++at)
            ++count;
        return count;
    }

    TempDir dir;
    std::string project = dir / "Projekt-Ä";  // UTF-8, as the bus carries it
    std::string chosen = dir / "chosen";
    std::string log = dir / "ide.log";
};

TEST_F(IdeBusTest, KnownWhenRunningOrStartable) {
    EXPECT_FALSE(IdeBus("unix:path=" + dir / "no-bus", 1s).IsRegistered());
    EXPECT_EQ(IdeBus("unix:path=" + dir / "no-bus", 1s).CurrentProject(), nullptr);
    {
        PrivateBus empty;
        ASSERT_FALSE(empty.Address().empty());
        IdeBus ide(empty.Address(), 2s);
        EXPECT_FALSE(ide.IsRegistered());
        EXPECT_EQ(ide.CurrentProject(), nullptr);
    }
    {
        PrivateBus startable({{kIdeBusName, Service()}});
        EXPECT_TRUE(IdeBus(startable.Address(), 2s).IsRegistered());
        EXPECT_FALSE(std::filesystem::exists(log));  // asking did not start it
    }
    {
        PrivateBus running;
        running.Spawn(
            {QORVIX_REFERENCE_IDE, "--directory", project, "--address", running.Address()});
        ASSERT_TRUE(running.WaitForName(kIdeBusName));
        EXPECT_TRUE(IdeBus(running.Address(), 2s).IsRegistered());
    }
}

TEST_F(IdeBusTest, TheProjectOfAnIdeTheBusStarts) {
    PrivateBus bus({{kIdeBusName, Service()}});
    IdeBus ide(bus.Address(), 5s);
    auto current = ide.CurrentProject();
    ASSERT_TRUE(current);
    EXPECT_EQ(current->Directory(), project);
    current->AddFile("Größe.cpy");
    EXPECT_EQ(Calls(), (Lines{"Project", "ProjectDirectory", "AddFile\tGröße.cpy\t\t0\t"}));
}

// File names are bytes: they go over the bus as they are, whatever the
// locale, and a name that is not UTF-8 cannot go at all.
TEST_F(IdeBusTest, NamesAreTheFileSystemsBytes) {
    PrivateBus bus({{kIdeBusName, Service()}});
    ASSERT_TRUE(std::setlocale(LC_ALL, "C"));
    IdeBus ide(bus.Address(), 5s);
    EXPECT_TRUE(ide.CanName("Ärger.cpy"));
    EXPECT_FALSE(ide.CanName("\xC4rger.cpy"));
    EXPECT_FALSE(ide.CanName("\xED\xA0\x80.cpy"));  // a surrogate, encoded
    auto current = ide.CurrentProject();
    ASSERT_TRUE(current);
    EXPECT_EQ(current->Directory(), project);
    current->AddFile("Ärger.cpy");
    EXPECT_EQ(Calls().back(), "AddFile\tÄrger.cpy\t\t0\t");
}

TEST_F(IdeBusTest, AnswersThatNameNoProject) {
    for (const char* switches :
         {"--no-project", "--no-directory", "--project-path /Orbanel/Nowhere", "--wrong-types"}) {
        SCOPED_TRACE(switches);
        PrivateBus bus({{kIdeBusName, Service(switches)}});
        auto current = IdeBus(bus.Address(), 5s).CurrentProject();
        EXPECT_EQ(current ? current->Directory() : std::string(), "");
    }
}

TEST_F(IdeBusTest, SlowFailingAndVanishingIdes) {
    {
        // Slower than the timeout: no project, and no waiting for it.
        PrivateBus bus({{kIdeBusName, Service("--delay-ms 4000")}});
        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(IdeBus(bus.Address(), 300ms).CurrentProject(), nullptr);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
    }
    {
        PrivateBus bus({{kIdeBusName, Service("--fail-add-file")}});
        auto current = IdeBus(bus.Address(), 5s).CurrentProject();
        ASSERT_TRUE(current);
        current->AddFile("Shapes.cpy");  // refused, and nothing to report
        EXPECT_EQ(Calls().back(), "AddFile\tShapes.cpy\t\t0\t");
    }
    std::filesystem::remove(log);
    {
        // Gone between the two steps: the call fails; no second IDE is started.
        PrivateBus bus({{kIdeBusName, Service("--exit-after-directory")}});
        auto current = IdeBus(bus.Address(), 2s).CurrentProject();
        ASSERT_TRUE(current);
        EXPECT_EQ(current->Directory(), project);
        current->AddFile("Shapes.cpy");
        EXPECT_EQ(Calls(), (Lines{"Project", "ProjectDirectory"}));
        EXPECT_EQ(Starts(), 1);
    }
}

// The interfaces the reference service offers are the ones docs/ describes.
TEST_F(IdeBusTest, TheServiceMatchesItsDescription) {
    PrivateBus bus({{kIdeBusName, Service()}});
    ASSERT_TRUE(IdeBus(bus.Address(), 5s).CurrentProject());
    auto interfaces = [](const std::string& xml) {
        std::string flat = std::regex_replace(xml, std::regex(R"(<!--[\s\S]*?-->|\s+)"), "");
        std::string found;
        std::smatch match;
        std::regex block(R"(<interfacename="Orbanel\.[\s\S]*?</interface>)");
        for (auto it = flat.cbegin(); std::regex_search(it, flat.cend(), match, block);
             it = match.suffix().first) {
            found += match.str();
        }
        return found;
    };
    std::string introspected;
    sd_bus* raw = nullptr;
    ASSERT_GE(sd_bus_new(&raw), 0);
    sd_bus_set_address(raw, bus.Address().c_str());
    sd_bus_set_bus_client(raw, 1);
    ASSERT_GE(sd_bus_start(raw), 0);
    for (const char* path : {kIdeApplicationPath, "/Orbanel/Projects/1"}) {
        sd_bus_message* reply = nullptr;
        const char* xml = nullptr;
        ASSERT_GE(sd_bus_call_method(raw, kIdeBusName, path, "org.freedesktop.DBus.Introspectable",
                                     "Introspect", nullptr, &reply, ""),
                  0);
        ASSERT_GT(sd_bus_message_read(reply, "s", &xml), 0);
        introspected += interfaces(xml);
        sd_bus_message_unref(reply);
    }
    sd_bus_flush_close_unref(raw);
    std::string documented =
        interfaces(ReadText(std::string(QORVIX_SOURCE_DIR) + "/docs/orbanel-ide.xml"));
    EXPECT_FALSE(documented.empty());
    EXPECT_EQ(introspected, documented);
}

// The program: -p with the reference service, with a failing one, and
// without any session bus.
TEST_F(IdeBusTest, TheProjectSwitchOfTheProgram) {
    std::string qorvix = QORVIX_PROGRAM;
    std::string sample = FixturePath("shapes.tlb");
    {
        PrivateBus bus({{kIdeBusName, Service()}});
        ShellResult run = Shell(chosen, "DBUS_SESSION_BUS_ADDRESS='" + bus.Address() + "' " +
                                            qorvix + " -p -i -oShapes.cpy " + sample);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.output, "qorvix: All files will be generated in the project directory\n'" +
                                  project +
                                  "'\nqorvix: answered OK (standard input is not a terminal)\n");
        EXPECT_EQ(Files(project), (Lines{"Shapes.cpy", "ishape.cbl"}));
        EXPECT_EQ(Calls().back(), "AddFile\tShapes.cpy\t\t0\t");
    }
    {
        PrivateBus bus({{kIdeBusName, Service("--fail-add-file --no-directory")}});
        ShellResult run = Shell(chosen, "DBUS_SESSION_BUS_ADDRESS='" + bus.Address() + "' " +
                                            qorvix + " -p -oShapes.cpy " + sample);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.output,
                  "qorvix: No project found. Continue to generate files?\n"
                  "qorvix: answered OK (standard input is not a terminal)\n");
        EXPECT_EQ(Files(chosen), Lines{"Shapes.cpy"});
    }
    std::filesystem::remove(chosen + "/Shapes.cpy");
    // No session bus: the switch is off, nothing is asked.
    ShellResult run =
        Shell(chosen, "env -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR=/nonexistent " + qorvix +
                          " -p -oShapes.cpy " + sample);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(Files(chosen), Lines{"Shapes.cpy"});
}

// Outside a UTF-8 locale the program names the copy file and finds the
// project directory as the file system has them.
TEST_F(IdeBusTest, TheProjectSwitchInTheCLocale) {
    PrivateBus bus({{kIdeBusName, Service()}});
    std::string qorvix =
        "LC_ALL=C DBUS_SESSION_BUS_ADDRESS='" + bus.Address() + "' " + QORVIX_PROGRAM + " -p -o'";
    std::string sample = "' " + FixturePath("shapes.tlb");
    ShellResult named = Shell(project, qorvix + "Ärger.cpy" + sample);
    EXPECT_EQ(named.status, 0);
    EXPECT_EQ(named.output, "");  // generated in the project directory itself
    EXPECT_EQ(Files(project), Lines{"Ärger.cpy"});
    EXPECT_EQ(Calls().back(), "AddFile\tÄrger.cpy\t\t0\t");
    // Not UTF-8: no project, and no other name added in its place.
    std::filesystem::remove(log);
    ShellResult latin = Shell(chosen, qorvix + "\xC4rger.cpy" + sample);
    EXPECT_EQ(latin.status, 0);
    EXPECT_EQ(latin.output,
              "qorvix: No project found. Continue to generate files?\n"
              "qorvix: answered OK (standard input is not a terminal)\n");
    EXPECT_EQ(Files(chosen), Lines{"\xC4rger.cpy"});
    EXPECT_FALSE(std::filesystem::exists(log));  // the IDE was not asked
}

// ---- A bus that accepts and never answers ----------------------------------

TEST(SilentBusTest, TheDeadlineCoversConnectingAndCalls) {
    TempDir dir;
    SilentBus silent(dir / "bus");
    ASSERT_FALSE(silent.Address().empty());
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(IdeBus(silent.Address(), 500ms).IsRegistered());
    EXPECT_EQ(IdeBus(silent.Address(), 500ms).CurrentProject(), nullptr);
    // Generous: without the deadline each would wait 90 s to authenticate.
    EXPECT_LT(std::chrono::steady_clock::now() - start, 60s);
    EXPECT_EQ(silent.TakeConnections(), 2);
}

// Only the runs that can use the IDE touch the bus; where it is touched and
// dead, -p is off as when there is no bus.
TEST(SilentBusTest, OnlyRunsThatUseTheIdeTouchTheBus) {
    TempDir dir;
    SilentBus silent(dir / "bus");
    ASSERT_FALSE(silent.Address().empty());
    std::string qorvix = "DBUS_SESSION_BUS_ADDRESS='" + silent.Address() +
                         "' QORVIX_IDE_TIMEOUT_MS=1000 timeout 80 " + QORVIX_PROGRAM;
    std::string sample = " " + FixturePath("shapes.tlb");
    ShellResult help = Shell(dir.Path(), qorvix + " -? >/dev/null");
    EXPECT_EQ(help.status, 0);
    ShellResult batch = Shell(dir.Path(), qorvix + " -i -oShapes.cpy" + sample);
    EXPECT_EQ(batch.status, 0);
    EXPECT_EQ(batch.output, "");
    EXPECT_EQ(silent.TakeConnections(), 0);

    std::filesystem::remove(dir / "Shapes.cpy");
    ShellResult project = Shell(dir.Path(), qorvix + " -p -oShapes.cpy" + sample);
    EXPECT_EQ(project.status, 0);  // the timeout command's 124 if it hung
    EXPECT_EQ(project.output, "");
    EXPECT_TRUE(std::filesystem::exists(dir / "Shapes.cpy"));
    EXPECT_EQ(silent.TakeConnections(), 1);
}

// A dialog run without a display ends at once: it never asks the bus about
// the IDE, which would first wait out the IDE's time limit.
TEST(SilentBusTest, NoDisplayNoBus) {
    TempDir dir;
    SilentBus silent(dir / "bus");
    ASSERT_FALSE(silent.Address().empty());
    std::string qorvix =
        "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "
        "DBUS_SESSION_BUS_ADDRESS='" +
        silent.Address() + "' timeout 80 " + QORVIX_PROGRAM;
    for (const std::string& args :
         std::vector<std::string>{std::string(), " " + FixturePath("shapes.tlb"),
                                  " -p " + FixturePath("shapes.tlb"), " -p"}) {
        ShellResult run = Shell(dir.Path(), qorvix + args);
        EXPECT_EQ(run.status, 1) << args;
        EXPECT_EQ(run.output,
                  "qorvix: cannot show the dialogs: there is no display (DISPLAY and "
                  "WAYLAND_DISPLAY are not set)\n");
        EXPECT_EQ(silent.TakeConnections(), 0) << args;
    }
}

}  // namespace
}  // namespace qorvix::test
