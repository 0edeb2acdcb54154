// Dialogs built from templates, with data exchange on OK.

#include "platform/CDialog.h"

#include "platform/DDX.h"
#include "platform/DialogBuilder.h"

#include <QApplication>

CDialog::CDialog(const DialogTemplate& tmpl, QWidget* parent) : QDialog(parent), m_template(tmpl) {}

CDialog::~CDialog() = default;

void CDialog::EnsureBuilt()
{
    if (m_bBuilt)
        return;
    m_bBuilt = true;
    spln::BuildDialog(*this, m_template);
}

int CDialog::DoModal()
{
    if (!parentWidget()) {
        // Owned by the main window, as a dialog without an explicit parent is.
        if (QWidget* owner = QApplication::activeWindow(); owner && owner != this)
            setParent(owner, windowFlags() | Qt::Dialog);
    }
    EnsureBuilt();
    OnInitDialog();
    setResult(0);
    exec();
    return result();
}

bool CDialog::Create()
{
    EnsureBuilt();
    const bool ok = OnInitDialog();
    show();
    return ok;
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::OnOK()
{
    if (!UpdateData(true))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const DataExchangeFailure&) {
        return false;
    }
    return true;
}

void CDialog::DoDataExchange(CDataExchange* /*pDX*/) {}

QWidget* CDialog::GetDlgItem(int id) const
{
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

QButtonGroup* CDialog::GetRadioGroup(int firstId) const
{
    const auto it = m_radioGroups.find(firstId);
    return it == m_radioGroups.end() ? nullptr : it->second;
}

void CDialog::EndDialog(int result)
{
    done(result);
}

void CDialog::RegisterControl(int id, QWidget* control)
{
    if (id != IDC_STATIC)
        m_controls[id] = control;
}

void CDialog::RegisterRadioGroup(int firstId, QButtonGroup* group)
{
    m_radioGroups[firstId] = group;
}

void CDialog::accept()
{
    OnOK();
}

void CDialog::reject()
{
    OnCancel();
}
