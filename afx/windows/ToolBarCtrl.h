#pragma once
// CToolBarCtrl: the platform's toolbar control, its TB_ messages as members.
#include "afx/windows/Wnd.h"

#include <commctrl.h>

class CToolBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolBarCtrl)

public:
    CToolBarCtrl() {}

    // style: window styles plus TBSTYLE_/CCS_ styles.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetButtonCount() const { return (int)Send(TB_BUTTONCOUNT); }
    BOOL GetButton(int nIndex, LPTBBUTTON lpButton) const { return (BOOL)Send(TB_GETBUTTON, nIndex, (LPARAM)lpButton); }
    BOOL AddButtons(int nNumButtons, LPTBBUTTON lpButtons)
    {
        return (BOOL)Send(TB_ADDBUTTONSA, nNumButtons, (LPARAM)lpButtons);
    }
    BOOL InsertButton(int nIndex, LPTBBUTTON lpButton)
    {
        return (BOOL)Send(TB_INSERTBUTTONA, nIndex, (LPARAM)lpButton);
    }
    BOOL DeleteButton(int nIndex) { return (BOOL)Send(TB_DELETEBUTTON, nIndex); }
    // Every button goes; TRUE when the toolbar is empty afterwards.
    BOOL DeleteAllButtons();
    // Adds images from a bitmap resource or handle; the index of the first.
    int AddBitmap(int nNumButtons, UINT nBitmapID);
    int AddBitmap(int nNumButtons, HBITMAP hBitmap);
    BOOL SetBitmapSize(CSize size) { return (BOOL)Send(TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy)); }
    BOOL SetButtonSize(CSize size) { return (BOOL)Send(TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy)); }
    CSize GetButtonSize() const;
    void SetButtonStructSize(int nSize) { Send(TB_BUTTONSTRUCTSIZE, nSize); }
    HIMAGELIST SetImageList(HIMAGELIST hImageList) { return (HIMAGELIST)Send(TB_SETIMAGELIST, 0, (LPARAM)hImageList); }
    void AutoSize() { Send(TB_AUTOSIZE); }
    UINT CommandToIndex(UINT nID) const { return (UINT)Send(TB_COMMANDTOINDEX, nID); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const { return (BOOL)Send(TB_GETITEMRECT, nIndex, (LPARAM)lpRect); }
    BOOL EnableButton(int nID, BOOL bEnable = TRUE) { return (BOOL)Send(TB_ENABLEBUTTON, nID, MAKELPARAM(bEnable, 0)); }
    BOOL CheckButton(int nID, BOOL bCheck = TRUE) { return (BOOL)Send(TB_CHECKBUTTON, nID, MAKELPARAM(bCheck, 0)); }
    BOOL HideButton(int nID, BOOL bHide = TRUE) { return (BOOL)Send(TB_HIDEBUTTON, nID, MAKELPARAM(bHide, 0)); }
    BOOL IsButtonEnabled(int nID) const { return (BOOL)Send(TB_ISBUTTONENABLED, nID); }
    BOOL IsButtonChecked(int nID) const { return (BOOL)Send(TB_ISBUTTONCHECKED, nID); }
    BOOL IsButtonHidden(int nID) const { return (BOOL)Send(TB_ISBUTTONHIDDEN, nID); }
    // Lets the user arrange the buttons in the platform's customise dialog.
    void Customize() { Send(TB_CUSTOMIZE); }
    // The buttons' arrangement in the registry, below hKeyRoot\lpszSubKey as
    // the value lpszValueName.
    void SaveState(HKEY hKeyRoot, LPCTSTR lpszSubKey, LPCTSTR lpszValueName);
    void RestoreState(HKEY hKeyRoot, LPCTSTR lpszSubKey, LPCTSTR lpszValueName);

private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    void SaveRestore(BOOL save, HKEY hKeyRoot, LPCTSTR lpszSubKey, LPCTSTR lpszValueName);
};
