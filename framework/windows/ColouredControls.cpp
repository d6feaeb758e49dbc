#include "framework/windows/ColouredControls.h"

#include "foundation/windows/SystemColours.h"
#include "framework/app/FrameworkApp.h"

HBRUSH CColouredControls::OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor)
{
    if ((ctlColor != CTLCOLOR_MSGBOX && ctlColor != CTLCOLOR_EDIT) || control == NULL)
        return 0;
    UINT id = (UINT)control->GetDlgCtrlID();
    bool listed = false;
    for (INT_PTR i = 0; i < m_controlIds.GetSize() && !listed; i++)
        listed = m_controlIds[i] == id;
    if (!listed)
        return 0;
    CFrameworkApp* app = GetFrameworkApp();
    COLORREF text = app != NULL ? app->m_defaultTextColour : ::GetSysColor(COLOR_BTNTEXT);
    COLORREF background = ::GetSysColor(COLOR_BTNFACE);
    HBRUSH brush = (HBRUSH)GetSystemColourBrush(COLOR_BTNFACE)->GetSafeHandle();
    AdjustColours(id, text, background, brush);
    dc->SetTextColor(text);
    dc->SetBkColor(background);
    return brush;
}
