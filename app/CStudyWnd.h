#pragma once

// The window of a study's result ("Study of the window of averaging, 20
// runs"): the chart, what the rows say below it, the table of the rows beside
// it with each row's time, and Export and Copy.

#include "study/StudyRunner.h"

#include <QWidget>

class QMimeData;

class CStudyWnd : public QWidget {
    Q_OBJECT

public:
    // A top-level window that deletes itself when closed, sized to fit the screen it opens on.
    explicit CStudyWnd(const spln::study::StudyResult& result, QWidget* parent = nullptr);

    // Writes the study to path as CSV, JSON, PNG, SVG or PDF by the name's
    // extension; false with a message naming the file in *error when it cannot.
    bool ExportTo(const QString& path, std::string* error) const;

    // The table as tab-separated lines with the summary below, for the clipboard.
    QString CopyText() const;

    // What Copy puts on the clipboard: the chart as an image and an SVG
    // drawing at the size it is shown, and the table as text.
    QMimeData* CopyData() const;

    // Whether Export has written the result to a file: until then, quitting
    // loses it.
    bool Exported() const { return m_exported; }

private:
    void OnExport();
    void OnCopy();

    spln::study::StudyResult m_result;
    QWidget* m_chartView = nullptr;
    bool m_exported = false;
};
