// Constants of modules and dispinterfaces as level-78 items.
#include <cctype>
#include <cstdio>

#include "cobolgen/cbl_file.h"
#include "cobolgen/value_text.h"
#include "naming/cobol_name.h"

namespace qorvix {

namespace {

// Runs of plain bytes as quoted text and of the others as hexadecimal,
// joined with "&". With `terminated`, a literal ends in a zero byte: a
// z-literal when all bytes are plain, otherwise "00" after a last
// hexadecimal run (a last quoted run gets none).
std::string Runs(std::string_view raw, bool (*plain)(unsigned char), bool terminated) {
    std::string out;
    bool inQuotes = false;
    bool allPlain = true;
    for (std::size_t k = 0; k < raw.size(); ++k) {
        auto byte = static_cast<unsigned char>(raw[k]);
        if (plain(byte)) {
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
            if (terminated && k + 1 == raw.size()) out += "00";
            inQuotes = false;
            allPlain = false;
        }
    }
    out += "\"";
    if (terminated && allPlain) out = "z" + out;
    return out;
}

bool IsPrintable(unsigned char byte) {
    return std::isprint(byte) != 0;
}

// What may stand in a quoted literal: anything but the control bytes,
// which would end or break the line.
bool IsNoControl(unsigned char byte) {
    return byte >= 0x20 && byte != 0x7F;
}

}  // namespace

std::string StringLiteral(const std::string& raw) {
    return Runs(raw, IsPrintable, true);
}

std::string ConditionValue(VARTYPE vt, const std::string& raw) {
    if (vt == VT_BSTR) return raw.empty() ? "\"\"" : Runs(raw, IsNoControl, false);
    // A date is spelled with blanks and colons, and a real that is not a
    // number with words: literals only in quotes.
    if (vt == VT_DATE) return "\"" + raw + "\"";
    if ((vt == VT_R4 || vt == VT_R8) && (raw == "NaN" || raw == "Infinity" || raw == "-Infinity"))
        return "\"" + raw + "\"";
    // A floating-point literal has a decimal point before its exponent.
    std::size_t exponent = raw.find('E');
    if ((vt == VT_R4 || vt == VT_R8) && exponent != std::string::npos &&
        raw.find('.') == std::string::npos) {
        return raw.substr(0, exponent) + ".0" + raw.substr(exponent);
    }
    return raw;
}

bool CCblFile::WriteConstants(ITypeInfo& info, const TYPEATTR& attr) {
    for (UINT i = 0; i < attr.cVars; ++i) {
        VarDescPtr var;
        if (FAILED(info.GetVarDesc(i, var)) || var->varkind != VAR_CONST) continue;
        std::string name;
        if (!MemberName(info, var->memid, m_context.naming, m_context.names.Words(), name))
            continue;
        const VARIANT empty;
        const VARIANT& constant = var->lpvarValue ? *var->lpvarValue : empty;
        std::string raw;
        ValueText(constant, raw);  // a value that cannot be spelled stays empty
        std::string value;
        if (raw.empty()) {
            value = "x\"00\"";
        } else if (constant.vt == VT_BSTR) {
            value = StringLiteral(raw);
        } else {
            value = ConditionValue(constant.vt, raw);
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
