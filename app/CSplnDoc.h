#pragma once

// The desktop document: the settings, captions and plot arrays of
// CSplnDocData behind the toolkit's document, and the Spline > Run command.

#include "model/SplnDocData.h"
#include "platform/CDocument.h"

class CSplnDoc : public CDocument, public CSplnDocData {
public:
    CSplnDoc() = default;

    bool OnNewDocument() override;
    // Empties both point arrays (storage released); settings stay.
    void DeleteContents() override;
    // Document files hold nothing: storing writes nothing, loading reads nothing.
    void Serialize(CArchive& ar) override;

    // Spline > Run: the settings dialog; on OK the arrays are sized for the
    // view, the caption chosen and the settings stored in the document's
    // engine. The views are asked to redraw whatever the dialog's result.
    void OnSplineRun();
};
