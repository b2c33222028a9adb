// A tree of items in memory: the tree control of the browser for tests, and
// the data behind the desktop's tree view. It also carries the contents
// dialog's handling of the tree: the library item, first expansions, and
// deletion.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "browser/tree_item.h"

namespace qorvix {

class ItemTree final : public TreeControl {
  public:
    ItemTree() = default;
    ~ItemTree() override;
    ItemTree(const ItemTree&) = delete;
    ItemTree& operator=(const ItemTree&) = delete;

    HTREEITEM InsertItem(HTREEITEM parent, const std::string& text, std::unique_ptr<CTreeItem> node,
                         int children) override;
    std::string GetItemText(HTREEITEM item) override;

    // The library item at the root, holding a reference of its own. Its
    // text is the library's name.
    HTREEITEM AddLibrary(ComPtr<ITypeLib> lib);
    // Expands the item: the first time, its node makes the children; when
    // it made none, the item loses its children flag for good. True when
    // the item has children to show.
    bool Expand(HTREEITEM item);
    // Deletes the item, its children and their nodes.
    void DeleteItem(HTREEITEM item);
    void DeleteAll();

    // Reading.
    const std::vector<HTREEITEM>& Children(HTREEITEM item) const;  // null: the root items
    HTREEITEM Parent(HTREEITEM item) const;
    int Row(HTREEITEM item) const;  // position among its parent's children
    int ChildrenFlag(HTREEITEM item) const;
    bool ExpandedOnce(HTREEITEM item) const;
    CTreeItem* Node(HTREEITEM item) const;

  private:
    struct Item;
    Item* Get(HTREEITEM handle) const { return reinterpret_cast<Item*>(handle); }
    static HTREEITEM Handle(Item* item) { return reinterpret_cast<HTREEITEM>(item); }

    std::vector<HTREEITEM> m_roots;
};

}  // namespace qorvix
