#pragma once

// The comparison dock: every kept approximation with its name, settings,
// three errors and run time. A row's box shows or hides its curve, its name
// can be typed over (emptied, it is named from what differs again), and the
// selected rows removed; the whole table is copied or exported as CSV.

#include <QDockWidget>

class CSplnDoc;
class QTableWidget;
class QTableWidgetItem;

class CComparisonPanel : public QDockWidget {
    Q_OBJECT

public:
    // The document must outlive the panel.
    CComparisonPanel(CSplnDoc& doc, QWidget* parent = nullptr);
    ~CComparisonPanel() override;

    // Rebuilds the table from the document's kept approximations.
    void Reload();
    void RemoveSelected();
    void CopyTable();
    void ExportTable();

    QTableWidget* Table() const { return m_pTable; }

private:
    void OnItemChanged(QTableWidgetItem* item);

    CSplnDoc& m_doc;
    QTableWidget* m_pTable = nullptr;
    bool m_bLoading = false;
};
