// The About box: the program's icon, name, version and copyright.

#include "app/CAboutDlg.h"

#include "res/AboutDialog.h"
#include "res/Icons.h"

#include <QLabel>

namespace res = spln::res;

namespace {

// Icons are drawn at their own size from the control's top-left corner.
constexpr int kIconSize = 32;

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : CDialog(res::kAboutDialogTemplate, parent) {}

bool CAboutDlg::OnInitDialog()
{
    const bool ok = CDialog::OnInitDialog();
    if (auto* icon = qobject_cast<QLabel*>(GetDlgItem(res::IDC_ABOUT_ICON))) {
        icon->setPixmap(res::MainIconPixmap(kIconSize));
        icon->resize(kIconSize, kIconSize);
    }
    // Label texts are shown as written, '&' included.
    for (auto* label : findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    return ok;
}
