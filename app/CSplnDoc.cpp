// The document: Spline > Run opens the settings dialog and, on OK, stores the settings.

#include "app/CSplnDoc.h"

#include "app/CSettingsDlg.h"
#include "app/Engines.h"
#include "model/SplnSettings.h"

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
        SetUpForAcceptedRun();
        StoreSettingsInEngine(*this, DocEngine());
    }
    UpdateAllViews(nullptr);
}
