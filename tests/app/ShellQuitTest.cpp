// Quitting while a study runs, or with study results never exported: the
// question first, and No keeps everything.

#include "ShellTestSupport.h"

#include "app/CStudyWnd.h"
#include "platform/SaveFileDialog.h"
#include "res/CommandIds.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

namespace {

const QString kRunning =
    QStringLiteral("A study is still running; quitting stops it, and its results are lost.\nQuit Spln all the same?");
const QString kUnexported =
    QStringLiteral("The results of a study have not been exported; quitting loses them.\nQuit Spln all the same?");

class ShellQuitTest : public ShellTest {
protected:
    // Spline > Study with the plan the dialog offers: 244 runs, long enough to be still running.
    void StartStudy()
    {
        QTimer::singleShot(0, [] { QMetaObject::invokeMethod(QApplication::activeModalWidget(), "accept"); });
        Choose(spln::res::ID_SPLINE_STUDY);
    }

    QList<CStudyWnd*> StudyWindows() { return Frame().findChildren<CStudyWnd*>(); }
};

}  // namespace

TEST_F(ShellQuitTest, QuittingAsksBeforeARunningOrAnUnexportedStudyIsLost)
{
    ASSERT_TRUE(Start());
    // Quitting with nothing to lose asks nothing.
    ASSERT_TRUE(Frame().close());
    ASSERT_TRUE(Start());

    StartStudy();
    messages.replies = {IDNO};
    EXPECT_FALSE(Frame().close());
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], kRunning);
    EXPECT_TRUE(Frame().isVisible());

    // Cancelled, the study shows what it has, and that has not been exported.
    auto* progress = Frame().findChild<QProgressDialog*>();
    ASSERT_NE(progress, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([progress] { return progress->value() >= 1; }, 60000));
    progress->cancel();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !StudyWindows().isEmpty(); }, 60000));
    messages.replies = {IDNO};
    Choose(spln::res::ID_APP_EXIT);
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(messages.texts[1], kUnexported);
    EXPECT_TRUE(Frame().isVisible());

    // Exported, the results are safe: quitting asks no more.
    const spln::SaveFileHook previous =
        spln::SetSaveFileHook([this](const QString&, const QString&, const QStringList&) {
            return spln::SaveFileAnswer{PathIn("s.csv"), 0};
        });
    for (QPushButton* button : StudyWindows().front()->findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("&Export..."))
            button->click();
    spln::SetSaveFileHook(previous);
    ASSERT_TRUE(QFile::exists(PathIn("s.csv")));
    EXPECT_TRUE(Frame().close());
    EXPECT_EQ(messages.texts.size(), 2u);
}

TEST_F(ShellQuitTest, YesQuitsDuringAStudy)
{
    ASSERT_TRUE(Start());
    StartStudy();
    messages.replies = {IDYES};
    EXPECT_TRUE(Frame().close());
    EXPECT_EQ(messages.texts, std::vector<QString>{kRunning});
}
