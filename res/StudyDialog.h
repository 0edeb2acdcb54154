#pragma once

// Dialog resource 132: the study dialog's title, size, font and controls.

#include "platform/DialogTemplate.h"

constexpr int IDD_STUDY = 132;

constexpr int IDC_STUDY_SWEEP = 1100;  // radio group: sweep / grid / selection / repeat
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
constexpr int IDC_STUDY_GRID = 1115;
constexpr int IDC_STUDY_SELECT = 1116;
constexpr int IDC_ACROSS_SCHWARZ_COUNT = 1117;  // radio group: a grid's second setting, in kSweepableSettings order
constexpr int IDC_ACROSS_LSQ_COUNT = 1118;
constexpr int IDC_ACROSS_WINDOW = 1119;
constexpr int IDC_ACROSS_SAMPLES = 1120;
constexpr int IDC_ACROSS_FROM = 1121;
constexpr int IDC_ACROSS_TO = 1122;
constexpr int IDC_ACROSS_SPACING_STEP = 1123;  // radio group: the second setting's step / log spacing
constexpr int IDC_ACROSS_SPACING_LOG = 1124;
constexpr int IDC_ACROSS_STEP = 1125;
constexpr int IDC_ACROSS_LOG_COUNT = 1126;
constexpr int IDC_SELECT_NOTE = 1127;

extern const DialogTemplate kStudyDialogTemplate;
