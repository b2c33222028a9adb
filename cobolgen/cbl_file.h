// The writer: renders one loaded type library as the COBOL copy file and,
// on request, one interface class file per interface, into the sinks of a
// GenerationOutput. It touches no file itself (the document driver does).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "cobolgen/fixed_format.h"
#include "cobolgen/generation_context.h"
#include "cobolgen/text_sink.h"
#include "typelib/typelib.h"

namespace qorvix {

class CCblFile {
  public:
    // Of the options, the writer reads the two class-file switches.
    CCblFile(const GenerationOptions& options, GenerationContext& context,
             GenerationOutput& output);
    CCblFile(const CCblFile&) = delete;
    CCblFile& operator=(const CCblFile&) = delete;

    // The whole copy file for `lib`: the head, then the types kind by kind.
    // `copyFileName` is the name (without a folder) the class files copy.
    void WriteCopyFile(ITypeLib& lib, const std::string& copyFileName);

    // The class files WriteCopyFile would ask for, in its order (none
    // without interface classes). Writes nothing; run on a context of its
    // own, since naming the types uses up made-up names.
    std::vector<std::string> ClassFileNames(ITypeLib& lib);

  private:
    // The writer's kinds of type, with the numbers it has always given them.
    enum class KindCode : int {
        None = 0,
        Enumeration = 3,
        Record = 4,
        Module = 5,
        Interface = 6,
        Dispinterface = 7,
        ComponentClass = 8,
        Alias = 9,
        Union = 10,
    };
    static KindCode KindCodeOf(TYPEKIND kind);
    // The order of the kinds in the copy file.
    static constexpr KindCode kCopyFileOrder[] = {
        KindCode::Enumeration, KindCode::Union,         KindCode::Record,
        KindCode::Module,      KindCode::Alias,         KindCode::ComponentClass,
        KindCode::Interface,   KindCode::Dispinterface,
    };

    // The collected types of one kind, in the library's order.
    void WriteTypesOfKind(KindCode kind);
    // One type, by its own kind; nothing when its attributes or name
    // cannot be read.
    void WriteTypeInfo(ITypeInfo& info);
    // Where a type's methods go: as comments into the copy file, or as
    // method definitions into its class file.
    enum class Target { CopyFile, ClassFile };
    void WriteMethods(Target target, ITypeInfo& info, const TYPEATTR& attr);
    void WriteConstants(ITypeInfo& info, const TYPEATTR& attr);
    void WriteEnumeration(ITypeInfo& info, const TYPEATTR& attr);
    void WriteRecord(ITypeInfo& info, const TYPEATTR& attr);
    // A dispinterface's properties (none for a dual one) as comments.
    void WriteProperties(ITypeInfo& info, const TYPEATTR& attr);

    void WriteCopy(std::string_view text);
    void WriteClass(std::string_view text);
    void WriteTypedefGuard(const std::string& name, const std::string& typeText,
                           const char* comment);
    std::string GetBaseInterfaceName(ITypeInfo& info, const TYPEATTR& attr);
    // The class file, when one is wanted and can be written, and a dual
    // type's constants in the copy file in any case.
    void WriteInterfaceClass(ITypeInfo& info, const TYPEATTR& attr, const std::string& name,
                             const std::string& doc);

    // Collects the library's types, once, and names those the copy file
    // declares, in its order, before any is written.
    void TakeHeadWords();
    void NameTypes(ITypeLib& lib);
    // Type text with user-defined types named by this generation's table.
    std::string TypeText(ITypeInfo& info, const TYPEDESC& desc);
    void WriteHead(ITypeLib& lib);
    // Whether a type of these attributes gets a class file.
    bool HasClassFile(const TYPEATTR& attr) const;
    void WriteClassHead(const std::string& name, const std::string& baseName,
                        const std::string& doc);
    void WriteDeclaration(ITypeInfo& info, const TYPEATTR& attr, const std::string& name,
                          const std::string& doc);
    void WriteClassEntry(const TYPEATTR& attr, const Bstr& typeName, const std::string& name);
    void WriteInterfaceEntry(ITypeInfo& info, const TYPEATTR& attr, const Bstr& typeName,
                             const std::string& name, const std::string& doc);
    void WriteDispinterfaceEntry(ITypeInfo& info, const TYPEATTR& attr, const Bstr& typeName,
                                 const std::string& name, const std::string& doc);
    // A method's linkage declarations (to `declarations`) and the phrases
    // of its invoke or procedure division header, in the copy file's
    // comment form or the class file's form (to `phrases`, ending as the
    // header ends).
    enum class SignatureForm {
        CopyComment,      // the copy file's comments on an invoke
        ClassMethod,      // a class file's method, returning the result
        DualClassMethod,  // a dual interface's: the result by reference, HRESULT returned
    };
    void BuildInvokeSignature(ITypeInfo& info, const std::vector<Bstr>& names, const FUNCDESC& func,
                              std::string& declarations, std::string& phrases);
    void BuildClassSignature(ITypeInfo& info, const std::vector<Bstr>& names, const FUNCDESC& func,
                             SignatureForm form, std::string& declarations, std::string& phrases);
    bool BuildSignature(ITypeInfo& info, const std::vector<Bstr>& names, const FUNCDESC& func,
                        SignatureForm form, std::string& declarations, std::string& phrases);
    // A method of the member buffers (names, documentation), appended to
    // `text`: the copy file's comments, or the class file's method.
    void WriteCopyMethod(ITypeInfo& info, const FUNCDESC& func, std::string_view prefix,
                         std::string& text);
    void WriteClassMethod(ITypeInfo& info, const FUNCDESC& func, SignatureForm form,
                          const std::string& method, std::string& text);
    // A method's documentation line (to `text`) and its member name (to the
    // member buffers); the prefix of its accessor ("get", "set", none).
    std::string_view StartMethod(const FUNCDESC& func, bool documented, std::string& text);
    // The copy file's comments on a method, made once for all that are alike.
    void WriteCopyMethodOnce(ITypeInfo& info, const FUNCDESC& func, bool documented);
    // Everything the copy file's comments on a method are made of.
    void CopyMethodKey(ITypeInfo& info, const FUNCDESC& func, bool documented, std::string& key);
    void AppendTypeKey(ITypeInfo& info, const TYPEDESC& desc, int depth, std::string& key);

    bool m_bInterfaceClasses;
    bool m_bDualInterfaces;
    GenerationContext& m_context;
    GenerationOutput& m_output;
    // Continuation lines start in column 17 in the copy file (where a
    // constant's VALUE goes on) and in column 16 in class files (where the
    // procedure division's phrases do).
    FixedFormatText m_copyText{16};
    FixedFormatText m_classText{15};
    FixedFormatText m_madeText{16};  // makes blocks of the copy file's lines
    std::string m_strCopyFileName;
    // The bytes of a pointer in the library's layout (by its SYSKIND); 0
    // when the library does not say, and records get no fillers.
    std::uint64_t m_pointerSize = 0;
    // The types that can be written: each one's information, attributes
    // and name could be read.
    struct CollectedType {
        KindCode kind;
        ComPtr<ITypeInfo> info;
        Bstr name;
    };
    std::vector<CollectedType> m_types;
    // The text of one member at a time, in buffers that keep their room
    // from member to member: a large library has tens of thousands.
    struct MemberBuffers {
        std::vector<Bstr> names;
        Bstr doc;
        std::string text;  // a member's lines, written at once
        std::string member;
        std::string method;
        std::string declarations;
        std::string phrases;
        std::string name;
        std::string typeText;
        std::string resultText;
        std::string returning;
        std::string key;
        WordScope linkage;
        StringSink made;  // a block's lines, as the copy file's text makes them
    };
    MemberBuffers m_member;
    // The copy file's comment blocks on methods, by what they are made of
    // (CopyMethodKey).
    std::unordered_map<std::string, std::string> m_copyMethods;
    std::unordered_map<ITypeInfo*, ComPtr<ITypeInfo>> m_keyTypes;  // the types keys name
};

}  // namespace qorvix
