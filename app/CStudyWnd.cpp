// The window of a study's result: chart, what the rows say, table, Export and Copy.

#include "app/CStudyWnd.h"

#include "io/AtomicFile.h"
#include "platform/MessageBox.h"
#include "platform/SaveFileDialog.h"
#include "plot/StudyChart.h"
#include "study/StudyText.h"

#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

using namespace spln;
using namespace spln::study;

namespace {

// The size the window asks for, and the share of the screen it keeps to at most.
constexpr int kPreferredWidth = 1180;
constexpr int kPreferredHeight = 640;
constexpr double kScreenShare = 0.9;
constexpr double kTableShare = 0.36;  // the chart keeps the rest
constexpr int kMinChartWidth = 360;

// The file types of Export.
const std::vector<FileType> kExportTypes = {
    {QStringLiteral("CSV table"), QStringLiteral("csv")},    {QStringLiteral("JSON"), QStringLiteral("json")},
    {QStringLiteral("PNG image"), QStringLiteral("png")},    {QStringLiteral("SVG drawing"), QStringLiteral("svg")},
    {QStringLiteral("PDF document"), QStringLiteral("pdf")},
};

// A cell as the table shows it: whole numbers, errors and scores with five
// digits (Copy gives every digit), orders and times with three decimals;
// empty where there is no number.
QString ShownCell(StudyColumn column, double value)
{
    if (column == StudyColumn::Value || column == StudyColumn::Across)
        return QString::number(static_cast<long long>(value));
    if (!std::isfinite(value))
        return {};
    switch (column) {
    case StudyColumn::LocalOrder:
    case StudyColumn::Milliseconds:
        return QString::number(value, 'f', 3);
    case StudyColumn::Freedom:
        return QString::number(value, 'f', 2);
    default:
        return QString::number(value, 'e', 4);
    }
}

// A long heading on two lines, broken at the space nearest its middle.
QString TwoLineHeading(const std::string& heading)
{
    QString text = QString::fromStdString(heading);
    constexpr int kShortHeading = 10;
    if (text.size() <= kShortHeading)
        return text;
    int best = -1;
    for (int i = 0; i < text.size(); ++i)
        if (text[i] == QLatin1Char(' ') &&
            (best < 0 || std::abs(i - text.size() / 2) < std::abs(best - text.size() / 2)))
            best = i;
    if (best > 0)
        text[best] = QLatin1Char('\n');
    return text;
}

// The same cell for the clipboard: every digit of the numbers a run computed.
QString CopiedCell(StudyColumn column, double value)
{
    if (column == StudyColumn::Value || column == StudyColumn::Across)
        return QString::number(static_cast<long long>(value));
    if (!std::isfinite(value))
        return {};
    if (column == StudyColumn::Milliseconds)
        return QString::number(value, 'f', 3);
    return QString::number(value, 'g', 17);
}

QTableWidget* MakeTable(const StudyResult& result, QWidget* parent)
{
    const std::vector<StudyColumn> columns = StudyColumns(result, true);
    const std::vector<double> orders = LocalOrdersOf(result);
    const int columnCount = static_cast<int>(columns.size());
    auto* table = new QTableWidget(static_cast<int>(result.rows.size()), columnCount, parent);
    QStringList headings;
    for (StudyColumn column : columns)
        headings << TwoLineHeading(ColumnHeading(result, column));
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int r = 0; r < static_cast<int>(result.rows.size()); ++r) {
        const size_t at = static_cast<size_t>(r);
        for (int c = 0; c < columnCount; ++c) {
            const StudyColumn column = columns[static_cast<size_t>(c)];
            auto* item = new QTableWidgetItem(ShownCell(column, ColumnValue(column, result.rows[at], orders[at])));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
    return table;
}

// The table's natural width: its columns and frame, and a scroll bar.
int TableWidth(const QTableWidget* table)
{
    int width = 2 * table->frameWidth() + table->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int c = 0; c < table->columnCount(); ++c)
        width += table->columnWidth(c);
    return width;
}

}  // namespace

CStudyWnd::CStudyWnd(const StudyResult& result, QWidget* parent) : QWidget(parent, Qt::Window), m_result(result)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString(StudyTitle(result)));

    auto* chartView = new QChartView(spln::BuildStudyChart(result));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumWidth(kMinChartWidth);
    m_chartView = chartView;

    auto* summary = new QLabel(QString::fromStdString(FormatStudySummary(result)).trimmed());
    summary->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary->setWordWrap(true);

    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(chartView, 1);
    leftLayout->addWidget(summary);

    QTableWidget* table = MakeTable(result, this);
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(left);
    splitter->addWidget(table);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);

    auto* exportButton = new QPushButton(QStringLiteral("&Export..."));
    auto* copyButton = new QPushButton(QStringLiteral("&Copy"));
    auto* closeButton = new QPushButton(QStringLiteral("Close"));
    connect(exportButton, &QPushButton::clicked, this, &CStudyWnd::OnExport);
    connect(copyButton, &QPushButton::clicked, this, &CStudyWnd::OnCopy);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(exportButton);
    buttons->addWidget(copyButton);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    // As large as the chart and the table want, within the screen the window opens on.
    QSize size(kPreferredWidth, kPreferredHeight);
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        size = size.boundedTo(QSize(static_cast<int>(available.width() * kScreenShare),
                                    static_cast<int>(available.height() * kScreenShare)));
    }
    const int tableWidth = std::min(TableWidth(table), static_cast<int>(size.width() * kTableShare));
    splitter->setSizes({size.width() - tableWidth, tableWidth});
    resize(size);
}

bool CStudyWnd::ExportTo(const QString& path, std::string* error) const
{
    const QString extension = QFileInfo(path).suffix().toLower();
    const std::string file = path.toStdString();
    if (extension == QLatin1String("png") || extension == QLatin1String("svg") || extension == QLatin1String("pdf")) {
        const spln::PictureFormat format = extension == QLatin1String("png")   ? spln::PictureFormat::Png
                                           : extension == QLatin1String("svg") ? spln::PictureFormat::Svg
                                                                               : spln::PictureFormat::Pdf;
        // The picture as the window shows the chart.
        return spln::ExportStudyPicture(m_result, format, file, m_chartView->width(), m_chartView->height(), error);
    }
    // The files hold what the same study gives again: no run times.
    std::string text;
    if (extension == QLatin1String("csv"))
        text = FormatStudyCsv(m_result);
    else if (extension == QLatin1String("json"))
        text = FormatStudyJson(m_result);
    else {
        *error = "Cannot write \"" + file + "\": give the name one of the endings .csv, .json, .png, .svg, .pdf";
        return false;
    }
    std::string reason;
    if (spln::WriteFileAtomically(file, text, &reason))
        return true;
    *error = "Cannot write the file \"" + file + "\": " + reason;
    return false;
}

void CStudyWnd::OnExport()
{
    const SaveFileAnswer answer =
        AskSaveFile(this, QStringLiteral("Export the study"), QStringLiteral("study.csv"), kExportTypes);
    if (answer.path.isEmpty())
        return;
    std::string error;
    if (ExportTo(answer.path, &error))
        m_exported = true;
    else
        AfxMessageBox(QString::fromStdString(error), MB_OK);
}

QString CStudyWnd::CopyText() const
{
    const std::vector<StudyColumn> columns = StudyColumns(m_result, true);
    const std::vector<double> orders = LocalOrdersOf(m_result);
    QStringList headings;
    for (StudyColumn column : columns)
        headings << QString::fromStdString(ColumnHeading(m_result, column));
    QString text = headings.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (size_t r = 0; r < m_result.rows.size(); ++r) {
        QStringList cells;
        for (StudyColumn column : columns)
            cells << CopiedCell(column, ColumnValue(column, m_result.rows[r], orders[r]));
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text + QString::fromStdString(FormatStudySummary(m_result));
}

QMimeData* CStudyWnd::CopyData() const
{
    auto* copied = new QMimeData;
    const int width = m_chartView->width();
    const int height = m_chartView->height();
    const QImage image = RenderStudyImage(m_result, width, height);
    if (!image.isNull())
        copied->setImageData(image);
    QByteArray svg;
    if (EncodeStudyPicture(m_result, PictureFormat::Svg, width, height, &svg, nullptr))
        copied->setData(QStringLiteral("image/svg+xml"), svg);
    copied->setText(CopyText());
    return copied;
}

void CStudyWnd::OnCopy()
{
    QApplication::clipboard()->setMimeData(CopyData());
}
