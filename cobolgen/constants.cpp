// Constants of modules and dispinterfaces as level-78 items.
#include "cobolgen/cbl_file.h"
#include "cobolgen/literals.h"
#include "naming/cobol_name.h"

namespace qorvix {

void CCblFile::WriteConstants(ITypeInfo& info, const TYPEATTR& attr) {
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
}

}  // namespace qorvix
