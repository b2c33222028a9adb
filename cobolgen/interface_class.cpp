// One interface class file per interface.
#include "cobolgen/cbl_file.h"
#include "resources/string_table.h"

namespace qorvix {

bool CCblFile::WriteInterfaceClass(ITypeInfo& info, const TYPEATTR& attr, const std::string& name,
                                   const std::string& doc) {
    std::string baseName;
    if (m_bInterfaceClasses) {
        baseName = GetBaseInterfaceName(info, attr);
        std::string fileName = ClassFileStem(name) + ".cbl";
        if (!OpenOutput(m_classFile, fileName)) return NotWritten();
        WriteClass("      *> QORVIX generated OLE interface class.\n");
        WriteClass("      *> " + OneLine(doc) + "\n\n");
        WriteClass("       class-id. " + name + " data is protected\n");
        if (!baseName.empty()) {
            WriteClass("                 inherits from " + baseName + " with data.\n\n");
        } else {
            WriteClass("                 .\n\n");
        }
        WriteClass("       special-names.\n");
        WriteClass("           call-convention 74 is WINAPI.\n\n");
        WriteClass("       object section.\n\n       class-control.\n");
        if (!baseName.empty()) {
            WriteClass("           " + baseName + " is class \"" + ClassFileStem(baseName) +
                       "\"\n");
        }
        WriteClass("           " + name + " is class \"" + ClassFileStem(name) + "\"\n");
        WriteClass("           .\n\n");
        WriteClass("       working-storage section.\n         copy \"kzole.cpy\".\n");
        WriteClass("         copy " + Quoted(m_strCopyFileName) + ".\n\n");
        WriteClass("       class-object.\n       object-storage section.\n\n");
        WriteClass("       end class-object.\n\n");
        WriteClass("       object.\n       object-storage section.\n\n");
    }
    if ((attr.wTypeFlags & TYPEFLAG_FDUAL) && attr.cVars != 0) WriteConstants(info, attr);
    if (m_bInterfaceClasses) {
        if (attr.cFuncs != 0) WriteMethods(true, info, attr);
        WriteClass("       end object.\n       end class " + name + ".\n\n");
        CloseClassFile();
    }
    return true;
}

}  // namespace qorvix
