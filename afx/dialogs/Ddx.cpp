#include "afx/dialogs/Ddx.h"
#include "afx/windows/CmdUI.h"
#include "afx/windows/Wnd.h"
#include "afx/app/WinApp.h"

#include <ctype.h>
#include <errno.h>
#include <stdlib.h>

namespace
{
void GetControlText(HWND hWndCtrl, CString& value)
{
    int nLen = ::GetWindowTextLengthA(hWndCtrl);
    ::GetWindowTextA(hWndCtrl, value.GetBufferSetLength(nLen), nLen + 1);
    value.ReleaseBuffer();
}

// One whole number with optional blanks around it and nothing else. A number
// beyond the range of an int is refused, not stored as some other value the
// user never typed.
BOOL ParseInteger(LPCTSTR lpszText, int& rValue)
{
    char* pEnd = NULL;
    errno = 0;
    long nValue = strtol(lpszText, &pEnd, 10);
    // strtol skips leading blanks, and leaves the end at the start when it
    // finds no digits; long is int here, so ERANGE covers every overflow
    if (pEnd == lpszText || errno == ERANGE)
        return FALSE;
    while (isspace((unsigned char)*pEnd))
        ++pEnd;
    if (*pEnd != '\0')
        return FALSE;
    rValue = (int)nValue;
    return TRUE;
}

BOOL IsRadioButton(HWND hWnd)
{
    return (::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}
} // namespace

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != NULL)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        GetControlText(hWndCtrl, value);
    else
        AfxSetWindowText(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        CString text;
        GetControlText(hWndCtrl, text);
        int nValue = 0;
        if (!ParseInteger(text, nValue))
        {
            AfxMessageBox("Please enter an integer.", MB_ICONEXCLAMATION);
            pDX->Fail();
        }
        value = nValue;
    }
    else
    {
        char szValue[16];
        wsprintfA(szValue, "%d", value);
        AfxSetWindowText(hWndCtrl, szValue);
    }
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        value = (int)::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0);
    }
    else
    {
        if (value < 0 || value > 2)
            value = 0;
        ::SendMessageA(hWndCtrl, BM_SETCHECK, (WPARAM)value, 0);
    }
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;

    int iButton = 0;
    do
    {
        if (IsRadioButton(hWndCtrl))
        {
            if (pDX->m_bSaveAndValidate)
            {
                if (::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) != 0)
                    value = iButton;
            }
            else
            {
                ::SendMessageA(hWndCtrl, BM_SETCHECK, iButton == value, 0);
            }
            ++iButton;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != NULL && !(::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        // a drop list has no edit: its text is the selected item's
        GetControlText(hWndCtrl, value);
    }
    else if (::SendMessageA(hWndCtrl, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value) == CB_ERR)
    {
        AfxSetWindowText(hWndCtrl, value);
    }
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        int nIndex = (int)::SendMessageA(hWndCtrl, LB_GETCURSEL, 0, 0);
        if (nIndex == LB_ERR)
        {
            value.Empty();
            return;
        }
        int nLen = (int)::SendMessageA(hWndCtrl, LB_GETTEXTLEN, nIndex, 0);
        ::SendMessageA(hWndCtrl, LB_GETTEXT, nIndex, (LPARAM)value.GetBufferSetLength(nLen));
        value.ReleaseBuffer();
    }
    else if (::SendMessageA(hWndCtrl, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value) == LB_ERR)
    {
        ::SendMessageA(hWndCtrl, LB_SETCURSEL, (WPARAM)-1, 0);
    }
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    char szMessage[96];
    wsprintfA(szMessage, "Please enter an integer between %d and %d.", minVal, maxVal);
    AfxMessageBox(szMessage, MB_ICONEXCLAMATION);
    pDX->Fail();
}
