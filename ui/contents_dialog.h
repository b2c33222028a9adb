// The contents dialog (resource 129): one loaded type library as a tree, the
// copy-file name and the generation switches, and Generate.
#pragma once

#include <QDialog>
#include <string>

#include "app/generator_app.h"
#include "ui/dialog_form.h"
#include "ui/tree_model.h"
#include "ui/ui_services.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace qorvix {

class CContentsDlg final : public QDialog {
    Q_OBJECT
  public:
    CContentsDlg(CGeneratorApp& app, UiServices& services, QWidget* parent = nullptr);
    ~CContentsDlg() override;

    // Load the library before the dialog runs; false (message 105 shown)
    // when it cannot be loaded.
    bool LoadRegisteredTypeLib(const GUID& guid, WORD major, WORD minor);
    bool LoadTypeLibFile(const std::string& path);

    // Initialisation and the modal run.
    int DoModal();
    void OnInitDialog();

    // The buttons' reactions.
    void OnGenerate();
    void OnBrowseCopyFile();

    // What the dialog holds: the options as the controls show them, and
    // the library. The controls themselves are reached by their ids
    // through Form().
    const GenerationOptions& Options() const { return m_options; }
    ITypeLib* TypeLib() const { return m_pTypeLib.Get(); }
    QTreeView* TreeView() const { return m_tree; }
    TypeLibTreeModel* Model() const { return m_model; }
    const DialogForm& Form() const { return m_form; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void CannotLoad(const std::string& file, const std::string& why);
    // Shows the options in the controls, with the enabling that follows
    // from them.
    void ShowOptions();
    void OnInterfaceClassesClicked(bool checked);
    void OnCopyFileUpdate(const QString& text);
    // After an expansion: scrolls the item's children into view.
    void ShowChildren(const QModelIndex& index);

    CGeneratorApp& m_app;
    UiServices& m_services;
    DialogForm m_form;
    QCheckBox* m_btnAddToProject;
    QLineEdit* m_editCopyFile;
    QPushButton* m_btnGenerate;
    QCheckBox* m_btnDual;
    QCheckBox* m_interfaceClassesBox;
    QTreeView* m_tree;
    TypeLibTreeModel* m_model;
    // The one copy of the options; each control writes its part as the
    // user changes it, and nothing goes back to the application object.
    GenerationOptions m_options;
    bool m_showing = false;  // ShowOptions is setting the controls
    // The item whose children were last scrolled into view, until the user
    // clicks, scrolls or types in the tree.
    QPersistentModelIndex m_childrenShown;
    ComPtr<ITypeLib> m_pTypeLib;
};

}  // namespace qorvix
