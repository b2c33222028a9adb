// Component classes, interfaces and dispinterfaces in the copy file.
#include "cobolgen/cbl_file.h"
#include "cobolgen/literals.h"
#include "naming/cobol_name.h"
#include "naming/type_text.h"

namespace qorvix {

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
    if (attr.cFuncs != 0) WriteMethods(Target::CopyFile, info, attr);
    WriteCopy("\n");
}

}  // namespace qorvix
