#pragma once

// The application object of a single-document program: its profile (the
// user's settings under an organisation key and the application title), the
// recent-file list, the document template, the command line, and the
// application-wide commands (New, Open, Save, Save As, recent files, Print
// Setup, Exit), with the question whether to save unsaved changes.

#include "platform/CSingleDocTemplate.h"
#include "platform/RecentFileList.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class CDocument;
class CFrameWnd;
class QSettings;

// What the command line asks for: a new document, or a file to open.
struct CCommandLineInfo {
    enum Shell { FileNew, FileOpen, Invalid };
    Shell m_nShellCommand = FileNew;
    QString m_strFileName;
    QString m_strError;  // for Invalid: what is wrong with the arguments
};

class CWinApp {
public:
    explicit CWinApp(QString appTitle);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance() = 0;
    // Writes the profile back; returns the exit code.
    virtual int ExitInstance();

    const QString& AppTitle() const { return m_strAppName; }

    // The profile lives under registryKey (the organisation) and the
    // application title.
    void SetRegistryKey(const QString& registryKey);
    const QString& RegistryKey() const { return m_strRegistryKey; }
    std::unique_ptr<QSettings> GetProfile() const;
    // Copies the profile kept under an earlier organisation key into this
    // one the first time this one is used (entries it already holds win); a
    // mark keeps the earlier place from being read again. The earlier
    // profile stays as it was.
    void MoveProfileFrom(const QString& earlierRegistryKey);

    // Reads the recent-file list of at most maxRecentFiles entries.
    void LoadStdProfileSettings(int maxRecentFiles);
    void SaveStdProfileSettings();

    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
    CSingleDocTemplate* GetDocTemplate() const { return m_pDocTemplate.get(); }
    CDocument* GetDocument() const;
    CFrameWnd* GetMainWnd() const;

    // arguments without the program name: none, or one file name.
    static CCommandLineInfo ParseCommandLine(const QStringList& arguments);
    // A new document or the named file; false when that fails.
    bool ProcessShellCommand(const CCommandLineInfo& info);

    // Opens path in the one document; on success the file heads the recent
    // list. Null when it cannot be opened (the reason was shown).
    CDocument* OpenDocumentFile(const QString& path);

    CRecentFileList* GetRecentFileList() const { return m_pRecentFileList.get(); }
    void AddToRecentFileList(const QString& path);
    // Opens recent file `index` once unsaved changes are settled; an entry
    // that cannot be opened is dropped.
    bool OnOpenRecentFile(int index);
    // Called whenever the recent-file list changes.
    void SetRecentFilesChangedHandler(std::function<void()> handler);

    // New: a new document, once unsaved changes are settled.
    bool OnFileNew();
    // Open: asks for a file, settles unsaved changes, then opens it.
    bool OnFileOpen();
    // Save: asks for a name only when the document has none. Save As: always
    // asks. Both write the document and put it at the top of the recent list.
    bool OnFileSave();
    bool OnFileSaveAs();

    // When the document holds unsaved changes, asks "Save changes to NAME?":
    // Yes saves (false when that is cancelled or fails), No goes on without
    // saving, Cancel answers false. True at once for an unchanged document.
    bool SaveModified();

    // The kind of file the documents are kept in: file-dialog filters
    // ("Experiments (*.x);;All files (*)") and the suffix a typed name
    // without one receives.
    void SetDocumentFileType(const QString& filters, const QString& defaultSuffix);

    // How Save and Open ask for a file name: get a suggestion, return the
    // chosen name or an empty string when the user cancels.
    using FileNamePrompt = std::function<QString(const QString& suggestion)>;
    void SetSaveFileNamePrompt(FileNamePrompt prompt);
    void SetOpenFileNamePrompt(FileNamePrompt prompt);

    // Print Setup: the page-setup dialog on the printer that printing shares.
    void OnFilePrintSetup();
    // Exit: closes the main window.
    void OnAppExit();

private:
    bool DoSave(bool alwaysAsk);
    void RecentFilesChanged();

    QString m_strAppName;
    QString m_strRegistryKey;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    std::unique_ptr<CSingleDocTemplate> m_pDocTemplate;
    std::function<void()> m_onRecentFilesChanged;
    QString AskFileName(bool saving, const QString& suggestion);

    FileNamePrompt m_promptSaveFileName;
    FileNamePrompt m_promptOpenFileName;
    QString m_strFileFilters;
    QString m_strDefaultSuffix;
};
