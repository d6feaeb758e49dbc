#include "foundation/windows/DialogExchange.h"

#include "foundation/text/Trim.h"
#include "foundation/messages/MessageHook.h"

#include <stdarg.h>
#include <vector>

void DDX_TextLength(CDataExchange* pDX, int id, CString& value, int minimum, int maximum,
                    BOOL trimStart, BOOL trimEnd)
{
    DDX_Text(pDX, id, value);
    if (trimStart && trimEnd)
        TrimString(&value);
    else if (trimStart)
        TrimStringLeft(&value);
    else if (trimEnd)
        TrimStringRight(&value);

    if (!pDX->m_bSaveAndValidate)
        return;
    int length = value.GetLength();
    if (length >= minimum && length <= maximum)
        return;
    ShowFoundationError("Please enter between %d and %d characters.", minimum, maximum);
    pDX->Fail();
}

void DDX_TrimmedText(CDataExchange* pDX, int id, CString& value, int minimum, int maximum)
{
    DDX_TextLength(pDX, id, value, minimum, maximum, TRUE, TRUE);
}

void DDX_CheckInverted(CDataExchange* pDX, int id, int& value)
{
    int ticked = value == 0 ? 1 : 0;
    DDX_Check(pDX, id, ticked);
    if (pDX->m_bSaveAndValidate)
        value = ticked == 0 ? 1 : 0;
}

void DDX_CheckFlag(CDataExchange* pDX, int id, DWORD& flags, DWORD mask)
{
    HWND control = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
    {
        if (::SendMessageA(control, BM_GETCHECK, 0, 0) != 0)
            flags |= mask;
        else
            flags &= ~mask;
    }
    else
    {
        ::SendMessageA(control, BM_SETCHECK, (flags & mask) != 0 ? 1 : 0, 0);
    }
}

void DDX_CheckFlagWord(CDataExchange* pDX, int id, WORD& flags, WORD mask)
{
    DWORD wide = flags;
    DDX_CheckFlag(pDX, id, wide, mask);
    flags = (WORD)wide;
}

CString GetTrimmedWindowText(CWnd* wnd)
{
    CString text;
    wnd->GetWindowText(text);
    TrimString(&text);
    return text;
}

void SetControlsState(CWnd* dialog, const UINT* ids, int mode)
{
    for (; *ids != 0; ++ids)
    {
        CWnd* control = dialog->GetDlgItem(*ids);
        if (control == NULL)
            continue;
        switch (mode)
        {
        case 0: control->EnableWindow(TRUE); break;
        case 1: control->EnableWindow(FALSE); break;
        case 2: control->ShowWindow(SW_HIDE); break;
        case 3: control->ShowWindow(SW_SHOW); break;
        default: break;
        }
    }
}

void EnableControls(CWnd* dialog, BOOL enable, ...)
{
    std::vector<UINT> ids;
    va_list args;
    va_start(args, enable);
    for (UINT id = va_arg(args, UINT); id != 0; id = va_arg(args, UINT))
        ids.push_back(id);
    va_end(args);
    ids.push_back(0);
    SetControlsState(dialog, &ids[0], enable ? 0 : 1);
}

int GetModifierKeyFlags()
{
    int flags = 0;
    if (::GetKeyState(VK_SHIFT) < 0)
        flags |= MK_SHIFT;
    if (::GetKeyState(VK_CONTROL) < 0)
        flags |= MK_CONTROL;
    return flags;
}

CRect MoveRectInside(const RECT& rect, const RECT& bounds)
{
    CRect moved(rect);
    int overRight = moved.right - bounds.right;
    int overBottom = moved.bottom - bounds.bottom;
    moved.OffsetRect(overRight > 0 ? -overRight : 0, overBottom > 0 ? -overBottom : 0);
    int beforeLeft = bounds.left - moved.left;
    int beforeTop = bounds.top - moved.top;
    moved.OffsetRect(beforeLeft > 0 ? beforeLeft : 0, beforeTop > 0 ? beforeTop : 0);
    return moved;
}
