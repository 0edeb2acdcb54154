#pragma once

// File > Export Picture..., File > Export Data... and Edit > Copy: the
// picture and the numbers the result view shows, written to a file or put on
// the clipboard, as spln-cli writes them for the same run; Spline > Keep and
// the kept approximations of experiment files.

#include "model/ExperimentFile.h"
#include "model/KeptApproximations.h"

#include <vector>

class CSplnDoc;
class CSplnView;
class QMimeData;

namespace spln {

// Asks for a PNG, SVG or PDF file and writes the picture at the window's size
// into it. A failure is reported in a message box naming the file.
void ExportPicture(CSplnView& view);

// Asks for a CSV or JSON file and writes the numbers of the picture into it.
void ExportData(CSplnView& view);

// Puts the picture on the clipboard as an image and as SVG, and the numbers as
// CSV text.
void CopyResult(CSplnView& view);

// What CopyResult puts on the clipboard; null when the view shows no picture.
QMimeData* ResultMimeData(CSplnView& view);

// Spline > Keep: the approximation the view shows joins the document's kept
// ones, with the time a run of its settings takes; beyond kMaxKept the
// oldest goes.
void KeepShown(CSplnDoc& doc, CSplnView& view);

// The kept approximations of an opened file, each run again from its
// settings (with a noise seed, the curve it had when kept), reading the
// sample file at dataPath.
std::vector<KeptApproximation> RunKept(const std::vector<KeptSettings>& entries, const char* dataPath);

// The kept approximations as a file holds them.
std::vector<KeptSettings> KeptForFile(const std::vector<KeptApproximation>& kept);

}  // namespace spln
