// The dialog that asks for a picture's size and pixel ratio.

#include "platform/PictureSizeDialog.h"

#include "platform/MessageBox.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <utility>

namespace spln {

namespace {

PictureSizeHook& Hook()
{
    static PictureSizeHook hook;
    return hook;
}

// A number as typed in the user's way of writing numbers or in the C way.
bool ReadNumber(const QString& text, double* value)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    *value = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        *value = QLocale::c().toDouble(trimmed, &ok);
    return ok && std::isfinite(*value);
}

QString ReadSide(const QString& name, const QString& text, const PictureSizeLimits& limits, int* side)
{
    double value = 0.0;
    if (!ReadNumber(text, &value) || value != std::floor(value) || value < limits.minSide || value > limits.maxSide)
        return QStringLiteral("The %1 must be a whole number of pixels from %2 to %3.")
            .arg(name)
            .arg(limits.minSide)
            .arg(limits.maxSide);
    *side = static_cast<int>(value);
    return {};
}

QLineEdit* AddField(QDialog& dialog, QFormLayout& form, const QString& label, const QString& name, const QString& value)
{
    auto* field = new QLineEdit(value, &dialog);
    field->setObjectName(name);
    form.addRow(label, field);
    return field;
}

}  // namespace

QString ReadPictureSize(const QString& width, const QString& height, const QString& ratio, bool askRatio,
                        const PictureSizeLimits& limits, PictureSizeChoice* choice)
{
    PictureSizeChoice read = *choice;
    if (QString message = ReadSide(QStringLiteral("width"), width, limits, &read.width); !message.isEmpty())
        return message;
    if (QString message = ReadSide(QStringLiteral("height"), height, limits, &read.height); !message.isEmpty())
        return message;
    if (askRatio) {
        if (!ReadNumber(ratio, &read.pixelRatio) || read.pixelRatio < limits.minRatio ||
            read.pixelRatio > limits.maxRatio)
            return QStringLiteral("The pixel ratio must be a number from %1 to %2.")
                .arg(limits.minRatio)
                .arg(limits.maxRatio);
        // The image holds the ratio's pixels for each of the picture's, and
        // must itself stay within the largest side.
        const double longest = std::round(std::max(read.width, read.height) * read.pixelRatio);
        if (longest > limits.maxSide)
            return QStringLiteral(
                       "At pixel ratio %1 the image would be %2 pixels long; the largest is %3 pixels "
                       "a side. Choose a smaller size or ratio.")
                .arg(read.pixelRatio)
                .arg(longest)
                .arg(limits.maxSide);
    }
    *choice = read;
    return {};
}

bool AskPictureSize(QWidget* parent, const QString& title, bool askRatio, const PictureSizeLimits& limits,
                    PictureSizeChoice* choice)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* form = new QFormLayout(&dialog);
    QLineEdit* width = AddField(dialog, *form, QStringLiteral("&Width (pixels):"), QStringLiteral("width"),
                                QString::number(choice->width));
    QLineEdit* height = AddField(dialog, *form, QStringLiteral("&Height (pixels):"), QStringLiteral("height"),
                                 QString::number(choice->height));
    QLineEdit* ratio = nullptr;
    if (askRatio)
        ratio = AddField(dialog, *form, QStringLiteral("&Pixel ratio:"), QStringLiteral("pixelRatio"),
                         QLocale().toString(choice->pixelRatio, 'g', 6));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    PictureSizeChoice accepted = *choice;
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        const QString message = ReadPictureSize(width->text(), height->text(), ratio ? ratio->text() : QString(),
                                                askRatio, limits, &accepted);
        if (message.isEmpty()) {
            dialog.accept();
            return;
        }
        AfxMessageBox(message, MB_ICONEXCLAMATION);
        QLineEdit* wrong = message.contains(QStringLiteral("width"))    ? width
                           : message.contains(QStringLiteral("height")) ? height
                                                                        : ratio;
        if (wrong) {
            wrong->setFocus();
            wrong->selectAll();
        }
    });

    if (Hook())
        Hook()(dialog);
    else
        dialog.exec();
    if (dialog.result() != QDialog::Accepted)
        return false;
    *choice = accepted;
    return true;
}

PictureSizeHook SetPictureSizeHook(PictureSizeHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

}  // namespace spln
