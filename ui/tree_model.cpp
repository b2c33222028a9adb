#include "ui/tree_model.h"

#include <QCoreApplication>

namespace qorvix {
namespace {

// The fixed labels of categories and groups, for the translation tools. The
// browser's nodes carry them in English; the view shows them translated.
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

}  // namespace

TypeLibTreeModel::TypeLibTreeModel(QObject* parent)
    : QAbstractItemModel(parent), m_root(std::make_unique<CTreeItem>()) {}

TypeLibTreeModel::~TypeLibTreeModel() = default;

QModelIndex TypeLibTreeModel::AddLibrary(ComPtr<ITypeLib> lib, TypeNamer& namer) {
    auto item = CTreeItem::ForLibrary(std::move(lib), namer);
    int row = m_root->ChildCount();
    beginInsertRows(QModelIndex(), row, row);
    CTreeItem& added = m_root->AppendChild(std::move(item));
    endInsertRows();
    return IndexOf(&added);
}

void TypeLibTreeModel::Clear() {
    beginResetModel();
    m_root = std::make_unique<CTreeItem>();
    endResetModel();
}

CTreeItem* TypeLibTreeModel::Node(const QModelIndex& index) const {
    return index.isValid() ? static_cast<CTreeItem*>(index.internalPointer()) : nullptr;
}

CTreeItem* TypeLibTreeModel::NodeOrRoot(const QModelIndex& index) const {
    return index.isValid() ? Node(index) : m_root.get();
}

QModelIndex TypeLibTreeModel::IndexOf(const CTreeItem* node) const {
    if (!node || node == m_root.get()) return {};
    return createIndex(node->Row(), 0, node);
}

QModelIndex TypeLibTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0 || row >= rowCount(parent)) return {};
    return createIndex(row, 0, NodeOrRoot(parent)->ChildAt(row));
}

QModelIndex TypeLibTreeModel::parent(const QModelIndex& child) const {
    CTreeItem* node = Node(child);
    return node ? IndexOf(node->Parent()) : QModelIndex();
}

int TypeLibTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    return NodeOrRoot(parent)->ChildCount();
}

int TypeLibTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant TypeLibTreeModel::data(const QModelIndex& index, int role) const {
    CTreeItem* node = Node(index);
    if (!node || role != Qt::DisplayRole) return {};
    if (node->HasFixedLabel())
        return QCoreApplication::translate("TreeLabels", node->Text().c_str());
    return QString::fromLocal8Bit(node->Text());
}

bool TypeLibTreeModel::hasChildren(const QModelIndex& parent) const {
    CTreeItem* node = NodeOrRoot(parent);
    return node->ChildCount() > 0 || node->CanFetch();
}

bool TypeLibTreeModel::canFetchMore(const QModelIndex& parent) const {
    CTreeItem* node = Node(parent);
    return node && node->CanFetch();
}

void TypeLibTreeModel::fetchMore(const QModelIndex& parent) {
    CTreeItem* node = Node(parent);
    if (!node || !node->CanFetch()) return;
    emit expansionStarted();
    TreeItems children = node->MakeChildren();
    if (!children.empty()) {
        beginInsertRows(parent, 0, static_cast<int>(children.size()) - 1);
        node->Populate(std::move(children));
        endInsertRows();
    } else {
        node->Populate({});
        // The item keeps no expand button.
        emit dataChanged(parent, parent);
    }
    emit expansionFinished();
    if (node->ChildCount() == 0) emit expandedEmpty(parent);
}

}  // namespace qorvix
