// The settings panel: for a table of edits it takes what the settings dialog
// takes and refuses what the dialog refuses, with the dialog's own message,
// and a live edit is drawn once the typing settles, one undo step a field.

#include "app/CSettingsDlg.h"
#include "app/CSettingsPanel.h"
#include "app/CSplnDoc.h"
#include "app/Engines.h"
#include "engine/CSplineEngine.h"
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
#include <QUndoStack>

#include <gtest/gtest.h>

#include <functional>
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

// The radio button of a choice: the group's buttons follow its first, but
// for the formula, which came later.
int RadioOf(spln::SettingId setting, int choice)
{
    return setting == spln::kSettingSource && choice == spln::kSourceFormula ? IDC_SOURCE_FORMULA
                                                                             : ControlOf(setting) + choice;
}

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
                    static_cast<QRadioButton*>(dialog->GetDlgItem(RadioOf(edit.setting, std::stoi(edit.text))))
                        ->click();
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
    const std::string longFormula(spln::kMaxFormulaLength + 1, 'x');
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
        {{spln::kSettingSource, "2"}, {spln::kSettingFormula, "sin(5*x"}},
        {{spln::kSettingSource, "2"}, {spln::kSettingFormula, "1/x"}},
        {{spln::kSettingSource, "2"}, {spln::kSettingFormula, " "}},
        {{spln::kSettingFormula, longFormula.c_str()}},
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

// Typing in one field is one step of the undo stack; another field, an undo
// or a redo starts a new one, and typing a field back to where its step began
// removes the step.
TEST_F(SettingsPanelTest, LiveTypingInOneFieldIsOneUndoStep)
{
    CSplnDoc doc;
    CSettingsPanel panel(doc);
    const auto type = [&panel](spln::SettingId id, const char* text) {
        return [&panel, id, text] {
            auto* edit = static_cast<QLineEdit*>(panel.FieldOf(id));
            edit->selectAll();
            QTest::keyClicks(edit, text);
            QTest::qWait(3 * CSettingsPanel::kSettleMilliseconds);
        };
    };
    QUndoStack& stack = doc.UndoStack();
    const struct {
        const char* what;
        std::function<void()> act;
        int window;
        double amplitude;
        int steps;  // on the stack, and the index
        int index;
    } table[] = {
        {"type the window", type(spln::kSettingWindow, "2"), 2, 0.0, 1, 1},
        {"and again", type(spln::kSettingWindow, "4"), 4, 0.0, 1, 1},
        {"another field", type(spln::kSettingAmplitude, "0.1"), 4, 0.1, 2, 2},
        {"and again", type(spln::kSettingAmplitude, "0.2"), 4, 0.2, 2, 2},
        {"the window again", type(spln::kSettingWindow, "5"), 5, 0.2, 3, 3},
        {"undo", [&stack] { stack.undo(); }, 4, 0.2, 3, 2},
        {"the window after the undo", type(spln::kSettingWindow, "6"), 6, 0.2, 3, 3},
        {"undo", [&stack] { stack.undo(); }, 4, 0.2, 3, 2},
        {"redo", [&stack] { stack.redo(); }, 6, 0.2, 3, 3},
        {"the window after the redo", type(spln::kSettingWindow, "7"), 7, 0.2, 4, 4},
        {"back to where the step began", type(spln::kSettingWindow, "6"), 6, 0.2, 3, 3},
        {"undo", [&stack] { stack.undo(); }, 4, 0.2, 3, 2},
        {"undo", [&stack] { stack.undo(); }, 4, 0.0, 3, 1},
        {"undo", [&stack] { stack.undo(); }, 1, 0.0, 3, 0},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.what);
        row.act();
        EXPECT_EQ(doc.AcceptedSettings().m_nWindow, row.window);
        EXPECT_EQ(doc.AcceptedSettings().m_dAmplitude, row.amplitude);
        EXPECT_EQ(stack.count(), row.steps);
        EXPECT_EQ(stack.index(), row.index);
    }
    EXPECT_EQ(doc.m_bValid, 0) << "undone to the fresh document, which draws nothing";
}
