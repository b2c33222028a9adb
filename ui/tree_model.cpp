#include "ui/tree_model.h"

#include <QCoreApplication>

namespace qorvix {
namespace {

// The fixed labels of categories and groups, for the translation tools. The
// tree keeps them in English (a group's label decides what it lists); only
// what the view shows is translated.
[[maybe_unused]] const char* const kLabels[] = {
    QT_TRANSLATE_NOOP("TreeLabels", "Interfaces"),
    QT_TRANSLATE_NOOP("TreeLabels", "Automation Interfaces"),
    QT_TRANSLATE_NOOP("TreeLabels", "Enumerations"),
    QT_TRANSLATE_NOOP("TreeLabels", "Structures"),
    QT_TRANSLATE_NOOP("TreeLabels", "Modules"),
    QT_TRANSLATE_NOOP("TreeLabels", "CoClasses"),
    QT_TRANSLATE_NOOP("TreeLabels", "Typedefs"),
    QT_TRANSLATE_NOOP("TreeLabels", "Unions"),
    QT_TRANSLATE_NOOP("TreeLabels", "Functions"),
    QT_TRANSLATE_NOOP("TreeLabels", "Methods"),
    QT_TRANSLATE_NOOP("TreeLabels", "Constants"),
    QT_TRANSLATE_NOOP("TreeLabels", "Properties"),
    QT_TRANSLATE_NOOP("TreeLabels", "Inherited Interfaces"),
};

bool IsLabel(int kind) {
    return kind == kindFunctionGroup || kind == kindVariableGroup || kind == kindConstantGroup ||
           kind == kindImplTypeGroup || (kind >= kindCategory && kind <= kindCategory + 7);
}

}  // namespace

TypeLibTreeModel::TypeLibTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

TypeLibTreeModel::~TypeLibTreeModel() = default;

QModelIndex TypeLibTreeModel::AddLibrary(ComPtr<ITypeLib> lib) {
    int row = static_cast<int>(m_tree.Children(nullptr).size());
    beginInsertRows(QModelIndex(), row, row);
    HTREEITEM item = m_tree.AddLibrary(std::move(lib));
    endInsertRows();
    return IndexOf(item);
}

void TypeLibTreeModel::Clear() {
    beginResetModel();
    m_tree.DeleteAll();
    m_published.clear();
    endResetModel();
}

HTREEITEM TypeLibTreeModel::Item(const QModelIndex& index) const {
    return index.isValid() ? static_cast<HTREEITEM>(index.internalPointer()) : nullptr;
}

QModelIndex TypeLibTreeModel::IndexOf(HTREEITEM item) const {
    if (!item) return {};
    return createIndex(m_tree.Row(item), 0, item);
}

QModelIndex TypeLibTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0 || row >= rowCount(parent)) return {};
    return createIndex(row, 0, m_tree.Children(Item(parent))[static_cast<std::size_t>(row)]);
}

QModelIndex TypeLibTreeModel::parent(const QModelIndex& child) const {
    HTREEITEM item = Item(child);
    return item ? IndexOf(m_tree.Parent(item)) : QModelIndex();
}

int TypeLibTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    HTREEITEM item = Item(parent);
    if (item && !m_published.count(item)) return 0;
    return static_cast<int>(m_tree.Children(item).size());
}

int TypeLibTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant TypeLibTreeModel::data(const QModelIndex& index, int role) const {
    HTREEITEM item = Item(index);
    if (!item || role != Qt::DisplayRole) return {};
    std::string text = const_cast<ItemTree&>(m_tree).GetItemText(item);
    CTreeItem* node = m_tree.Node(item);
    if (node && IsLabel(node->m_nKind))
        return QCoreApplication::translate("TreeLabels", text.c_str());
    return QString::fromLocal8Bit(text);
}

bool TypeLibTreeModel::hasChildren(const QModelIndex& parent) const {
    HTREEITEM item = Item(parent);
    if (!item) return !m_tree.Children(nullptr).empty();
    if (m_published.count(item)) return !m_tree.Children(item).empty();
    return m_tree.ChildrenFlag(item) != 0;
}

bool TypeLibTreeModel::canFetchMore(const QModelIndex& parent) const {
    HTREEITEM item = Item(parent);
    return item && !m_published.count(item) && m_tree.ChildrenFlag(item) != 0 &&
           !m_tree.ExpandedOnce(item);
}

void TypeLibTreeModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) return;
    HTREEITEM item = Item(parent);
    if (beforeExpand) beforeExpand();
    bool any = m_tree.Expand(item);
    int count = static_cast<int>(m_tree.Children(item).size());
    if (any && count > 0) {
        beginInsertRows(parent, 0, count - 1);
        m_published.insert(item);
        endInsertRows();
    } else {
        // The item keeps no expand button.
        m_published.insert(item);
        emit dataChanged(parent, parent);
    }
    if (afterExpand) afterExpand();
    if (!any || count == 0) emit expandedEmpty(parent);
}

}  // namespace qorvix
