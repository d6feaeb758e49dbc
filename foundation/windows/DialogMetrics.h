#pragma once

#include "afx/app/AfxWin.h"
#include "foundation/windows/DialogMetricsIds.h"

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
