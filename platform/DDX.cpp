// Data exchange between dialog controls and members, with range checks.

#include "platform/DDX.h"

#include "platform/CDialog.h"
#include "platform/FieldNumbers.h"
#include "platform/MessageBox.h"
#include "text/FieldMessages.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>

#include <cstring>
#include <stdexcept>
#include <string>

CDataExchange::CDataExchange(CDialog* dialog, bool saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog)
{}

QWidget* CDataExchange::PrepareCtrl(int id)
{
    QWidget* control = m_pDlgWnd->GetDlgItem(id);
    if (!control)
        throw std::logic_error("dialog data exchange: no control with id " + std::to_string(id));
    m_pLastControl = control;
    return control;
}

QWidget* CDataExchange::PrepareEditCtrl(int id)
{
    QWidget* control = PrepareCtrl(id);
    if (!qobject_cast<QLineEdit*>(control))
        throw std::logic_error("dialog data exchange: control " + std::to_string(id) + " is not an edit field");
    return control;
}

void CDataExchange::Fail()
{
    if (m_pLastControl) {
        m_pLastControl->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(m_pLastControl))
            edit->selectAll();
    }
    throw DataExchangeFailure{};
}

void DDX_Radio(CDataExchange* pDX, int firstId, int& value)
{
    pDX->PrepareCtrl(firstId);
    QButtonGroup* group = pDX->m_pDlgWnd->GetRadioGroup(firstId);
    if (!group)
        throw std::logic_error("dialog data exchange: no radio group starts at " + std::to_string(firstId));
    const QList<QAbstractButton*> buttons = group->buttons();

    if (pDX->m_bSaveAndValidate) {
        value = -1;
        for (int i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->isChecked())
                value = i;
        }
        return;
    }
    // An exclusive group keeps one button checked; clearing all needs it lifted for a moment.
    group->setExclusive(false);
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setChecked(i == value);
    group->setExclusive(true);
}

namespace {

// Loads value into the edit field as text, or stores the field's text into
// value; text that does not parse shows notANumber and fails the exchange.
template <class T, class Parse, class Format>
void ExchangeText(CDataExchange* pDX, int id, T& value, Parse parse, Format format, const char* notANumber)
{
    auto* edit = static_cast<QLineEdit*>(pDX->PrepareEditCtrl(id));
    if (!pDX->m_bSaveAndValidate) {
        edit->setText(QString::fromStdString(format(value)));
        return;
    }
    const std::optional<T> parsed = parse(edit->text().toStdString());
    if (!parsed) {
        AfxMessageBox(QString::fromLatin1(notANumber), MB_OK | MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    value = *parsed;
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int id, int& value)
{
    ExchangeText(
        pDX, id, value, spln::ParseIntField, [](int v) { return std::to_string(v); }, spln::kNotAnInteger);
}

void DDX_Text(CDataExchange* pDX, int id, double& value)
{
    ExchangeText(pDX, id, value, spln::ParseDoubleField, spln::FormatDoubleField, spln::kNotANumber);
}

void DDX_Text(CDataExchange* pDX, int id, char* buffer, int size)
{
    auto* edit = static_cast<QLineEdit*>(pDX->PrepareEditCtrl(id));
    if (!pDX->m_bSaveAndValidate) {
        edit->setText(QString::fromUtf8(buffer, static_cast<qsizetype>(strnlen(buffer, static_cast<size_t>(size)))));
        return;
    }
    const QByteArray text = edit->text().toUtf8();
    if (text.size() >= size) {
        AfxMessageBox(QString::fromStdString(spln::TextLengthMessage(size - 1)), MB_OK | MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    std::memcpy(buffer, text.constData(), static_cast<size_t>(text.size()));
    buffer[text.size()] = '\0';
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int min, int max)
{
    if (!pDX->m_bSaveAndValidate || (value >= min && value <= max))
        return;
    AfxMessageBox(QString::fromStdString(spln::IntegerRangeMessage(min, max)), MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

void DDV_MinMaxDouble(CDataExchange* pDX, double value, double min, double max)
{
    if (!pDX->m_bSaveAndValidate || (value >= min && value <= max))
        return;
    AfxMessageBox(QString::fromStdString(spln::NumberRangeMessage(min, max)), MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}
