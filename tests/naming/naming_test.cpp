// COBOL names, type text, GUID text, error-code names and literals.
#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <set>

#include "naming/cobol_name.h"
#include "naming/hresult_names.h"
#include "naming/type_text.h"
#include "tests/support/fake_typelib.h"

namespace qorvix::test {
namespace {

// A stand-in for the run-time system's check.
int StandInCheck(const char* text, int length) {
    std::string word(text, static_cast<std::size_t>(length));
    for (const char* reserved : {"MOVE", "ADD", "DISPLAY", "ABCDEFGHIJKLMNOPQRSTUVWXYZ-ABCD"}) {
        if (word == reserved) return 1;
    }
    return 0;
}

class Utf8Locale : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(std::setlocale(LC_ALL, "C.UTF-8")); }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
    CobolNaming naming;
};

using CobolName = Utf8Locale;

TEST_F(CobolName, FollowsTheIdentifierRules) {
    EXPECT_EQ(naming.MakeCobolName(u"_my_type.rev", true), "my-type-rev");
    EXPECT_EQ(naming.MakeCobolName(u"\x01_\x01name", true), "name");
    EXPECT_EQ(naming.MakeCobolName(u"a\x01"
                                   u"b",
                                   true),
              "a-b");
    // No word ends in a hyphen: a trailing underscore goes.
    EXPECT_EQ(naming.MakeCobolName(u"9lives_", true), "9lives");
    EXPECT_EQ(naming.MakeCobolName(u"AVeryLongNameThatGoesOnAndOnForForty", true),
              "AVeryLongNameThatGoesOnAndOnFor");
    // Names made up for empty ones count on from wherever the run is.
    int next = naming.MadeUpNameCounter();
    EXPECT_EQ(naming.MakeCobolName(u"___", true), "QORVIX" + std::to_string(next));
    EXPECT_EQ(naming.MakeCobolName(Bstr(), true), "QORVIX" + std::to_string(next + 1));
    EXPECT_EQ(naming.MakeCobolName(u"", false), "QORVIX" + std::to_string(next + 2));
}

TEST_F(CobolName, ReservedWordsWithAndWithoutTheService) {
    EXPECT_EQ(naming.MakeCobolName(u"Move", true), "Move");  // no service: unchanged
    naming.SetReservedWordCheck(StandInCheck);
    EXPECT_EQ(naming.MakeCobolName(u"Move", true), "Move-CBL");
    EXPECT_EQ(naming.MakeCobolName(u"dIsPlAy", true), "dIsPlAy-CBL");
    EXPECT_EQ(naming.MakeCobolName(u"Move", false), "Move");
    EXPECT_EQ(naming.MakeCobolName(u"Mover", true), "Mover");
    // A 31-character reserved word keeps 26 characters and gets "-CBL".
    EXPECT_EQ(naming.MakeCobolName(u"abcdefghijklmnopqrstuvwxyz_abcd", true),
              "abcdefghijklmnopqrstuvwxyz-CBL");
}

TEST_F(CobolName, CutsNeverSplitACharacter) {
    // 30 ASCII bytes and a two-byte character: 32 bytes; the cut to 31 drops
    // the whole character.
    std::u16string name(30, u'a');
    name += u'\u00e9';
    EXPECT_EQ(naming.MakeCobolName(name, true), std::string(30, 'a'));
    EXPECT_EQ(CutName("ab\xe2\x82\xac", 3), "ab");
    EXPECT_EQ(CutName("ab\xe2\x82\xac", 5), "ab\xe2\x82\xac");
    // Under the "C" locale the character has no form: it becomes "?".
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(WideToAnsi(std::u16string(u"gr\u00f6\u00dfe")), "gr??e");
}

TEST(PadToColumn, StopsAtTheColumnOrTheNextStep) {
    for (auto [length, padded] :
         {std::pair{0, 40}, {12, 40}, {39, 40}, {40, 44}, {43, 44}, {45, 48}}) {
        std::string text(static_cast<std::size_t>(length), 'x');
        PadToColumn(text, 40, 4);
        EXPECT_EQ(text.size(), static_cast<std::size_t>(padded)) << length;
    }
}

TEST(TypeText, VarTypeTable) {
    std::vector<std::pair<VARTYPE, std::string>> cases = {
        {VT_I4, "LONG"},
        {0x4003, "LONG"},
        {VT_DECIMAL, "wchar-t"},
        {VT_I1, "pic 9(2) comp-5"},
        {VT_NULL, "null"},
        {VT_VOID, "void"},
        {VT_EMPTY, "void"},
        {VT_CF, "CF"},
        {73, "BAD-VARTYPE"},
        {15, ""},
        {40, ""},
        {VT_CLSID, "CLSID"},
        {VT_R4, "comp-1"},
        {VT_DATE, "OLEDATE"},
        {VT_UNKNOWN, "IUnknown-ptr"},
    };
    for (const auto& [vt, text] : cases)
        EXPECT_EQ(VARTYPEToString(vt), text) << vt;
}

TEST_F(Utf8Locale, TypeDescriptionsAsCobolText) {
    FakeTypeLib lib;
    FakeTypeInfo& holder = lib.Add(TKIND_RECORD, "Holder");
    FakeTypeInfo& rect = lib.Add(TKIND_RECORD, "RECT");
    FakeTypeInfo& myRec = lib.Add(TKIND_RECORD, "my_rec");
    FakeTypeInfo& broken = lib.Add(TKIND_RECORD, "broken");
    broken.failDocumentation = true;
    FakeTypeInfo& move = lib.Add(TKIND_RECORD, "MOVE");
    HREFTYPE rectRef = holder.RefTo(rect), myRecRef = holder.RefTo(myRec),
             brokenRef = holder.RefTo(broken), moveRef = holder.RefTo(move);

    auto text = [&](const TYPEDESC& d) { return TYPEDESCToString(holder, d, naming); };
    EXPECT_EQ(text(PointerTo(Simple(VT_DISPATCH))), "IDispatch-ptr");
    EXPECT_EQ(text(PointerTo(PointerTo(UserDefined(rectRef)))), "RECT");
    EXPECT_EQ(text(PointerTo(PointerTo(Simple(VT_BSTR)))), "BSTR");
    TYPEDESC byRefPointer = PointerTo(Simple(VT_I4));
    byRefPointer.vt = 0x401A;
    EXPECT_EQ(text(byRefPointer), "data-pointer");
    TYPEDESC byRefUdt = UserDefined(rectRef);
    byRefUdt.vt = VT_USERDEFINED | VT_BYREF;
    EXPECT_EQ(text(byRefUdt), "USERDEFINED");
    EXPECT_EQ(text(SafeArrayOf(Simple(VT_BSTR))), "SAFEARRAY(BSTR)");
    EXPECT_EQ(text(SafeArrayOf(UserDefined(myRecRef))), "SAFEARRAY(my-rec)");
    EXPECT_EQ(text(CArrayOf(Simple(VT_UI1), {16})), "UCHAR[16]");
    EXPECT_EQ(text(CArrayOf(PointerTo(Simple(VT_R8)), {8})), "comp-2[8]");
    EXPECT_EQ(text(CArrayOf(Simple(VT_I4), {3, 4})), "LONG[3][4]");
    EXPECT_EQ(text(UserDefined(0x999)), "<GetRefTypeInfo failed>");
    EXPECT_EQ(text(UserDefined(brokenRef)),
              "ITypeInfo::GetDocumentation() failed in TYPEDESCToString");
    // A reference that cannot be followed is a status, wherever it sits;
    // its text stays in place.
    std::string spelled;
    EXPECT_EQ(TypeDescText(holder, SafeArrayOf(PointerTo(UserDefined(0x999))), naming, spelled),
              TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(spelled, "SAFEARRAY(<GetRefTypeInfo failed>)");
    EXPECT_EQ(TypeDescText(holder, UserDefined(brokenRef), naming, spelled), S_OK);
    EXPECT_EQ(TypeDescText(holder, CArrayOf(UserDefined(rectRef), {2}), naming, spelled), S_OK);
    EXPECT_EQ(spelled, "RECT[2]");
    naming.SetReservedWordCheck(StandInCheck);
    EXPECT_EQ(text(UserDefined(moveRef)), "MOVE-CBL");
}

TEST_F(Utf8Locale, ShapersOfGuidsMembersAndClasses) {
    GUID dispatch{0x00020400, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    EXPECT_EQ(GuidToHex(dispatch), "0004020000000000C000000000000046");
    GUID widget{0x12345678, 0x9ABC, 0xDEF0, {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88}};
    EXPECT_EQ(GuidToHex(widget), "78563412BC9AF0DE1122334455667788");
    EXPECT_EQ(MakeMemberName(Bstr()), "Unknown");
    EXPECT_EQ(MakeMemberName(u""), "Unknown");
    // Underscores stay in member names; a period cannot stand in a word.
    EXPECT_EQ(MakeMemberName(u"a_name.with_underscores_that_runs_long"),
              "a_name-with_underscores_that_ru");
    EXPECT_EQ(MakeCoclassName(u"Sample.Widget.1"), "Sample-Widget-1");
    EXPECT_EQ(MakeCoclassName(u""), "");
}

// Each named code prints as its own name, and the name says what kind of
// code it is: no row hides behind another of the same value, no two codes
// print alike, and a failure never reads as a success or the reverse.
TEST(HresultNames, EachNameIsUniqueAndReadsAsItsCode) {
    ASSERT_FALSE(HresultNames().empty());
    std::set<std::string> seen;
    for (const HresultName& row : HresultNames()) {
        std::string name = row.name;
        EXPECT_EQ(HRESULTToString(row.value), name);
        EXPECT_TRUE(seen.insert(name).second) << name;
        bool failureName = name.starts_with("E_") || name.find("_E_") != std::string::npos;
        bool successName = name.starts_with("S_") || name.find("_S_") != std::string::npos;
        EXPECT_NE(failureName, successName) << name;
        EXPECT_EQ(failureName, (row.value & 0x80000000u) != 0) << name;
    }
}

TEST(HresultNames, TableAndHexadecimalFallback) {
    std::vector<std::pair<std::uint32_t, std::string>> cases = {
        {0, "S_OK"},
        {1, "S_FALSE"},
        {0x80004005, "E_FAIL"},
        {0x8007000E, "E_OUTOFMEMORY"},
        {0x4018F, "OLEOBJ_S_LAST"},
        {0x80040140, "VIEW_E_DRAW"},
        {0x8000FFFF, "E_UNEXPECTED"},
        {0x80020009, "DISP_E_EXCEPTION"},
        {0x8002801D, "TYPE_E_LIBNOTREGISTERED"},
        {0x80040154, "REGDB_E_CLASSNOTREG"},
        {0x80000002, "0x80000002"},
        {0xDEADBEEF, "0xdeadbeef"},
        {0x1234, "0x00001234"},
    };
    for (const auto& [value, name] : cases)
        EXPECT_EQ(HRESULTToString(value), name);
    EXPECT_EQ(HRESULTToString(static_cast<std::int32_t>(0x80004001)), "E_NOTIMPL");
}

}  // namespace
}  // namespace qorvix::test
