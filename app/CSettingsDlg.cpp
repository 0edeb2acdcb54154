// The settings dialog: every setting exchanged with the document, then the window check.

#include "app/CSettingsDlg.h"

#include "app/CSplnDoc.h"
#include "model/DocFunctions.h"
#include "model/Formula.h"
#include "model/SettingsRecord.h"
#include "model/SplnSettings.h"
#include "platform/DDX.h"
#include "platform/MessageBox.h"
#include "res/SettingsDialog.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include <cctype>

namespace {

// text cut to the label's width with an ellipsis.
QString ElidedFor(const QLabel& label, const QString& text, Qt::TextElideMode mode)
{
    return QFontMetrics(label.font()).elidedText(text, mode, label.width());
}

// One setting between its control and the document's member, with the range
// check of a typed number.
void ExchangeSetting(CDataExchange* pDX, const SettingControl& entry, CSplnSettings& settings)
{
    const spln::SettingRange& range = spln::RangeOf(entry.setting);
    switch (range.kind) {
    case spln::SettingKind::Choice:
        DDX_Radio(pDX, entry.control, settings.*range.docWhole);
        break;
    case spln::SettingKind::Integer:
        DDX_Text(pDX, entry.control, settings.*range.docWhole);
        DDV_MinMaxInt(pDX, settings.*range.docWhole, range.MinInt(), range.MaxInt());
        break;
    case spln::SettingKind::Real:
        DDX_Text(pDX, entry.control, settings.*range.docReal);
        DDV_MinMaxDouble(pDX, settings.*range.docReal, range.min, range.max);
        break;
    case spln::SettingKind::Text:
        DDX_Text(pDX, entry.control, settings.*range.docText, spln::kFormulaSize);
        break;
    }
}

}  // namespace

CSettingsDlg::CSettingsDlg(CSplnDoc* pDoc, CSplineEngine& engine, QWidget* parent)
    : CDialog(kSettingsDialogTemplate, parent), m_pDoc(pDoc), m_engine(engine), m_bValidBefore(pDoc->m_bValid)
{
    LoadSettingsFromEngine(m_engine, *m_pDoc);
}

bool CSettingsDlg::OnInitDialog()
{
    if (!CDialog::OnInitDialog())
        return false;
    if (auto* name = qobject_cast<QLabel*>(GetDlgItem(IDC_DATA_FILE_NAME))) {
        const std::string& path = m_pDoc->m_strDataPath;
        const QString full = path.empty() ? QStringLiteral("sig.dat in the current folder (File > Open Data chooses)")
                                          : QString::fromStdString(path);
        name->setText(ElidedFor(*name, full, Qt::ElideMiddle));
        name->setToolTip(full);
    }
    auto* number = qobject_cast<QLineEdit*>(GetDlgItem(IDC_EXAMPLE));
    auto* caption = qobject_cast<QLabel*>(GetDlgItem(IDC_EXAMPLE_CAPTION));
    if (number && caption) {
        const auto follow = [number, caption] {
            bool ok = false;
            const int example = number->text().trimmed().toInt(&ok);
            const bool known = ok && example >= 1 && example <= spln::doc::kFunctionCount;
            const QString full = known ? QString::fromLatin1(spln::doc::Caption(example - 1)) : QString();
            caption->setText(ElidedFor(*caption, full, Qt::ElideRight));
            caption->setToolTip(full);
        };
        connect(number, &QLineEdit::textChanged, caption, follow);
        follow();
    }
    return true;
}

void CSettingsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (const SettingControl& entry : kSettingControls)
        ExchangeSetting(pDX, entry, *m_pDoc);
    CheckWindow(pDX);
    if (pDX->m_bSaveAndValidate)
        CheckFormula(pDX);
}

void CSettingsDlg::CheckFormula(CDataExchange* pDX)
{
    const std::string message = spln::FormulaMessage(*m_pDoc);
    if (message.empty())
        return;
    AfxMessageBox(QString::fromStdString(message), MB_OK | MB_ICONEXCLAMATION);
    pDX->PrepareEditCtrl(IDC_FORMULA);
    pDX->Fail();
}

void CSettingsDlg::CheckWindow(CDataExchange* pDX)
{
    CSplnDoc& doc = *m_pDoc;
    // A chosen data file's own number of samples; sig.dat holds 4501.
    const int fileSamples = doc.m_nDataSamples > 0 ? doc.m_nDataSamples : spln::kFileSamples;
    if (spln::WindowCheckPasses(doc.m_nSource, doc.m_nWindow, doc.m_nFileLength, fileSamples)) {
        doc.m_bValid = 1;
        return;
    }
    AfxMessageBox(QString::fromLatin1(spln::kWindowCheckMessage), MB_OK);
    if (pDX->m_bSaveAndValidate) {
        // What was typed stays for the user to correct, as after a range
        // check: the dialog stays open with the window field selected.
        pDX->PrepareEditCtrl(IDC_WINDOW);
        pDX->Fail();
    }
    spln::ResetAfterFailedWindowCheck(doc);
    doc.m_bValid = 0;
}

void CSettingsDlg::OnCancel()
{
    // A storing exchange that failed part-way may have written some fields;
    // the engine still holds the last accepted settings.
    LoadSettingsFromEngine(m_engine, *m_pDoc);
    m_pDoc->m_bValid = m_bValidBefore;
    CDialog::OnCancel();
}
