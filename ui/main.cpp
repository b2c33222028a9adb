// qorvix [-i[d]] [-p] [-o<file>] <typelib>
// Wires the real services into the application object: the machine's
// registry, the IDE on the session bus, the reserved-word service, the
// satellite, and the desktop front end for the dialog runs, loaded from its
// module when a run first needs it. Nothing here uses Qt.
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/console_prompter.h"
#include "app/generator_app.h"
#include "platform/executable.h"
#include "platform/ide_bus.h"
#include "platform/machine_services.h"
#include "platform/reserved_words.h"
#include "resources/satellite.h"
#include "ui/desktop.h"

namespace {

// ProgIDs from the machine's registry.
class RegistryProgIds final : public qorvix::ProgIdLookup {
  public:
    explicit RegistryProgIds(std::shared_ptr<qorvix::MachineServices> machine)
        : m_machine(std::move(machine)) {}
    qorvix::HRESULT ProgIDFromCLSID(const qorvix::CLSID& clsid, std::u16string& progId) override {
        return m_machine->ProgIDFromCLSID(clsid, progId);
    }

  private:
    std::shared_ptr<qorvix::MachineServices> m_machine;
};

}  // namespace

int main(int argc, char** argv) {
    using namespace qorvix;
    // Past a file-size limit (ulimit -f) a write fails with EFBIG and is
    // reported like a full disk, instead of the signal ending the program
    // with a temporary file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    std::vector<std::string> args(argv, argv + argc);
    std::string programName =
        argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "qorvix";
    ConsolePrompter prompter(programName);
    auto machine = MachineServices::ForDefaultPrefix();
    RegistryProgIds progIds(machine);

    CGeneratorApp::Services services;
    services.prompter = &prompter;
    services.printUsage = [](const std::string& text) { std::printf("%s\n", text.c_str()); };
    services.progIds = &progIds;
    IdeBus ide;
    services.ide = &ide;
    services.ideRegistered = [&ide] { return ide.IsRegistered(); };
    services.loadOptions = machine->Options();
    services.loadReservedWords = [] {
        return LoadReservedWordService(ExecutableDirectory()).vexamir;
    };
    services.executablePath = ExecutablePath();
    // The satellite translates the string table at once; the dialogs get
    // its bytes for their own translator.
    Satellite satellite;
    SatelliteStrings satelliteStrings(satellite);
    services.loadSatellite = [&](const std::string& path) {
        if (satellite.Load(path)) SetStrings(&satelliteStrings);
    };
    std::unique_ptr<Desktop> desktop;
    auto loadDesktop = [&](CGeneratorApp& app) -> Desktop* {
        if (desktop) return desktop.get();
        std::string error;
        desktop = LoadDesktop(ExecutableDirectory(), {&argc, argv, machine, &satellite}, error);
        if (!desktop) {
            std::fprintf(stderr, "%s\n",
                         ModuleMissingMessage(satellite, app.ProgramName(), error).c_str());
        }
        return desktop.get();
    };
    services.startDesktop = [&](CGeneratorApp& app) {
        Desktop* loaded = loadDesktop(app);
        return loaded && loaded->Start(app);
    };
    services.openContentsDialog = [&](CGeneratorApp& app, const std::string& path) {
        Desktop* loaded = loadDesktop(app);
        return loaded ? loaded->OpenContentsDialog(app, path) : kExitFailed;
    };
    services.openMainDialog = [&](CGeneratorApp& app) {
        Desktop* loaded = loadDesktop(app);
        return loaded ? loaded->OpenMainDialog(app) : kExitFailed;
    };
    CGeneratorApp app(services);
    int status = app.Run(args);
    // The dialogs go before what they use; the table before its satellite.
    desktop.reset();
    SetStrings(nullptr);
    if (std::fflush(stdout) != 0) return kExitFailed;
    return status;
}
