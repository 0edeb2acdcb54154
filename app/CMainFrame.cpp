// The main frame: menu, toolbar, status bar and the title.

#include "app/CMainFrame.h"

#include "app/HelpText.h"
#include "platform/CStatusBar.h"
#include "platform/CToolBar.h"
#include "platform/QtStrings.h"
#include "res/Accelerators.h"
#include "res/CommandIds.h"
#include "res/Icons.h"
#include "res/Menu.h"
#include "res/Strings.h"
#include "res/Toolbar.h"

#include <QCloseEvent>
#include <QDialog>

#include <array>

namespace res = spln::res;

namespace {

// The status bar's panes: the message pane, then the lock-key indicators.
constexpr std::array<unsigned, 4> indicators{
    res::ID_SEPARATOR,
    res::ID_INDICATOR_CAPS,
    res::ID_INDICATOR_NUM,
    res::ID_INDICATOR_SCRL,
};

FrameResources MainFrameResources()
{
    FrameResources resources;
    resources.menu = res::MainMenuTemplate();
    resources.accelerators = res::MainAccelerators();
    resources.loadString = res::LoadStringResource;
    resources.toolbarButtons = res::MainToolbarButtons();
    resources.toolbarImage = res::ToolbarImage;
    return resources;
}

QString AppTitle()
{
    return spln::ToQString(res::LoadStringResource(res::AFX_IDS_APP_TITLE));
}

}  // namespace

CMainFrame::CMainFrame()
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowIcon(res::MainIcon());
    SetHelpHandler([this] { ShowHelpWindow(); });
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::LoadFrame()
{
    return CFrameWnd::LoadFrame(MainFrameResources(), AppTitle());
}

int CMainFrame::OnCreate()
{
    if (CFrameWnd::OnCreate() == -1)
        return -1;

    m_wndToolBar = new CToolBar(this);
    m_wndToolBar->setObjectName(QStringLiteral("Toolbar"));
    m_wndToolBar->setWindowTitle(QStringLiteral("Standard"));
    if (!m_wndToolBar->LoadToolBar(Resources().toolbarButtons, Commands(), Resources().toolbarImage,
                                   res::kToolbarImageWidth, res::kToolbarImageHeight))
        return -1;

    m_wndStatusBar = new CStatusBar(this);
    if (!m_wndStatusBar->SetIndicators(indicators, res::LoadStringResource))
        return -1;
    SetMessageBar(m_wndStatusBar);

    AddControlBar(res::AFX_IDW_TOOLBAR, m_wndToolBar);
    AddControlBar(res::AFX_IDW_STATUS_BAR, m_wndStatusBar);

    m_wndToolBar->EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(m_wndToolBar);

    Commands().SetHandler(res::ID_HELP_FINDER, [this] { OnHelpFinder(); });
    Commands().SetHandler(res::ID_HELP, [this] { OnHelp(); });
    Commands().SetHandler(res::ID_CONTEXT_HELP, [this] { OnContextHelp(); });
    Commands().SetHandler(res::ID_DEFAULT_HELP, [this] { OnHelpFinder(); });
    return 0;
}

void CMainFrame::ShowHelpWindow()
{
    if (!m_pHelpWindow)
        m_pHelpWindow = spln::CreateHelpWindow(this);
    m_pHelpWindow->show();
    m_pHelpWindow->raise();
    m_pHelpWindow->activateWindow();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // The help window goes with the program, once the frame agreed to close.
    CFrameWnd::closeEvent(event);
    if (event->isAccepted() && m_pHelpWindow)
        m_pHelpWindow->close();
}
