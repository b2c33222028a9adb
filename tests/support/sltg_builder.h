// Builds SLTG type-library images byte by byte: no compiler here writes the
// format, so tests that need a case the sample lacks make their own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "typelib/oleauto.h"

namespace qorvix::test {

class SltgBuilder {
  public:
    // A type as SLTG words: the first carries the flag bits (direction,
    // [lcid], [retval], one pointer level); see the format notes.
    using Words = std::vector<std::uint16_t>;

    struct Param {
        std::optional<std::string> name;
        Words type;
        bool inlineType = true;
    };

    struct Func {
        std::optional<std::string> name;
        MEMBERID memid = 0;
        std::uint8_t kind = 0xCB;  // 0x4C virtual, 0xCB dispatch, 0x8B static
        INVOKEKIND invkind = INVOKE_FUNC;
        std::uint8_t callconv = CC_STDCALL;
        std::vector<Param> params;
        std::uint8_t cParamsOpt = 0;
        Words returnType = {VT_VARIANT};
        bool inlineReturn = true;
        std::uint16_t vtableOffset = 0xFFFF;
        std::optional<std::uint16_t> funcFlags;
    };

    struct Var {
        std::optional<std::string> name;  // none: the name offset 0xFFFE
        MEMBERID memid = 0;
        std::uint8_t flags =
            0x12;  // 0x02 inline type, 0x08 u16 value, 0x10 const, 0x40 dispatch, 0x80 read-only
        Words type = {0x0056};
        std::optional<std::int32_t> value;  // stored as an i32
        std::optional<std::optional<std::string>>
            text;                // stored as an lstr (nullopt inside: 0xFFFF)
        std::uint16_t word = 0;  // oInst, or the value with flag 0x08
        std::optional<std::uint16_t> varFlags;
    };

    struct Impl {
        std::uint8_t flags = 0;
        std::uint16_t reference = 0;  // reference number in the type's table
    };

    struct Type {
        TYPEKIND kind = TKIND_ENUM;
        std::string name;
        GUID guid;
        std::uint16_t typeFlags = 0;
        std::uint32_t helpContext = 0;
        std::vector<Func> funcs;
        std::vector<Var> vars;
        std::vector<Impl> impls;
        std::vector<std::string> references;  // "*\R...*#..." strings
        std::optional<VARTYPE> aliasSimple;
        Words aliasWords;
        std::uint16_t cbSizeInstance = 4;
        std::uint16_t cbAlignment = 4;
        std::uint16_t cbSizeVft = 0;
    };

    // Adds a string to the name table; returns its name offset.
    std::uint16_t AddName(const std::string& name);

    std::string libName = "SltgLib";
    std::optional<std::string> libDoc;
    std::optional<std::string> helpFile;
    std::uint32_t helpContext = 0;
    std::uint16_t lcid = 0x0409;
    std::uint16_t major = 1;
    std::uint16_t minor = 0;
    GUID libGuid{0x5A0C0DE0, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0x5C, 0x01}};
    std::vector<Type> types;

    std::vector<std::uint8_t> Build();

  private:
    std::vector<std::uint8_t> TypeBlock(const Type& type);
    std::vector<std::uint8_t> m_names;
};

}  // namespace qorvix::test
