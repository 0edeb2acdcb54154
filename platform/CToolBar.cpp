// The toolbar built from a button list and images.

#include "platform/CToolBar.h"

#include "platform/CommandTable.h"
#include "platform/FrameTemplates.h"

#include <QAction>
#include <QIcon>
#include <QPixmap>

Qt::ToolBarAreas ToolBarAreasOf(unsigned align)
{
    Qt::ToolBarAreas areas;
    if (align & CBRS_ALIGN_LEFT)
        areas |= Qt::LeftToolBarArea;
    if (align & CBRS_ALIGN_TOP)
        areas |= Qt::TopToolBarArea;
    if (align & CBRS_ALIGN_RIGHT)
        areas |= Qt::RightToolBarArea;
    if (align & CBRS_ALIGN_BOTTOM)
        areas |= Qt::BottomToolBarArea;
    return areas;
}

CToolBar::CToolBar(QWidget* parent) : QToolBar(parent)
{
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

bool CToolBar::LoadToolBar(std::span<const unsigned> buttons, spln::CommandTable& commands,
                           QPixmap (*imageOf)(unsigned id), int imageWidth, int imageHeight)
{
    setIconSize(QSize(imageWidth, imageHeight));
    for (const unsigned id : buttons) {
        if (id == ID_SEPARATOR) {
            addSeparator();
            continue;
        }
        const QPixmap image = imageOf ? imageOf(id) : QPixmap();
        if (image.isNull())
            return false;
        QAction* action = commands.Action(id);
        action->setIcon(QIcon(image));
        action->setIconVisibleInMenu(false);
        addAction(action);
    }
    return true;
}

std::vector<unsigned> CToolBar::ButtonIds() const
{
    std::vector<unsigned> ids;
    for (const QAction* action : actions())
        ids.push_back(action->isSeparator() ? ID_SEPARATOR : action->data().toUInt());
    return ids;
}
