// One type into the copy file: the common frame, component classes,
// interfaces, dispinterfaces and modules.
#include "cobolgen/cbl_file.h"
#include "naming/cobol_name.h"
#include "naming/type_text.h"

namespace qorvix {

bool CCblFile::WriteTypeInfo(KindCode kind, ITypeInfo& info) {
    (void)kind;  // the type's own kind decides
    TypeAttrPtr attr;
    if (FAILED(info.GetTypeAttr(attr))) return false;
    Bstr typeName, docString;
    if (FAILED(info.GetDocumentation(MEMBERID_NIL, &typeName, &docString, nullptr, nullptr))) {
        return false;
    }
    std::string name = m_context.names.NameOf(info, typeName);
    // The doc string only ever lands in comment lines.
    std::string doc = OneLine(WideToAnsi(docString));
    switch (attr->typekind) {
        case TKIND_ENUM:
        case TKIND_RECORD:
        case TKIND_UNION:
        case TKIND_ALIAS:
            WriteDeclaration(info, *attr, name, doc);
            break;
        case TKIND_MODULE:
            if (attr->cVars != 0) WriteConstants(info, *attr);
            break;
        case TKIND_INTERFACE:
            WriteInterfaceEntry(info, *attr, typeName, name, doc);
            break;
        case TKIND_DISPATCH:
            WriteDispinterfaceEntry(info, *attr, typeName, name, doc);
            break;
        case TKIND_COCLASS:
            WriteClassEntry(*attr, typeName, name);
            break;
        default:
            break;
    }
    return true;
}

namespace {

// A level-78 GUID constant, prefix and name one word: VALUE goes on a line
// of its own when the word is long. `gap` separates a short word from it.
std::string GuidConstant(WordScope& words, std::string_view prefix, const std::string& name,
                         const GUID& guid, const char* gap) {
    std::string word = words.Claim(name, 31, prefix);
    std::string value = "VALUE x\"" + GuidToHex(guid) + "\".\n";
    if (word.size() > 16) return "       78 " + word + "\n                       " + value;
    return "       78 " + word + gap + value;
}

}  // namespace

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

void CCblFile::WriteClassEntry(const TYPEATTR& attr, const Bstr& typeName,
                               const std::string& name) {
    std::string className = OneLine(MakeCoclassName(typeName));
    WriteCopy("      *> FOUND CLASS: \"" + className + "\".\n");
    std::u16string progId;
    if (m_context.progIds && m_context.progIds->ProgIDFromCLSID(attr.guid, progId) == S_OK) {
        WriteCopy("      *> " + className + " is class \"$OLE$" +
                  OneLine(WideToAnsi(std::u16string_view(progId))) + "\".\n");
    } else {
        WriteCopy("      *> (Class has no ProgID in the registry)\n");
    }
    WriteCopy(GuidConstant(m_context.names.Words(), "CLSID-", name, attr.guid, "   ") + "\n");
}

void CCblFile::WriteInterfaceEntry(ITypeInfo& info, const TYPEATTR& attr, const Bstr& typeName,
                                   const std::string& name, const std::string& doc) {
    std::string interfaceName = m_context.names.PlainNameOf(info, typeName);
    WriteCopy("      *> FOUND INTERFACE: \"" + interfaceName + "\".\n");
    WriteCopy("      *> -=-=-=-=-=-=-=-=-=-=-=-=\n");
    WriteCopy(GuidConstant(m_context.names.Words(), "IID-", interfaceName, attr.guid, "    "));
    WriteCopy("       01 " + name + "    pointer typedef.\n\n");
    WriteInterfaceClass(info, attr, name, doc);
}

void CCblFile::WriteDispinterfaceEntry(ITypeInfo& info, const TYPEATTR& attr, const Bstr& typeName,
                                       const std::string& name, const std::string& doc) {
    std::string interfaceName = m_context.names.PlainNameOf(info, typeName);
    WriteCopy("      *> FOUND DISPINTERFACE: \"" + interfaceName + "\".\n");
    WriteCopy("      *> -=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=\n");
    WriteCopy(GuidConstant(m_context.names.Words(), "IID-", interfaceName, attr.guid, "    "));
    if (HasClassFile(attr)) {
        WriteCopy("       01 " + name + "    pointer typedef.\n\n");
        WriteInterfaceClass(info, attr, name, doc);
        return;
    }
    WriteCopy("      *> 01 " + name + "    pointer typedef.\n");
    if (!doc.empty()) WriteCopy("      *> " + doc + "\n");
    WriteCopy("\n");
    if (attr.cVars != 0) {
        WriteConstants(info, attr);
        WriteProperties(info, attr);
    }
    if (attr.cFuncs != 0) WriteMethods(false, info, attr);
    WriteCopy("\n");
}

}  // namespace qorvix
