#include "framework/controls/SpinRange.h"

#include <commctrl.h>

void DDX_SpinRange(CDataExchange* pDX, int id, int lower, int upper)
{
    HWND control = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id);
    if (control == NULL)
        return;
    HWND spin = ::GetWindow(control, GW_HWNDNEXT);
    if (spin == NULL)
        return;
    ::SendMessageA(spin, UDM_SETRANGE, 0, MAKELPARAM(upper, lower));
}
