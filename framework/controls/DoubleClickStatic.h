#pragma once
// A static control that tells its parent of a double-click: after the
// default handling the parent gets WM_STATIC_DOUBLE_CLICK with the mouse key
// flags and the control's window.
#include "framework/controls/MyStatic.h"
#include "framework/messages/PrivateMessages.h"

class CDoubleClickStatic : public CMyStatic
{
    DECLARE_DYNCREATE(CDoubleClickStatic)

protected:
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
