// The reader on libraries built byte by byte: what IDL compilers cannot
// write (module and dispinterface constants of every value type, names the
// compilers refuse) and the platform's presentation rules.
#include <gtest/gtest.h>

#include "tests/support/json_value.h"
#include "tests/support/msft_builder.h"
#include "tests/support/shell.h"
#include "tests/support/temp_dir.h"
#include "tests/support/typelib_helpers.h"

namespace qorvix::test {
namespace {

using Value = MsftBuilder::Value;
constexpr GUID kStdole{0x00020430, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr GUID kIDispatch{0x00020400, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

std::string Text(const VARIANT& v) {
    VARIANT out;
    HRESULT hr = VariantChangeType(&out, &v, 0, VT_BSTR);
    if (FAILED(hr)) return "<failed>";
    return Utf8(out.bstrVal);
}

// A module function "Take" of lib.dll, without parameters yet.
MsftBuilder::Func ModuleFunction(MsftBuilder& b, MsftBuilder::Type& module,
                                 const std::string& entry) {
    module.kind = TKIND_MODULE;
    module.datatype1 = b.AddString("lib.dll");
    MsftBuilder::Func f;
    f.name = "Take";
    f.memid = 0x60000000;
    f.funckind = FUNC_STATIC;
    f.returnType = MsftBuilder::Inline(VT_HRESULT);
    f.entry = entry;
    return f;
}

MsftBuilder::Var Const(const std::string& name, MEMBERID memid, VARTYPE vt, Value value) {
    MsftBuilder::Var var;
    var.name = name;
    var.memid = memid;
    var.type = MsftBuilder::Inline(vt);
    var.value = std::move(value);
    return var;
}

TEST(BuiltLibrary, ConstantsOfEveryValueTypeInModulesAndDispinterfaces) {
    MsftBuilder b;
    std::vector<MsftBuilder::Var> constants = {
        Const("MAX_ITEMS", 0, VT_I4, Value::I4(100)),
        Const("SmallInline", 1, VT_I2, Value::Inline(VT_I2, 0xFFFE)),
        Const("ByteInline", 2, VT_UI1, Value::Inline(VT_UI1, 200)),
        Const("CharInline", 3, VT_I1, Value::Inline(VT_I1, 0x80)),
        Const("Ratio", 4, VT_R8, Value::R8(-2.5)),
        Const("Single", 5, VT_R4, Value::R4(1.5f)),
        Const("Price", 6, VT_CY, Value::Cy(12345678)),
        Const("Epoch", 7, VT_DATE, Value::Date(36526.25)),
        Const("Yes", 8, VT_BOOL, Value::Bool(true)),
        Const("YesInline", 9, VT_BOOL, Value::Inline(VT_BOOL, 1)),
        Const("Greeting", 10, VT_BSTR, Value::Bstr("Hello")),
        Const("Mixed", 11, VT_BSTR, Value::Bstr(std::string("A\tB\0C\"\xe9", 7))),
        Const("EmptyText", 12, VT_BSTR, Value::Bstr("")),
        Const("NullText", 13, VT_BSTR, Value::Bstr(std::nullopt)),
        Const("Huge", 14, VT_I8, Value::I8(INT64_MIN)),
        Const("Exact", 15, VT_DECIMAL, Value::Decimal(3, true, 0, 123456)),
        Const("NotDone", 16, VT_ERROR, Value::Error(static_cast<std::int32_t>(0x80004001))),
        Const("Big", 17, VT_UI4, Value::Inline(VT_UI4, 0x3FFFFFF)),
        Const("A_name_longer_than_thirty_one_characters", 18, VT_I4, Value::I4(-1)),
    };
    MsftBuilder::Type module;
    module.kind = TKIND_MODULE;
    module.name = "Constants";
    module.vars = constants;
    module.datatype1 = -1;
    b.AddType(module);
    MsftBuilder::Type dispatch;
    dispatch.kind = TKIND_DISPATCH;
    dispatch.name = "DConstants";
    dispatch.cImplTypes = 1;
    dispatch.flags = TYPEFLAG_FDISPATCHABLE;
    dispatch.vars = constants;
    b.AddType(dispatch);
    ComPtr<ITypeLib> lib = LoadBytes(b.Build());
    ASSERT_TRUE(lib);

    std::vector<std::pair<std::string, std::string>> expected = {
        {"MAX_ITEMS", "100"},
        {"SmallInline", "-2"},
        {"ByteInline", "200"},
        {"CharInline", "-128"},
        {"Ratio", "-2.5"},
        {"Single", "1.5"},
        {"Price", "1234.5678"},
        {"Epoch", "1/1/2000 6:00:00 AM"},
        {"Yes", "-1"},
        {"YesInline", "1"},
        {"Greeting", "Hello"},
        {"Mixed", std::string("A\tB\0C\"é", 8)},
        {"EmptyText", ""},
        {"NullText", ""},
        {"Huge", "-9223372036854775808"},
        {"Exact", "-123.456"},
        {"NotDone", "<failed>"},
        {"Big", "67108863"},
        {"A_name_longer_than_thirty_one_characters", "-1"},
    };
    for (const char* typeName : {"Constants", "DConstants"}) {
        ComPtr<ITypeInfo> info = TypeByName(*lib, typeName);
        ASSERT_EQ(Attr(*info).cVars, expected.size());
        for (UINT i = 0; i < expected.size(); ++i) {
            VARDESC v = Var(*info, i);
            EXPECT_EQ(v.varkind, VAR_CONST);
            ASSERT_TRUE(v.lpvarValue) << i;
            EXPECT_EQ(Names(*info, v.memid), std::vector<std::string>{expected[i].first});
            EXPECT_EQ(Text(*v.lpvarValue), expected[i].second)
                << typeName << " " << expected[i].first;
        }
        VARDESC error = Var(*info, 16);
        EXPECT_EQ(error.lpvarValue->vt, VT_ERROR);
        EXPECT_EQ(error.lpvarValue->scode(), static_cast<SCODE>(0x80004001));
        EXPECT_EQ(Var(*info, 13).lpvarValue->bstrVal, std::nullopt);
    }
    // A plain dispinterface without functions still presents IDispatch as
    // its base, from the embedded library when the file does not say.
    ComPtr<ITypeInfo> dispatchInfo = TypeByName(*lib, "DConstants");
    HREFTYPE base;
    ASSERT_EQ(dispatchInfo->GetRefTypeOfImplType(0, &base), S_OK);
    EXPECT_EQ(RefText(*dispatchInfo, base), "IDispatch (3) in stdole");
}

TEST(BuiltLibrary, DefaultValuesOfEveryType) {
    MsftBuilder b;
    MsftBuilder::Type module;
    module.name = "Functions";
    MsftBuilder::Func f = ModuleFunction(b, module, "TakeEntry");
    std::vector<std::pair<VARTYPE, Value>> defaults = {
        {VT_R8, Value::R8(0.1)},
        {VT_CY, Value::Cy(-15000)},
        {VT_DATE, Value::Date(1)},
        {VT_BOOL, Value::Bool(false)},
        {VT_BSTR, Value::Bstr("x")},
        {VT_INT, Value::Inline(VT_INT, 7)},
        {VT_VARIANT, Value::Inline(VT_VARIANT, 0)},
        {VT_DISPATCH, Value::Inline(VT_DISPATCH, 0)},
        {VT_UNKNOWN, Value::Inline(VT_UNKNOWN, 0)},
    };
    for (auto& [vt, value] : defaults) {
        MsftBuilder::Param p;
        p.name = "p" + std::to_string(f.params.size());
        p.type = MsftBuilder::Inline(vt);
        p.flags = PARAMFLAG_FIN | PARAMFLAG_FOPT | PARAMFLAG_FHASDEFAULT;
        p.defaultValue = value;
        f.params.push_back(p);
    }
    MsftBuilder::Param plain;
    plain.name = "plain";
    plain.type = MsftBuilder::Inline(VT_I4);
    f.params.push_back(plain);
    module.funcs.push_back(f);
    b.AddType(module);
    ComPtr<ITypeLib> lib = LoadBytes(b.Build());
    ASSERT_TRUE(lib);
    ComPtr<ITypeInfo> info = TypeByName(*lib, "Functions");
    FUNCDESC take = Func(*info, 0);
    ASSERT_EQ(take.cParams, 10);
    std::vector<std::string> texts = {"0.1", "-1.5",     "12/31/1899", "0",       "x",
                                      "7",   "<failed>", "<failed>",   "<failed>"};
    for (UINT i = 0; i < texts.size(); ++i) {
        const auto& value = take.lprgelemdescParam[i].paramdesc.pparamdescex;
        ASSERT_TRUE(value) << i;
        EXPECT_EQ(Text(*value), texts[i]) << i;
    }
    EXPECT_EQ(take.lprgelemdescParam[5].paramdesc.pparamdescex->vt, VT_INT);
    EXPECT_EQ(take.lprgelemdescParam[6].paramdesc.pparamdescex->vt, VT_VARIANT);
    // The platform refuses an IDispatch default's type and mismatches an
    // IUnknown one.
    for (auto [i, hr] : {std::pair{7, DISP_E_BADVARTYPE}, {8, DISP_E_TYPEMISMATCH}}) {
        VARIANT out;
        EXPECT_EQ(VariantChangeType(&out, take.lprgelemdescParam[i].paramdesc.pparamdescex.get(), 0,
                                    VT_BSTR),
                  hr)
            << i;
    }
    EXPECT_FALSE(take.lprgelemdescParam[9].paramdesc.pparamdescex);
    EXPECT_EQ(Names(*info, take.memid).size(), 11u);
    Bstr dll, entry;
    WORD ordinal = 1;
    ASSERT_EQ(info->GetDllEntry(take.memid, INVOKE_FUNC, &dll, &entry, &ordinal), S_OK);
    EXPECT_EQ(Utf8(dll), "lib.dll");
    EXPECT_EQ(Utf8(entry), "TakeEntry");
    EXPECT_EQ(ordinal, 0);
    EXPECT_EQ(info->GetDllEntry(take.memid, INVOKE_PROPERTYGET, &dll, &entry, &ordinal),
              TYPE_E_ELEMENTNOTFOUND);
}

// The dump tool spells values as the platform's dump does: a null string
// constant as the empty string, an IDispatch default as a refused type, an
// IUnknown default as a mismatch, and a Boolean as it is stored (widl
// writes TRUE as 1).
TEST(BuiltLibrary, TheDumpSpellsValuesAsThePlatform) {
    MsftBuilder b;
    MsftBuilder::Type module;
    module.name = "Values";
    module.vars = {Const("vbNullString", 0, VT_BSTR, Value::Bstr(std::nullopt)),
                   Const("vbEmpty", 1, VT_BSTR, Value::Bstr(""))};
    MsftBuilder::Func f = ModuleFunction(b, module, "Take");
    for (auto [vt, bits] :
         {std::pair{VT_DISPATCH, 0u}, {VT_UNKNOWN, 0u}, {VT_BOOL, 1u}, {VT_BOOL, 0xFFFFu}}) {
        MsftBuilder::Param p;
        p.name = "p" + std::to_string(f.params.size());
        p.type = MsftBuilder::Inline(vt);
        p.flags = PARAMFLAG_FIN | PARAMFLAG_FOPT | PARAMFLAG_FHASDEFAULT;
        p.defaultValue = Value::Inline(vt, bits);
        f.params.push_back(p);
    }
    module.funcs.push_back(f);
    b.AddType(module);
    TempDir dir;
    std::vector<std::uint8_t> bytes = b.Build();
    WriteText(dir / "values.tlb", std::string(bytes.begin(), bytes.end()));
    ShellResult run = Shell(dir.Path(), std::string(QORVIX_TLBDUMP) + " values.tlb 2>/dev/null");
    ASSERT_EQ(run.status, 0) << run.output;
    auto json = ParseJson(run.output);
    ASSERT_TRUE(json);
    const JsonValue& type = (*json)["types"].Items().at(0);
    auto spelled = [](const JsonValue& value) {
        return std::to_string(static_cast<int>(value["vt"].Number())) + " " +
               (value["text"].IsNull() ? "null" : "\"" + value["text"].String() + "\"") + " " +
               value["hr"].String() +
               (value["raw"].IsNull()
                    ? ""
                    : " " + std::to_string(static_cast<long long>(value["raw"].Number())));
    };
    EXPECT_EQ(spelled(type["vars"].Items().at(0)["value"]), "8 \"\" 0x00000000");
    EXPECT_EQ(spelled(type["vars"].Items().at(1)["value"]), "8 \"\" 0x00000000");
    const auto& params = type["funcs"].Items().at(0)["params"].Items();
    EXPECT_EQ(spelled(params.at(0)["default"]), "9 null 0x80020008");
    EXPECT_EQ(spelled(params.at(1)["default"]), "13 null 0x80020005");
    EXPECT_EQ(spelled(params.at(2)["default"]), "11 \"1\" 0x00000000 1");
    EXPECT_EQ(spelled(params.at(3)["default"]), "11 \"-1\" 0x00000000 -1");
}

TEST(BuiltLibrary, NamesAsThePlatformPresentsThem) {
    MsftBuilder b;
    MsftBuilder::Type iface;
    iface.kind = TKIND_INTERFACE;
    iface.name = "IProps";
    MsftBuilder::Func get;
    get.name = "Value";
    get.memid = 5;
    get.invkind = INVOKE_PROPERTYGET;
    get.returnType = MsftBuilder::Inline(VT_HRESULT);
    MsftBuilder::Param out;
    out.name = "pValue";
    out.type = b.Ptr(MsftBuilder::Inline(VT_I4));
    out.flags = PARAMFLAG_FOUT | PARAMFLAG_FRETVAL;
    get.params.push_back(out);
    MsftBuilder::Func put = get;
    put.name.reset();  // the second accessor leaves its name to the first
    put.invkind = INVOKE_PROPERTYPUT;
    put.params[0].name.reset();
    put.params[0].type = MsftBuilder::Inline(VT_I4);
    put.params[0].flags = PARAMFLAG_FIN;
    MsftBuilder::Func anonymous;
    anonymous.memid = 6;
    anonymous.returnType = MsftBuilder::Inline(VT_HRESULT);
    MsftBuilder::Func holes;
    holes.name = "Holes";
    holes.memid = 7;
    holes.returnType = MsftBuilder::Inline(VT_HRESULT);
    for (const char* n : {"first", "", "third"}) {
        MsftBuilder::Param p;
        if (*n) p.name = n;
        p.type = MsftBuilder::Inline(VT_I4);
        holes.params.push_back(p);
    }
    iface.funcs = {get, put, anonymous, holes};
    b.AddType(iface);
    ComPtr<ITypeLib> lib = LoadBytes(b.Build());
    ASSERT_TRUE(lib);
    ComPtr<ITypeInfo> info = TypeByName(*lib, "IProps");

    EXPECT_EQ(Names(*info, 5), (std::vector<std::string>{"Value", "pValue"}));
    Bstr name;
    ASSERT_EQ(info->GetDocumentation(5, &name, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(Utf8(name), "Value");
    // A function without a name of its own has no names, and that is not a failure.
    std::vector<Bstr> names;
    EXPECT_EQ(info->GetNames(6, names, 64), S_OK);
    EXPECT_TRUE(names.empty());
    // Parameter names stop at the first unnamed one.
    EXPECT_EQ(Names(*info, 7), (std::vector<std::string>{"Holes", "first"}));
    EXPECT_EQ(Names(*info, 7, 0), std::vector<std::string>{});
}

TEST(BuiltLibrary, ImportsResolveByIndexAndByGuidOrFail) {
    MsftBuilder b;
    std::int32_t guidRecord = b.Import(kStdole, 2, 0, "stdole2.tlb", TKIND_RECORD, std::nullopt, 0);
    std::int32_t dispatch = b.Import(kStdole, 2, 0, "stdole2.tlb", TKIND_INTERFACE, kIDispatch, 0);
    GUID elsewhere{0x12345678, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    std::int32_t missing = b.Import(elsewhere, 1, 0, "missing.tlb", TKIND_RECORD, std::nullopt, 3);
    MsftBuilder::Type record;
    record.kind = TKIND_RECORD;
    record.name = "Holder";
    for (auto [name, href] : {std::pair{"id", guidRecord}, {"disp", dispatch}, {"gone", missing}}) {
        MsftBuilder::Var field;
        field.name = name;
        field.memid = 0x40000000 + static_cast<MEMBERID>(record.vars.size());
        field.varkind = VAR_PERINSTANCE;
        field.type = b.UserDefined(href);
        record.vars.push_back(field);
    }
    b.AddType(record);
    ComPtr<ITypeLib> lib = LoadBytes(b.Build());
    ASSERT_TRUE(lib);
    ComPtr<ITypeInfo> holder = TypeByName(*lib, "Holder");
    EXPECT_EQ(RefText(*holder, Var(*holder, 0).elemdescVar.tdesc.hreftype), "GUID (1) in stdole");
    EXPECT_EQ(RefText(*holder, Var(*holder, 1).elemdescVar.tdesc.hreftype),
              "IDispatch (3) in stdole");
    ComPtr<ITypeInfo> none;
    EXPECT_EQ(holder->GetRefTypeInfo(Var(*holder, 2).elemdescVar.tdesc.hreftype, none),
              TYPE_E_CANTLOADLIBRARY);

    // A resolver of our own sees what the import records.
    struct Recorder : ImportResolver {
        std::vector<ImportSpec> seen;
        HRESULT LoadImport(const ImportSpec& spec, const std::string&, ComPtr<ITypeLib>&) override {
            seen.push_back(spec);
            return TYPE_E_LIBNOTREGISTERED;
        }
    };
    auto recorder = std::make_shared<Recorder>();
    LoadOptions options;
    options.resolver = recorder;
    auto bytes = b.Build();
    ComPtr<ITypeLib> viaResolver;
    ASSERT_EQ(
        LoadTypeLibFromBytes(ByteSource::Copy(bytes.data(), bytes.size()), 1, options, viaResolver),
        S_OK);
    ComPtr<ITypeInfo> holder2 = TypeByName(*viaResolver, "Holder");
    EXPECT_EQ(holder2->GetRefTypeInfo(Var(*holder2, 2).elemdescVar.tdesc.hreftype, none),
              TYPE_E_LIBNOTREGISTERED);
    ASSERT_EQ(recorder->seen.size(), 1u);
    EXPECT_EQ(recorder->seen[0].libGuid, elsewhere);
    EXPECT_EQ(Utf16ToUtf8(recorder->seen[0].fileName), "missing.tlb");
    EXPECT_FALSE(recorder->seen[0].byGuid);
    EXPECT_EQ(recorder->seen[0].typeIndex, 3u);
    // A failed import is remembered, not retried on every call.
    holder2->GetRefTypeInfo(Var(*holder2, 2).elemdescVar.tdesc.hreftype, none);
    EXPECT_EQ(recorder->seen.size(), 1u);
}

TEST(BuiltLibrary, BaseInterfaceCyclesEndTheSearch) {
    MsftBuilder b;
    MsftBuilder::Type a;
    a.kind = TKIND_INTERFACE;
    a.name = "ILoopA";
    a.cImplTypes = 1;
    a.datatype1 = MsftBuilder::LocalHref(1);
    MsftBuilder::Type c = a;
    c.name = "ILoopB";
    c.datatype1 = MsftBuilder::LocalHref(0);
    MsftBuilder::Type dual;
    dual.kind = TKIND_DISPATCH;
    dual.name = "ISelf";
    dual.flags = TYPEFLAG_FDUAL;
    dual.cImplTypes = 1;
    dual.datatype1 = MsftBuilder::LocalHref(2);  // itself
    b.AddType(a);
    b.AddType(c);
    b.AddType(dual);
    ComPtr<ITypeLib> lib = LoadBytes(b.Build());
    ASSERT_TRUE(lib);
    std::vector<Bstr> names;
    EXPECT_EQ(TypeByName(*lib, "ILoopA")->GetNames(99, names, 64), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(TypeByName(*lib, "ILoopA")->GetDocumentation(99, nullptr, nullptr, nullptr, nullptr),
              TYPE_E_ELEMENTNOTFOUND);
    ComPtr<ITypeInfo> self = TypeByName(*lib, "ISelf");
    EXPECT_EQ(Attr(*self).cFuncs, 0);
    EXPECT_EQ(self->GetNames(99, names, 64), TYPE_E_ELEMENTNOTFOUND);
}

// The platform lays every vtable out in slots of its own pointer size,
// whatever the library was built for, and counts a dispatch view's vtable
// as IDispatch's; an interface keeps the size it stores. Functions
// inherited from the embedded stdole2, a 32-bit library, take the same
// slots.
TEST(BuiltLibrary, VtablesInThePlatformsSlotsForEveryPointerSize) {
    constexpr int kSlot = sizeof(void*);
    for (SYSKIND syskind : {SYS_WIN32, SYS_WIN64}) {
        SCOPED_TRACE(syskind);
        const std::uint16_t stored = syskind == SYS_WIN64 ? 8 : 4;
        MsftBuilder b;
        b.syskind = syskind;
        MsftBuilder::Type dual;
        dual.kind = TKIND_DISPATCH;
        dual.name = "IDual";
        dual.flags = TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE;
        dual.cImplTypes = 1;
        dual.datatype1 = b.Import(kStdole, 2, 0, "stdole2.tlb", TKIND_INTERFACE, kIDispatch, 0);
        for (std::uint16_t slot : {7, 8}) {
            MsftBuilder::Func f;
            f.name = "F" + std::to_string(slot);
            f.memid = slot;
            f.returnType = MsftBuilder::Inline(VT_HRESULT);
            f.vtableOffset = static_cast<std::uint16_t>(slot * stored);
            dual.funcs.push_back(f);
        }
        dual.cbSizeVft = 9 * stored;
        b.AddType(dual);
        MsftBuilder::Type plain;
        plain.kind = TKIND_DISPATCH;
        plain.name = "DPlain";
        plain.cImplTypes = 1;
        b.AddType(plain);
        ComPtr<ITypeLib> lib = LoadBytes(b.Build());
        ASSERT_TRUE(lib);
        EXPECT_EQ(Attr(*TypeByName(*lib, "DPlain")).cbSizeVft, 7 * kSlot);

        ComPtr<ITypeInfo> view = TypeByName(*lib, "IDual");
        HREFTYPE twinRef;
        ComPtr<ITypeInfo> twin;
        ASSERT_EQ(view->GetRefTypeOfImplType(static_cast<UINT>(-1), &twinRef), S_OK);
        ASSERT_EQ(view->GetRefTypeInfo(twinRef, twin), S_OK);
        for (auto [info, cbSizeVft, firstSlot] :
             {std::tuple{view, 7 * kSlot, 0}, {twin, 9 * stored, 7}}) {
            TYPEATTR attr = Attr(*info);
            EXPECT_EQ(attr.cbSizeVft, cbSizeVft) << attr.typekind;
            ASSERT_EQ(attr.cFuncs, 9 - firstSlot) << attr.typekind;
            for (UINT i = 0; i < attr.cFuncs; ++i)
                EXPECT_EQ(Func(*info, i).oVft, (firstSlot + static_cast<int>(i)) * kSlot) << i;
        }
    }
}

}  // namespace
}  // namespace qorvix::test
