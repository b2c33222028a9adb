// One interface class file per interface.
#include "cobolgen/cbl_file.h"

namespace qorvix {

bool CCblFile::WriteInterfaceClass(ITypeInfo& info, const TYPEATTR& attr, const std::string& name,
                                   const std::string& doc) {
    bool written = true;
    if (m_bInterfaceClasses) {
        std::string baseName = GetBaseInterfaceName(info, attr);
        TextSink* sink = m_output.BeginClassFile(ClassFileStem(name) + ".cbl");
        m_classText.SetSink(sink);
        written = sink != nullptr;
        if (sink) WriteClassHead(name, baseName, doc);
    }
    // A dual type's constants belong in the copy file, whatever becomes of
    // its class file.
    if ((attr.wTypeFlags & TYPEFLAG_FDUAL) && attr.cVars != 0) WriteConstants(info, attr);
    if (m_classText.HasSink()) {
        if (attr.cFuncs != 0) WriteMethods(true, info, attr);
        WriteClass("       end object.\n       end class " + name + ".\n\n");
        m_classText.Finish();
        m_classText.SetSink(nullptr);
        m_output.EndClassFile();
    }
    return written;
}

void CCblFile::WriteClassHead(const std::string& name, const std::string& baseName,
                              const std::string& doc) {
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
        WriteClass("           " + baseName + " is class \"" + ClassFileStem(baseName) + "\"\n");
    }
    WriteClass("           " + name + " is class \"" + ClassFileStem(name) + "\"\n");
    WriteClass("           .\n\n");
    WriteClass("       working-storage section.\n         copy \"kzole.cpy\".\n");
    WriteClass("         copy " + Quoted(m_strCopyFileName) + ".\n\n");
    WriteClass("       class-object.\n       object-storage section.\n\n");
    WriteClass("       end class-object.\n\n");
    WriteClass("       object.\n       object-storage section.\n\n");
}

}  // namespace qorvix
