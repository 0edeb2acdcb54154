// Spline > Keep and the comparison dock: kept approximations drawn in their
// own pens, named from what differs, shown, hidden, renamed and removed.

#include "ShellTestSupport.h"

#include "app/CComparisonPanel.h"
#include "model/ExperimentFile.h"
#include "model/SettingsRecord.h"
#include "res/CommandIds.h"

#include <QClipboard>
#include <QFile>
#include <QTableWidget>

namespace {

using namespace spln::res;

// Pixels of the view in a kept approximation's colour.
int PixelsOf(QWidget& view, QColor colour)
{
    view.resize(640, 480);
    const QImage shot = view.grab().toImage();
    int count = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            count += shot.pixelColor(x, y) == colour ? 1 : 0;
    return count;
}

}  // namespace

TEST_F(ShellTest, KeptApproximationsAreDrawnListedHiddenRenamedAndRemoved)
{
    ASSERT_TRUE(Start());
    EXPECT_FALSE(ActionOf(ID_SPLINE_KEEP)->isEnabled());
    RunAccepted();
    View().repaint();
    ASSERT_TRUE(ActionOf(ID_SPLINE_KEEP)->isEnabled());
    const QColor firstPen(255, 128, 0);
    EXPECT_EQ(PixelsOf(View(), firstPen), 0);
    Choose(ID_SPLINE_KEEP);

    CSplnSettings lsq = Doc().AcceptedSettings();
    lsq.m_nMethod = 1;
    lsq.m_nLsqCount = 51;
    Doc().ChangeSettings(lsq, QStringLiteral("change"));
    View().repaint();
    Choose(ID_SPLINE_KEEP);
    ASSERT_EQ(Doc().m_arrKept.size(), 2u);
    EXPECT_GT(PixelsOf(View(), firstPen), 20) << "the first kept curve is not drawn";

    CComparisonPanel* panel = Frame().findChild<CComparisonPanel*>();
    ASSERT_NE(panel, nullptr);
    QTableWidget& table = *panel->Table();
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.item(0, 0)->text(), QStringLiteral("schwarz 51"));
    EXPECT_EQ(table.item(1, 0)->text(), QStringLiteral("same"));

    table.item(0, 0)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(Doc().m_arrKept[0].shown);
    EXPECT_EQ(PixelsOf(View(), firstPen), 0) << "a hidden curve is drawn";
    table.item(1, 0)->setText(QStringLiteral("least squares"));
    EXPECT_EQ(Doc().m_arrKept[1].ownName, "least squares");

    panel->CopyTable();
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QStringLiteral("\"least squares\",\"example=1 method=lsq")));

    table.selectRow(0);
    panel->RemoveSelected();
    ASSERT_EQ(Doc().m_arrKept.size(), 1u);
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.item(0, 0)->text(), QStringLiteral("least squares"));

    messages.replies = {IDNO};  // not saved
    Choose(ID_FILE_NEW);
    EXPECT_TRUE(Doc().m_arrKept.empty());
    EXPECT_EQ(table.rowCount(), 0);
}

// A saved experiment keeps its kept approximations: reopened, each is run
// again from its settings, and with a noise seed it draws the same curve. A
// kept entry the file cannot read refuses the file and leaves the open ones.
TEST_F(ShellTest, KeptApproximationsAreSavedAndOpenedAgain)
{
    ASSERT_TRUE(Start());
    RunAccepted();
    CSplnSettings noisy = Doc().AcceptedSettings();
    noisy.m_dAmplitude = 0.1;
    noisy.m_nNoiseSeed = 11;
    Doc().ChangeSettings(noisy, QStringLiteral("noisy"));
    View().repaint();
    Choose(ID_SPLINE_KEEP);
    noisy.m_nWindow = 8;
    Doc().ChangeSettings(noisy, QStringLiteral("window"));
    View().repaint();
    Choose(ID_SPLINE_KEEP);
    ASSERT_EQ(Doc().m_arrKept.size(), 2u);
    Doc().m_arrKept[0].shown = false;
    Doc().m_arrKept[1].ownName = "wide";
    const std::vector<spln::KeptApproximation> kept = Doc().m_arrKept;

    answers = {PathIn("kept.spl")};
    Choose(ID_FILE_SAVE_AS);
    EXPECT_FALSE(Doc().IsModified());
    Doc().m_arrKept[1].ownName = "wider";
    Doc().NotifySettingsChanged();
    EXPECT_TRUE(Doc().IsModified()) << "a renamed kept approximation would be lost unasked";
    Doc().m_arrKept[1].ownName = "wide";
    Doc().NotifySettingsChanged();
    EXPECT_FALSE(Doc().IsModified());
    const QString bad = PathIn("bad.spl");
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Spln experiment 1\n[kept]\nwindow = 0\n");
    file.close();
    EXPECT_EQ(App().OpenDocumentFile(bad), nullptr);
    ASSERT_FALSE(messages.texts.empty());
    EXPECT_EQ(messages.texts.back(), bad + ", line 3: window = 0: Please enter an integer between 1 and 500.");
    EXPECT_EQ(Doc().m_arrKept.size(), 2u);

    Choose(ID_FILE_NEW);
    ASSERT_TRUE(Doc().m_arrKept.empty());
    ASSERT_NE(App().OpenDocumentFile(PathIn("kept.spl")), nullptr);
    ASSERT_EQ(Doc().m_arrKept.size(), kept.size());
    for (std::size_t k = 0; k < kept.size(); ++k) {
        const spln::KeptApproximation& read = Doc().m_arrKept[k];
        EXPECT_TRUE(spln::SameSettings(read.settings, kept[k].settings)) << k;
        EXPECT_EQ(read.ownName, kept[k].ownName) << k;
        EXPECT_EQ(read.shown, kept[k].shown) << k;
        EXPECT_EQ(read.approx, kept[k].approx) << k;
        EXPECT_EQ(read.interiorError, kept[k].interiorError) << k;
    }
    CComparisonPanel* panel = Frame().findChild<CComparisonPanel*>();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Table()->rowCount(), 2);
    EXPECT_EQ(panel->Table()->item(1, 0)->text(), QStringLiteral("wide"));
}
