// The recent files as entries of the frame's menu.

#include "platform/CFrameWnd.h"

#include "platform/RecentFileList.h"

#include <QAction>
#include <QDir>
#include <QMenu>

void CFrameWnd::UpdateRecentFileMenu(const CRecentFileList& files, unsigned firstId)
{
    QAction* first = m_pCommands->FindAction(firstId);
    QMenu* menu = FindMenuOfCommand(firstId);
    if (!first || !menu)
        return;
    if (m_strRecentPlaceholder.isEmpty())
        m_strRecentPlaceholder = first->text();

    // Slots 2.. follow the first one; they are created the first time needed.
    QAction* previous = first;
    const QString currentDir = QDir::currentPath();
    for (int slot = 0; slot < files.GetMaxSize(); ++slot) {
        const unsigned id = firstId + static_cast<unsigned>(slot);
        QAction* action = m_pCommands->FindAction(id);
        const QList<QAction*> entries = menu->actions();
        const bool inMenu = action && entries.contains(action);
        if (!inMenu && slot >= files.GetSize())
            continue;
        if (!inMenu) {
            action = m_pCommands->Action(id);
            const qsizetype after = entries.indexOf(previous) + 1;
            menu->insertAction(after < entries.size() ? entries[after] : nullptr, action);
        }
        if (slot < files.GetSize()) {
            action->setText(files.MenuText(slot, currentDir));
            action->setEnabled(m_pCommands->HasHandler(id));
            action->setVisible(true);
        } else if (slot == 0) {
            action->setText(m_strRecentPlaceholder);
            action->setEnabled(false);
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
        previous = action;
    }
}
