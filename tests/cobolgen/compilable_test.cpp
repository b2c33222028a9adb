// Output that a COBOL compiler accepts, and names that cannot add lines to
// it: one case for each way the generated text once went wrong.
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <tuple>

#include "cobolgen/fixed_format.h"
#include "cobolgen/literals.h"
#include "naming/cobol_name.h"
#include "naming/name_table.h"
#include "naming/type_text.h"
#include "platform/locale_text.h"
#include "tests/cobolgen/writer_fixture.h"
#include "tests/support/crafted_libraries.h"
#include "tests/support/fake_typelib.h"
#include "tests/support/typelib_helpers.h"

namespace qorvix::test {
namespace {

// ---- Names from hostile libraries ---------------------------------------------

// What a line of generated source may be: empty, a comment or directive
// from column 7, or code in columns 8 to 72 (a floating comment may follow).
std::string FixedFormatFault(const std::string& line) {
    for (char c : line) {
        auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) return "a control byte";
    }
    if (line.find_first_not_of(' ') == std::string::npos) return "";
    if (line.compare(0, 6, "      ") != 0) return "text before column 7";
    if (line.compare(6, 2, "*>") == 0 || line[6] == '$') return "";
    if (line[6] != ' ') return "text in column 7";
    bool inLiteral = false;
    std::size_t end = line.size();
    for (std::size_t i = 7; i < line.size(); ++i) {
        if (line[i] == '"') inLiteral = !inLiteral;
        if (!inLiteral && line.compare(i, 2, "*>") == 0) {
            end = i;
            break;
        }
    }
    if (inLiteral) return "a literal open at the end of the line";
    std::string code = line.substr(0, end);
    code.erase(code.find_last_not_of(' ') + 1);
    if (code.size() > kLastCodeColumn) return "code past column 72";
    // What the hostile names try to smuggle in as statements of their own.
    std::string first = code.substr(code.find_first_not_of(' '));
    if (first.rfind("DISPLAY", 0) == 0 || first.rfind("MOVE", 0) == 0) return "injected code";
    return "";
}

TEST_F(WriterTest, HostileNamesNeverBreakALine) {
    ComPtr<ITypeLib> lib = LoadBytes(HostileNamesLibrary());
    ASSERT_TRUE(lib);
    ASSERT_TRUE(Generate(*lib, "Out.cpy", true, true));
    std::size_t files = 0, lines = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        std::string text = ReadText(entry.path());
        ++files;
        // Every line ends in CR LF, and no CR or LF stands anywhere else.
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << entry.path();
        for (const std::string& line : CrlfLines(text)) {
            ++lines;
            EXPECT_EQ(FixedFormatFault(line), "") << entry.path().filename() << ": " << line;
        }
    }
    // The copy file and a class file for each interface, none lost.
    EXPECT_EQ(files, 1 + HostileNames().size());
    EXPECT_GT(lines, 1000u);
    // The text a name carried is still there, as a word or in a comment.
    Lines copy = FileLines("Out.cpy");
    EXPECT_EQ(Count(copy, "       01 IFoo---------DISPLAY--X    pic s9(9) comp-5 typedef."), 1u);
    // (the enumeration's and the interface's documentation)
    EXPECT_EQ(Count(copy, "      *> IFoo         DISPLAY \"X\""), 2u);
    EXPECT_EQ(Count(copy, "       01 Nul-Name    pic s9(9) comp-5 typedef."), 1u);
    // A string value keeps its bytes: control bytes as hexadecimal runs.
    EXPECT_EQ(Block(copy, "       01 Quote-Name    pic s9(9) comp-5 typedef.", 4)[2],
              "          88 Quote-Name2                VALUE \"say \"\"hi\"\"\" & x\"0d0a\" &");
}

// ---- The word rule and the scopes of words --------------------------------------

class Words : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(std::setlocale(LC_ALL, "C.UTF-8")); }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
    CobolNaming naming;
};

TEST_F(Words, WhatCannotStandInAWordBecomesAHyphen) {
    EXPECT_EQ(naming.MakeCobolName(u"IFoo\r\n       DISPLAY \"X\"", true),
              "IFoo---------DISPLAY--X");
    EXPECT_EQ(naming.MakeCobolName(std::u16string(u"Nul\0Name", 8), true), "Nul-Name");
    EXPECT_EQ(naming.MakeCobolName(u"Tab\tEsc\x1b"
                                   u"Del\x7f"
                                   u"x",
                                   true),
              "Tab-Esc-Del-x");
    // Controls and separators of other scripts too; letters stay.
    EXPECT_EQ(naming.MakeCobolName(u"a\u0085b\u2028c\u00a0d\u00c9", true), "a-b-c-d\xc3\x89");
    // No word starts or ends with a hyphen; the cut may leave one to drop.
    EXPECT_EQ(naming.MakeCobolName(u".hidden_", true), "hidden");
    EXPECT_EQ(naming.MakeCobolName(u"Security_", true), "Security");
    EXPECT_EQ(naming.MakeCobolName(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ1234_rest", true),
              "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234");
    // A name with nothing left is made up.
    int next = naming.MadeUpNameCounter();
    EXPECT_EQ(naming.MakeCobolName(u"\r\n\t", true), "QORVIX" + std::to_string(next));
    // The reserved-word check sees the name without its trailing hyphen.
    naming.SetReservedWordCheck(
        [](const char* text, int) { return std::string(text) == "FIXED" ? 1 : 0; });
    EXPECT_EQ(naming.MakeCobolName(u"Fixed_", true), "Fixed-CBL");
    // Member names keep their underscores, but not what cannot stand in a word.
    EXPECT_EQ(MakeMemberName(u"_NewEnum"), "_NewEnum");
    EXPECT_EQ(MakeMemberName(u"Do\r\nIt"), "Do--It");
    EXPECT_EQ(CobolWord("get-x-"), "get-x");
    EXPECT_EQ(CobolWord("--"), "");
}

TEST(WordScope, TheFirstKeepsItsWordLaterOnesAreNumbered) {
    WordScope scope;
    EXPECT_EQ(scope.Claim("Thread"), "Thread");
    // COBOL does not tell letter cases apart.
    EXPECT_EQ(scope.Claim("THREAD"), "THREAD-2");
    EXPECT_EQ(scope.Claim("thread"), "thread-3");
    EXPECT_TRUE(scope.Has("thread-2"));
    // Within the limit: the stem is cut to make room, and a cut that ends on
    // a hyphen loses it.
    std::string stem = "MIDL---MIDL-itf-scrrun-0001-000";
    EXPECT_EQ(scope.Claim(stem), stem);
    EXPECT_EQ(scope.Claim(stem), "MIDL---MIDL-itf-scrrun-0001-0-2");
    EXPECT_EQ(scope.Claim("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234-5"), "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234");
    // Prefixes and suffixes stay whole.
    EXPECT_EQ(scope.Claim(stem, 31, "", "-PTR"), "MIDL---MIDL-itf-scrrun-0001-PTR");
    EXPECT_EQ(scope.Claim(stem, 31, "", "-PTR"), "MIDL---MIDL-itf-scrrun-00-2-PTR");
    EXPECT_EQ(scope.Claim("Thread", 31, "IID-"), "IID-Thread");
    EXPECT_EQ(scope.Claim("Thread", 31, "IID-"), "IID-Thread-2");
    EXPECT_FALSE(scope.Take("iid-thread"));
    EXPECT_TRUE(scope.Take("IID-Other"));
    for (const char* word : {"THREAD-2", "MIDL---MIDL-itf-scrrun-00-2-PTR", "IID-Thread-2"})
        EXPECT_LE(std::string(word).size(), 31u);
}

// ---- One name per type, used wherever the type is --------------------------------

TEST_F(WriterTest, TypeNamesAreUniqueAndEveryReferenceUsesThem) {
    FakeTypeLib lib;
    FakeTypeInfo& first = lib.Add(TKIND_ENUM, "_Thread");
    first.AddConst("Same_name_for_two_members_xxxxx_1", IntValue(VT_I4, 1));
    first.AddConst("Same_name_for_two_members_xxxxx_2", IntValue(VT_I4, 2));
    first.AddConst("same_NAME_for_two_members_xxxxx_3", IntValue(VT_I4, 3));
    FakeTypeInfo& second = lib.Add(TKIND_ENUM, "__Thread");
    FakeTypeInfo& holder = lib.Add(TKIND_RECORD, "Holder");
    holder.AddVar("a", UserDefined(holder.RefTo(first)), VAR_PERINSTANCE);
    holder.AddVar("b", UserDefined(holder.RefTo(second)), VAR_PERINSTANCE);
    FakeTypeInfo& alias = lib.Add(TKIND_ALIAS, "SecondThread");
    alias.attr.tdescAlias = UserDefined(alias.RefTo(second));
    FakeTypeInfo& unnamed = lib.Add(TKIND_INTERFACE, "");
    FakeTypeInfo& user = lib.Add(TKIND_INTERFACE, "IUser");
    user.impls.push_back({user.RefTo(unnamed), 0});
    user.attr.cImplTypes = 1;
    user.AddFunc("Take", 1, INVOKE_FUNC, VT_VOID,
                 {{"t", UserDefined(user.RefTo(second))}, {"u", UserDefined(user.RefTo(unnamed))}});
    int next = naming.MadeUpNameCounter();
    ASSERT_TRUE(Generate(lib, "Out.cpy", true));
    Lines copy = FileLines("Out.cpy");
    EXPECT_EQ(Block(copy, "       01 Thread    pic s9(9) comp-5 typedef.", 5),
              (Lines{"       01 Thread    pic s9(9) comp-5 typedef.",
                     "          88 Same-name-for-two-members-xxxxx    VALUE 1.",
                     "          88 Same-name-for-two-members-xxx-2    VALUE 2.",
                     "          88 same-NAME-for-two-members-xxx-3    VALUE 3.",
                     "       01 Thread-PTR   pointer typedef."}));
    EXPECT_EQ(Block(copy, "       01 Thread-2    pic s9(9) comp-5 typedef.", 2)[1],
              "       01 Thread-2-PTR   pointer typedef.");
    EXPECT_EQ(Block(copy, "       01 Holder    typedef.", 3),
              (Lines{"       01 Holder    typedef.", "          03 a    Thread.",
                     "          03 b    Thread-2."}));
    EXPECT_EQ(Count(copy, "       01 SecondThread    Thread-2 typedef."), 1u);
    // A made-up name is made once: the IID, the typedef, the class file and
    // every reference agree.
    std::string made = "QORVIX" + std::to_string(next);
    EXPECT_EQ(
        Count(copy, "       78 IID-" + made + "    VALUE x\"00000000000000000000000000000000\"."),
        1u);
    EXPECT_EQ(Count(copy, "       01 " + made + "    pointer typedef."), 1u);
    Lines madeClass = FileLines("qorvix" + std::to_string(next) + ".cbl");
    EXPECT_EQ(Count(madeClass, "       class-id. " + made + " data is protected"), 1u);
    Lines userClass = FileLines("iuser.cbl");
    EXPECT_EQ(Count(userClass, "                 inherits from " + made + " with data."), 1u);
    EXPECT_EQ(
        Count(userClass, "           " + made + " is class \"qorvix" + std::to_string(next) + "\""),
        1u);
    EXPECT_EQ(Count(userClass, "       01 t                             Thread-2."), 1u);
    EXPECT_EQ(Count(userClass, "       01 u                             " + made + "."), 1u);
    EXPECT_EQ(naming.MadeUpNameCounter(), next + 1);
}

TEST_F(WriterTest, DerivedWordsAndConstantsAreUniqueToo) {
    FakeTypeLib lib;
    FakeTypeInfo& m = lib.Add(TKIND_MODULE, "Constants");
    m.AddConst("IID_IThing", IntValue(VT_I4, 1));
    m.AddConst("iid_ithing", IntValue(VT_I4, 2));
    m.AddConst("HRESULT", IntValue(VT_I4, 3));
    lib.Add(TKIND_INTERFACE, "IThing");
    lib.Add(TKIND_ALIAS, "LPWSTR").attr.tdescAlias = Simple(VT_LPWSTR);
    lib.Add(TKIND_COCLASS, "A_coclass_name_cut_at_25_x");
    lib.Add(TKIND_COCLASS, "A_coclass_name_cut_at_25_y");
    ASSERT_TRUE(Generate(lib, "Out.cpy"));
    Lines copy = FileLines("Out.cpy");
    EXPECT_EQ(Block(copy, "       78 IID-IThing VALUE 1.", 3),
              (Lines{"       78 IID-IThing VALUE 1.", "       78 iid-ithing-2 VALUE 2.",
                     "       78 HRESULT-2 VALUE 3."}));
    // (iid-ithing-2 is IID-IThing-2 to a compiler)
    EXPECT_EQ(Count(copy, "       78 IID-IThing-3    VALUE x\"00000000000000000000000000000000\"."),
              1u);
    // The head's standard types keep their names.
    EXPECT_EQ(Count(copy, "       01 LPWSTR-2    LPWSTR typedef."), 1u);
    EXPECT_EQ(Count(copy, "       78 CLSID-A-coclass-name-cut-at-25"), 1u);
    EXPECT_EQ(Count(copy, "       78 CLSID-A-coclass-name-cut-at-2-2"), 1u);
}

// ---- Class files ---------------------------------------------------------------

TEST_F(WriterTest, OneReturningPhrasePerMethod) {
    FakeTypeLib lib;
    FakeTypeInfo& i = lib.Add(TKIND_INTERFACE, "IPlain");
    const USHORT retval = PARAMFLAG_FOUT | PARAMFLAG_FRETVAL;
    // A property get of a plain interface: the result is returned, the
    // [retval] parameter passed by reference with its tags.
    i.AddFunc("Value", 1, INVOKE_PROPERTYGET, VT_HRESULT, {{"pValue", PointerTo(Simple(VT_I4))}},
              {retval});
    // A void result leaves the returning phrase to the [retval] parameter,
    // after every passing phrase.
    i.AddFunc("Odd", 2, INVOKE_FUNC, VT_VOID,
              {{"result", PointerTo(Simple(VT_I4))}, {"input", Simple(VT_I4)}}, {retval});
    i.AddFunc("Plain", 3, INVOKE_FUNC, VT_VOID, {{"result", PointerTo(Simple(VT_I4))}}, {retval});
    ASSERT_TRUE(Generate(lib, "Out.cpy", true));
    Lines cls = FileLines("iplain.cbl");
    EXPECT_EQ(Block(cls, "       method-id. getValue.", 9),
              (Lines{"       method-id. getValue.", "       local-storage section.",
                     "       linkage section.", "       01 pValue                        LONG.",
                     "       01 MethodVar2                    HRESULT.",
                     "       procedure division using ",
                     "               by reference pValue     *> [OUT][RETVAL]",
                     "               returning MethodVar2.", "           exit method."}));
    EXPECT_EQ(
        Block(cls, "       method-id. Odd.", 8),
        (Lines{"       method-id. Odd.", "       local-storage section.", "       linkage section.",
               "       01 result                        LONG.",
               "       01 input                         LONG.", "       procedure division using ",
               "               by value input          *> [IN]",
               "               returning result."}));
    // What had one returning phrase is unchanged.
    EXPECT_EQ(Block(cls, "       method-id. Plain.", 5)[4],
              "       procedure division returning result.");
}

TEST_F(WriterTest, MethodIdsAreUniqueInAClass) {
    FakeTypeLib lib;
    FakeTypeInfo& i = lib.Add(TKIND_INTERFACE, "IAccess");
    // Accessors of one property share its member id.
    for (auto [name, memid, kind] : {std::tuple{"Ref", 1, INVOKE_PROPERTYPUTREF},
                                     {"Ref", 1, INVOKE_PROPERTYPUT},
                                     {"Value", 2, INVOKE_PROPERTYPUT},
                                     {"Value", 2, INVOKE_PROPERTYPUTREF},
                                     {"Only", 3, INVOKE_PROPERTYPUTREF},
                                     {"SetValue", 4, INVOKE_FUNC},
                                     {"A_method_name_longer_than_31_chars_1", 5, INVOKE_FUNC},
                                     {"A_method_name_longer_than_31_chars_2", 6, INVOKE_FUNC}}) {
        i.AddFunc(name, memid, kind, VT_VOID, {});
    }
    ASSERT_TRUE(Generate(lib, "Out.cpy", true));
    Lines cls = FileLines("iaccess.cbl");
    Lines ids;
    for (const std::string& line : cls) {
        if (line.rfind("       method-id. ", 0) == 0) ids.push_back(line.substr(18));
    }
    // A putref beside a put is setRef, wherever it stands; a putref alone,
    // and the first of two equal names, keep theirs.
    EXPECT_EQ(
        ids, (Lines{"setRefRef.", "setRef.", "setValue.", "setRefValue.", "setOnly.", "SetValue-2.",
                    "A_method_name_longer_than_31_ch.", "A_method_name_longer_than_31-2."}));
    EXPECT_EQ(Count(cls, "       end method SetValue-2."), 1u);
    EXPECT_EQ(Count(cls, "       end method A_method_name_longer_than_31-2."), 1u);
    // The copy file's comments show the names as they were.
    FakeTypeLib documented;
    FakeTypeInfo& d = documented.Add(TKIND_DISPATCH, "DAccess");
    d.AddFunc("Value", 1, INVOKE_PROPERTYPUT, VT_VOID, {});
    d.AddFunc("Value", 1, INVOKE_PROPERTYPUTREF, VT_VOID, {});
    ASSERT_TRUE(Generate(documented, "Documented.cpy"));
    EXPECT_EQ(Count(FileLines("Documented.cpy"), "      *> Method: \"setValue\"."), 2u);
}

TEST_F(WriterTest, LinkageNamesAreUniqueInAMethod) {
    FakeTypeLib lib;
    FakeTypeInfo& d = lib.Add(TKIND_DISPATCH, "IDual", {}, TYPEFLAG_FDUAL);
    for (int k = 0; k < 7; ++k)
        d.AddFunc("Inherited" + std::to_string(k), k, INVOKE_FUNC, VT_VOID, {});
    d.AddFunc("Clash", 10, INVOKE_FUNC, VT_I4,
              {{"hResult", Simple(VT_I4)}, {"MethodVar3", Simple(VT_I2)}});
    ASSERT_TRUE(Generate(lib, "Out.cpy", true, true));
    EXPECT_EQ(
        Block(FileLines("idual.cbl"), "       01 hResult-2                     LONG.", 8),
        (Lines{"       01 hResult-2                     LONG.",
               "       01 MethodVar3                    SHORT.",
               "       01 MethodVar3-2                  LONG.",
               "       01 hResult                       HRESULT.",
               "       procedure division using ", "               by value hResult-2      *> [IN]",
               "               by value MethodVar3     *> [IN]",
               "               by reference MethodVar3-2   *> [OUT][RETVAL]"}));
}

TEST_F(WriterTest, ClassFileNamesAndLinesWithinColumn72) {
    FakeTypeLib lib;
    FakeTypeInfo& base = lib.Add(TKIND_INTERFACE, "IRegisteredTaskCollection");
    FakeTypeInfo& derived = lib.Add(TKIND_INTERFACE, "I\u00c9tat\u00c0");
    derived.impls.push_back({derived.RefTo(base), 0});
    derived.attr.cImplTypes = 1;
    ASSERT_TRUE(Generate(lib, "Out\"1.cpy", true));
    EXPECT_EQ(generatedName, "Out\"1.cpy");
    // Letters beyond ASCII are lowered too.
    ASSERT_TRUE(std::filesystem::exists(dir / "i\u00e9tat\u00e0.cbl"));
    Lines cls = FileLines("i\u00e9tat\u00e0.cbl");
    EXPECT_EQ(
        Block(cls, "       class-control.", 6),
        (Lines{"       class-control.", "           IRegisteredTaskCollection is class",
               "               \"iregisteredtaskcollection\"",
               "           I\u00c9tat\u00c0 is class \"i\u00e9tat\u00e0\"", "           .", ""}));
    // A quote in the copy file's name is doubled in the copy statement.
    EXPECT_EQ(Count(cls, "         copy \"Out\"\"1.cpy\"."), 1u);
}

// ---- Records and values ---------------------------------------------------------

TEST_F(WriterTest, PointerFieldsTakeAPointersRoom) {
    FakeTypeLib lib;
    FakeTypeInfo& list = lib.Add(TKIND_RECORD, "LIST");
    list.AddVar("pszName", PointerTo(Simple(VT_I2)), VAR_PERINSTANCE);
    list.AddVar("Next", PointerTo(UserDefined(list.RefTo(list))), VAR_PERINSTANCE);
    list.AddVar("Table", CArrayOf(PointerTo(Simple(VT_R8)), {8}), VAR_PERINSTANCE);
    list.AddVar("Flagged", Simple(VT_PTR | VT_BYREF), VAR_PERINSTANCE);
    FakeTypeInfo& u = lib.Add(TKIND_UNION, "U");
    u.AddVar("l", Simple(VT_I4), VAR_PERINSTANCE);
    u.AddVar("p", PointerTo(Simple(VT_VOID)), VAR_PERINSTANCE);
    // Aliases and parameters keep the type a pointer points to.
    lib.Add(TKIND_ALIAS, "PLONG").attr.tdescAlias = PointerTo(Simple(VT_I4));
    FakeTypeInfo& i = lib.Add(TKIND_INTERFACE, "IUse");
    i.AddFunc("Use", 1, INVOKE_FUNC, VT_VOID, {{"list", PointerTo(UserDefined(i.RefTo(list)))}});
    ASSERT_TRUE(Generate(lib, "Out.cpy", true));
    Lines copy = FileLines("Out.cpy");
    EXPECT_EQ(Block(copy, "       01 LIST    typedef.", 5),
              (Lines{"       01 LIST    typedef.", "          03 pszName    pointer.",
                     "          03 Next    pointer.", "          03 Table    pointer occurs 8.",
                     "          03 Flagged    data-pointer."}));
    EXPECT_EQ(Block(copy, "       01 U    typedef.", 3)[2],
              "          03 p    pointer redefines l.");
    EXPECT_EQ(Count(copy, "       01 PLONG    LONG typedef."), 1u);
    EXPECT_EQ(Count(FileLines("iuse.cbl"), "       01 list                          LIST."), 1u);
}

// The library's offsets and sizes, for 4- and 8-byte pointers: fillers
// before a field, after the last, and as a union's last member; aliases of
// pointers take a pointer's room. Accessors stay within 31 characters.
TEST_F(WriterTest, RecordsHaveTheLibrarysLayout) {
    for (auto [syskind, pptrGap, choiceGap] :
         {std::tuple{SYS_WIN32, "", "          03 FILLER    pic x(4)."},
          std::tuple{SYS_WIN64, "          03 FILLER    pic x(4).", ""}}) {
        SCOPED_TRACE(syskind);
        ComPtr<ITypeLib> lib = LoadBytes(LayoutLibrary(syskind));
        ASSERT_TRUE(lib);
        ASSERT_TRUE(Generate(*lib, "Out.cpy", true));
        Lines copy = FileLines("Out.cpy");
        EXPECT_EQ(Block(copy, "       01 CHOICE    typedef.", 7),
                  (Lines{"       01 CHOICE    typedef.", "          03 number    LONG.",
                         "          03 p    pointer redefines number.",
                         "          03 grid occurs 3 redefines number.",
                         "             05 grid-1    UCHAR occurs 5.",
                         "          03 FILLER    pic x(16) redefines number.", ""}));
        EXPECT_EQ(Block(copy, "       01 INNER    typedef.", 7),
                  (Lines{"       01 INNER    typedef.", "          03 tag    UCHAR.",
                         "          03 FILLER    pic x(7).", "          03 amount    CURRENCYTYPE.",
                         "          03 small    SHORT.", "          03 FILLER    pic x(6).",
                         "       01 INNER-PTR   pointer typedef."}));
        Lines outer{"       01 OUTER    typedef.",
                    "          03 flag    UCHAR.",
                    "          03 FILLER    pic x(7).",
                    "          03 inner    INNER.",
                    "          03 ptr    pointer.",
                    "          03 count    LONG.",
                    pptrGap,
                    "          03 pptr    pointer.",
                    "          03 ptrs    pointer occurs 2.",
                    choiceGap,
                    "          03 choice    CHOICE.",
                    "          03 last    SHORT.",
                    "          03 FILLER    pic x(6).",
                    "       01 OUTER-PTR   pointer typedef."};
        outer.erase(std::remove(outer.begin(), outer.end(), ""), outer.end());
        EXPECT_EQ(Block(copy, outer[0], outer.size()), outer);
        // Aliases keep the type a pointer points to.
        EXPECT_EQ(Count(copy, "       01 PPVALUE    PVALUE typedef."), 1u);

        Lines ids;
        for (const std::string& line : FileLines("ilongproperties.cbl")) {
            if (line.rfind("       method-id. ", 0) == 0) ids.push_back(line.substr(18));
        }
        EXPECT_EQ(ids,
                  (Lines{"getAllowOutboundDestinationUnre.", "setAllowOutboundDestinationUnre.",
                         "setRefAllowOutboundDestinationU.", "getAllowOutboundDestinationUn-2.",
                         "setAllowOutboundDestinationUn-2.", "setRefAllowOutboundDestinatio-2."}));
        std::filesystem::remove(dir / "Out.cpy");
        std::filesystem::remove(dir / "ilongproperties.cbl");
    }
}

// Where the offsets cannot be trusted, the record is written as before:
// fields that overlap, or a record smaller than its fields.
TEST_F(WriterTest, ARecordWithoutALayoutGetsNoFillers) {
    FakeTypeLib lib;
    FakeTypeInfo& gap = lib.Add(TKIND_RECORD, "GAP");
    gap.AddVar("a", Simple(VT_I2), VAR_PERINSTANCE);
    gap.AddVar("b", Simple(VT_I4), VAR_PERINSTANCE).vars.back().desc.oInst = 4;
    gap.attr.cbSizeInstance = 8;
    FakeTypeInfo& overlap = lib.Add(TKIND_RECORD, "OVERLAP");
    overlap.AddVar("a", Simple(VT_I4), VAR_PERINSTANCE);
    overlap.AddVar("b", Simple(VT_I4), VAR_PERINSTANCE);  // also at offset 0
    overlap.attr.cbSizeInstance = 16;
    FakeTypeInfo& small = lib.Add(TKIND_RECORD, "SMALL");
    small.AddVar("a", Simple(VT_R8), VAR_PERINSTANCE);
    small.attr.cbSizeInstance = 4;
    ASSERT_TRUE(Generate(lib, "Out.cpy"));
    Lines copy = FileLines("Out.cpy");
    EXPECT_EQ(Block(copy, "       01 GAP    typedef.", 3)[2], "          03 FILLER    pic x(2).");
    EXPECT_EQ(Block(copy, "       01 OVERLAP    typedef.", 4)[3],
              "       01 OVERLAP-PTR   pointer typedef.");
    EXPECT_EQ(Block(copy, "       01 SMALL    typedef.", 3)[2],
              "       01 SMALL-PTR   pointer typedef.");
}

// A -PTR typedef keeps the number its type's name took.
TEST_F(WriterTest, PointerTypedefsNameTheirOwnType) {
    FakeTypeLib lib;
    const std::string longName = "A_union_and_records_of_one_long_name";
    lib.Add(TKIND_UNION, longName).AddVar("a", Simple(VT_I4), VAR_PERINSTANCE);
    lib.Add(TKIND_RECORD, longName).AddVar("a", Simple(VT_I4), VAR_PERINSTANCE);
    lib.Add(TKIND_RECORD, longName).AddVar("a", Simple(VT_I4), VAR_PERINSTANCE);
    ASSERT_TRUE(Generate(lib, "Out.cpy"));
    Lines copy = FileLines("Out.cpy");
    EXPECT_EQ(Block(copy, "       01 A-union-and-records-of-one-lo-2    typedef.", 3)[2],
              "       01 A-union-and-records-of-on-2-PTR   pointer typedef.");
    EXPECT_EQ(Block(copy, "       01 A-union-and-records-of-one-lo-3    typedef.", 3)[2],
              "       01 A-union-and-records-of-on-3-PTR   pointer typedef.");
}

TEST_F(WriterTest, ValuesAreLiterals) {
    FakeTypeLib lib;
    FakeTypeInfo& e = lib.Add(TKIND_ENUM, "Values");
    e.AddConst("Quoted", StringValue(u"say \"hi\""));
    e.AddConst("Broken", StringValue(u"a\r\nb"));
    e.AddConst("Empty", StringValue(u""));
    e.AddConst("When", RealValue(VT_DATE, 36526.25));
    FakeTypeInfo& m = lib.Add(TKIND_MODULE, "Constants");
    m.AddConst("Epoch", RealValue(VT_DATE, 36526.25));
    m.AddConst("Big", RealValue(VT_R8, 1e20));
    m.AddConst("Small", RealValue(VT_R4, -1.5e-7));
    m.AddConst("Undefined", RealValue(VT_R8, std::numeric_limits<double>::quiet_NaN()));
    m.AddConst("Below", RealValue(VT_R4, -std::numeric_limits<double>::infinity()));
    m.AddConst("LongText", StringValue(u"A string constant long enough to run off the line, "
                                       u"with a \"quote\" and more words after it"));
    ASSERT_TRUE(Generate(lib, "Out.cpy"));
    Lines copy = FileLines("Out.cpy");
    EXPECT_EQ(Block(copy, "       01 Values    pic s9(9) comp-5 typedef.", 5),
              (Lines{"       01 Values    pic s9(9) comp-5 typedef.",
                     "          88 Quoted                     VALUE \"say \"\"hi\"\"\".",
                     "          88 Broken                     VALUE \"a\" & x\"0d0a\" & \"b\".",
                     "          88 Empty                      VALUE \"\".",
                     "          88 When                       VALUE \"1/1/2000 6:00:00 AM\"."}));
    EXPECT_EQ(
        Block(copy, "       78 Epoch VALUE \"1/1/2000 6:00:00 AM\".", 8),
        (Lines{"       78 Epoch VALUE \"1/1/2000 6:00:00 AM\".", "       78 Big VALUE 1.0E+20.",
               "       78 Small VALUE -1.5E-07.", "       78 Undefined VALUE \"NaN\".",
               "       78 Below VALUE \"-Infinity\".", "       78 LongText",
               "                VALUE \"A string constant long enough to run off the l\" &",
               "                z\"ine, with a \"\"quote\"\" and more words after it\"."}));
}

// ---- Fitting a line into columns 8 to 72 ---------------------------------------------

// The lines of a fitted line (joined by "\n", as the writer's text is).
Lines Split(const std::string& text) {
    Lines lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

TEST(FitCodeLine, BreaksAtBlanksAndSplitsLiterals) {
    auto fit = [](const std::string& line) { return Split(FitCodeLine(line, 16)); };
    // Lines that fit, comments and directives stay as they are.
    std::string full = "       01 A" + std::string(52, 'b') + "    LONG.";
    ASSERT_EQ(full.size(), 72u);
    EXPECT_EQ(FitCodeLine(full, 16), full);
    std::string comment = "      *> " + std::string(80, 'c');
    EXPECT_EQ(FitCodeLine(comment, 16), comment);
    // A break at the last blank outside a literal before column 73.
    EXPECT_EQ(fit("       01 StandardStreamTypes    MIDL---MIDL-itf-scrrun-0001-0-3 typedef."),
              (Lines{"       01 StandardStreamTypes    MIDL---MIDL-itf-scrrun-0001-0-3",
                     "                typedef."}));
    // Blanks inside a literal do not count; a floating comment stays at the end.
    EXPECT_EQ(
        fit("       78 X VALUE \"a b c\" & \"" + std::string(40, 'd') + "\" & \"e\". *> note"),
        (Lines{"       78 X VALUE \"a b c\" & \"" + std::string(40, 'd') + "\" &",
               "                \"e\". *> note"}));
    // A literal too long for any line is split into literals joined by "&": a
    // z-literal keeps its zero on the last part, a hexadecimal one whole bytes,
    // and no split falls between two quotes that stand for one.
    Lines z =
        fit("       78 X VALUE z\"" + std::string(49, 'q') + "\"\"" + std::string(40, 'r') + "\".");
    EXPECT_EQ(z, (Lines{"       78 X VALUE \"" + std::string(49, 'q') + "\" &",
                        "                z\"\"\"" + std::string(40, 'r') + "\"."}));
    Lines hex = fit("       78 X VALUE x\"" + std::string(120, 'a') + "\".");
    for (const std::string& line : hex) {
        EXPECT_LE(line.size(), kLastCodeColumn) << line;
        auto open = line.find("x\"");
        auto close = line.rfind('"');
        if (open != std::string::npos) {
            EXPECT_EQ((close - open - 2) % 2, 0u) << line;
        }
    }
    EXPECT_EQ(hex.size(), 3u);
    // A literal is split only where a literal may be joined: after VALUE or "&".
    std::string copy = "         copy \"" + std::string(70, 'n') + ".cpy\".";
    EXPECT_EQ(fit(copy),
              (Lines{"         copy", "                \"" + std::string(70, 'n') + ".cpy\"."}));
}

TEST(FitCodeLine, NeverSplitsACharacter) {
    ASSERT_TRUE(std::setlocale(LC_ALL, "C.UTF-8"));
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "\xc3\xa9";  // é, two bytes
    // The literal starts at an odd column, so the room for it is odd.
    Lines lines = Split(FitCodeLine("       78 XY VALUE \"" + text + "\".", 16));
    std::setlocale(LC_ALL, "C");
    ASSERT_EQ(lines.size(), 2u);
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), kLastCodeColumn);
        // Every part of the literal holds whole characters.
        std::size_t open = line.find('"'), close = line.rfind('"');
        EXPECT_EQ((close - open - 1) % 2, 0u) << line;
    }
}

// Text comes to the fixed-format text in any pieces: the same bytes reach
// the sink, every line with its CR LF, also past the 64 KiB the sink gets
// at a time and for a line of 200,000 bytes; and lines another text of the
// same indent made are passed on as they are.
TEST(FixedFormatText, AnyPiecesMakeTheSameLines) {
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "      *> line " + std::to_string(i) + "\n";
    text += "      *> " + std::string(200000, 'w') + "\n";
    text += "       01 Long" + std::string(50, 'n') + "    pic x(4) comp-5.\n";
    auto write = [&](std::size_t piece) {
        StringSink sink;
        FixedFormatText out(16);
        out.SetSink(&sink);
        for (std::size_t at = 0; at < text.size(); at += piece)
            out.Write(std::string_view(text).substr(at, piece));
        out.Finish();
        return sink.text;
    };
    const std::string whole = write(text.size());
    EXPECT_EQ(whole.find("\n"), whole.find("\r\n") + 1);
    EXPECT_NE(whole.find(std::string(200000, 'w') + "\r\n"), std::string::npos);
    EXPECT_NE(whole.find("    pic\r\n                x(4) comp-5.\r\n"), std::string::npos);
    for (std::size_t piece : {1, 7, 64, 70000})
        EXPECT_EQ(write(piece), whole) << piece;

    StringSink made, sink;
    FixedFormatText maker(16), out(16);
    maker.SetSink(&made);
    maker.Write(text);
    maker.Finish();
    out.SetSink(&sink);
    out.Write("      *> first\n");
    ASSERT_TRUE(out.AtLineStart());
    out.WriteMade(made.text);
    out.Finish();
    EXPECT_EQ(sink.text, "      *> first\r\n" + whole);
}

// A copy statement too long for its line continues its literal: every
// line ends in column 72, a part holds whole characters, and no part ends
// on a blank or a quote while it can end elsewhere.
TEST(CopyStatement, ContinuesALongLiteral) {
    ASSERT_TRUE(std::setlocale(LC_ALL, "C.UTF-8"));
    EXPECT_EQ(CopyStatement("Out\"1.cpy"), "         copy \"Out\"\"1.cpy\".\n");
    std::string fits(55, 'n');
    EXPECT_EQ(CopyStatement(fits), "         copy \"" + fits + "\".\n");
    std::string accents;
    for (int i = 0; i < 97; ++i)
        accents += "\xc3\xa9";
    for (const std::string& name :
         {std::string(56, 'n'), std::string(200, 'n'), "x" + accents + "x.cpy",
          std::string("ab cd") + std::string(51, ' ') + "e\"f" + std::string(100, 'g'),
          "a" + std::string(60, '"') + "b"}) {
        SCOPED_TRACE(name);
        Lines lines = Split(CopyStatement(name));
        ASSERT_EQ(lines.back(), "");
        lines.pop_back();
        ASSERT_GT(lines.size(), 1u);
        std::string literal;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            EXPECT_EQ(line.substr(0, 7), i == 0 ? "       " : "      -");
            std::size_t quote = line.find('"');
            ASSERT_NE(quote, std::string::npos);
            EXPECT_GE(quote, 11u);
            if (i + 1 < lines.size()) {
                EXPECT_EQ(line.size(), kLastCodeColumn);
                EXPECT_NE(line.back(), ' ');
                literal += line.substr(quote + 1);
            } else {
                EXPECT_LE(line.size(), kLastCodeColumn);
                EXPECT_EQ(line.substr(line.size() - 2), "\".");
                literal += line.substr(quote + 1, line.size() - quote - 3);
            }
            EXPECT_EQ(AnsiToWide(line).find(u'\uFFFD'), std::u16string::npos);
        }
        EXPECT_EQ("\"" + literal + "\"", Quoted(name));
    }
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace qorvix::test
