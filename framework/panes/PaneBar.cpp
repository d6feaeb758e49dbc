#include "framework/panes/PaneBar.h"

#include "afx/windows/MessageMap.h"
#include "afx/gdi/PaintDC.h"
#include "afx/windows/SplitterWnd.h"
#include "foundation/windows/SystemColours.h"

IMPLEMENT_DYNAMIC(CPaneBar, CWnd)

BEGIN_MESSAGE_MAP(CPaneBar, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_WM_PAINT()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CPaneBar::CPaneBar()
{
}

CPaneBar::~CPaneBar()
{
}

BOOL CPaneBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id, LPVOID param)
{
    LPCTSTR windowClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), NULL);
    if (!CWnd::CreateEx(0, windowClass, NULL, (style & ~WS_BORDER) | WS_CLIPCHILDREN, rect, parent, id))
        return FALSE;
    m_toolTip.m_parent = this;
    if (!CreateParts())
    {
        DestroyWindow();
        return FALSE;
    }
    RecalcLayout();
    OnAfterCreate(param);
    return TRUE;
}

void CPaneBar::GetPageArea(CRect& rect)
{
    GetClientRect(&rect);
}

BOOL CPaneBar::CreateParts()
{
    return TRUE;
}

void CPaneBar::RecalcLayout()
{
    CWnd* window = GetCurrentPageWindow();
    if (window == NULL || window->GetSafeHwnd() == NULL)
        return;
    CRect area;
    GetPageArea(area);
    window->MoveWindow(&area);
}

void CPaneBar::OnAfterCreate(LPVOID)
{
}

BOOL CPaneBar::CanChangePage(int, int)
{
    return TRUE;
}

void CPaneBar::OnPageChanged(int index)
{
    CWnd* window = GetPageWindow(index);
    m_paletteHook.partner = window != NULL ? window->GetSafeHwnd() : NULL;
}

void CPaneBar::OnPageAdded(int)
{
}

HFONT CPaneBar::GetBarFont()
{
    HFONT font = (HFONT)SendMessage(WM_GETFONT);
    if (font != NULL)
        return font;
    return (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
}

int CPaneBar::AddPage(CWnd* window, LPCTSTR title, LPCTSTR tipText)
{
    CPaneBarPage* page = new CPaneBarPage(window, title, tipText);
    int index = (int)m_pages.Add(page);
    page->m_position = index;
    if (window != NULL && window->GetSafeHwnd() != NULL)
    {
        window->ShowWindow(SW_HIDE);
        window->EnableWindow(FALSE);
    }
    OnPageAdded(index);
    return index;
}

void CPaneBar::RemoveAllPages()
{
    m_currentPage = -1;
    m_pages.DeleteAll();
}

CPaneBarPage* CPaneBar::GetPage(int index) const
{
    if (index < 0 || index >= m_pages.GetSize())
        return NULL;
    return static_cast<CPaneBarPage*>(m_pages[index]);
}

CWnd* CPaneBar::GetPageWindow(int index) const
{
    CPaneBarPage* page = GetPage(index);
    return page != NULL ? page->m_window : NULL;
}

BOOL CPaneBar::SelectPage(int index)
{
    CPaneBarPage* page = GetPage(index);
    if (page == NULL)
        return FALSE;
    if (index != m_currentPage && !CanChangePage(m_currentPage, index))
        return FALSE;
    CWnd* old = GetCurrentPageWindow();
    if (index != m_currentPage && old != NULL && old->GetSafeHwnd() != NULL)
    {
        old->EnableWindow(FALSE);
        old->ShowWindow(SW_HIDE);
    }
    m_currentPage = index;
    CWnd* window = page->m_window;
    if (window != NULL && window->GetSafeHwnd() != NULL)
    {
        RecalcLayout();
        window->EnableWindow(TRUE);
        window->ShowWindow(SW_SHOW);
        window->SetFocus();
        // pass the focus on into a splitter's first pane, or a nested bar's first page
        if (CSplitterWnd* splitter = DYNAMIC_DOWNCAST(CSplitterWnd, window))
        {
            CWnd* pane = splitter->GetPane(0, 0);
            if (pane != NULL)
                pane->SetFocus();
        }
        else if (CPaneBar* bar = DYNAMIC_DOWNCAST(CPaneBar, window))
        {
            if (bar->m_currentPage < 0)
                bar->SelectPage(0);
        }
    }
    OnPageChanged(index);
    return TRUE;
}

BOOL CPaneBar::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo)
{
    CWnd* window = GetCurrentPageWindow();
    if (window != NULL && window->GetSafeHwnd() != NULL && window->OnCmdMsg(id, code, extra, handlerInfo))
        return TRUE;
    return CWnd::OnCmdMsg(id, code, extra, handlerInfo);
}

BOOL CPaneBar::PreTranslateMessage(MSG* msg)
{
    if (m_toolTip.GetSafeHwnd() != NULL)
        m_toolTip.RelayEvent(msg);
    return CWnd::PreTranslateMessage(msg);
}

int CPaneBar::OnCreate(LPCREATESTRUCT)
{
    if (Default() == -1)
        return -1;
    m_paletteHook.HookWindow(this);
    return 0;
}

void CPaneBar::OnSize(UINT type, int cx, int cy)
{
    Default();
    if (cx > 0 && cy > 0)
        RecalcLayout();
}

LRESULT CPaneBar::OnSizeParent(WPARAM, LPARAM)
{
    if (!m_layoutSuspended)
        RecalcLayout();
    return 0;
}

void CPaneBar::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CBrush* brush = GetSystemColourBrush(COLOR_3DFACE);
    ::FillRect(dc.m_hDC, &client, brush != NULL ? (HBRUSH)brush->GetSafeHandle() : ::GetSysColorBrush(COLOR_3DFACE));
}

void CPaneBar::OnDestroy()
{
    RemoveAllPages();
    Default();
}

void CPaneBar::PostNcDestroy()
{
    if (m_autoDelete)
        delete this;
}
