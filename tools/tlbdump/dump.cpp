#include "tools/tlbdump/dump.h"

#include <cstdio>

#include "tools/tlbdump/json.h"

namespace qorvix {
namespace {

constexpr UINT kMaxNames = 64;

std::string Hex(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", static_cast<std::uint32_t>(hr));
    return text;
}

std::string HexOffset(std::int64_t offset) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(offset));
    return text;
}

void Text(JsonWriter& json, const Bstr& text) {
    if (text) {
        json.String(*text);
    } else {
        json.Null();
    }
}

class Dumper {
  public:
    Dumper(JsonWriter& json, bool reasons) : m_json(json), m_reasons(reasons) {}

    void Library(ITypeLib& lib, const std::string& fileName) {
        m_json.BeginObject();
        m_json.Key("file");
        m_json.String(fileName);
        m_json.Key("hr");
        m_json.String(Hex(S_OK));
        m_json.Key("lib");
        LibraryInfo(lib);
        m_json.Key("types");
        m_json.BeginArray();
        UINT count = lib.GetTypeInfoCount();
        for (UINT i = 0; i < count; ++i)
            Type(lib, i);
        m_json.EndArray();
        m_json.EndObject();
    }

  private:
    void LibraryInfo(ITypeLib& lib) {
        m_json.BeginObject();
        Bstr name, doc, helpFile;
        DWORD helpContext = 0;
        HRESULT hr = lib.GetDocumentation(-1, &name, &doc, &helpContext, &helpFile);
        DocumentationFields(hr, name, doc, helpContext);
        m_json.Key("helpfile");
        if (FAILED(hr)) {
            Error(hr);
        } else {
            Text(m_json, helpFile);
        }
        LibAttrPtr attr;
        hr = lib.GetLibAttr(attr);
        for (const char* key : {"guid", "lcid", "syskind", "major", "minor", "flags"}) {
            m_json.Key(key);
            if (FAILED(hr)) {
                Error(hr);
                continue;
            }
            std::string k = key;
            if (k == "guid") m_json.String(GuidToString(attr->guid));
            if (k == "lcid") m_json.UInt(attr->lcid);
            if (k == "syskind") m_json.Int(attr->syskind);
            if (k == "major") m_json.UInt(attr->wMajorVerNum);
            if (k == "minor") m_json.UInt(attr->wMinorVerNum);
            if (k == "flags") m_json.UInt(attr->wLibFlags);
        }
        m_json.EndObject();
    }

    void DocumentationFields(HRESULT hr, const Bstr& name, const Bstr& doc, DWORD helpContext) {
        m_json.Key("name");
        FAILED(hr) ? Error(hr) : Text(m_json, name);
        m_json.Key("doc");
        FAILED(hr) ? Error(hr) : Text(m_json, doc);
        m_json.Key("helpctx");
        FAILED(hr) ? Error(hr) : m_json.UInt(helpContext);
    }

    void Type(ITypeLib& lib, UINT index) {
        ComPtr<ITypeInfo> info;
        HRESULT hr = lib.GetTypeInfo(index, info);
        if (FAILED(hr)) {
            Error(hr);
            return;
        }
        m_json.BeginObject();
        m_json.Key("index");
        m_json.UInt(index);
        Bstr name, doc;
        DWORD helpContext = 0;
        hr = info->GetDocumentation(MEMBERID_NIL, &name, &doc, &helpContext, nullptr);
        DocumentationFields(hr, name, doc, helpContext);

        TypeAttrPtr attr;
        hr = info->GetTypeAttr(attr);
        if (FAILED(hr)) {
            for (const char* key : {"guid", "typekind", "flags", "cFuncs", "cVars", "cImplTypes",
                                    "cbSizeVft", "cbSizeInstance", "cbAlignment", "major", "minor",
                                    "alias", "impl", "dualref", "funcs", "vars"}) {
                m_json.Key(key);
                Error(hr);
            }
            m_json.EndObject();
            return;
        }
        m_json.Key("guid");
        m_json.String(GuidToString(attr->guid));
        m_json.Key("typekind");
        m_json.Int(attr->typekind);
        m_json.Key("flags");
        m_json.UInt(attr->wTypeFlags);
        m_json.Key("cFuncs");
        m_json.UInt(attr->cFuncs);
        m_json.Key("cVars");
        m_json.UInt(attr->cVars);
        m_json.Key("cImplTypes");
        m_json.UInt(attr->cImplTypes);
        m_json.Key("cbSizeVft");
        m_json.UInt(attr->cbSizeVft);
        m_json.Key("cbSizeInstance");
        m_json.UInt(attr->cbSizeInstance);
        m_json.Key("cbAlignment");
        m_json.UInt(attr->cbAlignment);
        m_json.Key("major");
        m_json.UInt(attr->wMajorVerNum);
        m_json.Key("minor");
        m_json.UInt(attr->wMinorVerNum);
        m_json.Key("alias");
        if (attr->typekind == TKIND_ALIAS) {
            TypeDesc(*info, attr->tdescAlias);
        } else {
            m_json.Null();
        }

        m_json.Key("impl");
        m_json.BeginArray();
        for (UINT i = 0; i < attr->cImplTypes; ++i)
            ImplType(*info, i);
        m_json.EndArray();

        m_json.Key("dualref");
        if (attr->typekind == TKIND_DISPATCH && (attr->wTypeFlags & TYPEFLAG_FDUAL)) {
            HREFTYPE href;
            hr = info->GetRefTypeOfImplType(static_cast<UINT>(-1), &href);
            if (FAILED(hr)) {
                Error(hr);
            } else {
                RefInfo(*info, href);
            }
        } else {
            m_json.Null();
        }

        m_json.Key("funcs");
        m_json.BeginArray();
        for (UINT i = 0; i < attr->cFuncs; ++i)
            Func(*info, i);
        m_json.EndArray();
        m_json.Key("vars");
        m_json.BeginArray();
        for (UINT i = 0; i < attr->cVars; ++i)
            Var(*info, i);
        m_json.EndArray();
        m_json.EndObject();
    }

    void ImplType(ITypeInfo& info, UINT index) {
        m_json.BeginObject();
        INT flags = 0;
        HRESULT hr = info.GetImplTypeFlags(index, &flags);
        m_json.Key("flags");
        FAILED(hr) ? Error(hr) : m_json.Int(flags);
        HREFTYPE href = 0;
        hr = info.GetRefTypeOfImplType(index, &href);
        m_json.Key("href");
        FAILED(hr) ? Error(hr) : m_json.UInt(href);
        m_json.Key("ref");
        FAILED(hr) ? Error(hr) : RefInfo(info, href);
        m_json.EndObject();
    }

    void RefInfo(ITypeInfo& info, HREFTYPE href) {
        ComPtr<ITypeInfo> ref;
        HRESULT hr = info.GetRefTypeInfo(href, ref);
        if (FAILED(hr)) {
            Error(hr);
            return;
        }
        m_json.BeginObject();
        Bstr name;
        hr = ref->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
        m_json.Key("name");
        FAILED(hr) ? Error(hr) : Text(m_json, name);
        TypeAttrPtr attr;
        hr = ref->GetTypeAttr(attr);
        m_json.Key("typekind");
        FAILED(hr) ? Error(hr) : m_json.Int(attr->typekind);
        ComPtr<ITypeLib> lib;
        UINT index = 0;
        hr = ref->GetContainingTypeLib(lib, &index);
        Bstr libName;
        if (SUCCEEDED(hr)) hr = lib->GetDocumentation(-1, &libName, nullptr, nullptr, nullptr);
        m_json.Key("lib");
        FAILED(hr) ? Error(hr) : Text(m_json, libName);
        m_json.EndObject();
    }

    void TypeDesc(ITypeInfo& info, const TYPEDESC& desc, int depth = 0) {
        m_json.BeginObject();
        m_json.Key("vt");
        m_json.UInt(desc.vt);
        if (depth < 64) {
            if ((desc.vt == VT_PTR || desc.vt == VT_SAFEARRAY) && desc.lptdesc) {
                m_json.Key("of");
                TypeDesc(info, *desc.lptdesc, depth + 1);
            } else if (desc.vt == VT_CARRAY && desc.lpadesc) {
                m_json.Key("of");
                TypeDesc(info, desc.lpadesc->tdescElem, depth + 1);
                m_json.Key("dims");
                m_json.BeginArray();
                for (const SAFEARRAYBOUND& bound : desc.lpadesc->rgbounds) {
                    m_json.BeginArray();
                    m_json.UInt(bound.cElements);
                    m_json.Int(bound.lLbound);
                    m_json.EndArray();
                }
                m_json.EndArray();
            } else if (desc.vt == VT_USERDEFINED) {
                m_json.Key("href");
                m_json.UInt(desc.hreftype);
                m_json.Key("ref");
                RefInfo(info, desc.hreftype);
            }
        }
        m_json.EndObject();
    }

    void Value(const VARIANT& value) {
        m_json.BeginObject();
        m_json.Key("vt");
        m_json.UInt(value.vt);
        VARIANT text;
        VariantInit(&text);
        HRESULT hr = VariantChangeType(&text, &value, 0, VT_BSTR);
        m_json.Key("text");
        if (SUCCEEDED(hr)) {
            Text(m_json, text.bstrVal);
        } else {
            m_json.Null();
        }
        m_json.Key("hr");
        m_json.String(Hex(hr));
        m_json.Key("raw");
        switch (value.vt) {
            case VT_I1:
                m_json.Int(value.cVal());
                break;
            case VT_UI1:
                m_json.UInt(value.bVal());
                break;
            case VT_I2:
                m_json.Int(value.iVal());
                break;
            case VT_UI2:
                m_json.UInt(value.uiVal());
                break;
            case VT_I4:
            case VT_INT:
                m_json.Int(value.lVal());
                break;
            case VT_UI4:
            case VT_UINT:
                m_json.UInt(value.ulVal());
                break;
            case VT_I8:
                m_json.Int(value.llVal);
                break;
            case VT_UI8:
                m_json.UInt(value.ullVal);
                break;
            case VT_BOOL:
                m_json.Int(value.boolVal());
                break;
            case VT_ERROR:
            case VT_HRESULT:
                m_json.Int(value.scode());
                break;
            case VT_R4:
                m_json.Float(value.fltVal);
                break;
            case VT_R8:
                m_json.Double(value.dblVal);
                break;
            case VT_DATE:
                m_json.Double(value.date);
                break;
            case VT_CY:
                m_json.String(std::to_string(value.cyVal));
                break;
            default:
                m_json.Null();
                break;
        }
        m_json.EndObject();
    }

    void Names(ITypeInfo& info, MEMBERID memid) {
        std::vector<Bstr> names;
        HRESULT hr = info.GetNames(memid, names, kMaxNames);
        if (FAILED(hr)) {
            Error(hr);
            return;
        }
        m_json.BeginArray();
        for (const Bstr& name : names)
            Text(m_json, name);
        m_json.EndArray();
    }

    void MemberDoc(ITypeInfo& info, MEMBERID memid) {
        Bstr doc;
        HRESULT hr = info.GetDocumentation(memid, nullptr, &doc, nullptr, nullptr);
        FAILED(hr) ? Error(hr) : Text(m_json, doc);
    }

    void Func(ITypeInfo& info, UINT index) {
        FuncDescPtr f;
        HRESULT hr = info.GetFuncDesc(index, f);
        if (FAILED(hr)) {
            Error(hr);
            return;
        }
        m_json.BeginObject();
        m_json.Key("memid");
        m_json.Int(f->memid);
        m_json.Key("funckind");
        m_json.Int(f->funckind);
        m_json.Key("invkind");
        m_json.Int(f->invkind);
        m_json.Key("callconv");
        m_json.Int(f->callconv);
        m_json.Key("cParams");
        m_json.Int(f->cParams);
        m_json.Key("cParamsOpt");
        m_json.Int(f->cParamsOpt);
        m_json.Key("oVft");
        m_json.Int(f->oVft);
        m_json.Key("flags");
        m_json.UInt(f->wFuncFlags);
        m_json.Key("ret");
        TypeDesc(info, f->elemdescFunc.tdesc);
        m_json.Key("names");
        Names(info, f->memid);
        m_json.Key("doc");
        MemberDoc(info, f->memid);
        m_json.Key("params");
        m_json.BeginArray();
        for (const ELEMDESC& param : f->lprgelemdescParam) {
            m_json.BeginObject();
            m_json.Key("type");
            TypeDesc(info, param.tdesc);
            m_json.Key("flags");
            m_json.UInt(param.paramdesc.wParamFlags);
            m_json.Key("default");
            if ((param.paramdesc.wParamFlags & PARAMFLAG_FHASDEFAULT) &&
                param.paramdesc.pparamdescex) {
                Value(*param.paramdesc.pparamdescex);
            } else {
                m_json.Null();
            }
            m_json.EndObject();
        }
        m_json.EndArray();
        m_json.EndObject();
    }

    void Var(ITypeInfo& info, UINT index) {
        VarDescPtr v;
        HRESULT hr = info.GetVarDesc(index, v);
        if (FAILED(hr)) {
            Error(hr);
            return;
        }
        m_json.BeginObject();
        m_json.Key("memid");
        m_json.Int(v->memid);
        m_json.Key("varkind");
        m_json.Int(v->varkind);
        m_json.Key("flags");
        m_json.UInt(v->wVarFlags);
        m_json.Key("oInst");
        if (v->varkind == VAR_CONST) {
            m_json.Null();
        } else {
            m_json.UInt(v->oInst);
        }
        m_json.Key("type");
        TypeDesc(info, v->elemdescVar.tdesc);
        m_json.Key("names");
        Names(info, v->memid);
        m_json.Key("doc");
        MemberDoc(info, v->memid);
        m_json.Key("value");
        if (v->varkind == VAR_CONST && v->lpvarValue) {
            Value(*v->lpvarValue);
        } else {
            m_json.Null();
        }
        m_json.EndObject();
    }

    // A failed call; with reasons, what the reader knows of why.
    void Error(HRESULT hr) {
        m_json.BeginObject();
        m_json.Key("error");
        m_json.String(Hex(hr));
        FailureInfo info = LastFailureInfo();
        if (m_reasons && info.reason) {
            m_json.Key("reason");
            m_json.String(info.reason);
            if (info.offset >= 0) {
                m_json.Key("offset");
                m_json.String(HexOffset(info.offset));
            }
        }
        m_json.EndObject();
    }

    JsonWriter& m_json;
    bool m_reasons;
};

}  // namespace

std::string DumpTypeLib(ITypeLib& lib, const std::string& fileName, bool reasons) {
    JsonWriter json;
    Dumper(json, reasons).Library(lib, fileName);
    return json.Text();
}

std::string DumpLoadFailure(HRESULT hr, const std::string& fileName, const std::string* reason) {
    JsonWriter json;
    json.BeginObject();
    json.Key("file");
    json.String(fileName);
    json.Key("hr");
    json.String(Hex(hr));
    if (reason) {
        json.Key("reason");
        json.String(*reason);
    }
    json.EndObject();
    return json.Text();
}

}  // namespace qorvix
