// Builds MSFT type-library images byte by byte, for the cases an IDL
// compiler cannot write (module constants, values of every type, odd
// names) and for damaged files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "typelib/oleauto.h"

namespace qorvix::test {

class MsftBuilder {
  public:
    // A value as stored: an inline code, or a custom-data entry.
    struct Value {
        static Value Inline(VARTYPE vt, std::uint32_t bits);
        static Value I4(std::int32_t v);
        static Value R8(double v);
        static Value R4(float v);
        static Value Cy(std::int64_t v);
        static Value Date(double v);
        static Value I8(std::int64_t v);
        static Value Error(std::int32_t scode);
        static Value Bool(bool v);
        static Value Decimal(std::uint8_t scale, bool negative, std::uint32_t hi, std::uint64_t lo);
        // `bytes` in the library's code page; nullopt for a null string.
        static Value Bstr(std::optional<std::string> bytes);
        static Value Raw(VARTYPE vt, std::vector<std::uint8_t> data);

        bool isInline = false;
        std::uint32_t inlineCode = 0;
        VARTYPE vt = VT_EMPTY;
        std::vector<std::uint8_t> data;
    };

    struct Param {
        std::optional<std::string> name;
        std::int32_t type = 0;
        std::uint32_t flags = PARAMFLAG_FIN;
        std::optional<Value> defaultValue;
    };

    struct Func {
        std::optional<std::string> name;
        MEMBERID memid = 0;
        INVOKEKIND invkind = INVOKE_FUNC;
        FUNCKIND funckind = FUNC_PUREVIRTUAL;
        std::int32_t returnType = 0;
        std::vector<Param> params;
        std::int16_t cParamsOpt = 0;
        std::uint16_t flags = 0;
        std::optional<std::string> doc;
        std::uint32_t helpContext = 0;
        // The stored vtable offset; by default 4 × the function's index.
        std::optional<std::uint16_t> vtableOffset;
        // A module function's DLL entry: a name, or an ordinal.
        std::optional<std::string> entry;
        std::optional<std::uint16_t> ordinal;
    };

    struct Var {
        std::optional<std::string> name;
        MEMBERID memid = 0;
        VARKIND varkind = VAR_CONST;
        std::int32_t type = 0;
        std::optional<Value> value;  // VAR_CONST
        std::uint32_t oInst = 0;
        std::uint16_t flags = 0;
        std::optional<std::string> doc;
    };

    struct Impl {
        std::int32_t href = 0;
        std::int32_t flags = 0;
    };

    struct Type {
        TYPEKIND kind = TKIND_ENUM;
        std::optional<std::string> name;
        std::optional<std::string> doc;
        GUID guid;
        std::uint16_t flags = 0;
        std::vector<Func> funcs;
        std::vector<Var> vars;
        std::int32_t datatype1 = -1;   // base href, alias type code, DLL name offset
        std::vector<Impl> impls;       // coclass
        std::uint16_t cImplTypes = 0;  // interfaces and dispinterfaces; coclasses use `impls`
        std::uint16_t cbSizeVft = 0;
        std::int32_t size = 4;
        std::uint16_t alignment = 4;
    };

    // Simple types are inline type codes.
    static std::int32_t Inline(VARTYPE vt) {
        return static_cast<std::int32_t>(0x80000000u | (std::uint32_t{vt} << 16) | vt);
    }
    // Composite types are entries of the typedesc segment; these return
    // their type codes.
    std::int32_t Ptr(std::int32_t target);
    std::int32_t SafeArray(std::int32_t element);
    std::int32_t UserDefined(std::int32_t href);
    std::int32_t CArray(std::int32_t element,
                        std::vector<std::pair<std::uint32_t, std::int32_t>> dims);
    // A typedesc entry with whatever words the caller wants (for damage).
    std::int32_t RawTypeDesc(std::uint32_t word0, std::uint32_t word1);

    // A reference to the type added as the index-th; valid once it exists.
    static std::int32_t LocalHref(std::size_t index) {
        return static_cast<std::int32_t>(100 * index);
    }
    // A reference to a type of another library; returns its handle.
    std::int32_t Import(const GUID& libGuid, std::uint16_t major, std::uint16_t minor,
                        const std::string& fileName, TYPEKIND kind, std::optional<GUID> typeGuid,
                        std::uint32_t typeIndex);

    std::size_t AddType(Type type) {
        m_types.push_back(std::move(type));
        return m_types.size() - 1;
    }
    // A record of instance fields, each a name and a type code.
    std::size_t AddRecord(const std::string& name,
                          const std::vector<std::pair<std::string, std::int32_t>>& fields) {
        Type record;
        record.kind = TKIND_RECORD;
        record.name = name;
        for (const auto& [fieldName, type] : fields) {
            Var field;
            field.name = fieldName;
            field.memid = 0x40000000 + static_cast<MEMBERID>(record.vars.size());
            field.varkind = VAR_PERINSTANCE;
            field.type = type;
            record.vars.push_back(field);
        }
        return AddType(std::move(record));
    }
    Type& TypeAt(std::size_t index) { return m_types[index]; }
    // A string of the strings segment, for a module's DLL name.
    std::int32_t AddString(const std::string& text);

    std::string libName = "TestLib";
    std::optional<std::string> libDoc;
    std::optional<std::string> helpFile;
    GUID libGuid{0x5A0C0DE0, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x0B, 0x01}};
    std::uint16_t major = 1;
    std::uint16_t minor = 0;
    SYSKIND syskind = SYS_WIN32;
    std::int32_t dispatchPos = -1;

    std::vector<std::uint8_t> Build();

  private:
    std::int32_t Name(const std::optional<std::string>& name);
    std::int32_t Guid(const GUID& guid, std::int32_t kind);
    std::int32_t ValueCode(const Value& value);

    std::vector<Type> m_types;
    std::vector<std::uint8_t> m_names, m_strings, m_guids, m_typeDescs, m_arrayDescs, m_custData,
        m_importInfo, m_importFiles;
};

}  // namespace qorvix::test
