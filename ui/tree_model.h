// The browser tree as a Qt item model over the browser's nodes, which own
// their children. A node's children are made on its first expansion (the
// view's fetchMore) and become rows in one insertion, announced around it.
// An item whose expansion makes nothing loses its expand button for good.
#pragma once

#include <QAbstractItemModel>

#include "browser/tree_item.h"

namespace qorvix {

class TypeLibTreeModel final : public QAbstractItemModel {
    Q_OBJECT
  public:
    explicit TypeLibTreeModel(QObject* parent = nullptr);
    ~TypeLibTreeModel() override;

    // The library item at the root: not expanded, not selected. Its nodes
    // name types by `namer`, which must outlive them.
    QModelIndex AddLibrary(ComPtr<ITypeLib> lib, TypeNamer& namer);
    // Deletes every item; the nodes release their references.
    void Clear();

    // The node behind an index; null for the root.
    CTreeItem* Node(const QModelIndex& index) const;
    QModelIndex IndexOf(const CTreeItem* node) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

  signals:
    // Around each expansion (the dialog shows the wait cursor and stops the
    // view's painting).
    void expansionStarted();
    void expansionFinished();
    // The first expansion of `index` made no children.
    void expandedEmpty(const QModelIndex& index);

  private:
    CTreeItem* NodeOrRoot(const QModelIndex& index) const;

    // Holds the library items; never shown.
    std::unique_ptr<CTreeItem> m_root;
};

}  // namespace qorvix
