// The writer's frame: the head of the copy file and the walk over the
// library's types, kind by kind.
#include "cobolgen/cbl_file.h"

#include <cwctype>

#include "naming/cobol_name.h"
#include "naming/type_text.h"
#include "platform/locale_text.h"

namespace qorvix {
std::string OneLine(std::string_view text) {
    std::string line(text);
    MakeOneLine(line);
    return line;
}

void MakeOneLine(std::string& line) {
    bool ascii = true;
    for (char& c : line) {
        auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) c = ' ';
        if (b >= 0x80) ascii = false;
    }
    if (ascii) return;
    // Editors also end a line at the C1 controls (NEL among them) and at
    // the Unicode line and paragraph separators; which bytes those are
    // depends on the locale's character set.
    std::u16string wide = AnsiToWide(line);
    bool changed = false;
    for (char16_t& c : wide) {
        if ((c >= 0x80 && c <= 0x9F) || c == 0x2028 || c == 0x2029) {
            c = u' ';
            changed = true;
        }
    }
    if (changed) line = WideToAnsi(wide);
}

std::string ClassFileStem(const std::string& interfaceName) {
    std::u16string wide = AnsiToWide(interfaceName);
    for (char16_t& c : wide) {
        if (c == u'/' || c == u'\\' || c < 0x20 || c == 0x7F) {
            c = u'_';
        } else {
            c = static_cast<char16_t>(std::towlower(c));
        }
    }
    return WideToAnsi(wide);
}

std::string Quoted(std::string_view text) {
    std::string literal = "\"";
    for (char c : text) {
        literal += c;
        if (c == '"') literal += c;
    }
    return literal + "\"";
}

CCblFile::CCblFile(bool interfaceClasses, bool dualInterfaces, GenerationContext& context,
                   GenerationOutput& output)
    : m_bInterfaceClasses(interfaceClasses),
      m_bDualInterfaces(interfaceClasses && dualInterfaces),
      m_context(context),
      m_output(output) {}

KindCode CCblFile::KindCodeOf(TYPEKIND kind) {
    switch (kind) {
        case TKIND_ENUM:
            return KindCode::Enumeration;
        case TKIND_RECORD:
            return KindCode::Record;
        case TKIND_MODULE:
            return KindCode::Module;
        case TKIND_INTERFACE:
            return KindCode::Interface;
        case TKIND_DISPATCH:
            return KindCode::Dispinterface;
        case TKIND_COCLASS:
            return KindCode::ComponentClass;
        case TKIND_ALIAS:
            return KindCode::Alias;
        case TKIND_UNION:
            return KindCode::Union;
        default:
            return KindCode::None;
    }
}

void CCblFile::WriteCopy(std::string_view text) {
    m_copyText.Write(text);
}

void CCblFile::WriteClass(std::string_view text) {
    m_classText.Write(text);
}

std::string CCblFile::TypeText(ITypeInfo& info, const TYPEDESC& desc) {
    return TYPEDESCToString(info, desc, m_context.names);
}

void CCblFile::WriteTypedefGuard(const std::string& name, const std::string& typeText,
                                 const char* comment) {
    WriteCopy("      $if " + name + " not defined\n");
    if (comment) {
        WriteCopy("       01 " + name + "     " + typeText + " typedef.  *> " + comment + "\n");
    } else {
        WriteCopy("       01 " + name + "     " + typeText + " typedef.\n");
    }
    WriteCopy("      $end\n");
}

void CCblFile::WriteCopyFile(ITypeLib& lib, const std::string& copyFileName) {
    m_copyText.SetSink(&m_output.CopyFile());
    WriteCopy("      *> QORVIX v1.0.16 generated copy file.\n\n");
    m_strCopyFileName = copyFileName;
    LibAttrPtr libAttr;
    m_pointerSize = FAILED(lib.GetLibAttr(libAttr)) ? 0 : libAttr->syskind == SYS_WIN64 ? 8 : 4;
    // The head's standard types take their words before any type of the
    // library is named, so that none is named like one of them.
    TakeHeadWords();
    WriteHead(lib);
    NameTypes(lib);
    for (KindCode kind : kCopyFileOrder)
        WriteTypesOfKind(kind);
    m_types.clear();
    m_copyText.Finish();
}

namespace {

// The head's standard types, as it declares them, and its two records.
struct HeadTypedef {
    const char* name;
    const char* typeText;
    const char* comment;
};
constexpr HeadTypedef kHeadTypedefs[] = {
    {"IUnknown-ptr", "pointer", nullptr},
    {"IDispatch-ptr", "pointer", nullptr},
    {"LPWSTR", "pointer", "Pointer to Unicode string"},
    {"LPSTR", "pointer", "Pointer to string"},
    {"OLEDATE", "comp-2", nullptr},
    {"HRESULT", "pic x(4) comp-5", nullptr},
};
constexpr const char* kHeadRecords[] = {"int64", "uint64"};

}  // namespace

void CCblFile::TakeHeadWords() {
    for (const HeadTypedef& typedef_ : kHeadTypedefs)
        m_context.names.Words().Take(typedef_.name);
    for (const char* record : kHeadRecords)
        m_context.names.Words().Take(record);
}

void CCblFile::WriteHead(ITypeLib& lib) {
    WriteCopy("      *> Standard parameter types:\n");
    for (const HeadTypedef& typedef_ : kHeadTypedefs)
        WriteTypedefGuard(typedef_.name, typedef_.typeText, typedef_.comment);
    WriteCopy("      $if int64 not defined\n");
    WriteCopy("       01 int64 typedef.\n");
    WriteCopy("         03 high-int64   pic s9(9) comp-5.\n");
    WriteCopy("         03 low-int64    pic x(4) comp-5.\n");
    WriteCopy("       01 uint64 typedef.\n");
    WriteCopy("         03 high-uint64   pic x(4) comp-5.\n");
    WriteCopy("         03 low-uint64    pic x(4) comp-5.\n");
    WriteCopy("      $end\n\n");
    WriteCopy("      *> For automation use:\n");
    WriteCopy("      *> BSTR - pic x(n) or object reference of class chararry\n");
    WriteCopy("      *> CURRENCYTYPE - comp-3\n");
    WriteCopy("      *> OLEDATE - the olesup method \"formatDateToOLE\"\n");
    WriteCopy("      *> IDispatch-Ptr - object reference\n");
    WriteCopy("      *> VARIANT - object reference of class olevar\n");
    WriteCopy("      *> SAFEARRAY() - object reference of class olesafea\n");
    WriteCopy(
        "      *> IUknown-Ptr - object reference of class olevar containing an interface "
        "pointer\n\n");
    WriteCopy("      *> ==========================\n");
    WriteCopy("      *> = Type library contents: =\n");
    WriteCopy("      *> ==========================\n");
    Bstr libName, libDoc;
    if (SUCCEEDED(lib.GetDocumentation(-1, &libName, &libDoc, nullptr, nullptr))) {
        WriteCopy("      *> Name: " + OneLine(WideToAnsi(libName)) + "\n");
        WriteCopy("      *> " + OneLine(WideToAnsi(libDoc)) + "\n");
    }
    WriteCopy("\n");
}

bool CCblFile::WriteTypesOfKind(KindCode kind) {
    for (CollectedType& type : m_types) {
        if (type.kind == kind) WriteTypeInfo(kind, *type.info);
    }
    return true;
}

void CCblFile::NameTypes(ITypeLib& lib) {
    // A type whose information, attributes or name cannot be read is left
    // out, and takes no word.
    m_types.clear();
    UINT count = lib.GetTypeInfoCount();
    for (UINT i = 0; i < count; ++i) {
        ComPtr<ITypeInfo> info;
        TypeAttrPtr attr;
        Bstr name;
        if (FAILED(lib.GetTypeInfo(i, info)) || FAILED(info->GetTypeAttr(attr)) ||
            FAILED(info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr))) {
            continue;
        }
        m_types.push_back({KindCodeOf(attr->typekind), std::move(info), std::move(name)});
    }
    // The kinds that declare a level-01 word, in the order of the file.
    for (KindCode kind : kCopyFileOrder) {
        // Modules and component classes declare no level-01 word.
        if (kind == KindCode::Module || kind == KindCode::ComponentClass) continue;
        for (CollectedType& type : m_types) {
            if (type.kind == kind) m_context.names.Declare(*type.info, type.name);
        }
    }
}

std::string CCblFile::GetBaseInterfaceName(ITypeInfo& info, const TYPEATTR& attr) {
    for (UINT i = 0; i < attr.cImplTypes; ++i) {
        HREFTYPE href;
        ComPtr<ITypeInfo> base;
        TypeAttrPtr baseAttr;
        if (FAILED(info.GetRefTypeOfImplType(i, &href)) ||
            FAILED(info.GetRefTypeInfo(href, base)) || FAILED(base->GetTypeAttr(baseAttr))) {
            continue;
        }
        if (baseAttr->typekind != TKIND_INTERFACE && baseAttr->typekind != TKIND_DISPATCH) continue;
        Bstr name;
        if (SUCCEEDED(base->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr))) {
            return m_context.names.NameOf(*base, name);
        }
    }
    return std::string();
}

}  // namespace qorvix
