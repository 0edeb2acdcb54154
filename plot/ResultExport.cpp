// Writes the picture of a run to PNG, SVG or PDF without a display.

#include "plot/ResultExport.h"

#include "model/SplnDocData.h"
#include "engine/CSplineEngine.h"
#include "io/AtomicFile.h"
#include "platform/GuiApplication.h"
#include "platform/QtDC.h"
#include "plot/ResultPicture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace {

constexpr int kScreenDpi = 96;

// The document as after an accepted Run with these settings.
CSplnDocData DocumentFor(const CSplnSettings& settings, const CSplineEngine& engine)
{
    CSplnDocData doc;
    static_cast<CSplnSettings&>(doc) = settings;
    doc.SetUpForAcceptedRun();
    doc.m_bValid = 1;
    // As the view does after its run.
    doc.m_nCount = engine.m_nPoints;
    return doc;
}

// One picture to render: its size in pixels at 96 dpi and what it shows.
struct Picture {
    int width;
    int height;
    CSplnDocData& doc;
    CSplineEngine& engine;
};

void Paint(QPainter& painter, const Picture& picture)
{
    painter.fillRect(QRect(0, 0, picture.width, picture.height), Qt::white);
    QtDC dc(painter);
    SetHundredthInchMapping(dc);
    ResultPenSet pens;
    DrawResultPicture(dc, CRect{0, 0, picture.width, picture.height}, picture.doc, picture.engine, pens.Pens());
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

// Puts the finished bytes in place through a temporary file, so a failed
// write leaves an earlier file as it was.
bool WriteBytes(const std::string& path, const QByteArray& bytes, std::string* error)
{
    std::string reason;
    if (spln::WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                  &reason))
        return true;
    return Fail(error, CannotWrite(path, QString::fromStdString(reason)));
}

// Paints on a device that encodes the picture into buffer as it is painted
// (SVG, PDF).
bool PaintIntoBuffer(QPaintDevice& device, const std::string& path, const Picture& picture, std::string* error)
{
    QPainter painter;
    if (!painter.begin(&device))
        return Fail(error, CannotWrite(path, "the painter could not start on it"));
    Paint(painter, picture);
    painter.end();
    return true;
}

bool WritePng(const std::string& path, const Picture& picture, std::string* error)
{
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    if (image.isNull())
        return Fail(error, CannotWrite(path, "not enough memory for the picture"));
    const int dotsPerMeter = static_cast<int>(std::lround(kScreenDpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    {
        QPainter painter(&image);
        Paint(painter, picture);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return Fail(error, CannotWrite(path, "the PNG could not be encoded"));
    return WriteBytes(path, bytes, error);
}

bool WriteSvg(const std::string& path, const Picture& picture, std::string* error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(picture.width, picture.height));
        generator.setViewBox(QRect(0, 0, picture.width, picture.height));
        generator.setResolution(kScreenDpi);
        const CSplnDocData& doc = picture.doc;
        generator.setTitle(QString::fromStdString(doc.m_nSource != 0 ? std::string("Data") : doc.m_strCaption));
        if (!PaintIntoBuffer(generator, path, picture, error))
            return false;
    }
    return WriteBytes(path, bytes, error);
}

bool WritePdf(const std::string& path, const Picture& picture, std::string* error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kScreenDpi);
        const QSizeF inches(static_cast<double>(picture.width) / kScreenDpi,
                            static_cast<double>(picture.height) / kScreenDpi);
        writer.setPageLayout(QPageLayout(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                                         QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        if (!PaintIntoBuffer(writer, path, picture, error))
            return false;
    }
    return WriteBytes(path, bytes, error);
}

}  // namespace

bool ExportResultPicture(const CSplnSettings& settings, CSplineEngine& engine, PictureFormat format,
                         const std::string& path, int width, int height, std::string* error)
{
    if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide) {
        return Fail(error, "Cannot write the picture file \"" + path + "\": the size " + std::to_string(width) +
                               "x" + std::to_string(height) + " is outside 1.." +
                               std::to_string(kMaxPictureSide) + " pixels a side");
    }
    EnsureGuiApplication();

    CSplnDocData doc = DocumentFor(settings, engine);
    const Picture picture{width, height, doc, engine};
    switch (format) {
    case PictureFormat::Png: return WritePng(path, picture, error);
    case PictureFormat::Svg: return WriteSvg(path, picture, error);
    case PictureFormat::Pdf: return WritePdf(path, picture, error);
    }
    return Fail(error, CannotWrite(path, "unknown picture format"));
}
