#include "browser/item_tree.h"

#include <algorithm>

#include "naming/cobol_name.h"

namespace qorvix {

struct ItemTree::Item {
    Item* parent = nullptr;
    std::string text;
    std::unique_ptr<CTreeItem> node;
    int children = 0;
    bool expandedOnce = false;
    std::vector<HTREEITEM> childItems;
};

ItemTree::~ItemTree() {
    DeleteAll();
}

HTREEITEM ItemTree::InsertItem(HTREEITEM parent, const std::string& text,
                               std::unique_ptr<CTreeItem> node, int children) {
    auto* item = new Item;
    item->parent = Get(parent);
    item->text = text;
    item->node = std::move(node);
    item->children = children;
    std::vector<HTREEITEM>& siblings = parent ? Get(parent)->childItems : m_roots;
    siblings.push_back(Handle(item));
    return Handle(item);
}

std::string ItemTree::GetItemText(HTREEITEM item) {
    return item ? Get(item)->text : std::string();
}

HTREEITEM ItemTree::AddLibrary(ComPtr<ITypeLib> lib) {
    Bstr name;
    if (lib) lib->GetDocumentation(-1, &name, nullptr, nullptr, nullptr);
    auto node = std::make_unique<CTreeItem>(this);
    node->m_nKind = kindLibrary;
    node->SetTypeLib(std::move(lib));
    return InsertItem(nullptr, WideToAnsi(name), std::move(node), 1);
}

bool ItemTree::Expand(HTREEITEM handle) {
    Item* item = Get(handle);
    if (!item) return false;
    if (!item->expandedOnce && item->node) {
        item->expandedOnce = true;
        if (item->node->Expand(handle) == 0) item->children = 0;
    }
    item->expandedOnce = true;
    return !item->childItems.empty();
}

void ItemTree::DeleteItem(HTREEITEM handle) {
    Item* item = Get(handle);
    if (!item) return;
    while (!item->childItems.empty())
        DeleteItem(item->childItems.back());
    std::vector<HTREEITEM>& siblings = item->parent ? item->parent->childItems : m_roots;
    siblings.erase(std::find(siblings.begin(), siblings.end(), handle));
    delete item;  // and its node, which releases its reference
}

void ItemTree::DeleteAll() {
    while (!m_roots.empty())
        DeleteItem(m_roots.back());
}

const std::vector<HTREEITEM>& ItemTree::Children(HTREEITEM item) const {
    return item ? Get(item)->childItems : m_roots;
}

HTREEITEM ItemTree::Parent(HTREEITEM item) const {
    return item ? Handle(Get(item)->parent) : nullptr;
}

int ItemTree::Row(HTREEITEM item) const {
    const auto& siblings = Children(Parent(item));
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), item) - siblings.begin());
}

int ItemTree::ChildrenFlag(HTREEITEM item) const {
    return item ? Get(item)->children : 1;
}

bool ItemTree::ExpandedOnce(HTREEITEM item) const {
    return item && Get(item)->expandedOnce;
}

CTreeItem* ItemTree::Node(HTREEITEM item) const {
    return item ? Get(item)->node.get() : nullptr;
}

}  // namespace qorvix
