#include "afx/windows/StatusBar.h"

#include "afx/windows/CmdUI.h"
#include "afx/windows/FrameWnd.h"
#include "afx/windows/MessageMap.h"

#include <commctrl.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    AfxInitCommonControls();
    m_dwStyle = dwStyle & 0xFFFF;
    // The bar keeps its own height; RepositionBars places it.
    DWORD style = (dwStyle & 0xFFFF0000) | CCS_NOPARENTALIGN | CCS_NODIVIDER;
    return CreateEx(0, STATUSCLASSNAMEA, NULL, style, 0, 0, 0, 0, pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID);
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    m_panes.clear();
    BOOL result = TRUE;
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ old = ::SelectObject(dc, (HFONT)::SendMessage(m_hWnd, WM_GETFONT, 0, 0));
    for (int i = 0; i < nIDCount; ++i)
    {
        Pane pane = {lpIDArray[i], SBPS_NORMAL, 0, CString()};
        if (pane.id != 0 && !pane.text.LoadString(pane.id))
            result = FALSE;
        SIZE extent = {0, 0};
        ::GetTextExtentPoint32A(dc, pane.text, pane.text.GetLength(), &extent);
        pane.width = extent.cx;
        m_panes.push_back(pane);
    }
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    UpdateParts();
    return result;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[nIndex].id : 0;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (m_panes[i].id == nIDFind)
            return i;
    return -1;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    const Pane& pane = m_panes.at(nIndex);
    nID = pane.id;
    nStyle = pane.style;
    cxWidth = pane.width;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    Pane& pane = m_panes.at(nIndex);
    pane.id = nID;
    pane.style = nStyle;
    pane.width = cxWidth;
    UpdateParts();
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[nIndex].text : CString();
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    m_panes[nIndex].text = lpszNewText != NULL ? lpszNewText : "";
    ShowPaneText(nIndex);
    if (bUpdate)
        ::UpdateWindow(m_hWnd);
    return TRUE;
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
    if (size.cy <= 0)
    {
        // Not yet sized: the font's height with the platform's borders.
        int borders[3] = {0, 0, 0};
        ::SendMessage(m_hWnd, SB_GETBORDERS, 0, (LPARAM)borders);
        TEXTMETRICA metrics;
        HDC dc = ::GetDC(m_hWnd);
        HGDIOBJ old = ::SelectObject(dc, (HFONT)::SendMessage(m_hWnd, WM_GETFONT, 0, 0));
        ::GetTextMetricsA(dc, &metrics);
        ::SelectObject(dc, old);
        ::ReleaseDC(m_hWnd, dc);
        size.cy = metrics.tmHeight + 2 * borders[1] + 4;
    }
    return size;
}

void CStatusBar::OnSize(UINT, int, int)
{
    Default();
    UpdateParts();
}

void CStatusBar::UpdateParts()
{
    if (m_hWnd == NULL || m_panes.empty())
        return;
    CRect client;
    GetClientRect(&client);
    int fixed = 0;
    const int gap = 8;
    for (const Pane& pane : m_panes)
        if ((pane.style & SBPS_STRETCH) == 0)
            fixed += pane.width + gap;
    std::vector<int> edges;
    int x = 0;
    for (const Pane& pane : m_panes)
    {
        int width = (pane.style & SBPS_STRETCH) ? std::max(0, (int)client.Width() - fixed) : pane.width + gap;
        x += width;
        edges.push_back(x);
    }
    edges.back() = -1; // the last pane reaches the right edge
    ::SendMessage(m_hWnd, SB_SETPARTS, edges.size(), (LPARAM)edges.data());
    for (int i = 0; i < GetCount(); ++i)
        ShowPaneText(i);
}

void CStatusBar::ShowPaneText(int nIndex)
{
    const Pane& pane = m_panes[nIndex];
    UINT type = (pane.style & SBPS_NOBORDERS) ? SBT_NOBORDERS : (pane.style & SBPS_POPOUT) ? SBT_POPOUT : 0;
    LPCTSTR text = (pane.style & SBPS_DISABLED) ? "" : (LPCTSTR)pane.text;
    ::SendMessage(m_hWnd, SB_SETTEXTA, nIndex | type, (LPARAM)text);
}

// The state of one pane as an update handler sets it.
class CStatusCmdUI : public CCmdUI
{
public:
    explicit CStatusCmdUI(CStatusBar* bar) : m_bar(bar) {}

    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        CStatusBar::Pane& pane = m_bar->m_panes[m_nIndex];
        const UINT style = bOn ? (pane.style & ~SBPS_DISABLED) : (pane.style | SBPS_DISABLED);
        if (style != pane.style)
        {
            pane.style = style;
            m_bar->ShowPaneText(m_nIndex);
        }
    }
    void SetCheck(int nCheck) override
    {
        CStatusBar::Pane& pane = m_bar->m_panes[m_nIndex];
        pane.style = nCheck ? (pane.style | SBPS_POPOUT) : (pane.style & ~SBPS_POPOUT);
        m_bar->ShowPaneText(m_nIndex);
    }
    void SetText(LPCTSTR lpszText) override
    {
        if (m_bar->GetPaneText(m_nIndex) != (lpszText != NULL ? lpszText : ""))
            m_bar->SetPaneText(m_nIndex, lpszText, FALSE);
    }

private:
    CStatusBar* m_bar;
};

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CStatusCmdUI state(this);
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)GetCount();
    for (int i = 0; i < GetCount(); ++i)
    {
        state.m_nIndex = (UINT)i;
        state.m_nID = m_panes[i].id;
        // Separators keep their text as it is.
        if (state.m_nID != 0)
            state.DoUpdate((CCmdTarget*)pTarget, bDisableIfNoHndler);
    }
}
