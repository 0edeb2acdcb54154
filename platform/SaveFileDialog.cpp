// Asks for the name and type of a file to write through the standard save dialog.

#include "platform/SaveFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include <utility>

namespace spln {

namespace {

SaveFileHook& Hook()
{
    static SaveFileHook hook;
    return hook;
}

QString FilterOf(const FileType& type)
{
    return QStringLiteral("%1 (*.%2)").arg(type.description, type.extension);
}

}  // namespace

SaveFileHook SetSaveFileHook(SaveFileHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

SaveFileAnswer ResolveFileType(const QString& typedPath, int chosenType, const std::vector<FileType>& types)
{
    if (typedPath.isEmpty() || types.empty())
        return {};
    const QString suffix = QFileInfo(typedPath).suffix();
    for (std::size_t i = 0; i < types.size(); ++i) {
        if (suffix.compare(types[i].extension, Qt::CaseInsensitive) == 0)
            return {typedPath, static_cast<int>(i)};
    }
    const int type = chosenType >= 0 && chosenType < static_cast<int>(types.size()) ? chosenType : 0;
    return {typedPath + QLatin1Char('.') + types[static_cast<std::size_t>(type)].extension, type};
}

SaveFileAnswer AskSaveFile(QWidget* parent, const QString& title, const QString& suggestion,
                           const std::vector<FileType>& types)
{
    QStringList filters;
    for (const FileType& type : types)
        filters << FilterOf(type);

    SaveFileAnswer typed;
    if (Hook()) {
        typed = Hook()(title, suggestion, filters);
    } else {
        QFileDialog dialog(parent, title);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilters(filters);
        dialog.selectFile(suggestion);
        // A name typed without an extension gets the chosen type's before
        // the dialog asks whether to replace an existing file.
        dialog.setDefaultSuffix(types.empty() ? QString() : types.front().extension);
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
            const qsizetype index = filters.indexOf(filter);
            if (index >= 0)
                dialog.setDefaultSuffix(types[static_cast<std::size_t>(index)].extension);
        });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        typed = {dialog.selectedFiles().front(), static_cast<int>(filters.indexOf(dialog.selectedNameFilter()))};
    }
    return ResolveFileType(typed.path, typed.type, types);
}

}  // namespace spln
