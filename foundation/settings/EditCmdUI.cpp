#include "foundation/settings/EditCmdUI.h"

void CEditCmdUI::Enable(BOOL bOn)
{
    HWND control = m_pOther != NULL ? m_pOther->m_hWnd : NULL;
    bool isEdit = control != NULL && m_pMenu == NULL &&
                  (::SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0;
    if (!m_bEditReadOnly || !isEdit)
    {
        CCmdUI::Enable(bOn);
        return;
    }
    bool readOnly = (::GetWindowLongA(control, GWL_STYLE) & ES_READONLY) != 0;
    if (bOn && readOnly)
        ::SendMessageA(control, EM_SETREADONLY, FALSE, 0);
    else if (!bOn && !readOnly)
        ::SendMessageA(control, EM_SETREADONLY, TRUE, 0);
    m_bEnableChanged = TRUE;
}
