#pragma once

// The Spln application: start-up of the single document, the main frame and
// the result view, the command line, and the application's commands.

#include "platform/CWinApp.h"
#include "study/StudyRunner.h"

#include <QStringList>

#include <memory>

class CMainFrame;
namespace spln {
class CommandTable;
}
class CSplnDoc;
class CSplnView;
class StudyJob;

class CSplnApp : public CWinApp {
public:
    CSplnApp();
    ~CSplnApp() override;

    // The arguments after the program name: none (a new document) or the
    // name of a file to open.
    void SetCommandLine(const QStringList& arguments) { m_arguments = arguments; }

    // Builds everything; false when the program should end (the frame could
    // not be created), the reason reported through AfxMessageBox. A file
    // that cannot be opened and bad arguments are reported too, and the
    // window opens on a new experiment.
    bool InitInstance() override;

    // Help > About Spln.
    void OnAppAbout();

    // Spline > Study...: the study dialog on the last accepted settings; on
    // Run the study goes off the user-interface thread and its result opens
    // in a window of its own. While one runs, brings its progress forward.
    void OnSplineStudy();

    CSplnDoc* GetSplnDoc() const;
    CMainFrame* GetMainFrame() const;
    CSplnView* GetSplnView() const;

private:
    std::unique_ptr<CFrameWnd> CreateMainFrame();
    void RegisterCommands(CMainFrame& frame);
    // View > Error Curve, its scale and Legend: checks that set the view's looks.
    void RegisterErrorCurveCommands(spln::CommandTable& commands);
    // The result view, whose picture enables Export and Copy.
    CSplnView* CreateView();
    static void EnablePictureCommands(CMainFrame& frame, bool enabled);
    // The settings panel docked at the frame's right and the comparison at
    // its foot, with View > Settings Panel and View > Comparison.
    static void CreateSettingsPanel(CMainFrame& frame, CSplnDoc& document);
    void UpdateRecentFileMenu();

    void ShowStudyResult(const spln::study::StudyResult& result);
    // Before the window closes: true when no study would be lost, or the user
    // answers that Spln may quit all the same (a study still running, or
    // study results never exported).
    bool MayLoseStudies();

    QStringList m_arguments;
    spln::study::StudyPlan m_lastStudyPlan;  // what the study dialog offers next
    std::unique_ptr<StudyJob> m_study;
    QString m_idleText;  // the status bar's own idle text, while the numbers under the mouse replace it
};
