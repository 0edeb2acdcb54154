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
#include <QMimeData>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

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
        {"a grid", defaults, {{IDC_ACROSS_FROM, "15"}, {IDC_ACROSS_TO, "51"}}, IDC_STUDY_GRID, ""},
        {"grid's second out of range",
         defaults,
         {{IDC_ACROSS_FROM, "0"}},
         IDC_STUDY_GRID,
         "Please enter an integer between 1 and 500."},
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
            EXPECT_EQ(dialog.Plan().sweep.setting, spln::kSettingSchwarzCount);
            if (c.radio == IDC_STUDY_GRID) {
                // The second setting offered is the window of averaging.
                EXPECT_EQ(dialog.Plan().kind, StudyKind::Grid);
                EXPECT_EQ(dialog.Plan().across.setting, spln::kSettingWindow) << c.what;
                EXPECT_EQ(dialog.Plan().across.to, 51) << c.what;
                continue;
            }
            EXPECT_EQ(dialog.Plan().sweep.from, 21);
            EXPECT_EQ(dialog.Plan().sweep.to, 99);
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

    // On the sample file only the data can judge: a choice from them, never of the samples.
    CSplnSettings file = defaults;
    file.m_nSource = 1;
    CStudyDlg selection(file, StudyPlan{});
    ASSERT_TRUE(selection.Create());
    for (int id : {IDC_STUDY_SWEEP, IDC_STUDY_GRID, IDC_STUDY_REPEAT, IDC_SWEEP_SAMPLES})
        EXPECT_FALSE(selection.GetDlgItem(id)->isEnabled()) << id;
    EXPECT_TRUE(selection.GetDlgItem(IDC_SWEEP_WINDOW)->isEnabled());
    CapturedMessages none;
    selection.OnOK();
    EXPECT_EQ(selection.result(), IDOK);
    EXPECT_EQ(selection.Plan().kind, StudyKind::Select);
}

TEST(StudyWindow, ExportsEachTypeAndCopiesTheTable)
{
    StudyPlan plan;
    plan.sweep = {spln::kSettingWindow, 1, 5, Spacing::Step, 2, 0};
    const StudyResult result = RunStudy(plan, spln::DefaultSettings());
    CStudyWnd window(result);
    window.resize(900, 500);
    EXPECT_EQ(window.windowTitle(), "Study of the window of averaging, 3 runs");

    QTemporaryDir folder;
    std::string error;
    for (const char* name : {"s.csv", "s.json", "s.png", "s.svg", "s.pdf"}) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(window.ExportTo(path, &error)) << name << ": " << error;
        EXPECT_GT(QFile(path).size(), 100) << name;
    }
    QFile csv(folder.filePath("s.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().startsWith("window,left_error,interior_error,right_error,local_order\n1,"));

    EXPECT_FALSE(window.ExportTo(folder.filePath("s.txt"), &error));
    EXPECT_NE(error.find(".csv, .json, .png, .svg, .pdf"), std::string::npos) << error;
    EXPECT_FALSE(QFile::exists(folder.filePath("s.txt")));

    // Copy gives the chart's picture and the table with the main report's names.
    std::unique_ptr<QMimeData> copied(window.CopyData());
    EXPECT_TRUE(copied->hasImage());
    EXPECT_TRUE(copied->hasFormat("image/svg+xml"));
    const QStringList lines = copied->text().split('\n');
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[0], "window of averaging\tleft board error\tinternal error\tright board error\tlocal order\tms");
    EXPECT_TRUE(lines[3].startsWith("5\t"));
}

TEST(StudyWindow, TitleCountsTheRunsFinishedAndTheWindowFitsTheScreen)
{
    StudyResult result;
    result.plan.kind = StudyKind::Repeat;
    result.plan.repeat = 10000;
    result.planned = 10000;
    result.cancelled = true;
    result.rows = {{1, 1e-3, 2e-3, 1e-3, 0.1}, {2, 2e-3, 3e-3, 1e-3, 0.1}};
    CStudyWnd window(result);
    EXPECT_EQ(window.windowTitle(), "Repeat with new noise, 2 of 10000 runs (cancelled)");
    const QRect available = window.screen()->availableGeometry();
    EXPECT_LE(window.width(), available.width());
    EXPECT_LE(window.height(), available.height());
}
