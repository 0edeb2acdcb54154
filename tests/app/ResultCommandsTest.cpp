// Export Picture, Export Data and Copy: enabled only while a picture is shown,
// the numbers of the picture last shown byte for byte as spln-cli writes them,
// the picture type by extension or filter, and failures named in a message.

#include "ShellTestSupport.h"

#include "app/Engines.h"
#include "engine/CSplineEngine.h"
#include "platform/PictureSizeDialog.h"
#include "platform/SaveFileDialog.h"
#include "res/CommandIds.h"

#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>

#include <map>

namespace {

using namespace spln;
using namespace spln::res;

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The application with a picture shown; the save dialog answers with `typed`,
// the picture-size dialog gets `sizeTyped` typed into its fields and OK
// pressed (Cancel with `sizeCancelled`).
class ResultCommandsTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        m_previousHook = SetSaveFileHook([this](const QString&, const QString&, const QStringList&) { return typed; });
        m_previousSizeHook = SetPictureSizeHook([this](QDialog& dialog) {
            sizeShown.clear();
            for (const QLineEdit* field : dialog.findChildren<QLineEdit*>())
                sizeShown[field->objectName()] = field->text();
            for (const auto& [name, text] : sizeTyped)
                if (auto* field = dialog.findChild<QLineEdit*>(name))
                    field->setText(text);
            dialog.findChild<QDialogButtonBox*>()
                ->button(sizeCancelled ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok)
                ->click();
        });
        ASSERT_TRUE(Start());
        RunAccepted();
    }
    void TearDown() override
    {
        SetSaveFileHook(m_previousHook);
        SetPictureSizeHook(m_previousSizeHook);
        ShellTest::TearDown();
    }

    SaveFileAnswer typed;                  // the path as typed and the filter chosen
    std::map<QString, QString> sizeTyped;  // by field name
    bool sizeCancelled = false;
    std::map<QString, QString> sizeShown;  // the fields as the dialog opened

private:
    SaveFileHook m_previousHook;
    PictureSizeHook m_previousSizeHook;
};

}  // namespace

TEST_F(ResultCommandsTest, DataAreThoseOfThePictureShownAsTheCommandLineWritesThem)
{
    Doc().m_nExample = 9;
    Doc().m_nFuncIndex = 8;
    Doc().m_nMethod = 1;
    InkInView();
    for (const QString format : {"csv", "json"}) {
        typed = {PathIn("numbers"), format == "csv" ? 0 : 1};
        Choose(ID_FILE_EXPORT_DATA);
        QProcess cli;
        cli.start(QStringLiteral(SPLN_CLI_PATH), {"--example", "9", "--method", "lsq", "--" + format, "-"});
        ASSERT_TRUE(cli.waitForFinished(20000));
        EXPECT_EQ(ReadAll(PathIn("numbers." + format)), cli.readAllStandardOutput()) << format.toStdString();
    }

    // A printed page and the export both keep to the picture the window
    // showed last: neither runs the engine again.
    Doc().m_dAmplitude = 0.2;
    InkInView();
    const std::vector<double> shown(ViewEngine().m_dData, ViewEngine().m_dData + 640);
    QImage page = LetterPage(100);
    CPrintInfo info;
    ASSERT_EQ(View().PrintPages(page, info), 1);
    typed = {PathIn("noisy.csv"), 1};
    Choose(ID_FILE_EXPORT_DATA);
    const QList<QByteArray> rows = ReadAll(PathIn("noisy.csv")).split('\n');
    ASSERT_EQ(rows.size(), 642);
    int redrawn = 0;
    for (int i = 0; i < 640; ++i) {
        EXPECT_EQ(rows[i + 1].split(',')[1].toDouble(), shown[static_cast<std::size_t>(i)]) << i;
        redrawn += ViewEngine().m_dData[i] != shown[static_cast<std::size_t>(i)];
    }
    EXPECT_EQ(redrawn, 0) << "the printed page drew no new noise";
}

TEST_F(ResultCommandsTest, PictureTypeByExtensionElseFilterAndFailuresNamed)
{
    View().resize(500, 360);
    InkInView();
    View().resize(500, 360);
    QDir(PathIn(".")).mkdir("taken.png");
    const struct {
        QString typed;
        int filter;
        QString written;  // the file and its first bytes, or the message
        QByteArray start;
    } cases[] = {
        {"a", 0, "a.png", "\x89PNG"},
        {"b", 1, "b.svg", "<?xml"},
        {"c.PDF", 1, "c.PDF", "%PDF-"},
        {"d.txt", 1, "d.txt.svg", "<?xml"},
        {"taken.png", 0, "", "could not be written: it is a folder."},
        {"missing/e.pdf", 0, "",
         QStringLiteral("could not be written: the folder \"%1\" does not exist.").arg(PathIn("missing")).toUtf8()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        messages.texts.clear();
        typed = {PathIn(c.typed), c.filter};
        Choose(ID_FILE_EXPORT_PICTURE);
        if (!c.written.isEmpty()) {
            EXPECT_TRUE(ReadAll(PathIn(c.written)).startsWith(c.start));
            EXPECT_TRUE(messages.texts.empty());
        } else {
            ASSERT_EQ(messages.texts.size(), 1u);
            EXPECT_EQ(messages.texts[0], "The file \"" + PathIn(c.typed) + "\" " + c.start);
        }
    }
    EXPECT_EQ(QImage(PathIn("a.png")).size(), QSize(500, 360)) << "the window's size in pixels";
    EXPECT_TRUE(ReadAll(PathIn("b.svg")).contains("width=\"132.292mm\" height=\"95.25mm\"")) << "and on paper";
    EXPECT_TRUE(QDir(PathIn("taken.png")).isEmpty());
}

TEST_F(ResultCommandsTest, CopyPutsImageDrawingAndTableOnTheClipboardWhileAPictureIsShown)
{
    InkInView();
    Choose(ID_EDIT_COPY);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    const QImage image = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(image.size(), View().size());
    EXPECT_GT(CountColours(image).red, 50);
    EXPECT_TRUE(data->data("image/svg+xml").contains("<svg"));
    EXPECT_TRUE(data->text().startsWith("x,data,exact,approx,error\n"));
    EXPECT_EQ(data->text().count('\n'), 641);

    Doc().m_nSource = 1;  // no sig.dat here: the run fails and shows a message
    ASSERT_GT(InkInView(), 0);
    for (unsigned id : {ID_FILE_EXPORT_PICTURE, ID_FILE_EXPORT_DATA, ID_EDIT_COPY})
        EXPECT_FALSE(ActionOf(id)->isEnabled()) << id;
    EXPECT_FALSE(Frame().Commands().Execute(ID_FILE_EXPORT_DATA));
}

TEST_F(ResultCommandsTest, ErrorCurveIsExportedAsTheCommandLineDrawsItAndTogglingItDrawsNoNewNoise)
{
    InkInView();
    for (const QString mode : {"signed", "log"}) {
        SCOPED_TRACE(mode.toStdString());
        // Error Curve shows the panel signed; its log10 check changes the scale.
        Choose(mode == "signed" ? res::ID_VIEW_ERROR_CURVE : res::ID_VIEW_ERROR_LOG);
        EXPECT_EQ(View().PlotOptions().errorPanel, mode == "signed" ? ErrorPanelMode::Signed : ErrorPanelMode::Log);
        typed = {PathIn("panel-" + mode + ".png"), 0};
        Choose(ID_FILE_EXPORT_PICTURE);
        QProcess cli;
        cli.start(QStringLiteral(SPLN_CLI_PATH),
                  {"--size", "640x480", "--error-panel", mode, "--png", PathIn("cli-" + mode + ".png")});
        ASSERT_TRUE(cli.waitForFinished(20000));
        const QByteArray exported = ReadAll(PathIn("panel-" + mode + ".png"));
        EXPECT_FALSE(exported.isEmpty());
        EXPECT_EQ(exported, ReadAll(PathIn("cli-" + mode + ".png")));
    }

    Doc().m_dAmplitude = 0.2;
    InkInView();
    const std::vector<double> shown(View().ShownEngine().m_dData, View().ShownEngine().m_dData + 640);
    Choose(res::ID_VIEW_ERROR_CURVE);  // hides the panel again
    EXPECT_EQ(View().PlotOptions().errorPanel, ErrorPanelMode::Off);
    View().grab();
    EXPECT_TRUE(std::equal(shown.begin(), shown.end(), View().ShownEngine().m_dData)) << "the kept run redrawn";
}

TEST_F(ResultCommandsTest, PictureSizeAskedDefaultsToTheWindowAndReachesTheFile)
{
    View().resize(500, 360);
    InkInView();
    View().resize(500, 360);
    typed = {PathIn("window.png"), 0};
    Choose(ID_FILE_EXPORT_PICTURE);
    EXPECT_EQ(sizeShown, (std::map<QString, QString>{{"width", "500"}, {"height", "360"}, {"pixelRatio", "1"}}));
    EXPECT_EQ(QImage(PathIn("window.png")).size(), QSize(500, 360));

    // A chosen size and ratio give the bytes the command line writes for them.
    sizeTyped = {{"width", "300"}, {"height", " 200"}, {"pixelRatio", "2"}};
    typed = {PathIn("sharp.png"), 0};
    Choose(ID_FILE_EXPORT_PICTURE);
    QProcess cli;
    cli.start(QStringLiteral(SPLN_CLI_PATH), {"--size", "300x200", "--scale", "2", "--png", PathIn("cli.png")});
    ASSERT_TRUE(cli.waitForFinished(20000));
    EXPECT_EQ(QImage(PathIn("sharp.png")).size(), QSize(600, 400));
    EXPECT_EQ(ReadAll(PathIn("sharp.png")), ReadAll(PathIn("cli.png")));

    // A drawing has no pixels: no ratio is asked, the size is its page.
    typed = {PathIn("drawing.svg"), 1};
    Choose(ID_FILE_EXPORT_PICTURE);
    EXPECT_EQ(sizeShown.count("pixelRatio"), 0u);
    EXPECT_TRUE(ReadAll(PathIn("drawing.svg")).contains("viewBox=\"0 0 300 200\""));

    const struct {
        std::map<QString, QString> typed;
        QString message;  // empty: cancelled
    } refused[] = {
        {{{"width", "0"}}, "The width must be a whole number of pixels from 1 to 10000."},
        {{{"width", "12.5"}}, "The width must be a whole number of pixels from 1 to 10000."},
        {{{"height", "10001"}}, "The height must be a whole number of pixels from 1 to 10000."},
        {{{"height", "tall"}}, "The height must be a whole number of pixels from 1 to 10000."},
        {{{"pixelRatio", "0.25"}}, "The pixel ratio must be a number from 0.5 to 4."},
        {{{"pixelRatio", "inf"}}, "The pixel ratio must be a number from 0.5 to 4."},
        {{{"width", "4000"}, {"pixelRatio", "3"}},
         "At pixel ratio 3 the image would be 12000 pixels long; the largest is 10000 pixels a side. Choose a "
         "smaller size or ratio."},
        {{}, ""},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.message.toStdString());
        messages.texts.clear();
        sizeTyped = r.typed;
        sizeCancelled = r.message.isEmpty();
        typed = {PathIn("refused.png"), 0};
        Choose(ID_FILE_EXPORT_PICTURE);
        EXPECT_FALSE(QFile::exists(PathIn("refused.png")));
        EXPECT_EQ(messages.texts, r.message.isEmpty() ? std::vector<QString>{} : std::vector<QString>{r.message});
    }
}
