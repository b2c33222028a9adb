#include "browser/node_text.h"

#include <cctype>
#include <cstdio>

#include "naming/cobol_name.h"
#include "naming/hresult_names.h"
#include "naming/type_text.h"

namespace qorvix {

std::string FunctionText(const std::string& name, MEMBERID memid) {
    return name + " [" + std::to_string(memid) + "]";
}

std::string VariableText(ITypeInfo& info, const VARDESC& var, const Bstr& name, bool property,
                         TypeNamer& namer) {
    const TYPEDESC& type = var.elemdescVar.tdesc;
    std::string text;
    std::string dims;
    if ((type.vt & 0xFFF) == VT_CARRAY && type.lpadesc) {
        text = TYPEDESCToString(info, type.lpadesc->tdescElem, namer) + " ";
        for (const SAFEARRAYBOUND& bound : type.lpadesc->rgbounds) {
            dims += "[" + std::to_string(bound.cElements) + "]";
        }
    } else {
        text = TYPEDESCToString(info, type, namer) + " ";
    }
    text += (name ? WideToAnsi(name) : std::string("(nameless)")) + dims;
    if (property) text += " [" + std::to_string(var.memid) + "]";
    return text;
}

std::string EscapeValue(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        switch (b) {
            case 0:
                out += "\\0";
                continue;
            case 7:
                out += "\\a";
                continue;
            case 8:
                out += "\\b";
                continue;
            case 9:
                out += "\\t";
                continue;
            case 10:
                out += "\\n";
                continue;
            case 11:
                out += "\\v";
                continue;
            case 12:
                out += "\\f";
                continue;
            case 13:
                out += "\\r";
                continue;
            case '"':
                out += "\\\"";
                continue;
            case '\\':
                out += "\\\\";
                continue;
            default:
                break;
        }
        if (std::isprint(b)) {
            out += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        }
    }
    return out;
}

std::string ConstantText(ITypeInfo& info, const VARDESC& var, const Bstr& name, TypeNamer& namer) {
    std::string type = TYPEDESCToString(info, var.elemdescVar.tdesc, namer);
    const VARIANT empty;
    const VARIANT& value = var.lpvarValue ? *var.lpvarValue : empty;
    VARIANT converted;
    std::string valueText;
    if (SUCCEEDED(VariantChangeType(&converted, &value, 0, VT_BSTR))) {
        // The whole string, NULs included: they are escaped, not cut at.
        valueText = WideToAnsi(converted.bstrVal);
    } else if (value.vt == VT_ERROR || value.vt == VT_HRESULT) {
        valueText = HRESULTToString(value.scode());
    }
    std::string escaped = EscapeValue(valueText);
    std::string text = "const " + type + " " + WideToAnsi(name) + " = ";
    return value.vt == VT_BSTR ? text + "\"" + escaped + "\"" : text + escaped;
}

std::string TypeInfoText(ITypeInfo& info, TypeNamer& namer) {
    Bstr wideName;
    if (FAILED(info.GetDocumentation(MEMBERID_NIL, &wideName, nullptr, nullptr, nullptr)))
        return {};
    std::string name = WideToAnsi(wideName);
    TypeAttrPtr attr;
    if (FAILED(info.GetTypeAttr(attr))) return {};
    switch (attr->typekind) {
        case TKIND_ENUM:
            return "enum " + name;
        case TKIND_RECORD:
            return "struct " + name;
        case TKIND_MODULE:
            return "module " + name;
        case TKIND_INTERFACE:
            return "interface " + name;
        case TKIND_DISPATCH:
            return ((attr->wTypeFlags & TYPEFLAG_FDUAL) ? "dualinterface " : "dispinterface ") +
                   name;
        case TKIND_COCLASS:
            return "coclass " + name;
        case TKIND_ALIAS:
            return "typedef " + TYPEDESCToString(info, attr->tdescAlias, namer) + " " + name;
        case TKIND_UNION:
            return "typedef union " + name;
        default:
            return {};
    }
}

}  // namespace qorvix
