// The desktop document: Spline > Run with its copies into the document's
// engine, and the file operations that keep the settings.

#include "app/CSplnDoc.h"
#include "app/Engines.h"
#include "model/ExperimentFile.h"
#include "platform/CView.h"
#include "res/SettingsDialog.h"
#include "tests/app/AppTestSupport.h"
#include "tests/platform/UiTestSupport.h"

#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

class CountingView : public CView {
public:
    void OnDraw(CDC*) override {}
    void OnUpdate(CView*, long, void*) override { ++m_nUpdates; }
    int m_nUpdates = 0;
};

class SplineRunTest : public ::testing::Test {
protected:
    SplineRunTest()
    {
        DocEngine() = DefaultEngine();
        doc.AddView(&view);
    }
    ~SplineRunTest() override { DocEngine() = DefaultEngine(); }

    // Runs Spline > Run; edit works on the open dialog, then it is closed by
    // OK (accept true) or Cancel.
    void Run(const std::function<void(CSettingsDlg&)>& edit, bool accept)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            CSettingsDlg* dialog = OpenSettingsDialog();
            ASSERT_NE(dialog, nullptr);
            seen = true;
            if (edit)
                edit(*dialog);
            static_cast<QPushButton*>(dialog->GetDlgItem(accept ? IDOK : IDCANCEL))->click();
            if (dialog->isVisible())
                dialog->done(0);  // an entry failed: do not hang the test
        });
        doc.OnSplineRun();
        EXPECT_TRUE(seen);
    }

    static void Type(CSettingsDlg& dialog, int id, const char* text) { EditOf(dialog, id)->setText(text); }

    CSplnDoc doc;
    CountingView view;
    CapturedMessages messages;
};

}  // namespace

TEST_F(SplineRunTest, AcceptedRunSizesTheArraysAndStoresTheSettings)
{
    Run([](CSettingsDlg& d) { Type(d, IDC_EXAMPLE, "7"); }, true);
    EXPECT_EQ(doc.m_arrX, std::vector<double>(640, 0.0));
    EXPECT_EQ(doc.m_arrY, std::vector<double>(640, 0.0));
    EXPECT_EQ(doc.m_nCount, 640);
    EXPECT_EQ(doc.m_dLength, 2.0);
    EXPECT_EQ(doc.m_strCaption, "Footstep");
    EXPECT_EQ(doc.m_nFuncIndex, 6);
    EXPECT_EQ(doc.m_bValid, 1);
    EXPECT_EQ(DocEngine().m_nExample, 7);
    EXPECT_TRUE(SameSettingsAs(doc, SettingsOf(DocEngine())));
    EXPECT_EQ(view.m_nUpdates, 1);
}

TEST_F(SplineRunTest, MethodGoesToTheEnginePlusOneAndKernelTypesAsChosen)
{
    Run([](CSettingsDlg& d) { Type(d, IDC_SCHWARZ_TYPE, "3"); }, true);
    EXPECT_EQ(doc.m_nMethod, 0);
    EXPECT_EQ(DocEngine().m_nMethod, 1);
    EXPECT_EQ(DocEngine().m_nSchwarzType, 3) << "no exchange of types 3 and 4 in the document's engine";

    Run(
        [](CSettingsDlg& d) {
            static_cast<QRadioButton*>(d.GetDlgItem(IDC_METHOD_LSQ))->click();
            Type(d, IDC_SCHWARZ_TYPE, "4");
        },
        true);
    EXPECT_EQ(doc.m_nMethod, 1);
    EXPECT_EQ(DocEngine().m_nMethod, 2);
    EXPECT_EQ(DocEngine().m_nSchwarzType, 4);
}

TEST_F(SplineRunTest, EngineMembersOutsideTheSettingsAreNotTouched)
{
    DocEngine().m_dHalfWidth = 3.5;
    DocEngine().m_nPoints = 123;
    Run(nullptr, true);
    EXPECT_EQ(DocEngine().m_dHalfWidth, 3.5);
    EXPECT_EQ(DocEngine().m_nPoints, 123);
}

TEST_F(SplineRunTest, CancelledFirstRunLeavesTheViewNothingToDraw)
{
    Run([](CSettingsDlg& d) { Type(d, IDC_WINDOW, "20"); }, false);
    EXPECT_EQ(doc.m_bValid, 0);
    EXPECT_TRUE(doc.m_arrX.empty());
    EXPECT_TRUE(doc.m_arrY.empty());
    EXPECT_TRUE(SameSettingsAs(SettingsOf(DefaultEngine()), SettingsOf(DocEngine())));
    EXPECT_EQ(view.m_nUpdates, 1) << "the views redraw whatever the result";
}

TEST_F(SplineRunTest, CancelAfterAnAcceptedRunChangesNothing)
{
    Run([](CSettingsDlg& d) { Type(d, IDC_EXAMPLE, "3"); }, true);
    doc.m_arrX[5] = 0.25;  // as a paint would have filled it
    const CSplnSettings accepted = doc;

    Run(
        [](CSettingsDlg& d) {
            Type(d, IDC_EXAMPLE, "9");
            Type(d, IDC_WINDOW, "abc");
            d.OnOK();  // fails at the window, after the example was stored
            EXPECT_TRUE(d.isVisible());
        },
        false);
    EXPECT_TRUE(SameSettingsAs(accepted, doc));
    EXPECT_EQ(doc.m_bValid, 1);
    EXPECT_EQ(doc.m_arrX.size(), 640u);
    EXPECT_EQ(doc.m_arrX[5], 0.25);
    EXPECT_EQ(doc.m_strCaption, "Y(x)=1/(1+25*x*x)");
    EXPECT_EQ(doc.m_nFuncIndex, 2);
}

TEST_F(SplineRunTest, AFailedWindowCheckKeepsTheDialogOpenAndTheAcceptedRunStays)
{
    Run(
        [](CSettingsDlg& d) {
            Type(d, IDC_AMPLITUDE, "0.125");
            Type(d, IDC_LSQ_COUNT, "40");
        },
        true);
    const CSplnSettings accepted = doc;
    Run(
        [this](CSettingsDlg& d) {
            Type(d, IDC_FILE_LENGTH, "100");
            Type(d, IDC_WINDOW, "11");
            d.OnOK();
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(messages.texts.size(), 1u);
            EXPECT_EQ(EditOf(d, IDC_FILE_LENGTH)->text(), "100");
            EXPECT_EQ(EditOf(d, IDC_WINDOW)->text(), "11");
        },
        false);
    EXPECT_TRUE(SameSettingsAs(accepted, doc)) << "Cancel leaves the accepted settings";
    EXPECT_EQ(doc.m_bValid, 1);
    EXPECT_EQ(doc.m_arrX.size(), 640u);

    Run(
        [](CSettingsDlg& d) {
            EXPECT_EQ(EditOf(d, IDC_FILE_LENGTH)->text(), "10000");
            EXPECT_EQ(EditOf(d, IDC_WINDOW)->text(), "1");
            EXPECT_EQ(EditOf(d, IDC_AMPLITUDE)->text(), "0.125");
            EXPECT_EQ(EditOf(d, IDC_LSQ_COUNT)->text(), "40");
        },
        true);
    EXPECT_EQ(doc.m_bValid, 1);
}

TEST_F(SplineRunTest, FilesKeepTheSettingsAndOpeningOneRunsThem)
{
    Run([](CSettingsDlg& d) { Type(d, IDC_EXAMPLE, "7"); }, true);
    EXPECT_TRUE(doc.IsModified());
    QTemporaryDir dir;
    const QString path = dir.filePath("run.spl");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_FALSE(doc.IsModified());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), spln::FormatExperiment(SettingsOf(DocEngine())));
    const CSplnSettings saved = doc;

    // Another Run, then the file again: its settings come back and the
    // arrays are prepared as by an accepted Run.
    Run([](CSettingsDlg& d) { Type(d, IDC_EXAMPLE, "3"); }, true);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(SameSettingsAs(saved, doc));
    EXPECT_TRUE(SameSettingsAs(saved, SettingsOf(DocEngine())));
    EXPECT_EQ(doc.m_arrX.size(), 640u);
    EXPECT_EQ(doc.m_arrY.size(), 640u);
    EXPECT_EQ(doc.m_bValid, 1);
    EXPECT_EQ(doc.m_strCaption, "Footstep");
    EXPECT_EQ(doc.m_nFuncIndex, 6);

    // A file of zero bytes, as earlier versions saved, reads nothing: the
    // settings stay and the view is blank until the next Run.
    const QString empty = dir.filePath("empty.spl");
    QFile(empty).open(QIODevice::WriteOnly);
    ASSERT_TRUE(doc.OnOpenDocument(empty));
    EXPECT_TRUE(doc.m_arrX.empty());
    EXPECT_EQ(doc.m_arrX.capacity(), 0u);
    EXPECT_TRUE(doc.m_arrY.empty());
    EXPECT_TRUE(SameSettingsAs(saved, doc));
    EXPECT_EQ(doc.m_bValid, 1);
    EXPECT_EQ(doc.m_strCaption, "Footstep");
    EXPECT_FALSE(doc.IsModified());

    // New starts again from the defaults, with a blank view.
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_TRUE(SameSettingsAs(SettingsOf(DefaultEngine()), SettingsOf(DocEngine())));
    EXPECT_EQ(doc.m_bValid, 0);
}

TEST_F(SplineRunTest, ValuesFromAFileSurviveOkUnchanged)
{
    CSplnSettings settings = SettingsOf(DocEngine());
    settings.m_dAmplitude = 1.0 / 3.0;
    settings.m_dLeftValue = 0.1 + 0.2;
    settings.m_dRightValue = 0.05;
    QTemporaryDir dir;
    const QString path = dir.filePath("thirds.spl");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(spln::FormatExperiment(settings)));
    file.close();
    ASSERT_TRUE(doc.OnOpenDocument(path));
    const CSplnSettings loaded = doc;

    Run([](CSettingsDlg& d) { EXPECT_EQ(EditOf(d, IDC_RIGHT_VALUE)->text(), "0.05"); }, true);
    EXPECT_TRUE(SameSettingsAs(loaded, doc));
    EXPECT_EQ(DocEngine().m_dAmplitude, 1.0 / 3.0);
    EXPECT_EQ(DocEngine().m_dLeftValue, 0.1 + 0.2);
}
