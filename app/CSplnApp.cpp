// The application: start-up, the document template, commands and recent files.

#include "app/CSplnApp.h"

#include "app/CAboutDlg.h"
#include "app/CComparisonPanel.h"
#include "app/CMainFrame.h"
#include "app/CSettingsPanel.h"
#include "app/CSplnDoc.h"
#include "app/CSplnView.h"
#include "app/CStudyDlg.h"
#include "app/CStudyWnd.h"
#include "app/Engines.h"
#include "app/ResultCommands.h"
#include "app/StudyJob.h"
#include "engine/CSplineEngine.h"
#include "model/ExperimentFile.h"
#include "platform/CStatusBar.h"
#include "platform/MessageBox.h"
#include "platform/QtStrings.h"
#include "res/CommandIds.h"
#include "res/Strings.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QPointer>

namespace res = spln::res;
using spln::CopyResult;
using spln::ExportData;
using spln::ExportPicture;

namespace {

constexpr int kMaxRecentFiles = 4;

// The commands that take the picture out of the window: enabled while one is shown.
constexpr unsigned kPictureCommands[] = {res::ID_FILE_EXPORT_PICTURE, res::ID_FILE_EXPORT_DATA, res::ID_EDIT_COPY,
                                         res::ID_SPLINE_KEEP};
// The profile lives under the program's own name (~/.config/Spln/); earlier
// versions kept it under the organisation key of the original resources.
const char* const kRegistryKey = "Spln";
const char* const kEarlierRegistryKey = "Local AppWizard-Generated Applications";

QString AppTitleString()
{
    return spln::ToQString(res::LoadStringResource(res::AFX_IDS_APP_TITLE));
}

}  // namespace

CSplnApp::CSplnApp() : CWinApp(AppTitleString()) {}

CSplnApp::~CSplnApp()
{
    m_study.reset();  // a study still running is cancelled before the engines go
    if (GetDocTemplate())
        GetDocTemplate()->CloseAll();
}

bool CSplnApp::InitInstance()
{
    // The profile (the recent-file list) lives under the organisation key
    // and the application title.
    SetRegistryKey(QString::fromLatin1(kRegistryKey));
    QCoreApplication::setOrganizationName(RegistryKey());
    QCoreApplication::setApplicationName(AppTitle());
    MoveProfileFrom(QString::fromLatin1(kEarlierRegistryKey));
    LoadStdProfileSettings(kMaxRecentFiles);
    SetDocumentFileType(
        QStringLiteral("Spln experiments (*.%1);;All files (*)").arg(QString::fromLatin1(spln::kExperimentSuffix)),
        QString::fromLatin1(spln::kExperimentSuffix));

    AddDocTemplate(std::make_unique<CSingleDocTemplate>(
        res::IDR_MAINFRAME, [] { return std::make_unique<CSplnDoc>(); }, [this] { return CreateMainFrame(); },
        [this] { return CreateView(); }));

    CCommandLineInfo commandLine = ParseCommandLine(m_arguments);
    if (commandLine.m_nShellCommand == CCommandLineInfo::Invalid)
        AfxMessageBox(
            QStringLiteral("Usage: spln [file]\nThe command line is not valid: %1.").arg(commandLine.m_strError));
    // A file that cannot be opened has been reported; the window opens all
    // the same, on a new experiment, and the user goes on from there.
    if (commandLine.m_nShellCommand != CCommandLineInfo::FileOpen || !ProcessShellCommand(commandLine)) {
        commandLine = CCommandLineInfo{};
        if (!ProcessShellCommand(commandLine))
            return false;
    }
    SetRecentFilesChangedHandler([this] { UpdateRecentFileMenu(); });

    CFrameWnd* frame = GetMainWnd();
    frame->show();
    frame->update();
    return true;
}

std::unique_ptr<CFrameWnd> CSplnApp::CreateMainFrame()
{
    auto frame = std::make_unique<CMainFrame>();
    if (!frame->LoadFrame())
        return nullptr;
    RegisterCommands(*frame);
    return frame;
}

void CSplnApp::RegisterCommands(CMainFrame& frame)
{
    // Who handles what; every command not named here stays disabled (Cut,
    // Paste, next and previous pane).
    spln::CommandTable& commands = frame.Commands();
    commands.SetHandler(res::ID_APP_ABOUT, [this] { OnAppAbout(); });
    commands.SetHandler(res::ID_FILE_NEW, [this] { OnFileNew(); });
    commands.SetHandler(res::ID_FILE_OPEN, [this] { OnFileOpen(); });
    commands.SetHandler(res::ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
    commands.SetHandler(res::ID_APP_EXIT, [this] { OnAppExit(); });
    commands.SetHandler(res::ID_FILE_SAVE, [this] { OnFileSave(); });
    commands.SetHandler(res::ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); });
    commands.SetHandler(res::ID_SPLINE_RUN, [this] {
        if (CSplnDoc* document = GetSplnDoc())
            document->OnSplineRun();
    });
    commands.SetHandler(res::ID_SPLINE_STUDY, [this] { OnSplineStudy(); });
    commands.SetHandler(res::ID_FILE_OPEN_DATA, [this] {
        CSplnDoc* document = GetSplnDoc();
        if (!document)
            return;
        const QString path =
            QFileDialog::getOpenFileName(GetMainWnd(), QStringLiteral("Open Data"), QString(),
                                         QStringLiteral("Data files (*.csv *.tsv *.txt *.dat);;All files (*)"));
        if (!path.isEmpty())
            document->OpenDataFile(path);
    });
    // Printing goes to the view, the only one of the frame.
    const auto toView = [this](void (CView::*command)()) {
        return [this, command] {
            if (CSplnView* view = GetSplnView())
                (view->*command)();
        };
    };
    commands.SetHandler(res::ID_FILE_PRINT, toView(&CView::OnFilePrint));
    commands.SetHandler(res::ID_FILE_PRINT_DIRECT, toView(&CView::OnFilePrintDirect));
    commands.SetHandler(res::ID_FILE_PRINT_PREVIEW, toView(&CView::OnFilePrintPreview));
    const auto withView = [this](void (*command)(CSplnView&)) {
        return [this, command] {
            if (CSplnView* view = GetSplnView())
                command(*view);
        };
    };
    commands.SetHandler(res::ID_FILE_EXPORT_PICTURE, withView(&ExportPicture));
    commands.SetHandler(res::ID_FILE_EXPORT_DATA, withView(&ExportData));
    commands.SetHandler(res::ID_EDIT_COPY, withView(&CopyResult));
    commands.SetHandler(res::ID_SPLINE_KEEP, [this] {
        if (CSplnDoc* document = GetSplnDoc(); document && GetSplnView())
            spln::KeepShown(*document, *GetSplnView());
    });
    RegisterErrorCurveCommands(commands);
    EnablePictureCommands(frame, false);
    commands.SetHandler(res::ID_EDIT_UNDO, [this] {
        if (CSplnDoc* document = GetSplnDoc())
            document->UndoStack().undo();
    });
    commands.SetHandler(res::ID_EDIT_REDO, [this] {
        if (CSplnDoc* document = GetSplnDoc())
            document->UndoStack().redo();
    });
    if (CSplnDoc* document = GetSplnDoc()) {
        // Undo and Redo are offered while the stack holds a step to take.
        QUndoStack& stack = document->UndoStack();
        commands.Enable(res::ID_EDIT_UNDO, stack.canUndo());
        commands.Enable(res::ID_EDIT_REDO, stack.canRedo());
        QObject::connect(&stack, &QUndoStack::canUndoChanged, &frame,
                         [&frame](bool can) { frame.Commands().Enable(res::ID_EDIT_UNDO, can); });
        QObject::connect(&stack, &QUndoStack::canRedoChanged, &frame,
                         [&frame](bool can) { frame.Commands().Enable(res::ID_EDIT_REDO, can); });
    }
    // Closing the window (Exit, the close box) asks before a study is lost,
    // then settles unsaved changes.
    frame.SetCloseQuery([this] { return MayLoseStudies() && SaveModified(); });
    for (int slot = 0; slot < kMaxRecentFiles; ++slot)
        commands.SetHandler(res::ID_FILE_MRU_FILE1 + static_cast<unsigned>(slot),
                            [this, slot] { OnOpenRecentFile(slot); });
}

void CSplnApp::RegisterErrorCurveCommands(spln::CommandTable& commands)
{
    // Two checks: the panel shown or not, and its scale, which holds while
    // the panel is hidden.
    QAction* shown = commands.Action(res::ID_VIEW_ERROR_CURVE);
    QAction* log = commands.Action(res::ID_VIEW_ERROR_LOG);
    QAction* legend = commands.Action(res::ID_VIEW_LEGEND);
    for (QAction* check : {shown, log, legend})
        check->setCheckable(true);
    const auto apply = [this, shown, log, legend] {
        CSplnView* view = GetSplnView();
        if (!view)
            return;
        spln::PlotOptions options = view->PlotOptions();
        options.errorPanel = !shown->isChecked() ? spln::ErrorPanelMode::Off
                             : log->isChecked()  ? spln::ErrorPanelMode::Log
                                                 : spln::ErrorPanelMode::Signed;
        options.legend = legend->isChecked();
        view->SetPlotOptions(options);
    };
    commands.SetHandler(res::ID_VIEW_ERROR_CURVE, apply);
    commands.SetHandler(res::ID_VIEW_ERROR_LOG, apply);
    commands.SetHandler(res::ID_VIEW_LEGEND, apply);
    commands.SetHandler(res::ID_VIEW_RESET_ZOOM, [this] {
        if (CSplnView* view = GetSplnView())
            view->ResetZoom();
    });
}

CSplnView* CSplnApp::CreateView()
{
    auto* view = new CSplnView;
    QObject::connect(view, &CSplnView::PictureShownChanged, view, [this](bool shown) {
        if (CMainFrame* frame = GetMainFrame())
            EnablePictureCommands(*frame, shown);
    });
    // The numbers under the mouse take the status bar's message pane; when
    // the mouse leaves the picture its idle text comes back.
    QObject::connect(view, &CSplnView::PointTextChanged, view, [this](const QString& text) {
        CMainFrame* frame = GetMainFrame();
        if (!frame || !frame->m_wndStatusBar)
            return;
        if (m_idleText.isNull())
            m_idleText = frame->m_wndStatusBar->IdleText();
        frame->m_wndStatusBar->SetIdleText(text.isEmpty() ? m_idleText : text);
    });
    if (CMainFrame* frame = GetMainFrame(); frame && GetSplnDoc())
        CreateSettingsPanel(*frame, *GetSplnDoc());
    return view;
}

void CSplnApp::CreateSettingsPanel(CMainFrame& frame, CSplnDoc& document)
{
    // Each hidden until its View command shows it.
    const auto dock = [&frame](QDockWidget* widget, unsigned command, Qt::DockWidgetArea area) {
        QPointer<QDockWidget> panel = widget;
        frame.addDockWidget(area, panel);
        panel->hide();
        QAction* action = frame.Commands().Action(command);
        action->setCheckable(true);
        frame.Commands().SetHandler(command, [panel] {
            if (panel)
                panel->setVisible(!panel->isVisible());
        });
        QObject::connect(panel, &QDockWidget::visibilityChanged, action, &QAction::setChecked);
    };
    dock(new CSettingsPanel(document, &frame), res::ID_VIEW_SETTINGS_PANEL, Qt::RightDockWidgetArea);
    dock(new CComparisonPanel(document, &frame), res::ID_VIEW_COMPARISON, Qt::BottomDockWidgetArea);
}

void CSplnApp::EnablePictureCommands(CMainFrame& frame, bool enabled)
{
    for (const unsigned id : kPictureCommands)
        frame.Commands().Enable(id, enabled);
}

void CSplnApp::UpdateRecentFileMenu()
{
    if (CMainFrame* frame = GetMainFrame(); frame && GetRecentFileList())
        frame->UpdateRecentFileMenu(*GetRecentFileList(), res::ID_FILE_MRU_FILE1);
}

void CSplnApp::OnAppAbout()
{
    CAboutDlg dialog(GetMainWnd());
    dialog.DoModal();
}

void CSplnApp::OnSplineStudy()
{
    if (m_study && m_study->Running()) {
        m_study->ShowProgress();
        return;
    }
    CSplnSettings base;
    LoadSettingsFromEngine(DocEngine(), base);
    // On the sample file the dialog offers the choice from the data alone.
    m_lastStudyPlan.dataPath = DocEngine().m_szDataPath;
    CStudyDlg dialog(base, m_lastStudyPlan, GetMainWnd());
    if (dialog.DoModal() != IDOK)
        return;
    m_lastStudyPlan = dialog.Plan();
    m_study.reset();
    m_study = std::make_unique<StudyJob>(m_lastStudyPlan, base, GetMainWnd(),
                                         [this](const spln::study::StudyResult& result) { ShowStudyResult(result); });
}

bool CSplnApp::MayLoseStudies()
{
    QString loss;
    if (m_study && m_study->Running()) {
        loss = QStringLiteral("A study is still running; quitting stops it, and its results are lost.");
    } else if (CFrameWnd* frame = GetMainWnd()) {
        qsizetype unexported = 0;
        for (const CStudyWnd* window : frame->findChildren<CStudyWnd*>())
            unexported += !window->Exported();
        if (unexported == 1)
            loss = QStringLiteral("The results of a study have not been exported; quitting loses them.");
        else if (unexported > 1)
            loss = QStringLiteral("The results of %1 studies have not been exported; quitting loses them.")
                       .arg(unexported);
    }
    return loss.isEmpty() ||
           AfxMessageBox(loss + QStringLiteral("\nQuit Spln all the same?"), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CSplnApp::ShowStudyResult(const spln::study::StudyResult& result)
{
    if (!result.failure.empty())
        AfxMessageBox(QString::fromStdString(result.failure));
    if (result.rows.empty())
        return;
    auto* window = new CStudyWnd(result, GetMainWnd());
    window->show();
}

CSplnDoc* CSplnApp::GetSplnDoc() const
{
    return dynamic_cast<CSplnDoc*>(GetDocument());
}

CMainFrame* CSplnApp::GetMainFrame() const
{
    return dynamic_cast<CMainFrame*>(GetMainWnd());
}

CSplnView* CSplnApp::GetSplnView() const
{
    CFrameWnd* frame = GetMainWnd();
    return frame ? dynamic_cast<CSplnView*>(frame->GetActiveView()) : nullptr;
}
