// Undo and redo of the settings: each step of the dialog, of a direct change
// and of an opened file taken back and done again to the exact settings, with
// the caption's mark and the commands' state following the clean state.

#include "ShellTestSupport.h"

#include "app/Engines.h"
#include "engine/CSplineEngine.h"
#include "model/ExperimentFile.h"
#include "res/CommandIds.h"
#include "tests/model/SettingsTestSupport.h"

#include <QFile>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace spln::res;
using spln::test::SameSettingsAs;

CSplnSettings With(int example, int seed)
{
    CSplnSettings settings = spln::DefaultSettings();
    settings.m_nExample = example;
    settings.m_dAmplitude = 0.1;
    settings.m_nNoiseSeed = seed;
    return settings;
}

}  // namespace

TEST_F(ShellTest, UndoAndRedoReturnTheExactSettingsAndTheCleanState)
{
    ASSERT_TRUE(Start());
    const QString file = PathIn("saved.spl");
    const QString other = PathIn("other.spl");
    {
        QFile out(other);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray::fromStdString(spln::FormatExperiment(With(7, 3))));
    }
    const CSplnSettings fresh = Doc().AcceptedSettings();

    struct Step {
        const char* what;
        std::function<void()> act;
        CSplnSettings settings;  // accepted afterwards
        bool drawn;              // the view may draw them
        bool modified;           // the caption's mark, set away from the stack's clean state
        bool canUndo, canRedo;
    };
    const std::vector<Step> steps{
        {"run the dialog", [this] { RunAccepted(); }, fresh, true, false, true, false},
        {"change", [this] { Doc().ChangeSettings(With(3, 0), QStringLiteral("change")); }, With(3, 0), true, true, true,
         false},
        {"save",
         [&] {
             answers = {file};
             Choose(ID_FILE_SAVE);
         },
         With(3, 0), true, false, true, false},
        {"change again", [this] { Doc().ChangeSettings(With(5, 9), QStringLiteral("change")); }, With(5, 9), true, true,
         true, false},
        {"undo to the saved state", [this] { Choose(ID_EDIT_UNDO); }, With(3, 0), true, false, true, true},
        {"undo past it", [this] { Choose(ID_EDIT_UNDO); }, fresh, true, true, true, true},
        {"undo the first run", [this] { Choose(ID_EDIT_UNDO); }, fresh, false, true, false, true},
        {"redo", [this] { Choose(ID_EDIT_REDO); }, fresh, true, true, true, true},
        {"redo", [this] { Choose(ID_EDIT_REDO); }, With(3, 0), true, false, true, true},
        {"redo", [this] { Choose(ID_EDIT_REDO); }, With(5, 9), true, true, true, false},
        {"open a file", [&] { ASSERT_NE(App().OpenDocumentFile(other), nullptr); }, With(7, 3), true, false, true,
         false},
        {"undo the opening", [this] { Choose(ID_EDIT_UNDO); }, With(5, 9), true, true, true, true},
        {"redo the opening", [this] { Choose(ID_EDIT_REDO); }, With(7, 3), true, false, true, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_TRUE(SameSettingsAs(step.settings, Doc().AcceptedSettings()));
        EXPECT_EQ(Doc().m_bValid != 0, step.drawn);
        EXPECT_EQ(Doc().IsModified(), step.modified);
        // At the clean state the settings are the saved ones; away from it
        // they may come back to them (the first Run draws the same settings).
        if (Doc().UndoStack().isClean())
            EXPECT_FALSE(Doc().IsModified());
        else
            EXPECT_EQ(Doc().IsModified(), step.modified);
        EXPECT_EQ(ActionOf(ID_EDIT_UNDO)->isEnabled(), step.canUndo);
        EXPECT_EQ(ActionOf(ID_EDIT_REDO)->isEnabled(), step.canRedo);
        EXPECT_EQ(InkInView() > 1000, step.drawn);
    }
    EXPECT_TRUE(messages.texts.empty());

    // A new experiment starts with nothing to undo.
    Choose(ID_FILE_NEW);
    EXPECT_FALSE(ActionOf(ID_EDIT_UNDO)->isEnabled());
    EXPECT_FALSE(ActionOf(ID_EDIT_REDO)->isEnabled());
}
