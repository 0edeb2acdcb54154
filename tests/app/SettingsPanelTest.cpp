// The settings panel: for a table of edits it takes what the settings dialog
// takes and refuses what the dialog refuses, with the dialog's own message,
// and a live edit is drawn once the typing settles.

#include "app/CSettingsDlg.h"
#include "app/CSettingsPanel.h"
#include "app/CSplnDoc.h"
#include "app/Engines.h"
#include "res/SettingsDialog.h"
#include "tests/app/AppTestSupport.h"
#include "tests/model/SettingsTestSupport.h"
#include "tests/platform/UiTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using spln::test::SameSettingsAs;

struct Edit {
    spln::SettingId setting;
    const char* text;  // a choice or the built-in function: its number as the dialog's radio group or field holds it
};

struct Outcome {
    CSplnSettings settings;
    bool taken = false;
    QString message;
};

class SettingsPanelTest : public ::testing::Test {
protected:
    SettingsPanelTest() { DocEngine() = DefaultEngine(); }
    ~SettingsPanelTest() override { DocEngine() = DefaultEngine(); }

    static Outcome ThroughTheDialog(const std::vector<Edit>& edits)
    {
        DocEngine() = DefaultEngine();
        CSplnDoc doc;
        CapturedMessages messages;
        QTimer::singleShot(0, [&] {
            CSettingsDlg* dialog = OpenSettingsDialog();
            ASSERT_NE(dialog, nullptr);
            for (const Edit& edit : edits) {
                const int control = ControlOf(edit.setting);
                if (spln::RangeOf(edit.setting).kind == spln::SettingKind::Choice)
                    static_cast<QRadioButton*>(dialog->GetDlgItem(control + std::stoi(edit.text)))->click();
                else
                    EditOf(*dialog, control)->setText(QString::fromLatin1(edit.text));
            }
            static_cast<QPushButton*>(dialog->GetDlgItem(IDOK))->click();
            if (dialog->isVisible())
                dialog->done(0);  // refused: the dialog stays open until cancelled
        });
        doc.OnSplineRun();
        return {doc.AcceptedSettings(), doc.UndoStack().count() == 1,
                messages.texts.empty() ? QString() : messages.texts[0]};
    }

    static Outcome ThroughThePanel(const std::vector<Edit>& edits)
    {
        DocEngine() = DefaultEngine();
        CSplnDoc doc;
        CSettingsPanel panel(doc);
        for (const Edit& edit : edits) {
            QWidget* field = panel.FieldOf(edit.setting);
            if (auto* choice = qobject_cast<QComboBox*>(field))
                choice->setCurrentIndex(std::stoi(edit.text) - (edit.setting == spln::kSettingExample ? 1 : 0));
            else
                static_cast<QLineEdit*>(field)->setText(QString::fromLatin1(edit.text));
        }
        const bool taken = panel.Apply();
        EXPECT_EQ(taken, panel.MessageLabel()->text().isEmpty());
        return {doc.AcceptedSettings(), doc.UndoStack().count() == 1, panel.MessageLabel()->text()};
    }
};

}  // namespace

TEST_F(SettingsPanelTest, PanelAndDialogWriteTheSameSettings)
{
    const std::vector<std::vector<Edit>> table{
        {{spln::kSettingExample, "7"}},
        {{spln::kSettingMethod, "1"}, {spln::kSettingLsqCount, "51"}, {spln::kSettingLsqType, "2"}},
        {{spln::kSettingAmplitude, "0.125"}, {spln::kSettingNoiseSeed, "17"}},
        {{spln::kSettingWindow, " 8 "}, {spln::kSettingSchwarzCount, "101"}, {spln::kSettingSchwarzType, "3"}},
        {{spln::kSettingSource, "1"}, {spln::kSettingBoard, "0"}, {spln::kSettingLeftDeriv, "-2.5e-1"}},
        {{spln::kSettingFileLength, "100"}, {spln::kSettingWindow, "10"}},
        // Refused, each with the dialog's message, the document as it was.
        {{spln::kSettingLsqCount, "52"}},
        {{spln::kSettingAmplitude, "abc"}},
        {{spln::kSettingNoiseSeed, "-1"}},
        {{spln::kSettingExample, "3"}, {spln::kSettingFileLength, "1e3"}},
        {{spln::kSettingFileLength, "100"}, {spln::kSettingWindow, "11"}},
    };
    for (const std::vector<Edit>& edits : table) {
        SCOPED_TRACE(std::string(spln::RangeOf(edits.back().setting).flag) + " = " + edits.back().text);
        const Outcome dialog = ThroughTheDialog(edits);
        const Outcome panel = ThroughThePanel(edits);
        EXPECT_TRUE(SameSettingsAs(dialog.settings, panel.settings));
        EXPECT_EQ(panel.taken, dialog.taken);
        EXPECT_EQ(panel.message.toStdString(), dialog.message.toStdString());
    }
}

TEST_F(SettingsPanelTest, LiveEditsAreDrawnOnceTheTypingSettlesAndApplyServesOtherwise)
{
    CSplnDoc doc;
    CSettingsPanel panel(doc);
    auto* count = static_cast<QLineEdit*>(panel.FieldOf(spln::kSettingSchwarzCount));
    count->clear();
    QTest::keyClicks(count, "101");
    EXPECT_EQ(doc.m_bValid, 0) << "drawn before the typing settled";
    QTest::qWait(3 * CSettingsPanel::kSettleMilliseconds);
    EXPECT_EQ(doc.AcceptedSettings().m_nSchwarzCount, 101);
    EXPECT_EQ(doc.UndoStack().count(), 1) << "the settled typing is one step";

    // A refused value keeps the document and marks its field.
    QTest::keyClicks(count, "1");
    QTest::qWait(3 * CSettingsPanel::kSettleMilliseconds);
    EXPECT_EQ(doc.AcceptedSettings().m_nSchwarzCount, 101);
    EXPECT_FALSE(count->styleSheet().isEmpty());
    EXPECT_EQ(panel.MessageLabel()->text(), QStringLiteral("Please enter an integer between 15 and 501."));

    panel.LiveBox()->setChecked(false);
    EXPECT_TRUE(panel.ApplyButton()->isEnabled());
    count->clear();
    QTest::keyClicks(count, "35");
    QTest::qWait(3 * CSettingsPanel::kSettleMilliseconds);
    EXPECT_EQ(doc.AcceptedSettings().m_nSchwarzCount, 101) << "drawn without Apply";
    panel.ApplyButton()->click();
    EXPECT_EQ(doc.AcceptedSettings().m_nSchwarzCount, 35);
    EXPECT_TRUE(count->styleSheet().isEmpty());

    // Undo reloads the panel.
    doc.UndoStack().undo();
    EXPECT_EQ(count->text(), QStringLiteral("101"));
}
