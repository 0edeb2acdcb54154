// The settings dialog: every setting exchanged with the document, then the window check.

#include "app/CSettingsDlg.h"

#include "app/CSplnDoc.h"
#include "model/Formula.h"
#include "model/SettingsRecord.h"
#include "model/SplnSettings.h"
#include "platform/DDX.h"
#include "platform/MessageBox.h"
#include "res/SettingsDialog.h"

namespace {

// One setting between its control and the document's member, with the range
// check of a typed number.
void ExchangeSetting(CDataExchange* pDX, const SettingControl& entry, CSplnSettings& settings)
{
    const spln::SettingRange& range = spln::RangeOf(entry.setting);
    switch (range.kind) {
    case spln::SettingKind::Choice:
        DDX_Radio(pDX, entry.control, settings.*range.docWhole);
        break;
    case spln::SettingKind::Integer:
        DDX_Text(pDX, entry.control, settings.*range.docWhole);
        DDV_MinMaxInt(pDX, settings.*range.docWhole, range.MinInt(), range.MaxInt());
        break;
    case spln::SettingKind::Real:
        DDX_Text(pDX, entry.control, settings.*range.docReal);
        DDV_MinMaxDouble(pDX, settings.*range.docReal, range.min, range.max);
        break;
    case spln::SettingKind::Text:
        DDX_Text(pDX, entry.control, settings.*range.docText, spln::kFormulaSize);
        break;
    }
}

}  // namespace

CSettingsDlg::CSettingsDlg(CSplnDoc* pDoc, CSplineEngine& engine, QWidget* parent)
    : CDialog(kSettingsDialogTemplate, parent), m_pDoc(pDoc), m_engine(engine), m_bValidBefore(pDoc->m_bValid)
{
    LoadSettingsFromEngine(m_engine, *m_pDoc);
}

void CSettingsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (const SettingControl& entry : kSettingControls)
        ExchangeSetting(pDX, entry, *m_pDoc);
    CheckWindow(pDX);
    if (pDX->m_bSaveAndValidate)
        CheckFormula(pDX);
}

void CSettingsDlg::CheckFormula(CDataExchange* pDX)
{
    const std::string message = spln::FormulaMessage(*m_pDoc);
    if (message.empty())
        return;
    AfxMessageBox(QString::fromStdString(message), MB_OK | MB_ICONEXCLAMATION);
    pDX->PrepareEditCtrl(IDC_FORMULA);
    pDX->Fail();
}

void CSettingsDlg::CheckWindow(CDataExchange* pDX)
{
    CSplnDoc& doc = *m_pDoc;
    if (spln::WindowCheckPasses(doc.m_nSource, doc.m_nWindow, doc.m_nFileLength)) {
        doc.m_bValid = 1;
        return;
    }
    AfxMessageBox(QString::fromLatin1(spln::kWindowCheckMessage), MB_OK);
    if (pDX->m_bSaveAndValidate) {
        // What was typed stays for the user to correct, as after a range
        // check: the dialog stays open with the window field selected.
        pDX->PrepareEditCtrl(IDC_WINDOW);
        pDX->Fail();
    }
    spln::ResetAfterFailedWindowCheck(doc);
    doc.m_bValid = 0;
}

void CSettingsDlg::OnCancel()
{
    // A storing exchange that failed part-way may have written some fields;
    // the engine still holds the last accepted settings.
    LoadSettingsFromEngine(m_engine, *m_pDoc);
    m_pDoc->m_bValid = m_bValidBefore;
    CDialog::OnCancel();
}
