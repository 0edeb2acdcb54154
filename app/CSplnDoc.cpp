#include "app/CSplnDoc.h"

#include "app/CSettingsDlg.h"
#include "app/Engines.h"
#include "model/SplnSettings.h"

namespace {

constexpr int kPlotPoints = 640;
constexpr double kIntervalLength = 2.0;  // length of [-1, 1]

}  // namespace

bool CSplnDoc::OnNewDocument()
{
    return CDocument::OnNewDocument();
}

void CSplnDoc::DeleteContents()
{
    ResizeArrays(0);
    CDocument::DeleteContents();
}

void CSplnDoc::Serialize(CArchive& /*ar*/) {}

void CSplnDoc::OnSplineRun()
{
    CSettingsDlg dialog(this, DocEngine());
    if (dialog.DoModal() == IDOK) {
        DeleteContents();
        m_nCount = kPlotPoints;
        ResizeArrays(m_nCount);
        m_dLength = kIntervalLength;
        m_strCaption = m_strCaptions[m_nExample - 1];
        m_nFuncIndex = m_nExample - 1;
        StoreSettingsInEngine(*this, DocEngine());
    }
    UpdateAllViews(nullptr);
}
