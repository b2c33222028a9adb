// The browser tree as a Qt item model. Items are made by the nodes on
// their first expansion: the view's fetchMore on an item runs its node,
// and the children become rows in one insertion. An item whose node makes
// nothing loses its children for good.
#pragma once

#include <QAbstractItemModel>
#include <functional>
#include <unordered_set>

#include "browser/item_tree.h"

namespace qorvix {

class TypeLibTreeModel final : public QAbstractItemModel {
    Q_OBJECT
  public:
    explicit TypeLibTreeModel(QObject* parent = nullptr);
    ~TypeLibTreeModel() override;

    // The library item at the root: not expanded, not selected.
    QModelIndex AddLibrary(ComPtr<ITypeLib> lib);
    // Deletes every item; the nodes release their references.
    void Clear();

    HTREEITEM Item(const QModelIndex& index) const;
    QModelIndex IndexOf(HTREEITEM item) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // Run around each expansion (the dialog shows the wait cursor and stops
    // the view's painting).
    std::function<void()> beforeExpand;
    std::function<void()> afterExpand;

  signals:
    // The first expansion of `index` made no children.
    void expandedEmpty(const QModelIndex& index);

  private:
    ItemTree m_tree;
    // Items whose children have been announced to views.
    std::unordered_set<HTREEITEM> m_published;
};

}  // namespace qorvix
