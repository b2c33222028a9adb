// The writer: turns one loaded type library into the COBOL copy file and,
// on request, one interface class file per interface.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "cobolgen/fixed_format.h"
#include "cobolgen/output_file.h"
#include "cobolgen/prompter.h"
#include "naming/name_table.h"
#include "platform/ide_link.h"
#include "typelib/typelib.h"

namespace qorvix {

// The registry's ProgID for a CLSID.
class ProgIdLookup {
  public:
    virtual ~ProgIdLookup() = default;
    // S_OK (exactly) with the ProgID, or a failure.
    virtual HRESULT ProgIDFromCLSID(const CLSID& clsid, std::u16string& progId) = 0;
};

// What the writer needs from outside. Every pointer may be null: no
// prompter shows nothing and answers with each question's default.
struct WriterServices {
    Prompter* prompter = nullptr;
    ProgIdLookup* progIds = nullptr;
    IdeLink* ide = nullptr;
    bool ideRegistered = false;
    // The run's naming; without one the writer numbers its own made-up
    // names from 0 and checks no reserved words.
    CobolNaming* naming = nullptr;
};

class CCblFile {
  public:
    CCblFile(bool interfaceClasses = true, bool dualInterfaces = false, bool addToProject = false,
             WriterServices services = {});
    virtual ~CCblFile();
    CCblFile(const CCblFile&) = delete;
    CCblFile& operator=(const CCblFile&) = delete;

    // Writes the copy file `name` (changed to its bare name) for `lib`.
    virtual bool GenerateCopyFile(std::string& name, ITypeLib& lib);
    virtual bool WriteTypesOfKind(int kindCode, ITypeLib& lib);
    virtual bool WriteTypeInfo(int kindCode, ITypeInfo& info);
    virtual bool WriteMethods(bool classForm, ITypeInfo& info, const TYPEATTR& attr);
    virtual bool WriteConstants(ITypeInfo& info, const TYPEATTR& attr);
    virtual bool WriteEnumeration(ITypeInfo& info, const TYPEATTR& attr);
    virtual bool WriteRecord(ITypeInfo& info, const TYPEATTR& attr);
    virtual bool WriteProperties(ITypeInfo& info, const TYPEATTR& attr);

    void WriteCopy(std::string_view text);
    void WriteClass(std::string_view text);
    // Writes several pieces as one text, without joining them first.
    template <typename... Parts>
    void CopyParts(const Parts&... parts) {
        (WriteCopy(std::string_view(parts)), ...);
    }
    template <typename... Parts>
    void ClassParts(const Parts&... parts) {
        (WriteClass(std::string_view(parts)), ...);
    }
    void WriteTypedefGuard(const std::string& name, const std::string& typeText,
                           const char* comment);
    std::string GetBaseInterfaceName(ITypeInfo& info, const TYPEATTR& attr);
    bool CheckWritable(const std::string& fileName);
    bool WriteInterfaceClass(ITypeInfo& info, const TYPEATTR& attr, const std::string& name,
                             const std::string& doc);
    static int KindCodeOf(TYPEKIND kind);

    // Closes the copy file now rather than at destruction, so that the
    // caller learns whether its last bytes reached the disk (a failure is
    // shown and the file removed). True when nothing failed.
    bool CloseCopyFile();

    // True when a file of this generation could not be written completely
    // (each such failure has been shown and the file removed).
    bool WriteFailed() const { return m_writeFailed; }
    // How many files this generation was to write and did not: declined,
    // not writable, or removed after a failed write. Each was shown to the
    // user where it happened; the batch run's exit status comes from this.
    int FilesNotWritten() const { return m_filesNotWritten; }
    bool InterfaceClasses() const { return m_bInterfaceClasses; }
    bool DualInterfaces() const { return m_bDualInterfaces; }
    bool AddToProject() const { return m_bAddToProject; }

  protected:
    Answer Ask(int id, std::string_view arg, MessageIcon icon, MessageButtons buttons,
               Answer defaultAnswer, bool foreground = false);
    void Tell(int id, std::string_view arg, MessageIcon icon);
    // Shows a write failure of `file` and removes the file.
    void ReportWriteFailure(OutputFile& file);
    // Counts one more file not written; returns false for the caller to pass on.
    bool NotWritten();
    bool ProjectStep(const std::string& bareName, std::unique_ptr<IdeProject>& project,
                     std::string& directory);
    // Names the types the copy file declares, in its order, before any is
    // written (m_names).
    void NameTypes(ITypeLib& lib);
    // Type text with user-defined types named by this generation's table.
    std::string TypeText(ITypeInfo& info, const TYPEDESC& desc);
    // Closes the class file, its last line written.
    void CloseClassFile();
    // CheckWritable followed by the opening, in one go: the opening itself
    // is the probe, so a new file is not created, removed and created again.
    bool OpenOutput(OutputFile& file, const std::string& fileName);
    void WriteHead(ITypeLib& lib);
    void WriteDeclaration(ITypeInfo& info, const TYPEATTR& attr, const std::string& name,
                          const std::string& doc);
    void WriteClassEntry(ITypeInfo& info, const TYPEATTR& attr, const Bstr& typeName,
                         const std::string& name);
    void WriteInterfaceEntry(ITypeInfo& info, const TYPEATTR& attr, const Bstr& typeName,
                             const std::string& name, const std::string& doc);
    void WriteDispinterfaceEntry(ITypeInfo& info, const TYPEATTR& attr, const Bstr& typeName,
                                 const std::string& name, const std::string& doc);
    std::string BuildInvokeSignature(ITypeInfo& info, const std::vector<Bstr>& names,
                                     const FUNCDESC& func);
    std::string BuildClassSignature(ITypeInfo& info, const std::vector<Bstr>& names,
                                    const FUNCDESC& func, bool dual);

    bool m_bInterfaceClasses;
    bool m_bDualInterfaces;
    bool m_bAddToProject;
    OutputFile m_copyFile;
    OutputFile m_classFile;
    // Continuation lines start in column 17 in the copy file (where a
    // constant's VALUE goes on) and in column 16 in class files (where the
    // procedure division's phrases do).
    FixedFormatText m_copyText{m_copyFile, 16};
    FixedFormatText m_classText{m_classFile, 15};
    std::string m_strCopyFileName;
    WriterServices m_services;
    CobolNaming m_ownNaming;
    CobolNaming& m_naming;
    TypeNames m_names;
    bool m_writeFailed = false;
    int m_filesNotWritten = 0;
};

// A comment line's text: line breaks and other control characters become
// blanks, so that text from a library stays on its comment line.
std::string OneLine(std::string_view text);

// A class file's name for an interface's COBOL name: lower case (every
// letter the locale knows), and no character that could lead out of the
// generation folder.
std::string ClassFileStem(const std::string& interfaceName);

// A quoted COBOL literal of text, its quotes doubled.
std::string Quoted(std::string_view text);

}  // namespace qorvix
