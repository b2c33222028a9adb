#include "platform/ide_bus.h"

#include <systemd/sd-bus.h>
#include <cstdlib>

#include "platform/locale_text.h"
#include "typelib/codepage.h"

namespace qorvix {
namespace {

struct BusCloser {
    void operator()(sd_bus* bus) const { sd_bus_flush_close_unref(bus); }
};
using BusPtr = std::unique_ptr<sd_bus, BusCloser>;

struct MessageUnref {
    void operator()(sd_bus_message* message) const { sd_bus_message_unref(message); }
};
using MessagePtr = std::unique_ptr<sd_bus_message, MessageUnref>;

// Releases what an sd_bus_error holds, on every path.
struct BusError {
    sd_bus_error error = SD_BUS_ERROR_NULL;
    ~BusError() { sd_bus_error_free(&error); }
};

BusPtr Connect(const std::string& address, std::chrono::milliseconds timeout) {
    sd_bus* raw = nullptr;
    int r = 0;
    if (address.empty()) {
        r = sd_bus_open_user(&raw);
    } else {
        r = sd_bus_new(&raw);
        if (r >= 0) r = sd_bus_set_address(raw, address.c_str());
        if (r >= 0) r = sd_bus_set_bus_client(raw, 1);
        if (r >= 0) r = sd_bus_start(raw);
    }
    BusPtr bus(raw);
    if (r < 0) return nullptr;
    sd_bus_set_method_call_timeout(bus.get(), static_cast<std::uint64_t>(timeout.count()) * 1000u);
    return bus;
}

// A property of one object as a reply message positioned at the variant's
// content, or null.
MessagePtr GetProperty(sd_bus* bus, const char* destination, const char* path,
                       const char* interface, const char* name, const char* type) {
    BusError error;
    sd_bus_message* raw = nullptr;
    if (sd_bus_call_method(bus, destination, path, "org.freedesktop.DBus.Properties", "Get",
                           &error.error, &raw, "ss", interface, name) < 0) {
        return nullptr;
    }
    MessagePtr reply(raw);
    if (sd_bus_message_enter_container(reply.get(), SD_BUS_TYPE_VARIANT, type) <= 0) return nullptr;
    return reply;
}

class BusProject final : public IdeProject {
  public:
    BusProject(BusPtr bus, std::string owner, std::string path)
        : m_bus(std::move(bus)), m_owner(std::move(owner)), m_path(std::move(path)) {}

    std::string Directory() override {
        MessagePtr reply = GetProperty(m_bus.get(), m_owner.c_str(), m_path.c_str(),
                                       kIdeProjectInterface, "ProjectDirectory", "s");
        const char* text = nullptr;
        if (!reply || sd_bus_message_read_basic(reply.get(), SD_BUS_TYPE_STRING, &text) <= 0 ||
            !text) {
            return {};
        }
        return Utf16ToLocale(Utf8ToUtf16(text));
    }

    void AddFile(const std::string& bareName) override {
        // The bus has no null strings: the empty string stands for them.
        std::string name = Utf16ToUtf8(LocaleToUtf16(bareName));
        BusError error;
        sd_bus_call_method(m_bus.get(), m_owner.c_str(), m_path.c_str(), kIdeProjectInterface,
                           "AddFile", &error.error, nullptr, "ssis", name.c_str(), "",
                           std::int32_t{0}, "");
    }

  private:
    BusPtr m_bus;
    std::string m_owner;  // the unique name of the IDE process that answered
    std::string m_path;
};

}  // namespace

IdeBus::IdeBus(std::string address, std::chrono::milliseconds timeout)
    : m_address(std::move(address)), m_timeout(timeout) {}

std::chrono::milliseconds IdeBus::DefaultTimeout() {
    if (const char* text = std::getenv("QORVIX_IDE_TIMEOUT_MS")) {
        char* end = nullptr;
        long value = std::strtol(text, &end, 10);
        if (end != text && *end == '\0' && value > 0 && value <= 600000)
            return std::chrono::milliseconds(value);
    }
    return std::chrono::milliseconds(5000);
}

bool IdeBus::IsRegistered() const {
    BusPtr bus = Connect(m_address, m_timeout);
    if (!bus) return false;
    BusError error;
    sd_bus_message* raw = nullptr;
    if (sd_bus_call_method(bus.get(), "org.freedesktop.DBus", "/org/freedesktop/DBus",
                           "org.freedesktop.DBus", "NameHasOwner", &error.error, &raw, "s",
                           kIdeBusName) >= 0) {
        MessagePtr reply(raw);
        int owned = 0;
        if (sd_bus_message_read(reply.get(), "b", &owned) > 0 && owned) return true;
    }
    raw = nullptr;
    BusError listError;
    if (sd_bus_call_method(bus.get(), "org.freedesktop.DBus", "/org/freedesktop/DBus",
                           "org.freedesktop.DBus", "ListActivatableNames", &listError.error, &raw,
                           "") < 0) {
        return false;
    }
    MessagePtr reply(raw);
    if (sd_bus_message_enter_container(reply.get(), SD_BUS_TYPE_ARRAY, "s") <= 0) return false;
    const char* name = nullptr;
    while (sd_bus_message_read_basic(reply.get(), SD_BUS_TYPE_STRING, &name) > 0) {
        if (name && std::string_view(name) == kIdeBusName) return true;
    }
    return false;
}

std::unique_ptr<IdeProject> IdeBus::CurrentProject() {
    BusPtr bus = Connect(m_address, m_timeout);
    if (!bus) return nullptr;
    // Asking the well-known name starts the IDE when the bus can.
    MessagePtr reply = GetProperty(bus.get(), kIdeBusName, kIdeApplicationPath,
                                   kIdeApplicationInterface, "Project", "o");
    const char* path = nullptr;
    if (!reply || sd_bus_message_read_basic(reply.get(), SD_BUS_TYPE_OBJECT_PATH, &path) <= 0 ||
        !path || std::string_view(path) == "/") {
        return nullptr;
    }
    const char* owner = sd_bus_message_get_sender(reply.get());
    if (!owner || !*owner) return nullptr;
    return std::make_unique<BusProject>(std::move(bus), owner, path);
}

}  // namespace qorvix
