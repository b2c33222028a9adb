// Damaged files give a load failure or a failure of the item concerned;
// never a crash, a hang or a read outside the file. (The fuzz target and the
// sanitizer build check the reads themselves.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <random>

#include "tests/support/msft_builder.h"
#include "tests/support/paths.h"
#include "tests/support/pe_builder.h"
#include "tests/support/typelib_helpers.h"
#include "tests/support/walk.h"

namespace qorvix::test {
namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Loads the bytes and walks everything in them; true when the load worked.
// The bytes are copied to a buffer of exactly their size, so a read past
// the end is a read past the allocation.
bool LoadAndWalk(const std::vector<std::uint8_t>& bytes, WalkCounts* counts = nullptr) {
    ComPtr<ITypeLib> lib;
    HRESULT hr =
        LoadTypeLibFromBytes(ByteSource::Copy(bytes.data(), bytes.size()), 1, LoadOptions{}, lib);
    if (FAILED(hr)) {
        EXPECT_FALSE(lib);
        return false;
    }
    WalkCounts walked = WalkTypeLib(*lib);
    if (counts) *counts = walked;
    return true;
}

TEST(Malformed, TruncatedAtEveryByte) {
    auto raw = ReadFile(FixturePath("shapes.tlb"));
    ASSERT_FALSE(raw.empty());
    WalkCounts whole;
    ASSERT_TRUE(LoadAndWalk(raw, &whole));
    EXPECT_EQ(whole.failures, 0u);
    for (std::size_t size = 0; size < raw.size(); ++size) {
        LoadAndWalk(std::vector<std::uint8_t>(raw.begin(), raw.begin() + static_cast<long>(size)));
    }
    auto pe = BuildPe({PeResource{u"TYPELIB", 0, 1, 0, raw}}, PeOptions{true, false});
    for (std::size_t size = 0; size < pe.size(); size += 3) {
        LoadAndWalk(std::vector<std::uint8_t>(pe.begin(), pe.begin() + static_cast<long>(size)));
    }
}

TEST(Malformed, RandomDamageNeverCrashes) {
    auto raw = ReadFile(FixturePath("shapes.tlb"));
    std::mt19937 random(20261207);
    int loaded = 0;
    for (int round = 0; round < 3000; ++round) {
        auto bytes = raw;
        int changes = 1 + static_cast<int>(random() % 8);
        for (int c = 0; c < changes; ++c) {
            std::size_t at = random() % bytes.size();
            switch (random() % 3) {
                case 0:
                    bytes[at] = static_cast<std::uint8_t>(random());
                    break;
                case 1:
                    bytes[at] ^= static_cast<std::uint8_t>(1u << (random() % 8));
                    break;
                default:  // an offset or count made huge or negative
                    for (std::size_t i = at & ~std::size_t{3};
                         i < (at & ~std::size_t{3}) + 4 && i < bytes.size(); ++i) {
                        bytes[i] = 0xFF;
                    }
            }
        }
        loaded += LoadAndWalk(bytes);
    }
    EXPECT_GT(loaded, 100);  // most damage hits items, not the header
}

// The cases a random flip rarely finds.
TEST(Malformed, CraftedDamageFailsTheItemConcerned) {
    MsftBuilder b;
    MsftBuilder::Type record;
    record.kind = TKIND_RECORD;
    record.name = "Damaged";
    auto field = [&](const std::string& name, std::int32_t type) {
        MsftBuilder::Var v;
        v.name = name;
        v.memid = 0x40000000 + static_cast<MEMBERID>(record.vars.size());
        v.varkind = VAR_PERINSTANCE;
        v.type = type;
        record.vars.push_back(v);
    };
    std::int32_t self = b.RawTypeDesc(VT_PTR, 0);  // a pointer to itself: offset 0
    field("loop", self);
    field("ok", MsftBuilder::Inline(VT_I4));
    field("noDims", b.CArray(MsftBuilder::Inline(VT_I4), {}));
    std::vector<std::pair<std::uint32_t, std::int32_t>> many(65, {1, 0});
    field("tooManyDims", b.CArray(MsftBuilder::Inline(VT_I4), many));
    field("badOffset", 0x7FFFFFF8);
    field("misaligned", 4);
    field("inlinePointer", MsftBuilder::Inline(VT_PTR));
    field("danglingRef", b.UserDefined(0x5000));
    field("badImport", b.UserDefined(0x7FFFF0 | 1));
    b.AddType(record);
    MsftBuilder::Type coclass;
    coclass.kind = TKIND_COCLASS;
    coclass.name = "Looping";
    coclass.impls = {{MsftBuilder::LocalHref(0), 0}, {MsftBuilder::LocalHref(0), 0}};
    b.AddType(coclass);
    auto bytes = b.Build();
    ComPtr<ITypeLib> lib = LoadBytes(bytes);
    ASSERT_TRUE(lib);
    ComPtr<ITypeInfo> info = TypeByName(*lib, "Damaged");
    VarDescPtr v;
    EXPECT_EQ(info->GetVarDesc(0, v), TYPE_E_INVDATAREAD);
    EXPECT_EQ(info->GetVarDesc(1, v), S_OK);
    for (UINT i = 2; i < 7; ++i)
        EXPECT_EQ(info->GetVarDesc(i, v), TYPE_E_INVDATAREAD) << i;
    ComPtr<ITypeInfo> ref;
    ASSERT_EQ(info->GetVarDesc(7, v), S_OK);
    EXPECT_TRUE(FAILED(info->GetRefTypeInfo(v->elemdescVar.tdesc.hreftype, ref)));
    ASSERT_EQ(info->GetVarDesc(8, v), S_OK);
    EXPECT_TRUE(FAILED(info->GetRefTypeInfo(v->elemdescVar.tdesc.hreftype, ref)));
    EXPECT_TRUE(FAILED(info->GetRefTypeInfo(0xFFFFFFF3u, ref)));
    EXPECT_TRUE(FAILED(info->GetRefTypeInfo(2, ref)));

    // Coclass reference records whose chain points back at itself.
    std::vector<std::uint8_t> looped = bytes;
    LoadAndWalk(looped);

    // A header that claims more types than the file can hold.
    std::vector<std::uint8_t> counted = bytes;
    counted[0x20] = 0xFF;
    counted[0x21] = 0xFF;
    counted[0x22] = 0xFF;
    counted[0x23] = 0x0F;
    EXPECT_FALSE(LoadAndWalk(counted));
    // A segment that lies beyond the end.
    std::vector<std::uint8_t> segment = bytes;
    std::size_t directory = 0x54 + 4 * 2;
    segment[directory + 4] = 0xFF;
    segment[directory + 5] = 0xFF;
    segment[directory + 6] = 0xFF;
    EXPECT_FALSE(LoadAndWalk(segment));
}

// Three types, the first claiming 0xFFFF functions and variables, the
// coclass claiming 500 interfaces.
constexpr std::size_t kTypeSegment = 0x54 + 4 * 3 + 15 * 16;

std::vector<std::uint8_t> OverCountedLibrary() {
    MsftBuilder b;
    MsftBuilder::Type e;
    e.kind = TKIND_ENUM;
    e.name = "E";
    MsftBuilder::Var v;
    v.name = "One";
    v.type = MsftBuilder::Inline(VT_I4);
    v.value = MsftBuilder::Value::I4(1);
    e.vars = {v};
    b.AddType(e);
    MsftBuilder::Type f = e;
    f.name = "F";
    f.vars[0].name = "Two";
    b.AddType(f);
    MsftBuilder::Type coclass;
    coclass.kind = TKIND_COCLASS;
    coclass.name = "C";
    b.AddType(coclass);
    auto bytes = b.Build();
    // The first type record's cElement (offset 0x18), the coclass's
    // cImplTypes (offset 0x4C).
    for (int i = 0; i < 4; ++i)
        bytes[kTypeSegment + 0x18 + i] = 0xFF;
    bytes[kTypeSegment + 200 + 0x4C] = 0xF4;
    bytes[kTypeSegment + 200 + 0x4D] = 0x01;
    return bytes;
}

TEST(Malformed, CountsTheFileCannotHoldRejectThatType) {
    ComPtr<ITypeLib> lib = LoadBytes(OverCountedLibrary());
    ASSERT_TRUE(lib);
    EXPECT_EQ(lib->GetTypeInfoCount(), 3u);
    ComPtr<ITypeInfo> info;
    EXPECT_EQ(lib->GetTypeInfo(0, info), TYPE_E_INVDATAREAD);
    EXPECT_EQ(lib->GetTypeInfo(2, info), TYPE_E_INVDATAREAD);
    ASSERT_EQ(lib->GetTypeInfo(1, info), S_OK);
    EXPECT_EQ(Names(*info, Var(*info, 0).memid), std::vector<std::string>{"Two"});
}

std::int32_t I32At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    std::int32_t value;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

TEST(Malformed, AFailureSaysWhyAndWhere) {
    auto bytes = OverCountedLibrary();
    auto pe = BuildPe({PeResource{u"TYPELIB", 0, 1, 0, bytes}});
    auto image = std::search(pe.begin(), pe.end(), bytes.begin(), bytes.end());
    ASSERT_NE(image, pe.end());
    // Offsets count from the start of the file, whether the library is the
    // file or a resource inside it.
    for (auto [file, start] : {std::pair{bytes, std::int64_t{0}}, {pe, image - pe.begin()}}) {
        ComPtr<ITypeLib> lib = LoadBytes(file);
        ASSERT_TRUE(lib);
        ComPtr<ITypeInfo> info;
        EXPECT_EQ(LastFailure(lib->GetTypeInfo(2, info)),
                  Failure(TYPE_E_INVDATAREAD, "more implemented types than the file holds",
                          start + std::int64_t{kTypeSegment} + 200))
            << "the coclass's record";

        // A failure with nothing to explain does not keep the last reason.
        EXPECT_EQ(LastFailure(lib->GetTypeInfo(3, info)),
                  Failure(TYPE_E_ELEMENTNOTFOUND, nullptr, -1));

        TYPEKIND kind;
        std::int32_t memberBlock = I32At(bytes, kTypeSegment + 4);
        EXPECT_EQ(LastFailure(lib->GetTypeInfoType(0, &kind)),
                  Failure(TYPE_E_INVDATAREAD, "the member block runs past the end of the file",
                          start + memberBlock));
    }
}

TEST(Malformed, AMemberSaysWhyAndWhere) {
    MsftBuilder b;
    // A typedesc offset past its segment, and a simple type.
    b.AddRecord("R", {{"far", 0x7FF8}, {"near", MsftBuilder::Inline(VT_I4)}});
    MsftBuilder::Type module;
    module.kind = TKIND_MODULE;
    module.name = "M";
    MsftBuilder::Func func;
    func.name = "F";
    func.memid = 0x60000000;
    func.funckind = FUNC_STATIC;
    func.returnType = MsftBuilder::Inline(VT_I4);
    module.funcs = {func};
    b.AddType(module);
    auto bytes = b.Build();
    std::size_t typeSegment = 0x54 + 4 * 2 + 15 * 16;

    ComPtr<ITypeLib> lib = LoadBytes(bytes);
    ASSERT_TRUE(lib);
    ComPtr<ITypeInfo> info = TypeByName(*lib, "R");
    VarDescPtr var;
    // The variable's type field: 4 bytes into its record, the block's first.
    std::int32_t recordBlock = I32At(bytes, typeSegment + 4);
    EXPECT_EQ(LastFailure(info->GetVarDesc(0, var)),
              Failure(TYPE_E_INVDATAREAD, "the type code lies outside the typedesc segment",
                      recordBlock + 4 + 4));
    EXPECT_EQ(info->GetVarDesc(1, var), S_OK);

    // A function record that claims more bytes than its member block has.
    std::int32_t memberBlock = I32At(bytes, typeSegment + 100 + 4);
    std::size_t funcRecord = static_cast<std::size_t>(memberBlock) + 4;
    bytes[funcRecord] = 0xF0;
    bytes[funcRecord + 1] = 0x7F;
    lib = LoadBytes(bytes);
    ASSERT_TRUE(lib);
    info = TypeByName(*lib, "M");
    FuncDescPtr desc;
    EXPECT_EQ(LastFailure(info->GetFuncDesc(0, desc)),
              Failure(TYPE_E_ELEMENTNOTFOUND, "the function record lies outside its member block",
                      static_cast<std::int64_t>(funcRecord)));
}

}  // namespace
}  // namespace qorvix::test
