#include "naming/type_text.h"

#include "naming/cobol_name.h"

namespace qorvix {
namespace {

constexpr const char* kVarTypeNames[73] = {
    "void",
    "null",
    "SHORT",
    "LONG",
    "comp-1",
    "comp-2",
    "CURRENCYTYPE",
    "OLEDATE",
    "BSTR",
    "IDispatch-ptr",
    "SCODE",
    "BOOL",
    "VARIANT",
    "IUnknown-ptr",
    "wchar-t",
    "",
    "pic 9(2) comp-5",
    "UCHAR",
    "USHORT",
    "ULONG",
    "int64",
    "uint64",
    "INT",
    "UINT",
    "void",
    "HRESULT",
    "data-pointer",
    "SAFEARRAY",
    "CARRAY",
    "USERDEFINED",
    "LPSTR",
    "LPWSTR",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "FILETIME",
    "BLOB",
    "STREAM",
    "STORAGE",
    "STREAMED-OBJECT",
    "STORED-OBJECT",
    "BLOB-OBJECT",
    "CF",
    "CLSID",
};

constexpr int kMaxDepth = 64;

const char* VarTypeName(VARTYPE vt) {
    unsigned index = vt & 0xFFF;
    return index > 72 ? "BAD-VARTYPE" : kVarTypeNames[index];
}

// Appends the text of `desc` to `out`; `status` takes the failure of a
// reference that could not be followed.
void TypeText(ITypeInfo& info, const TYPEDESC& desc, TypeNamer& namer, int depth, HRESULT& status,
              std::string& out) {
    // Descriptions from a library are finite, but a hand-made one could nest
    // without end; the depth only guards against that.
    if (depth > kMaxDepth) {
        out += "BAD-VARTYPE";
        return;
    }
    if (desc.vt == VT_PTR) {
        if (desc.lptdesc) {
            TypeText(info, *desc.lptdesc, namer, depth + 1, status, out);
        } else {
            out += VarTypeName(desc.vt);
        }
        return;
    }
    if ((desc.vt & 0xFFF) == VT_CARRAY) {
        if (!desc.lpadesc) {
            out += VarTypeName(desc.vt);
            return;
        }
        TypeText(info, desc.lpadesc->tdescElem, namer, depth + 1, status, out);
        for (const SAFEARRAYBOUND& bound : desc.lpadesc->rgbounds) {
            out += '[';
            out += std::to_string(bound.cElements);
            out += ']';
        }
        return;
    }
    if ((desc.vt & 0xFFF) == VT_SAFEARRAY) {
        if (!desc.lptdesc) {
            out += VarTypeName(desc.vt);
            return;
        }
        out += "SAFEARRAY(";
        TypeText(info, *desc.lptdesc, namer, depth + 1, status, out);
        out += ')';
        return;
    }
    if (desc.vt == VT_USERDEFINED) {
        ComPtr<ITypeInfo> referenced;
        HRESULT hr = info.GetRefTypeInfo(desc.hreftype, referenced);
        if (FAILED(hr)) {
            status = hr;
            out += "<GetRefTypeInfo failed>";
            return;
        }
        std::string known;
        if (namer.Known(*referenced, known)) {
            out += known;
            return;
        }
        Bstr name;
        if (FAILED(referenced->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr))) {
            out += "ITypeInfo::GetDocumentation() failed in TYPEDESCToString";
            return;
        }
        out += namer.NameOf(*referenced, name);
        return;
    }
    out += VarTypeName(desc.vt);
}

}  // namespace

std::string VARTYPEToString(VARTYPE vt) {
    return VarTypeName(vt);
}

HRESULT TypeDescText(ITypeInfo& info, const TYPEDESC& desc, TypeNamer& namer, std::string& text) {
    HRESULT status = S_OK;
    text.clear();
    TypeText(info, desc, namer, 0, status, text);
    return status;
}

std::string TYPEDESCToString(ITypeInfo& info, const TYPEDESC& desc, TypeNamer& namer) {
    std::string text;
    TypeDescText(info, desc, namer, text);
    return text;
}

std::string GuidToHex(const GUID& guid) {
    // The fields' bytes, the numbers little-endian as they lie in memory.
    std::uint8_t bytes[16];
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<std::uint8_t>(guid.Data1 >> (8 * i));
    for (int i = 0; i < 2; ++i) {
        bytes[4 + i] = static_cast<std::uint8_t>(guid.Data2 >> (8 * i));
        bytes[6 + i] = static_cast<std::uint8_t>(guid.Data3 >> (8 * i));
    }
    for (int i = 0; i < 8; ++i)
        bytes[8 + i] = guid.Data4[static_cast<std::size_t>(i)];
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex(32, '0');
    for (int i = 0; i < 16; ++i) {
        hex[static_cast<std::size_t>(2 * i)] = kDigits[bytes[i] >> 4];
        hex[static_cast<std::size_t>(2 * i + 1)] = kDigits[bytes[i] & 15];
    }
    return hex;
}

std::string MakeMemberName(const Bstr& name) {
    std::string text;
    MakeMemberName(name, text);
    return text;
}

void MakeMemberName(const Bstr& name, std::string& out) {
    // Method names become words too (the writer trims their ends once the
    // "get" or "set" is in front).
    MemberWordBytes(name, out);
    if (out.empty()) {
        out = "Unknown";
    } else if (out.size() > 31) {
        out = CutName(out, 31);
    }
}

std::string MakeCoclassName(const Bstr& name) {
    std::string text = WideToAnsi(name);
    for (char& c : text) {
        if (c == '.') c = '-';
    }
    return CutName(text, 31);
}

}  // namespace qorvix
