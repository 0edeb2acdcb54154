#pragma once

// A dialog box: built from a template, run modally with DoModal, its controls
// filled by the loading data exchange when it opens and read back by the
// storing exchange on OK.

#include "platform/DialogTemplate.h"

#include <QDialog>

#include <map>

class CDataExchange;
class QButtonGroup;

class CDialog : public QDialog {
    Q_OBJECT

public:
    // The dialog is built from tmpl when it is first shown; parent may be
    // null, and DoModal then takes the active window as owner.
    explicit CDialog(const DialogTemplate& tmpl, QWidget* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog modally; returns the result it ended with (IDOK, IDCANCEL).
    int DoModal();

    // Builds the controls and runs OnInitDialog without entering a modal loop
    // (a modeless dialog). Returns false if OnInitDialog fails.
    bool Create();

    // Called once the controls exist: the loading exchange.
    virtual bool OnInitDialog();
    // OK: the storing exchange; ends the dialog with IDOK only if it succeeds.
    virtual void OnOK();
    // Cancel, Esc and the close box: ends the dialog with IDCANCEL.
    virtual void OnCancel();

    // Runs DoDataExchange: saveAndValidate true stores and checks the
    // controls' values, false loads them. False when a check failed.
    bool UpdateData(bool saveAndValidate = true);

    // The control with the given id, or null.
    QWidget* GetDlgItem(int id) const;
    // The radio group whose first button has the given id, or null.
    QButtonGroup* GetRadioGroup(int firstId) const;

    void EndDialog(int result);

    // Used by the dialog builder.
    void RegisterControl(int id, QWidget* control);
    void RegisterRadioGroup(int firstId, QButtonGroup* group);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    // Routes Enter/the default button and Esc/the close box to OnOK and OnCancel.
    void accept() override;
    void reject() override;

private:
    void EnsureBuilt();

    const DialogTemplate& m_template;
    bool m_bBuilt = false;
    std::map<int, QWidget*> m_controls;
    std::map<int, QButtonGroup*> m_radioGroups;
};
