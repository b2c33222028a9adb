// One interface class file per interface: which types get one, their
// names, and their text.
#include "cobolgen/cbl_file.h"
#include "cobolgen/literals.h"

namespace qorvix {

bool CCblFile::HasClassFile(const TYPEATTR& attr) const {
    if (!m_bInterfaceClasses) return false;
    return attr.typekind == TKIND_INTERFACE ||
           (attr.typekind == TKIND_DISPATCH && (attr.wTypeFlags & TYPEFLAG_FDUAL) &&
            m_bDualInterfaces);
}

std::vector<std::string> CCblFile::ClassFileNames(ITypeLib& lib) {
    std::vector<std::string> names;
    if (!m_bInterfaceClasses) return names;
    TakeHeadWords();  // as the copy file takes them before naming the types
    NameTypes(lib);
    // As WriteTypesOfKind and WriteTypeInfo take them: a type whose
    // attributes or documentation cannot be read is skipped there too.
    for (KindCode kind : {KindCode::Interface, KindCode::Dispinterface}) {
        for (CollectedType& type : m_types) {
            TypeAttrPtr attr;
            Bstr typeName, docString;
            if (type.kind != kind || FAILED(type.info->GetTypeAttr(attr)) ||
                FAILED(type.info->GetDocumentation(MEMBERID_NIL, &typeName, &docString, nullptr,
                                                   nullptr)) ||
                !HasClassFile(*attr)) {
                continue;
            }
            names.push_back(ClassFileStem(m_context.names.NameOf(*type.info, typeName)) + ".cbl");
        }
    }
    m_types.clear();
    return names;
}

void CCblFile::WriteInterfaceClass(ITypeInfo& info, const TYPEATTR& attr, const std::string& name,
                                   const std::string& doc) {
    if (m_bInterfaceClasses) {
        std::string baseName = GetBaseInterfaceName(info, attr);
        TextSink* sink = m_output.BeginClassFile(ClassFileStem(name) + ".cbl");
        m_classText.SetSink(sink);
        if (sink) WriteClassHead(name, baseName, doc);
    }
    // A dual type's constants belong in the copy file, whatever becomes of
    // its class file.
    if ((attr.wTypeFlags & TYPEFLAG_FDUAL) && attr.cVars != 0) WriteConstants(info, attr);
    if (m_classText.HasSink()) {
        if (attr.cFuncs != 0) WriteMethods(Target::ClassFile, info, attr);
        WriteClass("       end object.\n       end class " + name + ".\n\n");
        m_classText.Finish();
        m_classText.SetSink(nullptr);
        m_output.EndClassFile();
    }
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
    WriteClass(CopyStatement(m_strCopyFileName));
    WriteClass("\n");
    WriteClass("       class-object.\n       object-storage section.\n\n");
    WriteClass("       end class-object.\n\n");
    WriteClass("       object.\n       object-storage section.\n\n");
}

}  // namespace qorvix
