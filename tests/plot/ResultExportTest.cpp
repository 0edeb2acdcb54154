// The exported picture, rendered through the surface over QPainter on Qt's
// offscreen platform: the file is written, it shows the curves in their
// colours, and a file that cannot be written is reported by name.

#include "engine/CSplineEngine.h"
#include "model/SplnDocData.h"
#include "model/SplnSettings.h"
#include "plot/ResultExport.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

using namespace spln;

namespace {

namespace fs = std::filesystem;

struct ColourCounts {
    int green = 0;
    int blue = 0;
    int red = 0;
    int black = 0;
};

ColourCounts CountColours(const QImage& image)
{
    ColourCounts counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
            counts.green += (r == 0 && g == 255 && b == 0) ? 1 : 0;
            counts.blue += (r == 0 && g == 0 && b == 255) ? 1 : 0;
            counts.red += (r == 255 && g == 0 && b == 0) ? 1 : 0;
            counts.black += (r == 0 && g == 0 && b == 0) ? 1 : 0;
        }
    }
    return counts;
}

struct ExportFixture : ::testing::Test {
    ExportFixture()
    {
        dir = fs::temp_directory_path() / ("spln-export-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    ~ExportFixture() override { fs::remove_all(dir); }

    void RunExample(int example)
    {
        settings.m_nExample = example;
        settings.m_nMethod = 0;
        CopySettingsForRun(settings, *engine);
        engine->Run();
    }

    fs::path dir;
    CSplnSettings settings;
    std::unique_ptr<CSplineEngine> engine = std::make_unique<CSplineEngine>();
};

TEST_F(ExportFixture, APngOfTheFootstepShowsGridDataExactCurveAndApproximation)
{
    settings.m_dAmplitude = 0.2;  // without noise the blue exact curve covers the green data
    RunExample(7);
    const fs::path file = dir / "footstep.png";
    std::string error;
    ASSERT_TRUE(ExportResultPicture(settings, *engine, PictureFormat::Png, file.string(), 800, 600, &error)) << error;
    QImage image(QString::fromStdString(file.string()));
    ASSERT_EQ(image.width(), 800);
    ASSERT_EQ(image.height(), 600);
    const ColourCounts counts = CountColours(image);
    EXPECT_GT(counts.green, 100);
    EXPECT_GT(counts.blue, 100);  // the exact curve (and the blue texts)
    EXPECT_GT(counts.red, 300);
    EXPECT_GT(counts.black, 1000);  // the grid
    // The report line sits in the lowest band of the picture, inside it.
    bool textNearBottom = false;
    for (int y = 560; y < 600; ++y)
        for (int x = 100; x < 700; ++x)
            textNearBottom = textNearBottom || qBlue(image.pixel(x, y)) > qRed(image.pixel(x, y)) + 100;
    EXPECT_TRUE(textNearBottom);
}

TEST_F(ExportFixture, TheFileSourceHasNoBlueCurve)
{
    const fs::path sig = dir / "sig.dat";
    {
        std::ofstream out(sig);
        for (int i = 0; i < 4501; ++i)
            out << (i % 450) * 0.01 - 2.0 << (i % 10 == 9 ? '\n' : ' ');
    }
    std::snprintf(engine->m_szDataPath, sizeof engine->m_szDataPath, "%s", sig.string().c_str());
    settings.m_nSource = 1;
    RunExample(7);
    ASSERT_EQ(engine->m_eFailure, spln::RunFailure::None);

    const fs::path file = dir / "data.png";
    std::string error;
    ASSERT_TRUE(ExportResultPicture(settings, *engine, PictureFormat::Png, file.string(), 640, 480, &error)) << error;
    const ColourCounts counts = CountColours(QImage(QString::fromStdString(file.string())));
    EXPECT_GT(counts.green, 100);
    EXPECT_GT(counts.red, 100);
    // Only the exponent boxes' texts and the title are blue.
    EXPECT_LT(counts.blue, 200);
}

TEST_F(ExportFixture, SvgAndPdfFilesAreWritten)
{
    RunExample(2);
    std::string error;
    const fs::path svg = dir / "picture.svg";
    ASSERT_TRUE(ExportResultPicture(settings, *engine, PictureFormat::Svg, svg.string(), 800, 600, &error)) << error;
    QFile svgFile(QString::fromStdString(svg.string()));
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svgText = svgFile.readAll();
    EXPECT_TRUE(svgText.contains("<svg"));
    EXPECT_TRUE(svgText.contains("Y(x)=Cos(4.7*Sin(pi/2*x))"));
    EXPECT_TRUE(svgText.contains("#ff0000"));

    const fs::path pdf = dir / "picture.pdf";
    ASSERT_TRUE(ExportResultPicture(settings, *engine, PictureFormat::Pdf, pdf.string(), 800, 600, &error)) << error;
    QFile pdfFile(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.read(5).startsWith("%PDF-"));
    EXPECT_GT(fs::file_size(pdf), 1000u);
}

TEST_F(ExportFixture, AFileThatCannotBeWrittenOrAnUnusableSizeIsReportedByName)
{
    RunExample(1);
    const std::string missing = (dir / "no-such-dir" / "out.png").string();
    const std::string folder = (dir / "taken.png").string();
    fs::create_directory(folder);
    for (PictureFormat format : {PictureFormat::Png, PictureFormat::Svg, PictureFormat::Pdf}) {
        for (const std::string& path : {missing, folder}) {
            std::string error;
            EXPECT_FALSE(ExportResultPicture(settings, *engine, format, path, 800, 600, &error));
            EXPECT_NE(error.find("\"" + path + "\""), std::string::npos) << error;
        }
    }
    EXPECT_TRUE(fs::is_empty(folder)) << "the folder is left as it was";
    std::string error;
    const std::string path = (dir / "zero.png").string();
    for (const auto& [width, height] : {std::pair(0, 600), std::pair(800, kMaxPictureSide + 1)}) {
        EXPECT_FALSE(ExportResultPicture(settings, *engine, PictureFormat::Png, path, width, height, &error));
        EXPECT_NE(error.find(path), std::string::npos);
        EXPECT_NE(error.find("1.." + std::to_string(kMaxPictureSide)), std::string::npos) << error;
        EXPECT_FALSE(fs::exists(path));
    }
}

}  // namespace

TEST_F(ExportFixture, APixelRatioSharpensThePngAndAPictureTooLargeForItIsRefused)
{
    RunExample(7);
    PlotOptions options;
    options.pixelRatio = 2.0;
    QByteArray bytes;
    ASSERT_TRUE(EncodeResultPicture(settings, *engine, PictureFormat::Png, 400, 300, &bytes, nullptr, options));
    const QImage sharp = QImage::fromData(bytes, "PNG");
    EXPECT_EQ(sharp.size(), QSize(800, 600));
    // The same picture, twice as fine: about four times the curve pixels.
    const QImage plain = RenderResultImage(settings, *engine, 400, 300);
    EXPECT_GT(CountColours(sharp).red, 3 * CountColours(plain).red / 2);

    std::string reason;
    EXPECT_FALSE(EncodeResultPicture(settings, *engine, PictureFormat::Png, 6000, 300, &bytes, &reason, options));
    EXPECT_NE(reason.find("12000x600"), std::string::npos) << reason;
}

TEST_F(ExportFixture, PreciseCurvesCarryCoordinatesThatAreNotWholeUnits)
{
    RunExample(3);
    const auto fractionalPoints = [this](bool precise) {
        PlotOptions options;
        options.preciseCurves = precise;
        QByteArray svg;
        EXPECT_TRUE(EncodeResultPicture(settings, *engine, PictureFormat::Svg, 800, 600, &svg, nullptr, options));
        // Count the coordinates of the polylines that have a fractional part.
        int fractional = 0;
        for (const QByteArray& piece : svg.split('"')) {
            if (piece.isEmpty() || !(piece[0] >= '0' && piece[0] <= '9'))
                continue;
            for (const QByteArray& pair : piece.split(' '))
                fractional += pair.contains('.') && pair.contains(',') ? 1 : 0;
        }
        return fractional;
    };
    EXPECT_EQ(fractionalPoints(false), 0) << "the default keeps whole hundredths of an inch";
    EXPECT_GT(fractionalPoints(true), 1000) << "three curves of 640 points, hardly any on whole units";
}
