// The machine's services on prefixes and libraries the tests build.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <clocale>
#include <functional>

#include "naming/cobol_name.h"
#include "platform/machine_services.h"
#include "platform/reserved_words.h"
#include "tests/support/msft_builder.h"
#include "tests/support/paths.h"
#include "tests/support/temp_dir.h"
#include "tests/support/typelib_helpers.h"
#include "typelib/codepage.h"

namespace qorvix::test {
namespace {

const char* kHeader =
    "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n";

TEST(Registry, ReadsWineFilesAsWineWritesThem) {
    Registry registry;
    std::size_t skipped = registry.LoadMachine(std::string(kHeader) +
                                               "[Software\\\\Classes\\\\Thing] 1700000000\n"
                                               "#time=1d\n"
                                               "@=\"Default \\\"quoted\\\" back\\\\slash\"\n"
                                               "\"Unicode\"=\"Gr\\x00f6\\x00dfe \\x20ac\"\n"
                                               "\"Expand\"=str(2):\"%SystemRoot%\\\\x\"\n"
                                               "\"Count\"=dword:0000002a\n"
                                               "\"Bytes\"=hex:01,02,\\\n  03,ff\n"
                                               "\"Wide\"=hex(2):41,00,42,00,00,00\n"
                                               "\"Broken\"=dword:xyz\n"
                                               "garbage line\n"
                                               "[Software\\\\Classes\\\\Thing\\\\Sub] 1700000000\n"
                                               "\"Last\"=\"no newline at the end\"");
    EXPECT_EQ(skipped, 2u);
    auto key = registry.OpenClassesRoot("thing");  // names compare without case
    ASSERT_TRUE(key);
    EXPECT_EQ(key->Text(""), "Default \"quoted\" back\\slash");
    EXPECT_EQ(key->Text("UNICODE"), "Größe €");
    EXPECT_EQ(key->Value("expand")->type, REG_EXPAND_SZ);
    EXPECT_EQ(key->Text("Expand"), "%SystemRoot%\\x");
    EXPECT_EQ(key->Value("Count")->data, (std::vector<std::uint8_t>{42, 0, 0, 0}));
    EXPECT_EQ(key->Value("Bytes")->data, (std::vector<std::uint8_t>{1, 2, 3, 255}));
    EXPECT_EQ(key->Text("Wide"), "AB");
    EXPECT_EQ(key->Value("Broken"), nullptr);
    EXPECT_EQ(key->EnumKey(0), "Sub");
    EXPECT_EQ(key->EnumKey(1), std::nullopt);
    EXPECT_EQ(key->Open("SUB")->Text("Last"), "no newline at the end");
    // The 64-byte buffer of a reader: the terminator counts.
    EXPECT_EQ(key->Text("", 200)->size(), 27u);
    EXPECT_EQ(key->Text("", 27), std::nullopt);

    // HKEY_CLASSES_ROOT: the user's classes over the machine's.
    registry.LoadUser(std::string(kHeader) +
                      "[Software\\\\Classes\\\\Thing] 1\n@=\"Mine\"\n"
                      "[Software\\\\Classes\\\\Thing\\\\Other] 1\n");
    key = registry.OpenClassesRoot("Thing");
    EXPECT_EQ(key->Text(""), "Mine");
    EXPECT_EQ(key->Text("Count"), std::nullopt);  // not text
    EXPECT_EQ(key->Value("Count")->data.size(), 4u);
    EXPECT_EQ(key->EnumKey(0), "Other");
    EXPECT_EQ(key->EnumKey(1), "Sub");
}

// Every key's subkeys and the values named in `names`, one line each.
std::string Dump(const Registry& registry, const std::vector<std::string>& names) {
    std::string dump;
    std::function<void(const Registry::Key&, const std::string&)> walk =
        [&](const Registry::Key& key, const std::string& path) {
            for (const std::string& name : names) {
                if (const RegistryValue* value = key.Value(name)) {
                    dump += path + " " + name + "=" + std::to_string(value->type) + ":" +
                            value->text + std::string(value->data.begin(), value->data.end()) +
                            "\n";
                }
            }
            for (std::size_t i = 0; auto sub = key.EnumKey(i); ++i)
                walk(*key.Open(*sub), path + "\\" + *sub);
        };
    if (auto root = registry.OpenMachine("")) walk(*root, "");
    return dump;
}

// Values read when first asked for are the values read at load: each
// key's lines end at the next header, in the file that holds them; a key
// written twice has the lines of both; a later line for a name wins, also
// one that comes in after the key's values were read.
TEST(Registry, ValuesReadWhenAskedForAreThoseReadAtLoad) {
    const std::vector<std::string> names = {"", "a", "b", "Hex", "Esc", "last"};
    const std::vector<std::string> texts = {
        std::string(kHeader) + "[K] 1\n@=\"top\"\n\"a\"=\"1\"\n[K\\\\Sub] 1\n\"a\"=\"2\"\n" +
            "[k] 2\n\"A\"=\"again\"\n\"Hex\"=hex:01,\\\n  02\n[K\\\\Esc\\x41pe] 1\n" +
            "\"Esc\"=\"t\\tab\"\n\"b\"=dword:xyz\n[\\\\\\\\K\\\\\\\\Sub\\\\\\\\] 1\n\"b\"=\"3\"",
        "\"orphan\"=\"1\"\n[K] 1\n\"last\"=\"no newline\"\n[K\\\\Deep] 1\n[",
        "[K] 1\n\"a\"=\"second file\"\n[K\\\\Sub] 1\n@=hex(2):41,00\n\"last\"=\\\n"};
    Registry atLoad, whenAsked;
    std::size_t skippedAtLoad = 0;
    for (const std::string& text : texts) {
        skippedAtLoad += atLoad.LoadMachine(text);
        whenAsked.LoadMachine(text, nullptr, Registry::ValueReading::kWhenAsked);
        EXPECT_EQ(Dump(whenAsked, names), Dump(atLoad, names)) << text;
    }
    EXPECT_EQ(skippedAtLoad, 4u);  // dword:xyz, the orphan, "[", "last"=
    EXPECT_NE(Dump(atLoad, names).find("\\K a=1:second file\n"), std::string::npos);
    EXPECT_EQ(whenAsked.OpenMachine("K\\EscApe")->Text("Esc"), "t\tab");
}

TEST(Registry, MissingAndDamagedPrefixes) {
    std::vector<RegistryWarning> warnings;
    Registry none = Registry::LoadWinePrefix("/nonexistent/prefix", &warnings);
    EXPECT_EQ(warnings.size(), 2u);
    EXPECT_FALSE(none.OpenClassesRoot("TypeLib"));
    EXPECT_TRUE(FillLibraryList(none).empty());

    TempDir prefix;
    std::filesystem::create_directory(prefix / "system.reg");  // unreadable as a file
    std::string junk(100000, '[');
    junk += "\n\"x\"=\"";
    WriteText(prefix / "user.reg", junk + std::string(70000, 'y'));
    warnings.clear();
    Registry damaged = Registry::LoadWinePrefix(prefix.Path(), &warnings);
    EXPECT_EQ(warnings.size(), 2u);
    EXPECT_TRUE(FillLibraryList(damaged).empty());
}

// A prefix with shapes.tlb registered, written the way Wine writes it.
class PrefixTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(std::setlocale(LC_ALL, "C.UTF-8"));
        std::filesystem::create_directories(prefix / "drive_c/Libs");
        std::filesystem::create_directories(prefix / "dosdevices");
        std::filesystem::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
        std::filesystem::copy_file(FixturePath("shapes.tlb"), prefix / "drive_c/Libs/Shapes.tlb");
        WriteText(prefix / "drive_c/Libs/notalib.tlb", "not a library");
        std::string desc63(63, 'd'), desc64(64, 'e');
        WriteText(prefix / "system.reg", std::string(kHeader) +
                                             "[Software\\\\Classes\\\\TypeLib\\\\{5A0C0DE0-0000-"
                                             "4000-8000-000000000001}\\\\1.2] 1\n"
                                             "@=\"Shapes and widgets\"\n"
                                             "[Software\\\\Classes\\\\TypeLib\\\\{5A0C0DE0-0000-"
                                             "4000-8000-000000000001}\\\\1.2\\\\0\\\\win32] 1\n"
                                             "@=\"C:\\\\LIBS\\\\shapes.TLB\"\n"
                                             "[Software\\\\Classes\\\\TypeLib\\\\{5A0C0DE0-0000-"
                                             "4000-8000-000000000001}\\\\1.a] 1\n"
                                             "@=\"\"\n"
                                             "[Software\\\\Classes\\\\TypeLib\\\\{5A0C0DE0-0000-"
                                             "4000-8000-000000000001}\\\\1.10] 1\n"
                                             "@=\"" +
                                             desc63 +
                                             "\"\n"
                                             "[Software\\\\Classes\\\\TypeLib\\\\{11111111-2222-"
                                             "3333-4444-555555555555}\\\\2.0] 1\n"
                                             "@=\"" +
                                             desc64 +
                                             "\"\n"
                                             "[Software\\\\Classes\\\\TypeLib\\\\{11111111-2222-"
                                             "3333-4444-555555555555}\\\\3.0] 1\n"
                                             "@=dword:00000001\n"
                                             "[Software\\\\Classes\\\\TypeLib\\\\{22222222-2222-"
                                             "3333-4444-555555555555}\\\\1.0] 1\n"
                                             "@=\"Points nowhere\"\n"
                                             "[Software\\\\Classes\\\\TypeLib\\\\{22222222-2222-"
                                             "3333-4444-555555555555}\\\\1.0\\\\0\\\\win64] 1\n"
                                             "@=\"C:\\\\Libs\\\\missing.tlb\"\n"
                                             "[Software\\\\Classes\\\\TypeLib\\\\{33333333-2222-"
                                             "3333-4444-555555555555}\\\\1.0\\\\409\\\\win64] 1\n"
                                             "@=\"C:\\\\Libs\\\\notalib.tlb\"\n"
                                             "[Software\\\\Classes\\\\TypeLib\\\\" +
                                             std::string(80, 'x') +
                                             "\\\\1.0] 1\n"
                                             "@=\"A key name too long for the list\"\n"
                                             "[Software\\\\Classes\\\\CLSID\\\\{5A0C0DE0-0000-4000-"
                                             "8000-000000000041}\\\\ProgID] 1\n"
                                             "@=\"Shapes.Widget.1\"\n"
                                             "[Software\\\\Classes\\\\Shapes.Widget\\\\CLSID] 1\n"
                                             "@=\"{5A0C0DE0-0000-4000-8000-000000000041}\"\n");
        machine = std::make_shared<MachineServices>(prefix.Path());
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }

    TempDir prefix;
    std::shared_ptr<MachineServices> machine;
    const GUID shapes{0x5A0C0DE0, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x01}};
};

TEST_F(PrefixTest, TheListOfRegisteredLibraries) {
    auto rows = FillLibraryList(machine->GetRegistry());
    std::vector<std::string> texts;
    for (const auto& row : rows)
        texts.push_back(row.description + "|" + row.version + "|" + row.guid);
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "Shapes and widgets|1.2|{5A0C0DE0-0000-4000-8000-000000000001}",
                         "<Unknown Name>|1.a|{5A0C0DE0-0000-4000-8000-000000000001}",
                         std::string(63, 'd') + "|1.10|{5A0C0DE0-0000-4000-8000-000000000001}",
                         "Points nowhere|1.0|{22222222-2222-3333-4444-555555555555}",
                     }));
    EXPECT_EQ(ParseLibraryVersion("2.1"), (std::pair<WORD, WORD>{2, 1}));
    EXPECT_EQ(ParseLibraryVersion("3"), (std::pair<WORD, WORD>{3, 0}));
    EXPECT_EQ(ParseLibraryVersion("1.a"), (std::pair<WORD, WORD>{1, 0}));
    EXPECT_EQ(ParseLibraryVersion("1.10"), (std::pair<WORD, WORD>{1, 10}));
    EXPECT_EQ(ParseLibraryVersion("x"), (std::pair<WORD, WORD>{0, 0}));
}

TEST_F(PrefixTest, RegisteredLibrariesLoad) {
    ComPtr<ITypeLib> lib;
    ASSERT_EQ(machine->LoadRegTypeLib(shapes, 1, 2, 0x800, lib),
              S_OK);  // win32 only, neutral locale
    Bstr name;
    lib->GetDocumentation(-1, &name, nullptr, nullptr, nullptr);
    EXPECT_EQ(Utf8(name), "Shapes");
    std::string path;
    EXPECT_EQ(machine->QueryPathOfRegTypeLib(shapes, 1, 0, 0x409, path),
              S_OK);  // a newer minor will do
    EXPECT_EQ(path, prefix / "dosdevices/c:/Libs/Shapes.tlb");
    EXPECT_EQ(machine->QueryPathOfRegTypeLib(shapes, 1, 3, 0, path),
              TYPE_E_LIBNOTREGISTERED);  // 1.a is no library
    EXPECT_EQ(machine->QueryPathOfRegTypeLib(shapes, 2, 0, 0, path), TYPE_E_LIBNOTREGISTERED);
    GUID nowhere{0x22222222, 0x2222, 0x3333, {0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}};
    EXPECT_TRUE(FAILED(machine->LoadRegTypeLib(nowhere, 1, 0, 0x800, lib)));
    GUID notALibrary = nowhere;
    notALibrary.Data1 = 0x33333333;
    EXPECT_EQ(machine->LoadRegTypeLib(notALibrary, 1, 0, 0x409, lib), TYPE_E_CANTLOADLIBRARY);
    // Registered for one language only, still found for the system default.
    EXPECT_EQ(machine->QueryPathOfRegTypeLib(notALibrary, 1, 0, 0x800, path), S_OK);
    EXPECT_EQ(path, prefix / "dosdevices/c:/Libs/notalib.tlb");

    EXPECT_EQ(machine->UnixPath("C:\\libs\\SHAPES.tlb\\2"),
              prefix / "dosdevices/c:/Libs/Shapes.tlb/2");
    EXPECT_EQ(machine->UnixPath("%SystemRoot%\\none"), "");
    EXPECT_EQ(machine->UnixPath("C:\\Libs\\..\\..\\Libs\\Shapes.tlb"),
              prefix / "dosdevices/c:/Libs/Shapes.tlb");  // never above the drive
    EXPECT_EQ(machine->UnixPath("\\\\server\\share\\x.tlb"), "");
}

TEST_F(PrefixTest, ProgIdsAndClassIds) {
    std::u16string progId;
    GUID widget{0x5A0C0DE0, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x41}};
    ASSERT_EQ(machine->ProgIDFromCLSID(widget, progId), S_OK);
    EXPECT_EQ(Utf16ToUtf8(progId), "Shapes.Widget.1");
    EXPECT_EQ(machine->ProgIDFromCLSID(shapes, progId), REGDB_E_CLASSNOTREG);
    CLSID clsid;
    ASSERT_EQ(machine->CLSIDFromString(u"Shapes.Widget", clsid), S_OK);
    EXPECT_EQ(clsid, widget);
    ASSERT_EQ(machine->CLSIDFromString(u"{5a0c0de0-0000-4000-8000-000000000041}", clsid), S_OK);
    EXPECT_EQ(clsid, widget);
    EXPECT_EQ(machine->CLSIDFromString(u"{not a guid}", clsid), CO_E_CLASSSTRING);
    EXPECT_EQ(machine->CLSIDFromString(u"Nobody.Home", clsid), CO_E_CLASSSTRING);
}

// A library that imports a type of shapes.tlb by GUID, and one of a library
// that is only found beside it.
TEST_F(PrefixTest, ImportsResolveThroughTheRegistryThenBesideTheFile) {
    MsftBuilder b;
    GUID rect{0x5A0C0DE0, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x12}};
    std::int32_t fromRegistry = b.Import(shapes, 1, 2, "shapes.tlb", TKIND_RECORD, rect, 0);
    GUID unregistered{0x44444444, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    std::int32_t beside =
        b.Import(unregistered, 1, 0, "C:\\Somewhere\\NEIGHBOUR.TLB", TKIND_RECORD, std::nullopt, 3);
    b.AddRecord("Holder", {{"r", b.UserDefined(fromRegistry)}, {"n", b.UserDefined(beside)}});
    TempDir folder;
    auto bytes = b.Build();
    WriteText(folder / "importer.tlb", std::string(bytes.begin(), bytes.end()));
    std::filesystem::copy_file(FixturePath("shapes.tlb"), folder / "neighbour.tlb");

    ComPtr<ITypeLib> importer;
    ASSERT_EQ(LoadTypeLibEx(folder / "importer.tlb", machine->Options(), importer), S_OK);
    ComPtr<ITypeInfo> info = TypeByName(*importer, "Holder");
    EXPECT_EQ(RefText(*info, Var(*info, 0).elemdescVar.tdesc.hreftype), "Rect (1) in Shapes");
    // Index 3 of the neighbour (shapes.tlb again) is Rect.
    EXPECT_EQ(RefText(*info, Var(*info, 1).elemdescVar.tdesc.hreftype), "Rect (1) in Shapes");

    // An imported library is loaded once and shared.
    ImportSpec spec;
    spec.libGuid = shapes;
    spec.wMajorVerNum = 1;
    spec.wMinorVerNum = 2;
    ComPtr<ITypeLib> first, second;
    ASSERT_EQ(machine->LoadImport(spec, "", first), S_OK);
    ASSERT_EQ(machine->LoadImport(spec, "", second), S_OK);
    EXPECT_EQ(first.Get(), second.Get());
    // stdole2 comes from the program when the prefix does not register it.
    spec.libGuid = StdoleLibGuid();
    spec.wMajorVerNum = 2;
    ComPtr<ITypeLib> stdole, embedded;
    ASSERT_EQ(machine->LoadImport(spec, "", stdole), S_OK);
    ASSERT_EQ(LoadEmbeddedStdole(embedded), S_OK);
    EXPECT_EQ(stdole.Get(), embedded.Get());
}

// The service is loaded in child processes: once a module is in a process
// it stays there.
int InChild(const std::function<int()>& body) {
    pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ReservedWords, TheServiceBesideTheProgramAndItsBrokenKin) {
    // 1: the real service, found beside the program.
    EXPECT_EQ(InChild([] {
                  ReservedWordService service = LoadReservedWordService(QORVIX_PLUGIN_DIR);
                  if (!service.vexamir || !service.vexalon) return 10;
                  CobolNaming naming(service.vexamir);
                  if (naming.MakeCobolName(u"Move", true) != "Move-CBL") return 11;
                  if (naming.MakeCobolName(u"Return_Code", true) != "Return-Code-CBL") return 12;
                  if (naming.MakeCobolName(u"Action", true) != "Action")
                      return 13;                                   // reserved only in context
                  if (service.vexamir("MOVE", 3) != 0) return 14;  // the length counts
                  return 0;
              }),
              0);
    // 2: a service that no run-time module came with is not used.
    EXPECT_EQ(
        InChild([] { return LoadReservedWordService(QORVIX_LONELY_SERVICE_DIR).vexamir ? 1 : 0; }),
        0);
    // 3: a service without its entries: loaded, but nothing is checked.
    EXPECT_EQ(InChild([] {
                  ReservedWordService service = LoadReservedWordService(QORVIX_BROKEN_SERVICE_DIR);
                  return service.library && !service.vexamir && !service.vexalon ? 0 : 1;
              }),
              0);
    // 4: none anywhere.
    EXPECT_EQ(InChild([] { return LoadReservedWordService("/nonexistent").library ? 1 : 0; }), 0);
}

}  // namespace
}  // namespace qorvix::test
