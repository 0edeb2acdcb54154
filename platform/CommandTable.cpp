// Command ids routed to their handlers and update handlers.

#include "platform/CommandTable.h"

#include "platform/QtStrings.h"

#include <QAction>
#include <QWidget>

#include <utility>

namespace spln {

CommandTable::CommandTable(QWidget* owner, StringLoader loadString)
    : QObject(owner), m_owner(owner), m_loadString(loadString)
{}

QAction* CommandTable::Action(unsigned id)
{
    if (QAction* existing = FindAction(id))
        return existing;

    auto* action = new QAction(m_owner);
    action->setData(id);
    action->setEnabled(false);
    if (m_loadString) {
        // A prompt is "status-bar text\ntooltip"; either part may be missing.
        const std::string_view prompt = m_loadString(id);
        const auto newline = prompt.find('\n');
        action->setStatusTip(ToQString(prompt.substr(0, newline)));
        if (newline != std::string_view::npos)
            action->setToolTip(ToQString(prompt.substr(newline + 1)));
    }
    connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
    m_owner->addAction(action);
    m_actions.emplace(id, action);
    return action;
}

QAction* CommandTable::FindAction(unsigned id) const
{
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

void CommandTable::SetHandler(unsigned id, std::function<void()> handler)
{
    m_handlers[id] = std::move(handler);
    Action(id)->setEnabled(true);
}

bool CommandTable::HasHandler(unsigned id) const
{
    return m_handlers.count(id) != 0;
}

void CommandTable::Enable(unsigned id, bool enabled)
{
    Action(id)->setEnabled(enabled && HasHandler(id));
}

bool CommandTable::Execute(unsigned id)
{
    const auto handler = m_handlers.find(id);
    const QAction* action = FindAction(id);
    if (handler == m_handlers.end() || !action || !action->isEnabled())
        return false;
    // A copy: the handler may replace itself (or the table's entries) while it runs.
    const auto run = handler->second;
    run();
    return true;
}

}  // namespace spln
