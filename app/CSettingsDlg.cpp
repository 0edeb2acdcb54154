#include "app/CSettingsDlg.h"

#include "app/CSplnDoc.h"
#include "engine/SettingsRanges.h"
#include "engine/SplnSettings.h"
#include "platform/DDX.h"
#include "platform/MessageBox.h"
#include "res/SettingsDialog.h"

namespace {

void ExchangeInt(CDataExchange* pDX, int id, int& value, spln::SettingId setting)
{
    const spln::SettingRange& range = spln::RangeOf(setting);
    DDX_Text(pDX, id, value);
    DDV_MinMaxInt(pDX, value, range.MinInt(), range.MaxInt());
}

void ExchangeDouble(CDataExchange* pDX, int id, double& value, spln::SettingId setting)
{
    const spln::SettingRange& range = spln::RangeOf(setting);
    DDX_Text(pDX, id, value);
    DDV_MinMaxDouble(pDX, value, range.min, range.max);
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
    CSplnDoc& doc = *m_pDoc;
    DDX_Radio(pDX, IDC_SOURCE_EXAMPLE, doc.m_nSource);
    DDX_Radio(pDX, IDC_METHOD_SCHWARZ, doc.m_nMethod);
    DDX_Radio(pDX, IDC_BOARD_GIVEN, doc.m_nBoard);
    ExchangeInt(pDX, IDC_FILE_LENGTH, doc.m_nFileLength, spln::kSettingFileLength);
    ExchangeDouble(pDX, IDC_AMPLITUDE, doc.m_dAmplitude, spln::kSettingAmplitude);
    ExchangeInt(pDX, IDC_EXAMPLE, doc.m_nExample, spln::kSettingExample);
    ExchangeDouble(pDX, IDC_LEFT_VALUE, doc.m_dLeftValue, spln::kSettingLeftValue);
    ExchangeDouble(pDX, IDC_LEFT_DERIV, doc.m_dLeftDeriv, spln::kSettingLeftDeriv);
    ExchangeDouble(pDX, IDC_RIGHT_VALUE, doc.m_dRightValue, spln::kSettingRightValue);
    ExchangeDouble(pDX, IDC_RIGHT_DERIV, doc.m_dRightDeriv, spln::kSettingRightDeriv);
    ExchangeInt(pDX, IDC_LEFT_MARGIN, doc.m_nLeftMargin, spln::kSettingLeftMargin);
    ExchangeInt(pDX, IDC_RIGHT_MARGIN, doc.m_nRightMargin, spln::kSettingRightMargin);
    ExchangeInt(pDX, IDC_WINDOW, doc.m_nWindow, spln::kSettingWindow);
    ExchangeInt(pDX, IDC_SCHWARZ_TYPE, doc.m_nSchwarzType, spln::kSettingSchwarzType);
    ExchangeInt(pDX, IDC_SCHWARZ_COUNT, doc.m_nSchwarzCount, spln::kSettingSchwarzCount);
    ExchangeInt(pDX, IDC_LSQ_TYPE, doc.m_nLsqType, spln::kSettingLsqType);
    ExchangeInt(pDX, IDC_LSQ_COUNT, doc.m_nLsqCount, spln::kSettingLsqCount);
    CheckWindow();
}

void CSettingsDlg::CheckWindow()
{
    CSplnDoc& doc = *m_pDoc;
    if (spln::WindowCheckPasses(doc.m_nSource, doc.m_nWindow, doc.m_nFileLength)) {
        doc.m_bValid = 1;
        return;
    }
    AfxMessageBox(QString::fromLatin1(spln::kWindowCheckMessage), MB_OK);
    doc.m_nWindow = 1;
    doc.m_nFileLength = 10000;
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
