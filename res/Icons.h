#pragma once

// Pictures of the main frame, drawn in code: the toolbar images (16 by 15
// pixels) and the main icon.

#include <QIcon>
#include <QPixmap>

class QPainter;

namespace spln::res {

// The toolbar image of command `id`; a null pixmap for an id without one.
QPixmap ToolbarImage(unsigned id);

// Paints the main icon into the square (0, 0)-(32, 32) of `painter`; the
// window icon and the installed icon files are all drawn by this.
void PaintMainIcon(QPainter& painter);

// The main icon (resource 128) at `size` pixels square.
QPixmap MainIconPixmap(int size);
QIcon MainIcon();

}  // namespace spln::res
