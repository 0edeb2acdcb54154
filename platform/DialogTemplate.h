#pragma once

// A dialog described as data, as a resource script describes it: title, size
// and font, and the controls in template (tab) order with their rectangles in
// dialog units. The dialog builder turns a template into widgets.

enum class ControlKind { DefPushButton, PushButton, GroupBox, RadioButton, Edit, Label };

// Style bits of a control.
constexpr unsigned kGroupStart = 0x1;  // starts a group (ends the previous radio group)
constexpr unsigned kTabStop = 0x2;     // reached by Tab

constexpr int IDC_STATIC = -1;
constexpr int IDOK = 1;      // the OK button, and the result of a dialog ended with OK
constexpr int IDCANCEL = 2;  // the Cancel button, and the result of a cancelled dialog

struct ControlTemplate {
    int id;  // command or control id; IDC_STATIC for decoration
    ControlKind kind;
    const char* text;  // caption, '&' marks the mnemonic
    int x, y, cx, cy;  // rectangle in dialog units
    unsigned style;
    int buddyId;  // label only: the field its mnemonic focuses (0: none)
};

struct DialogTemplate {
    int id;
    const char* title;
    int cx, cy;  // client size in dialog units
    const char* fontFace;
    int fontPointSize;
    const ControlTemplate* controls;
    int controlCount;
};
