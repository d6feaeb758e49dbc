#include "framework/controls/InPlaceLabelEdit.h"

#include "foundation/windows/SelectedObject.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CInPlaceLabelEdit, CMyEdit)

BEGIN_MESSAGE_MAP(CInPlaceLabelEdit, CMyEdit)
ON_WM_CHAR()
ON_WM_KEYDOWN()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

void CInPlaceLabelEdit::OnChar(UINT character, UINT repeat, UINT flags)
{
    if (m_parentKey.HandOverEnding(this, character, m_restoreText))
        return;
    CMyEdit::OnChar(character, repeat, flags);
    FitToText();
}

void CInPlaceLabelEdit::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    if (m_parentKey.HandOverNavigation(this, key, m_navigateAlways))
        return;
    CMyEdit::OnKeyDown(key, repeat, flags);
}

void CInPlaceLabelEdit::OnKillFocus(CWnd* newWnd)
{
    CMyEdit::OnKillFocus(newWnd);
    OnEditKillFocus(newWnd);
}

void CInPlaceLabelEdit::FitToText()
{
    CWnd* parent = GetParent();
    if (parent == NULL)
        return;
    CString text;
    GetWindowText(text);
    text += "  ";
    CClientDC dc(this);
    CSize extent;
    {
        CSelectedObject selectedFont(&dc, GetFont());
        extent = dc.GetTextExtent(text);
    }

    CRect window, client, parentClient;
    GetWindowRect(&window);
    GetClientRect(&client);
    parent->ScreenToClient(&window);
    parent->GetClientRect(&parentClient);
    const int margins = LOWORD(SendMessage(EM_GETMARGINS)) + HIWORD(SendMessage(EM_GETMARGINS));
    int width = extent.cx + margins + (window.Width() - client.Width());
    width = std::min(width, (int)(parentClient.right - window.left));
    if (width > window.Width())
        SetWindowPos(NULL, 0, 0, width, window.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
