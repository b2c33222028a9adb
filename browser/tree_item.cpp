#include "browser/tree_item.h"

#include <strings.h>

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

void CTreeItem::SetTypeLib(ComPtr<ITypeLib> lib) {
    m_typeInfo.Reset();
    m_typeLib = std::move(lib);
}

void CTreeItem::SetTypeInfo(ComPtr<ITypeInfo> info) {
    m_typeLib.Reset();
    m_typeInfo = std::move(info);
}

std::unique_ptr<CTreeItem> CTreeItem::Child(int kind, int index) {
    auto child = std::make_unique<CTreeItem>(m_pTree);
    child->m_nKind = kind;
    child->m_nIndex = index;
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
    text = m_typeInfo ? TypeInfoText(*m_typeInfo) : std::string();
}

std::string& CTreeItem::GetTypeDescText(std::string& text, const TYPEDESC& desc) {
    text = m_typeInfo ? TYPEDESCToString(*m_typeInfo, desc) : std::string();
    return text;
}

int CTreeItem::Expand(HTREEITEM item) {
    if (!m_pTree) return 0;
    switch (m_nKind) {
        case kindLibrary:
            for (const Category& category : kCategories) {
                auto child =
                    Child(static_cast<int>(kindCategory) + static_cast<int>(category.typekind));
                child->SetTypeLib(ComPtr<ITypeLib>(m_typeLib.Get()));
                m_pTree->InsertItem(item, category.label, std::move(child), 1);
            }
            return 1;
        case kindFunctionGroup:
            return ExpandFunctions(item);
        case kindVariableGroup:
        case kindConstantGroup:
            return ExpandVariables(item);
        case kindImplTypeGroup:
            return ExpandImplTypes(item);
        default:
            if (m_nKind == kindType || (m_nKind >= kindReferencedType && m_nKind < kindCategory)) {
                return ExpandTypeInfo(item);
            }
            if (m_nKind >= kindCategory && m_nKind <= kindCategory + 7) return ExpandCategory(item);
            return 0;
    }
}

int CTreeItem::ExpandCategory(HTREEITEM item) {
    if (!m_typeLib) return 0;
    int inserted = 0;
    UINT count = m_typeLib->GetTypeInfoCount();
    for (UINT i = 0; i < count; ++i) {
        ComPtr<ITypeInfo> info;
        if (FAILED(m_typeLib->GetTypeInfo(i, info))) continue;
        TypeAttrPtr attr;
        if (FAILED(info->GetTypeAttr(attr))) continue;
        if (NodeKindOfTypeKind(attr->typekind) + 8 != m_nKind) continue;
        auto child = Child(kindType);
        child->SetTypeInfo(info);
        std::string text;
        child->GetTypeInfoText(text);
        m_pTree->InsertItem(item, text, std::move(child), 1);
        ++inserted;
    }
    return inserted != 0;
}

int CTreeItem::ExpandTypeInfo(HTREEITEM item) {
    TypeAttrPtr attr;
    if (!m_typeInfo || FAILED(m_typeInfo->GetTypeAttr(attr))) return 0;
    auto group = [&](int kind, const char* label, int children) {
        auto child = Child(kind);
        child->SetTypeInfo(m_typeInfo);
        m_pTree->InsertItem(item, label, std::move(child), children);
    };
    int inserted = 0;
    switch (attr->typekind) {
        case TKIND_ENUM:
        case TKIND_RECORD:
        case TKIND_UNION:
            return ExpandVariables(item);
        case TKIND_MODULE:
            if (attr->cVars) group(kindVariableGroup, "Constants", attr->cVars);
            if (attr->cFuncs) group(kindFunctionGroup, "Functions", attr->cFuncs);
            return attr->cVars || attr->cFuncs;
        case TKIND_INTERFACE:
            inserted = ExpandFunctions(item);
            if (attr->cImplTypes)
                group(kindImplTypeGroup, "Inherited Interfaces", attr->cImplTypes);
            return inserted || attr->cImplTypes;
        case TKIND_DISPATCH:
            if (attr->cVars) {
                group(kindConstantGroup, "Constants", attr->cVars);
                group(kindVariableGroup, "Properties", attr->cVars);
            }
            if (attr->cFuncs) group(kindFunctionGroup, "Methods", attr->cFuncs);
            if (attr->cImplTypes)
                group(kindImplTypeGroup, "Inherited Interfaces", attr->cImplTypes);
            return attr->cVars || attr->cFuncs || attr->cImplTypes;
        case TKIND_COCLASS:
            return ExpandImplTypes(item);
        case TKIND_ALIAS: {
            if (attr->tdescAlias.vt != VT_USERDEFINED) return 0;
            ComPtr<ITypeInfo> target;
            if (FAILED(m_typeInfo->GetRefTypeInfo(attr->tdescAlias.hreftype, target))) return 0;
            auto child = Child(kindNone);
            child->SetTypeInfo(target);
            child->m_nKind = NodeKindOfTypeKind(child->GetTypeKind());
            std::string text;
            child->GetTypeInfoText(text);
            m_pTree->InsertItem(item, text, std::move(child), 1);
            return 1;
        }
        default:
            return 0;
    }
}

int CTreeItem::ExpandFunctions(HTREEITEM item) {
    TypeAttrPtr attr;
    if (!m_typeInfo || FAILED(m_typeInfo->GetTypeAttr(attr))) return 0;
    int inserted = 0;
    UINT first = (attr->wTypeFlags & TYPEFLAG_FDUAL) ? 7 : 0;
    for (UINT i = first; i < attr->cFuncs; ++i) {
        FuncDescPtr func;
        if (FAILED(m_typeInfo->GetFuncDesc(i, func))) continue;
        std::vector<Bstr> names;
        if (FAILED(m_typeInfo->GetNames(func->memid, names, 1)) || names.empty()) continue;
        auto child = Child(kindFunction, static_cast<int>(i));
        child->SetTypeInfo(m_typeInfo);
        m_pTree->InsertItem(item, FunctionText(WideToAnsi(names[0]), func->memid), std::move(child),
                            0);
        ++inserted;
    }
    return inserted != 0;
}

int CTreeItem::ExpandVariables(HTREEITEM item) {
    TypeAttrPtr attr;
    if (!m_typeInfo || FAILED(m_typeInfo->GetTypeAttr(attr))) return 0;
    bool fields = attr->typekind == TKIND_RECORD || attr->typekind == TKIND_UNION;
    bool properties = false;
    if (!fields && attr->typekind != TKIND_ENUM) {
        std::string label = m_pTree->GetItemText(item).substr(0, 79);
        properties = strcasecmp(label.c_str(), "Properties") == 0;
    }
    int inserted = 0;
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
            text = VariableText(*m_typeInfo, *var, name, true);
        } else if (var->varkind == VAR_CONST) {
            kind = kindConstant;
            text = ConstantText(*m_typeInfo, *var, name);
        } else if (fields) {
            kind = kindVariable;
            text = VariableText(*m_typeInfo, *var, name, false);
        } else {
            continue;
        }
        auto child = Child(kind, static_cast<int>(i));
        child->SetTypeInfo(m_typeInfo);
        m_pTree->InsertItem(item, text, std::move(child), 0);
        ++inserted;
    }
    return inserted != 0;
}

int CTreeItem::ExpandImplTypes(HTREEITEM item) {
    TypeAttrPtr attr;
    if (!m_typeInfo || FAILED(m_typeInfo->GetTypeAttr(attr))) return 0;
    int inserted = 0;
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
        auto child = Child(NodeKindOfTypeKind(referencedAttr->typekind), static_cast<int>(i));
        child->SetTypeInfo(referenced);
        std::string text = WideToAnsi(name);
        if (referencedAttr->wTypeFlags & TYPEFLAG_FDUAL) text += " [Dual]";
        m_pTree->InsertItem(item, text, std::move(child), 1);
        ++inserted;
    }
    return inserted != 0;
}

}  // namespace qorvix
