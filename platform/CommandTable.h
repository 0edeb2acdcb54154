#pragma once

// Command routing of a frame: one QAction per command id, shared by the menu,
// the accelerators and the toolbar. A command is enabled when a handler has
// been registered for it, unless its owner disables it while it has nothing
// to act on; commands nobody handles stay disabled, with their shortcuts and
// buttons.

#include <QObject>

#include <functional>
#include <map>
#include <string_view>

class QAction;

namespace spln {

class CommandTable : public QObject {
    Q_OBJECT

public:
    using StringLoader = std::string_view (*)(unsigned id);

    // Actions are children of owner and added to it, so that their shortcuts
    // work anywhere in owner's window. Prompts come from loadString.
    CommandTable(QWidget* owner, StringLoader loadString);

    // The action of command id, created (disabled, with its status-bar prompt
    // and tooltip) on first use.
    QAction* Action(unsigned id);
    // The action of command id, or null when none has been created.
    QAction* FindAction(unsigned id) const;

    // Where prompts and tooltips of actions created from now on come from.
    void SetStringLoader(StringLoader loadString) { m_loadString = loadString; }

    // Routes command id to handler and enables it.
    void SetHandler(unsigned id, std::function<void()> handler);
    bool HasHandler(unsigned id) const;

    // Enables or disables a handled command for the moment (menu entry,
    // shortcut and button alike); a command without a handler stays disabled.
    void Enable(unsigned id, bool enabled);

    // Runs the handler of command id, as choosing it would; false (and
    // nothing done) when the command is disabled or has no handler.
    bool Execute(unsigned id);

    const std::map<unsigned, QAction*>& Actions() const { return m_actions; }

private:
    QWidget* m_owner;
    StringLoader m_loadString;
    std::map<unsigned, QAction*> m_actions;
    std::map<unsigned, std::function<void()>> m_handlers;
};

}  // namespace spln
