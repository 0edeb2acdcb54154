#pragma once

// Asking for the name of a file to write, in one of several file types: the
// standard save dialog with one filter a type. The type follows the file
// name's extension when it is one of the types', else the chosen filter, whose
// extension is then added. Tests replace the dialog through a hook.

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace spln {

struct FileType {
    QString description;  // "PNG image"
    QString extension;    // "png", without the dot
};

struct SaveFileAnswer {
    QString path;   // empty when the user cancelled
    int type = -1;  // index into the types
};

// Shows the dialog titled title, starting at suggestion (a file name, perhaps
// with a folder). Existing files are confirmed by the dialog before they are
// replaced.
SaveFileAnswer AskSaveFile(QWidget* parent, const QString& title, const QString& suggestion,
                           const std::vector<FileType>& types);

// The file a dialog answer names and its type: the path as typed and the type
// of its extension, or with the chosen type's extension added. Extensions
// compare without regard to case.
SaveFileAnswer ResolveFileType(const QString& typedPath, int chosenType, const std::vector<FileType>& types);

// Replaces the dialog itself: the hook receives the title, the suggestion and
// the filters and returns the typed path (empty for Cancel) and the index of
// the chosen filter. Returns the previous hook; an empty hook restores the
// real dialog.
using SaveFileHook =
    std::function<SaveFileAnswer(const QString& title, const QString& suggestion, const QStringList& filters)>;
SaveFileHook SetSaveFileHook(SaveFileHook hook);

}  // namespace spln
