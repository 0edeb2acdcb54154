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

// Paints the picture of the engine's last run for doc at width x height pixels.
PicturePainter ResultPainter(int width, int height, CSplnDocData& doc, CSplineEngine& engine)
{
    return [width, height, &doc, &engine](QPainter& painter) {
        painter.fillRect(QRect(0, 0, width, height), Qt::white);
        QtDC dc(painter);
        SetHundredthInchMapping(dc);
        ResultPenSet pens;
        DrawResultPicture(dc, CRect{0, 0, width, height}, doc, engine, pens.Pens());
    };
}

}  // namespace

bool EncodeResultPicture(const CSplnSettings& settings, CSplineEngine& engine, PictureFormat format, int width,
                         int height, QByteArray* bytes, std::string* reason)
{
    if (!UsablePictureSize(width, height, reason))
        return false;
    EnsureGuiApplication();
    CSplnDocData doc = DocumentFor(settings, engine);
    const QString title = QString::fromStdString(doc.PictureTitle());
    return EncodePicture(format, width, height, title, ResultPainter(width, height, doc, engine), bytes, reason);
}

QImage RenderResultImage(const CSplnSettings& settings, CSplineEngine& engine, int width, int height)
{
    if (!UsablePictureSize(width, height, nullptr))
        return {};
    EnsureGuiApplication();
    CSplnDocData doc = DocumentFor(settings, engine);
    return PaintPictureImage(width, height, ResultPainter(width, height, doc, engine));
}

bool ExportResultPicture(const CSplnSettings& settings, CSplineEngine& engine, PictureFormat format,
                         const std::string& path, int width, int height, std::string* error)
{
    return WritePictureFile(
        path,
        [&](QByteArray* bytes, std::string* reason) {
            return EncodeResultPicture(settings, engine, format, width, height, bytes, reason);
        },
        error);
}

}  // namespace spln
