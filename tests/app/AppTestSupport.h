#pragma once

// Helpers for the desktop-class tests: fresh engines, the settings compared
// field by field, and the open modal dialog.

#include "app/CSettingsDlg.h"
#include "engine/CSplineEngine.h"
#include "model/SplnSettings.h"

#include <QApplication>
#include <QLineEdit>

#include <memory>

// The engine defaults, for putting a program-wide engine back between tests.
inline const CSplineEngine& DefaultEngine()
{
    static const auto engine = std::make_unique<CSplineEngine>();
    return *engine;
}

// The seventeen settings as a tuple, so that two sets compare in one step.
inline auto SettingsTuple(const CSplnSettings& s)
{
    return std::tuple(s.m_nSource, s.m_nFileLength, s.m_dAmplitude, s.m_nExample, s.m_nBoard, s.m_dLeftValue,
                      s.m_dRightValue, s.m_dRightDeriv, s.m_dLeftDeriv, s.m_nLeftMargin, s.m_nRightMargin, s.m_nMethod,
                      s.m_nWindow, s.m_nSchwarzCount, s.m_nSchwarzType, s.m_nLsqCount, s.m_nLsqType);
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
