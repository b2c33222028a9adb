// The document driver: file handling, the head of the copy file and the
// walk over the library's types, kind by kind.
#include "cobolgen/cbl_file.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "naming/cobol_name.h"
#include "naming/type_text.h"
#include "platform/locale_text.h"
#include "resources/string_table.h"

namespace qorvix {
namespace {

std::string Trim(const std::string& text) {
    const char* blanks = " \t\r\n\v\f";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return std::string();
    std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// What the IDE gave as its project directory can only be used when it is an
// absolute path of plain characters: anything else would write somewhere
// the user never saw, or show a question that hides part of the name.
bool IsUsableDirectoryText(const std::string& directory) {
    if (directory.empty() || directory[0] != '/') return false;
    for (char c : directory) {
        auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) return false;
    }
    return true;
}

}  // namespace

std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) c = ' ';
    }
    return line;
}

std::string ClassFileStem(const std::string& interfaceName) {
    std::u16string wide = LocaleToUtf16(interfaceName);
    for (char16_t& c : wide) {
        if (c == u'/' || c == u'\\' || c < 0x20 || c == 0x7F) {
            c = u'_';
        } else {
            c = static_cast<char16_t>(std::towlower(c));
        }
    }
    return Utf16ToLocale(wide);
}

std::string Quoted(std::string_view text) {
    std::string literal = "\"";
    for (char c : text) {
        literal += c;
        if (c == '"') literal += c;
    }
    return literal + "\"";
}

CCblFile::CCblFile(bool interfaceClasses, bool dualInterfaces, bool addToProject,
                   WriterServices services)
    : m_bInterfaceClasses(interfaceClasses),
      m_bDualInterfaces(interfaceClasses && dualInterfaces),
      m_bAddToProject(addToProject && services.ideRegistered),
      m_services(services),
      m_naming(services.naming ? *services.naming : m_ownNaming),
      m_names(m_naming) {}

CCblFile::~CCblFile() {
    CloseCopyFile();
}

bool CCblFile::CloseCopyFile() {
    if (m_copyFile.IsOpen()) m_copyText.Finish();
    if (m_copyFile.IsOpen() && !m_copyFile.Close()) ReportWriteFailure(m_copyFile);
    return !m_writeFailed;
}

Answer CCblFile::Ask(int id, std::string_view arg, MessageIcon icon, MessageButtons buttons,
                     Answer defaultAnswer, bool foreground) {
    Message message;
    message.id = id;
    message.text = FormatString(id, arg);
    message.icon = icon;
    message.buttons = buttons;
    message.defaultAnswer = defaultAnswer;
    message.foreground = foreground;
    return m_services.prompter ? m_services.prompter->Show(message) : defaultAnswer;
}

void CCblFile::Tell(int id, std::string_view arg, MessageIcon icon) {
    Ask(id, arg, icon, MessageButtons::Ok, Answer::Ok);
}

bool CCblFile::NotWritten() {
    ++m_filesNotWritten;
    return false;
}

void CCblFile::ReportWriteFailure(OutputFile& file) {
    m_writeFailed = true;
    NotWritten();
    std::string reason = file.Error();
    std::string path = file.Path();
    file.Discard();
    Message message;
    message.id = IDS_WRITE_FAILED;
    message.text = FormatString(IDS_WRITE_FAILED, path, reason);
    message.icon = MessageIcon::Warning;
    if (m_services.prompter) m_services.prompter->Show(message);
}

int CCblFile::KindCodeOf(TYPEKIND kind) {
    switch (kind) {
        case TKIND_ENUM:
            return 3;
        case TKIND_RECORD:
            return 4;
        case TKIND_MODULE:
            return 5;
        case TKIND_INTERFACE:
            return 6;
        case TKIND_DISPATCH:
            return 7;
        case TKIND_COCLASS:
            return 8;
        case TKIND_ALIAS:
            return 9;
        case TKIND_UNION:
            return 10;
        default:
            return 0;
    }
}

void CCblFile::WriteCopy(std::string_view text) {
    if (m_copyFile.IsOpen()) m_copyText.Write(text);
}

void CCblFile::WriteClass(std::string_view text) {
    if (m_classFile.IsOpen()) m_classText.Write(text);
}

void CCblFile::CloseClassFile() {
    m_classText.Finish();
    if (!m_classFile.Close()) ReportWriteFailure(m_classFile);
}

std::string CCblFile::TypeText(ITypeInfo& info, const TYPEDESC& desc) {
    return TYPEDESCToString(info, desc, m_names);
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

bool CCblFile::GenerateCopyFile(std::string& name, ITypeLib& lib) {
    if (m_copyFile.IsOpen()) {
        Tell(IDS_ALREADY_OPEN, name, MessageIcon::Warning);
        return NotWritten();
    }
    std::string given = name;
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(Trim(name), error).lexically_normal();
    std::string folder = full.parent_path().string();
    std::string bare = full.filename().string();
    // A folder that cannot be entered must not send the file elsewhere.
    if (!folder.empty() && chdir(folder.c_str()) != 0) {
        Tell(IDS_CANNOT_WRITE, given, MessageIcon::Warning);
        return NotWritten();
    }
    name = bare;

    std::unique_ptr<IdeProject> project;
    std::string projectDirectory;
    if (m_bAddToProject && !ProjectStep(name, project, projectDirectory)) return NotWritten();

    if (!OpenOutput(m_copyFile, name)) return NotWritten();
    WriteCopy("      *> QORVIX v1.0.16 generated copy file.\n\n");
    m_strCopyFileName = name;
    WriteHead(lib);
    NameTypes(lib);
    for (int kind : {3, 10, 4, 5, 9, 8, 6, 7})
        WriteTypesOfKind(kind, lib);

    m_copyText.Finish();
    if (!m_copyFile.Flush()) {
        ReportWriteFailure(m_copyFile);
        return false;
    }
    if (!projectDirectory.empty() && project) project->AddFile(m_strCopyFileName);
    return !m_writeFailed;
}

bool CCblFile::ProjectStep(const std::string& bareName, std::unique_ptr<IdeProject>& project,
                           std::string& directory) {
    // A name the IDE cannot be told is as good as no project: adding some
    // other name would put a file into the project that is not there.
    IdeLink* ide = m_services.ide;
    project = ide && ide->CanName(bareName) ? ide->CurrentProject() : nullptr;
    directory = project ? project->Directory() : std::string();
    if (!IsUsableDirectoryText(directory)) directory.clear();
    // The same folder is the same file, not the same spelling: on Linux
    // /w/PROJ and /w/proj are two folders, while a trailing slash or a
    // symbolic link still names this one.
    struct stat there {};
    if (!directory.empty() && (stat(directory.c_str(), &there) != 0 || !S_ISDIR(there.st_mode))) {
        directory.clear();
    }
    struct stat current {};
    bool here = !directory.empty() && stat(".", &current) == 0 && current.st_dev == there.st_dev &&
                current.st_ino == there.st_ino;
    if (directory.empty()) {
        project.reset();
        Answer answer = Ask(IDS_NO_PROJECT, "", MessageIcon::Information, MessageButtons::OkCancel,
                            Answer::Ok, true);
        return answer == Answer::Ok;
    }
    if (here) return true;
    Answer answer = Ask(IDS_PROJECT_DIRECTORY, directory, MessageIcon::Information,
                        MessageButtons::OkCancel, Answer::Ok, true);
    if (answer != Answer::Ok) {
        project.reset();
        return false;
    }
    if (chdir(directory.c_str()) != 0) {
        // Writing into the folder the user left would surprise them more
        // than stopping does.
        Tell(IDS_CANNOT_WRITE, directory, MessageIcon::Warning);
        project.reset();
        return false;
    }
    return true;
}

void CCblFile::WriteHead(ITypeLib& lib) {
    WriteCopy("      *> Standard parameter types:\n");
    WriteTypedefGuard("IUnknown-ptr", "pointer", nullptr);
    WriteTypedefGuard("IDispatch-ptr", "pointer", nullptr);
    WriteTypedefGuard("LPWSTR", "pointer", "Pointer to Unicode string");
    WriteTypedefGuard("LPSTR", "pointer", "Pointer to string");
    WriteTypedefGuard("OLEDATE", "comp-2", nullptr);
    WriteTypedefGuard("HRESULT", "pic x(4) comp-5", nullptr);
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

bool CCblFile::WriteTypesOfKind(int kindCode, ITypeLib& lib) {
    UINT count = lib.GetTypeInfoCount();
    for (UINT i = 0; i < count; ++i) {
        ComPtr<ITypeInfo> info;
        if (FAILED(lib.GetTypeInfo(i, info))) continue;
        TypeAttrPtr attr;
        if (SUCCEEDED(info->GetTypeAttr(attr)) && KindCodeOf(attr->typekind) == kindCode) {
            WriteTypeInfo(kindCode, *info);
        }
    }
    return true;
}

void CCblFile::NameTypes(ITypeLib& lib) {
    // The same reads as the walk's, so that a type it leaves out takes no
    // word; the kinds that declare a level-01 word, in the order of the file.
    struct Declared {
        int kindCode;
        ComPtr<ITypeInfo> info;
        Bstr name;
    };
    std::vector<Declared> declared;
    UINT count = lib.GetTypeInfoCount();
    for (UINT i = 0; i < count; ++i) {
        ComPtr<ITypeInfo> info;
        TypeAttrPtr attr;
        Bstr name;
        if (FAILED(lib.GetTypeInfo(i, info)) || FAILED(info->GetTypeAttr(attr)) ||
            FAILED(info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr))) {
            continue;
        }
        declared.push_back({KindCodeOf(attr->typekind), std::move(info), std::move(name)});
    }
    for (int kindCode : {3, 10, 4, 9, 6, 7}) {
        for (Declared& type : declared) {
            if (type.kindCode == kindCode) m_names.Declare(*type.info, type.name);
        }
    }
}

bool CCblFile::CheckWritable(const std::string& fileName) {
    bool existed = CanOpenForReading(fileName);
    if (existed && Ask(IDS_FILE_EXISTS, fileName, MessageIcon::Question, MessageButtons::YesNo,
                       Answer::No) != Answer::Yes) {
        return false;
    }
    // The probe: open for writing without emptying, as the real opening will.
    int fd = open(fileName.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0 || flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (fd >= 0) close(fd);
        Tell(IDS_CANNOT_WRITE, fileName, MessageIcon::Warning);
        return false;
    }
    struct stat st {};
    bool empty = fstat(fd, &st) == 0 && st.st_size == 0;
    close(fd);
    if (!existed && empty) unlink(fileName.c_str());
    return true;
}

bool CCblFile::OpenOutput(OutputFile& file, const std::string& fileName) {
    if (CanOpenForReading(fileName) && Ask(IDS_FILE_EXISTS, fileName, MessageIcon::Question,
                                           MessageButtons::YesNo, Answer::No) != Answer::Yes) {
        return false;
    }
    if (!file.Open(fileName)) {
        Tell(IDS_CANNOT_WRITE, fileName, MessageIcon::Warning);
        return false;
    }
    return true;
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
            return m_names.NameOf(*base, name);
        }
    }
    return std::string();
}

}  // namespace qorvix
