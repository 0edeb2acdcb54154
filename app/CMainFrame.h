#pragma once

// The main frame: menu, accelerators, the toolbar and the status bar of
// resource 128 around the result view, and the help window.

#include "platform/CFrameWnd.h"

#include <QDialog>
#include <QPointer>

class CStatusBar;
class CToolBar;

class CMainFrame : public CFrameWnd {
    Q_OBJECT

public:
    CMainFrame();
    ~CMainFrame() override;

    // Loads the menu and accelerators of resource 128 and creates the bars.
    bool LoadFrame();

    // Creates the toolbar and the status bar and docks the toolbar at the
    // top; -1 when a bar cannot be created.
    int OnCreate() override;

    // The help window (Help Topics, F1, context help): created on first use,
    // raised when already open.
    void ShowHelpWindow();
    QDialog* HelpWindow() const { return m_pHelpWindow; }

    // Owned by the frame, created by OnCreate.
    CStatusBar* m_wndStatusBar = nullptr;
    CToolBar* m_wndToolBar = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<QDialog> m_pHelpWindow;
};
