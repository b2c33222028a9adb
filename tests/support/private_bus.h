// A D-Bus session bus of a test's own: a dbus-daemon on a socket in a
// temporary folder, with a folder of service files for activation.
#pragma once

#include <sys/types.h>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace qorvix::test {

class PrivateBus {
  public:
    // Starts the daemon; Address() is empty when that failed (no
    // dbus-daemon installed). `activatable` lists service files to offer:
    // each a bus name and the command line that starts it.
    explicit PrivateBus(const std::vector<std::pair<std::string, std::string>>& activatable = {});
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    const std::string& Address() const { return m_address; }
    // Starts a program on this bus as a child of the test.
    void Spawn(const std::vector<std::string>& argv);
    // Waits until `name` has an owner on the bus (at most 5 s).
    bool WaitForName(const std::string& name);

    static bool DaemonInstalled();

  private:
    TempDir m_dir;
    std::string m_address;
    pid_t m_daemon = -1;
    std::vector<pid_t> m_children;
};

// A bus that accepts connections and never answers, like a stopped daemon
// whose socket is still there: a Unix socket listened on and never read.
class SilentBus {
  public:
    explicit SilentBus(const std::string& socketPath);
    ~SilentBus();
    SilentBus(const SilentBus&) = delete;
    SilentBus& operator=(const SilentBus&) = delete;

    const std::string& Address() const { return m_address; }
    // The connections made since the last call. They are taken but never
    // read, and stay open until the bus goes away.
    int TakeConnections();

  private:
    int m_socket = -1;
    std::string m_address;
    std::vector<int> m_taken;
};

}  // namespace qorvix::test
