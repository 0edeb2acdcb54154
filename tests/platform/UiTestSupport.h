#pragma once

// Helpers for the widget tests: message boxes captured instead of shown, and
// pictures examined by their colours.

#include "platform/DialogTemplate.h"
#include "platform/MessageBox.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

#include <deque>
#include <vector>

// While alive, AfxMessageBox records its texts and answers at once: with the
// next of replies when there is one, else with OK.
class CapturedMessages {
public:
    CapturedMessages()
        : m_previous(SetMessageBoxHook([this](const QString& text, unsigned) {
              texts.push_back(text);
              if (replies.empty())
                  return IDOK;
              const int reply = replies.front();
              replies.pop_front();
              return reply;
          }))
    {}
    ~CapturedMessages() { SetMessageBoxHook(m_previous); }
    CapturedMessages(const CapturedMessages&) = delete;
    CapturedMessages& operator=(const CapturedMessages&) = delete;

    std::vector<QString> texts;
    std::deque<int> replies;

private:
    MessageBoxHook m_previous;
};

// The caption as the window shows it: the toolkit's "[*]" mark becomes "*"
// while the window is marked modified and disappears otherwise.
inline QString ShownTitle(const QWidget& window)
{
    QString title = window.windowTitle();
    title.replace(QStringLiteral("[*]"), window.isWindowModified() ? QStringLiteral("*") : QString());
    return title;
}

// A white US-letter page at the given resolution, as a printer would offer it.
inline QImage LetterPage(int dpi)
{
    QImage page(static_cast<int>(8.5 * dpi), 11 * dpi, QImage::Format_RGB32);
    page.setDotsPerMeterX(static_cast<int>(dpi / 0.0254 + 0.5));
    page.setDotsPerMeterY(static_cast<int>(dpi / 0.0254 + 0.5));
    page.fill(Qt::white);
    return page;
}

// Pixels of the pure pen colours, and of anything else that is not white.
struct ColourCounts {
    int green = 0, blue = 0, red = 0, other = 0;
};

inline ColourCounts CountColours(const QImage& image)
{
    ColourCounts counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == QColor(0, 255, 0))
                ++counts.green;
            else if (c == QColor(0, 0, 255))
                ++counts.blue;
            else if (c == QColor(255, 0, 0))
                ++counts.red;
            else if (c != QColor(255, 255, 255))
                ++counts.other;
        }
    }
    return counts;
}
