// The settings dialog: its controls as built from resource 131, the loading
// from the document's engine, the ranges, the window check and Cancel.

#include "app/CSettingsDlg.h"
#include "app/CSplnDoc.h"
#include "model/SettingsRecord.h"
#include "platform/DialogBuilder.h"
#include "res/SettingsDialog.h"
#include "tests/app/AppTestSupport.h"
#include "tests/platform/UiTestSupport.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace spln;

namespace {

const char* const kWindowMessage = "Window Averaging divide by Length of File should be less then 0.1";

// A document and a document's engine of its own, with the dialog opened
// (non-modally) on them.
class SettingsDialogTest : public ::testing::Test {
protected:
    void Open()
    {
        dialog = std::make_unique<CSettingsDlg>(&doc, *engine);
        ASSERT_TRUE(dialog->Create());
    }

    QLineEdit* Edit(int id) const { return EditOf(*dialog, id); }
    QRadioButton* Radio(int id) const { return static_cast<QRadioButton*>(dialog->GetDlgItem(id)); }

    // Types text into a field and presses OK; the messages shown are kept.
    void OkWith(int id, const QString& text)
    {
        Edit(id)->setText(text);
        dialog->OnOK();
    }

    CSplnDoc doc;
    std::unique_ptr<CSplineEngine> engine = std::make_unique<CSplineEngine>();
    std::unique_ptr<CSettingsDlg> dialog;
    CapturedMessages messages;
};

}  // namespace

TEST_F(SettingsDialogTest, ResourceHasTitleSizeAndAllControlsInTemplateOrder)
{
    ASSERT_EQ(kSettingsDialogTemplate.controlCount, 52);
    Open();
    EXPECT_EQ(dialog->windowTitle(), "Velmoric splines in problems of approximation");
    const DialogBaseUnits units = BaseUnitsOfFont(DialogFont(kSettingsDialogTemplate));
    EXPECT_EQ(dialog->size(), DialogUnitsToPixels(0, 0, 416, 325, units).size());
    EXPECT_EQ(dialog->font().family(), "Liberation Sans");

    // The children in creation order are the template's controls; group
    // boxes are lowered beneath the rest, so compare by kind and text.
    int edits = 0, radios = 0, labels = 0, boxes = 0, buttons = 0;
    for (int i = 0; i < kSettingsDialogTemplate.controlCount; ++i) {
        const ControlTemplate& ct = kSettingsDialogTemplate.controls[i];
        switch (ct.kind) {
        case ControlKind::Edit:
            ++edits;
            break;
        case ControlKind::RadioButton:
            ++radios;
            break;
        case ControlKind::Label:
            ++labels;
            break;
        case ControlKind::GroupBox:
            ++boxes;
            break;
        default:
            ++buttons;
            break;
        }
        if (ct.id != IDC_STATIC) {
            QWidget* control = dialog->GetDlgItem(ct.id);
            ASSERT_NE(control, nullptr) << ct.id;
            const QRect expected = DialogUnitsToPixels(ct.x, ct.y, ct.cx, ct.cy, units);
            if (ct.kind == ControlKind::Label) {
                // Labels may grow to the right to show their whole text.
                EXPECT_EQ(control->pos(), expected.topLeft()) << ct.id;
                EXPECT_GE(control->width(), expected.width()) << ct.id;
            } else {
                EXPECT_EQ(control->geometry(), expected) << ct.id;
            }
        }
    }
    EXPECT_EQ(edits, 16);
    EXPECT_EQ(radios, 9);
    EXPECT_EQ(boxes, 8);
    EXPECT_EQ(buttons, 2);
    EXPECT_EQ(labels, 17);
    EXPECT_EQ(dialog->findChildren<QGroupBox*>().size(), 8);
    EXPECT_TRUE(static_cast<QPushButton*>(dialog->GetDlgItem(IDOK))->isDefault());
}

TEST_F(SettingsDialogTest, LabelsShowTheirWholeTextWithoutCoveringAFieldOrAFrame)
{
    Open();
    const QList<QLineEdit*> edits = dialog->findChildren<QLineEdit*>();
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        for (QLineEdit* edit : edits)
            EXPECT_FALSE(label->geometry().intersects(edit->geometry())) << label->text().toStdString();
    }
    // A control lies wholly inside a box or wholly outside it, its frame and
    // title clear; only the File button's empty lower half reaches into the
    // box beneath, where it has always been.
    for (QWidget* control : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QGroupBox*>(control) || control == dialog->GetDlgItem(IDC_SOURCE_FILE))
            continue;
        for (QGroupBox* box : dialog->findChildren<QGroupBox*>()) {
            const QRect inside = box->geometry(), at = control->geometry();
            EXPECT_TRUE(inside.contains(at) || !inside.intersects(at))
                << box->title().toStdString() << " / " << control->metaObject()->className() << " at " << at.x() << ","
                << at.y();
        }
    }
}

TEST_F(SettingsDialogTest, ThreeRadioGroupsOfTwoButtons)
{
    Open();
    const std::vector<int> groups[] = {{IDC_SOURCE_EXAMPLE, IDC_SOURCE_FILE, IDC_SOURCE_FORMULA},
                                       {IDC_METHOD_SCHWARZ, IDC_METHOD_LSQ},
                                       {IDC_BOARD_GIVEN, IDC_BOARD_ESTIMATE},
                                       {IDC_RESAMPLE_NO, IDC_RESAMPLE_YES}};
    for (const std::vector<int>& buttons : groups) {
        QButtonGroup* group = dialog->GetRadioGroup(buttons[0]);
        ASSERT_NE(group, nullptr) << buttons[0];
        ASSERT_EQ(group->buttons().size(), static_cast<qsizetype>(buttons.size()));
        for (std::size_t i = 0; i < buttons.size(); ++i)
            EXPECT_EQ(group->buttons()[static_cast<qsizetype>(i)], dialog->GetDlgItem(buttons[i]));
        EXPECT_TRUE(group->exclusive());
    }
    Radio(IDC_SOURCE_FILE)->click();
    Radio(IDC_METHOD_LSQ)->click();
    EXPECT_TRUE(Radio(IDC_BOARD_ESTIMATE)->isChecked()) << "groups are independent";
    EXPECT_FALSE(Radio(IDC_SOURCE_EXAMPLE)->isChecked());
}

TEST_F(SettingsDialogTest, TabGoesThroughTheFieldsInTemplateOrder)
{
    Open();
    const int order[] = {IDC_FILE_LENGTH,   IDC_AMPLITUDE,   IDC_LEFT_DERIV,   IDC_EXAMPLE,
                         IDC_RIGHT_DERIV,   IDC_LEFT_MARGIN, IDC_RIGHT_MARGIN, IDC_SCHWARZ_TYPE,
                         IDC_SCHWARZ_COUNT, IDC_LSQ_TYPE,    IDC_LSQ_COUNT,    IDC_WINDOW};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget* next = dialog->GetDlgItem(order[i - 1])->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus || qobject_cast<QRadioButton*>(next))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, dialog->GetDlgItem(order[i])) << "after " << order[i - 1];
    }
}

TEST_F(SettingsDialogTest, MnemonicsReachTheirFieldsAndButtons)
{
    Open();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));

    const std::pair<Qt::Key, int> fields[] = {
        {Qt::Key_L, IDC_FILE_LENGTH}, {Qt::Key_A, IDC_AMPLITUDE}, {Qt::Key_N, IDC_EXAMPLE}};
    for (const auto& [key, id] : fields) {
        QTest::keyClick(dialog.get(), key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), dialog->GetDlgItem(id)) << id;
    }

    // A button's mnemonic clicks it (after the short press animation).
    QTest::keyClick(dialog.get(), Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Radio(IDC_SOURCE_FILE)->isChecked(); }, 2000));
    QTest::keyClick(dialog.get(), Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Radio(IDC_BOARD_GIVEN)->isChecked(); }, 2000));
}

// Every control shows its setting's default (the names, ranges and defaults
// themselves are pinned with the settings record).
TEST_F(SettingsDialogTest, FirstOpeningShowsTheEngineDefaults)
{
    doc.m_nMethod = 1;  // the document's own initial values are never shown
    doc.m_nLsqCount = 5;
    Open();
    for (const spln::SettingRange& range : spln::kSettingRanges) {
        const int control = ControlOf(range.id);
        if (range.kind == spln::SettingKind::Choice)
            EXPECT_TRUE(Radio(control + static_cast<int>(range.defaultValue))->isChecked()) << range.flag;
        else if (range.kind == spln::SettingKind::Text)
            EXPECT_EQ(Edit(control)->text(), QString()) << range.flag;
        else
            EXPECT_EQ(Edit(control)->text(), QString::number(range.defaultValue)) << range.flag;
    }
    EXPECT_EQ(Edit(IDC_LSQ_COUNT)->text(), "35");
    EXPECT_TRUE(Radio(IDC_METHOD_SCHWARZ)->isChecked());
    EXPECT_EQ(doc.m_bValid, 1);
    EXPECT_TRUE(SameSettingsAs(SettingsOf(*engine), doc));
    EXPECT_TRUE(messages.texts.empty());
}

namespace {

// Sets a setting's control: clicks a radio group's button or types the number.
void Enter(const CDialog& dialog, spln::SettingId id, double value)
{
    const int control = ControlOf(id);
    if (spln::RangeOf(id).kind == spln::SettingKind::Choice)
        static_cast<QRadioButton*>(dialog.GetDlgItem(id == spln::kSettingSource && value == 2
                                                         ? IDC_SOURCE_FORMULA
                                                         : control + static_cast<int>(value)))
            ->click();
    else if (spln::RangeOf(id).kind == spln::SettingKind::Text)
        return;
    else
        EditOf(dialog, control)->setText(QString::number(value, 'g', 17));
}

}  // namespace

TEST_F(SettingsDialogTest, OkStoresEveryFieldIntoTheDocument)
{
    Open();
    const CSplnSettings typed = spln::test::SettingsAwayFromDefaults();
    for (const spln::SettingRange& range : spln::kSettingRanges)
        Enter(*dialog, range.id, spln::GetSetting(typed, range.id));
    Edit(IDC_FORMULA)->setText(QString::fromStdString(std::string(spln::GetSettingText(typed, spln::kSettingFormula))));
    dialog->OnOK();
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(dialog->result(), IDOK);
    EXPECT_TRUE(SameSettingsAs(typed, doc));
    EXPECT_EQ(doc.m_bValid, 1);
}

// Every row of the settings record, set to each end of its range in its own
// control, reaches its own member of the document through OK.
TEST_F(SettingsDialogTest, EveryRowOfTheRecordTravelsFromItsControlToItsMember)
{
    for (const spln::SettingRange& range : spln::kSettingRanges) {
        for (double value : {range.min, range.max}) {
            Open();
            Enter(*dialog, range.id, value);
            // A formula that is the source must be one.
            Edit(IDC_FORMULA)->setText("x");
            dialog->OnOK();
            EXPECT_TRUE(messages.texts.empty()) << range.flag << " " << value;
            CSplnSettings expected = spln::DefaultSettings();
            spln::SetSetting(expected, range.id, value);
            spln::SetSettingText(expected, spln::kSettingFormula, "x");
            EXPECT_TRUE(SameSettingsAs(expected, doc)) << range.flag << " " << value;
        }
    }
}

// Pinned: a storing exchange stops at the first field it refuses, so the order
// of the fields decides which of several bad entries the user is shown first.
TEST_F(SettingsDialogTest, FieldsAreCheckedInTheirExchangeOrder)
{
    using namespace spln;
    const SettingId order[] = {kSettingFileLength,  kSettingAmplitude,  kSettingExample,     kSettingLeftValue,
                               kSettingLeftDeriv,   kSettingRightValue, kSettingRightDeriv,  kSettingLeftMargin,
                               kSettingRightMargin, kSettingWindow,     kSettingSchwarzType, kSettingSchwarzCount,
                               kSettingLsqType,     kSettingLsqCount};
    Open();
    for (const SettingId id : order)
        Edit(ControlOf(id))->setText("x");
    for (const SettingId id : order) {
        dialog->OnOK();
        EXPECT_EQ(dialog->focusWidget(), dialog->GetDlgItem(ControlOf(id))) << RangeOf(id).flag;
        Enter(*dialog, id, RangeOf(id).defaultValue);
    }
    dialog->OnOK();
    EXPECT_EQ(dialog->result(), IDOK);
    EXPECT_EQ(messages.texts.size(), std::size(order));
}

struct BadEntry {
    int field;
    const char* text;
    const char* message;
};

void PrintTo(const BadEntry& entry, std::ostream* os)
{
    *os << "field " << entry.field << " '" << entry.text << "'";
}

class SettingsDialogBadEntry : public SettingsDialogTest, public ::testing::WithParamInterface<BadEntry> {};

TEST_P(SettingsDialogBadEntry, KeepsTheDialogOpenWithTheFocusOnTheField)
{
    const BadEntry entry = GetParam();
    Open();
    OkWith(entry.field, entry.text);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), 0);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], entry.message);
    EXPECT_EQ(dialog->focusWidget(), dialog->GetDlgItem(entry.field));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SettingsDialogBadEntry,
    ::testing::Values(BadEntry{IDC_EXAMPLE, "0", "Please enter an integer between 1 and 11."},
                      BadEntry{IDC_EXAMPLE, "12", "Please enter an integer between 1 and 11."},
                      BadEntry{IDC_SCHWARZ_TYPE, "16", "Please enter an integer between 1 and 4."},
                      BadEntry{IDC_WINDOW, "501.5", "Please enter an integer."},
                      BadEntry{IDC_LSQ_COUNT, "501.5", "Please enter an integer."},
                      BadEntry{IDC_FILE_LENGTH, "99", "Please enter an integer between 100 and 10000."},
                      BadEntry{IDC_FILE_LENGTH, "10001", "Please enter an integer between 100 and 10000."},
                      BadEntry{IDC_AMPLITUDE, "0.6", "Please enter a number between 0 and 0.5."},
                      BadEntry{IDC_AMPLITUDE, "-1e-300", "Please enter a number between 0 and 0.5."},
                      BadEntry{IDC_AMPLITUDE, "a lot", "Please enter a number."},
                      BadEntry{IDC_LEFT_VALUE, "1.5", "Please enter a number between -1 and 1."},
                      BadEntry{IDC_RIGHT_DERIV, "-11", "Please enter a number between -10 and 10."},
                      BadEntry{IDC_LEFT_MARGIN, "251", "Please enter an integer between 1 and 250."},
                      BadEntry{IDC_RIGHT_MARGIN, "0", "Please enter an integer between 1 and 250."},
                      BadEntry{IDC_WINDOW, "501", "Please enter an integer between 1 and 500."},
                      BadEntry{IDC_SCHWARZ_COUNT, "14", "Please enter an integer between 15 and 501."},
                      BadEntry{IDC_LSQ_TYPE, "6", "Please enter an integer between 1 and 5."},
                      BadEntry{IDC_LSQ_COUNT, "4", "Please enter an integer between 5 and 51."}),
    [](const ::testing::TestParamInfo<BadEntry>& test) {
        return "Field" + std::to_string(test.param.field) + "Case" + std::to_string(test.index);
    });

TEST_F(SettingsDialogTest, TheFirstFailingFieldStopsTheExchange)
{
    Open();
    Edit(IDC_FILE_LENGTH)->setText("200");  // stored before the failure
    Edit(IDC_EXAMPLE)->setText("0");        // fails
    Edit(IDC_WINDOW)->setText("900");       // would fail too, never reached
    doc.m_bValid = 1;
    dialog->OnOK();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Please enter an integer between 1 and 11.");
    EXPECT_EQ(doc.m_nFileLength, 200);
    EXPECT_EQ(doc.m_nExample, 0) << "the failing field keeps what was typed, as the range check reads it there";
    EXPECT_EQ(doc.m_nWindow, 1);
}

struct WindowCase {
    bool fileSource;
    const char* fileLength;
    const char* window;
    bool passes;
};

void PrintTo(const WindowCase& c, std::ostream* os)
{
    *os << (c.fileSource ? "file" : "example") << ' ' << c.fileLength << '/' << c.window;
}

class SettingsDialogWindowCheck : public SettingsDialogTest, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(SettingsDialogWindowCheck, DecidesValidityAndKeepsWhatWasTypedOnFailure)
{
    const WindowCase c = GetParam();
    doc.m_bValid = 1;
    Open();
    if (c.fileSource)
        Radio(IDC_SOURCE_FILE)->click();
    Edit(IDC_FILE_LENGTH)->setText(c.fileLength);
    Edit(IDC_WINDOW)->setText(c.window);
    Edit(IDC_EXAMPLE)->setText("4");
    dialog->OnOK();

    EXPECT_EQ(doc.m_nExample, 4);
    if (c.passes) {
        EXPECT_EQ(dialog->result(), IDOK);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_TRUE(messages.texts.empty());
        EXPECT_EQ(doc.m_bValid, 1);
        EXPECT_EQ(doc.m_nWindow, std::atoi(c.window));
        EXPECT_EQ(doc.m_nFileLength, std::atoi(c.fileLength));
        return;
    }
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], kWindowMessage);
    EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open";
    EXPECT_EQ(dialog->result(), 0);
    EXPECT_EQ(Edit(IDC_WINDOW)->text(), c.window);
    EXPECT_EQ(Edit(IDC_FILE_LENGTH)->text(), c.fileLength);
    EXPECT_EQ(dialog->focusWidget(), Edit(IDC_WINDOW));
    EXPECT_EQ(Edit(IDC_WINDOW)->selectedText(), c.window) << "the window field is selected for the correction";
    EXPECT_EQ(doc.m_bValid, 1) << "the picture shown before stays";

    // A corrected window is accepted at the next OK.
    Edit(IDC_WINDOW)->setText("1");
    dialog->OnOK();
    EXPECT_EQ(dialog->result(), IDOK);
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(doc.m_nWindow, 1);
    EXPECT_EQ(doc.m_nFileLength, std::atoi(c.fileLength));
}

INSTANTIATE_TEST_SUITE_P(Boundaries, SettingsDialogWindowCheck,
                         ::testing::Values(WindowCase{false, "100", "10", true}, WindowCase{false, "100", "11", false},
                                           WindowCase{false, "5000", "500", true}, WindowCase{true, "100", "450", true},
                                           WindowCase{true, "10000", "451", false},
                                           WindowCase{true, "100", "451", false}),
                         [](const ::testing::TestParamInfo<WindowCase>& test) {
                             return std::string(test.param.fileSource ? "File" : "Example") + "Samples" +
                                    test.param.fileLength + "Window" + test.param.window;
                         });

TEST_F(SettingsDialogTest, WindowCheckRunsWhenLoadingToo)
{
    engine->m_nSamples = 100;
    engine->m_nWindow = 11;
    Open();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], kWindowMessage);
    EXPECT_EQ(doc.m_bValid, 0);
    EXPECT_EQ(doc.m_nWindow, 1);
    EXPECT_EQ(doc.m_nFileLength, 10000);
    EXPECT_EQ(Edit(IDC_WINDOW)->text(), "11") << "the controls are not reloaded";
}

TEST_F(SettingsDialogTest, CancelAfterAFailedOkLeavesTheDocumentAsTheEngineHasIt)
{
    engine->m_nExample = 3;
    engine->m_nMethod = 2;
    doc.m_bValid = 0;
    Open();
    Edit(IDC_FILE_LENGTH)->setText("300");
    Edit(IDC_AMPLITUDE)->setText("0.2");
    OkWith(IDC_EXAMPLE, "99");
    ASSERT_EQ(doc.m_nFileLength, 300) << "the failed exchange wrote the fields before the failure";

    dialog->OnCancel();
    EXPECT_EQ(dialog->result(), IDCANCEL);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(SameSettingsAs(SettingsOf(*engine), doc));
    EXPECT_EQ(doc.m_nMethod, 1);
    EXPECT_EQ(doc.m_bValid, 0) << "a cancelled first opening must not let the view draw";
}

TEST_F(SettingsDialogTest, CancelKeepsAnEarlierPermissionToDraw)
{
    doc.m_bValid = 1;
    Open();
    Edit(IDC_WINDOW)->setText("7");
    dialog->OnCancel();
    EXPECT_EQ(doc.m_bValid, 1);
    EXPECT_EQ(doc.m_nWindow, 1);
}

// Beside the number of the function its caption, cut to the room the box
// leaves and whole in the tooltip, following the number as it is typed.
TEST_F(SettingsDialogTest, TheFunctionsCaptionFollowsItsNumber)
{
    Open();
    auto* caption = static_cast<QLabel*>(dialog->GetDlgItem(IDC_EXAMPLE_CAPTION));
    ASSERT_NE(caption, nullptr);
    const int room = caption->width();
    EXPECT_EQ(caption->toolTip(), "Y(x)=Exp(x)+Exp(-x)-2.0");
    for (const auto& [typed, full] : {std::pair{"9", "Sum of three shifted functions Y(x) = 1/(1+500*x*x)"},
                                      std::pair{"7", "Footstep"}, std::pair{"12", ""}, std::pair{"x", ""}}) {
        Edit(IDC_EXAMPLE)->setText(typed);
        EXPECT_EQ(caption->toolTip(), full) << typed;
        EXPECT_EQ(caption->width(), room) << "the caption stays beside the field";
        EXPECT_LE(caption->fontMetrics().horizontalAdvance(caption->text()), room) << typed;
    }
    EXPECT_EQ(static_cast<QLabel*>(dialog->GetDlgItem(IDC_EXAMPLE_CAPTION))->text(), "");
}
