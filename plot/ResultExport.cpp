// Renders the picture of a run to PNG, SVG or PDF without a display.

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

QImage RenderImage(const Picture& picture)
{
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const int dotsPerMeter = static_cast<int>(std::lround(kScreenDpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    Paint(painter, picture);
    return image;
}

// Paints on a device that encodes the picture as it is painted (SVG, PDF).
bool PaintOnEncoder(QPaintDevice& device, const Picture& picture, std::string* reason)
{
    QPainter painter;
    if (!painter.begin(&device))
        return Fail(reason, "the painter could not start on it");
    Paint(painter, picture);
    painter.end();
    return true;
}

bool EncodePng(const Picture& picture, QBuffer& buffer, std::string* reason)
{
    const QImage image = RenderImage(picture);
    if (image.isNull())
        return Fail(reason, "not enough memory for the picture");
    if (!image.save(&buffer, "PNG"))
        return Fail(reason, "the PNG could not be encoded");
    return true;
}

bool EncodeSvg(const Picture& picture, QBuffer& buffer, std::string* reason)
{
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(picture.width, picture.height));
    generator.setViewBox(QRect(0, 0, picture.width, picture.height));
    generator.setResolution(kScreenDpi);
    const CSplnDocData& doc = picture.doc;
    generator.setTitle(QString::fromStdString(doc.m_nSource != 0 ? std::string("Data") : doc.m_strCaption));
    return PaintOnEncoder(generator, picture, reason);
}

bool EncodePdf(const Picture& picture, QBuffer& buffer, std::string* reason)
{
    QPdfWriter writer(&buffer);
    writer.setResolution(kScreenDpi);
    const QSizeF inches(static_cast<double>(picture.width) / kScreenDpi,
                        static_cast<double>(picture.height) / kScreenDpi);
    writer.setPageLayout(QPageLayout(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                                     QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    return PaintOnEncoder(writer, picture, reason);
}

bool UsableSize(int width, int height, std::string* reason)
{
    if (width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide)
        return true;
    return Fail(reason, "the size " + std::to_string(width) + "x" + std::to_string(height) + " is outside 1.." +
                            std::to_string(kMaxPictureSide) + " pixels a side");
}

}  // namespace

bool EncodeResultPicture(const CSplnSettings& settings, CSplineEngine& engine, PictureFormat format, int width,
                         int height, QByteArray* bytes, std::string* reason)
{
    if (!UsableSize(width, height, reason))
        return false;
    EnsureGuiApplication();
    CSplnDocData doc = DocumentFor(settings, engine);
    const Picture picture{width, height, doc, engine};
    bytes->clear();
    QBuffer buffer(bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (format) {
    case PictureFormat::Png: return EncodePng(picture, buffer, reason);
    case PictureFormat::Svg: return EncodeSvg(picture, buffer, reason);
    case PictureFormat::Pdf: return EncodePdf(picture, buffer, reason);
    }
    return Fail(reason, "unknown picture format");
}

QImage RenderResultImage(const CSplnSettings& settings, CSplineEngine& engine, int width, int height)
{
    if (!UsableSize(width, height, nullptr))
        return {};
    EnsureGuiApplication();
    CSplnDocData doc = DocumentFor(settings, engine);
    return RenderImage(Picture{width, height, doc, engine});
}

bool ExportResultPicture(const CSplnSettings& settings, CSplineEngine& engine, PictureFormat format,
                         const std::string& path, int width, int height, std::string* error)
{
    QByteArray bytes;
    std::string reason;
    if (EncodeResultPicture(settings, engine, format, width, height, &bytes, &reason) &&
        spln::WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                  &reason))
        return true;
    return Fail(error, "Cannot write the picture file \"" + path + "\": " + reason);
}
