#pragma once

// The program's own help: what the settings mean, the two methods, and the
// sample file sig.dat. Shown by Help Topics, F1 and context help.

#include <QString>

class QDialog;
class QWidget;

namespace spln {

// The help text as HTML.
QString HelpText();

// A window that shows the help text; the caller shows and keeps it.
QDialog* CreateHelpWindow(QWidget* parent);

}  // namespace spln
