// The main toolbar's buttons.

#include "res/Toolbar.h"

#include "res/CommandIds.h"

#include <array>

namespace spln::res {
namespace {

constexpr std::array kButtons{
    ID_FILE_NEW,  ID_FILE_OPEN,  ID_FILE_SAVE,   ID_SEPARATOR, ID_EDIT_CUT,  ID_EDIT_COPY,    ID_EDIT_PASTE,
    ID_SEPARATOR, ID_FILE_PRINT, ID_SPLINE_KEEP, ID_SEPARATOR, ID_APP_ABOUT, ID_CONTEXT_HELP,
};

}  // namespace

std::span<const unsigned> MainToolbarButtons()
{
    return kButtons;
}

}  // namespace spln::res
