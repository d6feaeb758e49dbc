#include "framework/popups/ProgressWnd.h"

#include "foundation/windows/SelectedObject.h"
#include "framework/app/SharedFonts.h"

#include <commctrl.h>
#include <stddef.h>

IMPLEMENT_DYNAMIC(CProgressWnd, CMyWnd)

BEGIN_MESSAGE_MAP(CProgressWnd, CMyWnd)
    ON_BN_CLICKED(CProgressWnd::ID_BUTTON, OnButton)
    ON_WM_CHAR()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace
{
    const DWORD cancelWithOk = PWF_CANCEL | PWF_OK_BUTTON;

    // The margin: a seventh of an inch of the screen, 10 without a screen.
    int Margin(HDC dc)
    {
        return dc != NULL ? ::GetDeviceCaps(dc, LOGPIXELSY) / 7 : 10;
    }

    CSize MeasureText(HDC dc, HFONT font, LPCTSTR text, int width, UINT format)
    {
        CSelectedObject selectedFont(dc, font);
        CRect rect(0, 0, width, 0);
        ::DrawTextA(dc, text, -1, &rect, format | DT_CALCRECT);
        return rect.Size();
    }
}

CProgressWnd::CProgressWnd()
    : m_cancelled(FALSE), m_width(-1), m_open(FALSE), m_position(0), m_maximum(100), m_ownerWindow(NULL),
      m_ownerWasEnabled(FALSE), m_iconId(0), m_flags(0), m_iconStatic(NULL), m_bar(NULL), m_waitCursor(FALSE)
{
    m_pictures.m_owner = this;
    m_icon.m_owner = this;
}

CProgressWnd::~CProgressWnd()
{
    Close();
    EndWaitCursor();
    if (m_hWnd != NULL)
        DestroyWindow();
}

void CProgressWnd::EndWaitCursor()
{
    if (m_waitCursor)
    {
        AfxDoWaitCursor(-1);
        m_waitCursor = FALSE;
    }
}

CFont* CProgressWnd::GetTextFont()
{
    if (GuiLargeBoldFont.GetSafeHandle() != NULL)
        return &GuiLargeBoldFont;
    return CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT));
}

void CProgressWnd::ResetForOpen()
{
    EndWaitCursor();
    if (m_hWnd != NULL)
        DestroyWindow();
    m_messageFont.DeleteObject();
    m_ownerWindow = NULL;
    m_ownerWasEnabled = FALSE;
    m_cancelled = FALSE;
    m_open = FALSE;
    m_position = 0;
    m_maximum = 100;
    m_iconStatic = NULL;
    m_bar = NULL;
    m_buttonText = " Cancel ";
}

BOOL CProgressWnd::Open(CWnd* owner, UINT iconId, LPCTSTR title, LPCTSTR firstLine, DWORD flags)
{
    ResetForOpen();
    m_title = title != NULL ? title : "";
    m_firstLine = firstLine != NULL ? firstLine : "";
    m_flags = flags;
    if (!m_title.IsEmpty())
        m_flags |= PWF_TITLE;
    m_iconId = iconId == APPLICATION_ICON ? (UINT)PROGRAM_ICON_ID : iconId;
    if (m_iconId != 0)
    {
        m_flags |= PWF_ICON;
        m_icon.SetFromResource(ID_ICON, m_iconId);
    }
    if ((m_flags & cancelWithOk) == cancelWithOk)
        m_buttonText = " OK ";

    // The message font of the system's non-client metrics, in the size that
    // every version of Windows accepts.
    NONCLIENTMETRICSA metrics;
    memset(&metrics, 0, sizeof(metrics));
    metrics.cbSize = offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof(LOGFONTA);
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        m_messageFont.CreateFontIndirect(&metrics.lfMessageFont);
    else
        m_messageFont.Attach(::CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "MS Shell Dlg"));

    CWnd* top = owner != NULL ? owner->GetTopLevelParent() : AfxGetMainWnd();
    m_ownerWindow = top != NULL ? top->GetSafeHwnd() : NULL;

    LPCSTR cursor = (m_flags & cancelWithOk) == cancelWithOk ? IDC_ARROW : IDC_APPSTARTING;
    LPCTSTR windowClass = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_OWNDC, ::LoadCursorA(NULL, cursor),
                                              ::GetSysColorBrush(COLOR_3DFACE), NULL);
    DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW | ((m_flags & PWF_TOPMOST) ? WS_EX_TOPMOST : 0);
    DWORD style = (m_flags & PWF_TITLE) ? WS_POPUP | WS_CAPTION : WS_POPUP | WS_BORDER;
    if (!CreateEx(exStyle, windowClass, m_title, style, 0, 0, DEFAULT_WIDTH, 130, m_ownerWindow, NULL))
        return FALSE;
    if (!CreateChildren())
    {
        DestroyWindow();
        return FALSE;
    }
    if (m_flags & PWF_BAR)
        SetProgress(0, 100);
    Layout();
    CenterWindow();
    ShowWithoutActivating();

    if (m_ownerWindow != NULL)
    {
        m_ownerWasEnabled = ::IsWindowEnabled(m_ownerWindow);
        ::EnableWindow(m_ownerWindow, FALSE);
    }
    EnableWindow(TRUE);
    if (!(m_flags & PWF_CANCEL))
    {
        AfxDoWaitCursor(1);
        m_waitCursor = TRUE;
    }
    m_open = TRUE;
    return TRUE;
}

BOOL CProgressWnd::CreateChildren()
{
    HINSTANCE instance = AfxGetInstanceHandle();
    if (m_flags & PWF_ICON)
    {
        m_iconStatic = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_ICON, 0, 0, 10, 10,
                                         m_hWnd, (HMENU)ID_ICON, instance, NULL);
        if (m_iconStatic == NULL)
            return FALSE;
        m_icon.Load();
    }
    if (m_flags & PWF_BAR)
    {
        m_bar = ::CreateWindowExA(0, PROGRESS_CLASSA, "",
                                  WS_CHILD | WS_VISIBLE | ((m_flags & PWF_SMOOTH) ? PBS_SMOOTH : 0), 0, 0, 10, 10,
                                  m_hWnd, (HMENU)ID_BAR, instance, NULL);
        if (m_bar == NULL)
            return FALSE;
    }
    if (m_flags & PWF_CANCEL)
    {
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
        if ((m_flags & cancelWithOk) == cancelWithOk)
            style |= BS_DEFPUSHBUTTON;
        if (!m_button.Create(m_buttonText, style, CRect(0, 0, 10, 10), this, ID_BUTTON))
            return FALSE;
        m_button.SetFont(&m_messageFont);
    }
    return TRUE;
}

void CProgressWnd::Layout()
{
    const int width = m_width < 1 ? DEFAULT_WIDTH : m_width;
    HDC dc = ::GetDC(m_hWnd);
    const int m = Margin(dc);
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE), cyEdge = ::GetSystemMetrics(SM_CYEDGE);

    CSize text(width - 20, 120);
    int lineHeight = 10;
    CSize button(100, 20);
    if (dc != NULL)
    {
        HFONT font = (HFONT)GetTextFont()->GetSafeHandle();
        text = MeasureText(dc, font, m_firstLine, width - 2 * m, DT_WORDBREAK | DT_NOPREFIX);
        if (text.cx < width)
            text.cx = width;
        {
            CSelectedObject selectedFont(dc, font);
            TEXTMETRICA metrics;
            ::GetTextMetricsA(dc, &metrics);
            lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
        }
        CSize caption = MeasureText(dc, (HFONT)m_messageFont.GetSafeHandle(), m_buttonText + "  ", 0,
                                    DT_SINGLELINE | DT_NOPREFIX);
        button = CSize(caption.cx + 4 * cxEdge, caption.cy + 3 * cyEdge);
        ::ReleaseDC(m_hWnd, dc);
    }

    const BOOL hasIcon = (m_flags & PWF_ICON) && m_iconStatic != NULL;
    const BOOL hasBar = (m_flags & PWF_BAR) != 0;
    const BOOL hasButton = (m_flags & PWF_CANCEL) != 0;
    const int textLeft = hasIcon ? ::GetSystemMetrics(SM_CXICON) + 2 * m : m;
    CRect icon(m, m, m + ::GetSystemMetrics(SM_CXICON), m + ::GetSystemMetrics(SM_CYICON));
    m_firstLineRect = CRect(textLeft, m, textLeft + text.cx, m + text.cy);

    const int rowTop = m + text.cy + cyEdge;
    CRect buttonRect(m_firstLineRect.right - button.cx, rowTop, m_firstLineRect.right, rowTop + button.cy);
    int barWidth = hasButton ? text.cx - button.cx - cxEdge : text.cx;
    CRect barRect(textLeft, rowTop, textLeft + barWidth, rowTop + button.cy);
    int secondTop = rowTop;
    if (hasBar || hasButton)
        secondTop += button.cy + cyEdge;
    m_secondLineRect = CRect(textLeft, secondTop, textLeft + text.cx, secondTop + lineHeight);

    CRect client = m_firstLineRect;
    if (hasIcon)
        client.UnionRect(client, icon);
    if (hasBar)
        client.UnionRect(client, barRect);
    if (hasButton)
        client.UnionRect(client, buttonRect);
    if (m_flags & PWF_SUBTEXT)
        client.UnionRect(client, m_secondLineRect);
    CRect frame(0, 0, client.right + m, client.bottom + m);
    ::AdjustWindowRectEx(&frame, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(NULL, 0, 0, frame.Width(), frame.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    if (hasIcon)
        ::MoveWindow(m_iconStatic, icon.left, icon.top, icon.Width(), icon.Height(), TRUE);
    if (hasBar)
        ::MoveWindow(m_bar, barRect.left, barRect.top, barRect.Width(), barRect.Height(), TRUE);
    if (hasButton)
        m_button.MoveWindow(&buttonRect);
}

void CProgressWnd::ShowWithoutActivating()
{
    ModifyStyle(0, WS_VISIBLE);
    ShowWindow(SW_SHOWNA);
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    UpdateWindow();
    BringWindowToTop();
}

void CProgressWnd::Close()
{
    if (m_open)
    {
        m_open = FALSE;
        if (m_ownerWasEnabled && ::IsWindow(m_ownerWindow))
            ::EnableWindow(m_ownerWindow, TRUE);
    }
    EndWaitCursor();
    if (m_hWnd != NULL)
        DestroyWindow();
}

void CProgressWnd::SetProgress(int position, int maximum)
{
    if (m_bar != NULL && m_hWnd != NULL)
        ::SendMessageA(m_bar, PBM_SETRANGE32, 0, maximum);
    m_maximum = maximum;
    SetPos(position);
}

int CProgressWnd::SetPos(int position)
{
    if (position > m_maximum)
        position = m_maximum;
    if (position < 0)
        position = 0;
    m_position = position;
    if (m_bar != NULL && m_hWnd != NULL)
        ::SendMessageA(m_bar, PBM_SETPOS, position, 0);
    PumpMessages();
    return m_position;
}

void CProgressWnd::RepaintLine(const CRect& rect)
{
    if (m_hWnd == NULL)
        return;
    InvalidateRect(&rect);
    UpdateWindow();
}

void CProgressWnd::SetText(LPCTSTR format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    m_firstLine.FormatV(format, arguments);
    va_end(arguments);
    RepaintLine(m_firstLineRect);
}

void CProgressWnd::SetSubText(LPCTSTR format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    m_secondLine.FormatV(format, arguments);
    va_end(arguments);
    if (m_flags & PWF_SUBTEXT)
        RepaintLine(m_secondLineRect);
}

void CProgressWnd::PumpMessages()
{
    if (m_open && m_hWnd != NULL && ::GetFocus() != m_hWnd)
        SetFocus();
    MSG msg;
    while (!m_cancelled && ::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE))
    {
        if (m_flags & PWF_CANCEL)
        {
            if (msg.message == WM_CHAR && msg.wParam == VK_ESCAPE)
            {
                Cancel();
            }
            else if (msg.message == WM_LBUTTONUP && m_open && m_button.GetSafeHwnd() != NULL)
            {
                CRect button;
                m_button.GetWindowRect(&button);
                if (button.PtInRect(msg.pt))
                    Cancel();
            }
            // Cancelling closed the window, and its waiting messages went
            // with it: waiting for the next one could block for ever.
            if (m_cancelled)
                break;
        }
        if (!AfxGetThread()->PumpMessage())
        {
            ::PostQuitMessage(0);
            break;
        }
    }
}

void CProgressWnd::Cancel()
{
    if (!(m_flags & PWF_CANCEL))
        return;
    m_cancelled = TRUE;
    if (m_hWnd != NULL && IsWindowVisible())
    {
        ShowWindow(SW_HIDE);
        ModifyStyle(WS_VISIBLE, 0);
    }
    if (m_open && m_hWnd != NULL)
        SendMessage(WM_CLOSE);
    if (m_ownerWindow != NULL && ::IsWindow(m_ownerWindow))
        ::SetForegroundWindow(m_ownerWindow);
}

void CProgressWnd::OnButton()
{
    Cancel();
}

// The pump cancels on an Escape it sees waiting, but one that arrives from
// another thread after it looked (behind a paint, say) is taken and
// dispatched here.
void CProgressWnd::OnChar(UINT character, UINT, UINT)
{
    if (character == VK_ESCAPE)
        Cancel();
}

BOOL CProgressWnd::OnEraseBkgnd(CDC* dc)
{
    if (m_pictures.m_count > 0)
    {
        m_pictures.DrawBackground(dc);
    }
    else
    {
        CRect client;
        GetClientRect(&client);
        ::FillRect(dc->m_hDC, &client, ::GetSysColorBrush(COLOR_3DFACE));
    }
    return TRUE;
}

void CProgressWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    if (CRect(dc.m_ps.rcPaint).IsRectEmpty() || client.IsRectEmpty())
        return;
    CSelectedObject textFont(&dc, GetTextFont());
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(m_firstLine, &m_firstLineRect, DT_WORDBREAK | DT_NOPREFIX);
    if (m_flags & PWF_SUBTEXT)
        dc.DrawText(m_secondLine, &m_secondLineRect, DT_WORDBREAK | DT_NOPREFIX);
}
