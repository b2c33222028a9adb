// One node of the browser tree: what it stands for, and how its children
// are made on its first expansion.
#pragma once

#include <memory>
#include <string>

#include "typelib/typelib.h"

namespace qorvix {

class CTreeItem;

// An item of a tree control; null is the root.
struct TreeItemTag;
using HTREEITEM = TreeItemTag*;

// The tree control the nodes insert into: a widget, or a test's recorder.
class TreeControl {
  public:
    virtual ~TreeControl() = default;
    // Inserts an item as the last child of `parent` and takes the node.
    // `children` is the children flag: non-zero shows an expand button
    // before children exist.
    virtual HTREEITEM InsertItem(HTREEITEM parent, const std::string& text,
                                 std::unique_ptr<CTreeItem> node, int children) = 0;
    virtual std::string GetItemText(HTREEITEM item) = 0;
};

// Node kinds.
enum NodeKind : int {
    kindNone = 0,
    kindLibrary = 1,
    kindType = 2,
    kindFunctionGroup = 4,
    kindVariableGroup = 6,
    kindConstantGroup = 8,
    kindImplTypeGroup = 10,
    kindFunction = 12,
    kindVariable = 13,
    kindConstant = 14,
    kindReferencedType = 15,  // 15 + TYPEKIND, up to 22
    kindCategory = 23,        // 23 + TYPEKIND, up to 30
};

class CTreeItem {
  public:
    explicit CTreeItem(TreeControl* tree = nullptr) : m_pTree(tree) {}
    virtual ~CTreeItem() = default;
    CTreeItem(const CTreeItem&) = delete;
    CTreeItem& operator=(const CTreeItem&) = delete;

    // The node holds one reference: a library (library and category nodes)
    // or a type info (all others). Setting hands a reference over.
    virtual ITypeLib* GetTypeLib() const { return m_typeLib.Get(); }
    virtual void SetTypeLib(ComPtr<ITypeLib> lib);
    virtual ITypeInfo* GetTypeInfo() const { return m_typeInfo.Get(); }
    virtual void SetTypeInfo(ComPtr<ITypeInfo> info);

    // Inserts this node's children under `item`; non-zero when any was.
    virtual int Expand(HTREEITEM item);
    virtual int ExpandCategory(HTREEITEM item);
    virtual int ExpandTypeInfo(HTREEITEM item);
    virtual int ExpandFunctions(HTREEITEM item);
    virtual int ExpandVariables(HTREEITEM item);
    virtual int ExpandImplTypes(HTREEITEM item);

    // The declaration of this node's type ("interface IFoo", ...).
    void GetTypeInfoText(std::string& text);
    // COBOL type text of a description, resolved through this node's type.
    std::string& GetTypeDescText(std::string& text, const TYPEDESC& desc);
    // The TYPEKIND of this node's type, or -1.
    int GetTypeKind();
    static int NodeKindOfTypeKind(int typekind);

    int m_nKind = kindNone;
    int m_nIndex = 0;

  protected:
    // A child on the same tree, holding `lib` or `info`.
    std::unique_ptr<CTreeItem> Child(int kind, int index = 0);

    ComPtr<ITypeLib> m_typeLib;  // with m_typeInfo: the node's one reference
    ComPtr<ITypeInfo> m_typeInfo;
    TreeControl* m_pTree;
};

}  // namespace qorvix
