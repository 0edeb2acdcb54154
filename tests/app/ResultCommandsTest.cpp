// Export Picture, Export Data and Copy: enabled only while a picture is shown,
// the numbers of the picture last drawn byte for byte as spln-cli writes them,
// each picture type by its filter or its extension, and failures that leave
// earlier files alone and say which file and why.

#include "test_shell_support.h"

#include "app/Engines.h"
#include "app/ResultCommands.h"
#include "engine/CSplineEngine.h"
#include "platform/SaveFileDialog.h"
#include "res/CommandIds.h"

#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QProcess>

namespace {

using namespace res;

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ResultCommandsTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        m_previousHook = SetSaveFileHook([this](const QString& title, const QString&, const QStringList& filters) {
            titles.push_back(title);
            lastFilters = filters;
            return typed;
        });
    }
    void TearDown() override
    {
        SetSaveFileHook(m_previousHook);
        ShellTest::TearDown();
    }

    // What the user types into the next save dialog and the filter chosen.
    SaveFileAnswer typed;
    std::vector<QString> titles;
    QStringList lastFilters;

private:
    SaveFileHook m_previousHook;
};

}  // namespace

TEST_F(ResultCommandsTest, EnabledWhileAPictureIsShown)
{
    ASSERT_TRUE(Start());
    const unsigned commands[] = {ID_FILE_EXPORT_PICTURE, ID_FILE_EXPORT_DATA, ID_EDIT_COPY};
    for (unsigned id : commands)
        EXPECT_FALSE(ActionOf(id)->isEnabled()) << id << " before the first Run";
    EXPECT_FALSE(Frame().Commands().Execute(ID_FILE_EXPORT_DATA));
    EXPECT_TRUE(titles.empty());

    RunAccepted();
    ASSERT_GT(InkInView(), 0);
    for (unsigned id : commands)
        EXPECT_TRUE(ActionOf(id)->isEnabled()) << id << " with a picture";

    // A run that cannot finish shows a message, not a picture.
    Doc().m_nSource = 1;  // no sig.dat in the test's folder
    InkInView();
    for (unsigned id : commands)
        EXPECT_FALSE(ActionOf(id)->isEnabled()) << id << " after a failed run";
}

TEST_F(ResultCommandsTest, DataAreThoseOfTheCommandLineForTheSameSettings)
{
    ASSERT_TRUE(Start());
    RunAccepted();
    Doc().m_nExample = 9;
    Doc().m_nFuncIndex = 8;
    Doc().m_nMethod = 1;
    InkInView();

    for (const char* format : {"csv", "json"}) {
        SCOPED_TRACE(format);
        typed = {PathIn(QStringLiteral("numbers.") + format), 0};
        Choose(ID_FILE_EXPORT_DATA);
        QProcess cli;
        cli.start(QStringLiteral(SPLN_CLI_PATH), {"--example", "9", "--method", "lsq", QStringLiteral("--") + format, "-"});
        ASSERT_TRUE(cli.waitForFinished(20000));
        ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        const QByteArray out = cli.readAllStandardOutput();
        EXPECT_EQ(ReadAll(typed.path), out);
    }
    EXPECT_EQ(lastFilters, (QStringList{"CSV table (*.csv)", "JSON data (*.json)"}));
    EXPECT_TRUE(messages.texts.empty());
}

// Every paint and every printed page runs again and draws new noise; the
// export keeps to the picture the window showed last.
TEST_F(ResultCommandsTest, NoisyDataAreThoseOfThePictureLastShown)
{
    ASSERT_TRUE(Start());
    RunAccepted();
    Doc().m_dAmplitude = 0.2;
    InkInView();
    const std::vector<double> shown(View().ShownEngine().m_dData, View().ShownEngine().m_dData + 640);

    QImage page = LetterPage(100);
    CPrintInfo info;
    ASSERT_EQ(View().PrintPages(page, info), 1);
    typed = {PathIn("noisy"), 0};
    Choose(ID_FILE_EXPORT_DATA);

    const QList<QByteArray> rows = ReadAll(PathIn("noisy.csv")).split('\n');
    ASSERT_GE(rows.size(), 641);
    int differing = 0;
    for (int i = 0; i < 640; ++i) {
        const double data = rows[i + 1].split(',')[1].toDouble();
        EXPECT_EQ(data, shown[static_cast<std::size_t>(i)]) << "row " << i;
        differing += ViewEngine().m_dData[i] != data;
    }
    EXPECT_GT(differing, 100) << "the printed page drew other noise";
}

TEST_F(ResultCommandsTest, PictureTypeFollowsTheExtensionElseTheFilter)
{
    ASSERT_TRUE(Start());
    RunAccepted();
    View().resize(500, 360);
    InkInView();
    View().resize(500, 360);
    const struct {
        QString typed;
        int filter;
        QString written;
        QByteArray magic;
    } cases[] = {
        {"a", 0, "a.png", "\x89PNG"},
        {"b", 1, "b.svg", "<?xml"},
        {"c", 2, "c.pdf", "%PDF-"},
        {"d.PDF", 0, "d.PDF", "%PDF-"},
        {"e.svg", 2, "e.svg", "<?xml"},
        {"f.txt", 1, "f.txt.svg", "<?xml"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        typed = {PathIn(c.typed), c.filter};
        Choose(ID_FILE_EXPORT_PICTURE);
        EXPECT_TRUE(ReadAll(PathIn(c.written)).startsWith(c.magic));
    }
    const QImage png(PathIn("a.png"));
    EXPECT_EQ(png.size(), QSize(500, 360)) << "the window's size in pixels";
    EXPECT_TRUE(ReadAll(PathIn("b.svg")).contains("width=\"132.292mm\" height=\"95.25mm\"")) << "the same size on paper";
    EXPECT_EQ(titles.back(), QStringLiteral("Export Picture"));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ResultCommandsTest, AFailedExportNamesTheFileAndLeavesItAlone)
{
    ASSERT_TRUE(Start());
    RunAccepted();
    InkInView();
    QDir(PathIn(".")).mkdir("taken.png");
    typed = {PathIn("taken.png"), 0};
    Choose(ID_FILE_EXPORT_PICTURE);
    typed = {PathIn("missing/numbers.csv"), 0};
    Choose(ID_FILE_EXPORT_DATA);
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(messages.texts[0],
              QStringLiteral("The file \"%1\" could not be written: it is a folder.").arg(PathIn("taken.png")));
    EXPECT_TRUE(messages.texts[1].contains(PathIn("missing/numbers.csv")));
    EXPECT_TRUE(messages.texts[1].contains("No such file or directory"));
    EXPECT_TRUE(QDir(PathIn("taken.png")).isEmpty());

    typed = {};  // Cancel writes nothing and says nothing
    Choose(ID_FILE_EXPORT_DATA);
    EXPECT_EQ(messages.texts.size(), 2u);
}

TEST_F(ResultCommandsTest, CopyPutsTheImageTheDrawingAndTheTableOnTheClipboard)
{
    ASSERT_TRUE(Start());
    RunAccepted();
    InkInView();
    Choose(ID_EDIT_COPY);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasImage());
    const QImage image = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(image.size(), View().size());
    const ColourCounts counts = CountColours(image);
    EXPECT_GT(counts.red, 50);
    EXPECT_GT(counts.blue, 50);
    EXPECT_TRUE(data->data("image/svg+xml").contains("<svg"));
    EXPECT_TRUE(data->text().startsWith("x,data,exact,approx\n"));
    EXPECT_EQ(data->text().count('\n'), 641);
}
