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

    // The reactions, public for tests.
    void OnGenerate();
    void OnBrowseCopyFile();
    void OnInterfaceClassesClicked();
    void OnCopyFileUpdate();
    // Moves the fields into the controls (false) or back (true).
    void UpdateData(bool saveAndValidate);

    QTreeView* TreeView() const { return m_tree; }
    TypeLibTreeModel* Model() const { return m_model; }
    const DialogForm& Form() const { return m_form; }

    QCheckBox* m_btnAddToProject;
    QLineEdit* m_editCopyFile;
    QPushButton* m_btnGenerate;
    QCheckBox* m_btnDual;
    QCheckBox* m_btnInterfaceClasses;
    std::string m_strCopyFile;
    bool m_bInterfaceClasses = false;
    bool m_bDualInterfaces = false;
    bool m_bAddToProject = false;
    ComPtr<ITypeLib> m_pTypeLib;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void CannotLoad();

    CGeneratorApp& m_app;
    UiServices& m_services;
    DialogForm m_form;
    QTreeView* m_tree;
    TypeLibTreeModel* m_model;
    bool m_exchanging = false;
};

}  // namespace qorvix
