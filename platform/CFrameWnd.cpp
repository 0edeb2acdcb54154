// The frame window: menu, accelerators, control bars, caption and the view
// in between (help mode in CFrameWndHelp.cpp, the recent-file entries in
// CFrameWndRecentFiles.cpp).

#include "platform/CFrameWnd.h"

#include "platform/CStatusBar.h"
#include "platform/CToolBar.h"
#include "platform/CView.h"
#include "platform/QtStrings.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>

#include <vector>

namespace {

// The standard string id of the status bar's idle text.
constexpr unsigned kIdsIdleMessage = 57345;

QKeySequence KeySequenceOf(const AcceleratorEntry& entry)
{
    int key = 0;
    switch (entry.key) {
    case VirtualKey::Letter:
        key = Qt::Key_A + (entry.letter - 'A');
        break;
    case VirtualKey::Back:
        key = Qt::Key_Backspace;
        break;
    case VirtualKey::Delete:
        key = Qt::Key_Delete;
        break;
    case VirtualKey::Insert:
        key = Qt::Key_Insert;
        break;
    case VirtualKey::F1:
        key = Qt::Key_F1;
        break;
    case VirtualKey::F6:
        key = Qt::Key_F6;
        break;
    }
    Qt::KeyboardModifiers modifiers;
    if (entry.control)
        modifiers |= Qt::ControlModifier;
    if (entry.shift)
        modifiers |= Qt::ShiftModifier;
    if (entry.alt)
        modifiers |= Qt::AltModifier;
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
}

}  // namespace

CFrameWnd::CFrameWnd(QWidget* parent) : QMainWindow(parent)
{
    m_pCommands = new spln::CommandTable(this, nullptr);
}

CFrameWnd::~CFrameWnd()
{
    if (m_bHelpMode)
        LeaveHelpMode(false);
}

bool CFrameWnd::LoadFrame(const FrameResources& resources, const QString& appTitle)
{
    m_resources = resources;
    m_strAppTitle = appTitle;
    m_pCommands->SetStringLoader(resources.loadString);
    BuildMenu(resources);
    BuildAccelerators(resources);
    // Like a window placed by the system: three quarters of the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        resize(available.width() * 3 / 4, available.height() * 3 / 4);
    }
    return OnCreate() != -1;
}

int CFrameWnd::OnCreate()
{
    return 0;
}

void CFrameWnd::BuildMenu(const FrameResources& resources)
{
    std::vector<QMenu*> open;
    for (const MenuItemTemplate& item : resources.menu) {
        switch (item.kind) {
        case MenuItemKind::Popup: {
            const QString title = spln::ToQString(item.text);
            QMenu* menu = open.empty() ? menuBar()->addMenu(title) : open.back()->addMenu(title);
            // Ticks follow the bars' real state whenever a menu opens.
            connect(menu, &QMenu::aboutToShow, this, &CFrameWnd::UpdateBarChecks);
            open.push_back(menu);
            break;
        }
        case MenuItemKind::EndPopup:
            if (!open.empty())
                open.pop_back();
            break;
        case MenuItemKind::Separator:
            if (!open.empty())
                open.back()->addSeparator();
            break;
        case MenuItemKind::Command: {
            if (open.empty())
                break;
            QAction* action = m_pCommands->Action(item.id);
            action->setText(spln::ToQString(item.text));
            if (item.grayed)
                action->setEnabled(false);
            open.back()->addAction(action);
            break;
        }
        }
    }
}

void CFrameWnd::BuildAccelerators(const FrameResources& resources)
{
    std::map<unsigned, QList<QKeySequence>> keysOfCommand;
    for (const AcceleratorEntry& entry : resources.accelerators)
        keysOfCommand[entry.command].append(KeySequenceOf(entry));
    for (const auto& [id, keys] : keysOfCommand) {
        QAction* action = m_pCommands->Action(id);
        action->setShortcuts(keys);
        // Menu entries carry their own accelerator text after a tab.
        if (action->text().isEmpty())
            action->setText(action->toolTip());
    }
}

void CFrameWnd::SetActiveView(CView* view)
{
    m_pActiveView = view;
    setCentralWidget(view);
}

void CFrameWnd::OnUpdateFrameTitle(const QString& documentTitle)
{
    const QString marked = documentTitle.isEmpty() ? documentTitle : documentTitle + QStringLiteral("[*]");
    if (documentTitle.isEmpty() || m_strAppTitle.isEmpty())
        setWindowTitle(marked + m_strAppTitle);
    else
        setWindowTitle(marked + QStringLiteral(" - ") + m_strAppTitle);
}

void CFrameWnd::closeEvent(QCloseEvent* event)
{
    if (m_canClose && !m_canClose()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void CFrameWnd::AddControlBar(unsigned id, QWidget* bar)
{
    m_controlBars[id] = bar;
    QAction* action = m_pCommands->Action(id);
    action->setCheckable(true);
    m_pCommands->SetHandler(id, [this, id] { OnBarCheck(id); });
    if (auto* toolBar = qobject_cast<QToolBar*>(bar))
        connect(toolBar, &QToolBar::visibilityChanged, this, &CFrameWnd::UpdateBarChecks);
    UpdateBarChecks();
}

QWidget* CFrameWnd::GetControlBar(unsigned id) const
{
    const auto found = m_controlBars.find(id);
    return found == m_controlBars.end() ? nullptr : found->second;
}

void CFrameWnd::ShowControlBar(QWidget* bar, bool show)
{
    bar->setVisible(show);
    UpdateBarChecks();
}

void CFrameWnd::OnBarCheck(unsigned id)
{
    if (QWidget* bar = GetControlBar(id))
        ShowControlBar(bar, bar->isHidden());
}

void CFrameWnd::UpdateBarChecks()
{
    for (const auto& [id, bar] : m_controlBars)
        m_pCommands->Action(id)->setChecked(!bar->isHidden());
}

void CFrameWnd::SetMessageBar(CStatusBar* bar)
{
    m_pMessageBar = bar;
    setStatusBar(bar);
    if (m_resources.loadString)
        bar->SetIdleText(spln::ToQString(m_resources.loadString(kIdsIdleMessage)));
}

void CFrameWnd::DockControlBar(CToolBar* toolBar)
{
    const unsigned align = m_nDockAlign & toolBar->DockAlign();
    toolBar->setAllowedAreas(ToolBarAreasOf(align) | Qt::TopToolBarArea);
    toolBar->setMovable(align != 0);
    toolBar->setFloatable(align == CBRS_ALIGN_ANY);
    addToolBar(Qt::TopToolBarArea, toolBar);
}

QMenu* CFrameWnd::FindMenuOfCommand(unsigned id) const
{
    const QAction* target = m_pCommands->FindAction(id);
    if (!target)
        return nullptr;
    for (QAction* top : menuBar()->actions()) {
        QMenu* menu = top->menu();
        if (menu && menu->actions().contains(target))
            return menu;
    }
    return nullptr;
}
