// The settings panel: fields from the settings record, read as the dialog reads them.

#include "app/CSettingsPanel.h"

#include "app/CSplnDoc.h"
#include "model/DocFunctions.h"
#include "model/Formula.h"
#include "platform/FieldNumbers.h"
#include "res/SettingsDialog.h"
#include "text/FieldMessages.h"
#include "text/NumberFormat.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <optional>
#include <string>

namespace {

constexpr const char* kFaultStyle = "background: #ffd8d8;";
constexpr int kExampleFieldCharacters = 26;  // "11  Y(x)=Exp(5*(Sin(16*pi*x)-1))" nearly whole

bool IsProjectionField(spln::SettingId id)
{
    return id == spln::kSettingSchwarzType || id == spln::kSettingSchwarzCount;
}

bool IsLeastSquaresField(spln::SettingId id)
{
    return id == spln::kSettingLsqType || id == spln::kSettingLsqCount;
}

QString RangeText(const spln::SettingRange& range)
{
    if (range.kind == spln::SettingKind::Choice) {
        if (range.choice2)
            return QStringLiteral("%1, %2 or %3")
                .arg(QString::fromLatin1(range.choice0), QString::fromLatin1(range.choice1),
                     QString::fromLatin1(range.choice2));
        return QStringLiteral("%1 or %2").arg(QString::fromLatin1(range.choice0), QString::fromLatin1(range.choice1));
    }
    if (range.kind == spln::SettingKind::Text)
        return QStringLiteral("up to %1 characters").arg(static_cast<int>(range.max));
    return QStringLiteral("%1 to %2")
        .arg(QString::fromStdString(spln::FormatDoubleField(range.min)),
             QString::fromStdString(spln::FormatDoubleField(range.max)));
}

// The text a field shows for a value.
QString ValueText(const spln::SettingRange& range, double value)
{
    if (range.kind == spln::SettingKind::Real)
        return QString::fromStdString(spln::FormatDoubleField(value));
    return QString::number(static_cast<int>(value));
}

// A typed value as the dialog takes it: the number, or the dialog's message.
struct TypedValue {
    std::optional<double> value;
    std::string fault;
};

TypedValue ReadTyped(const spln::SettingRange& range, const QString& text)
{
    const std::string typed = text.toStdString();
    TypedValue read;
    if (range.kind == spln::SettingKind::Integer) {
        const std::optional<int> number = spln::ParseIntField(typed);
        if (!number)
            read.fault = spln::kNotAnInteger;
        else if (!range.Contains(*number))
            read.fault = spln::IntegerRangeMessage(range.MinInt(), range.MaxInt());
        else
            read.value = *number;
    } else {
        const std::optional<double> number = spln::ParseDoubleField(typed);
        if (!number)
            read.fault = spln::kNotANumber;
        else if (!range.Contains(*number))
            read.fault = spln::NumberRangeMessage(range.min, range.max);
        else
            read.value = *number;
    }
    return read;
}

}  // namespace

CSettingsPanel::CSettingsPanel(CSplnDoc& doc, QWidget* parent)
    : QDockWidget(QStringLiteral("Settings"), parent), m_doc(doc)
{
    setObjectName(QStringLiteral("SettingsPanel"));
    auto* body = new QWidget;
    auto* column = new QVBoxLayout(body);
    auto* form = new QFormLayout;
    column->addLayout(form);

    for (const spln::SettingRange& range : spln::kSettingRanges) {
        Field& field = m_fields[range.id];
        QWidget* widget = nullptr;
        if (range.kind == spln::SettingKind::Choice || range.id == spln::kSettingExample) {
            field.choice = new QComboBox;
            if (range.id == spln::kSettingExample) {
                for (int i = 0; i < spln::doc::kFunctionCount; ++i)
                    field.choice->addItem(
                        QStringLiteral("%1  %2").arg(i + 1).arg(QString::fromUtf8(spln::doc::Caption(i))));
                // The longest captions would make the dock take half the window;
                // the field shows their start, the list them whole.
                field.choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
                field.choice->setMinimumContentsLength(kExampleFieldCharacters);
                field.choice->view()->setMinimumWidth(field.choice->view()->sizeHintForColumn(0));
            } else {
                field.choice->addItems({QString::fromLatin1(range.choice0), QString::fromLatin1(range.choice1)});
                if (range.choice2)
                    field.choice->addItem(QString::fromLatin1(range.choice2));
            }
            connect(field.choice, &QComboBox::activated, this, [this, id = range.id] { OnEdited(id); });
            widget = field.choice;
        } else {
            field.edit = new QLineEdit;
            connect(field.edit, &QLineEdit::textEdited, this, [this, id = range.id] { OnEdited(id); });
            widget = field.edit;
        }
        widget->setObjectName(QString::fromLatin1(range.flag));
        widget->setToolTip(QStringLiteral("%1 (%2)").arg(QString::fromLatin1(range.help), RangeText(range)));
        field.label = new QLabel(QString::fromLatin1(range.flag));
        field.label->setToolTip(widget->toolTip());
        form->addRow(field.label, widget);
    }

    // The data file beside the settings: a run on the file reads it.
    auto* dataRow = new QHBoxLayout;
    m_pData = new QLineEdit;
    m_pData->setObjectName(QStringLiteral("data"));
    m_pData->setPlaceholderText(QStringLiteral("sig.dat in the current folder"));
    m_pData->setToolTip(QStringLiteral("the data file of the source file: one column of numbers, or x and y"));
    auto* choose = new QPushButton(QStringLiteral("..."));
    choose->setToolTip(QStringLiteral("Open Data"));
    dataRow->addWidget(m_pData);
    dataRow->addWidget(choose);
    form->addRow(new QLabel(QStringLiteral("data")), dataRow);
    connect(m_pData, &QLineEdit::editingFinished, this, [this] {
        if (m_pData->text().toStdString() != m_doc.m_strDataPath)
            Apply();
    });
    connect(choose, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open Data"), m_pData->text());
        if (!path.isEmpty())
            m_doc.OpenDataFile(path);
    });

    m_pMessage = new QLabel;
    m_pMessage->setWordWrap(true);
    m_pMessage->setStyleSheet(QStringLiteral("color: #b00000;"));
    column->addWidget(m_pMessage);
    auto* buttons = new QHBoxLayout;
    m_pLive = new QCheckBox(QStringLiteral("&Live"));
    m_pLive->setChecked(true);
    m_pApply = new QPushButton(QStringLiteral("&Apply"));
    m_pApply->setEnabled(false);
    buttons->addWidget(m_pLive);
    buttons->addStretch();
    buttons->addWidget(m_pApply);
    column->addLayout(buttons);
    column->addStretch();
    connect(m_pLive, &QCheckBox::toggled, this, [this](bool live) {
        m_pApply->setEnabled(!live);
        if (live)
            Apply();
    });
    connect(m_pApply, &QPushButton::clicked, this, [this] { Apply(); });

    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, [this] { ApplyLive(); });

    auto* scroll = new QScrollArea;
    scroll->setWidget(body);
    scroll->setWidgetResizable(true);
    setWidget(scroll);
    LoadFromDocument();
    // The panel follows every change of the accepted settings, whoever made it.
    m_doc.SetSettingsChangedHandler(this, [this] { LoadFromDocument(); });
}

CSettingsPanel::~CSettingsPanel()
{
    m_doc.SetSettingsChangedHandler(this, {});
}

QWidget* CSettingsPanel::FieldOf(spln::SettingId id) const
{
    const Field& field = m_fields[id];
    return field.edit ? static_cast<QWidget*>(field.edit) : field.choice;
}

void CSettingsPanel::LoadFromDocument()
{
    const CSplnSettings settings = m_doc.AcceptedSettings();
    for (const spln::SettingRange& range : spln::kSettingRanges) {
        const Field& field = m_fields[range.id];
        const double value = spln::GetSetting(settings, range.id);
        if (field.choice) {
            field.choice->setCurrentIndex(static_cast<int>(value) - (range.id == spln::kSettingExample ? 1 : 0));
        } else if (range.docText) {
            const QString text = QString::fromStdString(std::string(spln::GetSettingText(settings, range.id)));
            if (field.edit->text() != text)
                field.edit->setText(text);
        } else {
            const TypedValue shown = ReadTyped(range, field.edit->text());
            if (!shown.value || *shown.value != value)
                field.edit->setText(ValueText(range, value));
        }
    }
    const QString dataPath = QString::fromStdString(m_doc.m_strDataPath);
    if (m_pData->text() != dataPath)
        m_pData->setText(dataPath);
    Mark(spln::kSettingCount, {});
    ShowMethodFields();
    m_nEdited = spln::kSettingCount;
}

void CSettingsPanel::OnEdited(spln::SettingId id)
{
    m_nEdited = m_nEdited == spln::kSettingCount || m_nEdited == id ? id : -1;
    ShowMethodFields();
    if (m_pLive->isChecked())
        m_settle.start();
}

void CSettingsPanel::ShowMethodFields()
{
    const bool leastSquares = m_fields[spln::kSettingMethod].choice->currentIndex() == 1;
    for (const spln::SettingRange& range : spln::kSettingRanges) {
        const bool shown = IsProjectionField(range.id)     ? !leastSquares
                           : IsLeastSquaresField(range.id) ? leastSquares
                                                           : true;
        m_fields[range.id].label->setVisible(shown);
        FieldOf(range.id)->setVisible(shown);
    }
}

void CSettingsPanel::Mark(spln::SettingId faulty, const QString& message)
{
    for (const spln::SettingRange& range : spln::kSettingRanges)
        FieldOf(range.id)->setStyleSheet(range.id == faulty ? QString::fromLatin1(kFaultStyle) : QString());
    m_pMessage->setText(message);
    m_pMessage->setVisible(!message.isEmpty());
}

void CSettingsPanel::ApplyLive()
{
    Take(m_nEdited == spln::kSettingCount ? -1 : m_nEdited);
}

bool CSettingsPanel::Apply()
{
    return Take(-1);
}

bool CSettingsPanel::Take(int mergeField)
{
    m_settle.stop();
    // A typed data file is read first: refused, it is named in a message box and nothing changes.
    const QString typedPath = m_pData->text().trimmed();
    if (!typedPath.isEmpty() && typedPath.toStdString() != m_doc.m_strDataPath && !m_doc.OpenDataFile(typedPath))
        return false;
    CSplnSettings settings = m_doc.AcceptedSettings();
    // In the order of the dialog's exchange, so that of two bad fields the
    // panel names the one the dialog would.
    for (const SettingControl& entry : kSettingControls) {
        const spln::SettingRange& range = spln::RangeOf(entry.setting);
        const Field& field = m_fields[range.id];
        if (field.choice) {
            spln::SetSetting(settings, range.id,
                             field.choice->currentIndex() + (range.id == spln::kSettingExample ? 1 : 0));
            continue;
        }
        if (range.docText) {
            const std::string text = field.edit->text().toStdString();
            if (text.size() > static_cast<std::size_t>(range.max)) {
                Mark(range.id, QString::fromStdString(spln::TextLengthMessage(static_cast<int>(range.max))));
                return false;
            }
            spln::SetSettingText(settings, range.id, text);
            continue;
        }
        const TypedValue typed = ReadTyped(range, field.edit->text());
        if (!typed.value) {
            Mark(range.id, QString::fromStdString(typed.fault));
            return false;
        }
        spln::SetSetting(settings, range.id, *typed.value);
    }
    const int fileSamples = m_doc.m_nDataSamples > 0 ? m_doc.m_nDataSamples : spln::kFileSamples;
    if (!spln::WindowCheckPasses(settings.m_nSource, settings.m_nWindow, settings.m_nFileLength, fileSamples)) {
        Mark(spln::kSettingWindow, QString::fromLatin1(spln::kWindowCheckMessage));
        return false;
    }
    // A formula the run cannot use is refused as the dialog refuses it.
    if (const std::string message = spln::FormulaMessage(settings); !message.empty()) {
        Mark(spln::kSettingFormula, QString::fromStdString(message));
        return false;
    }
    Mark(spln::kSettingCount, {});
    m_nEdited = spln::kSettingCount;
    m_doc.ChangeSettings(settings, QStringLiteral("Settings panel"), mergeField);
    return true;
}
