#pragma once

#include "afx/AfxWin.h"

// Sizes that Windows gives standard controls in the dialog font, measured once
// per run from a hidden dialog. Every getter measures first when needed.
void MeasureDialogMetrics();
BOOL AreDialogMetricsMeasured();

CSize GetCheckBoxSize();
int GetCheckBoxGap();
CSize GetButtonTextExtent();
int GetGroupBoxLeftMargin();
int GetGroupBoxTopMargin();
int GetGroupBoxRightMargin();
int GetGroupBoxBottomMargin();
CSize GetTabControlFrameSize();
int GetTabControlLeftFrame();
int GetTabControlTopFrame();
int GetEditHeight();
int GetEditLabelOffset();
int GetComboBoxHeight(int which);

// Ids of the metrics dialog and its controls.
enum
{
    IDD_DIALOG_METRICS = 458,
    IDC_METRICS_CHECK1 = 39175,
    IDC_METRICS_CHECK2 = 39176,
    IDC_METRICS_COMBO1 = 39177,
    IDC_METRICS_COMBO2 = 39178,
    IDC_METRICS_EDIT = 39179,
    IDC_METRICS_LABEL = 39180,
    IDC_METRICS_GROUP = 39181,
    IDC_METRICS_TAB = 39182,
};
