#pragma once

// Dialog resource 132: the study dialog's title, size, font and controls.

#include "platform/DialogTemplate.h"

constexpr int IDD_STUDY = 132;

constexpr int IDC_STUDY_SWEEP = 1100;  // radio group: sweep / repeat
constexpr int IDC_STUDY_REPEAT = 1101;
constexpr int IDC_SWEEP_SCHWARZ_COUNT = 1102;  // radio group: the swept setting, in kSweepableSettings order
constexpr int IDC_SWEEP_LSQ_COUNT = 1103;
constexpr int IDC_SWEEP_WINDOW = 1104;
constexpr int IDC_SWEEP_SAMPLES = 1105;
constexpr int IDC_SWEEP_FROM = 1106;
constexpr int IDC_SWEEP_TO = 1107;
constexpr int IDC_SPACING_STEP = 1108;  // radio group: step / log spacing
constexpr int IDC_SPACING_LOG = 1109;
constexpr int IDC_SWEEP_STEP = 1110;
constexpr int IDC_SWEEP_LOG_COUNT = 1111;
constexpr int IDC_REPEAT_COUNT = 1112;
constexpr int IDC_STUDY_SEED = 1113;
constexpr int IDC_STUDY_NOISE_NOTE = 1114;

extern const DialogTemplate kStudyDialogTemplate;
