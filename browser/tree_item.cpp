#include "browser/tree_item.h"

#include "browser/node_text.h"
#include "naming/cobol_name.h"
#include "naming/type_text.h"

namespace qorvix {
namespace {

struct Category {
    const char* label;
    TYPEKIND typekind;
};

// In the order they appear under the library.
constexpr Category kCategories[] = {
    {"Interfaces", TKIND_INTERFACE}, {"Automation Interfaces", TKIND_DISPATCH},
    {"Enumerations", TKIND_ENUM},    {"Structures", TKIND_RECORD},
    {"Modules", TKIND_MODULE},       {"CoClasses", TKIND_COCLASS},
    {"Typedefs", TKIND_ALIAS},       {"Unions", TKIND_UNION},
};

}  // namespace

std::unique_ptr<CTreeItem> CTreeItem::ForLibrary(ComPtr<ITypeLib> lib, TypeNamer& namer) {
    Bstr name;
    if (lib) lib->GetDocumentation(-1, &name, nullptr, nullptr, nullptr);
    auto item = std::make_unique<CTreeItem>(kindLibrary);
    item->m_namer = &namer;
    item->SetTypeLib(std::move(lib));
    item->m_text = WideToAnsi(name);
    item->m_childrenFlag = 1;
    return item;
}

void CTreeItem::SetTypeLib(ComPtr<ITypeLib> lib) {
    m_typeInfo.Reset();
    m_typeLib = std::move(lib);
}

void CTreeItem::SetTypeInfo(ComPtr<ITypeInfo> info) {
    m_typeLib.Reset();
    m_typeInfo = std::move(info);
}

bool CTreeItem::HasFixedLabel() const {
    switch (m_nKind) {
        case kindFunctionGroup:
        case kindPropertyGroup:
        case kindConstantGroup:
        case kindImplTypeGroup:
            return true;
        default:
            return m_nKind >= kindCategory && m_nKind <= kindCategory + 7;
    }
}

CTreeItem& CTreeItem::AppendChild(std::unique_ptr<CTreeItem> child) {
    child->m_parent = this;
    child->m_row = ChildCount();
    m_children.push_back(std::move(child));
    return *m_children.back();
}

TreeItems CTreeItem::MakeChildren() {
    TreeItems children;
    if (CanFetch()) Expand(children);
    return children;
}

void CTreeItem::Populate(TreeItems children) {
    if (m_populated) return;
    m_populated = true;
    m_children.reserve(children.size());
    for (auto& child : children)
        AppendChild(std::move(child));
    if (m_children.empty()) m_childrenFlag = 0;
}

bool CTreeItem::Fetch() {
    if (CanFetch()) Populate(MakeChildren());
    return ChildCount() > 0;
}

void CTreeItem::Add(TreeItems& children, std::unique_ptr<CTreeItem> child, std::string text,
                    int childrenFlag) {
    child->m_text = std::move(text);
    child->m_childrenFlag = childrenFlag;
    children.push_back(std::move(child));
}

std::unique_ptr<CTreeItem> CTreeItem::NewChild(int kind, int index) const {
    auto child = std::make_unique<CTreeItem>(kind, index);
    child->m_namer = m_namer;
    return child;
}

std::unique_ptr<CTreeItem> CTreeItem::MemberChild(int kind, int index) const {
    auto child = NewChild(kind, index);
    child->SetTypeInfo(m_typeInfo);
    return child;
}

int CTreeItem::NodeKindOfTypeKind(int typekind) {
    return typekind >= 0 && typekind <= 7 ? kindReferencedType + typekind : kindNone;
}

int CTreeItem::GetTypeKind() {
    TypeAttrPtr attr;
    if (!m_typeInfo || FAILED(m_typeInfo->GetTypeAttr(attr))) return -1;
    return attr->typekind;
}

void CTreeItem::GetTypeInfoText(std::string& text) {
    text = m_typeInfo && m_namer ? TypeInfoText(*m_typeInfo, *m_namer) : std::string();
}

std::string& CTreeItem::GetTypeDescText(std::string& text, const TYPEDESC& desc) {
    text = m_typeInfo && m_namer ? TYPEDESCToString(*m_typeInfo, desc, *m_namer) : std::string();
    return text;
}

bool CTreeItem::Expand(TreeItems& children) {
    switch (m_nKind) {
        case kindLibrary:
            for (const Category& category : kCategories) {
                auto child =
                    NewChild(static_cast<int>(kindCategory) + static_cast<int>(category.typekind));
                child->SetTypeLib(ComPtr<ITypeLib>(m_typeLib.Get()));
                Add(children, std::move(child), category.label, 1);
            }
            return true;
        case kindFunctionGroup:
            return ExpandFunctions(children);
        case kindPropertyGroup:
        case kindConstantGroup:
            return ExpandVariables(children);
        case kindImplTypeGroup:
            return ExpandImplTypes(children);
        default:
            if (m_nKind == kindType || (m_nKind >= kindReferencedType && m_nKind < kindCategory)) {
                return ExpandTypeInfo(children);
            }
            if (m_nKind >= kindCategory && m_nKind <= kindCategory + 7) {
                return ExpandCategory(children);
            }
            return false;
    }
}

bool CTreeItem::ExpandCategory(TreeItems& children) {
    if (!m_typeLib) return false;
    bool inserted = false;
    UINT count = m_typeLib->GetTypeInfoCount();
    for (UINT i = 0; i < count; ++i) {
        ComPtr<ITypeInfo> info;
        if (FAILED(m_typeLib->GetTypeInfo(i, info))) continue;
        TypeAttrPtr attr;
        if (FAILED(info->GetTypeAttr(attr))) continue;
        if (NodeKindOfTypeKind(attr->typekind) + 8 != m_nKind) continue;
        auto child = NewChild(kindType);
        child->SetTypeInfo(info);
        std::string text;
        child->GetTypeInfoText(text);
        Add(children, std::move(child), std::move(text), 1);
        inserted = true;
    }
    return inserted;
}

bool CTreeItem::ExpandTypeInfo(TreeItems& children) {
    TypeAttrPtr attr;
    if (!m_typeInfo || FAILED(m_typeInfo->GetTypeAttr(attr))) return false;
    auto group = [&](int kind, const char* label, int count) {
        Add(children, MemberChild(kind), label, count);
    };
    bool inserted = false;
    switch (attr->typekind) {
        case TKIND_ENUM:
        case TKIND_RECORD:
        case TKIND_UNION:
            return ExpandVariables(children);
        case TKIND_MODULE:
            if (attr->cVars) group(kindConstantGroup, "Constants", attr->cVars);
            if (attr->cFuncs) group(kindFunctionGroup, "Functions", attr->cFuncs);
            return attr->cVars != 0 || attr->cFuncs != 0;
        case TKIND_INTERFACE:
            inserted = ExpandFunctions(children);
            if (attr->cImplTypes)
                group(kindImplTypeGroup, "Inherited Interfaces", attr->cImplTypes);
            return inserted || attr->cImplTypes != 0;
        case TKIND_DISPATCH:
            if (attr->cVars) {
                group(kindConstantGroup, "Constants", attr->cVars);
                group(kindPropertyGroup, "Properties", attr->cVars);
            }
            if (attr->cFuncs) group(kindFunctionGroup, "Methods", attr->cFuncs);
            if (attr->cImplTypes)
                group(kindImplTypeGroup, "Inherited Interfaces", attr->cImplTypes);
            return attr->cVars != 0 || attr->cFuncs != 0 || attr->cImplTypes != 0;
        case TKIND_COCLASS:
            return ExpandImplTypes(children);
        case TKIND_ALIAS: {
            if (attr->tdescAlias.vt != VT_USERDEFINED) return false;
            ComPtr<ITypeInfo> target;
            if (FAILED(m_typeInfo->GetRefTypeInfo(attr->tdescAlias.hreftype, target))) return false;
            auto child = NewChild();
            child->SetTypeInfo(target);
            child->m_nKind = NodeKindOfTypeKind(child->GetTypeKind());
            std::string text;
            child->GetTypeInfoText(text);
            Add(children, std::move(child), std::move(text), 1);
            return true;
        }
        default:
            return false;
    }
}

bool CTreeItem::ExpandFunctions(TreeItems& children) {
    TypeAttrPtr attr;
    if (!m_typeInfo || FAILED(m_typeInfo->GetTypeAttr(attr))) return false;
    bool inserted = false;
    UINT first = (attr->wTypeFlags & TYPEFLAG_FDUAL) ? kInheritedDispatchFunctions : 0;
    for (UINT i = first; i < attr->cFuncs; ++i) {
        FuncDescPtr func;
        if (FAILED(m_typeInfo->GetFuncDesc(i, func))) continue;
        std::vector<Bstr> names;
        if (FAILED(m_typeInfo->GetNames(func->memid, names, 1)) || names.empty()) continue;
        Add(children, MemberChild(kindFunction, static_cast<int>(i)),
            FunctionText(WideToAnsi(names[0]), func->memid), 0);
        inserted = true;
    }
    return inserted;
}

bool CTreeItem::ExpandVariables(TreeItems& children) {
    TypeAttrPtr attr;
    if (!m_typeInfo || FAILED(m_typeInfo->GetTypeAttr(attr))) return false;
    bool fields = attr->typekind == TKIND_RECORD || attr->typekind == TKIND_UNION;
    // A "Properties" group lists every variable, constants included, as a
    // property; everywhere else a constant shows its value.
    bool properties = m_nKind == kindPropertyGroup;
    bool inserted = false;
    for (UINT i = 0; i < attr->cVars; ++i) {
        VarDescPtr var;
        if (FAILED(m_typeInfo->GetVarDesc(i, var))) continue;
        std::vector<Bstr> names;
        if (FAILED(m_typeInfo->GetNames(var->memid, names, 1))) continue;
        Bstr name = names.empty() ? Bstr() : names[0];
        int kind;
        std::string text;
        if (properties) {
            kind = kindVariable;
            text = VariableText(*m_typeInfo, *var, name, true, *m_namer);
        } else if (var->varkind == VAR_CONST) {
            kind = kindConstant;
            text = ConstantText(*m_typeInfo, *var, name, *m_namer);
        } else if (fields) {
            kind = kindVariable;
            text = VariableText(*m_typeInfo, *var, name, false, *m_namer);
        } else {
            continue;
        }
        Add(children, MemberChild(kind, static_cast<int>(i)), std::move(text), 0);
        inserted = true;
    }
    return inserted;
}

bool CTreeItem::ExpandImplTypes(TreeItems& children) {
    TypeAttrPtr attr;
    if (!m_typeInfo || FAILED(m_typeInfo->GetTypeAttr(attr))) return false;
    bool inserted = false;
    for (UINT i = 0; i < attr->cImplTypes; ++i) {
        HREFTYPE href;
        ComPtr<ITypeInfo> referenced;
        if (FAILED(m_typeInfo->GetRefTypeOfImplType(i, &href)) ||
            FAILED(m_typeInfo->GetRefTypeInfo(href, referenced))) {
            continue;
        }
        TypeAttrPtr referencedAttr;
        if (FAILED(referenced->GetTypeAttr(referencedAttr))) continue;
        Bstr name;
        if (FAILED(referenced->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr)))
            continue;
        auto child = NewChild(NodeKindOfTypeKind(referencedAttr->typekind), static_cast<int>(i));
        child->SetTypeInfo(referenced);
        std::string text = WideToAnsi(name);
        if (referencedAttr->wTypeFlags & TYPEFLAG_FDUAL) text += " [Dual]";
        Add(children, std::move(child), std::move(text), 1);
        inserted = true;
    }
    return inserted;
}

}  // namespace qorvix
