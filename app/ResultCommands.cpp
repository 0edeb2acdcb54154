// Exports the picture and the numbers of a run to a file or the clipboard.

#include "app/ResultCommands.h"

#include "app/CSplnDoc.h"
#include "app/CSplnView.h"
#include "engine/CSplineEngine.h"
#include "io/AtomicFile.h"
#include "model/ResultText.h"
#include "platform/MessageBox.h"
#include "platform/PictureSizeDialog.h"
#include "platform/SaveFileDialog.h"
#include "plot/PictureSize.h"
#include "plot/ResultExport.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include <algorithm>
#include <memory>
#include <string>

namespace spln {

namespace {

const std::vector<FileType> kPictureTypes{
    {QStringLiteral("PNG image"), QStringLiteral("png")},
    {QStringLiteral("SVG drawing"), QStringLiteral("svg")},
    {QStringLiteral("PDF document"), QStringLiteral("pdf")},
};
constexpr spln::PictureFormat kPictureFormats[] = {spln::PictureFormat::Png, spln::PictureFormat::Svg,
                                                   spln::PictureFormat::Pdf};

const std::vector<FileType> kDataTypes{
    {QStringLiteral("CSV table"), QStringLiteral("csv")},
    {QStringLiteral("JSON data"), QStringLiteral("json")},
};

// The suggested file name: the function's number, or "data" for the sample file.
QString SuggestedName(const CSplnView& view, const QString& extension)
{
    const CSplnSettings& settings = view.ShownSettings();
    const QString stem = settings.m_nSource == spln::kSourceFile ? QStringLiteral("spln-data")
                         : settings.m_nSource == spln::kSourceFormula
                             ? QStringLiteral("spln-formula")
                             : QStringLiteral("spln-example-%1").arg(settings.m_nExample);
    return stem + QLatin1Char('.') + extension;
}

// The view's looks for a picture file: vector files keep the curves'
// coordinates unrounded, images have the given pixel ratio.
PlotOptions ExportOptions(const CSplnView& view, PictureFormat format, double pixelRatio)
{
    PlotOptions options = view.DrawnOptions();
    if (format == PictureFormat::Png)
        options.pixelRatio = pixelRatio;
    else
        options.preciseCurves = true;
    return options;
}

// The screen's pixel ratio, as far as a picture may have it.
double ScreenPixelRatio(const CSplnView& view)
{
    return std::clamp(view.devicePixelRatioF(), kMinPixelRatio, kMaxPixelRatio);
}

spln::RunResults ShownResults(CSplnView& view)
{
    return spln::ResultsOf(view.ShownEngine(), view.ShownSettings());
}

void ReportFailure(const QString& path, const std::string& reason)
{
    AfxMessageBox(QStringLiteral("The file \"%1\" could not be written: %2.").arg(path, QString::fromStdString(reason)),
                  MB_ICONEXCLAMATION);
}

}  // namespace

void ExportPicture(CSplnView& view)
{
    if (!view.HasPicture())
        return;
    const SaveFileAnswer answer =
        AskSaveFile(&view, QStringLiteral("Export Picture"), SuggestedName(view, QStringLiteral("png")), kPictureTypes);
    if (answer.path.isEmpty())
        return;
    // The size of the window and the sharpness of its screen, unless the
    // user asks for others; vector files have no pixel ratio to ask for.
    const PictureFormat format = kPictureFormats[answer.type];
    const bool image = format == PictureFormat::Png;
    PictureSizeChoice size{view.width(), view.height(), ScreenPixelRatio(view)};
    const PictureSizeLimits limits{1, kMaxPictureSide, kMinPixelRatio, kMaxPixelRatio};
    if (!AskPictureSize(&view, QStringLiteral("Picture Size"), image, limits, &size))
        return;
    QByteArray bytes;
    std::string reason;
    if (!spln::EncodeResultPicture(view.ShownSettings(), view.ShownEngine(), format, size.width, size.height, &bytes,
                                   &reason, ExportOptions(view, format, size.pixelRatio)) ||
        !spln::WriteFileAtomically(answer.path.toStdString(),
                                   std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                   &reason))
        ReportFailure(answer.path, reason);
}

void ExportData(CSplnView& view)
{
    if (!view.HasPicture())
        return;
    const SaveFileAnswer answer =
        AskSaveFile(&view, QStringLiteral("Export Data"), SuggestedName(view, QStringLiteral("csv")), kDataTypes);
    if (answer.path.isEmpty())
        return;
    const spln::RunResults results = ShownResults(view);
    const std::string text = answer.type == 0 ? spln::FormatCsv(results) : spln::FormatJson(results);
    std::string reason;
    if (!spln::WriteFileAtomically(answer.path.toStdString(), text, &reason))
        ReportFailure(answer.path, reason);
}

QMimeData* ResultMimeData(CSplnView& view)
{
    if (!view.HasPicture())
        return nullptr;
    auto* data = new QMimeData;
    const QImage image = spln::RenderResultImage(view.ShownSettings(), view.ShownEngine(), view.width(), view.height(),
                                                 view.DrawnOptions());
    if (!image.isNull())
        data->setImageData(image);
    QByteArray svg;
    if (spln::EncodeResultPicture(view.ShownSettings(), view.ShownEngine(), spln::PictureFormat::Svg, view.width(),
                                  view.height(), &svg, nullptr, ExportOptions(view, spln::PictureFormat::Svg, 1.0)))
        data->setData(QStringLiteral("image/svg+xml"), svg);
    data->setText(QString::fromStdString(spln::FormatCsv(ShownResults(view))));
    return data;
}

void CopyResult(CSplnView& view)
{
    if (QMimeData* data = ResultMimeData(view))
        QApplication::clipboard()->setMimeData(data);
}

void KeepShown(CSplnDoc& doc, CSplnView& view)
{
    if (!view.HasPicture())
        return;
    const CSplineEngine& shown = view.ShownEngine();
    KeptApproximation kept = KeptFromRun(view.ShownSettings(), shown);
    auto engine = std::make_unique<CSplineEngine>();
    kept.runMilliseconds = RunOnItsOwn(kept.settings, shown.m_szDataPath, *engine);

    if (doc.m_arrKept.size() >= static_cast<std::size_t>(kMaxKept))
        doc.m_arrKept.erase(doc.m_arrKept.begin());
    doc.m_arrKept.push_back(std::move(kept));
    doc.UpdateAllViews(nullptr);
    doc.NotifySettingsChanged();
}

std::vector<KeptApproximation> RunKept(const std::vector<KeptSettings>& entries, const char* dataPath)
{
    std::vector<KeptApproximation> kept;
    for (const KeptSettings& entry : entries) {
        auto engine = std::make_unique<CSplineEngine>();
        const double milliseconds = RunOnItsOwn(entry.settings, dataPath, *engine);
        KeptApproximation run = KeptFromRun(entry.settings, *engine);
        if (engine->m_eFailure != RunFailure::None) {
            // A run that failed (the sample file gone) keeps its name and
            // settings but has no curve to show.
            run.x.clear();
            run.approx.clear();
            run.hasErrors = false;
        }
        run.runMilliseconds = milliseconds;
        run.ownName = entry.ownName;
        run.shown = entry.shown;
        kept.push_back(std::move(run));
    }
    return kept;
}

std::vector<KeptSettings> KeptForFile(const std::vector<KeptApproximation>& kept)
{
    std::vector<KeptSettings> entries;
    for (const KeptApproximation& each : kept)
        entries.push_back({each.settings, each.ownName, each.shown});
    return entries;
}

}  // namespace spln
