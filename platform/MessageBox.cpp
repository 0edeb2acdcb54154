// Message boxes, with a hook that tests use to capture them.

#include "platform/MessageBox.h"

#include "platform/DialogTemplate.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace {

// The application title that heads every message box.
const char* const kAppTitle = "Spln";

MessageBoxHook& Hook()
{
    static MessageBoxHook hook;
    return hook;
}

}  // namespace

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

int AfxMessageBox(const QString& text, unsigned type, unsigned /*helpId*/)
{
    if (Hook())
        return Hook()(text, type);

    if ((type & MB_TYPEMASK) == MB_YESNOCANCEL) {
        QMessageBox box(QMessageBox::Question, QString::fromLatin1(kAppTitle), text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QApplication::activeWindow());
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        default:
            return IDCANCEL;
        }
    }
    if ((type & MB_TYPEMASK) == MB_YESNO) {
        // The question before something is lost: No unless the user chooses Yes.
        QMessageBox box(QMessageBox::Question, QString::fromLatin1(kAppTitle), text, QMessageBox::Yes | QMessageBox::No,
                        QApplication::activeWindow());
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? IDYES : IDNO;
    }
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kAppTitle), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
    return IDOK;
}
