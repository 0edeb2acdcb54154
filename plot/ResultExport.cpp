#include "plot/ResultExport.h"

#include "app/DocFunctions.h"
#include "app/SplnDocData.h"
#include "engine/CSplineEngine.h"
#include "platform/QtDC.h"
#include "plot/ResultPicture.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace {

constexpr int kScreenDpi = 96;
constexpr int kMaxPictureSide = 20000;
constexpr int kPointsPerRun = 640;

// The document as after an accepted Run with these settings.
CSplnDocData DocumentFor(const CSplnSettings& settings, const CSplineEngine& engine)
{
    CSplnDocData doc;
    static_cast<CSplnSettings&>(doc) = settings;
    doc.m_nCount = kPointsPerRun;
    doc.ResizeArrays(kPointsPerRun);
    doc.m_dLength = 2.0;
    doc.m_nFuncIndex = settings.m_nExample - 1;
    doc.m_strCaption = doc::Caption(doc.m_nFuncIndex);
    doc.m_bValid = 1;
    // As the view does after its run.
    doc.m_nCount = engine.m_nPoints;
    return doc;
}

struct PenSet {
    PenSet()
    {
        frame.CreatePen(PS_SOLID, 1, kFramePenColour);
        exact.CreatePen(PS_SOLID, 1, kExactPenColour);
        data.CreatePen(PS_SOLID, 1, kDataPenColour);
        approx.CreatePen(PS_SOLID, 1, kApproxPenColour);
    }
    ResultPens Pens() { return {&frame, &exact, &data, &approx}; }
    CPen frame, exact, data, approx;
};

void Paint(QPainter& painter, int width, int height, CSplnDocData& doc, CSplineEngine& engine)
{
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    QtDC dc(painter);
    SetHundredthInchMapping(dc);
    PenSet pens;
    DrawResultPicture(dc, CRect{0, 0, width, height}, doc, engine, pens.Pens());
}

bool Fail(std::string* error, const std::string& message)
{
    if (error != nullptr)
        *error = message;
    return false;
}

std::string CannotWrite(const std::string& path, const QString& reason)
{
    std::string message = "Cannot write the picture file \"" + path + "\"";
    if (!reason.isEmpty())
        message += ": " + reason.toStdString();
    return message;
}

bool WritePng(const std::string& path, int width, int height, CSplnDocData& doc, CSplineEngine& engine,
              std::string* error)
{
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return Fail(error, CannotWrite(path, "not enough memory for the picture"));
    const int dotsPerMeter = static_cast<int>(std::lround(kScreenDpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    {
        QPainter painter(&image);
        Paint(painter, width, height, doc, engine);
    }
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return Fail(error, CannotWrite(path, file.errorString()));
    if (!image.save(&file, "PNG"))
        return Fail(error, CannotWrite(path, file.errorString()));
    return true;
}

bool WriteSvg(const std::string& path, int width, int height, CSplnDocData& doc, CSplineEngine& engine,
              std::string* error)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return Fail(error, CannotWrite(path, file.errorString()));
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(QSize(width, height));
    generator.setViewBox(QRect(0, 0, width, height));
    generator.setResolution(kScreenDpi);
    generator.setTitle(QString::fromStdString(doc.m_nSource != 0 ? std::string("Data") : doc.m_strCaption));
    QPainter painter;
    if (!painter.begin(&generator))
        return Fail(error, CannotWrite(path, "the SVG painter could not start"));
    Paint(painter, width, height, doc, engine);
    painter.end();
    if (file.error() != QFileDevice::NoError)
        return Fail(error, CannotWrite(path, file.errorString()));
    return true;
}

bool WritePdf(const std::string& path, int width, int height, CSplnDocData& doc, CSplineEngine& engine,
              std::string* error)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return Fail(error, CannotWrite(path, file.errorString()));
    QPdfWriter writer(&file);
    writer.setResolution(kScreenDpi);
    writer.setPageLayout(QPageLayout(
        QPageSize(QSizeF(static_cast<double>(width) / kScreenDpi, static_cast<double>(height) / kScreenDpi),
                  QPageSize::Inch, QString(), QPageSize::ExactMatch),
        QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer))
        return Fail(error, CannotWrite(path, "the PDF painter could not start"));
    Paint(painter, width, height, doc, engine);
    painter.end();
    if (file.error() != QFileDevice::NoError)
        return Fail(error, CannotWrite(path, file.errorString()));
    return true;
}

}  // namespace

void EnsureGuiApplication(int& argc, char** argv)
{
    if (QGuiApplication::instance() != nullptr)
        return;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Deliberately never destroyed: it serves until the process ends.
    new QGuiApplication(argc, argv);
}

bool ExportResultPicture(const CSplnSettings& settings, CSplineEngine& engine, PictureFormat format,
                         const std::string& path, int width, int height, std::string* error)
{
    if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide) {
        return Fail(error, "Cannot write the picture file \"" + path + "\": the size " + std::to_string(width) +
                               "x" + std::to_string(height) + " is outside 1.." +
                               std::to_string(kMaxPictureSide) + " pixels a side");
    }
    static int argc = 1;
    static char name[] = "spln";
    static char* argv[] = {name, nullptr};
    EnsureGuiApplication(argc, argv);

    CSplnDocData doc = DocumentFor(settings, engine);
    switch (format) {
    case PictureFormat::Png: return WritePng(path, width, height, doc, engine, error);
    case PictureFormat::Svg: return WriteSvg(path, width, height, doc, engine, error);
    case PictureFormat::Pdf: return WritePdf(path, width, height, doc, engine, error);
    }
    return Fail(error, CannotWrite(path, "unknown picture format"));
}
