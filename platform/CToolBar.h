#pragma once

// The frame's toolbar: flat buttons for command ids (sharing the commands'
// actions, so a disabled command shows a disabled button), separators for
// gaps, movable to any edge of the frame and floatable.

#include <QToolBar>

#include <span>

class CommandTable;
class QPixmap;

class CToolBar : public QToolBar {
    Q_OBJECT

public:
    explicit CToolBar(QWidget* parent = nullptr);

    // Sets the buttons: one per id, ID_SEPARATOR for a gap, each with the
    // image from imageOf (buttons of imageWidth x imageHeight pixels).
    // False when a button has no image.
    bool LoadToolBar(std::span<const unsigned> buttons, CommandTable& commands,
                     QPixmap (*imageOf)(unsigned id), int imageWidth, int imageHeight);

    // The ids of the items left to right, ID_SEPARATOR for a separator.
    std::vector<unsigned> ButtonIds() const;
};
