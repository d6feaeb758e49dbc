#include "framework/controls/MyListBox.h"

#include "foundation/windows/ListOrCombo.h"
#include "foundation/windows/SystemColours.h"

#include <ctype.h>

IMPLEMENT_DYNCREATE(CMyListBox, CListBox)

BEGIN_MESSAGE_MAP(CMyListBox, CListBox)
    ON_CONTROL_REFLECT_EX(LBN_SELCHANGE, OnSelChange)
    ON_CONTROL_REFLECT_EX(LBN_DBLCLK, OnDoubleClick)
    ON_WM_ENABLE()
END_MESSAGE_MAP()

CMyListBox::CMyListBox() : CRecordListControl(FALSE)
{
    m_dependents.m_pListBox = this;
}

BOOL CMyListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (HasOwnRecords())
        style = (style & ~(DWORD)(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS)) | LBS_OWNERDRAWVARIABLE;
    if (!CListBox::Create(style, rect, parent, id))
        return FALSE;
    SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), TRUE);
    return TRUE;
}

void CMyListBox::EnsureVisible(int index)
{
    CListOrCombo(this).EnsureVisible(index);
}

void CMyListBox::DrawItem(LPDRAWITEMSTRUCT item)
{
    m_records.Draw(item, TRUE);
}

int CMyListBox::VKeyToItem(UINT key, UINT index)
{
    return HasOwnRecords() ? -1 : CListBox::VKeyToItem(key, index);
}

int CMyListBox::CharToItem(UINT key, UINT index)
{
    if (!HasOwnRecords())
        return CListBox::CharToItem(key, index);
    const int typed = toupper((unsigned char)key);
    const int count = GetCount();
    for (int item = (int)(short)index + 1; item < count; item++)
    {
        CListItemRecord* record = m_records.Record(item);
        if (record != NULL && !record->m_text.IsEmpty() && toupper((unsigned char)record->m_text[0]) == typed)
            return item;
    }
    return -2; // no further match: the selection stays
}

BOOL CMyListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_CTLCOLORLISTBOX && (GetStyle() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) &&
        !IsWindowEnabled())
    {
        ::SetTextColor((HDC)wParam, GetSystemColour(COLOR_GRAYTEXT));
        ::SetBkColor((HDC)wParam, GetSystemColour(COLOR_BTNFACE));
        if (pResult != NULL)
            *pResult = (LRESULT)GetSystemColourBrush(COLOR_BTNFACE)->GetSafeHandle();
        return TRUE;
    }
    return CListBox::OnChildNotify(message, wParam, lParam, pResult);
}

void CMyListBox::OnEnable(BOOL enable)
{
    CListBox::OnEnable(enable);
    ::InvalidateRect(m_hWnd, NULL, TRUE);
}

void AFXAPI DDX_MyListText(CDataExchange* pDX, int nIDC, CString& value, int fallback)
{
    HWND window = pDX->PrepareCtrl(nIDC);
    CMyListBox* list = dynamic_cast<CMyListBox*>(CWnd::FromHandlePermanent(window));
    if (pDX->m_bSaveAndValidate)
    {
        if (list != NULL)
            value = list->GetCurSelText();
        else
            DDX_LBString(pDX, nIDC, value);
    }
    value.TrimLeft();
    value.TrimRight();
    if (pDX->m_bSaveAndValidate)
        return;
    int found = list != NULL ? list->FindStringExact(-1, value)
                             : (int)::SendMessageA(window, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
    if (found >= 0)
        ::SendMessageA(window, LB_SETCURSEL, (WPARAM)found, 0);
    else if (fallback >= 0 && fallback < (int)::SendMessageA(window, LB_GETCOUNT, 0, 0))
        ::SendMessageA(window, LB_SETCURSEL, 0, 0);
}
