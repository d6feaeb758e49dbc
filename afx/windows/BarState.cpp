// The frame's control bars and the bar state kept in the profile.
#include "afx/windows/ControlBar.h"
#include "afx/windows/FrameWnd.h"
#include "afx/app/WinApp.h"

namespace
{
const int maxBars = 64;

CString SummarySection(LPCTSTR profileName)
{
    CString section;
    section.Format("%s-Summary", profileName);
    return section;
}

CString BarSection(LPCTSTR profileName, int index)
{
    CString section;
    section.Format("%s-Bar%d", profileName, index);
    return section;
}
}

int CFrameWnd::GetControlBars(CControlBar** bars, int maxCount) const
{
    int count = 0;
    for (HWND child = ::GetTopWindow(m_hWnd); child != NULL && count < maxCount;
         child = ::GetWindow(child, GW_HWNDNEXT))
    {
        CWnd* window = CWnd::FromHandlePermanent(child);
        if (window != NULL && window->IsKindOf(RUNTIME_CLASS(CControlBar)))
            bars[count++] = (CControlBar*)window;
    }
    return count;
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) const
{
    CControlBar* bars[maxBars];
    int count = GetControlBars(bars, maxBars);
    for (int i = 0; i < count; ++i)
        if ((UINT)bars[i]->GetDlgCtrlID() == nID)
            return bars[i];
    return NULL;
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (pBar == NULL)
        return;
    pBar->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    if (!bDelay)
        RecalcLayout();
}

void CFrameWnd::SaveBarState(LPCTSTR lpszProfileName) const
{
    CWinApp* app = AfxGetApp();
    if (app == NULL)
        return;
    CControlBar* bars[maxBars];
    int count = GetControlBars(bars, maxBars);
    int stored = app->GetProfileInt(SummarySection(lpszProfileName), "Bars", 0);
    for (int i = 0; i < count; ++i)
    {
        CString section = BarSection(lpszProfileName, i);
        app->WriteProfileInt(section, "BarID", bars[i]->GetDlgCtrlID());
        app->WriteProfileInt(section, "Visible", (bars[i]->GetStyle() & WS_VISIBLE) != 0);
    }
    // Sections of bars the frame no longer has go.
    for (int i = count; i < stored && i < maxBars; ++i)
        app->WriteProfileString(BarSection(lpszProfileName, i), NULL, NULL);
    app->WriteProfileInt(SummarySection(lpszProfileName), "Bars", count);
}

void CFrameWnd::LoadBarState(LPCTSTR lpszProfileName)
{
    CWinApp* app = AfxGetApp();
    if (app == NULL)
        return;
    int stored = (int)app->GetProfileInt(SummarySection(lpszProfileName), "Bars", 0);
    if (stored < 0 || stored > maxBars)
        stored = 0;
    BOOL changed = FALSE;
    for (int i = 0; i < stored; ++i)
    {
        CString section = BarSection(lpszProfileName, i);
        CControlBar* bar = GetControlBar(app->GetProfileInt(section, "BarID", 0));
        if (bar == NULL)
            continue;
        BOOL visible = app->GetProfileInt(section, "Visible", 1) != 0;
        if (visible != ((bar->GetStyle() & WS_VISIBLE) != 0))
        {
            ShowControlBar(bar, visible, TRUE);
            changed = TRUE;
        }
    }
    if (changed)
        RecalcLayout();
}
