// Renders the picture of a run to PNG, SVG or PDF without a display.

#include "plot/ResultExport.h"

#include "engine/CSplineEngine.h"
#include "model/SplnDocData.h"
#include "platform/GuiApplication.h"
#include "platform/QtDC.h"
#include "plot/ResultPicture.h"

#include <QPainter>

namespace spln {

namespace {

// Paints the picture of the engine's last run for doc at width x height pixels.
PicturePainter ResultPainter(int width, int height, CSplnDocData& doc, CSplineEngine& engine,
                             const PlotOptions& options)
{
    return [width, height, &doc, &engine, options](QPainter& painter) {
        painter.fillRect(QRect(0, 0, width, height), Qt::white);
        QtDC dc(painter);
        SetHundredthInchMapping(dc);
        ResultPenSet pens;
        DrawResultPicture(dc, CRect{0, 0, width, height}, doc, engine, pens.Pens(), options);
    };
}

}  // namespace

bool EncodeResultPicture(const CSplnSettings& settings, CSplineEngine& engine, PictureFormat format, int width,
                         int height, QByteArray* bytes, std::string* reason, const PlotOptions& options)
{
    if (!UsablePictureSize(width, height, reason))
        return false;
    EnsureGuiApplication();
    CSplnDocData doc = DocumentForRun(settings, engine, options);
    const QString title = QString::fromStdString(doc.PictureTitle());
    return EncodePicture(format, width, height, title, ResultPainter(width, height, doc, engine, options), bytes,
                         reason, options.pixelRatio);
}

QImage RenderResultImage(const CSplnSettings& settings, CSplineEngine& engine, int width, int height,
                         const PlotOptions& options)
{
    if (!UsablePictureSize(width, height, nullptr))
        return {};
    EnsureGuiApplication();
    CSplnDocData doc = DocumentForRun(settings, engine, options);
    return PaintPictureImage(width, height, ResultPainter(width, height, doc, engine, options), options.pixelRatio);
}

bool ExportResultPicture(const CSplnSettings& settings, CSplineEngine& engine, PictureFormat format,
                         const std::string& path, int width, int height, std::string* error, const PlotOptions& options)
{
    return WritePictureFile(
        path,
        [&](QByteArray* bytes, std::string* reason) {
            return EncodeResultPicture(settings, engine, format, width, height, bytes, reason, options);
        },
        error);
}

}  // namespace spln
