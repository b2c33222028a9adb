// libFuzzer target: read any bytes as a Wine prefix's registry files and
// do with them what the program does: list the registered libraries, find
// the file each one registers, map registered paths onto a prefix with the
// prefix's environment, and walk every key, with the values read at load
// and again when asked for (the two must agree).
#include <stdlib.h>
#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/machine_services.h"
#include "platform/split_path.h"
#include "typelib/codepage.h"

namespace {

// A prefix with a drive and a few folders and files, so that mapping
// paths has something to find.
std::string g_prefix;

void RemovePrefix() {
    std::error_code error;
    std::filesystem::remove_all(g_prefix, error);
}

// Every key of a hive, breadth first, with its default value as text;
// what it saw, for comparing two readings of one text.
std::string WalkKeys(std::optional<qorvix::Registry::Key> root) {
    std::string seen;
    std::deque<qorvix::Registry::Key> pending;
    if (root) pending.push_back(*root);
    for (int visited = 0; !pending.empty() && visited < 20000; ++visited) {
        qorvix::Registry::Key key = pending.front();
        pending.pop_front();
        seen += key.Text("", 64).value_or("-") + "\n";
        for (std::size_t i = 0; i < 64; ++i) {
            auto name = key.EnumKey(i);
            if (!name) break;
            seen += *name + "\n";
            if (auto child = key.Open(*name)) pending.push_back(*child);
        }
    }
    return seen;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char pattern[] = "/tmp/qorvix-registry-fuzz-XXXXXX";
    if (!mkdtemp(pattern)) return 0;
    g_prefix = pattern;
    namespace fs = std::filesystem;
    fs::create_directories(g_prefix + "/drive_c/windows/system32");
    fs::create_directories(g_prefix + "/drive_c/Program Files/Common Files");
    fs::create_directories(g_prefix + "/dosdevices/unc/server/share");
    fs::create_directory_symlink("../drive_c", g_prefix + "/dosdevices/c:");
    for (const char* file : {"/drive_c/windows/system32/stdole2.tlb", "/drive_c/windows/x.dll",
                             "/dosdevices/unc/server/share/remote.tlb"}) {
        FILE* f = std::fopen((g_prefix + file).c_str(), "w");
        if (f) std::fclose(f);
    }
    std::atexit(RemovePrefix);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qorvix;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    // The whole input is the machine's file; its second half is also the
    // user's, which lies over the machine's classes.
    Registry registry;
    registry.LoadMachine(text);
    registry.LoadUser(text.substr(size / 2));
    // Values read when asked for are those read at load.
    Registry lazy;
    lazy.LoadMachine(text, nullptr, Registry::ValueReading::kWhenAsked);
    lazy.LoadUser(text.substr(size / 2), nullptr, Registry::ValueReading::kWhenAsked);
    if (WalkKeys(registry.OpenMachine("")) != WalkKeys(lazy.OpenMachine("")) ||
        WalkKeys(registry.OpenUser("")) != WalkKeys(lazy.OpenUser(""))) {
        std::abort();
    }

    auto machine = std::make_shared<MachineServices>(std::move(registry), g_prefix);
    auto rows = FillLibraryList(machine->GetRegistry());
    for (std::size_t i = 0; i < rows.size() && i < 256; ++i) {
        auto guid = GuidFromString(Utf8ToUtf16(rows[i].guid));
        if (!guid) continue;
        auto [major, minor] = ParseLibraryVersion(rows[i].version);
        std::string path;
        machine->QueryPathOfRegTypeLib(*guid, major, minor, 0x409, path);
        machine->QueryPathOfRegTypeLib(*guid, 0xFFFF, 0xFFFF, 0, path);
    }
    // Each line as a registered path, with the environment the input set.
    auto lines = SplitPath(text, "\n");
    for (std::size_t i = 0; i < lines.size() && i < 64; ++i)
        machine->UnixPath(std::string(lines[i]));
    return 0;
}
