// The study dialog's refusals and accepted plan, and the study window's
// exports and copy.

#include "app/CStudyDlg.h"
#include "app/CStudyWnd.h"
#include "res/StudyDialog.h"
#include "tests/app/AppTestSupport.h"
#include "tests/platform/UiTestSupport.h"

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace spln::study;

namespace {

const char* const kWindowMessage = "Window Averaging divide by Length of File should be less then 0.1";

struct DialogCase {
    const char* what;
    CSplnSettings base;
    std::vector<std::pair<int, QString>> typed;  // fields and what is typed into them
    int radio;                                   // a button to click first, or 0
    QString message;                             // empty: accepted
};

}  // namespace

TEST(StudyDialog, RefusesAsTheSettingsDialogDoesAndAcceptsAPlan)
{
    const CSplnSettings defaults = spln::DefaultSettings();
    CSplnSettings wideWindow = defaults;
    wideWindow.m_nWindow = 50;
    CSplnSettings noisy = defaults;
    noisy.m_dAmplitude = 0.1;
    const DialogCase cases[] = {
        {"splines above range", defaults, {{IDC_SWEEP_TO, "502"}}, 0, "Please enter an integer between 15 and 501."},
        {"not a number", defaults, {{IDC_SWEEP_FROM, "x"}}, 0, "Please enter an integer."},
        {"samples against the window",
         wideWindow,
         {{IDC_SWEEP_FROM, "100"}, {IDC_SWEEP_TO, "1000"}},
         IDC_SWEEP_SAMPLES,
         kWindowMessage},
        {"one run", noisy, {{IDC_REPEAT_COUNT, "1"}}, IDC_STUDY_REPEAT, "Please enter an integer between 2 and 10000."},
        {"backwards",
         defaults,
         {{IDC_SWEEP_FROM, "101"}, {IDC_SWEEP_TO, "51"}},
         0,
         "the first value of schwarz-count must be below the last"},
        {"a sweep", defaults, {{IDC_SWEEP_FROM, "21"}, {IDC_SWEEP_TO, "99"}, {IDC_STUDY_SEED, "7"}}, 0, ""},
    };
    for (const DialogCase& c : cases) {
        CapturedMessages messages;
        CStudyDlg dialog(c.base, StudyPlan{});
        ASSERT_TRUE(dialog.Create());
        if (c.radio)
            static_cast<QAbstractButton*>(dialog.GetDlgItem(c.radio))->click();
        for (const auto& [id, text] : c.typed)
            EditOf(dialog, id)->setText(text);
        dialog.OnOK();
        if (c.message.isEmpty()) {
            EXPECT_TRUE(messages.texts.empty()) << c.what;
            EXPECT_EQ(dialog.result(), IDOK) << c.what;
            EXPECT_EQ(dialog.Plan().setting, spln::kSettingSchwarzCount);
            EXPECT_EQ(dialog.Plan().from, 21);
            EXPECT_EQ(dialog.Plan().to, 99);
            EXPECT_EQ(dialog.Plan().seed, 7u);
        } else {
            ASSERT_EQ(messages.texts.size(), 1u) << c.what;
            EXPECT_EQ(messages.texts[0], c.message) << c.what;
            EXPECT_NE(dialog.result(), IDOK) << c.what;
        }
    }

    // Without noise there is nothing to repeat.
    CStudyDlg quiet(defaults, StudyPlan{});
    ASSERT_TRUE(quiet.Create());
    EXPECT_FALSE(quiet.GetDlgItem(IDC_STUDY_REPEAT)->isEnabled());
}

TEST(StudyWindow, ExportsEachTypeAndCopiesTheTable)
{
    StudyPlan plan;
    plan.setting = spln::kSettingWindow;
    plan.from = 1;
    plan.to = 5;
    plan.step = 2;
    const StudyResult result = RunStudy(plan, spln::DefaultSettings());
    CStudyWnd window(result);
    window.resize(900, 500);
    EXPECT_EQ(window.windowTitle(), "Study of window");

    QTemporaryDir folder;
    std::string error;
    for (const char* name : {"s.csv", "s.json", "s.png", "s.svg", "s.pdf"}) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(window.ExportTo(path, &error)) << name << ": " << error;
        EXPECT_GT(QFile(path).size(), 100) << name;
    }
    QFile csv(folder.filePath("s.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().startsWith("window,left_error,interior_error,right_error,milliseconds\n1,"));

    EXPECT_FALSE(window.ExportTo(folder.filePath("s.txt"), &error));
    EXPECT_NE(error.find(".csv, .json, .png, .svg, .pdf"), std::string::npos) << error;
    EXPECT_FALSE(QFile::exists(folder.filePath("s.txt")));

    const QStringList lines = window.CopyText().split('\n');
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[0], "window\tleft error\tinterior error\tright error\tms");
    EXPECT_TRUE(lines[3].startsWith("5\t"));
}
