// The main dialog (resource 102): the type libraries registered on the
// machine, and the ways on to a library's contents.
#pragma once

#include <QDialog>

#include "app/generator_app.h"
#include "ui/dialog_form.h"
#include "ui/ui_services.h"

class QKeyEvent;
class QMenu;
class QCollator;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace qorvix {

class CLibraryListDlg final : public QDialog {
    Q_OBJECT
  public:
    CLibraryListDlg(CGeneratorApp& app, UiServices& services, QWidget* parent = nullptr);
    ~CLibraryListDlg() override;

    int DoModal();
    void OnInitDialog();

    void FillLibraryList();
    void OnView();
    void OnBrowse();
    void OnRefresh();
    void OnHelpButton();
    void OnSysCommand(int id);
    // The dialog's window menu: a separator and "About" as its last two
    // entries. Alt+Space opens it, and so do a right click where no
    // control is and the context-menu keys (Shift+F10, Menu) on a control
    // without a menu of its own. The list's own menu holds About as well.
    QMenu* WindowMenu() const { return m_windowMenu; }
    void ShowWindowMenu(const QPoint& globalPos);

    // The controls by the ids the resource gives them (the list is 1004,
    // View 1010); tests reach them this way too.
    const DialogForm& Form() const { return m_form; }

    // The contents dialog is run through this (tests watch it instead of
    // running it modally).
    std::function<int(QDialog&)> runModal;

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void UpdateViewButton();
    // Home, Up or Down while no row is selected: selects the first row (or
    // the current one). False when the key is the list's own.
    bool SelectFromKeyboard(const QKeyEvent& key);
    // Inserts a row where `collator` puts its description.
    void InsertSorted(QTreeWidgetItem* item, const QCollator& collator);

    CGeneratorApp& m_app;
    UiServices& m_services;
    DialogForm m_form;
    QPushButton* m_btnView;
    QTreeWidget* m_listLibraries;
    QMenu* m_windowMenu;
    // The list's width when its columns were last fitted to it, and the
    // widths the description and TLBID columns started with.
    int m_listWidth = -1;
    int m_descriptionWidth = 0;
    int m_tlbidWidth = 0;
    int m_guidWidth = 0;  // what a whole GUID needs
};

}  // namespace qorvix
