#include "framework/popups/LogDlg.h"

#include "foundation/windows/SelectedObject.h"

IMPLEMENT_DYNAMIC(CLogDlg, CMyDialog)

BEGIN_MESSAGE_MAP(CLogDlg, CMyDialog)
    ON_COMMAND(ID_LOG_INTERRUPT, OnInterrupt)
END_MESSAGE_MAP()

CLogDlg::CLogDlg(CWnd* parent) : CMyDialog(IDD_LOG_DIALOG, parent), m_interrupted(FALSE), m_widestLine(0)
{
}

void CLogDlg::AddLine(LPCTSTR format, ...)
{
    CString line;
    va_list arguments;
    va_start(arguments, format);
    line.FormatV(format, arguments);
    va_end(arguments);
    AddText(line);
}

void CLogDlg::AddText(LPCTSTR text)
{
    HWND list = ::GetDlgItem(m_hWnd, IDC_LOG_LIST);
    if (m_interrupted || list == NULL)
        return;
    int count = (int)::SendMessageA(list, LB_GETCOUNT, 0, 0);
    if (count > MAX_LINES)
    {
        ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
        m_widestLine = 0;
        count = 0;
    }
    ::SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)text);
    ++count;

    CRect client;
    ::GetClientRect(list, &client);
    int itemHeight = (int)::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    int visible = itemHeight > 0 ? client.Height() / itemHeight : count;
    ::ShowScrollBar(list, SB_VERT, count > visible);
    if (count > visible)
        ::SendMessageA(list, LB_SETTOPINDEX, count - visible, 0);

    HDC dc = ::GetDC(list);
    SIZE extent = {0, 0};
    {
        CSelectedObject listFont(dc, (HGDIOBJ)::SendMessageA(list, WM_GETFONT, 0, 0));
        ::GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
    }
    ::ReleaseDC(list, dc);
    if (extent.cx + 2 > m_widestLine)
    {
        m_widestLine = extent.cx + 2;
        ::SendMessageA(list, LB_SETHORIZONTALEXTENT, m_widestLine, 0);
    }
    ::UpdateWindow(list);
}

void CLogDlg::OnInterrupt()
{
    AddText("*** interrupted");
    m_interrupted = TRUE;
    GetDlgItem(ID_LOG_INTERRUPT)->EnableWindow(FALSE);
}
