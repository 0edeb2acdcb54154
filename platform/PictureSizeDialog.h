#pragma once

// Asking for the size of a picture to write: width and height in pixels and,
// for images, the pixel ratio (image pixels for each pixel of the picture).
// The values are checked when the user presses OK; a value outside its range
// gets a message naming the range, and the dialog stays open with what was
// typed. Tests replace the showing of the dialog through a hook.

#include <QString>

#include <functional>

class QDialog;
class QWidget;

namespace spln {

struct PictureSizeLimits {
    int minSide = 1;
    int maxSide = 1;  // also the largest side of the image once the ratio is applied
    double minRatio = 1.0;
    double maxRatio = 1.0;
};

struct PictureSizeChoice {
    int width = 0;
    int height = 0;
    double pixelRatio = 1.0;
};

// Reads the typed width, height and (when askRatio) pixel ratio into *choice;
// an empty text when they are usable, else a message for the user naming the
// first value that is not and its allowed range. Without askRatio the ratio
// text is ignored and *choice keeps its ratio.
QString ReadPictureSize(const QString& width, const QString& height, const QString& ratio, bool askRatio,
                        const PictureSizeLimits& limits, PictureSizeChoice* choice);

// Shows the dialog titled title with the values of *choice filled in; true
// with the accepted values in *choice, false when the user cancelled (then
// *choice is unchanged).
bool AskPictureSize(QWidget* parent, const QString& title, bool askRatio, const PictureSizeLimits& limits,
                    PictureSizeChoice* choice);

// Replaces the modal loop of the dialog: the hook receives the dialog as it
// would be shown, with its fields named "width", "height" and "pixelRatio",
// and may type into them and accept or reject it as a user would. Returns the
// previous hook; an empty hook restores the real loop.
using PictureSizeHook = std::function<void(QDialog& dialog)>;
PictureSizeHook SetPictureSizeHook(PictureSizeHook hook);

}  // namespace spln
