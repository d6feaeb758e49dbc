#include "framework/dialogs/StatusBarDialog.h"

#include "afx/dialogs/DataExchange.h"
#include "framework/windows/WorkArea.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CStatusBarDialog, CMyDialog)

BEGIN_MESSAGE_MAP(CStatusBarDialog, CMyDialog)
ON_WM_SIZE()
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace
{
const DWORD StatusBarStyle = 0x50008200; // child, visible, bottom, top border
}

CStatusBarDialog::CStatusBarDialog(UINT templateId, CWnd* parent, const UINT* indicatorIds, int count)
    : CMyDialog(templateId, parent)
{
    if (count >= 1 && indicatorIds != NULL)
        m_indicators.assign(indicatorIds, indicatorIds + count);
}

CStatusBarDialog::~CStatusBarDialog() = default;

void CStatusBarDialog::UpdateControlsFor(CCmdTarget* target, BOOL disableIfNoHandler)
{
    UpdateDialogControls(target, disableIfNoHandler);
}

void CStatusBarDialog::SetStatusText(LPCTSTR text)
{
    if (m_statusBar.GetSafeHwnd() == NULL)
        return;
    if (m_statusBar.GetCount() > 0)
        m_statusBar.SetPaneText(0, text, TRUE);
    else
    {
        m_statusBar.SendMessage(SB_SETTEXTA, 0, (LPARAM)text);
        m_statusBar.UpdateWindow();
    }
}

void CStatusBarDialog::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    if (pDX->m_bSaveAndValidate)
        return;
    GetClientRect(&m_clientArea);
    if (m_statusBar.GetSafeHwnd() != NULL)
        return;
    m_statusBar.Create(this, StatusBarStyle, AFX_IDW_STATUS_BAR);
    if (!m_indicators.empty())
    {
        m_statusBar.SetIndicators(m_indicators.data(), (int)m_indicators.size());
        m_statusBar.SetPaneInfo(0, m_statusBar.GetItemID(0), SBPS_STRETCH, 0);
    }
}

BOOL CStatusBarDialog::OnInitDialog()
{
    BOOL result = CMyDialog::OnInitDialog();
    CRect workArea = GetDesktopWorkArea();
    int width = workArea.Width() * 2 / 3;
    int height = workArea.Height() * 2 / 3;
    m_minMaxInfo.ptMinTrackSize.x = std::max(width, m_initialWidth);
    m_minMaxInfo.ptMinTrackSize.y = std::max(height, m_initialHeight);
    m_useMinMaxInfo = TRUE;
    m_layoutActive = TRUE;
    // Open no smaller than the minimum tracking size, grown about the centre
    // and kept on the work area (grown later by the first resize, a dialog
    // centred at its template size would reach off the screen).
    CRect window;
    GetWindowRect(&window);
    CSize size(std::max((int)window.Width(), (int)m_minMaxInfo.ptMinTrackSize.x),
               std::max((int)window.Height(), (int)m_minMaxInfo.ptMinTrackSize.y));
    if (size != window.Size() && (GetStyle() & WS_CHILD) == 0)
    {
        CPoint centre = window.CenterPoint();
        CRect grown(CPoint(centre.x - size.cx / 2, centre.y - size.cy / 2), size);
        grown = FitRectInside(grown, workArea);
        SetWindowPos(NULL, grown.left, grown.top, grown.Width(), grown.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RecalcLayout();
    return result;
}

void CStatusBarDialog::OnSize(UINT type, int cx, int cy)
{
    if (!m_layoutActive || m_inSize)
        return;
    m_inSize = TRUE;
    CMyDialog::OnSize(type, cx, cy);
    RecalcLayout();
    Invalidate();
    m_inSize = FALSE;
}

void CStatusBarDialog::RecalcLayout()
{
    if (m_inRecalc)
        return;
    m_inRecalc = TRUE;
    AfxRepositionBars(this, AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, 0, reposQuery, &m_clientArea);
    AfxRepositionBars(this, AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, 0);
    RepositionControls();
    m_inRecalc = FALSE;
}

LRESULT CStatusBarDialog::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    SendMessageToDescendants(WM_IDLEUPDATECMDUI, wParam, 0, TRUE, TRUE);
    UpdateControlsFor(this, FALSE);
    return 0;
}
