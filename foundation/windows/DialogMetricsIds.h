#pragma once
// The hidden dialog from which the dialog metrics are measured.
#define IDD_DIALOG_METRICS 458
#define IDC_METRICS_CHECK1 39175
#define IDC_METRICS_CHECK2 39176
#define IDC_METRICS_COMBO1 39177
#define IDC_METRICS_COMBO2 39178
#define IDC_METRICS_EDIT 39179
#define IDC_METRICS_LABEL 39180
#define IDC_METRICS_GROUP 39181
#define IDC_METRICS_TAB 39182
