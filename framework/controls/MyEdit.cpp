#include "framework/controls/MyEdit.h"

#include "foundation/windows/SystemColours.h"
#include "framework/dialogs/ZoomEditDlg.h"
#include "framework/menus/MenuCommands.h"
#include "framework/menus/MyMenu.h"

IMPLEMENT_DYNAMIC(CMyEdit, CEdit)

BEGIN_MESSAGE_MAP(CMyEdit, CEdit)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_CANCELMODE()
    ON_WM_RBUTTONDOWN()
    ON_MESSAGE(WM_STYLECHANGED, OnStyleChanged)
    ON_MESSAGE(EM_SETREADONLY, OnSetReadOnly)
    ON_WM_SETFOCUS()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CMyEdit::CMyEdit()
    : m_dragDrop(*this), m_notifyOnSetText(0), m_ownColours(0), m_brushMade(0), m_backgroundColour(GetSystemColour(COLOR_WINDOW)),
      m_textColour(GetSystemColour(COLOR_WINDOWTEXT)), m_caretOnFocus(0), m_enlargedEditor(0), m_deleteWithWindow(0)
{
}

CMyEdit::~CMyEdit()
{
}

COLORREF CMyEdit::SetBackgroundColour(COLORREF colour)
{
    COLORREF old = m_backgroundColour;
    m_backgroundColour = colour;
    m_brush.DeleteObject();
    m_brushMade = m_brush.CreateSolidBrush(colour);
    m_ownColours = 1;
    if (m_hWnd != NULL)
        ::InvalidateRect(m_hWnd, NULL, TRUE);
    return old;
}

COLORREF CMyEdit::SetTextColour(COLORREF colour)
{
    COLORREF old = m_textColour;
    m_textColour = colour;
    if (!m_brushMade)
        SetBackgroundColour(m_backgroundColour);
    else
    {
        m_ownColours = 1;
        if (m_hWnd != NULL)
            ::InvalidateRect(m_hWnd, NULL, TRUE);
    }
    return old;
}

CString CMyEdit::ReadText() const
{
    // The window text also for multi-line fields: with version 6 of the
    // common controls the field's own buffer (EM_GETHANDLE) holds wide
    // characters, not the program's text.
    CString text;
    GetWindowText(text);
    return text;
}

BOOL CMyEdit::GetSelection(CString* selected, int* start, int* end, CString* before, CString* after) const
{
    for (CString* out : {selected, before, after})
        if (out != NULL)
            out->Empty();
    if (m_hWnd == NULL)
        return FALSE;
    DWORD from = 0, to = 0;
    ::SendMessageA(m_hWnd, EM_GETSEL, (WPARAM)&from, (LPARAM)&to);
    if (start != NULL)
        *start = (int)from;
    if (end != NULL)
        *end = (int)to;
    if (from > to)
        return FALSE;
    CString text = ReadText();
    int length = text.GetLength();
    int a = std::min((int)from, length), b = std::min((int)to, length);
    if (selected != NULL)
        *selected = text.Mid(a, b - a);
    if (before != NULL)
        *before = text.Left(a);
    if (after != NULL)
        *after = text.Mid(b);
    return from < to;
}

BOOL CMyEdit::GetWholeText(CString& text) const
{
    text = m_hWnd != NULL ? ReadText() : CString();
    return !text.IsEmpty();
}

void CMyEdit::PostNcDestroy()
{
    CEdit::PostNcDestroy();
    if (m_deleteWithWindow)
        delete this;
}

int CMyEdit::CharFromPoint(CPoint point) const
{
    const DWORD found = (DWORD)::SendMessageA(m_hWnd, EM_CHARFROMPOS, 0, MAKELPARAM(point.x, point.y));
    if ((GetStyle() & ES_MULTILINE) == 0)
        return LOWORD(found);
    // The low word holds only the low 16 bits of the character index of a
    // long multi-line text: take the line's start and the offset within it.
    const int lineStart = (int)::SendMessageA(m_hWnd, EM_LINEINDEX, HIWORD(found), 0);
    return lineStart + (WORD)(LOWORD(found) - (WORD)lineStart);
}

void CMyEdit::PreSubclassWindow()
{
    CEdit::PreSubclassWindow();
    m_dragDrop.Register(this);
}

int CMyEdit::OnCreate(LPCREATESTRUCT createStruct)
{
    if (CEdit::OnCreate(createStruct) == -1 || !m_dragDrop.Register(this))
        return -1;
    return 0;
}

void CMyEdit::OnDestroy()
{
    m_dragDrop.Revoke();
    CEdit::OnDestroy();
}

void CMyEdit::OnLButtonDown(UINT flags, CPoint point)
{
    if ((flags & MK_SHIFT) == 0)
    {
        Default();
        return;
    }
    // Shift and the left button may begin a drag; the caret stays.
    if (::GetFocus() != m_hWnd)
        SetFocus();
    m_dragDrop.SetDragOrigin(this, flags, point.x, point.y);
}

void CMyEdit::OnLButtonUp(UINT, CPoint)
{
    // Also without Shift: Shift may have been let go before the button.
    m_dragDrop.CancelDragStart();
    Default();
}

void CMyEdit::OnMouseMove(UINT flags, CPoint point)
{
    // The button went up elsewhere: no drag can start any more.
    if ((flags & MK_LBUTTON) == 0)
        m_dragDrop.CancelDragStart();
    m_dragDrop.CheckDragStart(this, flags, point);
    Default();
}

void CMyEdit::OnCancelMode()
{
    m_dragDrop.CancelDragStart();
    Default();
}

LRESULT CMyEdit::OnStyleChanged(WPARAM which, LPARAM)
{
    LRESULT result = Default();
    if (which == (WPARAM)GWL_STYLE)
        m_dragDrop.SyncEnabled(this);
    return result;
}

LRESULT CMyEdit::OnSetReadOnly(WPARAM, LPARAM)
{
    LRESULT result = Default();
    m_dragDrop.SyncEnabled(this);
    return result;
}

void CMyEdit::OnRButtonDown(UINT flags, CPoint point)
{
    CMyMenu menu;
    CMyMenu* popup = GetContextMenu(&menu, flags);
    if (popup == NULL)
    {
        Default();
        return;
    }
    CWnd* target = GetCommandTarget();
    if (target == NULL)
        target = this;
    UpdateMenuCommandStates(popup, target);
    ClientToScreen(&point);
    popup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, target);
}

void CMyEdit::OnSetFocus(CWnd* oldWnd)
{
    CEdit::OnSetFocus(oldWnd);
    if (m_caretOnFocus)
    {
        ::SendMessageA(m_hWnd, EM_SETSEL, (WPARAM)-1, (LPARAM)-1);
        ::SendMessageA(m_hWnd, EM_SCROLLCARET, 0, 0);
    }
}

LRESULT CMyEdit::OnSetText(WPARAM, LPARAM)
{
    LRESULT result = Default();
    HWND parent = ::GetParent(m_hWnd);
    if (m_notifyOnSetText && parent != NULL)
        ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(m_hWnd), EN_CHANGE), (LPARAM)m_hWnd);
    return result;
}

HBRUSH CMyEdit::CtlColor(CDC* dc, UINT)
{
    if (!m_ownColours)
        return NULL;
    dc->SetTextColor(m_textColour);
    dc->SetBkColor(m_backgroundColour);
    return (HBRUSH)m_brush.GetSafeHandle();
}

namespace
{
// The window that owns the enlarged editor: the nearest frame window, or
// dialog or property sheet that is not a child window.
CWnd* EnlargedEditorParent(CWnd* edit)
{
    for (CWnd* wnd = edit->GetParent(); wnd != NULL; wnd = wnd->GetParent())
    {
        if (wnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return wnd;
        if ((wnd->IsKindOf(RUNTIME_CLASS(CDialog)) || wnd->IsKindOf(RUNTIME_CLASS(CPropertySheet))) &&
            (wnd->GetStyle() & WS_CHILD) == 0)
            return wnd;
    }
    return NULL;
}
} // namespace

void CMyEdit::OnLButtonDblClk(UINT flags, CPoint point)
{
    if (m_enlargedEditor == 0)
    {
        Default();
        return;
    }
    CZoomEditDlg editor(m_enlargedEditor, EnlargedEditorParent(this));
    editor.m_font = GetFont();
    // A field the user may not change cannot be changed through its
    // enlarged editor either.
    editor.m_readOnly = (GetStyle() & ES_READONLY) != 0;
    editor.SetText(ReadText());
    if (editor.DoModal() == IDOK)
        SetWindowText(editor.m_result);
}
