#pragma once

#include "afx/app/AfxWin.h"
#include "framework/controls/MyButton.h"
#include "framework/windows/DialogIcon.h"
#include "framework/windows/MyWnd.h"
#include "framework/windows/WndPictureTable.h"

// Bits of the flags of CProgressWnd::Open.
enum ProgressWndFlags
{
    PWF_TITLE = 0x01,      // a title bar (set when the title is not empty)
    PWF_CANCEL = 0x02,     // a button; Esc or the button cancels; no wait cursor
    PWF_BAR = 0x04,
    PWF_ICON = 0x08,       // set when an icon id is given
    PWF_SMOOTH = 0x10,
    PWF_SUBTEXT = 0x40,    // a second text line
    PWF_OK_BUTTON = 0x80,  // with PWF_CANCEL: an OK default button, arrow cursor
    PWF_TOPMOST = 0x100,
};

// The small modeless window of a long operation: one or two lines of text, an
// optional bar, icon and Cancel (or OK) button. It disables its owner while
// open; the operation calls SetPos or PumpMessages between its steps, which
// keeps the screen painted, and stops when m_cancelled is set.
class CProgressWnd : public CMyWnd
{
    DECLARE_DYNAMIC(CProgressWnd)

public:
    enum
    {
        ID_BUTTON = 10,
        ID_BAR = 12,
        ID_ICON = 13,
        APPLICATION_ICON = 0xFFFF,   // icon id that stands for the program's icon
        PROGRAM_ICON_ID = 103,
        DEFAULT_WIDTH = 390,
    };

    CProgressWnd();
    ~CProgressWnd() override;

    // Creates and shows the window (again from a clean state when it was
    // used before) and disables the owner; FALSE when a window cannot be made.
    BOOL Open(CWnd* owner, UINT iconId, LPCTSTR title, LPCTSTR firstLine, DWORD flags);
    // Gives the owner back its input when it had it and destroys the window.
    void Close();
    void SetProgress(int position, int maximum);
    // Clamps the position to 0..maximum, shows it and pumps; the stored position.
    int SetPos(int position);
    void SetText(LPCTSTR format, ...);
    void SetSubText(LPCTSTR format, ...);
    // Dispatches the waiting messages until none is left or the window is
    // cancelled; a quit message is posted again.
    void PumpMessages();
    // Cancels a cancellable window: hides it and brings the owner forward.
    void Cancel();

    BOOL IsOpen() const { return m_open; }
    int GetPos() const { return m_position; }
    DWORD GetFlags() const { return m_flags; }
    const CString& GetText() const { return m_firstLine; }
    const CString& GetSubText() const { return m_secondLine; }

    BOOL m_cancelled;
    int m_width;                 // pixels; below 1 means the default 390
    CWndPictureTable m_pictures; // pictures drawn as the background

protected:
    afx_msg void OnButton();
    afx_msg void OnChar(UINT character, UINT repeats, UINT flags);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);

    DECLARE_MESSAGE_MAP()

private:
    void ResetForOpen();
    BOOL CreateChildren();
    void Layout();
    void ShowWithoutActivating();
    void EndWaitCursor();
    CFont* GetTextFont();
    void RepaintLine(const CRect& rect);

    BOOL m_open;
    int m_position;
    int m_maximum;
    HWND m_ownerWindow;
    BOOL m_ownerWasEnabled;
    CString m_title;
    CString m_firstLine;
    CString m_secondLine;
    UINT m_iconId;
    DWORD m_flags;
    CDialogIcon m_icon;
    HWND m_iconStatic;
    HWND m_bar;
    CMyButton m_button;
    CString m_buttonText;
    CFont m_messageFont;
    CRect m_firstLineRect;
    CRect m_secondLineRect;
    BOOL m_waitCursor;
};
