#include "afx/controls/Edit.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)
