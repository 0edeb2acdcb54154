#pragma once

// Turns a dialog template into widgets: dialog units converted to pixels for
// the dialog's font, radio groups, tab order, and label mnemonics.

#include "platform/DialogTemplate.h"

#include <QFont>
#include <QRect>

class CDialog;

namespace spln {

// Horizontal and vertical dialog base units of a font in pixels: the average
// width of the letters A-Z a-z and the line height. A dialog unit is a quarter
// of the first and an eighth of the second.
struct DialogBaseUnits {
    int cx = 0;
    int cy = 0;
};

DialogBaseUnits BaseUnitsOfFont(const QFont& font);

// A rectangle in dialog units as a rectangle in pixels (rounded to nearest).
QRect DialogUnitsToPixels(int x, int y, int cx, int cy, DialogBaseUnits units);

// The font the template asks for, with the Windows faces replaced by their
// metric-compatible Linux stand-ins.
QFont DialogFont(const DialogTemplate& tmpl);

// Creates the template's controls as children of dialog, sizes the dialog
// and sets its title, and registers each control under its id.
void BuildDialog(CDialog& dialog, const DialogTemplate& tmpl);

}  // namespace spln
