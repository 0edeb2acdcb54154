// The frame's help commands: F1 and Help Topics show the help; Shift+F1 enters
// help mode, in which the next click (or F1) shows the help and Esc leaves.

#include "platform/CFrameWnd.h"

#include "platform/CStatusBar.h"
#include "platform/QtStrings.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

// The standard string id of the status bar's text in help mode.
constexpr unsigned kIdsHelpModeMessage = 57346;

}  // namespace

void CFrameWnd::OnHelp()
{
    if (m_bHelpMode)
        LeaveHelpMode(false);
    if (m_showHelp)
        m_showHelp();
}

void CFrameWnd::OnHelpFinder()
{
    OnHelp();
}

void CFrameWnd::OnContextHelp()
{
    if (m_bHelpMode)
        return;
    m_bHelpMode = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    qApp->installEventFilter(this);
    if (m_pMessageBar && m_resources.loadString)
        m_pMessageBar->showMessage(spln::ToQString(m_resources.loadString(kIdsHelpModeMessage)));
}

void CFrameWnd::LeaveHelpMode(bool showHelp)
{
    m_bHelpMode = false;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    if (m_pMessageBar)
        m_pMessageBar->clearMessage();
    if (showHelp && m_showHelp)
        m_showHelp();
}

bool CFrameWnd::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_bHelpMode)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        LeaveHelpMode(true);
        return true;
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_F1) {
            LeaveHelpMode(key == Qt::Key_F1);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
