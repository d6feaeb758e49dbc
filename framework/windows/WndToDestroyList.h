#pragma once
// Lists of windows "to destroy" kept for the message box, the dialog base,
// the property sheet base and CMyWnd. The program never lists a window, so
// these lists stay empty; their operations are kept so that the window bases
// work as designed should a window ever be listed.
#include "afx/app/AfxWin.h"

class CWndToDestroyList
{
public:
    // Removes the first occurrence; nothing when the window is not listed.
    void Remove(CWnd* wnd);
    // The window itself when it is not listed, else null.
    CWnd* Check(CWnd* wnd) const;
    // Destroys every listed window that still exists.
    void DestroyAll();
    void Add(CWnd* wnd) { m_windows.Add(wnd); }
    int GetCount() const { return (int)m_windows.GetSize(); }

private:
    CPtrArray m_windows;
};

CWndToDestroyList& WndsToDestroyOnMessageBox();
CWndToDestroyList& WndsToDestroyOnDialog();
CWndToDestroyList& WndsToDestroyOnPropertySheet();
CWndToDestroyList& WndsToDestroyOnMyWnd();

void RemoveWndToDestroyOnMessageBox(CWnd* wnd);
void RemoveWndToDestroyOnDialog(CWnd* wnd);
void RemoveWndToDestroyOnPropertySheet(CWnd* wnd);
void RemoveWndToDestroyOnMyWnd(CWnd* wnd);

// A parent passed through the tests of all four lists: null when any lists it.
CWnd* CheckWndToDestroy(CWnd* wnd);

// Held by a window base: when released with its flag set, removes its window
// from all four lists.
struct CWndToDestroyLink
{
    CWnd* m_wnd = NULL;
    BOOL m_registered = FALSE;

    explicit CWndToDestroyLink(CWnd* wnd) : m_wnd(wnd) {}
    ~CWndToDestroyLink() { Release(); }
    void Release();
};
