// The presentation's own declarations, shared by its source files
// (library.cpp: the library view and imports; type_info.cpp: a type's view
// and the searches through base interfaces; dispatch_view.cpp: the function
// list of a dispatch view).
//
// A failure is reported where it starts: a decoder's status, or a failure
// of this layer's own, goes through Report, which keeps its reason for
// LastFailureInfo(); a failure that another type info returned has been
// reported there and is passed on as it is.
#pragma once

#include <algorithm>
#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "typelib/load.h"
#include "typelib/read_status.h"
#include "typelib/stored_library.h"
#include "typelib/typelib.h"

namespace qorvix::views {

constexpr HREFTYPE kDualTwinHref = 0xFFFFFFFEu;  // the platform's handle for a dual's other view
constexpr UINT kMaxBaseDepth = 64;
// The platform lays every vtable out in slots of its own pointer size,
// whatever the library was built for.
constexpr int kNativePointerSize = sizeof(void*);

// Keeps the reason of a failure for LastFailureInfo() and returns its code.
void KeepFailure(const ReadStatus& status);
inline HRESULT Report(const ReadStatus& status) {
    if (!status.Ok()) KeepFailure(status);
    return status.Code();
}

enum class View {
    Plain,      // presented as stored
    Dispatch,   // a TKIND_DISPATCH view: functions with inherited ones and rewriting
    Interface,  // the TKIND_INTERFACE twin of a dual stored as a dispinterface
};

bool IsDualPair(const StoredType& t);
// The interface view of `info` when it is a dual's dispatch view.
ComPtr<ITypeInfo> InterfaceViewOf(ComPtr<ITypeInfo> info);

// A handle that this layer made up: it leads through another type info
// (or this library), possibly to the interface view of what it finds.
struct ForeignRef {
    ComPtr<ITypeInfo> direct;  // set: this is the target
    ComPtr<ITypeInfo> keep;    // owns `via` when it lives in another library
    ITypeInfo* via = nullptr;  // null: resolve `href` in this library
    HREFTYPE href = 0;
    bool interfaceView = false;
};

// One function of a dispatch view: stored in this type, or inherited.
struct FuncEntry {
    ITypeInfo* src = nullptr;  // null: this type's own stored function
    ComPtr<ITypeInfo> keep;    // set when `src` lives in another library
    UINT index = 0;
    MEMBERID memid = MEMBERID_NIL;
    std::optional<SHORT> presentedParams;  // once known
};

class TypeLibImpl;

class TypeInfoImpl final : public ITypeInfo {
  public:
    TypeInfoImpl(TypeLibImpl* lib, UINT index, View view, StoredType type)
        : m_lib(lib), m_index(index), m_view(view), m_type(std::move(type)) {}

    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetTypeAttr(TypeAttrPtr& attr) override;
    HRESULT GetFuncDesc(UINT index, FuncDescPtr& desc) override;
    HRESULT GetVarDesc(UINT index, VarDescPtr& desc) override;
    HRESULT GetNames(MEMBERID memid, std::vector<Bstr>& names, UINT maxNames) override;
    HRESULT GetRefTypeOfImplType(UINT index, HREFTYPE* href) override;
    HRESULT GetImplTypeFlags(UINT index, INT* flags) override;
    HRESULT GetDocumentation(MEMBERID memid, Bstr* name, Bstr* docString, DWORD* helpContext,
                             Bstr* helpFile) override;
    HRESULT GetRefTypeInfo(HREFTYPE href, ComPtr<ITypeInfo>& info) override;
    HRESULT GetContainingTypeLib(ComPtr<ITypeLib>& lib, UINT* index) override;
    HRESULT GetDllEntry(MEMBERID memid, INVOKEKIND invkind, Bstr* dllName, Bstr* name,
                        WORD* ordinal) override;

  private:
    const StoredLibrary& Stored() const;
    TYPEKIND PresentedKind() const;
    bool InterfaceLike() const { return PresentedKind() == TKIND_INTERFACE; }
    const StoredMembers* Members();
    HREFTYPE AddForeign(ForeignRef ref);
    HRESULT BaseTypeInfo(ComPtr<ITypeInfo>& base);
    // Index of the first function (or variable) with `memid`.
    std::optional<UINT> FindFunc(MEMBERID memid) {
        if (!m_membersIndexed) IndexMembers();
        return FirstWithId(m_funcsById, memid);
    }
    std::optional<UINT> FindVar(MEMBERID memid) {
        if (!m_membersIndexed) IndexMembers();
        return FirstWithId(m_varsById, memid);
    }
    static std::optional<UINT> FirstWithId(const std::vector<std::pair<MEMBERID, UINT>>& byId,
                                           MEMBERID memid) {
        auto it = std::lower_bound(byId.begin(), byId.end(), std::make_pair(memid, UINT{0}));
        if (it == byId.end() || it->first != memid) return std::nullopt;
        return it->second;
    }
    void IndexMembers();
    bool SameLibrary(ITypeInfo* other) const;

    // dispatch_view.cpp
    const std::vector<FuncEntry>& FuncList();
    void AppendChain(ITypeInfo* base, std::vector<ITypeInfo*>& visited);
    ReadStatus StoredFunc(UINT func, FUNCDESC& out) const;
    HRESULT PresentedFunc(UINT index, FUNCDESC& out);

    TypeLibImpl* m_lib;  // owns this object
    UINT m_index;
    View m_view;
    StoredType m_type;
    bool m_membersRead = false;
    std::optional<StoredMembers> m_members;
    bool m_funcListBuilt = false;
    std::vector<FuncEntry> m_funcList;
    std::vector<ForeignRef> m_foreign;
    bool m_membersIndexed = false;
    std::vector<std::pair<MEMBERID, UINT>> m_funcsById;
    std::vector<std::pair<MEMBERID, UINT>> m_varsById;
};

struct GuidHash {
    std::size_t operator()(const GUID& g) const;
};

class TypeLibImpl final : public ITypeLib {
  public:
    TypeLibImpl(std::unique_ptr<StoredLibrary> stored, LoadOptions options, std::string path);

    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override {
        ULONG refs = --m_refs;
        if (refs == 0) delete this;
        return refs;
    }
    UINT GetTypeInfoCount() override { return m_stored->TypeCount(); }
    HRESULT GetTypeInfo(UINT index, ComPtr<ITypeInfo>& info) override;
    HRESULT GetTypeInfoType(UINT index, TYPEKIND* kind) override;
    HRESULT GetTypeInfoOfGuid(const GUID& guid, ComPtr<ITypeInfo>& info) override;
    HRESULT GetLibAttr(LibAttrPtr& attr) override;
    HRESULT GetDocumentation(INT index, Bstr* name, Bstr* docString, DWORD* helpContext,
                             Bstr* helpFile) override;

    const StoredLibrary& Stored() const { return *m_stored; }
    UINT PointerSize() const { return m_attr.syskind == SYS_WIN64 ? 8 : 4; }
    // A stored vtable offset, counted in the library's pointers, in the
    // platform's slots; like the platform, kept to 16 bits.
    SHORT PresentedVtableOffset(SHORT stored) const {
        return static_cast<SHORT>(stored * kNativePointerSize / static_cast<int>(PointerSize()));
    }
    LCID Lcid() const { return m_attr.lcid; }
    // The view of a type: its primary view, or the other view of a dual.
    HRESULT ViewOf(UINT index, bool twin, TypeInfoImpl*& out);
    // A reference handle of the decoder (low bits 00 or 01).
    HRESULT ResolveLibraryHref(HREFTYPE href, ComPtr<ITypeInfo>& info);
    // IDispatch as seen from this library, for dispatch views.
    HRESULT DispatchTypeInfo(ComPtr<ITypeInfo>& info);

  private:
    HRESULT Import(const ImportSpec& spec, ComPtr<ITypeLib>& lib);

    std::atomic<ULONG> m_refs{0};
    std::unique_ptr<StoredLibrary> m_stored;
    TLIBATTR m_attr;  // every type's attributes repeat parts of it
    LoadOptions m_options;
    std::string m_path;
    std::vector<std::unique_ptr<TypeInfoImpl>> m_views;
    std::vector<std::unique_ptr<TypeInfoImpl>> m_twins;
    std::map<std::uint32_t, std::pair<HRESULT, ComPtr<ITypeLib>>> m_imports;
    std::optional<std::unordered_map<GUID, UINT, GuidHash>> m_guidIndex;
    // Imported types once found: imports repeat across a library.
    std::unordered_map<HREFTYPE, ComPtr<ITypeInfo>> m_importedTypes;
};

inline const StoredLibrary& TypeInfoImpl::Stored() const {
    return m_lib->Stored();
}

}  // namespace qorvix::views
