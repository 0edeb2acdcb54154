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
    if (Hook()) return Hook()(text, type);

    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kAppTitle), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
    return IDOK;
}
