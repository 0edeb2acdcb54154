#pragma once

// Helpers for the desktop-class tests: fresh engines, the settings of an
// engine, and the open modal dialog; the settings compare row by row.

#include "app/CSettingsDlg.h"
#include "engine/CSplineEngine.h"
#include "model/SplnSettings.h"
#include "tests/model/SettingsTestSupport.h"

#include <QApplication>
#include <QLineEdit>

#include <memory>

using spln::test::SameSettingsAs;

// The engine defaults, for putting a program-wide engine back between tests.
inline const CSplineEngine& DefaultEngine()
{
    static const auto engine = std::make_unique<CSplineEngine>();
    return *engine;
}

// The settings held by an engine, in the document's numbering.
inline CSplnSettings SettingsOf(const CSplineEngine& engine)
{
    CSplnSettings settings;
    LoadSettingsFromEngine(engine, settings);
    return settings;
}

inline QLineEdit* EditOf(const CDialog& dialog, int id)
{
    return static_cast<QLineEdit*>(dialog.GetDlgItem(id));
}

// The settings dialog that is open modally right now, or null.
inline CSettingsDlg* OpenSettingsDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<CSettingsDlg*>(widget); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}
