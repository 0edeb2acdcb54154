#pragma once

// Encodes whatever a painter draws at width x height pixels (96 dpi) as PNG,
// SVG or PDF bytes, and writes such bytes to a file; shared by the result
// picture and the study chart.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>
#include <string>

class QPainter;

namespace spln {

enum class PictureFormat { Png, Svg, Pdf };

// Draws the whole picture, background included, on a painter over a device
// of the picture's size.
using PicturePainter = std::function<void(QPainter&)>;

// True when width and height are each in 1..kMaxPictureSide; otherwise false
// with the size and the allowed range in *reason (when reason is not null).
bool UsablePictureSize(int width, int height, std::string* reason);

// An image of width x height pixels at 96 dpi painted by paint; a null image
// when there is not enough memory for it. The size must be usable. With a
// pixel ratio above 1 the image holds that many pixels for each of the
// picture's (a sharp picture for a high-density screen), painted at the
// picture's size.
QImage PaintPictureImage(int width, int height, const PicturePainter& paint, double pixelRatio = 1.0);

// Encodes what paint draws as a PNG image, an SVG drawing of that size or a
// one-page PDF of that size at 96 dpi; title names the SVG and PDF documents.
// False with the reason in *reason (when reason is not null) when the size is
// not usable or encoding fails. A Qt GUI application must exist.
// The pixel ratio applies to PNG alone; SVG and PDF have no pixels.
bool EncodePicture(PictureFormat format, int width, int height, const QString& title, const PicturePainter& paint,
                   QByteArray* bytes, std::string* reason, double pixelRatio = 1.0);

// Writes the bytes that encode makes through a temporary file renamed into
// place, so a failure leaves an earlier file as it was; false with a message
// naming the file in *error (when error is not null) when encoding or writing
// fails.
bool WritePictureFile(const std::string& path, const std::function<bool(QByteArray*, std::string*)>& encode,
                      std::string* error);

}  // namespace spln
