// The dialog base and its data exchange, on a small dialog of their own:
// loading, storing with ranges, the stop at the first failing field with the
// focus on it, and the ways a modal dialog ends.

#include "platform/CDialog.h"
#include "platform/DDX.h"
#include "platform/DialogBuilder.h"
#include "tests/platform/UiTestSupport.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace spln;

namespace {

constexpr int kChoiceA = 100, kChoiceB = 101, kCount = 200, kValue = 201, kOther = 202, kCountLabel = 300;

constexpr ControlTemplate kControls[] = {
    {IDOK, ControlKind::DefPushButton, "OK", 150, 5, 50, 14, kTabStop, 0},
    {IDCANCEL, ControlKind::PushButton, "Cancel", 150, 25, 50, 14, kTabStop, 0},
    {kChoiceA, ControlKind::RadioButton, "&Alpha", 5, 5, 50, 10, kGroupStart, 0},
    {kChoiceB, ControlKind::RadioButton, "&Beta", 5, 18, 50, 10, 0, 0},
    {kCountLabel, ControlKind::Label, "&Count", 5, 35, 40, 8, kGroupStart, kCount},
    {kCount, ControlKind::Edit, nullptr, 60, 35, 40, 14, kTabStop, 0},
    {kValue, ControlKind::Edit, nullptr, 60, 52, 40, 14, kTabStop, 0},
    {kOther, ControlKind::Edit, nullptr, 60, 69, 40, 14, kTabStop, 0},
};
constexpr DialogTemplate kTemplate = {500, "Exchange", 210, 90, "MS Sans Serif", 8, kControls, 8};

class ExchangeDlg : public CDialog {
public:
    ExchangeDlg() : CDialog(kTemplate) {}

    int m_nChoice = 1;
    int m_nCount = 5;
    double m_dValue = 0.25;
    int m_nOther = 3;
    int m_nCompleted = 0;  // exchanges that ran to the end

    QLineEdit* Edit(int id) const { return static_cast<QLineEdit*>(GetDlgItem(id)); }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Radio(pDX, kChoiceA, m_nChoice);
        DDX_Text(pDX, kCount, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, 1, 10);
        DDX_Text(pDX, kValue, m_dValue);
        DDV_MinMaxDouble(pDX, m_dValue, -1.0, 0.5);
        DDX_Text(pDX, kOther, m_nOther);
        DDV_MinMaxInt(pDX, m_nOther, 0, 5);
        ++m_nCompleted;
    }
};

}  // namespace

TEST(DataExchange, LoadingFillsTheControls)
{
    ExchangeDlg dlg;
    dlg.m_dValue = 1.0 / 3.0;
    ASSERT_TRUE(dlg.Create());
    EXPECT_FALSE(static_cast<QRadioButton*>(dlg.GetDlgItem(kChoiceA))->isChecked());
    EXPECT_TRUE(static_cast<QRadioButton*>(dlg.GetDlgItem(kChoiceB))->isChecked());
    EXPECT_EQ(dlg.Edit(kCount)->text(), "5");
    EXPECT_EQ(dlg.Edit(kValue)->text(), "0.3333333333333333");
    EXPECT_EQ(dlg.m_nCompleted, 1);
}

TEST(DataExchange, RadioPositionOutsideTheGroupSelectsNothingAndStoresMinusOne)
{
    ExchangeDlg dlg;
    dlg.m_nChoice = 7;
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(dlg.GetRadioGroup(kChoiceA)->checkedButton(), nullptr);
    ASSERT_TRUE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.m_nChoice, -1);
}

TEST(DataExchange, StoringReadsEveryField)
{
    ExchangeDlg dlg;
    ASSERT_TRUE(dlg.Create());
    static_cast<QRadioButton*>(dlg.GetDlgItem(kChoiceA))->setChecked(true);
    dlg.Edit(kCount)->setText(" 10 ");
    dlg.Edit(kValue)->setText("-1e-1");
    dlg.Edit(kOther)->setText("0");
    CapturedMessages messages;
    ASSERT_TRUE(dlg.UpdateData(true));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(dlg.m_nChoice, 0);
    EXPECT_EQ(dlg.m_nCount, 10);
    EXPECT_EQ(dlg.m_dValue, -0.1);
    EXPECT_EQ(dlg.m_nOther, 0);
}

struct FailingEntry {
    int field;
    const char* text;
    const char* message;
};

void PrintTo(const FailingEntry& entry, std::ostream* os)
{
    *os << "field " << entry.field << " '" << entry.text << "'";
}

class FailedExchange : public ::testing::TestWithParam<FailingEntry> {};

TEST_P(FailedExchange, StopsAtTheFieldWithItsMessageAndFocus)
{
    const FailingEntry entry = GetParam();
    ExchangeDlg dlg;
    ASSERT_TRUE(dlg.Create());
    static_cast<QRadioButton*>(dlg.GetDlgItem(kChoiceA))->setChecked(true);
    dlg.Edit(kOther)->setText("4");
    dlg.Edit(entry.field)->setText(entry.text);
    const int completedBefore = dlg.m_nCompleted;

    CapturedMessages messages;
    EXPECT_FALSE(dlg.UpdateData(true));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], entry.message);
    EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(entry.field));
    EXPECT_EQ(dlg.m_nCompleted, completedBefore);
    EXPECT_EQ(dlg.m_nChoice, 0) << "fields before the failing one are stored";
    EXPECT_EQ(dlg.m_nOther, 3) << "fields after the failing one are not";
}

INSTANTIATE_TEST_SUITE_P(Entries, FailedExchange,
                         ::testing::Values(FailingEntry{kCount, "501.5", "Please enter an integer."},
                                           FailingEntry{kCount, "", "Please enter an integer."},
                                           FailingEntry{kCount, "0", "Please enter an integer between 1 and 10."},
                                           FailingEntry{kCount, "11", "Please enter an integer between 1 and 10."},
                                           FailingEntry{kValue, "half", "Please enter a number."},
                                           FailingEntry{kValue, "nan", "Please enter a number."},
                                           FailingEntry{kValue, "0.5000001",
                                                        "Please enter a number between -1 and 0.5."},
                                           FailingEntry{kValue, "-1.5", "Please enter a number between -1 and 0.5."}),
                         [](const ::testing::TestParamInfo<FailingEntry>& test) {
                             return "Field" + std::to_string(test.param.field) + "Case" + std::to_string(test.index);
                         });

TEST(DataExchange, BoundsThemselvesAreAccepted)
{
    ExchangeDlg dlg;
    ASSERT_TRUE(dlg.Create());
    for (const auto& [count, value] : {std::pair{"1", "-1"}, std::pair{"10", "0.5"}}) {
        dlg.Edit(kCount)->setText(count);
        dlg.Edit(kValue)->setText(value);
        CapturedMessages messages;
        EXPECT_TRUE(dlg.UpdateData(true)) << count << ' ' << value;
    }
}

TEST(Dialog, OkKeepsTheDialogOpenWhileAnEntryFails)
{
    ExchangeDlg dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.Edit(kCount)->setText("x");
    CapturedMessages messages;
    dlg.OnOK();
    EXPECT_TRUE(dlg.isVisible());
    dlg.Edit(kCount)->setText("2");
    dlg.OnOK();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.m_nCount, 2);
}

TEST(Dialog, ModalDialogEndsWithOkOrCancel)
{
    {
        ExchangeDlg dlg;
        QTimer::singleShot(0, &dlg, [&] { static_cast<QPushButton*>(dlg.GetDlgItem(IDOK))->click(); });
        EXPECT_EQ(dlg.DoModal(), IDOK);
    }
    {
        ExchangeDlg dlg;
        QTimer::singleShot(0, &dlg, [&] { static_cast<QPushButton*>(dlg.GetDlgItem(IDCANCEL))->click(); });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
    {
        ExchangeDlg dlg;
        QTimer::singleShot(0, &dlg, [&] { QTest::keyClick(&dlg, Qt::Key_Escape); });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
    {
        ExchangeDlg dlg;
        QTimer::singleShot(0, &dlg, [&] { dlg.close(); });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
}

TEST(Dialog, ModalDialogCanBeOpenedAgainAndLoadsAfresh)
{
    ExchangeDlg dlg;
    QTimer::singleShot(0, &dlg, [&] { static_cast<QPushButton*>(dlg.GetDlgItem(IDOK))->click(); });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    dlg.m_nCount = 9;
    QTimer::singleShot(0, &dlg, [&] {
        EXPECT_EQ(dlg.Edit(kCount)->text(), "9");
        dlg.close();
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST(DialogBuilder, DialogUnitsScaleWithTheFont)
{
    const DialogBaseUnits units{6, 13};
    EXPECT_EQ(DialogUnitsToPixels(0, 0, 416, 325, units), QRect(0, 0, 624, 528));
    // Edges are mapped, rounded to nearest: 359*6/4 = 538.5, 409*6/4 = 613.5, 15*13/8 = 24.375, 29*13/8 = 47.125.
    EXPECT_EQ(DialogUnitsToPixels(359, 15, 50, 14, units), QRect(539, 24, 75, 23));
}

TEST(DialogBuilder, BuildsControlsGroupsTabOrderAndBuddies)
{
    ExchangeDlg dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(dlg.windowTitle(), "Exchange");
    const DialogBaseUnits units = BaseUnitsOfFont(DialogFont(kTemplate));
    EXPECT_EQ(dlg.size(), DialogUnitsToPixels(0, 0, 210, 90, units).size());
    EXPECT_EQ(dlg.GetDlgItem(kCount)->geometry(), DialogUnitsToPixels(60, 35, 40, 14, units));
    EXPECT_TRUE(static_cast<QPushButton*>(dlg.GetDlgItem(IDOK))->isDefault());

    QButtonGroup* group = dlg.GetRadioGroup(kChoiceA);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->buttons().size(), 2);
    EXPECT_EQ(dlg.GetRadioGroup(kChoiceB), nullptr);

    EXPECT_EQ(static_cast<QLabel*>(dlg.GetDlgItem(kCountLabel))->buddy(), dlg.GetDlgItem(kCount));
    EXPECT_EQ(dlg.GetDlgItem(kCount)->nextInFocusChain(), dlg.GetDlgItem(kValue));
    EXPECT_EQ(dlg.GetDlgItem(kValue)->nextInFocusChain(), dlg.GetDlgItem(kOther));
}
