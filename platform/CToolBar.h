#pragma once

// The frame's toolbar: flat buttons for command ids (sharing the commands'
// actions, so a disabled command shows a disabled button) and separators for
// gaps. It stays where the frame puts it until docking is enabled; then it
// can be dragged to the enabled edges or floated.

#include <QToolBar>

#include <span>
#include <vector>

class QPixmap;

namespace spln {
class CommandTable;
}  // namespace spln

// Edges of the frame a bar may dock at.
constexpr unsigned CBRS_ALIGN_LEFT = 0x1000;
constexpr unsigned CBRS_ALIGN_TOP = 0x2000;
constexpr unsigned CBRS_ALIGN_RIGHT = 0x4000;
constexpr unsigned CBRS_ALIGN_BOTTOM = 0x8000;
constexpr unsigned CBRS_ALIGN_ANY = 0xF000;

Qt::ToolBarAreas ToolBarAreasOf(unsigned align);

class CToolBar : public QToolBar {
    Q_OBJECT

public:
    explicit CToolBar(QWidget* parent = nullptr);

    // Sets the buttons: one per id, ID_SEPARATOR for a gap, each with the
    // image from imageOf (buttons of imageWidth x imageHeight pixels).
    // False when a button has no image.
    bool LoadToolBar(std::span<const unsigned> buttons, spln::CommandTable& commands, QPixmap (*imageOf)(unsigned id),
                     int imageWidth, int imageHeight);

    // The edges this bar agrees to dock at (see CFrameWnd::DockControlBar).
    void EnableDocking(unsigned align) { m_nDockAlign = align; }
    unsigned DockAlign() const { return m_nDockAlign; }

    // The ids of the items left to right, ID_SEPARATOR for a separator.
    std::vector<unsigned> ButtonIds() const;

private:
    unsigned m_nDockAlign = 0;
};
