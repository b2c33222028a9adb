#include "ui/library_list_dialog.h"

#include <algorithm>

#include <QCollator>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTreeWidget>

#include "resources/string_table.h"
#include "typelib/codepage.h"
#include "ui/about_dialog.h"
#include "ui/contents_dialog.h"
#include "ui/resources.h"

namespace qorvix {
namespace {

constexpr int kResourceId = 102;
constexpr int kAboutCommand = 0x10;

}  // namespace

CLibraryListDlg::CLibraryListDlg(CGeneratorApp& app, UiServices& services, QWidget* parent)
    : QDialog(parent), m_app(app), m_services(services), m_form(this, kResourceId, 326, 202) {
    setWindowTitle(tr("Pellarine"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint);
    setWindowIcon(ApplicationIcon());

    m_form.Add(new QLabel(tr("Registered type libraries:")), 0, 7, 7, 88, 9);
    m_listLibraries = m_form.Add(new QTreeWidget, 1004, 7, 21, 258, 153);
    m_btnView = m_form.Add(new QPushButton(tr("&View...")), 1010, 269, 21, 50, 14);
    auto* browse = m_form.Add(new QPushButton(tr("&Browse...")), 1001, 269, 41, 50, 14);
    auto* refresh = m_form.Add(new QPushButton(tr("&Refresh")), 1005, 269, 61, 50, 14);
    auto* close = m_form.Add(new QPushButton(tr("Close")), 1, 7, 181, 50, 14);
    auto* help = m_form.Add(new QPushButton(tr("&Help")), 1012, 70, 181, 50, 14);
    m_btnView->setDefault(true);
    m_form.Fit();
    m_form.MakeResizable(m_listLibraries);
    m_btnView->setEnabled(false);

    m_listLibraries->setRootIsDecorated(false);
    m_listLibraries->setUniformRowHeights(true);
    m_listLibraries->setItemsExpandable(false);
    m_listLibraries->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listLibraries->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_listLibraries->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listLibraries->setSortingEnabled(false);
    m_listLibraries->header()->setSectionsClickable(false);
    m_listLibraries->header()->setSectionsMovable(false);
    m_listLibraries->header()->setStretchLastSection(false);

    connect(m_listLibraries, &QTreeWidget::itemSelectionChanged, this,
            &CLibraryListDlg::UpdateViewButton);
    connect(m_listLibraries, &QTreeWidget::itemDoubleClicked, this, [this] { OnView(); });
    connect(m_btnView, &QPushButton::clicked, this, &CLibraryListDlg::OnView);
    connect(browse, &QPushButton::clicked, this, &CLibraryListDlg::OnBrowse);
    connect(refresh, &QPushButton::clicked, this, &CLibraryListDlg::OnRefresh);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, &CLibraryListDlg::OnHelpButton);

    m_windowMenu = new QMenu(this);
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(shortcut, &QShortcut::activated, this,
            [this] { ShowWindowMenu(mapToGlobal(QPoint(0, 0))); });

    if (m_services.help) m_services.help->Attach(this);
    // Asked from the keyboard, a button's context menu is the window menu
    // (this filter sees the request before the help's).
    for (QPushButton* button : {m_btnView, browse, refresh, close, help})
        button->installEventFilter(this);
    m_listLibraries->installEventFilter(this);
    runModal = [](QDialog& dialog) { return dialog.exec(); };
}

CLibraryListDlg::~CLibraryListDlg() {
    if (m_services.help) m_services.help->CloseWindow();
}

int CLibraryListDlg::DoModal() {
    OnInitDialog();
    return exec();
}

void CLibraryListDlg::OnInitDialog() {
    // The window menu: a separator and About below the entries a window
    // menu has.
    m_windowMenu->clear();
    QAction* closeAction = m_windowMenu->addAction(tr("&Close"), this, &QDialog::reject);
    closeAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    for (QAction* action : m_listLibraries->actions())
        m_listLibraries->removeAction(action);
    QString about = QString::fromLocal8Bit(LoadString(IDS_ABOUTBOX));
    if (!about.isEmpty()) {
        m_windowMenu->addSeparator();
        QAction* action = m_windowMenu->addAction(about);
        action->setData(kAboutCommand);
        connect(action, &QAction::triggered, this, [this] { OnSysCommand(kAboutCommand); });
        // The same entry in the list's own menu, below the help.
        m_listLibraries->addAction(action);
    }

    // Column widths: a quarter of the list without its scroll bar, shared
    // 2 : 1/2 : 3/2.
    int q = (m_listLibraries->frameGeometry().width() -
             style()->pixelMetric(QStyle::PM_ScrollBarExtent)) /
            4;
    m_listLibraries->setColumnCount(3);
    m_listLibraries->setHeaderLabels({QString::fromLocal8Bit(LoadString(IDS_DESCRIPTION)),
                                      QString::fromLocal8Bit(LoadString(IDS_VERSION)),
                                      QStringLiteral("TLBID")});
    m_listLibraries->setColumnWidth(0, 2 * q);
    m_listLibraries->setColumnWidth(1, q / 2);
    m_listLibraries->setColumnWidth(2, (3 * q) / 2);
    m_listWidth = m_listLibraries->width();
    m_descriptionWidth = 2 * q;
    m_tlbidWidth = (3 * q) / 2;
    FillLibraryList();
}

void CLibraryListDlg::FillLibraryList() {
    if (!m_services.machine) return;
    // Sorted as the user's locale sorts text, ignoring case.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (const RegisteredLibrary& row :
         qorvix::FillLibraryList(m_services.machine->GetRegistry())) {
        InsertSorted(new QTreeWidgetItem({QString::fromLocal8Bit(row.description),
                                          QString::fromLocal8Bit(row.version),
                                          QString::fromLocal8Bit(row.guid)}),
                     collator);
    }
    // How wide the TLBID column must be for a whole GUID.
    m_guidWidth = m_listLibraries->header()->sectionSizeHint(2);
    QAbstractItemModel* model = m_listLibraries->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        m_guidWidth =
            std::max(m_guidWidth, m_listLibraries->sizeHintForIndex(model->index(row, 2)).width());
    }
}

void CLibraryListDlg::InsertSorted(QTreeWidgetItem* item, const QCollator& collator) {
    // Sorted ascending by description, whatever the order of insertion;
    // equal descriptions keep their order.
    int low = 0, high = m_listLibraries->topLevelItemCount();
    while (low < high) {
        int middle = (low + high) / 2;
        if (collator.compare(item->text(0), m_listLibraries->topLevelItem(middle)->text(0)) < 0) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    m_listLibraries->insertTopLevelItem(low, item);
}

void CLibraryListDlg::UpdateViewButton() {
    bool selected = !m_listLibraries->selectedItems().isEmpty();
    if (selected != m_btnView->isEnabled()) m_btnView->setEnabled(selected);
}

void CLibraryListDlg::OnView() {
    QList<QTreeWidgetItem*> selected = m_listLibraries->selectedItems();
    if (selected.isEmpty()) return;
    QTreeWidgetItem* row = selected.first();
    CContentsDlg contents(m_app, m_services, this);
    // An unparsable GUID is not examined: the load fails and says so.
    GUID guid{};
    std::string guidText = row->text(2).left(63).toLocal8Bit().toStdString();
    if (auto parsed = GuidFromString(Utf8ToUtf16(guidText))) guid = *parsed;
    auto [major, minor] = ParseLibraryVersion(row->text(1).left(63).toLocal8Bit().toStdString());
    if (contents.LoadRegisteredTypeLib(guid, major, minor)) {
        contents.OnInitDialog();
        runModal(contents);
    }
}

void CLibraryListDlg::OnBrowse() {
    if (!m_services.files) return;
    auto chosen = m_services.files->OpenFile(
        this, tr("Select a type library"),
        tr("Type Libraries (*.tlb;*.olb;*.dll;*.ocx)|*.tlb;*.olb;*.dll;*.ocx|All files "
           "(*.*)|*.*||"),
        QStringLiteral("tlb"));
    if (!chosen) return;
    CContentsDlg contents(m_app, m_services, this);
    if (contents.LoadTypeLibFile(chosen->toLocal8Bit().toStdString())) {
        contents.OnInitDialog();
        runModal(contents);
    }
}

void CLibraryListDlg::OnRefresh() {
    m_listLibraries->clear();
    if (m_services.machine) m_services.machine->ReloadRegistry();
    FillLibraryList();
}

void CLibraryListDlg::OnHelpButton() {
    if (m_services.help) m_services.help->HelpButton(this);
}

void CLibraryListDlg::OnSysCommand(int id) {
    if ((id & 0xFFF0) == kAboutCommand) {
        CAboutDlg about(this);
        runModal(about);
    }
}

void CLibraryListDlg::ShowWindowMenu(const QPoint& globalPos) {
    m_windowMenu->popup(globalPos);
}

void CLibraryListDlg::contextMenuEvent(QContextMenuEvent* event) {
    // Where no control is, or asked from the keyboard: the window menu.
    if (event->reason() == QContextMenuEvent::Keyboard || !childAt(event->pos()))
        ShowWindowMenu(event->globalPos());
}

bool CLibraryListDlg::SelectFromKeyboard(const QKeyEvent& key) {
    // With no row selected, the list's current row is its first, unmarked:
    // Home would not move from it, and the first arrow key would pass it by.
    if (key.modifiers() != Qt::NoModifier || !m_listLibraries->selectedItems().isEmpty())
        return false;
    QTreeWidgetItem* row = nullptr;
    if (key.key() == Qt::Key_Home) {
        row = m_listLibraries->topLevelItem(0);
    } else if (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down) {
        row = m_listLibraries->currentItem() ? m_listLibraries->currentItem()
                                             : m_listLibraries->topLevelItem(0);
    }
    if (!row) return false;
    m_listLibraries->setCurrentItem(row);
    return true;
}

bool CLibraryListDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_listLibraries && event->type() == QEvent::KeyPress &&
        SelectFromKeyboard(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (watched != m_listLibraries && event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        ShowWindowMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CLibraryListDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    m_form.Relayout();
    if (m_listWidth < 0) return;
    int change = m_listLibraries->width() - m_listWidth;
    m_listWidth = m_listLibraries->width();
    int description = m_listLibraries->columnWidth(0);
    int tlbid = m_listLibraries->columnWidth(2);
    if (change > 0) {
        // What the list gains goes first to the TLBID column, until a whole
        // GUID fits, and then to the description.
        int toTlbid = std::clamp(m_guidWidth - tlbid, 0, change);
        tlbid += toTlbid;
        description += change - toTlbid;
    } else {
        // What it gives back comes from the description down to the width
        // it started with, then from the TLBID column down to its own.
        int fromDescription = std::min(-change, std::max(0, description - m_descriptionWidth));
        int fromTlbid = std::min(-change - fromDescription, std::max(0, tlbid - m_tlbidWidth));
        tlbid -= fromTlbid;
        description = std::max(0, description - (-change - fromTlbid));
    }
    m_listLibraries->setColumnWidth(0, description);
    m_listLibraries->setColumnWidth(2, tlbid);
}

}  // namespace qorvix
