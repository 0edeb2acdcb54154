// Builds a dialog's widgets from its template.

#include "platform/DialogBuilder.h"

#include "platform/CDialog.h"
#include "platform/FontFaces.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <vector>

namespace spln {

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

QWidget* CreateControl(const ControlTemplate& ct, CDialog& dialog)
{
    const QString text = QString::fromLatin1(ct.text ? ct.text : "");
    switch (ct.kind) {
    case ControlKind::DefPushButton:
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, &dialog);
        button->setDefault(ct.kind == ControlKind::DefPushButton);
        if (ct.id == IDOK)
            QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
        if (ct.id == IDCANCEL)
            QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::reject);
        return button;
    }
    case ControlKind::GroupBox: {
        auto* box = new QGroupBox(text, &dialog);
        box->setFocusPolicy(Qt::NoFocus);
        // A group box's caption sits on its top edge, the frame line running
        // through the middle of the text, so the rectangle's top is the
        // caption's top and the controls below keep clear of the line.
        box->setStyleSheet(
            QStringLiteral("QGroupBox { border: 1px solid palette(mid); margin-top: 0.5em; }"
                           "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; "
                           "padding: 0 2px; }"));
        return box;
    }
    case ControlKind::RadioButton:
        return new QRadioButton(text, &dialog);
    case ControlKind::Edit:
        return new QLineEdit(&dialog);
    case ControlKind::Label: {
        auto* label = new QLabel(text, &dialog);
        label->setFocusPolicy(Qt::NoFocus);
        return label;
    }
    }
    return nullptr;
}

}  // namespace

DialogBaseUnits BaseUnitsOfFont(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(width / 26 + 1) / 2, metrics.height()};
}

QRect DialogUnitsToPixels(int x, int y, int cx, int cy, DialogBaseUnits units)
{
    // Map the edges, not the sizes, so that controls sharing an edge in dialog
    // units share it in pixels.
    const int left = MulDiv(x, units.cx, 4);
    const int top = MulDiv(y, units.cy, 8);
    const int right = MulDiv(x + cx, units.cx, 4);
    const int bottom = MulDiv(y + cy, units.cy, 8);
    return QRect(left, top, right - left, bottom - top);
}

QFont DialogFont(const DialogTemplate& tmpl)
{
    QFont font(QString::fromStdString(ResolveFontFace(tmpl.fontFace)));
    font.setPointSize(tmpl.fontPointSize);
    return font;
}

void BuildDialog(CDialog& dialog, const DialogTemplate& tmpl)
{
    const QFont font = DialogFont(tmpl);
    dialog.setFont(font);
    dialog.setWindowTitle(QString::fromLatin1(tmpl.title));
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const DialogBaseUnits units = BaseUnitsOfFont(font);
    dialog.setFixedSize(DialogUnitsToPixels(0, 0, tmpl.cx, tmpl.cy, units).size());

    std::vector<QWidget*> created;
    std::vector<QWidget*> tabOrder;
    std::vector<QWidget*> groupBoxes;
    QButtonGroup* radioGroup = nullptr;
    for (int i = 0; i < tmpl.controlCount; ++i) {
        const ControlTemplate& ct = tmpl.controls[i];
        QWidget* control = CreateControl(ct, dialog);
        QRect rect = DialogUnitsToPixels(ct.x, ct.y, ct.cx, ct.cy, units);
        // The stand-in face runs a little wider than the one the rectangles
        // were drawn for: a label may reach into the gap before its field
        // rather than lose its last letters.
        if (ct.kind == ControlKind::Label)
            rect.setWidth(std::max(rect.width(), control->sizeHint().width()));
        control->setGeometry(rect);
        dialog.RegisterControl(ct.id, control);
        created.push_back(control);

        // A group-start control ends the running radio group; a radio button
        // that starts a group opens the next one. Its value is the position
        // of the selected button within it.
        if (ct.style & kGroupStart)
            radioGroup = nullptr;
        if (ct.kind == ControlKind::RadioButton) {
            if (!radioGroup) {
                radioGroup = new QButtonGroup(&dialog);
                dialog.RegisterRadioGroup(ct.id, radioGroup);
            }
            radioGroup->addButton(static_cast<QRadioButton*>(control), static_cast<int>(radioGroup->buttons().size()));
        }

        if (ct.kind == ControlKind::GroupBox)
            groupBoxes.push_back(control);
        if (control->focusPolicy() != Qt::NoFocus)
            tabOrder.push_back(control);
    }

    for (int i = 0; i < tmpl.controlCount; ++i) {
        const ControlTemplate& ct = tmpl.controls[i];
        if (ct.kind != ControlKind::Label || ct.buddyId == 0)
            continue;
        static_cast<QLabel*>(created[static_cast<std::size_t>(i)])->setBuddy(dialog.GetDlgItem(ct.buddyId));
    }

    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // Group boxes only frame their controls: keep them beneath, so that a
    // control created before its box still takes the clicks.
    for (QWidget* box : groupBoxes)
        box->lower();
}

}  // namespace spln
