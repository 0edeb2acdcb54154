// Encodes a painted picture as PNG, SVG or PDF bytes and writes them to a file.

#include "plot/PictureEncoder.h"

#include "io/AtomicFile.h"
#include "plot/PictureSize.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>
#include <string_view>

namespace spln {

namespace {

constexpr int kScreenDpi = 96;

bool Fail(std::string* reason, const std::string& message)
{
    if (reason != nullptr)
        *reason = message;
    return false;
}

// Paints on a device that encodes the picture as it is painted (SVG, PDF).
bool PaintOnEncoder(QPaintDevice& device, const PicturePainter& paint, std::string* reason)
{
    QPainter painter;
    if (!painter.begin(&device))
        return Fail(reason, "the painter could not start on it");
    paint(painter);
    painter.end();
    return true;
}

bool EncodePng(int width, int height, const PicturePainter& paint, QBuffer& buffer, std::string* reason,
               double pixelRatio)
{
    if (!UsablePictureSize(static_cast<int>(std::lround(width * pixelRatio)),
                           static_cast<int>(std::lround(height * pixelRatio)), reason))
        return false;
    const QImage image = PaintPictureImage(width, height, paint, pixelRatio);
    if (image.isNull())
        return Fail(reason, "not enough memory for the picture");
    if (!image.save(&buffer, "PNG"))
        return Fail(reason, "the PNG could not be encoded");
    return true;
}

bool EncodeSvg(int width, int height, const QString& title, const PicturePainter& paint, QBuffer& buffer,
               std::string* reason)
{
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(width, height));
    generator.setViewBox(QRect(0, 0, width, height));
    generator.setResolution(kScreenDpi);
    generator.setTitle(title);
    return PaintOnEncoder(generator, paint, reason);
}

bool EncodePdf(int width, int height, const QString& title, const PicturePainter& paint, QBuffer& buffer,
               std::string* reason)
{
    QPdfWriter writer(&buffer);
    writer.setResolution(kScreenDpi);
    writer.setTitle(title);
    const QSizeF inches(static_cast<double>(width) / kScreenDpi, static_cast<double>(height) / kScreenDpi);
    writer.setPageLayout(QPageLayout(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                                     QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    return PaintOnEncoder(writer, paint, reason);
}

}  // namespace

bool UsablePictureSize(int width, int height, std::string* reason)
{
    if (width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide)
        return true;
    return Fail(reason, "the size " + std::to_string(width) + "x" + std::to_string(height) + " is outside 1.." +
                            std::to_string(kMaxPictureSide) + " pixels a side");
}

QImage PaintPictureImage(int width, int height, const PicturePainter& paint, double pixelRatio)
{
    const bool scaled = pixelRatio != 1.0;
    QImage image(scaled ? static_cast<int>(std::lround(width * pixelRatio)) : width,
                 scaled ? static_cast<int>(std::lround(height * pixelRatio)) : height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    if (scaled)
        image.setDevicePixelRatio(pixelRatio);
    const int dotsPerMeter = static_cast<int>(std::lround(kScreenDpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    paint(painter);
    return image;
}

bool EncodePicture(PictureFormat format, int width, int height, const QString& title, const PicturePainter& paint,
                   QByteArray* bytes, std::string* reason, double pixelRatio)
{
    if (!UsablePictureSize(width, height, reason))
        return false;
    bytes->clear();
    QBuffer buffer(bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (format) {
    case PictureFormat::Png:
        return EncodePng(width, height, paint, buffer, reason, pixelRatio);
    case PictureFormat::Svg:
        return EncodeSvg(width, height, title, paint, buffer, reason);
    case PictureFormat::Pdf:
        return EncodePdf(width, height, title, paint, buffer, reason);
    }
    return Fail(reason, "unknown picture format");
}

bool WritePictureFile(const std::string& path, const std::function<bool(QByteArray*, std::string*)>& encode,
                      std::string* error)
{
    QByteArray bytes;
    std::string reason;
    if (encode(&bytes, &reason) &&
        WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), &reason))
        return true;
    return Fail(error, "Cannot write the picture file \"" + path + "\": " + reason);
}

}  // namespace spln
