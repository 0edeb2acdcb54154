// The comparison dock over the document's kept approximations.

#include "app/CComparisonPanel.h"

#include "app/CSplnDoc.h"
#include "io/AtomicFile.h"
#include "model/KeptApproximations.h"
#include "platform/MessageBox.h"
#include "platform/SaveFileDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace {

enum Column { kName, kSettings, kLeft, kInterior, kRight, kTime, kColumnCount };

QString ErrorText(const spln::KeptApproximation& kept, double error)
{
    return kept.hasErrors ? QString::number(error, 'g', 4) : QString();
}

}  // namespace

CComparisonPanel::CComparisonPanel(CSplnDoc& doc, QWidget* parent)
    : QDockWidget(QStringLiteral("Comparison"), parent), m_doc(doc)
{
    setObjectName(QStringLiteral("ComparisonPanel"));
    auto* body = new QWidget;
    auto* column = new QVBoxLayout(body);
    m_pTable = new QTableWidget(0, kColumnCount);
    m_pTable->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Settings"), QStringLiteral("Left"),
                                         QStringLiteral("Interior"), QStringLiteral("Right"), QStringLiteral("ms")});
    m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    column->addWidget(m_pTable);
    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& text, void (CComparisonPanel::*action)()) {
        auto* push = new QPushButton(text);
        connect(push, &QPushButton::clicked, this, [this, action] { (this->*action)(); });
        buttons->addWidget(push);
    };
    button(QStringLiteral("&Remove"), &CComparisonPanel::RemoveSelected);
    button(QStringLiteral("Cop&y CSV"), &CComparisonPanel::CopyTable);
    button(QStringLiteral("E&xport CSV..."), &CComparisonPanel::ExportTable);
    buttons->addStretch();
    column->addLayout(buttons);
    setWidget(body);
    connect(m_pTable, &QTableWidget::itemChanged, this, &CComparisonPanel::OnItemChanged);
    m_doc.SetSettingsChangedHandler(this, [this] { Reload(); });
    Reload();
}

CComparisonPanel::~CComparisonPanel()
{
    m_doc.SetSettingsChangedHandler(this, {});
}

void CComparisonPanel::Reload()
{
    m_bLoading = true;
    const CSplnSettings current = m_doc.AcceptedSettings();
    m_pTable->setRowCount(static_cast<int>(m_doc.m_arrKept.size()));
    for (int row = 0; row < m_pTable->rowCount(); ++row) {
        const spln::KeptApproximation& kept = m_doc.m_arrKept[static_cast<std::size_t>(row)];
        const auto cell = [&](int col, const QString& text, bool editable) {
            auto* item = new QTableWidgetItem(text);
            if (!editable)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            m_pTable->setItem(row, col, item);
            return item;
        };
        QTableWidgetItem* name = cell(kName, QString::fromStdString(spln::DisplayName(kept, current)), true);
        name->setFlags(name->flags() | Qt::ItemIsUserCheckable);
        name->setCheckState(kept.shown ? Qt::Checked : Qt::Unchecked);
        cell(kSettings, QString::fromStdString(spln::SettingsSummary(kept.settings)), false);
        cell(kLeft, ErrorText(kept, kept.leftError), false);
        cell(kInterior, ErrorText(kept, kept.interiorError), false);
        cell(kRight, ErrorText(kept, kept.rightError), false);
        cell(kTime, QString::number(kept.runMilliseconds, 'f', 2), false);
    }
    m_bLoading = false;
}

void CComparisonPanel::OnItemChanged(QTableWidgetItem* item)
{
    if (m_bLoading || item->column() != kName || item->row() >= static_cast<int>(m_doc.m_arrKept.size()))
        return;
    spln::KeptApproximation& kept = m_doc.m_arrKept[static_cast<std::size_t>(item->row())];
    const bool shown = item->checkState() == Qt::Checked;
    const std::string typed = item->text().trimmed().toStdString();
    if (typed != spln::DisplayName(kept, m_doc.AcceptedSettings()))
        kept.ownName = typed;
    kept.shown = shown;
    m_doc.UpdateAllViews(nullptr);
    m_doc.NotifySettingsChanged();
}

void CComparisonPanel::RemoveSelected()
{
    std::set<int> rows;
    for (const QTableWidgetItem* item : m_pTable->selectedItems())
        rows.insert(item->row());
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        if (*row < static_cast<int>(m_doc.m_arrKept.size()))
            m_doc.m_arrKept.erase(m_doc.m_arrKept.begin() + *row);
    m_doc.UpdateAllViews(nullptr);
    m_doc.NotifySettingsChanged();
}

void CComparisonPanel::CopyTable()
{
    QApplication::clipboard()->setText(
        QString::fromStdString(spln::ComparisonCsv(m_doc.m_arrKept, m_doc.AcceptedSettings())));
}

void CComparisonPanel::ExportTable()
{
    const spln::SaveFileAnswer answer =
        spln::AskSaveFile(this, QStringLiteral("Export Comparison"), QStringLiteral("comparison.csv"),
                          {{QStringLiteral("CSV table"), QStringLiteral("csv")}});
    if (answer.path.isEmpty())
        return;
    std::string reason;
    if (!spln::WriteFileAtomically(answer.path.toStdString(),
                                   spln::ComparisonCsv(m_doc.m_arrKept, m_doc.AcceptedSettings()), &reason))
        AfxMessageBox(QStringLiteral("The comparison could not be written to %1: %2.")
                          .arg(answer.path, QString::fromStdString(reason)),
                      MB_OK | MB_ICONEXCLAMATION);
}
