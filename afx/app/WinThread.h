// CWinThread: the user-interface thread's message pumping, pre-translation
// and idle work.
#pragma once

#include "afx/windows/CmdTarget.h"

class CWnd;

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)

public:
    CWinThread();
    virtual ~CWinThread();

    CWnd* m_pMainWnd;   // the main window; may be an object without a window yet
    MSG m_msgCur;       // the message being pumped
    CPoint m_ptCursorLast;
    UINT m_nMsgLast;

    CWnd* GetMainWnd() { return m_pMainWnd; }

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // Gets and dispatches one message, after pre-translation; FALSE on WM_QUIT.
    BOOL PumpMessage();

    // Walks from the message's window up its parents to the main window,
    // offering the message to each permanent object; a window outside the
    // main window's tree gives the main window a last chance.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // FALSE for messages that do not restart idle processing: a mouse move
    // where the mouse already was, WM_PAINT and 0x118 (the caret blink).
    virtual BOOL IsIdleMessage(MSG* pMsg);
    // Count 0 updates the command UI of the main window's descendants; every
    // call frees the temporary handle wrappers. TRUE asks for more idle calls.
    virtual BOOL OnIdle(LONG lCount);
};

// The application object when there is one, else the thread's own object.
CWinThread* AFXAPI AfxGetThread();
CWnd* AFXAPI AfxGetMainWnd();
