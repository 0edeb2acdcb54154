#pragma once

// The picture of one approximation run, on any drawing surface: the frame
// scaled to the data, the data (green), for a built-in function the exact
// curve (blue) and the report line, and the approximation (red) last.

#include "platform/CDC.h"
#include "plot/PlotOptions.h"

#include "model/KeptApproximations.h"
#include "model/SplnDocData.h"

#include <cstddef>
#include <string>

class CSplineEngine;
struct CSplnSettings;

namespace spln {

inline constexpr COLORREF kFramePenColour = RGB(0, 0, 0);
inline constexpr COLORREF kExactPenColour = RGB(0, 0, 255);
inline constexpr COLORREF kDataPenColour = RGB(0, 255, 0);
inline constexpr COLORREF kApproxPenColour = RGB(255, 0, 0);
inline constexpr COLORREF kErrorPenColour = RGB(160, 0, 160);

// The pen of the kept approximation at position index: a colour of its own
// and a dashed or dotted line, so that none is taken for the current one.
struct KeptPen {
    COLORREF colour;
    int style;
};
KeptPen KeptPenAt(std::size_t index);

// The pens of the kept approximations, one for each position up to
// kMaxKept, in the looks of KeptPenAt; each made when first asked for.
class KeptPenSet {
public:
    CPen* At(std::size_t position);

private:
    CPen m_pens[kMaxKept];
};

// A kept approximation as a further curve of the picture: its curve, named
// label in the legend, in the pen of its position.
ExtraCurve KeptCurve(const KeptApproximation& kept, std::string label, std::size_t position, KeptPenSet& pens);

struct ResultPens {
    CPen* frame;
    CPen* exact;
    CPen* data;
    CPen* approx;
    CPen* error;  // the error panel's curve and the marks of the report's errors
};

// The four pens of the picture, made in their colours: solid, one pixel wide.
class ResultPenSet {
public:
    ResultPenSet();
    ~ResultPenSet();
    ResultPenSet(const ResultPenSet&) = delete;
    ResultPenSet& operator=(const ResultPenSet&) = delete;

    ResultPens Pens() { return {&frame, &exact, &data, &approx, &error}; }

    CPen frame;   // black: grid and exponent boxes
    CPen exact;   // blue: the exact function
    CPen data;    // green: the data
    CPen approx;  // red: the approximation
    CPen error;   // purple: the error panel
};

// One logical unit is 1/100 inch on the surface's device, y downwards: the
// anisotropic mapping with a window extent of 100 by 100 and a viewport
// extent of the device's logical pixels per inch.
void SetHundredthInchMapping(CDC& dc);

// A rectangle in device pixels of the surface, in its logical units (1/100 inch).
CRect LogicalArea(CDC& dc, const CRect& pixels);

// Copies the document's settings into the engine (method plus 1, projection
// kernel types 3 and 4 exchanged), runs it and takes its number of output
// points as the document's point count.
void RunForPicture(CSplnDocData& doc, CSplineEngine& engine);

// Draws the picture of the engine's current results into clientPixels, a
// rectangle in device pixels of the surface (left and top 0), which is mapped
// into the surface's logical units so that the frame keeps its margins at any
// resolution. The shown ones of the document's kept approximations are drawn
// after the exact curve, in their own pens. The document's arrays receive the data, exact and
// approximation pairs in turn and end holding the approximation. Selects
// pens.frame first and puts the surface's earlier pen and font back before it
// returns. Returns false, drawing nothing, when doc.m_arrX is empty.
bool DrawResultPicture(CDC& dc, const CRect& clientPixels, CSplnDocData& doc, CSplineEngine& engine,
                       const ResultPens& pens);
// The same with the looks of options: with an error panel the plot takes the
// upper part of the area and the panel the rest, its curve in pens.error with
// a mark at each place where the report takes an error.
// When layout is not null it receives the plot grid's place and values.
bool DrawResultPicture(CDC& dc, const CRect& clientPixels, CSplnDocData& doc, CSplineEngine& engine,
                       const ResultPens& pens, const PlotOptions& options, PlotLayout* layout = nullptr);

// The document as an accepted Run with these settings leaves it, holding the
// point count of the engine's last run and the data file the options' title
// names: what the picture of a finished run is drawn from without running the
// engine again.
CSplnDocData DocumentForRun(const CSplnSettings& settings, const CSplineEngine& engine, const PlotOptions& options);

}  // namespace spln
