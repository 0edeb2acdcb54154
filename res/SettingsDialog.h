#pragma once

// Dialog resource 131: the settings dialog's title, size, font and controls.

#include "platform/DialogTemplate.h"

constexpr int IDD_SETTINGS = 131;

// Control ids of the settings dialog.
constexpr int IDC_SOURCE_EXAMPLE = 1000;   // radio group m_nSource: example / file
constexpr int IDC_SOURCE_FILE = 1001;
constexpr int IDC_METHOD_SCHWARZ = 1002;   // radio group m_nMethod: projection / least squares
constexpr int IDC_METHOD_LSQ = 1003;
constexpr int IDC_BOARD_GIVEN = 1004;      // radio group m_nBoard: given values / estimation
constexpr int IDC_BOARD_ESTIMATE = 1005;
constexpr int IDC_SCHWARZ_TYPE = 1006;
constexpr int IDC_FILE_LENGTH = 1007;
constexpr int IDC_AMPLITUDE = 1008;
constexpr int IDC_SCHWARZ_COUNT = 1009;
constexpr int IDC_LEFT_VALUE = 1010;
constexpr int IDC_LEFT_DERIV = 1011;
constexpr int IDC_FILE_LENGTH_LABEL = 1012;
constexpr int IDC_AMPLITUDE_LABEL = 1013;
constexpr int IDC_EXAMPLE_LABEL = 1014;
constexpr int IDC_EXAMPLE = 1015;
constexpr int IDC_RIGHT_VALUE = 1016;
constexpr int IDC_RIGHT_DERIV = 1017;
constexpr int IDC_LEFT_MARGIN = 1018;
constexpr int IDC_RIGHT_MARGIN = 1019;
constexpr int IDC_LSQ_TYPE = 1020;
constexpr int IDC_LSQ_COUNT = 1021;
constexpr int IDC_WINDOW = 1022;

extern const DialogTemplate kSettingsDialogTemplate;
