// One node of the browser tree: what it stands for, the text it shows, and
// its children, which it owns and makes on its first expansion.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "naming/cobol_name.h"
#include "typelib/typelib.h"

namespace qorvix {

class CTreeItem;
using TreeItems = std::vector<std::unique_ptr<CTreeItem>>;

// Node kinds.
enum NodeKind : int {
    kindNone = 0,
    kindLibrary = 1,
    kindType = 2,
    kindFunctionGroup = 4,   // "Functions" of a module, "Methods" of a dispinterface
    kindPropertyGroup = 6,   // "Properties": every variable, with its member id
    kindConstantGroup = 8,   // "Constants" of a module or a dispinterface: the constants only
    kindImplTypeGroup = 10,  // "Inherited Interfaces"
    kindFunction = 12,
    kindVariable = 13,
    kindConstant = 14,
    kindReferencedType = 15,  // 15 + TYPEKIND, up to 22
    kindCategory = 23,        // 23 + TYPEKIND, up to 30
};

class CTreeItem {
  public:
    explicit CTreeItem(int kind = kindNone, int index = 0) : m_nKind(kind), m_nIndex(index) {}
    CTreeItem(const CTreeItem&) = delete;
    CTreeItem& operator=(const CTreeItem&) = delete;

    // The library item: the library's name as its text, an expand button,
    // and a reference of its own to the library. Its nodes name the types
    // in their texts by `namer` (the run's naming, which the writer's
    // made-up names share).
    static std::unique_ptr<CTreeItem> ForLibrary(ComPtr<ITypeLib> lib, TypeNamer& namer);

    // The node holds one reference: a library (library and category nodes)
    // or a type info (all others). Setting hands a reference over.
    ITypeLib* GetTypeLib() const { return m_typeLib.Get(); }
    void SetTypeLib(ComPtr<ITypeLib> lib);
    ITypeInfo* GetTypeInfo() const { return m_typeInfo.Get(); }
    void SetTypeInfo(ComPtr<ITypeInfo> info);

    // The item in its tree.
    const std::string& Text() const { return m_text; }
    // Non-zero shows an expand button before any child exists; an item
    // whose first expansion made nothing is left with 0.
    int ChildrenFlag() const { return m_childrenFlag; }
    CTreeItem* Parent() const { return m_parent; }
    int Row() const { return m_row; }  // position among its parent's children
    int ChildCount() const { return static_cast<int>(m_children.size()); }
    CTreeItem* ChildAt(int row) const { return m_children[static_cast<std::size_t>(row)].get(); }
    // Whether the first expansion has run.
    bool Populated() const { return m_populated; }
    // The first expansion is still to come.
    bool CanFetch() const { return !m_populated && m_childrenFlag != 0; }
    // The text is a fixed label (a category or a group), not the library's.
    bool HasFixedLabel() const;

    // Takes `child` as the last child.
    CTreeItem& AppendChild(std::unique_ptr<CTreeItem> child);
    // The first expansion in two steps, so that a view's model can announce
    // the rows around their insertion: MakeChildren runs the node's
    // expansion, Populate takes what it made. An item given nothing loses
    // its expand button for good.
    TreeItems MakeChildren();
    void Populate(TreeItems children);
    // Both steps on the first call, for callers without a view. True when
    // the item has children.
    bool Fetch();

    // Appends this node's children to `children`; true when any was.
    bool Expand(TreeItems& children);
    bool ExpandCategory(TreeItems& children);
    bool ExpandTypeInfo(TreeItems& children);
    bool ExpandFunctions(TreeItems& children);
    bool ExpandVariables(TreeItems& children);
    bool ExpandImplTypes(TreeItems& children);

    // The declaration of this node's type ("interface IFoo", ...).
    void GetTypeInfoText(std::string& text);
    // COBOL type text of a description, resolved through this node's type.
    std::string& GetTypeDescText(std::string& text, const TYPEDESC& desc);
    // The TYPEKIND of this node's type, or -1.
    int GetTypeKind();
    static int NodeKindOfTypeKind(int typekind);

    int m_nKind = kindNone;
    int m_nIndex = 0;

  private:
    // Gives `child` its text and children flag and appends it to `children`.
    static void Add(TreeItems& children, std::unique_ptr<CTreeItem> child, std::string text,
                    int childrenFlag);
    // A child that names types as this node does.
    std::unique_ptr<CTreeItem> NewChild(int kind = kindNone, int index = 0) const;
    // A child holding this node's type info.
    std::unique_ptr<CTreeItem> MemberChild(int kind, int index = 0) const;

    TypeNamer* m_namer = nullptr;  // null only in an invisible root
    ComPtr<ITypeLib> m_typeLib;    // with m_typeInfo: the node's one reference
    ComPtr<ITypeInfo> m_typeInfo;
    std::string m_text;
    int m_childrenFlag = 0;
    bool m_populated = false;
    CTreeItem* m_parent = nullptr;
    int m_row = 0;
    TreeItems m_children;
};

}  // namespace qorvix
