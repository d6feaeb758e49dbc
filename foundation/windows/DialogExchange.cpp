#include "foundation/windows/DialogExchange.h"

#include "foundation/text/Trim.h"
#include "foundation/messages/MessageHook.h"

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
