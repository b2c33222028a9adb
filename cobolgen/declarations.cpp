// Enumerations, records, unions and aliases as COBOL typedefs.
#include "cobolgen/cbl_file.h"
#include "cobolgen/value_text.h"
#include "naming/cobol_name.h"
#include "naming/hresult_names.h"
#include "naming/type_text.h"

namespace qorvix {
namespace {

// A pointer in a record takes a pointer's room, whatever it points to.
bool IsPointer(const TYPEDESC& type) {
    return type.vt == VT_PTR;
}

}  // namespace

// A value as the generator spells it, in the locale's character set and up
// to its first NUL; false when it cannot be spelled at all.
bool MemberName(ITypeInfo& info, MEMBERID memid, CobolNaming& naming, WordScope& scope,
                std::string& name) {
    std::vector<Bstr> names;
    if (FAILED(info.GetNames(memid, names, 1)) || names.empty()) return false;
    name = scope.Claim(naming.MakeCobolName(names[0], true));
    return true;
}

bool ValueText(const VARIANT& value, std::string& text) {
    VARIANT converted;
    HRESULT hr = VariantChangeType(&converted, &value, 0, VT_BSTR);
    std::u16string wide;
    if (SUCCEEDED(hr)) {
        wide = converted.bstrVal.value_or(std::u16string());
    } else if (value.vt == VT_ERROR || value.vt == VT_HRESULT) {
        std::string name = HRESULTToString(value.scode());
        wide.assign(name.begin(), name.end());
    } else {
        return false;
    }
    std::size_t nul = wide.find(u'\0');
    if (nul != std::u16string::npos) wide.resize(nul);
    text = WideToAnsi(wide);
    return true;
}

void CCblFile::WriteDeclaration(ITypeInfo& info, const TYPEATTR& attr, const std::string& name,
                                const std::string& doc) {
    auto docLine = [&] {
        if (!doc.empty()) WriteCopy("      *> " + doc + "\n");
    };
    switch (attr.typekind) {
        case TKIND_ENUM:
            docLine();
            WriteCopy("       01 " + name + "    pic s9(9) comp-5 typedef.\n");
            WriteEnumeration(info, attr);
            WriteCopy("       01 " + m_context.names.Words().Claim(name, 31, "", "-PTR") +
                      "   pointer typedef.\n\n");
            break;
        case TKIND_RECORD:
            docLine();
            WriteCopy("       01 " + name + "    typedef.\n");
            WriteRecord(info, attr);
            WriteCopy("       01 " + m_context.names.Words().Claim(name, 31, "", "-PTR") +
                      "   pointer typedef.\n\n");
            break;
        case TKIND_UNION:
            docLine();
            WriteCopy("       01 " + name + "    typedef.\n");
            WriteRecord(info, attr);
            WriteCopy("\n");
            break;
        case TKIND_ALIAS: {
            std::string typeText;
            if (attr.tdescAlias.vt == VT_USERDEFINED) {
                ComPtr<ITypeInfo> referenced;
                if (FAILED(info.GetRefTypeInfo(attr.tdescAlias.hreftype, referenced))) return;
                // The handle belongs to the alias's library: through a type
                // of another library it means nothing, so ask the alias.
                if (FAILED(TypeDescText(*referenced, attr.tdescAlias, m_context.names, typeText))) {
                    typeText = TypeText(info, attr.tdescAlias);
                }
            } else {
                typeText = TypeText(info, attr.tdescAlias);
            }
            docLine();
            WriteCopy("       01 " + name + "    " + CutName(typeText, 31) + " typedef.\n\n");
            break;
        }
        default:
            break;
    }
}

bool CCblFile::WriteEnumeration(ITypeInfo& info, const TYPEATTR& attr) {
    WordScope conditions;
    for (UINT i = 0; i < attr.cVars; ++i) {
        VarDescPtr var;
        if (FAILED(info.GetVarDesc(i, var))) continue;
        std::string name;
        if (!MemberName(info, var->memid, m_context.naming, conditions, name)) continue;
        std::string line = "          88 " + name;
        std::string value;
        const VARIANT empty;
        const VARIANT& constant = var->lpvarValue ? *var->lpvarValue : empty;
        if (!ValueText(constant, value)) {
            // A level-88 item needs a value; one that cannot be spelled is
            // shown, not invented.
            WriteCopy("      *> 88 " + name + ": the value (type " + std::to_string(constant.vt) +
                      ") cannot be written\n");
            continue;
        }
        PadToColumn(line, 40, 4);
        line += "VALUE " + ConditionValue(constant.vt, value) + ".\n";
        WriteCopy(line);
    }
    return true;
}

bool CCblFile::WriteRecord(ITypeInfo& info, const TYPEATTR& attr) {
    std::string redefines;
    WordScope fields;
    for (UINT i = 0; i < attr.cVars; ++i) {
        VarDescPtr var;
        if (FAILED(info.GetVarDesc(i, var))) continue;
        std::string name;
        if (!MemberName(info, var->memid, m_context.naming, fields, name)) continue;
        const std::string prefix = "          03 ";
        const TYPEDESC& type = var->elemdescVar.tdesc;
        if ((type.vt & 0xFFF) == VT_CARRAY && type.lpadesc) {
            const ARRAYDESC& array = *type.lpadesc;
            std::string typeText =
                IsPointer(array.tdescElem) ? "pointer" : TypeText(info, array.tdescElem);
            std::size_t dims = array.rgbounds.size();
            auto count = [&](std::size_t d) {
                return std::to_string(d < dims ? array.rgbounds[d].cElements : 0);
            };
            if (dims <= 1) {
                WriteCopy(prefix + name + "    " + typeText + " occurs " + count(0) + redefines +
                          ".\n");
            } else {
                WriteCopy(prefix + name + " occurs " + count(0) + ".\n");
                for (std::size_t d = 1; d < dims; ++d) {
                    // Nested dimensions are groups inside the one above, so
                    // they carry the next level numbers (05, 07, ...).
                    std::string indent(10 + 3 * d, ' ');
                    char level[8];
                    std::snprintf(level, sizeof level, "%02zu ", 3 + 2 * d);
                    std::string subName = name + "-" + std::to_string(d);
                    if (d < dims - 1) {
                        WriteCopy(indent + level + subName + " occurs " + count(d) + redefines +
                                  ".\n");
                    } else {
                        WriteCopy(indent + level + subName + "    " + typeText + " occurs " +
                                  count(d) + redefines + ".\n");
                    }
                }
            }
        } else {
            std::string typeText = IsPointer(type) ? "pointer" : TypeText(info, type);
            WriteCopy(prefix + name + "    " + typeText + redefines + ".\n");
        }
        if (attr.typekind == TKIND_UNION && i == 0) redefines = " redefines " + name;
    }
    return true;
}

}  // namespace qorvix
