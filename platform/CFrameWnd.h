#pragma once

// A single-document frame window: the menu bar, accelerators and commands
// built from the frame's resources, a view in the client area, control bars
// (toolbar, status bar) shown and hidden through their command ids with
// ticks in the View menu, the caption "<document title> - <application>",
// and the help commands (F1, Shift+F1 help mode, Help Topics).

#include "platform/CommandTable.h"
#include "platform/FrameTemplates.h"

#include <QMainWindow>

#include <functional>
#include <map>

class CRecentFileList;
class CStatusBar;
class CToolBar;
class CView;
class QMenu;

class CFrameWnd : public QMainWindow {
    Q_OBJECT

public:
    explicit CFrameWnd(QWidget* parent = nullptr);
    ~CFrameWnd() override;

    // Builds the menu bar and the shortcuts from resources, then runs
    // OnCreate. False when OnCreate fails (returns -1).
    bool LoadFrame(const FrameResources& resources, const QString& appTitle);

    // Creates the frame's bars; the base creates nothing and returns 0.
    virtual int OnCreate();

    spln::CommandTable& Commands() { return *m_pCommands; }
    const FrameResources& Resources() const { return m_resources; }

    // The view fills the client area; the frame owns it from now on.
    void SetActiveView(CView* view);
    CView* GetActiveView() const { return m_pActiveView; }

    // The caption for a document of this title: "title - application", with
    // the toolkit's mark of unsaved changes after the title while the window
    // is marked modified.
    void OnUpdateFrameTitle(const QString& documentTitle);

    // Asked before the frame closes (Exit, the window's close button); a
    // false answer keeps it open.
    void SetCloseQuery(std::function<bool()> query) { m_canClose = std::move(query); }

    // A toolbar or status bar shown and hidden by command id (checked menu
    // entry). The frame keeps the tick in step with the bar.
    void AddControlBar(unsigned id, QWidget* bar);
    QWidget* GetControlBar(unsigned id) const;
    void ShowControlBar(QWidget* bar, bool show);
    void OnBarCheck(unsigned id);

    // Docking: the frame accepts bars at the edges in align. DockControlBar
    // puts a toolbar at the top edge; the user may then move it to any edge
    // both agree on, or float it when they agree on any.
    void EnableDocking(unsigned align) { m_nDockAlign = align; }
    void DockControlBar(CToolBar* toolBar);

    // The status bar at the bottom: it shows the idle text, command prompts
    // and the help-mode text. The frame owns it.
    void SetMessageBar(CStatusBar* bar);

    // Help. OnHelp (F1) and OnHelpFinder (Help Topics) show the help through
    // the handler; OnContextHelp enters help mode: the cursor changes, the
    // status bar asks for a click, and the next click (or F1) shows the help;
    // Esc leaves help mode.
    void SetHelpHandler(std::function<void()> handler) { m_showHelp = std::move(handler); }
    void OnHelp();
    void OnHelpFinder();
    void OnContextHelp();
    bool IsInHelpMode() const { return m_bHelpMode; }

    // Shows the recent files in the menu in place of the entry firstId: "&1
    // name" ... with ids firstId, firstId + 1, ...; while the list is empty
    // the entry firstId shows its own text again, disabled.
    void UpdateRecentFileMenu(const CRecentFileList& files, unsigned firstId);

    // The menu-bar menu whose entries include command id, or null.
    QMenu* FindMenuOfCommand(unsigned id) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu(const FrameResources& resources);
    void BuildAccelerators(const FrameResources& resources);
    void UpdateBarChecks();
    void LeaveHelpMode(bool showHelp);

    FrameResources m_resources;
    spln::CommandTable* m_pCommands = nullptr;
    CView* m_pActiveView = nullptr;
    CStatusBar* m_pMessageBar = nullptr;
    QString m_strAppTitle;
    std::map<unsigned, QWidget*> m_controlBars;
    std::function<void()> m_showHelp;
    std::function<bool()> m_canClose;
    bool m_bHelpMode = false;
    unsigned m_nDockAlign = 0;
    QString m_strRecentPlaceholder;
};
