#pragma once

// Dialog resource 131: the settings dialog's title, size, font and controls.

#include "model/SettingsRecord.h"
#include "platform/DialogTemplate.h"

constexpr int IDD_SETTINGS = 131;

// Control ids of the settings dialog. The fields of the settings and the
// first button of each radio group take their ids from the settings record.
constexpr int IDC_SOURCE_EXAMPLE =
    spln::RangeOf(spln::kSettingSource).control;  // radio group m_nSource: example / file
constexpr int IDC_SOURCE_FILE = IDC_SOURCE_EXAMPLE + 1;
constexpr int IDC_METHOD_SCHWARZ =
    spln::RangeOf(spln::kSettingMethod).control;  // radio group m_nMethod: projection / least squares
constexpr int IDC_METHOD_LSQ = IDC_METHOD_SCHWARZ + 1;
constexpr int IDC_BOARD_GIVEN =
    spln::RangeOf(spln::kSettingBoard).control;  // radio group m_nBoard: given values / estimation
constexpr int IDC_BOARD_ESTIMATE = IDC_BOARD_GIVEN + 1;
constexpr int IDC_SCHWARZ_TYPE = spln::RangeOf(spln::kSettingSchwarzType).control;
constexpr int IDC_FILE_LENGTH = spln::RangeOf(spln::kSettingFileLength).control;
constexpr int IDC_AMPLITUDE = spln::RangeOf(spln::kSettingAmplitude).control;
constexpr int IDC_SCHWARZ_COUNT = spln::RangeOf(spln::kSettingSchwarzCount).control;
constexpr int IDC_LEFT_VALUE = spln::RangeOf(spln::kSettingLeftValue).control;
constexpr int IDC_LEFT_DERIV = spln::RangeOf(spln::kSettingLeftDeriv).control;
constexpr int IDC_FILE_LENGTH_LABEL = 1012;
constexpr int IDC_AMPLITUDE_LABEL = 1013;
constexpr int IDC_EXAMPLE_LABEL = 1014;
constexpr int IDC_EXAMPLE = spln::RangeOf(spln::kSettingExample).control;
constexpr int IDC_RIGHT_VALUE = spln::RangeOf(spln::kSettingRightValue).control;
constexpr int IDC_RIGHT_DERIV = spln::RangeOf(spln::kSettingRightDeriv).control;
constexpr int IDC_LEFT_MARGIN = spln::RangeOf(spln::kSettingLeftMargin).control;
constexpr int IDC_RIGHT_MARGIN = spln::RangeOf(spln::kSettingRightMargin).control;
constexpr int IDC_LSQ_TYPE = spln::RangeOf(spln::kSettingLsqType).control;
constexpr int IDC_LSQ_COUNT = spln::RangeOf(spln::kSettingLsqCount).control;
constexpr int IDC_WINDOW = spln::RangeOf(spln::kSettingWindow).control;

extern const DialogTemplate kSettingsDialogTemplate;
