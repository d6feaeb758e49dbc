#include "afx/controls/TabCtrl.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)
