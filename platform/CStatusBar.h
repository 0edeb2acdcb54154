#pragma once

// The frame's status bar: a message pane that shows the idle text, or a
// command's prompt while the command is highlighted, and indicator panes for
// the lock keys (CAP, NUM, SCRL) that show their text while the lock is on.

#include <QStatusBar>

#include <span>
#include <string_view>
#include <vector>

class QLabel;

class CStatusBar : public QStatusBar {
    Q_OBJECT

public:
    using StringLoader = std::string_view (*)(unsigned id);

    explicit CStatusBar(QWidget* parent = nullptr);

    // Sets the panes from a list of ids: ID_SEPARATOR is the message pane,
    // any other id an indicator pane whose text is string id. False when an
    // indicator id has no string.
    bool SetIndicators(std::span<const unsigned> ids, StringLoader loadString);

    // The text of the message pane when no prompt is shown.
    void SetIdleText(const QString& text);
    QString IdleText() const;

    // What the message pane shows now: the prompt, or else the idle text.
    QString MessageText() const;

    // The indicator pane of id, or null.
    QLabel* Indicator(unsigned id) const;

    // Reads the lock keys again and lights the indicators. When the state
    // cannot be read, the indicators show their text greyed.
    void UpdateIndicators();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct IndicatorPane {
        unsigned id;
        QLabel* label;
        QString text;
    };

    QLabel* m_pMessagePane = nullptr;
    std::vector<IndicatorPane> m_arrIndicators;
};
