#pragma once
// A dialog's tooltip control that keeps, per control window, a tip of one or
// more paragraphs: hovering shows its first line, context help (F1, the "?"
// button) shows all of it in a text pop-up. Tip texts pass through the
// terminology expansion. Every live tooltip is in one list, so turning the
// tooltips preference on or off reaches all open dialogs at once.
#include "afx/app/AfxWin.h"

#include <map>

class CMyToolTipCtrl : public CToolTipCtrl
{
    DECLARE_DYNAMIC(CMyToolTipCtrl)

public:
    CMyToolTipCtrl();
    ~CMyToolTipCtrl() override;

    // Creates the tooltip window on first need, as a child of the parent.
    BOOL EnsureCreated();
    // Activates the tooltip when the tooltips preference is on.
    void UpdateActivation();

    // Registers the window with its whole tip (LPSTR_TEXTCALLBACK: the text
    // is asked for when needed); a null or empty text does nothing.
    void SetTip(CWnd* window, LPCTSTR text);
    void SetTipForHwnd(HWND window, LPCTSTR text);
    void SetTipForDlgItem(CWnd* parent, int controlId, LPCTSTR text);
    // Replaces the tip of a window that already is a tool.
    void UpdateTip(LPCTSTR text, CWnd* window);
    // Appends a paragraph (after a blank line) to the window's tip.
    void AddTipParagraph(CWnd* window, LPCTSTR text);

    CString GetTipText(CWnd* window) const;
    CString GetTipText(HWND window) const;
    void DelTool(CWnd* window);
    BOOL HasTips() const { return !m_tips.empty(); }

    // Passes mouse messages on to the tooltip, addressed to the window under
    // the point.
    void RelayEvent(MSG* msg);
    // Context help about a window: its whole tip in a text pop-up at the
    // mouse position, or a beep when it has none. Always handled.
    BOOL OnContextHelp(HELPINFO* info);

    // The first line of a text: up to the first CR, else the first LF.
    static CString FirstLine(const CString& text);

    CWnd* m_parent;
    BOOL m_active;

private:
    void StoreTip(HWND window, const CString& expanded);
    std::map<HWND, CString> m_tips;
};

// Applies the tooltips preference to every live tooltip control.
void UpdateAllToolTips();
