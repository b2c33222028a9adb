#include "tests/support/private_bus.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <systemd/sd-bus.h>
#include <unistd.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "tests/support/shell.h"

namespace qorvix::test {

bool PrivateBus::DaemonInstalled() {
    return Shell("/", "command -v dbus-daemon").status == 0;
}

PrivateBus::PrivateBus(const std::vector<std::pair<std::string, std::string>>& activatable) {
    std::filesystem::create_directory(m_dir / "services");
    for (std::size_t i = 0; i < activatable.size(); ++i) {
        WriteText(m_dir / ("services/s" + std::to_string(i) + ".service"),
                  "[D-BUS Service]\nName=" + activatable[i].first +
                      "\nExec=" + activatable[i].second + "\n");
    }
    WriteText(
        m_dir / "bus.conf",
        "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
        " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
        "<busconfig>\n  <type>session</type>\n"
        "  <listen>unix:path=" +
            (m_dir / "bus") +
            "</listen>\n"
            "  <servicedir>" +
            (m_dir / "services") +
            "</servicedir>\n"
            "  <policy context=\"default\">\n"
            "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
            "    <allow eavesdrop=\"true\"/>\n    <allow own=\"*\"/>\n  </policy>\n</busconfig>\n");
    ShellResult started = Shell(m_dir.Path(),
                                "dbus-daemon --config-file=bus.conf --fork --print-address=1 "
                                "--print-pid=1");
    if (started.status != 0) return;
    std::size_t end = started.output.find('\n');
    if (end == std::string::npos) return;
    m_address = started.output.substr(0, end);
    m_daemon = static_cast<pid_t>(std::atoi(started.output.c_str() + end + 1));
}

PrivateBus::~PrivateBus() {
    for (pid_t child : m_children) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
    // Services the bus started end when it goes away.
    if (m_daemon > 0) kill(m_daemon, SIGTERM);
}

void PrivateBus::Spawn(const std::vector<std::string>& argv) {
    pid_t pid = fork();
    if (pid == 0) {
        std::vector<char*> args;
        for (const std::string& arg : argv)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        setenv("DBUS_SESSION_BUS_ADDRESS", m_address.c_str(), 1);
        execv(args[0], args.data());
        _exit(127);
    }
    if (pid > 0) m_children.push_back(pid);
}

bool PrivateBus::WaitForName(const std::string& name) {
    sd_bus* bus = nullptr;
    if (sd_bus_new(&bus) < 0) return false;
    bool owned = false;
    if (sd_bus_set_address(bus, m_address.c_str()) >= 0 && sd_bus_set_bus_client(bus, 1) >= 0 &&
        sd_bus_start(bus) >= 0) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!owned && std::chrono::steady_clock::now() < deadline) {
            sd_bus_message* reply = nullptr;
            int value = 0;
            if (sd_bus_call_method(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                   "org.freedesktop.DBus", "NameHasOwner", nullptr, &reply, "s",
                                   name.c_str()) >= 0 &&
                sd_bus_message_read(reply, "b", &value) > 0) {
                owned = value != 0;
            }
            sd_bus_message_unref(reply);
            if (!owned) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    sd_bus_flush_close_unref(bus);
    return owned;
}

SilentBus::SilentBus(const std::string& socketPath) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path) return;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    m_socket = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_socket < 0) return;
    // The kernel completes connections into the backlog without accept().
    if (bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(m_socket, 64) != 0) {
        close(m_socket);
        m_socket = -1;
        return;
    }
    m_address = "unix:path=" + socketPath;
}

SilentBus::~SilentBus() {
    for (int connection : m_taken)
        close(connection);
    if (m_socket >= 0) close(m_socket);
}

int SilentBus::TakeConnections() {
    int count = 0;
    for (int connection;
         m_socket >= 0 && (connection = accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        m_taken.push_back(connection);
        ++count;
    }
    return count;
}

}  // namespace qorvix::test
