// The older SLTG format: libraries built byte by byte, the corpus sample,
// and damaged images.
#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "tests/support/msft_builder.h"
#include "tests/support/paths.h"
#include "tests/support/pe_builder.h"
#include "tests/support/sltg_builder.h"
#include "tests/support/typelib_helpers.h"
#include "tests/support/walk.h"

namespace qorvix::test {
namespace {

using Words = SltgBuilder::Words;
const char* kStdoleImport =
    "*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#C:\\Windows\\stdole2.tlb#";

// Type words: the flag bits of the first word (direction, [lcid],
// [retval], one pointer level) beside a VARTYPE.
constexpr std::uint16_t kIn = 0x0000, kOut = 0x4000, kInOut = 0x8000, kNoDirection = 0xC000;
constexpr std::uint16_t kRetval = 0x0080, kLcid = 0x2000, kPointer = 0x0E00;

// A library with one of everything the format can say.
SltgBuilder Sample() {
    SltgBuilder b;
    b.libName = "Sltg";
    b.libDoc = "An SLTG test library";
    b.helpFile = "sltg.hlp";
    b.helpContext = 77;
    b.lcid = 9;
    b.major = 2;
    b.minor = 1;
    std::uint16_t import = b.AddName(kStdoleImport);
    char unknownRef[32];
    std::snprintf(unknownRef, sizeof unknownRef, "*\\R%x*#3", import);  // stdole's IUnknown
    char dispatchRef[32];
    std::snprintf(dispatchRef, sizeof dispatchRef, "*\\R%x*#4", import);  // IDispatch

    SltgBuilder::Type colors;
    colors.kind = TKIND_ENUM;
    colors.name = "Colors";
    colors.helpContext = 5;
    colors.guid = GUID{0x5A0C0DE0, 1, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x5C, 0x10}};
    SltgBuilder::Var red;
    red.name = "Red";
    red.memid = 0x40000000;
    red.value = 0;
    SltgBuilder::Var scatter = red;
    scatter.name = "xlXYScatter";
    scatter.memid = 0x40000001;
    scatter.value = -4169;
    SltgBuilder::Var small = red;
    small.name = "Small";
    small.memid = 0x40000002;
    small.value.reset();
    small.flags = 0x12 | 0x08;
    small.word = 0xFFF0;  // a u16 value, zero-extended
    SltgBuilder::Var text;
    text.name = "Greeting";
    text.memid = 0x40000003;
    text.flags = 0x12;
    text.type = {VT_BSTR};
    text.text = std::optional<std::string>("Hello");
    colors.vars = {red, scatter, small, text};
    b.types.push_back(colors);  // 0

    SltgBuilder::Type shape;
    shape.kind = TKIND_INTERFACE;
    shape.name = "IShape";
    shape.guid = GUID{0x5A0C0DE0, 2, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x5C, 0x20}};
    shape.references = {unknownRef, "*\\Rffff*#0", "*\\Rffff*#1"};
    shape.impls = {{0, 0}};
    shape.cbSizeVft = 4 * 6;
    SltgBuilder::Func move;
    move.name = "Move";
    move.memid = 0x60010000;
    move.kind = 0x4C;
    move.vtableOffset = 12;
    move.returnType = {VT_HRESULT};
    move.params = {{"X", {kIn | VT_I4}, true},
                   {"Y", {kInOut | kPointer | VT_I4}, true},
                   {"Where", {kOut | VT_PTR, kPointer | VT_USERDEFINED, 2 * 4}, false},
                   {"lcid", {kIn | kLcid | VT_I4}, true},
                   {"Result", {kOut | kRetval | kPointer | VT_BSTR}, true}};
    SltgBuilder::Func color = move;
    color.name = "Color";
    color.memid = 0x60010001;
    color.invkind = INVOKE_PROPERTYPUT;
    color.vtableOffset = 16;
    color.params = {{std::nullopt, {kIn | VT_USERDEFINED, 1 * 4}, true}};
    color.funcFlags = FUNCFLAG_FHIDDEN;
    SltgBuilder::Func get = color;
    get.name = "Shape";
    get.memid = 0x60010002;
    get.invkind = INVOKE_FUNC;
    get.vtableOffset = 20;
    get.params = {};
    get.returnType = {kPointer | VT_USERDEFINED, 2 * 4};
    get.inlineReturn = false;
    get.funcFlags.reset();
    shape.funcs = {move, color, get};
    b.types.push_back(shape);  // 1

    SltgBuilder::Type window;
    window.kind = TKIND_DISPATCH;
    window.name = "DWindow";
    window.references = {dispatchRef};
    window.impls = {{0, 0}};
    window.cbSizeVft = 28;
    SltgBuilder::Func open;
    open.name = "Open";
    open.memid = 682;
    open.callconv = CC_CDECL;
    open.params = {{"Filename", {kNoDirection | VT_VARIANT}, true},
                   {"UpdateLinks", {kNoDirection | VT_VARIANT}, true},
                   {"ReadOnly", {kNoDirection | VT_VARIANT}, true}};
    open.cParamsOpt = 2;
    window.funcs = {open};
    SltgBuilder::Var visible;
    visible.name = "Visible";
    visible.memid = 0x22E;
    visible.flags = 0x40 | 0x02;
    visible.type = {VT_BOOL};
    SltgBuilder::Var caption = visible;
    caption.name.reset();  // takes its predecessor's name
    caption.memid = 0x8B;
    caption.flags = 0x40 | 0x80;
    caption.type = {VT_BSTR};
    window.vars = {visible, caption};
    b.types.push_back(window);  // 2

    SltgBuilder::Type handle;
    handle.kind = TKIND_ALIAS;
    handle.name = "HANDLE_T";
    handle.aliasSimple = VT_I4;
    b.types.push_back(handle);  // 3

    SltgBuilder::Type list;
    list.kind = TKIND_ALIAS;
    list.name = "SHAPE_LIST";
    list.references = {"*\\Rffff*#1"};
    list.aliasWords = {VT_SAFEARRAY, 0, kPointer | VT_USERDEFINED, 0};
    b.types.push_back(list);  // 4

    SltgBuilder::Type widget;
    widget.kind = TKIND_COCLASS;
    widget.name = "Widget";
    widget.typeFlags = TYPEFLAG_FCANCREATE;
    widget.references = {"*\\Rffff*#1", "*\\Rffff*#2"};
    widget.impls = {{IMPLTYPEFLAG_FDEFAULT, 0}, {IMPLTYPEFLAG_FSOURCE, 1}};
    b.types.push_back(widget);  // 5

    SltgBuilder::Type dual;
    dual.kind = TKIND_INTERFACE;
    dual.name = "IDual";
    dual.typeFlags = TYPEFLAG_FDUAL;
    dual.references = {dispatchRef};
    dual.impls = {{0, 0}};
    SltgBuilder::Func count;
    count.name = "Count";
    count.memid = 1;
    count.kind = 0x4C;
    count.invkind = INVOKE_PROPERTYGET;
    count.vtableOffset = 28;
    count.returnType = {VT_HRESULT};
    count.params = {{"pCount", {kOut | kRetval | kPointer | VT_I4}, true}};
    dual.funcs = {count};
    b.types.push_back(dual);  // 6
    return b;
}

class SltgTest : public ::testing::Test {
  protected:
    void SetUp() override {
        bytes = Sample().Build();
        lib = LoadBytes(bytes);
        ASSERT_TRUE(lib);
    }
    std::vector<std::uint8_t> bytes;
    ComPtr<ITypeLib> lib;
};

TEST_F(SltgTest, LibraryAndTypeAttributes) {
    Bstr name, doc, file;
    DWORD context = 0;
    ASSERT_EQ(lib->GetDocumentation(-1, &name, &doc, &context, &file), S_OK);
    EXPECT_EQ(Utf8(name), "Sltg");
    EXPECT_EQ(Utf8(doc), "An SLTG test library");
    EXPECT_EQ(Utf8(file), "sltg.hlp");
    EXPECT_EQ(context, 77u);
    LibAttrPtr attr;
    ASSERT_EQ(lib->GetLibAttr(attr), S_OK);
    EXPECT_EQ(attr->lcid, 9u);
    EXPECT_EQ(attr->wLibFlags, 0);  // no disk-image flag for SLTG
    EXPECT_EQ(attr->wMajorVerNum, 2);
    EXPECT_EQ(attr->wMinorVerNum, 1);
    EXPECT_EQ(lib->GetTypeInfoCount(), 7u);

    ComPtr<ITypeInfo> colors = TypeByName(*lib, "Colors");
    ASSERT_EQ(colors->GetDocumentation(MEMBERID_NIL, &name, &doc, &context, nullptr), S_OK);
    EXPECT_FALSE(doc.has_value());
    EXPECT_EQ(context, 5u);
    EXPECT_EQ(GuidToString(Attr(*colors).guid), "{5A0C0DE0-0001-4000-8000-000000005C10}");

    // A sublanguage makes the platform report LCID 0.
    SltgBuilder us = Sample();
    us.lcid = 0x0409;
    ASSERT_EQ(LoadBytes(us.Build())->GetLibAttr(attr), S_OK);
    EXPECT_EQ(attr->lcid, 0u);
}

TEST_F(SltgTest, ConstantsAreIntegersOrStrings) {
    ComPtr<ITypeInfo> colors = TypeByName(*lib, "Colors");
    std::vector<std::pair<std::string, std::int64_t>> expected = {
        {"Red", 0}, {"xlXYScatter", -4169}, {"Small", 0xFFF0}};
    for (UINT i = 0; i < expected.size(); ++i) {
        VARDESC v = Var(*colors, i);
        EXPECT_EQ(v.varkind, VAR_CONST);
        EXPECT_EQ(v.elemdescVar.tdesc.vt, VT_INT);
        ASSERT_TRUE(v.lpvarValue);
        EXPECT_EQ(v.lpvarValue->vt, VT_INT);
        EXPECT_EQ(v.lpvarValue->lVal(), expected[i].second);
        EXPECT_EQ(Names(*colors, v.memid), std::vector<std::string>{expected[i].first});
    }
    VARDESC text = Var(*colors, 3);
    ASSERT_TRUE(text.lpvarValue);
    EXPECT_EQ(text.lpvarValue->vt, VT_BSTR);
    EXPECT_EQ(Utf8(text.lpvarValue->bstrVal), "Hello");
}

TEST_F(SltgTest, VirtualFunctionsWithEveryParameterEncoding) {
    ComPtr<ITypeInfo> shape = TypeByName(*lib, "IShape");
    TYPEATTR attr = Attr(*shape);
    EXPECT_EQ(attr.typekind, TKIND_INTERFACE);
    EXPECT_EQ(attr.cFuncs, 3);
    HREFTYPE base;
    ASSERT_EQ(shape->GetRefTypeOfImplType(0, &base), S_OK);
    EXPECT_EQ(RefText(*shape, base), "IUnknown (3) in stdole");

    FUNCDESC move = Func(*shape, 0);
    EXPECT_EQ(move.funckind, FUNC_PUREVIRTUAL);
    EXPECT_EQ(move.memid, 0x60010000);
    // Stored for 4-byte pointers, presented in the platform's slots; the
    // interface keeps the vtable size it stores.
    EXPECT_EQ(move.oVft, 3 * static_cast<int>(sizeof(void*)));
    EXPECT_EQ(attr.cbSizeVft, 4 * 6);
    EXPECT_EQ(move.callconv, CC_STDCALL);
    EXPECT_EQ(move.elemdescFunc.tdesc.vt, VT_HRESULT);
    ASSERT_EQ(move.cParams, 5);
    std::vector<std::pair<std::string, USHORT>> params = {
        {"3", PARAMFLAG_FIN},
        {"PTR(3)", PARAMFLAG_FIN | PARAMFLAG_FOUT},
        {"PTR(PTR(USERDEFINED(IShape)))", PARAMFLAG_FOUT},
        {"3", PARAMFLAG_FIN | PARAMFLAG_FLCID},
        {"PTR(8)", PARAMFLAG_FOUT | PARAMFLAG_FRETVAL}};
    for (UINT i = 0; i < params.size(); ++i) {
        EXPECT_EQ(DescText(*shape, move.lprgelemdescParam[i].tdesc), params[i].first) << i;
        EXPECT_EQ(move.lprgelemdescParam[i].paramdesc.wParamFlags, params[i].second) << i;
    }
    EXPECT_EQ(Names(*shape, move.memid),
              (std::vector<std::string>{"Move", "X", "Y", "Where", "lcid", "Result"}));

    FUNCDESC color = Func(*shape, 1);
    EXPECT_EQ(color.invkind, INVOKE_PROPERTYPUT);
    EXPECT_EQ(color.wFuncFlags, FUNCFLAG_FHIDDEN);
    EXPECT_EQ(DescText(*shape, color.lprgelemdescParam[0].tdesc), "USERDEFINED(Colors)");
    EXPECT_EQ(Names(*shape, color.memid), std::vector<std::string>{"Color"});

    FUNCDESC get = Func(*shape, 2);
    EXPECT_EQ(DescText(*shape, get.elemdescFunc.tdesc), "PTR(USERDEFINED(IShape))");
}

TEST_F(SltgTest, DispinterfacesPresentOnlyTheirOwnMembers) {
    ComPtr<ITypeInfo> window = TypeByName(*lib, "DWindow");
    TYPEATTR attr = Attr(*window);
    EXPECT_EQ(attr.typekind, TKIND_DISPATCH);
    EXPECT_EQ(attr.cFuncs, 1);
    EXPECT_EQ(attr.cVars, 2);
    EXPECT_EQ(attr.cImplTypes, 1);
    EXPECT_EQ(attr.cbSizeVft, 7 * sizeof(void*));
    HREFTYPE base;
    ASSERT_EQ(window->GetRefTypeOfImplType(0, &base), S_OK);
    EXPECT_EQ(RefText(*window, base), "IDispatch (3) in stdole");

    FUNCDESC open = Func(*window, 0);
    EXPECT_EQ(open.funckind, FUNC_DISPATCH);
    EXPECT_EQ(open.oVft, 0);
    EXPECT_EQ(open.callconv, CC_CDECL);
    EXPECT_EQ(open.cParamsOpt, 2);
    // Optional parameters are the last cParamsOpt ones; no direction bits
    // gives no direction flags.
    EXPECT_EQ(open.lprgelemdescParam[0].paramdesc.wParamFlags, 0);
    EXPECT_EQ(open.lprgelemdescParam[1].paramdesc.wParamFlags, PARAMFLAG_FOPT);
    EXPECT_EQ(open.lprgelemdescParam[2].paramdesc.wParamFlags, PARAMFLAG_FOPT);
    EXPECT_EQ(Names(*window, 682),
              (std::vector<std::string>{"Open", "Filename", "UpdateLinks", "ReadOnly"}));

    VARDESC visible = Var(*window, 0);
    EXPECT_EQ(visible.varkind, VAR_DISPATCH);
    EXPECT_EQ(visible.elemdescVar.tdesc.vt, VT_BOOL);
    EXPECT_EQ(visible.wVarFlags, 0);
    VARDESC caption = Var(*window, 1);
    EXPECT_EQ(caption.wVarFlags, 1);  // read-only
    EXPECT_EQ(Names(*window, caption.memid), std::vector<std::string>{"Visible"});
}

TEST_F(SltgTest, AliasesCoclassesAndDuals) {
    EXPECT_EQ(Attr(*TypeByName(*lib, "HANDLE_T")).tdescAlias.vt, VT_I4);
    ComPtr<ITypeInfo> list = TypeByName(*lib, "SHAPE_LIST");
    EXPECT_EQ(DescText(*list, Attr(*list).tdescAlias), "SAFEARRAY(PTR(USERDEFINED(IShape)))");

    ComPtr<ITypeInfo> widget = TypeByName(*lib, "Widget");
    TYPEATTR attr = Attr(*widget);
    EXPECT_EQ(attr.wTypeFlags, TYPEFLAG_FCANCREATE);
    ASSERT_EQ(attr.cImplTypes, 2);
    HREFTYPE href;
    INT flags;
    ASSERT_EQ(widget->GetRefTypeOfImplType(1, &href), S_OK);
    ASSERT_EQ(widget->GetImplTypeFlags(1, &flags), S_OK);
    EXPECT_EQ(RefText(*widget, href), "DWindow (4) in Sltg");
    EXPECT_EQ(flags, IMPLTYPEFLAG_FSOURCE);

    // A dual is presented as in MSFT libraries: the dispatch view, with the
    // interface as its twin.
    ComPtr<ITypeInfo> dual = TypeByName(*lib, "IDual");
    attr = Attr(*dual);
    EXPECT_EQ(attr.typekind, TKIND_DISPATCH);
    EXPECT_EQ(attr.cFuncs, 7 + 1);
    FUNCDESC count = Func(*dual, 7);
    EXPECT_EQ(count.funckind, FUNC_DISPATCH);
    EXPECT_EQ(count.elemdescFunc.tdesc.vt, VT_I4);
    EXPECT_EQ(count.cParams, 0);
    ASSERT_EQ(dual->GetRefTypeOfImplType(static_cast<UINT>(-1), &href), S_OK);
    ComPtr<ITypeInfo> twin;
    ASSERT_EQ(dual->GetRefTypeInfo(href, twin), S_OK);
    EXPECT_EQ(Attr(*twin).typekind, TKIND_INTERFACE);
    EXPECT_EQ(Func(*twin, 0).cParams, 1);
}

// The two formats say "optional" and "any number of arguments" differently:
// MSFT keeps PARAMFLAG_FOPT on each parameter and -1 in cParamsOpt for
// varargs; SLTG keeps only a 6-bit count of trailing optional parameters,
// from which the flags follow, and has no vararg marker at all.
TEST(SltgAndMsft, OptionalAndVarargEncodingsDiffer) {
    MsftBuilder msft;
    MsftBuilder::Type module;
    module.kind = TKIND_MODULE;
    module.name = "M";
    MsftBuilder::Func varargs;
    varargs.name = "Sum";
    varargs.funckind = FUNC_STATIC;
    varargs.returnType = MsftBuilder::Inline(VT_I4);
    varargs.cParamsOpt = -1;
    MsftBuilder::Param values;
    values.name = "values";
    values.type = msft.SafeArray(MsftBuilder::Inline(VT_VARIANT));
    varargs.params = {values};
    MsftBuilder::Func optional = varargs;
    optional.name = "Pick";
    optional.memid = 1;
    optional.cParamsOpt = 0;  // the flag alone says optional
    optional.params[0].flags = PARAMFLAG_FIN | PARAMFLAG_FOPT;
    optional.params[0].type = MsftBuilder::Inline(VT_VARIANT);
    module.funcs = {varargs, optional};
    msft.AddType(module);
    ComPtr<ITypeLib> msftLib = LoadBytes(msft.Build());
    ComPtr<ITypeInfo> m = TypeByName(*msftLib, "M");
    EXPECT_EQ(Func(*m, 0).cParamsOpt, -1);
    EXPECT_EQ(Func(*m, 0).lprgelemdescParam[0].paramdesc.wParamFlags, PARAMFLAG_FIN);
    EXPECT_EQ(Func(*m, 1).cParamsOpt, 0);
    EXPECT_EQ(Func(*m, 1).lprgelemdescParam[0].paramdesc.wParamFlags,
              PARAMFLAG_FIN | PARAMFLAG_FOPT);

    SltgBuilder sltg;
    SltgBuilder::Type window;
    window.kind = TKIND_DISPATCH;
    window.name = "D";
    SltgBuilder::Func pick;
    pick.name = "Pick";
    pick.params = {{"a", {kIn | VT_VARIANT}, true}, {"b", {kIn | VT_VARIANT}, true}};
    pick.cParamsOpt = 1;
    window.funcs = {pick};
    sltg.types.push_back(window);
    ComPtr<ITypeLib> sltgLib = LoadBytes(sltg.Build());
    ComPtr<ITypeInfo> d = TypeByName(*sltgLib, "D");
    FUNCDESC f = Func(*d, 0);
    EXPECT_EQ(f.cParamsOpt, 1);
    EXPECT_EQ(f.lprgelemdescParam[0].paramdesc.wParamFlags, PARAMFLAG_FIN);
    EXPECT_EQ(f.lprgelemdescParam[1].paramdesc.wParamFlags, PARAMFLAG_FIN | PARAMFLAG_FOPT);
}

TEST_F(SltgTest, InsideAPeFile) {
    auto pe = BuildPe({PeResource{u"TYPELIB", 0, 1, 1033, bytes}});
    ComPtr<ITypeLib> viaPe = LoadBytes(pe);
    ASSERT_TRUE(viaPe);
    EXPECT_EQ(viaPe->GetTypeInfoCount(), 7u);
    EXPECT_EQ(WalkTypeLib(*viaPe).failures, 0u);
}

TEST_F(SltgTest, DamagedImagesFailCleanly) {
    WalkCounts whole = WalkTypeLib(*lib);
    EXPECT_EQ(whole.failures, 0u);
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(size));
        ComPtr<ITypeLib> damaged;
        if (SUCCEEDED(LoadTypeLibFromBytes(ByteSource::Copy(cut.data(), cut.size()), 1,
                                           LoadOptions{}, damaged))) {
            WalkTypeLib(*damaged);
        }
    }
    std::mt19937 random(8);
    for (int round = 0; round < 3000; ++round) {
        auto copy = bytes;
        for (int c = 0; c < 4; ++c)
            copy[random() % copy.size()] = static_cast<std::uint8_t>(random());
        ComPtr<ITypeLib> damaged;
        if (SUCCEEDED(LoadTypeLibFromBytes(ByteSource::Copy(copy.data(), copy.size()), 1,
                                           LoadOptions{}, damaged))) {
            WalkTypeLib(*damaged);
        }
    }
    // A header that lies about its streams.
    auto lying = bytes;
    lying[4] = 0xFF;
    lying[5] = 0x7F;
    ComPtr<ITypeLib> refused;
    std::string why;
    EXPECT_EQ(LoadTypeLibFromBytes(ByteSource::Copy(lying.data(), lying.size()), 1, LoadOptions{},
                                   refused, &why),
              TYPE_E_CANTLOADLIBRARY);
    EXPECT_FALSE(why.empty());
}

TEST_F(SltgTest, ADamagedTypeSaysWhyAndWhere) {
    // The first block after the directory is typeinfo 0's.
    auto u16 = [&](std::size_t at) { return bytes[at] | (bytes[at + 1] << 8); };
    std::size_t block = 0x24 + 8 * (u16(4) - 1) + u16(8) + u16(6);
    ASSERT_EQ(u16(block), 0x0501) << "a typeinfo block's magic";
    auto damaged = bytes;
    damaged[block] = 0x77;
    ComPtr<ITypeLib> lib = LoadBytes(damaged);
    ASSERT_TRUE(lib);
    ComPtr<ITypeInfo> info;
    EXPECT_EQ(LastFailure(lib->GetTypeInfo(0, info)),
              Failure(TYPE_E_INVDATAREAD, "the typeinfo block's header is damaged",
                      static_cast<std::int64_t>(block)));
    EXPECT_EQ(lib->GetTypeInfo(1, info), S_OK);
}

TEST(SltgSample, TheSpreadsheetLibraryPresentsWhatThePlatformCouldNot) {
    auto path = SharedPath("corpus/win-xl5en32.olb");
    if (!path) GTEST_SKIP() << "the shared corpus is not on this machine";
    ComPtr<ITypeLib> lib = LoadOrDie(*path);
    ASSERT_TRUE(lib);
    EXPECT_EQ(lib->GetTypeInfoCount(), 133u);
    std::size_t dispinterfaces = 0, funcs = 0;
    for (UINT i = 0; i < lib->GetTypeInfoCount(); ++i) {
        ComPtr<ITypeInfo> info;
        ASSERT_EQ(lib->GetTypeInfo(i, info), S_OK);
        TYPEATTR attr = Attr(*info);
        if (attr.typekind != TKIND_DISPATCH) continue;
        ++dispinterfaces;
        HREFTYPE base;
        ASSERT_EQ(info->GetRefTypeOfImplType(0, &base), S_OK);
        EXPECT_EQ(RefText(*info, base), "IDispatch (3) in stdole");
        for (UINT f = 0; f < attr.cFuncs; ++f) {
            FUNCDESC desc = Func(*info, f);
            EXPECT_EQ(desc.funckind, FUNC_DISPATCH);
            EXPECT_EQ(desc.elemdescFunc.tdesc.vt, VT_VARIANT);
            EXPECT_FALSE(Names(*info, desc.memid).empty());
            ++funcs;
        }
    }
    EXPECT_EQ(dispinterfaces, 129u);
    EXPECT_EQ(funcs, 1387u);

    ComPtr<ITypeInfo> workbooks = TypeByName(*lib, "Workbooks");
    for (UINT f = 0; f < Attr(*workbooks).cFuncs; ++f) {
        FUNCDESC desc = Func(*workbooks, f);
        if (Names(*workbooks, desc.memid).front() != "Open") continue;
        EXPECT_EQ(desc.cParams, 12);
        EXPECT_EQ(desc.cParamsOpt, 11);
        EXPECT_EQ(desc.lprgelemdescParam[0].paramdesc.wParamFlags, 0);
        EXPECT_EQ(desc.lprgelemdescParam[11].paramdesc.wParamFlags, PARAMFLAG_FOPT);
        EXPECT_EQ(Names(*workbooks, desc.memid)[1], "Filename");
    }
    ComPtr<ITypeInfo> constants = TypeByName(*lib, "Constants");
    bool found = false;
    for (UINT v = 0; v < Attr(*constants).cVars; ++v) {
        VARDESC desc = Var(*constants, v);
        if (Names(*constants, desc.memid).front() == "xlXYScatter") {
            EXPECT_EQ(desc.lpvarValue->lVal(), -4169);
            found = true;
        }
    }
    EXPECT_TRUE(found);
}

}  // namespace
}  // namespace qorvix::test
