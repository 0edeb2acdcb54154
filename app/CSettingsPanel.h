#pragma once

// The settings panel: a dock beside the picture with a field for every row of
// the settings record. With Live on, every valid change is drawn as soon as
// the typing settles; with Live off, on Apply. A value the settings dialog
// would refuse marks its field and shows the dialog's message, and the
// picture keeps the last valid run.

#include "model/SettingsRecord.h"

#include <QDockWidget>
#include <QTimer>

class CSplnDoc;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CSettingsPanel : public QDockWidget {
    Q_OBJECT

public:
    // How long the typing must rest before a live change is drawn.
    static constexpr int kSettleMilliseconds = 40;

    // The document must outlive the panel.
    CSettingsPanel(CSplnDoc& doc, QWidget* parent = nullptr);
    ~CSettingsPanel() override;

    // Shows the document's accepted settings; a field whose text already
    // says its value is left as typed.
    void LoadFromDocument();

    // Reads every field as the settings dialog does. Valid settings become
    // the document's (one step of its undo stack; with Live on, the changes
    // of one field typed in a row are one step) and clear the message;
    // otherwise the first field at fault is marked and the dialog's message
    // shown, and the document stays as it was. True when the settings were taken.
    bool Apply();

    // The field of a setting: a line edit, or a combo box for a choice and
    // the built-in function.
    QWidget* FieldOf(spln::SettingId id) const;
    // The data file's path: typed and taken on Apply, or chosen with its button.
    QLineEdit* DataField() const { return m_pData; }
    QLabel* MessageLabel() const { return m_pMessage; }
    QCheckBox* LiveBox() const { return m_pLive; }
    QPushButton* ApplyButton() const { return m_pApply; }

private:
    struct Field {
        QLabel* label = nullptr;
        QLineEdit* edit = nullptr;
        QComboBox* choice = nullptr;
    };

    void OnEdited(spln::SettingId id);
    // Apply, after the typing settled: a change of one field joins the step
    // of the live changes of that field before it.
    void ApplyLive();
    bool Take(int mergeField);
    // The two methods' fields are shown for the method chosen.
    void ShowMethodFields();
    void Mark(spln::SettingId faulty, const QString& message);

    CSplnDoc& m_doc;
    Field m_fields[spln::kSettingCount];
    QCheckBox* m_pLive = nullptr;
    QPushButton* m_pApply = nullptr;
    QLabel* m_pMessage = nullptr;
    QLineEdit* m_pData = nullptr;
    QTimer m_settle;
    // The field edited since the settings were last taken or shown; kSettingCount for none, -1 for several.
    int m_nEdited = spln::kSettingCount;
};
