// The document: the settings of Spline > Run, saved in and opened from experiment files.

#include "app/CSplnDoc.h"

#include "app/CSettingsDlg.h"
#include "app/Engines.h"
#include "model/ExperimentFile.h"
#include "model/SettingsRecord.h"
#include "model/SplnSettings.h"
#include "platform/CArchive.h"
#include "platform/MessageBox.h"

#include <QFile>
#include <QIODevice>

CSplnDoc::CSplnDoc() : m_savedSettings(AcceptedSettings()) {}

CSplnSettings CSplnDoc::AcceptedSettings() const
{
    CSplnSettings settings;
    LoadSettingsFromEngine(DocEngine(), settings);
    return settings;
}

bool CSplnDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    StoreSettingsInEngine(spln::DefaultSettings(), DocEngine());
    m_bValid = 0;
    m_savedSettings = AcceptedSettings();
    SetModifiedFlag(false);
    return true;
}

bool CSplnDoc::OnOpenDocument(const QString& path)
{
    const spln::ExperimentRead read =
        spln::ReadExperimentFile(QFile::encodeName(path).toStdString(), spln::DefaultSettings());
    if (read.status == spln::ExperimentStatus::Fault) {
        AfxMessageBox(QString::fromStdString(spln::DescribeExperimentFault(path.toStdString(), read)),
                      MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (read.status == spln::ExperimentStatus::Empty) {
        DeleteContents();
    } else {
        static_cast<CSplnSettings&>(*this) = read.settings;
        m_bValid = 1;  // the file's settings passed the window check
        PrepareRun();
    }
    SetPathName(path);
    m_savedSettings = AcceptedSettings();
    SetModifiedFlag(false);
    return true;
}

bool CSplnDoc::OnSaveDocument(const QString& path)
{
    if (!CDocument::OnSaveDocument(path))
        return false;
    m_savedSettings = AcceptedSettings();
    return true;
}

void CSplnDoc::DeleteContents()
{
    ResizeArrays(0);
    CDocument::DeleteContents();
}

void CSplnDoc::Serialize(CArchive& ar)
{
    if (!ar.IsStoring())
        return;
    const std::string text = spln::FormatExperiment(AcceptedSettings());
    ar.GetFile()->write(text.data(), static_cast<qint64>(text.size()));
}

void CSplnDoc::PrepareRun()
{
    DeleteContents();
    SetUpForAcceptedRun();
    StoreSettingsInEngine(*this, DocEngine());
}

void CSplnDoc::OnSplineRun()
{
    CSettingsDlg dialog(this, DocEngine());
    if (dialog.DoModal() == IDOK) {
        PrepareRun();
        SetModifiedFlag(!spln::SameSettings(AcceptedSettings(), m_savedSettings));
    }
    UpdateAllViews(nullptr);
}
