// The vocabulary of the platform's type-library services (OLE Automation),
// spelled as published, so that the rest of the program reads like code
// written against the real thing. Records are plain values; anything that
// needs freeing is owned by a standard container or smart pointer.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qorvix {

using HRESULT = std::int32_t;
using SCODE = std::int32_t;
using VARTYPE = std::uint16_t;
using MEMBERID = std::int32_t;
using DISPID = std::int32_t;
using HREFTYPE = std::uint32_t;
using LCID = std::uint32_t;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using USHORT = std::uint16_t;
using SHORT = std::int16_t;
using UINT = std::uint32_t;
using INT = std::int32_t;
using ULONG = std::uint32_t;

// A BSTR: UTF-16 text that may hold NULs, or null (absent).
using Bstr = std::optional<std::u16string>;

constexpr bool SUCCEEDED(HRESULT hr) {
    return hr >= 0;
}
constexpr bool FAILED(HRESULT hr) {
    return hr < 0;
}

constexpr HRESULT MakeHresult(std::uint32_t bits) {
    return static_cast<HRESULT>(bits);
}

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = MakeHresult(0x80004001);
inline constexpr HRESULT E_POINTER = MakeHresult(0x80004003);
inline constexpr HRESULT E_FAIL = MakeHresult(0x80004005);
inline constexpr HRESULT E_OUTOFMEMORY = MakeHresult(0x8007000E);
inline constexpr HRESULT E_INVALIDARG = MakeHresult(0x80070057);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = MakeHresult(0x80020005);
inline constexpr HRESULT DISP_E_BADVARTYPE = MakeHresult(0x80020008);
inline constexpr HRESULT DISP_E_OVERFLOW = MakeHresult(0x8002000A);
inline constexpr HRESULT TYPE_E_LIBNOTREGISTERED = MakeHresult(0x8002801D);
inline constexpr HRESULT TYPE_E_INVDATAREAD = MakeHresult(0x80028018);
inline constexpr HRESULT TYPE_E_UNSUPFORMAT = MakeHresult(0x80028019);
inline constexpr HRESULT TYPE_E_ELEMENTNOTFOUND = MakeHresult(0x8002802B);
inline constexpr HRESULT TYPE_E_CANTLOADLIBRARY = MakeHresult(0x80029C4A);
inline constexpr HRESULT TYPE_E_CIRCULARTYPE = MakeHresult(0x80029C84);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = MakeHresult(0x80040154);
inline constexpr HRESULT CO_E_CLASSSTRING = MakeHresult(0x800401F3);

inline constexpr MEMBERID MEMBERID_NIL = -1;

struct GUID {
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::array<std::uint8_t, 8> Data4{};

    friend bool operator==(const GUID&, const GUID&) = default;
    bool IsNull() const { return *this == GUID{}; }
};
using CLSID = GUID;
using IID = GUID;

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper case, as StringFromGUID2.
std::u16string StringFromGUID2(const GUID& guid);
std::string GuidToString(const GUID& guid);
// Parses the braced form; nullopt when the text is not exactly that form.
std::optional<GUID> GuidFromString(std::u16string_view text);

enum VARENUM : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_DECIMAL = 14,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
    VT_VOID = 24,
    VT_HRESULT = 25,
    VT_PTR = 26,
    VT_SAFEARRAY = 27,
    VT_CARRAY = 28,
    VT_USERDEFINED = 29,
    VT_LPSTR = 30,
    VT_LPWSTR = 31,
    VT_FILETIME = 64,
    VT_BLOB = 65,
    VT_STREAM = 66,
    VT_STORAGE = 67,
    VT_STREAMED_OBJECT = 68,
    VT_STORED_OBJECT = 69,
    VT_BLOB_OBJECT = 70,
    VT_CF = 71,
    VT_CLSID = 72,
    VT_VECTOR = 0x1000,
    VT_ARRAY = 0x2000,
    VT_BYREF = 0x4000,
    VT_RESERVED = 0x8000,
};

enum TYPEKIND : std::int32_t {
    TKIND_ENUM = 0,
    TKIND_RECORD = 1,
    TKIND_MODULE = 2,
    TKIND_INTERFACE = 3,
    TKIND_DISPATCH = 4,
    TKIND_COCLASS = 5,
    TKIND_ALIAS = 6,
    TKIND_UNION = 7,
    TKIND_MAX = 8,
};

enum FUNCKIND : std::int32_t {
    FUNC_VIRTUAL = 0,
    FUNC_PUREVIRTUAL = 1,
    FUNC_NONVIRTUAL = 2,
    FUNC_STATIC = 3,
    FUNC_DISPATCH = 4,
};

enum INVOKEKIND : std::int32_t {
    INVOKE_FUNC = 1,
    INVOKE_PROPERTYGET = 2,
    INVOKE_PROPERTYPUT = 4,
    INVOKE_PROPERTYPUTREF = 8,
};

enum CALLCONV : std::int32_t {
    CC_FASTCALL = 0,
    CC_CDECL = 1,
    CC_PASCAL = 2,
    CC_MACPASCAL = 3,
    CC_STDCALL = 4,
    CC_FPFASTCALL = 5,
    CC_SYSCALL = 6,
    CC_MPWCDECL = 7,
    CC_MPWPASCAL = 8,
};

enum VARKIND : std::int32_t {
    VAR_PERINSTANCE = 0,
    VAR_STATIC = 1,
    VAR_CONST = 2,
    VAR_DISPATCH = 3,
};

enum SYSKIND : std::int32_t { SYS_WIN16 = 0, SYS_WIN32 = 1, SYS_MAC = 2, SYS_WIN64 = 3 };

enum : WORD {
    TYPEFLAG_FAPPOBJECT = 0x1,
    TYPEFLAG_FCANCREATE = 0x2,
    TYPEFLAG_FLICENSED = 0x4,
    TYPEFLAG_FPREDECLID = 0x8,
    TYPEFLAG_FHIDDEN = 0x10,
    TYPEFLAG_FCONTROL = 0x20,
    TYPEFLAG_FDUAL = 0x40,
    TYPEFLAG_FNONEXTENSIBLE = 0x80,
    TYPEFLAG_FOLEAUTOMATION = 0x100,
    TYPEFLAG_FRESTRICTED = 0x200,
    TYPEFLAG_FAGGREGATABLE = 0x400,
    TYPEFLAG_FREPLACEABLE = 0x800,
    TYPEFLAG_FDISPATCHABLE = 0x1000,
    TYPEFLAG_FREVERSEBIND = 0x2000,
    TYPEFLAG_FPROXY = 0x4000,
};

enum : WORD { FUNCFLAG_FRESTRICTED = 0x1, FUNCFLAG_FSOURCE = 0x2, FUNCFLAG_FHIDDEN = 0x40 };

enum : WORD { VARFLAG_FREADONLY = 0x1 };

// A dual interface's functions begin with those it inherits: IUnknown's
// three and IDispatch's four.
inline constexpr UINT kInheritedDispatchFunctions = 7;

enum : USHORT {
    PARAMFLAG_NONE = 0,
    PARAMFLAG_FIN = 0x1,
    PARAMFLAG_FOUT = 0x2,
    PARAMFLAG_FLCID = 0x4,
    PARAMFLAG_FRETVAL = 0x8,
    PARAMFLAG_FOPT = 0x10,
    PARAMFLAG_FHASDEFAULT = 0x20,
    PARAMFLAG_FHASCUSTDATA = 0x40,
};

enum : INT {
    IMPLTYPEFLAG_FDEFAULT = 0x1,
    IMPLTYPEFLAG_FSOURCE = 0x2,
    IMPLTYPEFLAG_FRESTRICTED = 0x4,
    IMPLTYPEFLAG_FDEFAULTVTABLE = 0x8,
};

enum : WORD {
    LIBFLAG_FRESTRICTED = 1,
    LIBFLAG_FCONTROL = 2,
    LIBFLAG_FHIDDEN = 4,
    LIBFLAG_FHASDISKIMAGE = 8
};

struct DECIMAL {
    WORD wReserved = 0;  // holds the VARTYPE when the DECIMAL sits inside a VARIANT
    std::uint8_t scale = 0;
    std::uint8_t sign = 0;  // 0x80 negative
    std::uint32_t Hi32 = 0;
    std::uint64_t Lo64 = 0;
};

// A value of a constant or a default parameter. Only the member that `vt`
// selects is meaningful; the integer members share one 64-bit store.
struct VARIANT {
    VARTYPE vt = VT_EMPTY;
    union {
        std::int64_t llVal;
        std::uint64_t ullVal;
        double dblVal;
        float fltVal;
        std::int64_t cyVal;  // CY: the value times 10000
        double date;
    };
    DECIMAL decVal;
    Bstr bstrVal;

    VARIANT() : llVal(0) {}

    std::int32_t lVal() const { return static_cast<std::int32_t>(llVal); }
    std::uint32_t ulVal() const { return static_cast<std::uint32_t>(ullVal); }
    std::int16_t iVal() const { return static_cast<std::int16_t>(llVal); }
    std::uint16_t uiVal() const { return static_cast<std::uint16_t>(ullVal); }
    std::int8_t cVal() const { return static_cast<std::int8_t>(llVal); }
    std::uint8_t bVal() const { return static_cast<std::uint8_t>(ullVal); }
    std::int16_t boolVal() const { return static_cast<std::int16_t>(llVal); }
    SCODE scode() const { return static_cast<SCODE>(llVal); }
};

void VariantInit(VARIANT* v);
HRESULT VariantClear(VARIANT* v);
// Only the conversion the program needs: any value to VT_BSTR with flags 0,
// spelled as the platform spells it under en-US, whatever the user's locale.
HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, USHORT flags, VARTYPE vt);

struct ARRAYDESC;

struct TYPEDESC {
    VARTYPE vt = VT_EMPTY;
    std::shared_ptr<const TYPEDESC> lptdesc;   // VT_PTR, VT_SAFEARRAY
    std::shared_ptr<const ARRAYDESC> lpadesc;  // VT_CARRAY
    HREFTYPE hreftype = 0;                     // VT_USERDEFINED
};

struct SAFEARRAYBOUND {
    ULONG cElements = 0;
    std::int32_t lLbound = 0;
};

struct ARRAYDESC {
    TYPEDESC tdescElem;
    std::vector<SAFEARRAYBOUND> rgbounds;
    USHORT cDims() const { return static_cast<USHORT>(rgbounds.size()); }
};

struct PARAMDESC {
    USHORT wParamFlags = 0;
    // Present when PARAMFLAG_FHASDEFAULT is set and the value could be read.
    std::shared_ptr<const VARIANT> pparamdescex;
};

struct ELEMDESC {
    TYPEDESC tdesc;
    PARAMDESC paramdesc;
};

struct FUNCDESC {
    MEMBERID memid = MEMBERID_NIL;
    FUNCKIND funckind = FUNC_PUREVIRTUAL;
    INVOKEKIND invkind = INVOKE_FUNC;
    CALLCONV callconv = CC_STDCALL;
    SHORT cParams = 0;
    SHORT cParamsOpt = 0;
    SHORT oVft = 0;
    SHORT cScodes = 0;
    ELEMDESC elemdescFunc;
    WORD wFuncFlags = 0;
    std::vector<ELEMDESC> lprgelemdescParam;
};

struct VARDESC {
    MEMBERID memid = MEMBERID_NIL;
    VARKIND varkind = VAR_PERINSTANCE;
    ULONG oInst = 0;                            // VAR_PERINSTANCE
    std::shared_ptr<const VARIANT> lpvarValue;  // VAR_CONST
    ELEMDESC elemdescVar;
    WORD wVarFlags = 0;
};

struct TYPEATTR {
    GUID guid;
    LCID lcid = 0;
    MEMBERID memidConstructor = MEMBERID_NIL;
    MEMBERID memidDestructor = MEMBERID_NIL;
    ULONG cbSizeInstance = 0;
    TYPEKIND typekind = TKIND_ENUM;
    WORD cFuncs = 0;
    WORD cVars = 0;
    WORD cImplTypes = 0;
    WORD cbSizeVft = 0;
    WORD cbAlignment = 0;
    WORD wTypeFlags = 0;
    WORD wMajorVerNum = 0;
    WORD wMinorVerNum = 0;
    TYPEDESC tdescAlias;
};

struct TLIBATTR {
    GUID guid;
    LCID lcid = 0;
    SYSKIND syskind = SYS_WIN32;
    WORD wMajorVerNum = 0;
    WORD wMinorVerNum = 0;
    WORD wLibFlags = 0;
};

// Records handed out by the interfaces; the unique_ptr is the Release call.
using TypeAttrPtr = std::unique_ptr<const TYPEATTR>;
using FuncDescPtr = std::unique_ptr<const FUNCDESC>;
using VarDescPtr = std::unique_ptr<const VARDESC>;
using LibAttrPtr = std::unique_ptr<const TLIBATTR>;

}  // namespace qorvix
