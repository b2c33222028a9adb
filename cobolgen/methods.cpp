// Methods and properties: documented invoke phrases in the copy file, and
// method definitions in interface class files.
#include <algorithm>
#include <functional>

#include "cobolgen/cbl_file.h"
#include "cobolgen/literals.h"
#include "naming/cobol_name.h"
#include "naming/type_text.h"

namespace qorvix {
namespace {

constexpr UINT kMaxNames = 64;

bool IsProperty(INVOKEKIND kind) {
    return kind == INVOKE_PROPERTYGET || kind == INVOKE_PROPERTYPUT ||
           kind == INVOKE_PROPERTYPUTREF;
}

std::string Tags(USHORT flags, USHORT considered) {
    std::string tags;
    flags &= considered;
    if (flags & PARAMFLAG_FIN) tags += "[IN]";
    if (flags & PARAMFLAG_FOUT) tags += "[OUT]";
    if (flags & PARAMFLAG_FOPT) tags += "[OPTIONAL]";
    if (flags & PARAMFLAG_FRETVAL) tags += "[RETVAL]";
    return tags;
}

}  // namespace

// The signature builders share one walk; the form picks the templates of
// the class file or those of the copy file's comments.
namespace {

struct SignatureStyle {
    const char* declaration;  // "      *> 01 " or "       01 "
    const char* returning;    // continuation of a returning phrase
    const char* passing;      // continuation of a passing phrase ("... by ")
    USHORT tagBits;
};

constexpr SignatureStyle kInvokeStyle{"      *> 01 ", "\n      *>       returning ",
                                      "\n      *>       by ",
                                      PARAMFLAG_FIN | PARAMFLAG_FOUT | PARAMFLAG_FOPT};
constexpr SignatureStyle kClassStyle{
    "       01 ", "\n               returning ", "\n               by ",
    PARAMFLAG_FIN | PARAMFLAG_FOUT | PARAMFLAG_FOPT | PARAMFLAG_FRETVAL};

// A class's method-id for `prefix` ("get", "set" or nothing) followed by
// `member`: a word of at most 31 characters, prefix included (the member is
// cut to make room for it), unique in the class. A property putref beside a
// put of the same property is "setRef" + name, wherever it stands;
// otherwise the first method keeps its name, and a later one whose name is
// taken takes "-2", "-3", ... within 31 characters.
std::string MethodId(WordScope& methods, std::string_view prefix, bool putRefBesidePut,
                     const std::string& member) {
    constexpr std::size_t kLimit = 31;
    if (putRefBesidePut) prefix = "setRef";
    std::string word = CobolWord(std::string(prefix) + CutName(member, kLimit - prefix.size()));
    if (word.empty()) word = "Unknown";
    if (methods.Take(word)) return word;
    return methods.Claim(word);
}

// Whether the property of a putref at `index` has a put: one seen before,
// or one further on (accessors of a property share its member id).
bool HasPut(ITypeInfo& info, const TYPEATTR& attr, MEMBERID memid, UINT index,
            const std::vector<MEMBERID>& seen) {
    if (std::find(seen.begin(), seen.end(), memid) != seen.end()) return true;
    for (UINT j = index + 1; j < attr.cFuncs; ++j) {
        FuncDescPtr other;
        if (SUCCEEDED(info.GetFuncDesc(j, other)) && other->memid == memid &&
            other->invkind == INVOKE_PROPERTYPUT) {
            return true;
        }
    }
    return false;
}

bool IsVoid(const TYPEDESC& type) {
    return type.vt == VT_EMPTY || type.vt == VT_VOID;
}

}  // namespace

// In the class form a procedure division header has one returning phrase,
// after every passing phrase: the result's when it has one, else the first
// [retval] parameter's. Any other [retval] parameter is passed by reference
// with its tags, as in the dual form. Linkage names are unique in a method.
// Returns whether the phrases end in a tag comment. The texts are built in
// the member buffers (every parameter of every member passes through here).
bool CCblFile::BuildSignature(ITypeInfo& info, const std::vector<Bstr>& names, const FUNCDESC& func,
                              SignatureForm form, std::string& declarations, std::string& text) {
    const bool classForm = form != SignatureForm::CopyComment;
    const bool dual = form == SignatureForm::DualClassMethod;
    const SignatureStyle& style = classForm ? kClassStyle : kInvokeStyle;
    MemberBuffers& b = m_member;
    text.clear();
    b.returning.clear();  // the class form's returning phrase, written last
    bool endsInComment = false;
    WordScope& linkage = b.linkage;
    linkage.Clear();
    if (dual) linkage.Claim("hResult");
    int cParams = std::max<int>(func.cParams, 0);
    const TYPEDESC& declared = func.elemdescFunc.tdesc;
    TYPEDESC resultType;
    if (dual && !IsVoid(declared) && declared.vt != VT_PTR) {
        // A pointer to the declared type, without a copy of it.
        resultType.vt = VT_PTR;
        resultType.lptdesc =
            std::shared_ptr<const TYPEDESC>(std::shared_ptr<const TYPEDESC>(), &declared);
    } else {
        resultType = declared;
    }
    b.resultText.clear();
    if (!IsVoid(resultType)) TypeDescText(info, resultType, m_context.names, b.resultText);
    bool resultReturns = classForm && !dual && !b.resultText.empty();
    // In the copy file the declarations are comments: keep each on its line.
    if (!classForm) MakeOneLine(b.resultText);
    std::string& name = b.name;
    for (int i = 0; i <= cParams; ++i) {
        name.clear();
        if (static_cast<std::size_t>(i) + 1 < names.size()) {
            m_context.naming.MakeCobolName(names[static_cast<std::size_t>(i) + 1], true, name);
        } else if (i == 0 && IsProperty(func.invkind) && !names.empty()) {
            m_context.naming.MakeCobolName(names[0], true, name);
        }
        if (name.empty()) name = "MethodVar" + std::to_string(i + 1);

        const TYPEDESC* type;
        USHORT flags;
        const std::string* typeText = &b.resultText;
        if (i < cParams) {
            const ELEMDESC& param = func.lprgelemdescParam[static_cast<std::size_t>(i)];
            type = &param.tdesc;
            flags = param.paramdesc.wParamFlags;
            if (IsVoid(*type)) continue;
            TypeDescText(info, *type, m_context.names, b.typeText);
            if (!classForm) MakeOneLine(b.typeText);
            typeText = &b.typeText;
        } else {
            if (IsVoid(resultType)) break;
            type = &resultType;
            flags = PARAMFLAG_FOUT | PARAMFLAG_FRETVAL;
        }
        if (typeText->empty()) continue;
        if (classForm) name = linkage.Claim(name);

        std::size_t line = declarations.size();
        declarations += style.declaration;
        declarations += name;
        PadToColumn(declarations, 40, 4, line);
        declarations += *typeText;
        declarations += ".\n";

        bool retval = (flags & PARAMFLAG_FRETVAL) != 0;
        if (retval && !classForm) {
            text += text.empty() ? " returning " : style.returning;
            text += name;
            endsInComment = false;
        } else if (retval && !dual && b.returning.empty() && (i == cParams || !resultReturns)) {
            b.returning = name;
        } else {
            if (text.empty()) text = " using ";
            bool byReference = retval || type->vt == VT_PTR || (type->vt & VT_BYREF);
            std::size_t phrase = text.size();
            text += style.passing;
            text += byReference ? "reference " : "value ";
            text += name;
            std::string tags = Tags(flags, style.tagBits);
            endsInComment = !tags.empty();
            if (!tags.empty()) {
                PadToColumn(text, 40, 4, phrase);
                text += "*> ";
                text += tags;
            }
        }
    }
    if (dual) {
        std::size_t line = declarations.size();
        declarations += "       01 hResult";
        PadToColumn(declarations, 40, 4, line);
        declarations += "HRESULT.\n";
        b.returning = "hResult";
    }
    if (!b.returning.empty()) {
        text += text.empty() ? " returning " : style.returning;
        text += b.returning;
        endsInComment = false;
    }
    return endsInComment;
}

void CCblFile::BuildInvokeSignature(ITypeInfo& info, const std::vector<Bstr>& names,
                                    const FUNCDESC& func, std::string& declarations,
                                    std::string& phrases) {
    BuildSignature(info, names, func, SignatureForm::CopyComment, declarations, phrases);
    phrases += ".\n";
}

void CCblFile::BuildClassSignature(ITypeInfo& info, const std::vector<Bstr>& names,
                                   const FUNCDESC& func, SignatureForm form,
                                   std::string& declarations, std::string& phrases) {
    bool endsInComment = BuildSignature(info, names, func, form, declarations, phrases);
    // A period after a tag comment would be part of the comment; the
    // compiler must see it, so it goes on a line of its own.
    phrases += endsInComment ? "\n               .\n" : ".\n";
}

namespace {

template <typename T>
void AppendBytes(std::string& key, const T& value) {
    key.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void AppendText(std::string& key, const Bstr& text) {
    AppendBytes(key, text ? text->size() : std::size_t(-1));
    if (text) key.append(reinterpret_cast<const char*>(text->data()), text->size() * 2);
}

}  // namespace

// What a type description says, for a key: every field it has, and for a
// user-defined type the type it leads to (held, so that its address stays
// its own for the generation).
void CCblFile::AppendTypeKey(ITypeInfo& info, const TYPEDESC& desc, int depth, std::string& key) {
    AppendBytes(key, desc.vt);
    if (depth > 70) return;  // type text gives up well before this depth
    if (desc.vt == VT_USERDEFINED) {
        ComPtr<ITypeInfo> referenced;
        HRESULT hr = info.GetRefTypeInfo(desc.hreftype, referenced);
        AppendBytes(key, hr);
        AppendBytes(key, static_cast<const void*>(referenced.Get()));
        if (referenced) m_keyTypes.try_emplace(referenced.Get(), referenced);
    }
    key += desc.lptdesc ? 'P' : '-';
    if (desc.lptdesc) AppendTypeKey(info, *desc.lptdesc, depth + 1, key);
    key += desc.lpadesc ? 'A' : '-';
    if (desc.lpadesc) {
        AppendTypeKey(info, desc.lpadesc->tdescElem, depth + 1, key);
        AppendBytes(key, desc.lpadesc->rgbounds.size());
        for (const SAFEARRAYBOUND& bound : desc.lpadesc->rgbounds)
            AppendBytes(key, bound.cElements);
    }
}

void CCblFile::CopyMethodKey(ITypeInfo& info, const FUNCDESC& func, bool documented,
                             std::string& key) {
    const MemberBuffers& b = m_member;
    key.clear();
    key += documented ? 'D' : '-';
    if (documented) AppendText(key, b.doc);
    AppendBytes(key, func.invkind);
    AppendBytes(key, func.cParams);
    AppendBytes(key, b.names.size());
    for (const Bstr& name : b.names)
        AppendText(key, name);
    AppendTypeKey(info, func.elemdescFunc.tdesc, 0, key);
    for (int i = 0; i < std::max<int>(func.cParams, 0); ++i) {
        const ELEMDESC& param = func.lprgelemdescParam[static_cast<std::size_t>(i)];
        AppendTypeKey(info, param.tdesc, 0, key);
        AppendBytes(key, param.paramdesc.wParamFlags);
    }
}

void CCblFile::WriteCopyMethod(ITypeInfo& info, const FUNCDESC& func, std::string_view prefix,
                               std::string& text) {
    MemberBuffers& b = m_member;
    // A comment shows the whole name.
    text += "      *> Method: \"";
    text += prefix;
    text += b.member;
    text += "\".\n";
    BuildInvokeSignature(info, b.names, func, b.declarations, b.phrases);
    text += b.declarations;
    text += "      *> invoke";
    text += b.phrases;
    text += "      *> ----------------\n";
}

void CCblFile::WriteClassMethod(ITypeInfo& info, const FUNCDESC& func, SignatureForm form,
                                const std::string& method, std::string& text) {
    MemberBuffers& b = m_member;
    text += "       method-id. ";
    text += method;
    text += ".\n       local-storage section.\n       linkage section.\n";
    BuildClassSignature(info, b.names, func, form, b.declarations, b.phrases);
    text += b.declarations;
    text += "       procedure division";
    text += b.phrases;
    text += "           exit method.\n       end method ";
    text += method;
    text += ".\n\n";
}

std::string_view CCblFile::StartMethod(const FUNCDESC& func, bool documented, std::string& text) {
    MemberBuffers& b = m_member;
    text.clear();
    if (documented) {
        WideToAnsi(b.doc, b.method);
        if (!b.method.empty()) {
            MakeOneLine(b.method);
            text += "      *> ";
            text += b.method;
            text += "\n";
        }
    }
    MakeMemberName(b.names[0], b.member);
    b.declarations.clear();
    if (func.invkind == INVOKE_PROPERTYGET) return "get";
    if (func.invkind == INVOKE_PROPERTYPUT || func.invkind == INVOKE_PROPERTYPUTREF) return "set";
    return {};
}

void CCblFile::WriteCopyMethodOnce(ITypeInfo& info, const FUNCDESC& func, bool documented) {
    // The copy file's comments on a method are made of its description,
    // names and documentation alone, and a library's dispinterfaces repeat
    // the members of its interfaces (nine in ten of MSHTML's): a block made
    // before is written again, as the lines it made.
    MemberBuffers& b = m_member;
    CopyMethodKey(info, func, documented, b.key);
    if (auto made = m_copyMethods.find(b.key); made != m_copyMethods.end()) {
        m_copyText.WriteMade(made->second);
        return;
    }
    int madeUpNames = m_context.naming.MadeUpNameCounter();
    std::string_view prefix = StartMethod(func, documented, b.text);
    WriteCopyMethod(info, func, prefix, b.text);
    b.made.text.clear();
    m_madeText.SetSink(&b.made);
    m_madeText.Write(b.text);
    m_madeText.Finish();
    m_copyText.WriteMade(b.made.text);
    // A block that took a made-up name is not the same again: the next one
    // numbers on.
    if (m_context.naming.MadeUpNameCounter() == madeUpNames)
        m_copyMethods.emplace(b.key, b.made.text);
}

void CCblFile::WriteMethods(Target target, ITypeInfo& info, const TYPEATTR& attr) {
    const bool classForm = target == Target::ClassFile;
    bool dual = (attr.wTypeFlags & TYPEFLAG_FDUAL) != 0;
    UINT first = dual ? kInheritedDispatchFunctions : 0;
    FixedFormatText& out = classForm ? m_classText : m_copyText;
    if (!classForm) out.Write("      *> [METHODS:]\n");
    WordScope methods;               // the class's method-ids
    std::vector<MEMBERID> putsSeen;  // the properties with a put so far
    // A member's lines go out at once, from buffers that keep their room.
    MemberBuffers& b = m_member;
    FuncDescPtr func;
    for (UINT i = first; i < attr.cFuncs; ++i) {
        if (FAILED(info.GetFuncDesc(i, func))) continue;
        if (FAILED(info.GetNames(func->memid, b.names, kMaxNames)) || b.names.empty()) continue;
        bool documented =
            SUCCEEDED(info.GetDocumentation(func->memid, nullptr, &b.doc, nullptr, nullptr));
        if (!classForm) {
            // Every copy-file line is whole, so made lines can follow.
            WriteCopyMethodOnce(info, *func, documented);
            continue;
        }
        std::string_view prefix = StartMethod(*func, documented, b.text);
        bool besidePut =
            func->invkind == INVOKE_PROPERTYPUTREF && HasPut(info, attr, func->memid, i, putsSeen);
        if (func->invkind == INVOKE_PROPERTYPUT) putsSeen.push_back(func->memid);
        b.method = MethodId(methods, prefix, besidePut, b.member);
        WriteClassMethod(info, *func,
                         dual ? SignatureForm::DualClassMethod : SignatureForm::ClassMethod,
                         b.method, b.text);
        out.Write(b.text);
    }
}

void CCblFile::WriteProperties(ITypeInfo& info, const TYPEATTR& attr) {
    if (attr.wTypeFlags & TYPEFLAG_FDUAL) return;
    WriteCopy("      *> [PROPERTIES:]\n");
    for (UINT i = 0; i < attr.cVars; ++i) {
        VarDescPtr var;
        if (FAILED(info.GetVarDesc(i, var))) continue;
        const TYPEDESC& type = var->elemdescVar.tdesc;
        if (var->varkind == VAR_CONST || IsVoid(type)) continue;
        std::vector<Bstr> names;
        if (FAILED(info.GetNames(var->memid, names, kMaxNames)) || names.empty()) continue;
        Bstr doc;
        if (SUCCEEDED(info.GetDocumentation(var->memid, nullptr, &doc, nullptr, nullptr))) {
            std::string text = WideToAnsi(doc);
            if (!text.empty()) WriteCopy("      *> " + OneLine(text) + "\n");
        }
        std::string name = OneLine(WideToAnsi(names[0]));
        bool readOnly = (var->wVarFlags & VARFLAG_FREADONLY) != 0;
        WriteCopy("      *> Property method: \"get" + name + "\".\n");
        if (!readOnly) WriteCopy("      *> Property method: \"set" + name + "\".\n");
        std::string typeText = TypeText(info, type);
        if (!typeText.empty()) {
            std::string line = "      *> 01 " + name;
            PadToColumn(line, 40, 4);
            WriteCopy(line + OneLine(typeText) + ".\n");
        }
        WriteCopy("      *> invoke returning " + name + ".\n");
        if (!readOnly) {
            bool byReference = type.vt == VT_PTR || (type.vt & VT_BYREF);
            WriteCopy(std::string("      *> invoke using by ") +
                      (byReference ? "reference " : "value ") + name + ".\n");
        }
        WriteCopy("      *> ----------------\n");
    }
}

}  // namespace qorvix
