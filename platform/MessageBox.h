#pragma once

// Modal message boxes with the application's title, as the dialogs and the
// document report problems. Tests replace the box through a hook so that
// nothing blocks.

#include <QString>

#include <functional>

constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;

// Shows text in a modal box titled "Spln" with the exclamation icon and one
// OK button; returns IDOK.
int AfxMessageBox(const QString& text, unsigned type = MB_OK, unsigned helpId = 0);

// Replaces how AfxMessageBox shows its text. The hook receives the text and
// the type and returns the button pressed. Returns the previous hook; an empty
// hook restores the real message box.
using MessageBoxHook = std::function<int(const QString& text, unsigned type)>;
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
