#include "tests/support/crafted_libraries.h"

#include "tests/support/msft_builder.h"

namespace qorvix::test {
namespace {

using Builder = MsftBuilder;
using Value = MsftBuilder::Value;

GUID Numbered(std::uint32_t n) {
    return GUID{0x5A0C0DE0,
                static_cast<std::uint16_t>(n),
                0x4000,
                {0x80, 0, 0, 0, 0, 0, 0x0C, static_cast<std::uint8_t>(n)}};
}

Builder::Var Constant(const std::string& name, MEMBERID memid, VARTYPE vt, Value value) {
    Builder::Var var;
    var.name = name;
    var.memid = memid;
    var.type = Builder::Inline(vt);
    var.value = std::move(value);
    return var;
}

// A record's or union's field at `offset`.
Builder::Var Field(const std::string& name, MEMBERID memid, std::int32_t type,
                   std::uint32_t offset = 0) {
    Builder::Var var;
    var.name = name;
    var.memid = memid;
    var.varkind = VAR_PERINSTANCE;
    var.type = type;
    var.oInst = offset;
    return var;
}

Builder::Param Param(const std::string& name, std::int32_t type, std::uint32_t flags) {
    Builder::Param p;
    p.name = name;
    p.type = type;
    p.flags = flags;
    return p;
}

Builder::Func Method(const std::string& name, MEMBERID memid, INVOKEKIND kind,
                     std::vector<Builder::Param> params,
                     std::int32_t result = Builder::Inline(VT_HRESULT)) {
    Builder::Func f;
    f.name = name;
    f.memid = memid;
    f.invkind = kind;
    f.params = std::move(params);
    f.returnType = result;
    return f;
}

Builder::Type Named(TYPEKIND kind, const std::string& name, std::uint32_t guid = 0) {
    Builder::Type type;
    type.kind = kind;
    type.name = name;
    if (guid != 0) type.guid = Numbered(guid);
    return type;
}

}  // namespace

std::vector<std::string> HostileNames() {
    return {
        "Cr\rName",
        "Lf\nName",
        "IFoo\r\n       DISPLAY \"X\"",
        "Tab\tName",
        "Esc\x1bName",
        std::string("Nul\0Name", 8),
        "Del\x7fName",
        "Bel\x07Name",
        "Quote\"Name",
        "Apos'Name",
        "\r\nLeading",
        "Trailing\r\n",
        "Blank Name. MOVE 1 TO X",
    };
}

std::vector<std::uint8_t> HostileNamesLibrary() {
    Builder b;
    b.libName = "Hostile\r\n       DISPLAY \"LIB\"";
    b.libDoc = "A library\nwhose text\rbreaks lines";
    const std::string value = "say \"hi\"\r\n       DISPLAY \"X\"\t\x1b\x7f";
    std::vector<std::string> names = HostileNames();
    std::uint32_t guid = 1;
    for (const std::string& name : names) {
        Builder::Type e = Named(TKIND_ENUM, name);
        e.doc = name;
        e.vars = {Constant(name, 0, VT_I4, Value::I4(1)),
                  Constant(name + "2", 1, VT_BSTR, Value::Bstr(value))};
        std::size_t enumIndex = b.AddType(e);

        Builder::Type r = Named(TKIND_RECORD, name);
        r.vars = {Field(name, 0, Builder::Inline(VT_I4)),
                  Field(name + "P", 1, b.Ptr(Builder::Inline(VT_I2)), 4),
                  Field(name + "A", 2, b.CArray(Builder::Inline(VT_UI1), {{4, 0}, {2, 0}}), 8),
                  Field(name + "E", 3, b.UserDefined(Builder::LocalHref(enumIndex)), 16)};
        r.size = 20;
        std::size_t recordIndex = b.AddType(r);

        Builder::Type u = Named(TKIND_UNION, name);
        u.vars = {Field(name, 0, Builder::Inline(VT_I4)),
                  Field(name + "2", 1, b.UserDefined(Builder::LocalHref(recordIndex)))};
        u.size = 20;
        b.AddType(u);

        Builder::Type alias = Named(TKIND_ALIAS, name);
        alias.datatype1 = b.UserDefined(Builder::LocalHref(recordIndex));
        b.AddType(alias);

        Builder::Type module = Named(TKIND_MODULE, name);
        module.vars = {Constant(name, 0, VT_I4, Value::I4(7)),
                       Constant(name + "S", 1, VT_BSTR, Value::Bstr(value))};
        b.AddType(module);

        Builder::Type iface = Named(TKIND_INTERFACE, name, guid++);
        iface.doc = name;
        Builder::Func method =
            Method(name, 0x60010000, INVOKE_FUNC,
                   {Param(name, Builder::Inline(VT_I4), PARAMFLAG_FIN),
                    Param(name + "R", b.Ptr(b.UserDefined(Builder::LocalHref(recordIndex))),
                          PARAMFLAG_FOUT | PARAMFLAG_FRETVAL)});
        method.doc = name;
        iface.funcs = {method};
        std::size_t ifaceIndex = b.AddType(iface);

        Builder::Type disp = Named(TKIND_DISPATCH, name, guid++);
        disp.flags = TYPEFLAG_FDISPATCHABLE;
        disp.cImplTypes = 1;
        Builder::Func dispMethod =
            Method(name, 1, INVOKE_FUNC, {Param(name, Builder::Inline(VT_BSTR), PARAMFLAG_FIN)},
                   Builder::Inline(VT_VOID));
        dispMethod.funckind = FUNC_DISPATCH;
        disp.funcs = {dispMethod};
        Builder::Var property = Field(name, 2, Builder::Inline(VT_BSTR));
        property.varkind = VAR_DISPATCH;
        property.doc = name;
        disp.vars = {property, Constant(name + "C", 3, VT_BSTR, Value::Bstr(value))};
        b.AddType(disp);

        Builder::Type coclass = Named(TKIND_COCLASS, name, guid++);
        coclass.impls = {{static_cast<std::int32_t>(Builder::LocalHref(ifaceIndex)), 1}};
        b.AddType(coclass);
    }
    return b.Build();
}

std::vector<std::uint8_t> CompilerFaultsLibrary() {
    Builder b;
    b.libName = "CompilerFaults";
    b.libDoc = "Each shape of library that once gave text a compiler rejects";

    // Names that meet once the leading underscores are gone, or once cut.
    for (const char* name : {"_Thread", "__Thread", "A_type_name_that_runs_past_the_cut_1",
                             "A_type_name_that_runs_past_the_cut_2"}) {
        Builder::Type e = Named(TKIND_ENUM, name);
        e.vars = {Constant("A_member_name_that_runs_past_the_cut_1", 0, VT_I4, Value::I4(1)),
                  Constant("A_member_name_that_runs_past_the_cut_2", 1, VT_I4, Value::I4(2)),
                  Constant("Quoted", 2, VT_BSTR, Value::Bstr("say \"hi\"")),
                  Constant("Epoch", 3, VT_DATE, Value::Date(36526.25))};
        b.AddType(e);
    }
    // A trailing underscore, and a name that is nothing but underscores.
    Builder::Type security = Named(TKIND_ENUM, "Security_");
    security.vars = {Constant("Trailing_", 0, VT_I4, Value::I4(0))};
    std::size_t securityIndex = b.AddType(security);
    b.AddType(Named(TKIND_ENUM, "___"));

    // Pointer fields, one to its own record, and a union of pointers.
    std::size_t listIndex = b.AddType(Named(TKIND_RECORD, "LIST_ENTRY"));
    b.TypeAt(listIndex).vars = {
        Field("pszName", 0, b.Ptr(Builder::Inline(VT_I2))),
        Field("Next", 1, b.Ptr(b.UserDefined(Builder::LocalHref(listIndex))), 4),
        Field("Table", 2, b.CArray(b.Ptr(Builder::Inline(VT_R8)), {{8, 0}}), 8),
        Field("Kind", 3, b.UserDefined(Builder::LocalHref(securityIndex)), 40)};
    b.TypeAt(listIndex).size = 44;
    Builder::Type values = Named(TKIND_UNION, "VALUES");
    values.vars = {Field("lValue", 0, Builder::Inline(VT_I4)),
                   Field("pValue", 1, b.Ptr(Builder::Inline(VT_VOID))),
                   Field("pList", 2, b.Ptr(b.UserDefined(Builder::LocalHref(listIndex))))};
    b.AddType(values);

    // An alias whose line runs past column 72.
    Builder::Type longRecord = Named(TKIND_RECORD, "MIDL___MIDL_itf_faults_0001_0001");
    longRecord.vars = {Field("value", 0, Builder::Inline(VT_I4))};
    std::size_t longIndex = b.AddType(longRecord);
    Builder::Type longAlias = Named(TKIND_ALIAS, "AnAliasWithARatherLongNameToo");
    longAlias.datatype1 = b.UserDefined(Builder::LocalHref(longIndex));
    b.AddType(longAlias);

    // Constants: a date, long strings, and a name an IID constant wants.
    Builder::Type module = Named(TKIND_MODULE, "Constants");
    module.vars = {Constant("Epoch", 0, VT_DATE, Value::Date(36526.25)),
                   Constant("LongText", 1, VT_BSTR,
                            Value::Bstr("A string constant long enough to run off the line, with a "
                                        "\"quote\" and a\ttab and more words after them")),
                   Constant("A_constant_name_of_31_chars_xyz", 2, VT_BSTR,
                            Value::Bstr("Another long string that cannot stay on its line")),
                   Constant("IID_IProperties", 3, VT_I4, Value::I4(1)),
                   Constant("Hex", 4, VT_BSTR, Value::Bstr(std::string(60, '\x01'))),
                   Constant("Big", 5, VT_R8, Value::R8(1e20)),
                   Constant("Small", 6, VT_R4, Value::R4(-1.5e-7f))};
    b.AddType(module);

    // A plain interface with property accessors of every kind.
    Builder::Type props = Named(TKIND_INTERFACE, "IProperties", 1);
    std::int32_t variant = Builder::Inline(VT_VARIANT);
    props.funcs = {
        Method("Value", 1, INVOKE_PROPERTYGET,
               {Param("pValue", b.Ptr(variant), PARAMFLAG_FOUT | PARAMFLAG_FRETVAL)}),
        Method("Value", 1, INVOKE_PROPERTYPUTREF, {Param("value", variant, PARAMFLAG_FIN)}),
        Method("Value", 1, INVOKE_PROPERTYPUT, {Param("value", variant, PARAMFLAG_FIN)}),
        Method("SetValue", 2, INVOKE_FUNC, {Param("value", variant, PARAMFLAG_FIN)}),
        Method("A_method_name_that_runs_past_the_cut_1", 3, INVOKE_FUNC, {}),
        Method("A_method_name_that_runs_past_the_cut_2", 4, INVOKE_FUNC, {}),
        Method("_NewEnum", 5, INVOKE_PROPERTYGET,
               {Param("ppEnum", b.Ptr(Builder::Inline(VT_UNKNOWN)),
                      PARAMFLAG_FOUT | PARAMFLAG_FRETVAL)}),
        // [retval] before an [in]: the returning phrase still comes last.
        Method("Odd", 6, INVOKE_FUNC,
               {Param("result", b.Ptr(Builder::Inline(VT_I4)), PARAMFLAG_FOUT | PARAMFLAG_FRETVAL),
                Param("input", Builder::Inline(VT_I4), PARAMFLAG_FIN)},
               Builder::Inline(VT_VOID)),
        Method("hResult", 7, INVOKE_FUNC,
               {Param("hResult", Builder::Inline(VT_I4), PARAMFLAG_FIN),
                Param("MethodVar2", Builder::Inline(VT_I4), PARAMFLAG_FIN)})};
    std::size_t propsIndex = b.AddType(props);

    // A name long enough to push the class-control line past column 72.
    Builder::Type longName = Named(TKIND_INTERFACE, "IRegisteredTaskCollection", 2);
    longName.cImplTypes = 1;
    longName.datatype1 = Builder::LocalHref(propsIndex);
    longName.funcs = {Method(
        "Count", 1, INVOKE_PROPERTYGET,
        {Param("pCount", b.Ptr(Builder::Inline(VT_I4)), PARAMFLAG_FOUT | PARAMFLAG_FRETVAL)})};
    b.AddType(longName);

    // A non-ASCII name (windows-1252: IÉtatÀ), and an empty one.
    b.AddType(Named(TKIND_INTERFACE, "I\xC9tat\xC0", 3));
    b.AddType(Named(TKIND_INTERFACE, "", 4));
    b.AddType(Named(TKIND_INTERFACE, "IThing", 5));
    b.AddType(Named(TKIND_INTERFACE, "ITHING", 6));
    b.AddType(Named(TKIND_COCLASS, "A_coclass_name_that_runs_past_the_cut_1", 7));
    b.AddType(Named(TKIND_COCLASS, "A_coclass_name_that_runs_past_the_cut_2", 8));
    return b.Build();
}

std::vector<std::uint8_t> LayoutLibrary(SYSKIND syskind) {
    Builder b;
    b.syskind = syskind;
    b.libName = syskind == SYS_WIN64 ? "Layout64" : "Layout32";
    const std::uint32_t p = syskind == SYS_WIN64 ? 8 : 4;  // a pointer's size

    Builder::Type pointer = Named(TKIND_ALIAS, "PVALUE");
    pointer.datatype1 = b.Ptr(Builder::Inline(VT_I4));
    pointer.size = static_cast<std::int32_t>(p);
    std::size_t pointerIndex = b.AddType(pointer);
    Builder::Type twice = Named(TKIND_ALIAS, "PPVALUE");
    twice.datatype1 = b.UserDefined(Builder::LocalHref(pointerIndex));
    twice.size = static_cast<std::int32_t>(p);
    std::size_t twiceIndex = b.AddType(twice);
    const std::int32_t pvalue = b.UserDefined(Builder::LocalHref(pointerIndex));

    // Gaps before a field and after the last. (The 8-byte field is not a
    // comp-2: GnuCOBOL cannot nest a typedef with one twice.)
    Builder::Type inner = Named(TKIND_RECORD, "INNER");
    inner.vars = {Field("tag", 0, Builder::Inline(VT_UI1)),
                  Field("amount", 1, Builder::Inline(VT_CY), 8),
                  Field("small", 2, Builder::Inline(VT_I2), 16)};
    inner.size = 24;
    inner.alignment = 8;
    std::size_t innerIndex = b.AddType(inner);

    Builder::Type choice = Named(TKIND_UNION, "CHOICE");
    // A member of two dimensions after the first, smaller than the union.
    choice.vars = {Field("number", 0, Builder::Inline(VT_I4)), Field("p", 1, pvalue),
                   Field("grid", 2, b.CArray(Builder::Inline(VT_UI1), {{3, 0}, {5, 0}}))};
    choice.size = 16;
    std::size_t choiceIndex = b.AddType(choice);

    // Its gaps differ with the size of a pointer.
    const bool wide = syskind == SYS_WIN64;
    Builder::Type outer = Named(TKIND_RECORD, "OUTER");
    outer.vars = {
        Field("flag", 0, Builder::Inline(VT_UI1)),
        Field("inner", 1, b.UserDefined(Builder::LocalHref(innerIndex)), 8),
        Field("ptr", 2, pvalue, 32),
        Field("count", 3, Builder::Inline(VT_I4), 32 + p),
        Field("pptr", 4, b.UserDefined(Builder::LocalHref(twiceIndex)), wide ? 48 : 40),
        Field("ptrs", 5, b.CArray(pvalue, {{2, 0}}), wide ? 56 : 44),
        Field("choice", 6, b.UserDefined(Builder::LocalHref(choiceIndex)), wide ? 72 : 56),
        Field("last", 7, Builder::Inline(VT_I2), wide ? 88 : 72)};
    outer.size = wide ? 96 : 80;
    outer.alignment = 8;
    b.AddType(outer);

    // Accessors whose "get", "set" or "setRef" would take them past 31
    // characters, and two properties that meet once cut.
    Builder::Type props = Named(TKIND_INTERFACE, "ILongProperties", 1);
    const std::int32_t value = Builder::Inline(VT_I4);
    MEMBERID memid = 1;
    for (const char* name :
         {"AllowOutboundDestinationUnreach", "AllowOutboundDestinationUnreachable"}) {
        props.funcs.push_back(
            Method(name, memid, INVOKE_PROPERTYGET,
                   {Param("pValue", b.Ptr(value), PARAMFLAG_FOUT | PARAMFLAG_FRETVAL)}));
        props.funcs.push_back(
            Method(name, memid, INVOKE_PROPERTYPUT, {Param("value", value, PARAMFLAG_FIN)}));
        props.funcs.push_back(
            Method(name, memid, INVOKE_PROPERTYPUTREF, {Param("value", value, PARAMFLAG_FIN)}));
        ++memid;
    }
    b.AddType(props);
    return b.Build();
}

std::vector<std::uint8_t> MissingImportLibrary() {
    Builder b;
    b.libName = "MissingImport";
    b.libDoc = "Types of a library that is not on the machine";
    const GUID absent{0x5A0C0DE0, 0xAB5E, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x0C, 0xFF}};
    std::int32_t record = b.UserDefined(
        b.Import(absent, 1, 0, "C:\\Nowhere\\absent.tlb", TKIND_RECORD, std::nullopt, 0));
    std::int32_t itf = b.UserDefined(
        b.Import(absent, 1, 0, "C:\\Nowhere\\absent.tlb", TKIND_INTERFACE, Numbered(0xF0), 1));

    b.AddRecord("Holder", {{"missing", record}, {"pointer", b.Ptr(record)}});
    Builder::Type alias = Named(TKIND_ALIAS, "MissingAlias");
    alias.datatype1 = record;
    b.AddType(alias);
    Builder::Type uses = Named(TKIND_INTERFACE, "IUsesMissing", 1);
    uses.funcs = {
        Method("Take", 1, INVOKE_FUNC,
               {Param("value", record, PARAMFLAG_FIN), Param("other", b.Ptr(itf), PARAMFLAG_FIN)}),
        Method("Give", 2, INVOKE_FUNC,
               {Param("result", b.Ptr(b.Ptr(itf)), PARAMFLAG_FOUT | PARAMFLAG_FRETVAL)}),
        Method("Item", 3, INVOKE_PROPERTYGET,
               {Param("result", b.Ptr(record), PARAMFLAG_FOUT | PARAMFLAG_FRETVAL)})};
    b.AddType(uses);
    return b.Build();
}

}  // namespace qorvix::test
