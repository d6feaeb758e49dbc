#include "afx/controls/Static.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)
