// MSFT functions and variables: the member block of a type and its records.
#include <cstddef>

#include "typelib/msft_decoder.h"

namespace qorvix::msft {

// The documentation fields that function and variable records share.
static_assert(offsetof(FuncOptional, helpContext) == offsetof(VarOptional, helpContext) &&
              offsetof(FuncOptional, helpString) == offsetof(VarOptional, helpString));

ReadStatus MsftLibrary::FuncOf(UINT index, UINT func, const MemberTable*& table,
                               const Function*& out) const {
    ReadStatus status = Table(index, table);
    if (!status.Ok()) return status.As(TYPE_E_ELEMENTNOTFOUND);
    out = &m_lastFunction;
    if (index == m_lastFuncType && func == m_lastFunc) return S_OK;
    m_lastFuncType = index;
    m_lastFunc = func;
    status = FuncAt(*table, func, m_lastFunction);
    if (!status.Ok()) m_lastFuncType = ~UINT{0};
    return status.As(TYPE_E_ELEMENTNOTFOUND);
}

ReadStatus MsftLibrary::FirstTable(UINT index, const MemberTable*& out) const {
    if (index >= m_tables.size()) return TYPE_E_ELEMENTNOTFOUND;
    return m_tables[index].Get([&](MemberTable& table) { return ReadTable(index, table); }, out);
}

// Optional fields count only when the record holds all of their bytes.
template <typename Member>
void MsftLibrary::Documentation(const Member& member, Bstr* docString, DWORD* helpContext) const {
    LeU32 context;
    LeI32 doc;
    if (helpContext) {
        *helpContext = member.Optional(offsetof(FuncOptional, helpContext), context) ? context : 0;
    }
    if (docString) {
        if (member.Optional(offsetof(FuncOptional, helpString), doc)) {
            StringInto(doc, *docString);
        } else {
            docString->reset();
        }
    }
}

ReadStatus MsftLibrary::ReadTable(UINT index, MemberTable& table) const {
    TypeRecord r;
    ReadStatus status = Record(index, r);
    if (!status.Ok()) return status;
    table.cFuncs = r.CFuncs();
    table.cVars = r.CVars();
    std::int64_t n = std::int64_t{table.cFuncs} + table.cVars;
    if (n == 0) return S_OK;
    std::int64_t block = r.memoffset;
    MemberBlockHead head;
    if (block < 0 || !m_image.Read(block, head) || head.infoLength < 0) {
        return Damage(TYPE_E_INVDATAREAD, "the member block lies outside the file",
                      RecordOffset(index) + std::int64_t{offsetof(TypeRecord, memoffset)});
    }
    std::int64_t arraysAt = block + sizeof head + head.infoLength;
    auto count = static_cast<std::size_t>(n);
    if (!m_image.Sub(block + sizeof head, head.infoLength, table.records) ||
        !m_image.ReadArray(arraysAt, count, table.memids) ||
        !m_image.ReadArray(arraysAt + 4 * n, count, table.nameOffsets) ||
        !m_image.ReadArray(arraysAt + 8 * n, count, table.recordOffsets)) {
        return Damage(TYPE_E_INVDATAREAD, "the member block runs past the end of the file",
                      m_image.FileOffset(block));
    }
    return S_OK;
}

ReadStatus MsftLibrary::Members(UINT index, StoredMembers& out) const {
    const MemberTable* table;
    ReadStatus status = Table(index, table);
    if (!status.Ok()) return status.As(TYPE_E_INVDATAREAD);
    out.funcMemids.assign(table->memids.begin(), table->memids.begin() + table->cFuncs);
    out.varMemids.assign(table->memids.begin() + table->cFuncs, table->memids.end());
    return S_OK;
}

ReadStatus MsftLibrary::FuncAt(const MemberTable& table, UINT func, Function& out) const {
    if (func >= table.cFuncs) return TYPE_E_ELEMENTNOTFOUND;
    std::int32_t at = table.recordOffsets[func];
    if (!table.records.Read(at, out.fixed) ||
        !table.records.Sub(at, out.fixed.info & 0xFFFF, out.record) ||
        out.record.Size() < sizeof(FuncRecord)) {
        return Damage(TYPE_E_ELEMENTNOTFOUND, "the function record lies outside its member block",
                      table.records.FileOffset(at));
    }
    // Parameter records end the record; default values, if any, come just
    // before them, and the optional fields fill what is left.
    auto size = static_cast<std::int64_t>(out.record.Size());
    std::int64_t cParams = out.fixed.cParams;
    std::int16_t cParamsOpt = out.fixed.cParamsOpt;
    bool hasDefaults = out.fixed.HasDefaults();
    std::int64_t tail = (std::int64_t{sizeof(ParamRecord)} + (hasDefaults ? 4 : 0)) * cParams;
    if (cParams < 0 || cParamsOpt < -1 || cParamsOpt > cParams ||
        std::int64_t{sizeof(FuncRecord)} + tail > size) {
        return Damage(TYPE_E_ELEMENTNOTFOUND,
                      "the function's parameter counts do not fit its record",
                      table.records.FileOffset(at));
    }
    out.paramsAt = size - std::int64_t{sizeof(ParamRecord)} * cParams;
    out.optionalEnd = size - tail;
    return S_OK;
}

ReadStatus MsftLibrary::VarAt(const MemberTable& table, UINT var, Variable& out) const {
    if (var >= table.cVars) return TYPE_E_ELEMENTNOTFOUND;
    std::int32_t at = table.recordOffsets[std::size_t{table.cFuncs} + var];
    if (!table.records.Read(at, out.fixed) ||
        !table.records.Sub(at, out.fixed.info & 0xFFFF, out.record) ||
        out.record.Size() < sizeof(VarRecord)) {
        return Damage(TYPE_E_ELEMENTNOTFOUND, "the variable record lies outside its member block",
                      table.records.FileOffset(at));
    }
    return S_OK;
}

ReadStatus MsftLibrary::FuncDesc(UINT index, UINT func, FUNCDESC& out) const {
    const MemberTable* table;
    const Function* f;
    ReadStatus status = FuncOf(index, func, table, f);
    if (!status.Ok()) return status;
    // A description filled again keeps its parameters' room.
    std::vector<ELEMDESC> params = std::move(out.lprgelemdescParam);
    out = FUNCDESC{};
    out.lprgelemdescParam = std::move(params);
    out.memid = table->memids[func];
    out.funckind = f->fixed.FuncKind();
    out.invkind = f->fixed.InvKind();
    out.callconv = f->fixed.CallConv();
    out.cParams = f->fixed.cParams;
    out.cParamsOpt = f->fixed.cParamsOpt;
    out.oVft = static_cast<SHORT>(f->fixed.vtableOffset & ~1u);
    out.wFuncFlags = static_cast<WORD>(f->fixed.funcFlags & 0xFFFF);
    status = TypeCode(f->fixed.returnType, f->record.FileOffset(offsetof(FuncRecord, returnType)),
                      out.elemdescFunc.tdesc);
    if (!status.Ok()) return status;
    out.lprgelemdescParam.resize(static_cast<std::size_t>(out.cParams));
    for (std::int16_t i = 0; i < out.cParams; ++i) {
        ELEMDESC& param = out.lprgelemdescParam[static_cast<std::size_t>(i)];
        ParamRecord p;
        if (!f->Param(i, p)) {
            return Damage(TYPE_E_INVDATAREAD, "a parameter record is cut short",
                          f->record.FileOffset(0));
        }
        status = TypeCode(p.type, f->record.FileOffset(f->paramsAt + std::int64_t{sizeof p} * i),
                          param.tdesc);
        if (!status.Ok()) return status;
        param.paramdesc.wParamFlags = static_cast<USHORT>(p.flags & 0xFFFF);
        param.paramdesc.pparamdescex.reset();
        LeI32 code;
        if ((param.paramdesc.wParamFlags & PARAMFLAG_FHASDEFAULT) && f->Default(i, code)) {
            auto value = std::make_shared<VARIANT>();
            if (code != kNone && Value(code, *value))
                param.paramdesc.pparamdescex = std::move(value);
        }
    }
    return S_OK;
}

ReadStatus MsftLibrary::VarDesc(UINT index, UINT var, VARDESC& out) const {
    const MemberTable* table;
    Variable v;
    ReadStatus status = VarOf(index, var, table, v);
    if (!status.Ok()) return status;
    out = VARDESC{};
    out.memid = table->memids[std::size_t{table->cFuncs} + var];
    status = TypeCode(v.fixed.type, v.record.FileOffset(offsetof(VarRecord, type)),
                      out.elemdescVar.tdesc);
    if (!status.Ok()) return status;
    out.wVarFlags = static_cast<WORD>(v.fixed.varFlags & 0xFFFF);
    out.varkind = static_cast<VARKIND>(WORD{v.fixed.varkind});
    std::int32_t slot = v.fixed.value;
    if (out.varkind == VAR_CONST) {
        auto value = std::make_shared<VARIANT>();
        if (!Value(slot, *value)) {
            return Damage(TYPE_E_INVDATAREAD,
                          "the constant's value lies outside the custom-data segment",
                          v.record.FileOffset(offsetof(VarRecord, value)));
        }
        out.lpvarValue = std::move(value);
    } else if (out.varkind == VAR_PERINSTANCE) {
        out.oInst = static_cast<ULONG>(slot);
    }
    return S_OK;
}

ReadStatus MsftLibrary::FuncName(UINT index, UINT func, Bstr& name) const {
    const MemberTable* table;
    ReadStatus status = Table(index, table);
    if (!status.Ok()) return status.As(TYPE_E_ELEMENTNOTFOUND);
    if (func >= table->cFuncs) return TYPE_E_ELEMENTNOTFOUND;
    NameInto(table->nameOffsets[func], name);
    if (!name && func > 0) {
        // A second accessor of a property may leave its name to the first.
        Function previous;
        std::int32_t accessors = INVOKE_PROPERTYGET | INVOKE_PROPERTYPUT | INVOKE_PROPERTYPUTREF;
        if (FuncAt(*table, func - 1, previous).Ok() &&
            table->memids[func - 1] == table->memids[func] &&
            (previous.fixed.InvKind() & accessors)) {
            NameInto(table->nameOffsets[func - 1], name);
        }
    }
    return S_OK;
}

ReadStatus MsftLibrary::FuncNames(UINT index, UINT func, std::vector<Bstr>& names,
                                  UINT maxNames) const {
    // Into the elements `names` has: they keep their room from member to
    // member.
    std::size_t count = 0;
    auto next = [&]() -> Bstr& {
        if (count == names.size()) names.emplace_back();
        return names[count++];
    };
    const MemberTable* table;
    const Function* f;
    ReadStatus status = FuncOf(index, func, table, f);
    if (status.Ok() && maxNames > 0) {
        Bstr& name = next();
        status = FuncName(index, func, name);
        if (!status.Ok() || !name) count = 0;
    }
    ParamRecord p;
    for (std::int16_t i = 0; count > 0 && i < f->fixed.cParams && count < maxNames; ++i) {
        if (!f->Param(i, p)) break;
        if (!NameInto(p.nameOffset, next())) {
            --count;
            break;
        }
    }
    names.resize(count);
    return status;
}

ReadStatus MsftLibrary::VarName(UINT index, UINT var, Bstr& name) const {
    const MemberTable* table;
    ReadStatus status = Table(index, table);
    if (!status.Ok()) return status.As(TYPE_E_ELEMENTNOTFOUND);
    if (var >= table->cVars) return TYPE_E_ELEMENTNOTFOUND;
    name = Name(table->nameOffsets[std::size_t{table->cFuncs} + var]);
    return S_OK;
}

ReadStatus MsftLibrary::FuncDocumentation(UINT index, UINT func, Bstr* docString,
                                          DWORD* helpContext) const {
    const MemberTable* table;
    const Function* f;
    ReadStatus status = FuncOf(index, func, table, f);
    if (!status.Ok()) return status;
    Documentation(*f, docString, helpContext);
    return S_OK;
}

ReadStatus MsftLibrary::VarDocumentation(UINT index, UINT var, Bstr* docString,
                                         DWORD* helpContext) const {
    const MemberTable* table;
    Variable v;
    ReadStatus status = VarOf(index, var, table, v);
    if (!status.Ok()) return status;
    Documentation(v, docString, helpContext);
    return S_OK;
}

ReadStatus MsftLibrary::DllEntry(UINT index, UINT func, Bstr* dllName, Bstr* name,
                                 WORD* ordinal) const {
    TypeRecord r;
    const MemberTable* table;
    const Function* f;
    ReadStatus status = Record(index, r);
    if (status.Ok()) status = FuncOf(index, func, table, f);
    if (!status.Ok()) return status;
    if (dllName) *dllName = String(r.datatype1);
    if (name) *name = std::nullopt;
    if (ordinal) *ordinal = 0;
    LeI32 entry;
    if (!f->Optional(offsetof(FuncOptional, entry), entry)) return S_OK;
    if (f->fixed.EntryIsOrdinal()) {
        if (ordinal) *ordinal = static_cast<WORD>(entry & 0xFFFF);
    } else if (name) {
        *name = String(entry);
    }
    return S_OK;
}

}  // namespace qorvix::msft
