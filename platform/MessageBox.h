#pragma once

// Modal message boxes with the application's title, as the dialogs and the
// document report problems. Tests replace the box through a hook so that
// nothing blocks.

#include <QString>

#include <functional>

constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_TYPEMASK = 0xF;

constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows text in a modal box titled "Spln". MB_OK: the exclamation icon and one
// OK button, returning IDOK. MB_YESNOCANCEL: a question with Yes, No and
// Cancel, returning IDYES, IDNO or IDCANCEL (also when the box is closed).
// MB_YESNO: a question with Yes and No, No the default, returning IDYES or
// IDNO (also when the box is closed).
int AfxMessageBox(const QString& text, unsigned type = MB_OK, unsigned helpId = 0);

// Replaces how AfxMessageBox shows its text. The hook receives the text and
// the type and returns the button pressed. Returns the previous hook; an empty
// hook restores the real message box.
using MessageBoxHook = std::function<int(const QString& text, unsigned type)>;
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
