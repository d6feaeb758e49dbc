#include "afx/TabCtrl.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)
