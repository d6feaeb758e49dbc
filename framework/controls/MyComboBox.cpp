#include "framework/controls/MyComboBox.h"
#include "framework/messages/PrivateMessages.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CMyComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CMyComboBox, CComboBox)
    ON_CONTROL_REFLECT_EX(CBN_SELCHANGE, OnSelChange)
    ON_CONTROL_REFLECT_EX(CBN_DBLCLK, OnDoubleClick)
    ON_CONTROL_REFLECT(CBN_DROPDOWN, OnDropDown)
    ON_MESSAGE(WM_SELECT_REMEMBERED_TEXT, OnSelectRememberedText)
END_MESSAGE_MAP()

namespace
{
    void SetDefaultGuiFont(HWND window)
    {
        ::SendMessageA(window, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), TRUE);
    }

    // Owner-drawn with variable height; the items are records, not strings.
    DWORD OwnRecordsStyle(DWORD style)
    {
        return (style & ~(DWORD)(CBS_OWNERDRAWFIXED | CBS_HASSTRINGS)) | CBS_OWNERDRAWVARIABLE;
    }

    BOOL HasEditField(HWND combo)
    {
        return (::GetWindowLongA(combo, GWL_STYLE) & 3) != CBS_DROPDOWNLIST;
    }
}

CMyComboBox::CMyComboBox() : CRecordListControl(TRUE), m_dropDownRows(15)
{
    m_dependents.m_pComboBox = this;
}

BOOL CMyComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (HasOwnRecords())
        style = OwnRecordsStyle(style);
    if (!CComboBox::Create(style, rect, parent, id))
        return FALSE;
    SetDefaultGuiFont(m_hWnd);
    return TRUE;
}

int CMyComboBox::FindString(int start, LPCTSTR text) const
{
    return m_records.Find(start, text, FALSE);
}

int CMyComboBox::SelectString(int start, LPCTSTR text)
{
    if (!HasOwnRecords())
        return CComboBox::SelectString(start, text);
    int found = FindString(start, text);
    if (found >= 0)
        SetCurSel(found);
    return found;
}

int CMyComboBox::SelectText(LPCTSTR text, int fallback)
{
    int found = text != NULL && *text != '\0' ? FindStringExact(-1, text) : -1;
    if (found >= 0)
        return SetCurSel(found);
    if (HasEditField(m_hWnd))
        ::SetDlgItemTextA(m_hWnd, ComboEditId, text != NULL ? text : "");
    else if (fallback >= 0 && fallback < GetCount())
        return SetCurSel(0);
    return -1;
}

BOOL CMyComboBox::Recreate()
{
    HWND window = m_hWnd;
    HWND parent = ::GetParent(window);
    DWORD style = (DWORD)::GetWindowLongA(window, GWL_STYLE);
    DWORD exStyle = (DWORD)::GetWindowLongA(window, GWL_EXSTYLE);
    UINT id = (UINT)::GetDlgCtrlID(window);
    HWND previous = ::GetWindow(window, GW_HWNDPREV);
    CRect rect;
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(NULL, parent, (POINT*)&rect, 2);
    HFONT font = (HFONT)::SendMessageA(window, WM_GETFONT, 0, 0);

    // The object stays: it is made again for the new window.
    m_records.Reset();
    int deleteWithWindow = m_deleteWithWindow;
    m_deleteWithWindow = 0;
    DestroyWindow();
    m_deleteWithWindow = deleteWithWindow;

    RECT work = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int height = std::min(m_dropDownRows * CListItemRecords::ItemHeight(), (int)(work.bottom - work.top));
    rect.bottom = rect.top + height;
    style = OwnRecordsStyle(style | WS_VSCROLL);
    if (!CreateEx(exStyle, "COMBOBOX", NULL, style, rect, CWnd::FromHandle(parent), id))
        return FALSE;
    if (font != NULL)
        ::SendMessageA(m_hWnd, WM_SETFONT, (WPARAM)font, TRUE);
    ::SetWindowPos(m_hWnd, previous != NULL ? previous : HWND_TOP, rect.left, rect.top, rect.Width(), rect.Height(),
                   SWP_SHOWWINDOW | SWP_NOACTIVATE);
    return TRUE;
}

void CMyComboBox::DrawItem(LPDRAWITEMSTRUCT item)
{
    m_records.Draw(item, FALSE);
}

void CMyComboBox::OnDropDown()
{
    if ((GetStyle() & 3) != CBS_DROPDOWN || m_rememberedText.IsEmpty())
        return;
    CString text;
    GetWindowText(text);
    text.TrimLeft();
    text.TrimRight();
    if (text.IsEmpty())
        PostMessage(WM_SELECT_REMEMBERED_TEXT);
}

LRESULT CMyComboBox::OnSelectRememberedText(WPARAM, LPARAM)
{
    SelectString(-1, m_rememberedText);
    return 0;
}

void AFXAPI DDX_MyComboBox(CDataExchange* pDX, int nIDC, CMyComboBox& combo)
{
    if (combo.m_hWnd != NULL)
        return;
    DDX_Control(pDX, nIDC, combo);
    SetDefaultGuiFont(combo.m_hWnd);
    if (combo.HasOwnRecords())
        combo.Recreate();
}

void AFXAPI DDX_ControlWithFont(CDataExchange* pDX, int nIDC, CWnd& control)
{
    if (control.m_hWnd != NULL)
        return;
    DDX_Control(pDX, nIDC, control);
    SetDefaultGuiFont(control.m_hWnd);
}

void AFXAPI DDX_MyComboText(CDataExchange* pDX, int nIDC, CString& value, int fallback)
{
    HWND window = pDX->PrepareCtrl(nIDC);
    CMyComboBox* combo = dynamic_cast<CMyComboBox*>(CWnd::FromHandlePermanent(window));
    if (pDX->m_bSaveAndValidate)
    {
        if (combo != NULL && combo->HasOwnRecords())
            value = combo->GetCurSelText();
        else
            DDX_CBString(pDX, nIDC, value);
        value.TrimLeft();
        value.TrimRight();
        return;
    }
    value.TrimLeft();
    value.TrimRight();
    if (combo != NULL)
    {
        combo->SelectText(value, fallback);
        return;
    }
    int found = (int)::SendMessageA(window, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
    if (found >= 0)
        ::SendMessageA(window, CB_SETCURSEL, (WPARAM)found, 0);
    else if (HasEditField(window))
        ::SetDlgItemTextA(window, ComboEditId, value);
    else if (fallback >= 0 && fallback < (int)::SendMessageA(window, CB_GETCOUNT, 0, 0))
        ::SendMessageA(window, CB_SETCURSEL, 0, 0);
}
