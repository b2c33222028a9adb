#include "platform/ide_bus.h"

#include <dlfcn.h>
#include <systemd/sd-bus.h>
#include <cerrno>
#include <cstdlib>
#include <type_traits>

#include "typelib/codepage.h"

namespace qorvix {
namespace {

// libsystemd, loaded when the bus is first used: only runs that can use the
// IDE need it, and it would bring six libraries of its own into every run.
struct SdBusApi {
    decltype(&::sd_bus_call) sd_bus_call;
    decltype(&::sd_bus_close_unref) sd_bus_close_unref;
    decltype(&::sd_bus_error_free) sd_bus_error_free;
    decltype(&::sd_bus_is_ready) sd_bus_is_ready;
    decltype(&::sd_bus_message_append) sd_bus_message_append;
    decltype(&::sd_bus_message_enter_container) sd_bus_message_enter_container;
    decltype(&::sd_bus_message_get_sender) sd_bus_message_get_sender;
    decltype(&::sd_bus_message_new_method_call) sd_bus_message_new_method_call;
    decltype(&::sd_bus_message_read) sd_bus_message_read;
    decltype(&::sd_bus_message_read_basic) sd_bus_message_read_basic;
    decltype(&::sd_bus_message_unref) sd_bus_message_unref;
    decltype(&::sd_bus_new) sd_bus_new;
    decltype(&::sd_bus_open_user) sd_bus_open_user;
    decltype(&::sd_bus_process) sd_bus_process;
    decltype(&::sd_bus_set_address) sd_bus_set_address;
    decltype(&::sd_bus_set_bus_client) sd_bus_set_bus_client;
    decltype(&::sd_bus_start) sd_bus_start;
    decltype(&::sd_bus_wait) sd_bus_wait;
};

// The functions, or null when the library is not on this machine (no IDE
// can be reached then).
const SdBusApi* LoadSdBus() {
    static const SdBusApi* loaded = []() -> const SdBusApi* {
        void* library = dlopen("libsystemd.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library) return nullptr;
        static SdBusApi api;
        bool complete = true;
        auto load = [&](auto& function, const char* name) {
            function =
                reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(library, name));
            complete = complete && function;
        };
        load(api.sd_bus_call, "sd_bus_call");
        load(api.sd_bus_close_unref, "sd_bus_close_unref");
        load(api.sd_bus_error_free, "sd_bus_error_free");
        load(api.sd_bus_is_ready, "sd_bus_is_ready");
        load(api.sd_bus_message_append, "sd_bus_message_append");
        load(api.sd_bus_message_enter_container, "sd_bus_message_enter_container");
        load(api.sd_bus_message_get_sender, "sd_bus_message_get_sender");
        load(api.sd_bus_message_new_method_call, "sd_bus_message_new_method_call");
        load(api.sd_bus_message_read, "sd_bus_message_read");
        load(api.sd_bus_message_read_basic, "sd_bus_message_read_basic");
        load(api.sd_bus_message_unref, "sd_bus_message_unref");
        load(api.sd_bus_new, "sd_bus_new");
        load(api.sd_bus_open_user, "sd_bus_open_user");
        load(api.sd_bus_process, "sd_bus_process");
        load(api.sd_bus_set_address, "sd_bus_set_address");
        load(api.sd_bus_set_bus_client, "sd_bus_set_bus_client");
        load(api.sd_bus_start, "sd_bus_start");
        load(api.sd_bus_wait, "sd_bus_wait");
        return complete ? &api : nullptr;
    }();
    return loaded;
}

// Once a bus is connected, the library is there.
const SdBusApi& Sd() {
    return *LoadSdBus();
}

// Closing does not flush: every message sent is a call whose answer was
// awaited, and flushing to a bus that does not read would wait for good.
struct BusCloser {
    void operator()(sd_bus* bus) const { Sd().sd_bus_close_unref(bus); }
};
using BusPtr = std::unique_ptr<sd_bus, BusCloser>;

struct MessageUnref {
    void operator()(sd_bus_message* message) const { Sd().sd_bus_message_unref(message); }
};
using MessagePtr = std::unique_ptr<sd_bus_message, MessageUnref>;

// Releases what an sd_bus_error holds, on every path.
struct BusError {
    sd_bus_error error = SD_BUS_ERROR_NULL;
    ~BusError() { Sd().sd_bus_error_free(&error); }
};

// The time one use of the bus may spend waiting: connecting,
// authenticating and every call draw on it. Only the waiting counts, so a
// user who answers a question between two calls does not use it up.
class Allowance {
  public:
    explicit Allowance(std::chrono::milliseconds total) : m_left(total) {}

    // Runs `wait` with the microseconds left (never 0, which sd-bus reads
    // as its own default) and charges the time it took.
    template <typename Wait>
    int Spend(Wait wait) {
        auto left = std::chrono::duration_cast<std::chrono::microseconds>(m_left).count();
        if (left <= 0) return -ETIMEDOUT;
        auto start = std::chrono::steady_clock::now();
        int r = wait(static_cast<std::uint64_t>(left));
        m_left -= std::chrono::steady_clock::now() - start;
        return r;
    }

  private:
    std::chrono::steady_clock::duration m_left;
};

// Drives the connection until it is authenticated and has its name, for
// at most `usec`. (sd-bus would wait for the authentication on its own,
// for up to 90 seconds, in the first call.)
int WaitUntilReady(sd_bus* bus, std::uint64_t usec) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::microseconds(usec);
    for (;;) {
        int r = Sd().sd_bus_is_ready(bus);
        if (r != 0) return r;
        r = Sd().sd_bus_process(bus, nullptr);
        if (r < 0) return r;
        if (r > 0) continue;
        auto now = std::chrono::steady_clock::now();
        if (now >= deadline) return -ETIMEDOUT;
        auto wait = std::chrono::duration_cast<std::chrono::microseconds>(deadline - now);
        r = Sd().sd_bus_wait(bus, static_cast<std::uint64_t>(wait.count()) + 1);
        if (r < 0) return r;
    }
}

BusPtr Connect(const std::string& address, Allowance& allowance) {
    if (!LoadSdBus()) return nullptr;
    sd_bus* raw = nullptr;
    int r = 0;
    if (address.empty()) {
        r = Sd().sd_bus_open_user(&raw);
    } else {
        r = Sd().sd_bus_new(&raw);
        if (r >= 0) r = Sd().sd_bus_set_address(raw, address.c_str());
        if (r >= 0) r = Sd().sd_bus_set_bus_client(raw, 1);
        if (r >= 0) r = Sd().sd_bus_start(raw);
    }
    BusPtr bus(raw);
    if (r < 0) return nullptr;
    if (allowance.Spend([&](std::uint64_t usec) { return WaitUntilReady(bus.get(), usec); }) <= 0)
        return nullptr;
    return bus;
}

// A method call that waits no longer than the allowance has left; the
// reply, or null.
template <typename... Args>
MessagePtr Call(sd_bus* bus, Allowance& allowance, const char* destination, const char* path,
                const char* interface, const char* member, const char* types, Args... args) {
    sd_bus_message* raw = nullptr;
    if (Sd().sd_bus_message_new_method_call(bus, &raw, destination, path, interface, member) < 0)
        return nullptr;
    MessagePtr call(raw);
    if constexpr (sizeof...(Args) > 0) {
        if (Sd().sd_bus_message_append(call.get(), types, args...) < 0) return nullptr;
    }
    BusError error;
    raw = nullptr;
    int r = allowance.Spend([&](std::uint64_t usec) {
        return Sd().sd_bus_call(bus, call.get(), usec, &error.error, &raw);
    });
    MessagePtr reply(raw);
    return r < 0 ? nullptr : std::move(reply);
}

MessagePtr CallBus(sd_bus* bus, Allowance& allowance, const char* member, const char* name) {
    if (!name) {
        return Call(bus, allowance, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                    "org.freedesktop.DBus", member, "");
    }
    return Call(bus, allowance, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                "org.freedesktop.DBus", member, "s", name);
}

// A property of one object as a reply message positioned at the variant's
// content, or null.
MessagePtr GetProperty(sd_bus* bus, Allowance& allowance, const char* destination, const char* path,
                       const char* interface, const char* name, const char* type) {
    MessagePtr reply = Call(bus, allowance, destination, path, "org.freedesktop.DBus.Properties",
                            "Get", "ss", interface, name);
    if (!reply || Sd().sd_bus_message_enter_container(reply.get(), SD_BUS_TYPE_VARIANT, type) <= 0)
        return nullptr;
    return reply;
}

class BusProject final : public IdeProject {
  public:
    BusProject(BusPtr bus, Allowance allowance, std::string owner, std::string path)
        : m_bus(std::move(bus)),
          m_allowance(allowance),
          m_owner(std::move(owner)),
          m_path(std::move(path)) {}

    // The bus carries UTF-8, and so do the file system's names of a user
    // whose desktop is UTF-8: the bytes are used as they come, whatever the
    // locale of this run.
    std::string Directory() override {
        MessagePtr reply = GetProperty(m_bus.get(), m_allowance, m_owner.c_str(), m_path.c_str(),
                                       kIdeProjectInterface, "ProjectDirectory", "s");
        const char* text = nullptr;
        if (!reply || Sd().sd_bus_message_read_basic(reply.get(), SD_BUS_TYPE_STRING, &text) <= 0 ||
            !text) {
            return {};
        }
        return text;
    }

    void AddFile(const std::string& bareName) override {
        // The bus has no null strings: the empty string stands for them.
        Call(m_bus.get(), m_allowance, m_owner.c_str(), m_path.c_str(), kIdeProjectInterface,
             "AddFile", "ssis", bareName.c_str(), "", std::int32_t{0}, "");
    }

  private:
    BusPtr m_bus;
    Allowance m_allowance;
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

bool IdeBus::CanName(const std::string& bareName) const {
    // D-Bus strings are valid UTF-8; a name that is not cannot be sent.
    return Utf16ToUtf8(Utf8ToUtf16(bareName)) == bareName;
}

bool IdeBus::IsRegistered() const {
    Allowance allowance(m_timeout);
    BusPtr bus = Connect(m_address, allowance);
    if (!bus) return false;
    if (MessagePtr reply = CallBus(bus.get(), allowance, "NameHasOwner", kIdeBusName)) {
        int owned = 0;
        if (Sd().sd_bus_message_read(reply.get(), "b", &owned) > 0 && owned) return true;
    }
    MessagePtr reply = CallBus(bus.get(), allowance, "ListActivatableNames", nullptr);
    if (!reply || Sd().sd_bus_message_enter_container(reply.get(), SD_BUS_TYPE_ARRAY, "s") <= 0)
        return false;
    const char* name = nullptr;
    while (Sd().sd_bus_message_read_basic(reply.get(), SD_BUS_TYPE_STRING, &name) > 0) {
        if (name && std::string_view(name) == kIdeBusName) return true;
    }
    return false;
}

std::unique_ptr<IdeProject> IdeBus::CurrentProject() {
    Allowance allowance(m_timeout);
    BusPtr bus = Connect(m_address, allowance);
    if (!bus) return nullptr;
    // Asking the well-known name starts the IDE when the bus can.
    MessagePtr reply = GetProperty(bus.get(), allowance, kIdeBusName, kIdeApplicationPath,
                                   kIdeApplicationInterface, "Project", "o");
    const char* path = nullptr;
    if (!reply ||
        Sd().sd_bus_message_read_basic(reply.get(), SD_BUS_TYPE_OBJECT_PATH, &path) <= 0 || !path ||
        std::string_view(path) == "/") {
        return nullptr;
    }
    const char* owner = Sd().sd_bus_message_get_sender(reply.get());
    if (!owner || !*owner) return nullptr;
    return std::make_unique<BusProject>(std::move(bus), allowance, owner, path);
}

}  // namespace qorvix
