// Methods and properties: documented invoke phrases in the copy file, and
// method definitions in interface class files.
#include <algorithm>
#include <functional>

#include "cobolgen/cbl_file.h"
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

// The signature builders share one walk; `classForm` picks the templates of
// the class file, otherwise those of the copy file's comments.
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
template <typename Write>
static std::string BuildSignature(ITypeInfo& info, CobolNaming& naming, TypeNamer& namer,
                                  const std::vector<Bstr>& names, const FUNCDESC& func,
                                  bool classForm, bool dual, Write&& write, bool& endsInComment) {
    const SignatureStyle& style = classForm ? kClassStyle : kInvokeStyle;
    std::string text;
    std::string returning;  // the class form's returning phrase, written last
    endsInComment = false;
    WordScope linkage;
    if (classForm && dual) linkage.Claim("hResult");
    int cParams = std::max<int>(func.cParams, 0);
    TYPEDESC resultType = func.elemdescFunc.tdesc;
    if (classForm && dual && !IsVoid(resultType) && resultType.vt != VT_PTR) {
        TYPEDESC pointer{VT_PTR};
        pointer.lptdesc = std::make_shared<TYPEDESC>(resultType);
        resultType = pointer;
    }
    std::string resultText =
        IsVoid(resultType) ? std::string() : TYPEDESCToString(info, resultType, namer);
    bool resultReturns = classForm && !dual && !resultText.empty();
    for (int i = 0; i <= cParams; ++i) {
        std::string name;
        if (static_cast<std::size_t>(i) + 1 < names.size()) {
            name = naming.MakeCobolName(names[static_cast<std::size_t>(i) + 1], true);
        } else if (i == 0 && IsProperty(func.invkind) && !names.empty()) {
            name = naming.MakeCobolName(names[0], true);
        }
        if (name.empty()) name = "MethodVar" + std::to_string(i + 1);

        TYPEDESC type;
        USHORT flags;
        std::string typeText;
        if (i < cParams) {
            const ELEMDESC& param = func.lprgelemdescParam[static_cast<std::size_t>(i)];
            type = param.tdesc;
            flags = param.paramdesc.wParamFlags;
            if (IsVoid(type)) continue;
            typeText = TYPEDESCToString(info, type, namer);
        } else {
            if (IsVoid(resultType)) break;
            type = resultType;
            flags = PARAMFLAG_FOUT | PARAMFLAG_FRETVAL;
            typeText = resultText;
        }
        if (typeText.empty()) continue;
        // In the copy file these lines are comments: keep each on its line.
        if (!classForm) typeText = OneLine(typeText);
        if (classForm) name = linkage.Claim(name);

        std::string line;
        line.reserve(64);
        line += style.declaration;
        line += name;
        PadToColumn(line, 40, 4);
        line += typeText;
        line += ".\n";
        write(line);

        bool retval = (flags & PARAMFLAG_FRETVAL) != 0;
        if (retval && !classForm) {
            text +=
                (text.empty() ? std::string(" returning ") : std::string(style.returning)) + name;
            endsInComment = false;
        } else if (retval && !dual && returning.empty() && (i == cParams || !resultReturns)) {
            returning = name;
        } else {
            if (text.empty()) text = " using ";
            bool byReference = retval || type.vt == VT_PTR || (type.vt & VT_BYREF);
            std::string phrase =
                std::string(style.passing) + (byReference ? "reference " : "value ") + name;
            std::string tags = Tags(flags, style.tagBits);
            endsInComment = !tags.empty();
            if (!tags.empty()) {
                PadToColumn(phrase, 40, 4);
                phrase += "*> " + tags;
            }
            text += phrase;
        }
    }
    if (classForm && dual) {
        std::string line = "       01 hResult";
        PadToColumn(line, 40, 4);
        write(line + "HRESULT.\n");
        returning = "hResult";
    }
    if (!returning.empty()) {
        text +=
            (text.empty() ? std::string(" returning ") : std::string(style.returning)) + returning;
        endsInComment = false;
    }
    return text;
}

std::string CCblFile::BuildInvokeSignature(ITypeInfo& info, const std::vector<Bstr>& names,
                                           const FUNCDESC& func) {
    bool endsInComment;
    std::string text = BuildSignature(
        info, m_context.naming, m_context.names, names, func, false, false,
        [&](const std::string& line) { WriteCopy(line); }, endsInComment);
    return text + ".\n";
}

std::string CCblFile::BuildClassSignature(ITypeInfo& info, const std::vector<Bstr>& names,
                                          const FUNCDESC& func, bool dual) {
    bool endsInComment;
    std::string text = BuildSignature(
        info, m_context.naming, m_context.names, names, func, true, dual,
        [&](const std::string& line) { WriteClass(line); }, endsInComment);
    // A period after a tag comment would be part of the comment; the
    // compiler must see it, so it goes on a line of its own.
    return text + (endsInComment ? "\n               .\n" : ".\n");
}

bool CCblFile::WriteMethods(bool classForm, ITypeInfo& info, const TYPEATTR& attr) {
    bool dual = (attr.wTypeFlags & TYPEFLAG_FDUAL) != 0;
    UINT first = dual ? 7 : 0;
    auto write = [&](std::string_view text) {
        if (classForm) {
            WriteClass(text);
        } else {
            WriteCopy(text);
        }
    };
    if (!classForm) WriteCopy("      *> [METHODS:]\n");
    WordScope methods;               // the class's method-ids
    std::vector<MEMBERID> putsSeen;  // the properties with a put so far
    for (UINT i = first; i < attr.cFuncs; ++i) {
        FuncDescPtr func;
        if (FAILED(info.GetFuncDesc(i, func))) continue;
        std::vector<Bstr> names;
        if (FAILED(info.GetNames(func->memid, names, kMaxNames)) || names.empty()) continue;
        Bstr doc;
        if (SUCCEEDED(info.GetDocumentation(func->memid, nullptr, &doc, nullptr, nullptr))) {
            std::string text = WideToAnsi(doc);
            if (!text.empty()) {
                write("      *> ");
                write(OneLine(text));
                write("\n");
            }
        }
        std::string prefix;
        if (func->invkind == INVOKE_PROPERTYGET) prefix = "get";
        if (func->invkind == INVOKE_PROPERTYPUT || func->invkind == INVOKE_PROPERTYPUTREF)
            prefix = "set";
        std::string member = MakeMemberName(names[0]);
        std::string method;
        if (classForm) {
            bool besidePut = func->invkind == INVOKE_PROPERTYPUTREF &&
                             HasPut(info, attr, func->memid, i, putsSeen);
            if (func->invkind == INVOKE_PROPERTYPUT) putsSeen.push_back(func->memid);
            method = MethodId(methods, prefix, besidePut, member);
            ClassParts("       method-id. ", method, ".\n");
            WriteClass("       local-storage section.\n");
            WriteClass("       linkage section.\n");
            std::string signature = BuildClassSignature(info, names, *func, dual);
            ClassParts("       procedure division", signature);
            WriteClass("           exit method.\n");
            ClassParts("       end method ", method, ".\n\n");
        } else {
            // A comment shows the whole name.
            method = prefix + member;
            CopyParts("      *> Method: \"", method, "\".\n");
            std::string signature = BuildInvokeSignature(info, names, *func);
            CopyParts("      *> invoke", signature);
            WriteCopy("      *> ----------------\n");
        }
    }
    return true;
}

bool CCblFile::WriteProperties(ITypeInfo& info, const TYPEATTR& attr) {
    if (attr.wTypeFlags & TYPEFLAG_FDUAL) return false;
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
        bool readOnly = (var->wVarFlags & 1) != 0;
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
    return true;
}

}  // namespace qorvix
