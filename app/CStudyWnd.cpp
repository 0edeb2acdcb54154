// The window of a study's result: chart, order or spread, table, Export and Copy.

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
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <vector>

using namespace spln;
using namespace spln::study;

namespace {

constexpr int kInitialWidth = 1180;
constexpr int kInitialHeight = 620;
constexpr int kTableWidth = 470;  // the five columns without a scroll bar

// The file types of Export.
const std::vector<FileType> kExportTypes = {
    {QStringLiteral("CSV table"), QStringLiteral("csv")},    {QStringLiteral("JSON"), QStringLiteral("json")},
    {QStringLiteral("PNG image"), QStringLiteral("png")},    {QStringLiteral("SVG drawing"), QStringLiteral("svg")},
    {QStringLiteral("PDF document"), QStringLiteral("pdf")},
};

QString ErrorText(double error)
{
    return QString::number(error, 'e', 6);
}

QTableWidget* MakeTable(const StudyResult& result, QWidget* parent)
{
    auto* table = new QTableWidget(static_cast<int>(result.rows.size()), 5, parent);
    table->setHorizontalHeaderLabels({QString::fromStdString(ValueColumnName(result)), QStringLiteral("left error"),
                                      QStringLiteral("interior error"), QStringLiteral("right error"),
                                      QStringLiteral("ms")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int r = 0; r < static_cast<int>(result.rows.size()); ++r) {
        const StudyRow& row = result.rows[static_cast<size_t>(r)];
        const QString cells[] = {QString::number(row.value), ErrorText(row.leftError), ErrorText(row.interiorError),
                                 ErrorText(row.rightError), QString::number(row.milliseconds, 'f', 3)};
        for (int c = 0; c < 5; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
    return table;
}

}  // namespace

CStudyWnd::CStudyWnd(const StudyResult& result, QWidget* parent) : QWidget(parent, Qt::Window), m_result(result)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString(StudyTitle(result)));

    auto* chartView = new QChartView(spln::BuildStudyChart(result));
    chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView = chartView;

    auto* summary = new QLabel(QString::fromStdString(FormatStudySummary(result)).trimmed());
    summary->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(chartView, 1);
    leftLayout->addWidget(summary);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(left);
    splitter->addWidget(MakeTable(result, splitter));
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setSizes({kInitialWidth - kTableWidth, kTableWidth});

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
    resize(kInitialWidth, kInitialHeight);
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
    if (!ExportTo(answer.path, &error))
        AfxMessageBox(QString::fromStdString(error), MB_OK);
}

QString CStudyWnd::CopyText() const
{
    QString text = QString::fromStdString(ValueColumnName(m_result)) +
                   QStringLiteral("\tleft error\tinterior error\tright error\tms\n");
    for (const StudyRow& row : m_result.rows)
        text += QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
                    .arg(row.value)
                    .arg(row.leftError, 0, 'g', 17)
                    .arg(row.interiorError, 0, 'g', 17)
                    .arg(row.rightError, 0, 'g', 17)
                    .arg(row.milliseconds, 0, 'f', 3);
    return text + QString::fromStdString(FormatStudySummary(m_result));
}

void CStudyWnd::OnCopy()
{
    QApplication::clipboard()->setText(CopyText());
}
