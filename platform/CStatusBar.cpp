// The status bar with its message pane and indicators.

#include "platform/CStatusBar.h"

#include "platform/FrameTemplates.h"
#include "platform/KeyboardLocks.h"
#include "platform/QtStrings.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace {

// Ids of the indicator panes, as the frame's indicator table names them.
constexpr unsigned kIndicatorCaps = 59137;
constexpr unsigned kIndicatorNum = 59138;
constexpr unsigned kIndicatorScroll = 59139;

}  // namespace

CStatusBar::CStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(true);
}

bool CStatusBar::SetIndicators(std::span<const unsigned> ids, StringLoader loadString)
{
    for (const unsigned id : ids) {
        if (id == ID_SEPARATOR) {
            if (!m_pMessagePane) {
                m_pMessagePane = new QLabel(this);
                addWidget(m_pMessagePane, 1);
            }
            continue;
        }
        const std::string_view text = loadString ? loadString(id) : std::string_view{};
        if (text.empty())
            return false;
        auto* label = new QLabel(this);
        const QString caption = spln::ToQString(text);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        // The pane keeps the width of its text while the text is hidden.
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(caption) + 8);
        addPermanentWidget(label);
        m_arrIndicators.push_back({id, label, caption});
    }
    if (qApp)
        qApp->installEventFilter(this);
    UpdateIndicators();
    return true;
}

void CStatusBar::SetIdleText(const QString& text)
{
    if (!m_pMessagePane) {
        m_pMessagePane = new QLabel(this);
        addWidget(m_pMessagePane, 1);
    }
    m_pMessagePane->setText(text);
}

QString CStatusBar::IdleText() const
{
    return m_pMessagePane ? m_pMessagePane->text() : QString();
}

QString CStatusBar::MessageText() const
{
    const QString prompt = currentMessage();
    return prompt.isEmpty() ? IdleText() : prompt;
}

QLabel* CStatusBar::Indicator(unsigned id) const
{
    for (const auto& pane : m_arrIndicators) {
        if (pane.id == id)
            return pane.label;
    }
    return nullptr;
}

void CStatusBar::UpdateIndicators()
{
    const std::optional<spln::KeyboardLockState> state = spln::ReadKeyboardLocks();
    for (auto& pane : m_arrIndicators) {
        if (!state) {
            pane.label->setText(pane.text);
            pane.label->setEnabled(false);
            continue;
        }
        bool on = false;
        if (pane.id == kIndicatorCaps)
            on = state->capsLock;
        else if (pane.id == kIndicatorNum)
            on = state->numLock;
        else if (pane.id == kIndicatorScroll)
            on = state->scrollLock;
        pane.label->setEnabled(true);
        pane.label->setText(on ? pane.text : QString());
    }
}

bool CStatusBar::eventFilter(QObject* watched, QEvent* event)
{
    // Lock keys change on key presses and while another program has the
    // focus: look again after each key and each activation.
    switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::ApplicationActivate:
    case QEvent::WindowActivate:
        if (watched == window() || event->type() != QEvent::WindowActivate)
            UpdateIndicators();
        break;
    default:
        break;
    }
    return QStatusBar::eventFilter(watched, event);
}
