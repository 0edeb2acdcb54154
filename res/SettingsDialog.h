#pragma once

// Dialog resource 131: the settings dialog's title, size, font and controls,
// and the control that edits each setting of the settings record.

#include <iterator>

#include "model/SettingsRecord.h"
#include "platform/DialogTemplate.h"

constexpr int IDD_SETTINGS = 131;

// Control ids of the settings dialog. A radio group's value is the position
// of its chosen button, so the second button follows the first.
constexpr int IDC_SOURCE_EXAMPLE = 1000;  // radio group m_nSource: example / file
constexpr int IDC_SOURCE_FILE = IDC_SOURCE_EXAMPLE + 1;
constexpr int IDC_METHOD_SCHWARZ = 1002;  // radio group m_nMethod: projection / least squares
constexpr int IDC_METHOD_LSQ = IDC_METHOD_SCHWARZ + 1;
constexpr int IDC_BOARD_GIVEN = 1004;  // radio group m_nBoard: given values / estimation
constexpr int IDC_BOARD_ESTIMATE = IDC_BOARD_GIVEN + 1;
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
constexpr int IDC_SOURCE_FORMULA = 1023;  // third button of the source group, after IDC_SOURCE_FILE in the template
constexpr int IDC_FORMULA = 1024;
constexpr int IDC_NOISE_SEED = 1025;
constexpr int IDC_RESAMPLE_NO = 1026;  // radio group m_nResample: refuse / resample uneven x
constexpr int IDC_RESAMPLE_YES = IDC_RESAMPLE_NO + 1;
constexpr int IDC_DATA_FILE_NAME = 1028;   // the data file a run on the file reads
constexpr int IDC_EXAMPLE_CAPTION = 1029;  // the caption of the function the number chooses

// The control that edits a setting: its edit field, or the first button of
// its radio group.
struct SettingControl {
    spln::SettingId setting;
    int control;
};

// Every setting with its control, in the order the dialog's data exchange
// takes them: the radio groups first. A storing exchange stops at the first
// field it refuses, so this order decides which of two bad fields is reported.
inline constexpr SettingControl kSettingControls[] = {
    {spln::kSettingSource, IDC_SOURCE_EXAMPLE},
    {spln::kSettingMethod, IDC_METHOD_SCHWARZ},
    {spln::kSettingBoard, IDC_BOARD_GIVEN},
    {spln::kSettingFileLength, IDC_FILE_LENGTH},
    {spln::kSettingAmplitude, IDC_AMPLITUDE},
    {spln::kSettingExample, IDC_EXAMPLE},
    {spln::kSettingLeftValue, IDC_LEFT_VALUE},
    {spln::kSettingLeftDeriv, IDC_LEFT_DERIV},
    {spln::kSettingRightValue, IDC_RIGHT_VALUE},
    {spln::kSettingRightDeriv, IDC_RIGHT_DERIV},
    {spln::kSettingLeftMargin, IDC_LEFT_MARGIN},
    {spln::kSettingRightMargin, IDC_RIGHT_MARGIN},
    {spln::kSettingWindow, IDC_WINDOW},
    {spln::kSettingSchwarzType, IDC_SCHWARZ_TYPE},
    {spln::kSettingSchwarzCount, IDC_SCHWARZ_COUNT},
    {spln::kSettingLsqType, IDC_LSQ_TYPE},
    {spln::kSettingLsqCount, IDC_LSQ_COUNT},
    {spln::kSettingFormula, IDC_FORMULA},
    {spln::kSettingNoiseSeed, IDC_NOISE_SEED},
    {spln::kSettingResample, IDC_RESAMPLE_NO},
};

// The control of a setting; 0 for one the dialog does not show.
constexpr int ControlOf(spln::SettingId setting)
{
    for (const SettingControl& entry : kSettingControls)
        if (entry.setting == setting)
            return entry.control;
    return 0;
}

// The dialog edits every setting of the record, each in a control of its own.
constexpr bool EverySettingHasItsOwnControl()
{
    for (int id = 0; id < spln::kSettingCount; ++id) {
        const int control = ControlOf(static_cast<spln::SettingId>(id));
        if (control == 0)
            return false;
        int users = 0;
        for (const SettingControl& entry : kSettingControls)
            users += entry.control == control ? 1 : 0;
        if (users != 1)
            return false;
    }
    return std::size(kSettingControls) == spln::kSettingCount;
}
static_assert(EverySettingHasItsOwnControl());

extern const DialogTemplate kSettingsDialogTemplate;
