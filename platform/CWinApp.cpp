// The application object: templates, recent files, settings and start-up.

#include "platform/CWinApp.h"

#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CView.h"
#include "platform/MessageBox.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QSettings>

#include <utility>

namespace {

QString SuggestedFileName(const CDocument& document)
{
    if (!document.GetPathName().isEmpty())
        return document.GetPathName();
    // A title can hold characters a file name cannot.
    QString name = document.GetTitle();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return QDir::current().filePath(name);
}

}  // namespace

CWinApp::CWinApp(QString appTitle) : m_strAppName(std::move(appTitle))
{
    m_promptSaveFileName = [this](const QString& suggestion) { return AskFileName(true, suggestion); };
    m_promptOpenFileName = [this](const QString& suggestion) { return AskFileName(false, suggestion); };
}

QString CWinApp::AskFileName(bool saving, const QString& suggestion)
{
    QFileDialog dialog(GetMainWnd(), saving ? QStringLiteral("Save As") : QStringLiteral("Open"));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!m_strFileFilters.isEmpty())
        dialog.setNameFilter(m_strFileFilters);
    if (saving) {
        dialog.setDefaultSuffix(m_strDefaultSuffix);
        dialog.selectFile(suggestion);
    } else if (!suggestion.isEmpty()) {
        dialog.setDirectory(suggestion);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().front();
}

void CWinApp::SetDocumentFileType(const QString& filters, const QString& defaultSuffix)
{
    m_strFileFilters = filters;
    m_strDefaultSuffix = defaultSuffix;
}

void CWinApp::SetOpenFileNamePrompt(FileNamePrompt prompt)
{
    m_promptOpenFileName = std::move(prompt);
}

CWinApp::~CWinApp() = default;

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    if (m_pDocTemplate)
        m_pDocTemplate->CloseAll();
    return 0;
}

void CWinApp::SetRegistryKey(const QString& registryKey)
{
    m_strRegistryKey = registryKey;
}

std::unique_ptr<QSettings> CWinApp::GetProfile() const
{
    return std::make_unique<QSettings>(m_strRegistryKey, m_strAppName);
}

void CWinApp::MoveProfileFrom(const QString& earlierRegistryKey)
{
    const QString movedKey = QStringLiteral("Profile/Moved From");
    const std::unique_ptr<QSettings> profile = GetProfile();
    if (profile->contains(movedKey))
        return;
    const QSettings earlier(earlierRegistryKey, m_strAppName);
    for (const QString& key : earlier.allKeys())
        if (!profile->contains(key))
            profile->setValue(key, earlier.value(key));
    profile->setValue(movedKey, earlierRegistryKey);
    profile->sync();
}

void CWinApp::LoadStdProfileSettings(int maxRecentFiles)
{
    m_pRecentFileList =
        std::make_unique<CRecentFileList>(maxRecentFiles, QStringLiteral("Recent File List"), QStringLiteral("File"));
    m_pRecentFileList->ReadList(*GetProfile());
    RecentFilesChanged();
}

void CWinApp::SaveStdProfileSettings()
{
    if (!m_pRecentFileList)
        return;
    auto profile = GetProfile();
    m_pRecentFileList->WriteList(*profile);
    profile->sync();
}

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate)
{
    m_pDocTemplate = std::move(docTemplate);
}

CDocument* CWinApp::GetDocument() const
{
    return m_pDocTemplate ? m_pDocTemplate->GetDocument() : nullptr;
}

CFrameWnd* CWinApp::GetMainWnd() const
{
    return m_pDocTemplate ? m_pDocTemplate->GetFrame() : nullptr;
}

CCommandLineInfo CWinApp::ParseCommandLine(const QStringList& arguments)
{
    CCommandLineInfo info;
    if (arguments.size() > 1) {
        info.m_nShellCommand = CCommandLineInfo::Invalid;
        info.m_strError = QStringLiteral("expected at most one file name, got %1 arguments").arg(arguments.size());
    } else if (arguments.size() == 1) {
        info.m_nShellCommand = CCommandLineInfo::FileOpen;
        info.m_strFileName = arguments.front();
    }
    return info;
}

bool CWinApp::ProcessShellCommand(const CCommandLineInfo& info)
{
    if (!m_pDocTemplate)
        return false;
    switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        return m_pDocTemplate->OpenDocumentFile(QString()) != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(info.m_strFileName) != nullptr;
    case CCommandLineInfo::Invalid:
        break;
    }
    return false;
}

CDocument* CWinApp::OpenDocumentFile(const QString& path)
{
    if (!m_pDocTemplate)
        return nullptr;
    CDocument* document = m_pDocTemplate->OpenDocumentFile(path);
    if (document)
        AddToRecentFileList(document->GetPathName());
    return document;
}

void CWinApp::AddToRecentFileList(const QString& path)
{
    if (!m_pRecentFileList)
        return;
    m_pRecentFileList->Add(path);
    RecentFilesChanged();
}

bool CWinApp::OnOpenRecentFile(int index)
{
    if (!m_pRecentFileList || index < 0 || index >= m_pRecentFileList->GetSize())
        return false;
    const QString path = (*m_pRecentFileList)[index];
    if (!SaveModified())
        return false;
    if (OpenDocumentFile(path))
        return true;
    m_pRecentFileList->Remove(index);
    RecentFilesChanged();
    return false;
}

void CWinApp::SetRecentFilesChangedHandler(std::function<void()> handler)
{
    m_onRecentFilesChanged = std::move(handler);
    RecentFilesChanged();
}

void CWinApp::RecentFilesChanged()
{
    if (m_onRecentFilesChanged)
        m_onRecentFilesChanged();
    // Written on every change too, so that a crash loses nothing.
    SaveStdProfileSettings();
}

bool CWinApp::OnFileNew()
{
    if (!m_pDocTemplate || !SaveModified())
        return false;
    return m_pDocTemplate->OpenDocumentFile(QString()) != nullptr;
}

bool CWinApp::OnFileOpen()
{
    const CDocument* document = GetDocument();
    const QString folder = document && !document->GetPathName().isEmpty()
                               ? QFileInfo(document->GetPathName()).absolutePath()
                               : QDir::currentPath();
    const QString path = m_promptOpenFileName ? m_promptOpenFileName(folder) : QString();
    if (path.isEmpty() || !SaveModified())
        return false;
    return OpenDocumentFile(path) != nullptr;
}

bool CWinApp::SaveModified()
{
    CDocument* document = GetDocument();
    if (!document || !document->IsModified())
        return true;
    const int answer = AfxMessageBox(QStringLiteral("Save changes to %1?").arg(document->GetTitle()),
                                     MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDYES)
        return DoSave(false);
    return answer == IDNO;
}

bool CWinApp::OnFileSave()
{
    return DoSave(false);
}

bool CWinApp::OnFileSaveAs()
{
    return DoSave(true);
}

void CWinApp::SetSaveFileNamePrompt(FileNamePrompt prompt)
{
    m_promptSaveFileName = std::move(prompt);
}

bool CWinApp::DoSave(bool alwaysAsk)
{
    CDocument* document = GetDocument();
    if (!document)
        return false;
    QString path = document->GetPathName();
    if (alwaysAsk || path.isEmpty()) {
        path = m_promptSaveFileName ? m_promptSaveFileName(SuggestedFileName(*document)) : QString();
        if (path.isEmpty())
            return false;
    }
    if (!document->OnSaveDocument(path))
        return false;
    document->SetPathName(path);
    AddToRecentFileList(document->GetPathName());
    return true;
}

void CWinApp::OnFilePrintSetup()
{
    QPageSetupDialog dialog(&AppPrinter(), GetMainWnd());
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.exec();
}

void CWinApp::OnAppExit()
{
    if (CFrameWnd* frame = GetMainWnd())
        frame->close();
}
