// Constants of modules and dispinterfaces as level-78 items.
#include <cctype>
#include <cstdio>

#include "cobolgen/cbl_file.h"
#include "cobolgen/value_text.h"
#include "naming/cobol_name.h"

namespace qorvix {

std::string StringLiteral(const std::string& raw) {
    std::string out;
    bool inQuotes = false;
    bool allPrintable = true;
    for (std::size_t k = 0; k < raw.size(); ++k) {
        auto byte = static_cast<unsigned char>(raw[k]);
        if (std::isprint(byte)) {
            if (k == 0) {
                out += "\"";
            } else if (!inQuotes) {
                out += "\" & \"";
            }
            out += byte == '"' ? std::string("\"\"") : std::string(1, static_cast<char>(byte));
            inQuotes = true;
        } else {
            if (k == 0) {
                out += "x\"";
            } else if (inQuotes) {
                out += "\" & x\"";
            }
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02x", byte);
            out += hex;
            if (k + 1 == raw.size()) out += "00";
            inQuotes = false;
            allPrintable = false;
        }
    }
    out += "\"";
    if (allPrintable) out = "z" + out;
    return out;
}

bool CCblFile::WriteConstants(ITypeInfo& info, const TYPEATTR& attr) {
    for (UINT i = 0; i < attr.cVars; ++i) {
        VarDescPtr var;
        if (FAILED(info.GetVarDesc(i, var)) || var->varkind != VAR_CONST) continue;
        std::vector<Bstr> names;
        if (FAILED(info.GetNames(var->memid, names, 1)) || names.empty()) continue;
        std::string name = MakeCobolName(names[0], true);
        const VARIANT empty;
        const VARIANT& constant = var->lpvarValue ? *var->lpvarValue : empty;
        std::string raw;
        ValueText(constant, raw);  // a value that cannot be spelled stays empty
        std::string value;
        if (raw.empty()) {
            value = "x\"00\"";
        } else if (constant.vt != VT_BSTR) {
            value = raw;
        } else {
            value = StringLiteral(raw);
        }
        if (name.size() + value.size() + 18 > 70) {
            WriteCopy("       78 " + name + "\n                VALUE " + value + ".\n");
        } else {
            WriteCopy("       78 " + name + " VALUE " + value + ".\n");
        }
    }
    WriteCopy("\n");
    return true;
}

}  // namespace qorvix
