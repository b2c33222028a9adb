#include "tests/support/walk.h"

namespace qorvix::test {
namespace {

class Walker {
  public:
    WalkCounts counts;

    void Library(ITypeLib& lib) {
        Bstr name, doc, file;
        DWORD context;
        Note(lib.GetDocumentation(-1, &name, &doc, &context, &file));
        LibAttrPtr attr;
        Note(lib.GetLibAttr(attr));
        UINT count = lib.GetTypeInfoCount();
        for (UINT i = 0; i < count; ++i) {
            TYPEKIND kind;
            Note(lib.GetTypeInfoType(i, &kind));
            Note(lib.GetDocumentation(static_cast<INT>(i), &name, &doc, &context, &file));
            ComPtr<ITypeInfo> info;
            if (Note(lib.GetTypeInfo(i, info))) Type(*info, 0);
        }
    }

  private:
    bool Note(HRESULT hr) {
        if (FAILED(hr)) ++counts.failures;
        return SUCCEEDED(hr);
    }

    void Type(ITypeInfo& info, int depth) {
        ++counts.types;
        TypeAttrPtr attr;
        if (!Note(info.GetTypeAttr(attr))) return;
        Bstr name, doc, file;
        DWORD context;
        Note(info.GetDocumentation(MEMBERID_NIL, &name, &doc, &context, &file));
        ComPtr<ITypeLib> lib;
        UINT index;
        Note(info.GetContainingTypeLib(lib, &index));
        if (attr->typekind == TKIND_ALIAS) Desc(info, attr->tdescAlias);
        for (UINT i = 0; i < attr->cImplTypes; ++i) {
            HREFTYPE href;
            INT flags;
            Note(info.GetImplTypeFlags(i, &flags));
            if (Note(info.GetRefTypeOfImplType(i, &href))) Ref(info, href);
        }
        HREFTYPE twin;
        if (SUCCEEDED(info.GetRefTypeOfImplType(static_cast<UINT>(-1), &twin))) {
            ComPtr<ITypeInfo> other;
            // The twin is walked too, once: its twin leads back here.
            if (Note(info.GetRefTypeInfo(twin, other)) && depth == 0) Type(*other, depth + 1);
        }
        for (UINT i = 0; i < attr->cFuncs; ++i)
            Func(info, i, attr->typekind);
        for (UINT i = 0; i < attr->cVars; ++i)
            Var(info, i);
    }

    void Member(ITypeInfo& info, MEMBERID memid) {
        std::vector<Bstr> names;
        if (Note(info.GetNames(memid, names, 64))) counts.names += names.size();
        Bstr name, doc;
        DWORD context;
        Note(info.GetDocumentation(memid, &name, &doc, &context, nullptr));
    }

    void Func(ITypeInfo& info, UINT index, TYPEKIND kind) {
        FuncDescPtr f;
        if (!Note(info.GetFuncDesc(index, f))) return;
        ++counts.funcs;
        Member(info, f->memid);
        Desc(info, f->elemdescFunc.tdesc);
        for (const ELEMDESC& p : f->lprgelemdescParam) {
            Desc(info, p.tdesc);
            if (p.paramdesc.pparamdescex) Value(*p.paramdesc.pparamdescex);
        }
        if (kind == TKIND_MODULE) {
            Bstr dll, entry;
            WORD ordinal;
            Note(info.GetDllEntry(f->memid, f->invkind, &dll, &entry, &ordinal));
        }
    }

    void Var(ITypeInfo& info, UINT index) {
        VarDescPtr v;
        if (!Note(info.GetVarDesc(index, v))) return;
        ++counts.vars;
        Member(info, v->memid);
        Desc(info, v->elemdescVar.tdesc);
        if (v->lpvarValue) Value(*v->lpvarValue);
    }

    void Value(const VARIANT& value) {
        VARIANT text;
        VariantChangeType(&text, &value, 0, VT_BSTR);
    }

    void Desc(ITypeInfo& info, const TYPEDESC& desc) {
        const TYPEDESC* d = &desc;
        for (int depth = 0; d && depth < 64; ++depth) {
            if (d->vt == VT_USERDEFINED) {
                Ref(info, d->hreftype);
                return;
            }
            if (d->vt == VT_CARRAY) {
                d = d->lpadesc ? &d->lpadesc->tdescElem : nullptr;
            } else if (d->vt == VT_PTR || d->vt == VT_SAFEARRAY) {
                d = d->lptdesc.get();
            } else {
                return;
            }
        }
    }

    void Ref(ITypeInfo& info, HREFTYPE href) {
        ComPtr<ITypeInfo> ref;
        if (!Note(info.GetRefTypeInfo(href, ref))) return;
        ++counts.refs;
        Bstr name;
        Note(ref->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr));
        TypeAttrPtr attr;
        Note(ref->GetTypeAttr(attr));
    }
};

}  // namespace

WalkCounts WalkTypeLib(ITypeLib& lib) {
    Walker walker;
    walker.Library(lib);
    return walker.counts;
}

}  // namespace qorvix::test
