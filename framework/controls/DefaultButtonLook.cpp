#include "framework/controls/DefaultButtonLook.h"

#include "framework/controls/MyButton.h"

namespace
{
    CMyButton* DefaultMyButton(CWnd* dialog)
    {
        DWORD answer = (DWORD)::SendMessageA(dialog->m_hWnd, DM_GETDEFID, 0, 0);
        if (HIWORD(answer) != DC_HASDEFID)
            return NULL;
        CWnd* button = CWnd::FromHandlePermanent(::GetDlgItem(dialog->m_hWnd, LOWORD(answer)));
        return button != NULL && button->IsKindOf(RUNTIME_CLASS(CMyButton)) ? (CMyButton*)button : NULL;
    }
}

LRESULT SetDefaultButtonLook(CWnd* dialog, const std::function<LRESULT()>& runDefault)
{
    CMyButton* before = DefaultMyButton(dialog);
    LRESULT result = runDefault();
    CMyButton* after = DefaultMyButton(dialog);
    if (before != NULL && before != after)
        before->SetDefault(0);
    if (after != NULL)
        after->SetDefault(1);
    return result;
}
