#include "afx/Static.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)
