// The dialog runs as start-up sees them, without Qt: they live in a module
// of their own beside the program (qorvix-desktop.so), loaded when a run
// first needs a window, so that a batch run and -? do not load the Qt
// libraries. The module resolves the core's functions in the program.
#pragma once

#include <memory>
#include <string>

namespace qorvix {

class CGeneratorApp;
class MachineServices;
class Satellite;

class Desktop {
  public:
    virtual ~Desktop() = default;
    // Makes the Qt application (once) and shows the run's messages in
    // message boxes from then on; false, having said why on standard
    // error, when there is no display or it cannot be reached.
    virtual bool Start(CGeneratorApp& app) = 0;
    // Runs 2 and 3; they return the exit status (1 when the library could
    // not be loaded or there is no display).
    virtual int OpenContentsDialog(CGeneratorApp& app, const std::string& path) = 0;
    virtual int OpenMainDialog(CGeneratorApp& app) = 0;
};

// What the module's desktop is made with. The satellite (loaded or not)
// must outlive it: its translator reads the satellite's bytes in place.
struct DesktopArguments {
    int* argc = nullptr;
    char** argv = nullptr;
    std::shared_ptr<MachineServices> machine;
    const Satellite* satellite = nullptr;
};

// The module's file name, and its one entry point: a new desktop.
inline constexpr char kDesktopModule[] = "qorvix-desktop.so";
inline constexpr char kDesktopEntry[] = "QorvixCreateDesktop";
using DesktopEntry = Desktop* (*)(const DesktopArguments& arguments);

// Loads the module from `folder` (once per process; it stays loaded) and
// makes its desktop. Null when it cannot, with the loader's reason in
// `error`.
std::unique_ptr<Desktop> LoadDesktop(const std::string& folder, const DesktopArguments& arguments,
                                     std::string& error);

// What the program says, in the satellite's language, when the module
// cannot be loaded (`reason`).
std::string ModuleMissingMessage(const Satellite& satellite, const std::string& programName,
                                 const std::string& reason);

}  // namespace qorvix
