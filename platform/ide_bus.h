// The COBOL IDE's automation service on the D-Bus session bus.
//
// The IDE (or a plugin of it) owns the bus name "Orbanel.Application". Its
// application object at /Orbanel/Application has the read-only property
// "Project": the object path of the open project, "/" when none is open.
// The project object has the property "ProjectDirectory" and the method
// "AddFile". docs/orbanel-ide.xml is the interface as introspection data.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "platform/ide_link.h"

namespace qorvix {

inline constexpr const char* kIdeBusName = "Orbanel.Application";
inline constexpr const char* kIdeApplicationPath = "/Orbanel/Application";
inline constexpr const char* kIdeApplicationInterface = "Orbanel.Application";
inline constexpr const char* kIdeProjectInterface = "Orbanel.Project";

class IdeBus final : public IdeLink {
  public:
    // `address` is a D-Bus address; empty means the session bus. `timeout`
    // is what one use of the bus may spend waiting, connecting and
    // authenticating included: the registration check has it once, and
    // so has each project, from asking for it to adding the file.
    explicit IdeBus(std::string address = {}, std::chrono::milliseconds timeout = DefaultTimeout());

    // The IDE is known when a session bus is there and the name has an
    // owner now or the bus can start it.
    bool IsRegistered() const;

    // Only names that are valid UTF-8 can go over the bus.
    bool CanName(const std::string& bareName) const override;

    // Asks for the project, starting the IDE when the bus can. The project
    // object stays bound to the IDE process that answered: when that
    // process goes away, calls on the project fail; no new IDE is started.
    std::unique_ptr<IdeProject> CurrentProject() override;

    // 5 seconds, or QORVIX_IDE_TIMEOUT_MS from the environment.
    static std::chrono::milliseconds DefaultTimeout();

  private:
    std::string m_address;
    std::chrono::milliseconds m_timeout;
};

}  // namespace qorvix
