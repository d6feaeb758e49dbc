#include "afx/Edit.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)
