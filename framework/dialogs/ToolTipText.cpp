#include "framework/dialogs/ToolTipText.h"

#include "framework/app/Preferences.h"

BOOL CToolTipTextBuffer::Answer(NMHDR* hdr, const std::function<CString(UINT, CWnd*)>& getText)
{
    if ((hdr->code != TTN_NEEDTEXTA && hdr->code != TTN_NEEDTEXTW) || !ToolTipsEnabled)
        return FALSE;
    // both records start alike up to the flags
    UINT flags = hdr->code == TTN_NEEDTEXTA ? ((NMTTDISPINFOA*)hdr)->uFlags : ((NMTTDISPINFOW*)hdr)->uFlags;
    UINT id = (UINT)hdr->idFrom;
    CWnd* window = NULL;
    if (flags & TTF_IDISHWND)
    {
        window = CWnd::FromHandle((HWND)hdr->idFrom);
        id = (UINT)::GetDlgCtrlID((HWND)hdr->idFrom);
    }
    m_text = getText(id, window);
    if (m_text.IsEmpty())
        return FALSE;
    if (hdr->code == TTN_NEEDTEXTA)
    {
        NMTTDISPINFOA* info = (NMTTDISPINFOA*)hdr;
        info->lpszText = (LPSTR)(LPCTSTR)m_text;
        info->hinst = NULL;
    }
    else
    {
        int length = ::MultiByteToWideChar(CP_ACP, 0, m_text, -1, NULL, 0);
        m_wideText.assign(length > 0 ? length : 1, L'\0');
        ::MultiByteToWideChar(CP_ACP, 0, m_text, -1, &m_wideText[0], length);
        NMTTDISPINFOW* info = (NMTTDISPINFOW*)hdr;
        info->lpszText = &m_wideText[0];
        info->hinst = NULL;
    }
    return TRUE;
}
