#include "afx/FrameWnd.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)
