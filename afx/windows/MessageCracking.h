#pragma once
// Calls the handler of a window-message entry of a message map with the
// arguments cracked from the message, as the entry's signature (AfxSig_*) says.
#include "afx/windows/Wnd.h"

// The message as its handler sees it. pCtl is the colour record of a
// WM_CTLCOLOR* message (its device context, control and control type), else null.
struct AFX_CRACKED_MESSAGE
{
    WPARAM wParam;
    LPARAM lParam;
    const AFX_CTLCOLOR* pCtl;
};

// Runs the handler and stores its answer in *pResult. FALSE when the entry's
// signature is not a window message's, or when the handler declines (a
// reflected colour handler that gives no brush), so that the message goes on.
BOOL AfxCallMessageHandler(CWnd* pWnd, const AFX_MSGMAP_ENTRY* pEntry, const AFX_CRACKED_MESSAGE& msg,
                           LRESULT* pResult);
