// The copy file and the class files, line by line.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <clocale>

#include "cobolgen/document_driver.h"
#include "naming/cobol_name.h"
#include "naming/type_text.h"
#include "resources/string_table.h"
#include "tests/cobolgen/writer_fixture.h"
#include "tests/support/fake_typelib.h"
#include "tests/support/paths.h"
#include "tests/support/typelib_helpers.h"

namespace qorvix::test {
namespace {

// ---- The sample library compiled from IDL -----------------------------------

class ShapesWriterTest : public WriterTest {
  protected:
    void SetUp() override {
        WriterTest::SetUp();
        lib = LoadOrDie(FixturePath("shapes.tlb"));
        ASSERT_TRUE(lib);
        ASSERT_TRUE(Generate(*lib, dir / "Shapes.cpy", true, true));
        copy = FileLines("Shapes.cpy");
    }
    ComPtr<ITypeLib> lib;
    Lines copy;
};

TEST_F(ShapesWriterTest, HeadOfTheCopyFile) {
    Lines head = {
        "      *> QORVIX v1.0.16 generated copy file.",
        "",
        "      *> Standard parameter types:",
        "      $if IUnknown-ptr not defined",
        "       01 IUnknown-ptr     pointer typedef.",
        "      $end",
        "      $if IDispatch-ptr not defined",
        "       01 IDispatch-ptr     pointer typedef.",
        "      $end",
        "      $if LPWSTR not defined",
        "       01 LPWSTR     pointer typedef.  *> Pointer to Unicode string",
        "      $end",
        "      $if LPSTR not defined",
        "       01 LPSTR     pointer typedef.  *> Pointer to string",
        "      $end",
        "      $if OLEDATE not defined",
        "       01 OLEDATE     comp-2 typedef.",
        "      $end",
        "      $if HRESULT not defined",
        "       01 HRESULT     pic x(4) comp-5 typedef.",
        "      $end",
        "      $if int64 not defined",
        "       01 int64 typedef.",
        "         03 high-int64   pic s9(9) comp-5.",
        "         03 low-int64    pic x(4) comp-5.",
        "       01 uint64 typedef.",
        "         03 high-uint64   pic x(4) comp-5.",
        "         03 low-uint64    pic x(4) comp-5.",
        "      $end",
        "",
        "      *> For automation use:",
        "      *> BSTR - pic x(n) or object reference of class chararry",
        "      *> CURRENCYTYPE - comp-3",
        "      *> OLEDATE - the olesup method \"formatDateToOLE\"",
        "      *> IDispatch-Ptr - object reference",
        "      *> VARIANT - object reference of class olevar",
        "      *> SAFEARRAY() - object reference of class olesafea",
        "      *> IUknown-Ptr - object reference of class olevar containing an interface pointer",
        "",
        "      *> ==========================",
        "      *> = Type library contents: =",
        "      *> ==========================",
        "      *> Name: Shapes",
        "      *> Shapes and widgets for the qorvix tests",
        "",
    };
    ASSERT_GE(copy.size(), head.size());
    EXPECT_EQ(Lines(copy.begin(), copy.begin() + static_cast<long>(head.size())), head);
    EXPECT_EQ(generatedName, "Shapes.cpy");
    // Every line of every file ends in CR LF on disk.
    for (const std::string file : {"Shapes.cpy", "ishape.cbl", "iwidget.cbl", "iwidget2.cbl"}) {
        for (const std::string& line : FileLines(file)) {
            EXPECT_EQ(line.find("<"), line.find("<GetRefTypeInfo")) << file << ": " << line;
        }
    }
}

TEST_F(ShapesWriterTest, EnumerationsUnionsRecordsAndAliases) {
    EXPECT_EQ(Block(copy, "       01 Colors    pic s9(9) comp-5 typedef.", 5),
              (Lines{"       01 Colors    pic s9(9) comp-5 typedef.",
                     "          88 Red                        VALUE 0.",
                     "          88 Green                      VALUE 1.",
                     "       01 Colors-PTR   pointer typedef.", ""}));
    EXPECT_EQ(Block(copy, "       01 U    typedef.", 4),
              (Lines{"       01 U    typedef.", "          03 a    LONG.",
                     "          03 b    SHORT redefines a.", ""}));
    EXPECT_EQ(Block(copy, "          03 buf    UCHAR occurs 32.", 7),
              (Lines{"          03 buf    UCHAR occurs 32.", "          03 grid occurs 3.",
                     "             05 grid-1    LONG occurs 4.", "          03 cube occurs 2.",
                     "             05 cube-1 occurs 3.",
                     "                07 cube-2    pic 9(2) comp-5 occurs 4.",
                     "          03 names    SAFEARRAY(BSTR)."}));
    EXPECT_EQ(Block(copy, "       01 HANDLE-T    LONG typedef.", 4),
              (Lines{"       01 HANDLE-T    LONG typedef.", "",
                     "       01 HANDLE-ALIAS    HANDLE-T typedef.", ""}));
    EXPECT_EQ(Block(copy, "      *> Vorzeichen: négatif, zéro, größer", 2)[1],
              "       01 Signs    pic s9(9) comp-5 typedef.");
}

TEST_F(ShapesWriterTest, KindsInTheirOrder) {
    auto position = [&](const std::string& line) {
        auto it = std::find(copy.begin(), copy.end(), line);
        EXPECT_NE(it, copy.end()) << line;
        return it - copy.begin();
    };
    auto enumeration = position("       01 Colors    pic s9(9) comp-5 typedef.");
    auto unionType = position("       01 U    typedef.");
    auto record = position("       01 Rect    typedef.");
    auto alias = position("       01 HANDLE-T    LONG typedef.");
    auto coclass = position("      *> FOUND CLASS: \"Widget\".");
    auto interface = position("      *> FOUND INTERFACE: \"IShape\".");
    auto dispinterface = position("      *> FOUND DISPINTERFACE: \"DWindow\".");
    EXPECT_LT(enumeration, unionType);
    EXPECT_LT(unionType, record);
    EXPECT_LT(record, alias);
    EXPECT_LT(alias, coclass);
    EXPECT_LT(coclass, interface);
    EXPECT_LT(interface, dispinterface);
}

TEST_F(ShapesWriterTest, ClassesInterfacesAndDispinterfaces) {
    EXPECT_EQ(
        Block(copy, "      *> FOUND CLASS: \"My_Widget\".", 4),
        (Lines{"      *> FOUND CLASS: \"My_Widget\".",
               "      *> (Class has no ProgID in the registry)",
               "       78 CLSID-My-Widget   VALUE x\"E00D0C5A000000408000000000000042\".", ""}));
    EXPECT_EQ(Block(copy, "      *> FOUND INTERFACE: \"IShape\".", 5),
              (Lines{"      *> FOUND INTERFACE: \"IShape\".", "      *> -=-=-=-=-=-=-=-=-=-=-=-=",
                     "       78 IID-IShape    VALUE x\"E00D0C5A000000408000000000000021\".",
                     "       01 IShape    pointer typedef.", ""}));
    // The dual dispinterface with -id: a real pointer typedef and a class file.
    EXPECT_EQ(Block(copy, "      *> FOUND DISPINTERFACE: \"IWidget\".", 5)[3],
              "       01 IWidget    pointer typedef.");
    // The automation-only dispinterface: documented in comments.
    EXPECT_EQ(Block(copy, "      *> FOUND DISPINTERFACE: \"DWindow\".", 7),
              (Lines{"      *> FOUND DISPINTERFACE: \"DWindow\".",
                     "      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=",
                     "       78 IID-DWindow    VALUE x\"E00D0C5A000000408000000000000031\".",
                     "      *> 01 DWindow    pointer typedef.", "      *> Window events", "", ""}));
}

TEST_F(ShapesWriterTest, MoveInCommentForm) {
    EXPECT_EQ(Block(copy, "      *> Moves the object", 10),
              (Lines{"      *> Moves the object", "      *> Method: \"Move\".",
                     "      *> 01 X                           LONG.",
                     "      *> 01 Y                           VARIANT.",
                     "      *> 01 MethodVar3                  BOOL.", "      *> invoke using ",
                     "      *>       by value X              *> [IN]",
                     "      *>       by value Y              *> [IN][OPTIONAL]",
                     "      *>       returning MethodVar3.", "      *> ----------------"}));
    EXPECT_EQ(
        Block(copy, "      *> Method: \"Close\".", 3),
        (Lines{"      *> Method: \"Close\".", "      *> invoke.", "      *> ----------------"}));
}

TEST_F(ShapesWriterTest, MoveInDualClassForm) {
    Lines widget = FileLines("iwidget.cbl");
    EXPECT_EQ(
        Block(widget, "      *> Moves the object", 16),
        (Lines{"      *> Moves the object", "       method-id. Move.",
               "       local-storage section.", "       linkage section.",
               "       01 X                             LONG.",
               "       01 Y                             VARIANT.",
               "       01 MethodVar3                    BOOL.",
               "       01 hResult                       HRESULT.",
               "       procedure division using ", "               by value X              *> [IN]",
               "               by value Y              *> [IN][OPTIONAL]",
               "               by reference MethodVar3 *> [OUT][RETVAL]",
               "               returning hResult.", "           exit method.",
               "       end method Move.", ""}));
    // Without parameters or result a dual method still returns hResult.
    EXPECT_EQ(Block(widget, "       method-id. Nothing.", 7),
              (Lines{"       method-id. Nothing.", "       local-storage section.",
                     "       linkage section.", "       01 hResult                       HRESULT.",
                     "       procedure division returning hResult.", "           exit method.",
                     "       end method Nothing."}));
    // The inherited IUnknown and IDispatch functions are left out.
    EXPECT_EQ(std::count_if(widget.begin(), widget.end(),
                            [](const std::string& l) {
                                return l.find("method-id. QueryInterface") != std::string::npos;
                            }),
              0);
    EXPECT_EQ(Block(widget, "       class-id. IWidget data is protected", 2)[1],
              "                 inherits from IDispatch with data.");
}

// ---- Hand-made libraries -----------------------------------------------------

TEST_F(WriterTest, IShapeClassFileLineByLine) {
    FakeTypeLib lib;
    FakeTypeInfo& unknown = lib.Add(TKIND_INTERFACE, "IUnknown");
    FakeTypeInfo& shape = lib.Add(TKIND_INTERFACE, "IShape", GUID{1, 2, 3, {4}});
    shape.doc = u"Shape interface";
    shape.impls.push_back({shape.RefTo(unknown), 0});
    shape.attr.cImplTypes = 1;
    shape.AddFunc("Move", 0x60010000, INVOKE_FUNC, VT_HRESULT,
                  {{"X", Simple(VT_I4)}, {"Y", Simple(VT_I4)}}, {}, "Moves the shape");
    ASSERT_TRUE(Generate(lib, "TypeLib.cpy", true));
    Lines expected = {
        "      *> QORVIX generated OLE interface class.",
        "      *> Shape interface",
        "",
        "       class-id. IShape data is protected",
        "                 inherits from IUnknown with data.",
        "",
        "       special-names.",
        "           call-convention 74 is WINAPI.",
        "",
        "       object section.",
        "",
        "       class-control.",
        "           IUnknown is class \"iunknown\"",
        "           IShape is class \"ishape\"",
        "           .",
        "",
        "       working-storage section.",
        "         copy \"kzole.cpy\".",
        "         copy \"TypeLib.cpy\".",
        "",
        "       class-object.",
        "       object-storage section.",
        "",
        "       end class-object.",
        "",
        "       object.",
        "       object-storage section.",
        "",
        "      *> Moves the shape",
        "       method-id. Move.",
        "       local-storage section.",
        "       linkage section.",
        "       01 X                             LONG.",
        "       01 Y                             LONG.",
        "       01 MethodVar3                    HRESULT.",
        "       procedure division using ",
        "               by value X              *> [IN]",
        "               by value Y              *> [IN]",
        "               returning MethodVar3.",
        "           exit method.",
        "       end method Move.",
        "",
        "       end object.",
        "       end class IShape.",
        "",
    };
    EXPECT_EQ(FileLines("ishape.cbl"), expected);
}

TEST_F(WriterTest, ClassFilesWithoutBaseFunctionsOrDocumentation) {
    FakeTypeLib lib;
    FakeTypeInfo& empty = lib.Add(TKIND_INTERFACE, "IEmpty");
    (void)empty;
    ASSERT_TRUE(Generate(lib, "Out.cpy", true));
    Lines lines = FileLines("iempty.cbl");
    EXPECT_EQ(lines[1], "      *> ");
    EXPECT_EQ(lines[4], "                 .");
    EXPECT_EQ(
        Block(lines, "       class-control.", 3),
        (Lines{"       class-control.", "           IEmpty is class \"iempty\"", "           ."}));
    EXPECT_EQ(Lines(lines.end() - 5, lines.end()),
              (Lines{"       object-storage section.", "", "       end object.",
                     "       end class IEmpty.", ""}));
    // Without -i no class file is written or asked for.
    TempDir other;
    std::string name = other / "Out.cpy";
    ASSERT_TRUE(Generate(lib, name, false));
    EXPECT_FALSE(std::filesystem::exists(other / "iempty.cbl"));
}

TEST_F(WriterTest, VisiblePropertyAndMethodEdgeCases) {
    FakeTypeLib lib;
    FakeTypeInfo& d = lib.Add(TKIND_DISPATCH, "DThing");
    d.AddVar("Visible", Simple(VT_BOOL), VAR_DISPATCH, 0, "Shows the window");
    d.AddVar("Read_Only", PointerTo(Simple(VT_I4)), VAR_DISPATCH, 1);
    d.AddVar("Constant", Simple(VT_I4), VAR_CONST);
    d.vars.back().desc.lpvarValue = std::make_shared<VARIANT>(IntValue(VT_I4, 5));
    // A put whose value is unnamed, a get without parameters, a get with an index.
    d.AddFunc("Size", 1, INVOKE_PROPERTYPUT, VT_VOID, {{"", Simple(VT_I4)}});
    d.AddFunc("Title", 2, INVOKE_PROPERTYGET, VT_BSTR, {});
    d.AddFunc("Item", 3, INVOKE_PROPERTYGET, VT_VARIANT, {{"index", Simple(VT_I4)}});
    // A void parameter is left out; later made-up names still count it.
    d.AddFunc("Odd", 4, INVOKE_FUNC, VT_I4, {{"", Simple(VT_VOID)}, {"", Simple(VT_I2)}});
    d.AddFunc("AParameterNameThatIsVeryLong_xx", 5, INVOKE_FUNC, VT_VOID,
              {{"AParameterNameThatIsVeryLongX", Simple(VT_I4)}});
    ASSERT_TRUE(Generate(lib, "Out.cpy"));
    Lines copy = FileLines("Out.cpy");
    EXPECT_EQ(Block(copy, "      *> Shows the window", 7),
              (Lines{"      *> Shows the window", "      *> Property method: \"getVisible\".",
                     "      *> Property method: \"setVisible\".",
                     "      *> 01 Visible                     BOOL.",
                     "      *> invoke returning Visible.",
                     "      *> invoke using by value Visible.", "      *> ----------------"}));
    EXPECT_EQ(Block(copy, "      *> Property method: \"getRead_Only\".", 4),
              (Lines{"      *> Property method: \"getRead_Only\".",
                     "      *> 01 Read_Only                   LONG.",
                     "      *> invoke returning Read_Only.", "      *> ----------------"}));
    EXPECT_EQ(Block(copy, "       78 Constant VALUE 5.", 2)[1], "");
    EXPECT_EQ(
        Block(copy, "      *> Method: \"setSize\".", 4),
        (Lines{"      *> Method: \"setSize\".", "      *> 01 Size                        LONG.",
               "      *> invoke using ", "      *>       by value Size           *> [IN]."}));
    EXPECT_EQ(
        Block(copy, "      *> Method: \"getTitle\".", 3),
        (Lines{"      *> Method: \"getTitle\".", "      *> 01 Title                       BSTR.",
               "      *> invoke returning Title."}));
    EXPECT_EQ(Block(copy, "      *> Method: \"getItem\".", 6)[2],
              "      *> 01 MethodVar2                  VARIANT.");
    EXPECT_EQ(Block(copy, "      *> Method: \"Odd\".", 6),
              (Lines{"      *> Method: \"Odd\".", "      *> 01 MethodVar2                  SHORT.",
                     "      *> 01 MethodVar3                  LONG.", "      *> invoke using ",
                     "      *>       by value MethodVar2     *> [IN]",
                     "      *>       returning MethodVar3."}));
    // A name of 28 characters moves the type from column 41 to 45.
    EXPECT_EQ(Block(copy, "      *> Method: \"AParameterNameThatIsVeryLong_xx\".", 2)[1],
              "      *> 01 AParameterNameThatIsVeryLongX   LONG.");
}

TEST_F(WriterTest, DualTypesDocumentedInTheCopyFile) {
    FakeTypeLib lib;
    FakeTypeInfo& d = lib.Add(TKIND_DISPATCH, "IOnlyInherited", {}, TYPEFLAG_FDUAL);
    for (int i = 0; i < 7; ++i)
        d.AddFunc("Inherited" + std::to_string(i), 0x60000000 + i, INVOKE_FUNC, VT_VOID, {});
    d.AddVar("Prop", Simple(VT_I4), VAR_DISPATCH);
    ASSERT_TRUE(Generate(lib, "Out.cpy", true, false));
    Lines copy = FileLines("Out.cpy");
    // Documented (not a class) without -id: no properties block, no inherited methods.
    EXPECT_EQ(std::count(copy.begin(), copy.end(), "      *> [PROPERTIES:]"), 0);
    // The methods heading, no entry, and the closing empty line end the file.
    EXPECT_EQ(Lines(copy.end() - 2, copy.end()), (Lines{"      *> [METHODS:]", ""}));
}

TEST_F(WriterTest, ConstantsOfEveryKind) {
    FakeTypeLib lib;
    FakeTypeInfo& m = lib.Add(TKIND_MODULE, "Values");
    m.AddConst("MAX_ITEMS", IntValue(VT_I4, 100));
    m.AddConst("Greeting", StringValue(u"Hello"));
    m.AddConst("Quote", StringValue(u"He said \"hi\""));
    m.AddConst("EmptyText", StringValue(u""));
    m.AddConst("Tabbed", StringValue(u"A\tB"));
    m.AddConst("Lined", StringValue(u"AB\n"));
    m.AddConst("Bytes", StringValue(u"\x01\x02"));
    m.AddConst("Nul", StringValue(std::u16string(u"A\0B", 3)));
    m.AddConst("NotDone", IntValue(VT_ERROR, static_cast<std::int32_t>(0x80004001)));
    m.AddConst("Unknown", IntValue(VT_HRESULT, static_cast<std::int32_t>(0x80041234)));
    m.AddConst("Ratio", RealValue(VT_R8, -2.5));
    m.AddConst("Price", IntValue(VT_CY, 12345678));
    m.AddConst("Yes", IntValue(VT_BOOL, -1));
    m.AddConst("Nothing", IntValue(VT_NULL, 0));
    m.AddConst("ABCDEFGHIJKLMNOPQRSTUVWXYZ12345", StringValue(u"abcdefghijklmnopqr"));   // 31 + 21
    m.AddConst("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234X", StringValue(u"abcdefghijklmnopqrs"));  // 31 + 22
    m.AddVar("NotAConstant", Simple(VT_I4), VAR_STATIC);
    FakeTypeInfo& none = lib.Add(TKIND_MODULE, "NoConstants");
    none.AddVar("Static", Simple(VT_I4), VAR_STATIC);
    lib.Add(TKIND_MODULE, "Empty");
    ASSERT_TRUE(Generate(lib, "Out.cpy"));
    Lines copy = FileLines("Out.cpy");
    Lines expected = {
        "       78 MAX-ITEMS VALUE 100.",
        "       78 Greeting VALUE z\"Hello\".",
        "       78 Quote VALUE z\"He said \"\"hi\"\"\".",
        "       78 EmptyText VALUE x\"00\".",
        "       78 Tabbed VALUE \"A\" & x\"09\" & \"B\".",
        "       78 Lined VALUE \"AB\" & x\"0a00\".",
        "       78 Bytes VALUE x\"010200\".",
        "       78 Nul VALUE z\"A\".",
        "       78 NotDone VALUE E_NOTIMPL.",
        "       78 Unknown VALUE 0x80041234.",
        "       78 Ratio VALUE -2.5.",
        "       78 Price VALUE 1234.5678.",
        "       78 Yes VALUE -1.",
        "       78 Nothing VALUE x\"00\".",
        "       78 ABCDEFGHIJKLMNOPQRSTUVWXYZ12345 VALUE z\"abcdefghijklmnopqr\".",
        "       78 ABCDEFGHIJKLMNOPQRSTUVWXYZ1234X",
        "                VALUE z\"abcdefghijklmnopqrs\".",
        "",
        // The module without constants: only the empty line. The empty
        // module writes nothing at all.
        "",
    };
    EXPECT_EQ(Block(copy, "       78 MAX-ITEMS VALUE 100.", expected.size()), expected);
    EXPECT_EQ(copy.size(), 45u + expected.size());
}

TEST_F(WriterTest, EnumerationMembersAndLongNames) {
    FakeTypeLib lib;
    FakeTypeInfo& e = lib.Add(TKIND_ENUM, "ABCDEFGHIJKLMNOPQRSTUVWXYZ12345");
    e.AddConst("Text", StringValue(u"abc"));
    e.AddConst("Failure", IntValue(VT_ERROR, static_cast<std::int32_t>(0x80004005)));
    e.AddConst("Odd", IntValue(VT_ERROR, static_cast<std::int32_t>(0x80041234)));
    e.AddConst("AMemberNameOfTwentySevenXYZ", IntValue(VT_I4, 1));  // 13 + 27 = 40
    lib.Add(TKIND_ENUM, "Empty");
    ASSERT_TRUE(Generate(lib, "Out.cpy"));
    Lines copy = FileLines("Out.cpy");
    EXPECT_EQ(
        Block(copy, "       01 ABCDEFGHIJKLMNOPQRSTUVWXYZ12345    pic s9(9) comp-5 typedef.", 7),
        (Lines{"       01 ABCDEFGHIJKLMNOPQRSTUVWXYZ12345    pic s9(9) comp-5 typedef.",
               "          88 Text                       VALUE \"abc\".",
               "          88 Failure                    VALUE E_FAIL.",
               "          88 Odd                        VALUE 0x80041234.",
               "          88 AMemberNameOfTwentySevenXYZ    VALUE 1.",
               "       01 ABCDEFGHIJKLMNOPQRSTUVWXYZ1-PTR   pointer typedef.", ""}));
    EXPECT_EQ(Block(copy, "       01 Empty    pic s9(9) comp-5 typedef.", 3),
              (Lines{"       01 Empty    pic s9(9) comp-5 typedef.",
                     "       01 Empty-PTR   pointer typedef.", ""}));
}

TEST_F(WriterTest, ConstantAndIdentifierForms) {
    FakeTypeLib lib;
    lib.Add(TKIND_COCLASS, "TenLetters",
            GUID{0x12345678, 0x9ABC, 0xDEF0, {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88}});
    lib.Add(TKIND_COCLASS, "ElevenChars");
    lib.Add(TKIND_INTERFACE, "ITwelveChars");
    lib.Add(TKIND_INTERFACE, "IThirteenChrs");
    lib.Add(TKIND_INTERFACE, "IAnInterfaceNameOfExactlyFortyCharacters");
    ASSERT_TRUE(Generate(lib, "Out.cpy"));
    Lines copy = FileLines("Out.cpy");
    EXPECT_EQ(Block(copy, "      *> FOUND CLASS: \"TenLetters\".", 4)[2],
              "       78 CLSID-TenLetters   VALUE x\"78563412BC9AF0DE1122334455667788\".");
    EXPECT_EQ(
        Block(copy, "      *> FOUND CLASS: \"ElevenChars\".", 4),
        (Lines{"      *> FOUND CLASS: \"ElevenChars\".",
               "      *> (Class has no ProgID in the registry)", "       78 CLSID-ElevenChars",
               "                       VALUE x\"00000000000000000000000000000000\"."}));
    EXPECT_EQ(Block(copy, "      *> FOUND INTERFACE: \"ITwelveChars\".", 3)[2],
              "       78 IID-ITwelveChars    VALUE x\"00000000000000000000000000000000\".");
    EXPECT_EQ(Block(copy, "      *> FOUND INTERFACE: \"IThirteenChrs\".", 4)[2],
              "       78 IID-IThirteenChrs");
    EXPECT_EQ(
        Block(copy, "      *> FOUND INTERFACE: \"IAnInterfaceNameOfExactlyFortyC\".", 5),
        (Lines{"      *> FOUND INTERFACE: \"IAnInterfaceNameOfExactlyFortyC\".",
               "      *> -=-=-=-=-=-=-=-=-=-=-=-=", "       78 IID-IAnInterfaceNameOfExactlyFo",
               "                       VALUE x\"00000000000000000000000000000000\".",
               "       01 IAnInterfaceNameOfExactlyFortyC    pointer typedef."}));
}

TEST_F(WriterTest, ReservedWordsOnlyWhereChecked) {
    naming.SetReservedWordCheck(
        [](const char* text, int) { return std::string(text) == "DISPLAY" ? 1 : 0; });
    FakeTypeLib lib;
    lib.Add(TKIND_INTERFACE, "Display");
    ASSERT_TRUE(Generate(lib, "Out.cpy", true));
    Lines copy = FileLines("Out.cpy");
    EXPECT_EQ(Block(copy, "      *> FOUND INTERFACE: \"Display\".", 4),
              (Lines{"      *> FOUND INTERFACE: \"Display\".", "      *> -=-=-=-=-=-=-=-=-=-=-=-=",
                     "       78 IID-Display    VALUE x\"00000000000000000000000000000000\".",
                     "       01 Display-CBL    pointer typedef."}));
    EXPECT_TRUE(std::filesystem::exists(dir / "display-cbl.cbl"));
}

TEST_F(WriterTest, MadeUpNamesAndSkippedMembers) {
    FakeTypeLib lib;
    FakeTypeInfo& r = lib.Add(TKIND_UNION, "__");
    r.AddVar("first", Simple(VT_I4), VAR_PERINSTANCE);
    r.AddVar("buf", CArrayOf(Simple(VT_UI1), {32}), VAR_PERINSTANCE);
    r.AddVar("lost", Simple(VT_I4), VAR_PERINSTANCE);
    r.failVars.insert(2);
    int next = naming.MadeUpNameCounter();
    ASSERT_TRUE(Generate(lib, "Out.cpy"));
    std::string name = "QORVIX" + std::to_string(next);
    EXPECT_EQ(Block(FileLines("Out.cpy"), "       01 " + name + "    typedef.", 4),
              (Lines{"       01 " + name + "    typedef.", "          03 first    LONG.",
                     "          03 buf    UCHAR occurs 32 redefines first.", ""}));
    // The run's next generation numbers on; the browser's type texts share
    // the counter too.
    FakeTypeInfo& holder = lib.Add(TKIND_RECORD, "Holder");
    EXPECT_EQ(TYPEDESCToString(holder, UserDefined(holder.RefTo(r)), naming),
              "QORVIX" + std::to_string(next + 1));
    ASSERT_TRUE(Generate(lib, "Again.cpy"));
    EXPECT_EQ(Count(FileLines("Again.cpy"),
                    "       01 QORVIX" + std::to_string(next + 2) + "    typedef."),
              1u);
}

// Dispinterfaces repeat the methods of their interfaces, and the copy file
// comments on each in full every time: a parameter's type is the one its
// own handle leads to, and a made-up name numbers on.
TEST_F(WriterTest, RepeatedMethods) {
    FakeTypeLib lib;
    FakeTypeInfo& x = lib.Add(TKIND_ALIAS, "Xtype");
    FakeTypeInfo& y = lib.Add(TKIND_ALIAS, "Ytype");
    for (auto [name, target] : {std::pair{"DispA", &x}, {"DispB", &y}}) {
        FakeTypeInfo& d = lib.Add(TKIND_DISPATCH, name);
        d.AddFunc("Move", 1, INVOKE_FUNC, VT_VOID, {{"to", UserDefined(d.RefTo(*target))}});
        d.AddFunc("Odd", 2, INVOKE_FUNC, VT_VOID, {{"__", Simple(VT_I4)}});
        d.AddFunc("Same", 3, INVOKE_FUNC, VT_I4, {{"n", Simple(VT_I4)}}, {}, "Documented");
    }
    int next = naming.MadeUpNameCounter();
    ASSERT_TRUE(Generate(lib, "Out.cpy"));
    Lines copy = FileLines("Out.cpy");
    auto declared = [](const std::string& name, const std::string& type) {
        std::string line = "      *> 01 " + name;
        return line + std::string(40 - line.size(), ' ') + type + ".";
    };
    EXPECT_EQ(Count(copy, declared("to", "Xtype")), 1u);
    EXPECT_EQ(Count(copy, declared("to", "Ytype")), 1u);
    for (int n : {next, next + 1})
        EXPECT_EQ(Count(copy, declared("QORVIX" + std::to_string(n), "LONG")), 1u) << n;
    // A method both have is commented on alike, line for line.
    auto first = std::find(copy.begin(), copy.end(), "      *> Documented");
    ASSERT_LT(first + 7, copy.end());
    auto second = std::find(first + 1, copy.end(), "      *> Documented");
    ASSERT_LT(second + 7, copy.end());
    EXPECT_TRUE(std::equal(first, first + 7, second));
    EXPECT_EQ(first[1], "      *> Method: \"Same\".");
}

TEST_F(WriterTest, CommentsStayOnTheirLineAndClassFilesInTheFolder) {
    FakeTypeLib lib;
    lib.doc = u"Line one\r\nline two";
    FakeTypeInfo& e = lib.Add(TKIND_INTERFACE, "I/../escape");
    e.doc = u"doc\nwith break";
    ASSERT_TRUE(Generate(lib, "Out.cpy", true));
    Lines copy = FileLines("Out.cpy");
    EXPECT_EQ(Block(copy, "      *> Name: FakeLib", 2)[1], "      *> Line one  line two");
    // '/' and '.' cannot stand in a word: the name leads nowhere.
    ASSERT_TRUE(std::filesystem::exists(dir / "i----escape.cbl"));
    Lines cls = FileLines("i----escape.cbl");
    EXPECT_EQ(cls[1], "      *> doc with break");
    EXPECT_EQ(cls[12], "           I----escape is class \"i----escape\"");
}

TEST_F(WriterTest, PeriodAfterATagCommentGoesOnALineOfItsOwn) {
    FakeTypeLib lib;
    FakeTypeInfo& i = lib.Add(TKIND_INTERFACE, "IVoid");
    i.AddFunc("Set", 0x60010000, INVOKE_FUNC, VT_VOID, {{"value", Simple(VT_I4)}});
    ASSERT_TRUE(Generate(lib, "Out.cpy", true));
    EXPECT_EQ(
        Block(FileLines("ivoid.cbl"), "       procedure division using ", 4),
        (Lines{"       procedure division using ", "               by value value          *> [IN]",
               "               .", "           exit method."}));
}

// ---- Files, folders and questions ---------------------------------------------

TEST_F(WriterTest, ExistingFilesAreOnlyReplacedOnYes) {
    FakeTypeLib lib;
    lib.Add(TKIND_INTERFACE, "IThing");
    WriteText(dir / "Out.cpy", "keep me");
    prompter.answers = {Answer::No};
    EXPECT_FALSE(Generate(lib, dir / "Out.cpy", true));
    EXPECT_EQ(ReadText(dir / "Out.cpy"), "keep me");
    EXPECT_FALSE(std::filesystem::exists(dir / "ithing.cbl"));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].id, IDS_FILE_EXISTS);
    EXPECT_EQ(prompter.shown[0].text,
              "The file\n'Out.cpy'\nalready exists. Do you want to overwrite it?");
    EXPECT_EQ(prompter.shown[0].defaultAnswer, Answer::No);
    EXPECT_EQ(prompter.shown[0].icon, MessageIcon::Question);

    prompter.shown.clear();
    prompter.answers = {Answer::Yes};
    EXPECT_TRUE(Generate(lib, dir / "Out.cpy", true));
    EXPECT_NE(ReadText(dir / "Out.cpy"), "keep me");

    // A class file that exists is asked about too; No skips only that file.
    prompter.shown.clear();
    prompter.answers = {Answer::Yes, Answer::No};
    WriteText(dir / "ithing.cbl", "old class");
    EXPECT_TRUE(Generate(lib, dir / "Out.cpy", true));
    EXPECT_EQ(ReadText(dir / "ithing.cbl"), "old class");
    EXPECT_EQ(prompter.Ids(), (std::vector<int>{IDS_FILE_EXISTS, IDS_FILE_EXISTS}));
}

TEST_F(WriterTest, NamesThatDifferOnlyInCaseAreTwoWords) {
    // COBOL does not tell the cases apart: the second interface is renamed,
    // and with it its class file, so nothing is asked or replaced.
    FakeTypeLib lib;
    lib.Add(TKIND_INTERFACE, "IThing");
    lib.Add(TKIND_INTERFACE, "ITHING");
    EXPECT_TRUE(Generate(lib, "Out.cpy", true));
    EXPECT_TRUE(prompter.Ids().empty());
    EXPECT_NE(ReadText(dir / "ithing.cbl").find("class-id. IThing "), std::string::npos);
    EXPECT_NE(ReadText(dir / "ithing-2.cbl").find("class-id. ITHING-2 "), std::string::npos);
}

TEST_F(WriterTest, FoldersThatCannotBeUsed) {
    FakeTypeLib lib;
    // Root writes into any folder whose mode says read-only; nobody creates
    // files in /proc.
    std::string readOnly = "/proc";
    if (geteuid() != 0) {
        readOnly = dir / "locked";
        std::filesystem::create_directory(readOnly);
        chmod(readOnly.c_str(), 0555);
    }
    EXPECT_FALSE(Generate(lib, readOnly + "/Out.cpy"));
    EXPECT_EQ(prompter.Ids(), std::vector<int>{IDS_CANNOT_WRITE});
    EXPECT_FALSE(std::filesystem::exists(readOnly + "/Out.cpy"));
}

TEST_F(WriterTest, AFolderThatDoesNotExistSendsNothingElsewhere) {
    FakeTypeLib lib;
    std::filesystem::current_path(dir.Path());
    EXPECT_FALSE(Generate(lib, "missing/sub/Out.cpy"));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].id, IDS_CANNOT_WRITE);
    EXPECT_NE(prompter.shown[0].text.find("'missing/sub/Out.cpy'"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "Out.cpy"));
}

TEST_F(WriterTest, RelativeNamesFollowTheLastGeneration) {
    FakeTypeLib lib;
    std::string other = dir / "other";
    std::filesystem::create_directory(other);
    std::filesystem::current_path(dir.Path());
    ASSERT_TRUE(Generate(lib, "  " + other + "/First.cpy  "));
    EXPECT_EQ(generatedName, "First.cpy");
    EXPECT_EQ(folder, other);
    // The process stays where it was; the run's folder moved.
    EXPECT_EQ(std::filesystem::current_path(), dir.Path());
    ASSERT_TRUE(Generate(lib, "Second.cpy"));
    EXPECT_TRUE(std::filesystem::exists(other + "/Second.cpy"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Second.cpy"));
    ASSERT_TRUE(Generate(lib, "../Third.cpy"));
    EXPECT_TRUE(std::filesystem::exists(dir / "Third.cpy"));
    EXPECT_EQ(folder, dir.Path());
    // A generation whose folder cannot be used leaves the run's folder be.
    EXPECT_FALSE(Generate(lib, "missing/Fourth.cpy"));
    EXPECT_EQ(folder, dir.Path());
}

TEST_F(WriterTest, LongPathsAndLibrariesWithoutDocumentation) {
    FakeTypeLib lib;
    lib.failDocumentation = true;
    std::string deep = dir.Path();
    while (deep.size() < 300)
        deep += "/a-rather-long-folder-name";
    std::filesystem::create_directories(deep);
    ASSERT_TRUE(Generate(lib, deep + "/Out.cpy"));
    Lines copy = CrlfLines(ReadText(deep + "/Out.cpy"));
    ASSERT_EQ(copy.size(), 43u);
    EXPECT_EQ(copy[41], "      *> ==========================");
    EXPECT_EQ(copy[42], "");

    lib.failDocumentation = false;
    lib.doc = u"";
    ASSERT_TRUE(Generate(lib, deep + "/Out2.cpy"));
    copy = CrlfLines(ReadText(deep + "/Out2.cpy"));
    EXPECT_EQ(copy[42], "      *> Name: FakeLib");
    EXPECT_EQ(copy[43], "      *> ");
}

TEST_F(WriterTest, ASecondGenerationOnTheSameWriterIsRefused) {
    FakeTypeLib lib;
    DocumentDriver driver({}, WriterServices{&prompter});
    std::string name = dir / "Out.cpy";
    ASSERT_TRUE(driver.GenerateCopyFile(name, lib));
    std::string again = "Again.cpy";
    EXPECT_FALSE(driver.GenerateCopyFile(again, lib));
    EXPECT_EQ(prompter.Ids(), std::vector<int>{IDS_ALREADY_OPEN});
    EXPECT_EQ(prompter.shown[0].text, "The file\n'Again.cpy'\nis already open!");
}

TEST_F(WriterTest, TypesThatCannotBeReadAreSkipped) {
    FakeTypeLib lib;
    lib.Add(TKIND_ENUM, "Unreadable").failAttr = true;
    lib.Add(TKIND_ENUM, "Undocumented").failDocumentation = true;
    lib.Add(TKIND_ENUM, "Gone");
    lib.failTypes.insert(2);
    lib.Add(TKIND_ENUM, "Kept");
    ASSERT_TRUE(Generate(lib, "Out.cpy"));
    Lines copy = FileLines("Out.cpy");
    ASSERT_EQ(copy.size(), 48u);
    EXPECT_EQ(copy[45], "       01 Kept    pic s9(9) comp-5 typedef.");
}

}  // namespace
}  // namespace qorvix::test

namespace qorvix::test {
namespace {

// The SLTG sample documents its dispinterfaces as any MSFT library does:
// every method and every property, and every reference resolved.
TEST_F(WriterTest, TheSltgSampleIsDocumentedLikeAnyLibrary) {
    auto path = SharedPath("corpus/win-xl5en32.olb");
    if (!path) GTEST_SKIP() << "the shared corpus is not on this machine";
    ComPtr<ITypeLib> lib = LoadOrDie(*path);
    std::size_t methods = 0, properties = 0;
    for (UINT i = 0; i < lib->GetTypeInfoCount(); ++i) {
        ComPtr<ITypeInfo> info;
        ASSERT_EQ(lib->GetTypeInfo(i, info), S_OK);
        TYPEATTR attr = Attr(*info);
        if (attr.typekind != TKIND_DISPATCH) continue;
        methods += attr.cFuncs;
        for (UINT v = 0; v < attr.cVars; ++v)
            properties += Var(*info, v).varkind == VAR_DISPATCH;
    }
    ASSERT_TRUE(Generate(*lib, "Excel.cpy", true, true));
    Lines copy = FileLines("Excel.cpy");
    auto count = [&](const std::string& prefix) {
        return static_cast<std::size_t>(
            std::count_if(copy.begin(), copy.end(),
                          [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
    };
    EXPECT_EQ(methods, 1387u);
    EXPECT_EQ(count("      *> Method: \""), methods);
    EXPECT_EQ(count("      *> Property method: \"get"), properties);
    EXPECT_EQ(count("      *> FOUND DISPINTERFACE: "), 129u);
    EXPECT_EQ(count("      *> [METHODS:]"), 129u);
    EXPECT_EQ(count("          88 "), 808u);
    for (const std::string& line : copy) {
        EXPECT_EQ(line.find("failed"), std::string::npos) << line;
    }
    EXPECT_EQ(Block(copy, "      *> Method: \"Open\".", 2)[1],
              "      *> 01 Filename                    VARIANT.");
}

}  // namespace
}  // namespace qorvix::test

namespace qorvix::test {
namespace {

TEST_F(WriterTest, ProgIdsFromTheRegistry) {
    struct Registry : ProgIdLookup {
        HRESULT ProgIDFromCLSID(const CLSID& clsid, std::u16string& progId) override {
            if (clsid.Data1 != 0x12345678) return REGDB_E_CLASSNOTREG;
            progId = u"Sample.Widget";
            return S_OK;
        }
    } registry;
    FakeTypeLib lib;
    lib.Add(TKIND_COCLASS, "Widget",
            GUID{0x12345678, 0x9ABC, 0xDEF0, {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88}});
    lib.Add(TKIND_COCLASS, "Other");
    WriterServices services{&prompter, &registry};
    DocumentDriver driver({}, services);
    std::string name = "Out.cpy";
    ASSERT_TRUE(driver.GenerateCopyFile(name, lib));
    driver.CloseCopyFile();
    Lines copy = FileLines("Out.cpy");
    EXPECT_EQ(Block(copy, "      *> FOUND CLASS: \"Widget\".", 4),
              (Lines{"      *> FOUND CLASS: \"Widget\".",
                     "      *> Widget is class \"$OLE$Sample.Widget\".",
                     "       78 CLSID-Widget   VALUE x\"78563412BC9AF0DE1122334455667788\".", ""}));
    EXPECT_EQ(Block(copy, "      *> FOUND CLASS: \"Other\".", 2)[1],
              "      *> (Class has no ProgID in the registry)");
}

}  // namespace
}  // namespace qorvix::test
