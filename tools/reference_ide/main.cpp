// reference-ide: the COBOL IDE's automation service on D-Bus, as small as it
// can be. It owns "Orbanel.Application", serves one project and writes every
// call it gets to a log, one line each. For tests, and as a model for IDE
// writers; docs/orbanel-ide.xml describes the interface.
//
// Besides the project directory, switches make it misbehave the ways a real
// IDE might: no project, a project without a directory, a project path that
// names no object, answers of the wrong type, slow answers, a failing
// AddFile, or going away after telling its directory.
#include <systemd/sd-bus.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr const char* kBusName = "Orbanel.Application";
constexpr const char* kApplicationPath = "/Orbanel/Application";
constexpr const char* kProjectPath = "/Orbanel/Projects/1";

struct Service {
    std::string directory;
    std::string projectPath = kProjectPath;  // what "Project" answers
    std::string logPath;
    std::string address;
    bool noDirectory = false;
    bool wrongTypes = false;
    bool failAddFile = false;
    bool exitAfterDirectory = false;
    unsigned delayMs = 0;
    bool quit = false;
};

void Log(const Service& service, const std::string& line) {
    if (service.logPath.empty()) return;
    if (FILE* file = std::fopen(service.logPath.c_str(), "a")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}

void Delay(const Service& service) {
    if (service.delayMs) usleep(service.delayMs * 1000u);
}

int GetProject(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void* data,
               sd_bus_error*) {
    auto& service = *static_cast<Service*>(data);
    Delay(service);
    Log(service, "Project");
    if (service.wrongTypes) return sd_bus_message_append(reply, "s", service.projectPath.c_str());
    return sd_bus_message_append(reply, "o", service.projectPath.c_str());
}

int GetProjectDirectory(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply,
                        void* data, sd_bus_error*) {
    auto& service = *static_cast<Service*>(data);
    Delay(service);
    Log(service, "ProjectDirectory");
    if (service.exitAfterDirectory) service.quit = true;
    if (service.wrongTypes) return sd_bus_message_append(reply, "i", 42);
    return sd_bus_message_append(reply, "s", service.noDirectory ? "" : service.directory.c_str());
}

int AddFile(sd_bus_message* call, void* data, sd_bus_error* error) {
    auto& service = *static_cast<Service*>(data);
    const char* name = nullptr;
    const char* second = nullptr;
    const char* fourth = nullptr;
    std::int32_t third = 0;
    int r = sd_bus_message_read(call, "ssis", &name, &second, &third, &fourth);
    if (r < 0) return r;
    Delay(service);
    Log(service, std::string("AddFile\t") + name + "\t" + second + "\t" + std::to_string(third) +
                     "\t" + fourth);
    if (service.failAddFile)
        return sd_bus_error_set(error, "Orbanel.Error.Failed", "AddFile refused");
    return sd_bus_reply_method_return(call, "");
}

const sd_bus_vtable kApplication[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_PROPERTY("Project", "o", GetProject, 0, 0),
    SD_BUS_VTABLE_END,
};

const sd_bus_vtable kProject[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_PROPERTY("ProjectDirectory", "s", GetProjectDirectory, 0, 0),
    SD_BUS_METHOD_WITH_NAMES("AddFile", "ssis",
                             SD_BUS_PARAM(fileName) SD_BUS_PARAM(reserved1) SD_BUS_PARAM(reserved2)
                                 SD_BUS_PARAM(reserved3),
                             "", , AddFile, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_VTABLE_END,
};

// The same members, answering with the wrong types.
const sd_bus_vtable kApplicationWrong[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_PROPERTY("Project", "s", GetProject, 0, 0),
    SD_BUS_VTABLE_END,
};

const sd_bus_vtable kProjectWrong[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_PROPERTY("ProjectDirectory", "i", GetProjectDirectory, 0, 0),
    SD_BUS_METHOD("AddFile", "ssis", "", AddFile, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_VTABLE_END,
};

int Usage() {
    std::fprintf(
        stderr,
        "usage: reference-ide [--directory DIR | --no-project] [--log FILE] [--address ADDRESS]\n"
        "                     [--no-directory] [--project-path PATH] [--wrong-types]\n"
        "                     [--delay-ms N] [--fail-add-file] [--exit-after-directory]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    Service service;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto next = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (arg == "--directory") {
            const char* value = next();
            if (!value) return Usage();
            service.directory = value;
        } else if (arg == "--log") {
            const char* value = next();
            if (!value) return Usage();
            service.logPath = value;
        } else if (arg == "--address") {
            const char* value = next();
            if (!value) return Usage();
            service.address = value;
        } else if (arg == "--project-path") {
            const char* value = next();
            if (!value || !sd_bus_object_path_is_valid(value)) return Usage();
            service.projectPath = value;
        } else if (arg == "--delay-ms") {
            const char* value = next();
            if (!value) return Usage();
            service.delayMs = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
        } else if (arg == "--no-project") {
            service.projectPath = "/";
        } else if (arg == "--no-directory") {
            service.noDirectory = true;
        } else if (arg == "--wrong-types") {
            service.wrongTypes = true;
        } else if (arg == "--fail-add-file") {
            service.failAddFile = true;
        } else if (arg == "--exit-after-directory") {
            service.exitAfterDirectory = true;
        } else {
            return Usage();
        }
    }

    // Started by the bus, it answers on the bus that started it.
    if (service.address.empty()) {
        if (const char* starter = std::getenv("DBUS_STARTER_ADDRESS")) service.address = starter;
    }
    sd_bus* bus = nullptr;
    int r = 0;
    if (service.address.empty()) {
        r = sd_bus_open_user(&bus);
    } else {
        r = sd_bus_new(&bus);
        if (r >= 0) r = sd_bus_set_address(bus, service.address.c_str());
        if (r >= 0) r = sd_bus_set_bus_client(bus, 1);
        if (r >= 0) r = sd_bus_start(bus);
    }
    if (r < 0) {
        std::fprintf(stderr, "reference-ide: no bus: %s\n", std::strerror(-r));
        return 1;
    }
    const sd_bus_vtable* application = service.wrongTypes ? kApplicationWrong : kApplication;
    const sd_bus_vtable* project = service.wrongTypes ? kProjectWrong : kProject;
    r = sd_bus_add_object_vtable(bus, nullptr, kApplicationPath, kBusName, application, &service);
    if (r >= 0)
        r = sd_bus_add_object_vtable(bus, nullptr, kProjectPath, "Orbanel.Project", project,
                                     &service);
    if (r >= 0) r = sd_bus_request_name(bus, kBusName, 0);
    if (r < 0) {
        std::fprintf(stderr, "reference-ide: cannot serve %s: %s\n", kBusName, std::strerror(-r));
        sd_bus_unref(bus);
        return 1;
    }
    Log(service, "start " + std::to_string(getpid()));
    while (!service.quit) {
        r = sd_bus_process(bus, nullptr);
        if (r < 0) break;  // the bus went away
        if (r > 0) continue;
        if (sd_bus_wait(bus, UINT64_MAX) < 0) break;
    }
    sd_bus_flush_close_unref(bus);
    return 0;
}
