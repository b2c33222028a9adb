// SLTG functions, variables and implemented types, from a typeinfo block's
// member chains.
#include <cstddef>

#include "typelib/sltg_decoder.h"

namespace qorvix::sltg {

ReadStatus SltgLibrary::Members(UINT index, StoredMembers& out) const {
    const TypeBlock* t;
    ReadStatus status = TypeBlockOf(index, t);
    if (!status.Ok()) return status.As(TYPE_E_INVDATAREAD);
    out.funcMemids.clear();
    out.varMemids.clear();
    for (const auto& func : t->funcs)
        out.funcMemids.push_back(static_cast<MEMBERID>(std::uint32_t{func.record.memid}));
    for (const auto& var : t->vars)
        out.varMemids.push_back(static_cast<MEMBERID>(std::uint32_t{var.record.memid}));
    return S_OK;
}

ReadStatus SltgLibrary::FuncOf(UINT index, UINT func, const TypeBlock*& t, FuncRecord& out,
                               WORD& funcFlags) const {
    ReadStatus status = TypeBlockOf(index, t);
    if (!status.Ok()) return status.As(TYPE_E_ELEMENTNOTFOUND);
    if (func >= t->funcs.size()) return TYPE_E_ELEMENTNOTFOUND;
    const Linked<FuncRecord>& link = t->funcs[func];
    out = link.record;
    funcFlags = 0;
    LeU16 flags;
    std::uint8_t kind = out.kind & ~kHasFlags;
    bool known = kind == kVirtualFunc || kind == kDispatchFunc || kind == kStaticFunc;
    if (!known || out.CParamsOpt() > out.CParams() ||
        ((out.kind & kHasFlags) && !t->members.Read(link.at + sizeof out, flags))) {
        return Damage(TYPE_E_ELEMENTNOTFOUND, "the function record is damaged",
                      t->members.FileOffset(link.at));
    }
    if (out.kind & kHasFlags) funcFlags = flags;
    return S_OK;
}

ReadStatus SltgLibrary::VarOf(UINT index, UINT var, const TypeBlock*& t) const {
    ReadStatus status = TypeBlockOf(index, t);
    if (!status.Ok()) return status.As(TYPE_E_ELEMENTNOTFOUND);
    return var < t->vars.size() ? S_OK : TYPE_E_ELEMENTNOTFOUND;
}

ReadStatus SltgLibrary::FuncDesc(UINT index, UINT func, FUNCDESC& out) const {
    const TypeBlock* t;
    FuncRecord f;
    WORD funcFlags;
    ReadStatus status = FuncOf(index, func, t, f, funcFlags);
    if (!status.Ok()) return status;
    out = FUNCDESC{};
    out.memid = static_cast<MEMBERID>(std::uint32_t{f.memid});
    switch (f.kind & ~kHasFlags) {
        case kVirtualFunc:
            out.funckind = FUNC_PUREVIRTUAL;
            break;
        case kDispatchFunc:
            out.funckind = FUNC_DISPATCH;
            break;
        default:
            out.funckind = FUNC_STATIC;
            break;
    }
    out.invkind = static_cast<INVOKEKIND>(f.invkind >> 4);
    out.callconv = static_cast<CALLCONV>(f.callAndCount & 7);
    out.cParams = static_cast<SHORT>(f.CParams());
    out.cParamsOpt = static_cast<SHORT>(f.CParamsOpt());
    out.oVft = out.funckind == FUNC_DISPATCH ? 0 : static_cast<SHORT>(WORD{f.vtableOffset});
    out.wFuncFlags = funcFlags;
    std::int64_t returnAt =
        t->members.FileOffset(t->funcs[func].at + offsetof(FuncRecord, returnWord));
    status = f.ReturnInline() ? InlineType(*t, f.returnWord, returnAt, out.elemdescFunc.tdesc)
                              : TypeAt(*t, f.returnWord, out.elemdescFunc.tdesc, nullptr);
    if (!status.Ok()) return status;
    out.lprgelemdescParam.resize(static_cast<std::size_t>(out.cParams));
    Cursor list(t->members, f.params);
    for (int i = 0; i < out.cParams; ++i) {
        ELEMDESC& param = out.lprgelemdescParam[static_cast<std::size_t>(i)];
        std::uint16_t nameWord = list.U16();
        if (!list.Ok()) {
            return Damage(TYPE_E_INVDATAREAD, "the parameter list runs past the member data",
                          list.FileOffset());
        }
        // Bit 0 of the name word: the type follows inline, else its offset does.
        status = (nameWord & 1) ? DecodeType(*t, list, param.tdesc, &param.paramdesc.wParamFlags)
                                : TypeAt(*t, list.U16(), param.tdesc, &param.paramdesc.wParamFlags);
        if (status.Ok() && !list.Ok()) {
            status = Damage(TYPE_E_INVDATAREAD, "the parameter list runs past the member data",
                            list.FileOffset());
        }
        if (!status.Ok()) return status;
        if (i >= out.cParams - out.cParamsOpt) param.paramdesc.wParamFlags |= PARAMFLAG_FOPT;
    }
    return S_OK;
}

ReadStatus SltgLibrary::FuncName(UINT index, UINT func, Bstr& name) const {
    const TypeBlock* t;
    FuncRecord f;
    WORD funcFlags;
    ReadStatus status = FuncOf(index, func, t, f, funcFlags);
    if (!status.Ok()) return status;
    name = Name(f.nameOffset);
    return S_OK;
}

ReadStatus SltgLibrary::FuncNames(UINT index, UINT func, std::vector<Bstr>& names,
                                  UINT maxNames) const {
    const TypeBlock* t;
    FuncRecord f;
    WORD funcFlags;
    names.clear();
    ReadStatus status = FuncOf(index, func, t, f, funcFlags);
    if (!status.Ok()) return status;
    Bstr name = Name(f.nameOffset);
    if (!name || maxNames == 0) return S_OK;
    names.push_back(std::move(name));
    Cursor list(t->members, f.params);
    for (int i = 0; i < f.CParams() && names.size() < maxNames; ++i) {
        std::uint16_t nameWord = list.U16();
        if (!list.Ok()) break;
        // Step over the type to reach the next parameter.
        if (nameWord & 1) {
            TYPEDESC skipped;
            if (!DecodeType(*t, list, skipped, nullptr).Ok()) break;
        } else {
            list.Skip(2);
        }
        Bstr param = Name(static_cast<std::uint16_t>(nameWord & ~1u));
        if (!param) break;
        names.push_back(std::move(param));
    }
    return S_OK;
}

ReadStatus SltgLibrary::FuncDocumentation(UINT index, UINT func, Bstr* docString,
                                          DWORD* helpContext) const {
    const TypeBlock* t;
    FuncRecord f;
    WORD funcFlags;
    ReadStatus status = FuncOf(index, func, t, f, funcFlags);
    if (!status.Ok()) return status;
    // The platform reports neither member help strings nor contexts here.
    if (docString) docString->reset();
    if (helpContext) *helpContext = 0;
    return S_OK;
}

ReadStatus SltgLibrary::VarDesc(UINT index, UINT var, VARDESC& out) const {
    const TypeBlock* t;
    ReadStatus status = VarOf(index, var, t);
    if (!status.Ok()) return status;
    const Linked<VarRecord>& link = t->vars[var];
    const VarRecord& v = link.record;
    std::int64_t where = t->members.FileOffset(link.at);
    LeU16 varFlags{};
    if ((v.magic & ~kHasFlags) != kVarMagic ||
        ((v.magic & kHasFlags) && !t->members.Read(link.at + sizeof v, varFlags))) {
        return Damage(TYPE_E_INVDATAREAD, "the variable record is damaged", where);
    }
    out = VARDESC{};
    out.memid = static_cast<MEMBERID>(std::uint32_t{v.memid});
    out.varkind = (v.flags & kVarDispatch) ? VAR_DISPATCH
                  : (v.flags & kVarConst)  ? VAR_CONST
                                           : VAR_PERINSTANCE;
    WORD storedFlags = (v.magic & kHasFlags) ? WORD{varFlags} : WORD{0};
    out.wVarFlags =
        static_cast<WORD>(storedFlags | ((v.flags & kVarReadOnly) ? VARFLAG_FREADONLY : 0));
    status = (v.flags & kVarTypeInline)
                 ? InlineType(*t, v.type, where + offsetof(VarRecord, type), out.elemdescVar.tdesc)
                 : TypeAt(*t, v.type, out.elemdescVar.tdesc, nullptr);
    if (!status.Ok()) return status;
    if (out.varkind == VAR_PERINSTANCE) out.oInst = v.value;
    if (out.varkind == VAR_CONST) {
        ReadStatus damaged(TYPE_E_INVDATAREAD, "the constant's value lies outside the member data",
                           where + std::int64_t{offsetof(VarRecord, value)});
        auto value = std::make_shared<VARIANT>();
        VARTYPE declared = out.elemdescVar.tdesc.vt;
        if (v.flags & kVarValueInline) {
            value->vt = VT_INT;
            value->llVal = v.value;
        } else if (declared == VT_BSTR || declared == VT_LPSTR || declared == VT_LPWSTR) {
            Cursor c(t->members, v.value);
            std::optional<std::string_view> text;
            if (!ReadLstr(c, text)) return damaged;
            value->vt = VT_BSTR;
            if (text) value->bstrVal = Decode(*text);
        } else {
            LeI32 number;
            if (!t->members.Read(v.value, number)) return damaged;
            value->vt = VT_INT;
            value->llVal = number;
        }
        out.lpvarValue = std::move(value);
    }
    return S_OK;
}

ReadStatus SltgLibrary::VarName(UINT index, UINT var, Bstr& name) const {
    const TypeBlock* t;
    ReadStatus status = VarOf(index, var, t);
    if (!status.Ok()) return status;
    // A variable without a name of its own takes its predecessor's.
    for (UINT v = var + 1; v-- > 0;) {
        std::uint16_t offset = t->vars[v].record.nameOffset;
        if (offset != kNoName) {
            name = Name(offset);
            return S_OK;
        }
    }
    name.reset();
    return S_OK;
}

ReadStatus SltgLibrary::VarDocumentation(UINT index, UINT var, Bstr* docString,
                                         DWORD* helpContext) const {
    const TypeBlock* t;
    ReadStatus status = VarOf(index, var, t);
    if (!status.Ok()) return status;
    if (docString) docString->reset();
    if (helpContext) *helpContext = 0;
    return S_OK;
}

ReadStatus SltgLibrary::ImplType(UINT index, UINT impl, HREFTYPE& href, INT& flags) const {
    const TypeBlock* t;
    ReadStatus status = TypeBlockOf(index, t);
    if (!status.Ok()) return status.As(TYPE_E_ELEMENTNOTFOUND);
    if (impl >= t->impls.size()) return TYPE_E_ELEMENTNOTFOUND;
    const ImplRecord& record = t->impls[impl].record;
    // The record's type description names the interface; its field 0x0A
    // does not (for dispinterfaces it holds the variable count).
    TYPEDESC desc;
    status = TypeAt(*t, record.typeAt, desc, nullptr);
    if (!status.Ok()) return status;
    if (desc.vt != VT_USERDEFINED) {
        return Damage(TYPE_E_INVDATAREAD, "the implemented type is not a reference",
                      t->members.FileOffset(record.typeAt));
    }
    href = desc.hreftype;
    flags = record.flags;
    return S_OK;
}

ReadStatus SltgLibrary::DllEntry(UINT index, UINT func, Bstr* dllName, Bstr* name,
                                 WORD* ordinal) const {
    // SLTG modules keep no DLL name that anyone has seen decoded.
    if (dllName) dllName->reset();
    if (name) name->reset();
    if (ordinal) *ordinal = 0;
    const TypeBlock* t;
    ReadStatus status = TypeBlockOf(index, t);
    if (!status.Ok()) return status.As(TYPE_E_ELEMENTNOTFOUND);
    return func < t->funcs.size() ? S_OK : TYPE_E_ELEMENTNOTFOUND;
}

}  // namespace qorvix::sltg
