#include "afx/windows/ToolBarCtrl.h"

#include "afx/app/WinApp.h"

IMPLEMENT_DYNAMIC(CToolBarCtrl, CWnd)

BOOL CToolBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControls();
    if (!CreateEx(0, TOOLBARCLASSNAMEA, NULL, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    SetButtonStructSize(sizeof(TBBUTTON));
    return TRUE;
}

BOOL CToolBarCtrl::DeleteAllButtons()
{
    for (int i = GetButtonCount() - 1; i >= 0; --i)
        DeleteButton(i);
    return GetButtonCount() == 0;
}

int CToolBarCtrl::AddBitmap(int nNumButtons, UINT nBitmapID)
{
    TBADDBITMAP bitmap = {AfxGetResourceHandle(), nBitmapID};
    return (int)Send(TB_ADDBITMAP, nNumButtons, (LPARAM)&bitmap);
}

int CToolBarCtrl::AddBitmap(int nNumButtons, HBITMAP hBitmap)
{
    TBADDBITMAP bitmap = {NULL, (UINT_PTR)hBitmap};
    return (int)Send(TB_ADDBITMAP, nNumButtons, (LPARAM)&bitmap);
}

CSize CToolBarCtrl::GetButtonSize() const
{
    DWORD size = (DWORD)Send(TB_GETBUTTONSIZE);
    return CSize(LOWORD(size), HIWORD(size));
}

void CToolBarCtrl::SaveRestore(BOOL save, HKEY hKeyRoot, LPCTSTR lpszSubKey, LPCTSTR lpszValueName)
{
    TBSAVEPARAMSA params = {hKeyRoot, lpszSubKey, lpszValueName};
    Send(TB_SAVERESTOREA, save, (LPARAM)&params);
}

void CToolBarCtrl::SaveState(HKEY hKeyRoot, LPCTSTR lpszSubKey, LPCTSTR lpszValueName)
{
    SaveRestore(TRUE, hKeyRoot, lpszSubKey, lpszValueName);
}

void CToolBarCtrl::RestoreState(HKEY hKeyRoot, LPCTSTR lpszSubKey, LPCTSTR lpszValueName)
{
    SaveRestore(FALSE, hKeyRoot, lpszSubKey, lpszValueName);
}
