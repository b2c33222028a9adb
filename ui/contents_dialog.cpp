#include "ui/contents_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTreeView>

#include "resources/string_table.h"
#include "typelib/load.h"
#include "typelib/reasons.h"

namespace qorvix {
namespace {

constexpr int kResourceId = 129;

}  // namespace

CContentsDlg::CContentsDlg(CGeneratorApp& app, UiServices& services, QWidget* parent)
    : QDialog(parent), m_app(app), m_services(services), m_form(this, kResourceId, 330, 191) {
    setWindowTitle(tr("Pellarine"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowContextHelpButtonHint);

    m_form.Add(new QLabel(tr("Contents of type library:")), 0, 7, 7, 91, 8);
    m_tree = m_form.Add(new QTreeView, 1002, 7, 20, 163, 140);
    m_form.Add(new QGroupBox(tr("COBOL")), 0, 180, 17, 143, 144);
    m_form.Add(new QLabel(tr("Copy file:")), 0, 191, 36, 30, 8);
    auto* browse = m_form.Add(new QPushButton(tr("&Browse...")), 1008, 262, 31, 50, 14);
    m_editCopyFile = m_form.Add(new QLineEdit, 1003, 191, 49, 121, 12);
    m_btnAddToProject =
        m_form.Add(new QCheckBox(tr("Add &file to project")), 1011, 191, 68, 101, 10);
    m_interfaceClassesBox =
        m_form.Add(new QCheckBox(tr("Generate &Interface Classes")), 1006, 201, 98, 101, 10);
    m_btnDual = m_form.Add(new QCheckBox(tr("Generate &Dual Interfaces")), 1007, 210, 114, 93, 10);
    m_btnGenerate = m_form.Add(new QPushButton(tr("&Generate")), 1009, 224, 140, 50, 14);
    auto* cancel = m_form.Add(new QPushButton(tr("Cancel")), 2, 128, 170, 50, 14);
    m_form.Add(new QGroupBox(tr("COM (non-automation) support")), 0, 191, 83, 121, 50);
    m_btnGenerate->setDefault(true);
    m_form.Fit();
    // A larger dialog shows more of the tree and of a long copy-file name.
    m_form.MakeResizable(m_tree, m_editCopyFile);

    m_model = new TypeLibTreeModel(this);
    m_tree->setModel(m_model);
    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setAnimated(false);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tree->header()->setStretchLastSection(false);
    m_tree->installEventFilter(this);
    m_tree->viewport()->installEventFilter(this);
    // An expansion shows the wait cursor and paints once, at its end.
    connect(m_model, &TypeLibTreeModel::expansionStarted, m_tree, [this] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_tree->setUpdatesEnabled(false);
    });
    connect(m_model, &TypeLibTreeModel::expansionFinished, m_tree, [this] {
        m_tree->setUpdatesEnabled(true);
        QApplication::restoreOverrideCursor();
    });
    // An expansion the view only records (while it lays itself out) still
    // makes the children.
    connect(m_tree, &QTreeView::expanded, m_model, [this](const QModelIndex& index) {
        if (m_model->canFetchMore(index)) m_model->fetchMore(index);
    });
    // An item whose first expansion made nothing closes again.
    connect(m_model, &TypeLibTreeModel::expandedEmpty, m_tree, &QTreeView::collapse);
    connect(m_tree, &QTreeView::expanded, this, &CContentsDlg::ShowChildren);

    connect(browse, &QPushButton::clicked, this, &CContentsDlg::OnBrowseCopyFile);
    connect(m_btnGenerate, &QPushButton::clicked, this, &CContentsDlg::OnGenerate);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_interfaceClassesBox, &QCheckBox::toggled, this,
            &CContentsDlg::OnInterfaceClassesClicked);
    connect(m_btnDual, &QCheckBox::toggled, this, [this](bool checked) {
        if (!m_showing) m_options.dualInterfaces = checked;
    });
    connect(m_btnAddToProject, &QCheckBox::toggled, this, [this](bool checked) {
        if (!m_showing) m_options.addToProject = checked;
    });
    connect(m_editCopyFile, &QLineEdit::textChanged, this, &CContentsDlg::OnCopyFileUpdate);
    if (m_services.help) m_services.help->Attach(this);
}

CContentsDlg::~CContentsDlg() {
    // The nodes drop their references before the dialog's own goes.
    m_model->Clear();
}

void CContentsDlg::CannotLoad(const std::string& file, const std::string& why) {
    Message message = CGeneratorApp::CannotLoadMessage(file, why);
    message.icon = MessageIcon::Warning;
    if (Prompter* prompter = m_app.GetServices().prompter) prompter->Show(message);
}

bool CContentsDlg::LoadRegisteredTypeLib(const GUID& guid, WORD major, WORD minor) {
    if (m_pTypeLib) return true;
    ComPtr<ITypeLib> lib;
    std::string file = GuidToString(guid), why = reason::kNoRegistry;
    HRESULT hr = m_services.machine ? m_services.machine->LoadRegTypeLib(guid, major, minor, 0x0800,
                                                                         lib, &file, &why)
                                    : TYPE_E_LIBNOTREGISTERED;
    if (hr == S_OK && lib) {
        m_pTypeLib = std::move(lib);
        return true;
    }
    CannotLoad(file, why);
    return false;
}

bool CContentsDlg::LoadTypeLibFile(const std::string& path) {
    if (m_pTypeLib) return true;
    ComPtr<ITypeLib> lib;
    std::string why;
    if (LoadTypeLibEx(path, m_app.GetServices().loadOptions, lib, &why) == S_OK && lib) {
        m_pTypeLib = std::move(lib);
        return true;
    }
    CannotLoad(path, why);
    return false;
}

int CContentsDlg::DoModal() {
    OnInitDialog();
    return exec();
}

void CContentsDlg::OnInitDialog() {
    if (m_pTypeLib) m_model->AddLibrary(ComPtr<ITypeLib>(m_pTypeLib.Get()), m_app.Naming());
    m_options = m_app.Options();
    // Without the IDE there is no project to add the file to.
    m_options.addToProject = m_app.IdeRegistered() && m_options.addToProject;
    m_btnAddToProject->setEnabled(m_app.IdeRegistered());
    ShowOptions();
    m_tree->setFocus();
}

void CContentsDlg::ShowOptions() {
    // The controls' change notifications must not write back what is
    // being shown: a name that is not in the locale's character set would
    // come back changed.
    m_showing = true;
    m_editCopyFile->setText(QString::fromLocal8Bit(m_options.copyFile));
    m_interfaceClassesBox->setChecked(m_options.interfaceClasses);
    m_btnDual->setChecked(m_options.dualInterfaces);
    m_btnAddToProject->setChecked(m_options.addToProject);
    m_showing = false;
    m_btnDual->setEnabled(m_options.interfaceClasses);
    m_btnGenerate->setEnabled(!m_options.copyFile.empty());
}

void CContentsDlg::OnInterfaceClassesClicked(bool checked) {
    if (m_showing) return;
    m_options.interfaceClasses = checked;
    // Dual keeps its mark; the writer ignores it without interface classes.
    m_btnDual->setEnabled(checked);
}

void CContentsDlg::OnCopyFileUpdate(const QString& text) {
    if (m_showing) return;
    m_options.copyFile = text.toLocal8Bit().toStdString();
    m_btnGenerate->setEnabled(!m_options.copyFile.empty());
}

void CContentsDlg::OnBrowseCopyFile() {
    if (!m_services.files) return;
    auto chosen = m_services.files->SaveFile(
        this, tr("Select copy file"), tr("Copy files (*.cpy)|*.cpy|All file (*.*)|*.*||"),
        QStringLiteral("cpy"), QString::fromLocal8Bit(m_options.copyFile));
    if (!chosen) return;
    m_options.copyFile = chosen->toLocal8Bit().toStdString();
    ShowOptions();
    m_editCopyFile->setCursorPosition(m_editCopyFile->text().size());
}

void CContentsDlg::OnGenerate() {
    if (!m_pTypeLib) return;
    m_app.Generate(m_options, *m_pTypeLib);
}

bool CContentsDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_tree->viewport()) {
        // A scroll bar that came with the children takes room from them:
        // they are shown again in what is left, until the user moves on.
        if (event->type() == QEvent::Resize && m_childrenShown.isValid() &&
            static_cast<QResizeEvent*>(event)->size().height() <
                static_cast<QResizeEvent*>(event)->oldSize().height()) {
            ShowChildren(m_childrenShown);
        } else if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::Wheel) {
            m_childrenShown = QPersistentModelIndex();
        }
    }
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        m_childrenShown = QPersistentModelIndex();
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() == Qt::NoModifier) {
            QModelIndex current = m_tree->currentIndex();
            if (current.isValid()) m_tree->setExpanded(current, !m_tree->isExpanded(current));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CContentsDlg::ShowChildren(const QModelIndex& index) {
    // As many of the children as fit, the item itself staying in view.
    int rows = m_model->rowCount(index);
    if (rows == 0 || !m_tree->isExpanded(index)) return;
    m_childrenShown = index;
    m_tree->scrollTo(m_model->index(rows - 1, 0, index));
    if (m_tree->visualRect(index).top() < 0)
        m_tree->scrollTo(index, QAbstractItemView::PositionAtTop);
}

void CContentsDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    m_form.Relayout();
}

void CContentsDlg::done(int result) {
    // Closing deletes the tree items and with them the nodes.
    m_model->Clear();
    QDialog::done(result);
}

}  // namespace qorvix
