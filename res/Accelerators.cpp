// The main frame's accelerator table.

#include "res/Accelerators.h"

#include "res/CommandIds.h"

#include <array>

namespace spln::res {
namespace {

using V = VirtualKey;

constexpr AcceleratorEntry Ctrl(char letter, unsigned command)
{
    return {V::Letter, letter, true, false, false, command};
}

constexpr std::array kAccelerators{
    Ctrl('N', ID_FILE_NEW),
    Ctrl('O', ID_FILE_OPEN),
    Ctrl('S', ID_FILE_SAVE),
    Ctrl('P', ID_FILE_PRINT),
    Ctrl('Z', ID_EDIT_UNDO),
    AcceleratorEntry{V::Letter, 'Z', true, true, false, ID_EDIT_REDO},
    Ctrl('X', ID_EDIT_CUT),
    Ctrl('C', ID_EDIT_COPY),
    Ctrl('V', ID_EDIT_PASTE),
    AcceleratorEntry{V::Back, 0, false, false, true, ID_EDIT_UNDO},
    AcceleratorEntry{V::Delete, 0, false, true, false, ID_EDIT_CUT},
    AcceleratorEntry{V::F1, 0, false, false, false, ID_HELP},
    AcceleratorEntry{V::F1, 0, false, true, false, ID_CONTEXT_HELP},
    AcceleratorEntry{V::Insert, 0, true, false, false, ID_EDIT_COPY},
    AcceleratorEntry{V::Insert, 0, false, true, false, ID_EDIT_PASTE},
    AcceleratorEntry{V::F6, 0, false, false, false, ID_NEXT_PANE},
    AcceleratorEntry{V::F6, 0, false, true, false, ID_PREV_PANE},
};

}  // namespace

std::span<const AcceleratorEntry> MainAccelerators()
{
    return kAccelerators;
}

}  // namespace spln::res
