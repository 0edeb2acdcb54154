#pragma once

// Helpers for the widget tests: message boxes captured instead of shown.

#include "platform/DialogTemplate.h"
#include "platform/MessageBox.h"

#include <QString>

#include <vector>

// While alive, AfxMessageBox records its texts and answers OK at once.
class CapturedMessages {
public:
    CapturedMessages()
        : m_previous(SetMessageBoxHook([this](const QString& text, unsigned) {
              texts.push_back(text);
              return IDOK;
          }))
    {
    }
    ~CapturedMessages() { SetMessageBoxHook(m_previous); }
    CapturedMessages(const CapturedMessages&) = delete;
    CapturedMessages& operator=(const CapturedMessages&) = delete;

    std::vector<QString> texts;

private:
    MessageBoxHook m_previous;
};
