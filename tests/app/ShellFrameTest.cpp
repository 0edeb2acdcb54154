// The main frame as a user meets it: the menu tree with its enabled entries,
// the accelerators, the toolbar, the status bar with its prompts, the bar
// toggles and the caption.

#include "ShellTestSupport.h"

#include "res/CommandIds.h"

#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolButton>

#include <string>
#include <tuple>
#include <vector>

namespace res = spln::res;

namespace {

using namespace res;

struct Entry {
    std::string menu;
    std::string text;  // "-" for a separator
    unsigned id;
    bool enabled;
    bool operator==(const Entry&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Entry& e)
{
    return out << e.menu << " | " << e.text << " | " << e.id << (e.enabled ? " enabled" : " disabled");
}

std::vector<Entry> MenuTree(QMainWindow& frame)
{
    std::vector<Entry> tree;
    for (QAction* top : frame.menuBar()->actions()) {
        const std::string menu = top->text().toStdString();
        for (QAction* action : top->menu()->actions()) {
            if (!action->isVisible())
                continue;
            if (action->isSeparator())
                tree.push_back({menu, "-", 0, false});
            else
                tree.push_back({menu, action->text().toStdString(), action->data().toUInt(), action->isEnabled()});
        }
    }
    return tree;
}

void Activate(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

}  // namespace

TEST_F(ShellTest, MenuTreeHasEveryEntryInOrderAndEnablesExactlyTheHandledOnes)
{
    ASSERT_TRUE(Start());
    const std::vector<Entry> expected{
        {"&File", "&New\tCtrl+N", ID_FILE_NEW, true},
        {"&File", "&Open...\tCtrl+O", ID_FILE_OPEN, true},
        {"&File", "&Save\tCtrl+S", ID_FILE_SAVE, true},
        {"&File", "Save &As...", ID_FILE_SAVE_AS, true},
        {"&File", "Open Da&ta...", res::ID_FILE_OPEN_DATA, true},
        {"&File", "-", 0, false},
        {"&File", "Export P&icture...", res::ID_FILE_EXPORT_PICTURE, false},  // until a picture is shown
        {"&File", "Export &Data...", res::ID_FILE_EXPORT_DATA, false},
        {"&File", "-", 0, false},
        {"&File", "&Print...\tCtrl+P", ID_FILE_PRINT, true},
        {"&File", "Print Pre&view", ID_FILE_PRINT_PREVIEW, true},
        {"&File", "P&rint Setup...", ID_FILE_PRINT_SETUP, true},
        {"&File", "-", 0, false},
        {"&File", "Recent File", ID_FILE_MRU_FILE1, false},
        {"&File", "-", 0, false},
        {"&File", "E&xit", ID_APP_EXIT, true},
        {"&Edit", "&Undo\tCtrl+Z", ID_EDIT_UNDO, false},  // until there is a step to undo
        {"&Edit", "&Redo\tCtrl+Shift+Z", res::ID_EDIT_REDO, false},
        {"&Edit", "-", 0, false},
        {"&Edit", "Cu&t\tCtrl+X", ID_EDIT_CUT, false},
        {"&Edit", "&Copy\tCtrl+C", ID_EDIT_COPY, false},
        {"&Edit", "&Paste\tCtrl+V", ID_EDIT_PASTE, false},
        {"&Spline", "&Run", res::ID_SPLINE_RUN, true},
        {"&Spline", "S&tudy...", res::ID_SPLINE_STUDY, true},
        {"&Spline", "&Keep", res::ID_SPLINE_KEEP, false},  // until a picture is shown
        {"&View", "&Toolbar", ID_VIEW_TOOLBAR, true},
        {"&View", "&Status Bar", ID_VIEW_STATUS_BAR, true},
        {"&View", "-", 0, false},
        {"&View", "&Error Curve", res::ID_VIEW_ERROR_CURVE, true},
        {"&View", "Error Curve in &log10", res::ID_VIEW_ERROR_LOG, true},
        {"&View", "Le&gend", res::ID_VIEW_LEGEND, true},
        {"&View", "Reset &Zoom\tHome", res::ID_VIEW_RESET_ZOOM, true},
        {"&View", "Settings &Panel", res::ID_VIEW_SETTINGS_PANEL, true},
        {"&View", "&Comparison", res::ID_VIEW_COMPARISON, true},
        {"&Help", "&Help Topics", ID_HELP_FINDER, true},
        {"&Help", "-", 0, false},
        {"&Help", "&About Spln...", ID_APP_ABOUT, true},
    };
    EXPECT_EQ(MenuTree(Frame()), expected);
}

TEST_F(ShellTest, AcceleratorTableIsComplete)
{
    ASSERT_TRUE(Start());
    const std::vector<std::pair<QKeySequence, unsigned>> table{
        {QKeySequence(Qt::CTRL | Qt::Key_N), ID_FILE_NEW},
        {QKeySequence(Qt::CTRL | Qt::Key_O), ID_FILE_OPEN},
        {QKeySequence(Qt::CTRL | Qt::Key_S), ID_FILE_SAVE},
        {QKeySequence(Qt::CTRL | Qt::Key_P), ID_FILE_PRINT},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), ID_EDIT_UNDO},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), res::ID_EDIT_REDO},
        {QKeySequence(Qt::CTRL | Qt::Key_X), ID_EDIT_CUT},
        {QKeySequence(Qt::CTRL | Qt::Key_C), ID_EDIT_COPY},
        {QKeySequence(Qt::CTRL | Qt::Key_V), ID_EDIT_PASTE},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), ID_EDIT_UNDO},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), ID_EDIT_CUT},
        {QKeySequence(Qt::Key_F1), ID_HELP},
        {QKeySequence(Qt::SHIFT | Qt::Key_F1), ID_CONTEXT_HELP},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), ID_EDIT_COPY},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), ID_EDIT_PASTE},
        {QKeySequence(Qt::Key_F6), ID_NEXT_PANE},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), ID_PREV_PANE},
    };
    int shortcuts = 0;
    for (const auto& [action_id, action] : Frame().Commands().Actions())
        shortcuts += static_cast<int>(action->shortcuts().size());
    EXPECT_EQ(shortcuts, static_cast<int>(table.size()));
    for (const auto& [keys, id] : table) {
        QAction* action = ActionOf(id);
        ASSERT_NE(action, nullptr) << id;
        EXPECT_TRUE(action->shortcuts().contains(keys)) << keys.toString().toStdString();
    }
    // Spline > Run has no accelerator; next and previous pane have no handler.
    EXPECT_TRUE(ActionOf(res::ID_SPLINE_RUN)->shortcuts().isEmpty());
    EXPECT_FALSE(ActionOf(ID_NEXT_PANE)->isEnabled());
    EXPECT_FALSE(ActionOf(ID_PREV_PANE)->isEnabled());
}

// The manual page spln(1) names every shortcut as the menus spell it.
TEST_F(ShellTest, ManualPageListsEveryShortcut)
{
    ASSERT_TRUE(Start());
    QFile page(QStringLiteral(SPLN_MANUAL_PAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << SPLN_MANUAL_PAGE;
    const QString text = QString::fromUtf8(page.readAll());
    for (const auto& [id, action] : Frame().Commands().Actions()) {
        for (const QKeySequence& keys : action->shortcuts()) {
            const QString name = keys.toString(QKeySequence::PortableText);
            const QRegularExpression alone(
                QStringLiteral("(?<![\\w+])%1(?![\\w+])").arg(QRegularExpression::escape(name)));
            EXPECT_TRUE(text.contains(alone)) << name.toStdString();
        }
    }
}

TEST_F(ShellTest, ShortcutsRunEnabledCommandsAndDisabledOnesDoNothing)
{
    ASSERT_TRUE(Start());
    Activate(Frame());

    // Ctrl+S and Ctrl+O ask for a file name (cancelled here); Ctrl+N starts
    // a new document; F6 and Paste are dead.
    QTest::keyClick(&Frame(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(suggestions.size(), 1u);
    QTest::keyClick(&Frame(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(suggestions.size(), 2u);
    QTest::keyClick(&Frame(), Qt::Key_F6);
    EXPECT_EQ(suggestions.size(), 2u);
    EXPECT_TRUE(Frame().Commands().Execute(ID_FILE_NEW));
    EXPECT_FALSE(Frame().Commands().Execute(ID_EDIT_PASTE));

    // F1 shows the help window.
    QTest::keyClick(&Frame(), Qt::Key_F1);
    ASSERT_NE(Frame().HelpWindow(), nullptr);
    EXPECT_TRUE(Frame().HelpWindow()->isVisible());
}

TEST_F(ShellTest, ToolbarHasThirteenItemsInOrderWithImagesAndTooltips)
{
    ASSERT_TRUE(Start());
    CToolBar& toolBar = *Frame().m_wndToolBar;
    const std::vector<unsigned> expected{
        ID_FILE_NEW,  ID_FILE_OPEN,  ID_FILE_SAVE,        ID_SEPARATOR, ID_EDIT_CUT,  ID_EDIT_COPY,   ID_EDIT_PASTE,
        ID_SEPARATOR, ID_FILE_PRINT, res::ID_SPLINE_KEEP, ID_SEPARATOR, ID_APP_ABOUT, ID_CONTEXT_HELP};
    EXPECT_EQ(toolBar.ButtonIds(), expected);

    const std::vector<std::tuple<unsigned, const char*, bool>> buttons{
        {ID_FILE_NEW, "New", true},           {ID_FILE_OPEN, "Open", true},  {ID_FILE_SAVE, "Save", true},
        {ID_EDIT_CUT, "Cut", false},          {ID_EDIT_COPY, "Copy", false}, {ID_EDIT_PASTE, "Paste", false},
        {ID_FILE_PRINT, "Print", true},       {ID_APP_ABOUT, "About", true}, {ID_CONTEXT_HELP, "Help", true},
        {res::ID_SPLINE_KEEP, "Keep", false},  // until a picture is shown
    };
    for (const auto& [id, tip, enabled] : buttons) {
        QAction* action = ActionOf(id);
        auto* button = qobject_cast<QToolButton*>(toolBar.widgetForAction(action));
        ASSERT_NE(button, nullptr) << id;
        EXPECT_EQ(button->toolTip().toStdString(), tip);
        EXPECT_EQ(button->isEnabled(), enabled) << id;
        EXPECT_EQ(action->icon().pixmap(16, 15).size(), QSize(16, 15)) << id;
        EXPECT_FALSE(action->isIconVisibleInMenu());
    }
    EXPECT_EQ(toolBar.iconSize(), QSize(16, 15));
    EXPECT_TRUE(toolBar.isMovable());
    EXPECT_TRUE(toolBar.isFloatable());
    EXPECT_EQ(toolBar.allowedAreas(), Qt::AllToolBarAreas);
    EXPECT_EQ(Frame().toolBarArea(&toolBar), Qt::TopToolBarArea);
}

TEST_F(ShellTest, StatusBarShowsIdleTextPromptsAndLockIndicators)
{
    ASSERT_TRUE(Start());
    CStatusBar& bar = *Frame().m_wndStatusBar;
    EXPECT_EQ(bar.MessageText(), QStringLiteral("For Help, press F1"));
    for (const auto& [id, text] : {std::pair{ID_INDICATOR_CAPS, "CAP"}, std::pair{ID_INDICATOR_NUM, "NUM"},
                                   std::pair{ID_INDICATOR_SCRL, "SCRL"}}) {
        QLabel* pane = bar.Indicator(id);
        ASSERT_NE(pane, nullptr) << id;
        // Offscreen the keyboard cannot be read: the text shows, greyed.
        EXPECT_EQ(pane->text().toStdString(), text);
        EXPECT_FALSE(pane->isEnabled());
    }

    // Highlighting Spline > Run in its menu shows its prompt.
    Activate(Frame());
    QMenu* spline = Frame().FindMenuOfCommand(res::ID_SPLINE_RUN);
    ASSERT_NE(spline, nullptr);
    spline->popup(QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(spline));
    spline->setActiveAction(ActionOf(res::ID_SPLINE_RUN));
    EXPECT_EQ(bar.MessageText(), QStringLiteral("View of result"));
    spline->close();

    // Leaving it brings the idle text back; toolbar buttons prompt likewise.
    QStatusTipEvent leave{QString()};
    QApplication::sendEvent(&Frame(), &leave);
    EXPECT_EQ(bar.MessageText(), QStringLiteral("For Help, press F1"));
    EXPECT_EQ(ActionOf(ID_FILE_PRINT)->statusTip(), QStringLiteral("Print the active document"));
    EXPECT_EQ(ActionOf(ID_FILE_MRU_FILE1)->statusTip(), QStringLiteral("Open this document"));
}

TEST_F(ShellTest, BarTogglesHideAndShowTheBarsWithTicksInStep)
{
    ASSERT_TRUE(Start());
    QAction* toolbarItem = ActionOf(ID_VIEW_TOOLBAR);
    QAction* statusItem = ActionOf(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(toolbarItem->isChecked());
    EXPECT_TRUE(statusItem->isChecked());

    Choose(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(Frame().m_wndToolBar->isHidden());
    EXPECT_FALSE(toolbarItem->isChecked());
    Choose(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(Frame().m_wndStatusBar->isHidden());
    EXPECT_FALSE(statusItem->isChecked());
    Choose(ID_VIEW_TOOLBAR);
    Choose(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(Frame().m_wndToolBar->isHidden());
    EXPECT_TRUE(toolbarItem->isChecked());
    EXPECT_TRUE(statusItem->isChecked());

    // The toolbar hidden another way (its own window closed) unticks too.
    Frame().m_wndToolBar->hide();
    EXPECT_FALSE(toolbarItem->isChecked());
    Frame().m_wndToolBar->show();
    EXPECT_TRUE(toolbarItem->isChecked());
}

TEST_F(ShellTest, CaptionFollowsTheDocumentTitle)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(ShownTitle(Frame()), QStringLiteral("Untitled - Spln"));
    answers = {PathIn("result one.spl")};
    Choose(ID_FILE_SAVE_AS);
    EXPECT_EQ(ShownTitle(Frame()), QStringLiteral("result one.spl - Spln"));
    EXPECT_TRUE(Frame().windowIcon().availableSizes().contains(QSize(32, 32)));
}

TEST_F(ShellTest, ContextHelpWaitsForAClickAndEscapeLeavesIt)
{
    ASSERT_TRUE(Start());
    Activate(Frame());
    QTest::keyClick(&Frame(), Qt::Key_F1, Qt::ShiftModifier);
    ASSERT_TRUE(Frame().IsInHelpMode());
    EXPECT_EQ(Frame().m_wndStatusBar->MessageText(), QStringLiteral("Select an object on which to get Help"));
    QTest::keyClick(&Frame(), Qt::Key_Escape);
    EXPECT_FALSE(Frame().IsInHelpMode());
    EXPECT_EQ(Frame().HelpWindow(), nullptr);

    // The toolbar's help button does the same; the next click shows the help
    // and is not passed on to what it hits.
    Choose(ID_CONTEXT_HELP);
    ASSERT_TRUE(Frame().IsInHelpMode());
    QTest::mouseClick(&View(), Qt::LeftButton);
    EXPECT_FALSE(Frame().IsInHelpMode());
    ASSERT_NE(Frame().HelpWindow(), nullptr);
    EXPECT_TRUE(Frame().HelpWindow()->isVisible());
    EXPECT_EQ(Frame().m_wndStatusBar->MessageText(), QStringLiteral("For Help, press F1"));
}
