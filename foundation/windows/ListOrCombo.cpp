#include "foundation/windows/ListOrCombo.h"

#include <algorithm>

HWND CListOrCombo::Window() const
{
    return m_pListBox != NULL ? m_pListBox->m_hWnd : m_pComboBox->m_hWnd;
}

BOOL CListOrCombo::IsMultiSelect() const
{
    if (m_pListBox == NULL)
        return FALSE;
    return (::GetWindowLongA(m_pListBox->m_hWnd, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

int CListOrCombo::GetCurSel() const
{
    UINT message = m_pListBox != NULL ? LB_GETCURSEL : CB_GETCURSEL;
    return (int)::SendMessageA(Window(), message, 0, 0);
}

int CListOrCombo::SetCurSel(int index)
{
    UINT message = m_pListBox != NULL ? LB_SETCURSEL : CB_SETCURSEL;
    return (int)::SendMessageA(Window(), message, (WPARAM)index, 0);
}

int CListOrCombo::SelectItem(int index)
{
    if (IsMultiSelect())
        return (int)::SendMessageA(m_pListBox->m_hWnd, LB_SETSEL, TRUE, (LPARAM)index);
    if (index == -1)
        return -1;
    return SetCurSel(index);
}

namespace
{
    // The combo-box message of a list-box message, for the operations both
    // kinds have.
    UINT Message(const CListOrCombo& list, UINT listMessage, UINT comboMessage)
    {
        return list.m_pListBox != NULL ? listMessage : comboMessage;
    }
}

int CListOrCombo::GetCount() const
{
    return (int)::SendMessageA(Window(), Message(*this, LB_GETCOUNT, CB_GETCOUNT), 0, 0);
}

CString CListOrCombo::GetText(int index) const
{
    int length = (int)::SendMessageA(Window(), Message(*this, LB_GETTEXTLEN, CB_GETLBTEXTLEN), index, 0);
    CString text;
    if (length <= 0)
        return text;
    ::SendMessageA(Window(), Message(*this, LB_GETTEXT, CB_GETLBTEXT), index, (LPARAM)text.GetBuffer(length + 1));
    text.ReleaseBuffer();
    return text;
}

DWORD_PTR CListOrCombo::GetItemData(int index) const
{
    return (DWORD_PTR)::SendMessageA(Window(), Message(*this, LB_GETITEMDATA, CB_GETITEMDATA), index, 0);
}

int CListOrCombo::SetItemData(int index, DWORD_PTR data)
{
    return (int)::SendMessageA(Window(), Message(*this, LB_SETITEMDATA, CB_SETITEMDATA), index, (LPARAM)data);
}

int CListOrCombo::InsertString(int index, LPCTSTR text)
{
    return (int)::SendMessageA(Window(), Message(*this, LB_INSERTSTRING, CB_INSERTSTRING), index, (LPARAM)text);
}

int CListOrCombo::DeleteString(int index)
{
    return (int)::SendMessageA(Window(), Message(*this, LB_DELETESTRING, CB_DELETESTRING), index, 0);
}

void CListOrCombo::SetRedraw(BOOL redraw)
{
    ::SendMessageA(Window(), WM_SETREDRAW, redraw, 0);
}

int CListOrCombo::MoveItem(int index, int delta, BOOL reselect)
{
    int count = GetCount();
    int target = index + delta;
    if (index < 0 || index >= count || target < 0 || target >= count)
        return -1;
    CString text = GetText(index);
    DWORD_PTR data = GetItemData(index);
    if (DeleteString(index) < 0)
        return -1;
    int placed = InsertString(target, text);
    if (placed < 0)
        return -1;
    SetItemData(placed, data);
    if (reselect)
        SelectItem(placed);
    return placed;
}

BOOL CListOrCombo::Fill(const CStringArray& texts, const CDWordArray* data, CFont* font)
{
    int selected = GetCurSel();
    ::SendMessageA(Window(), Message(*this, LB_RESETCONTENT, CB_RESETCONTENT), 0, 0);
    SetRedraw(FALSE);
    HDC dc = ::GetDC(Window());
    HGDIOBJ oldFont = font != NULL && dc != NULL ? ::SelectObject(dc, font->GetSafeHandle()) : NULL;
    int widest = 0;
    BOOL filled = TRUE;
    for (int i = 0; i < texts.GetSize() && filled; i++)
    {
        if (dc != NULL)
        {
            SIZE extent = {};
            ::GetTextExtentPoint32A(dc, texts[i], texts[i].GetLength(), &extent);
            widest = std::max(widest, (int)extent.cx);
        }
        int added = InsertString(-1, texts[i]);
        DWORD_PTR value = data != NULL && i < data->GetSize() ? (DWORD_PTR)data->GetAt(i) : (DWORD_PTR)i;
        filled = added >= 0 && SetItemData(added, value) >= 0;
    }
    if (oldFont != NULL)
        ::SelectObject(dc, oldFont);
    if (dc != NULL)
        ::ReleaseDC(Window(), dc);
    if (filled)
    {
        ::SendMessageA(Window(), Message(*this, LB_SETHORIZONTALEXTENT, CB_SETHORIZONTALEXTENT), widest + 4, 0);
        if (selected >= 0)
            SetCurSel(std::min(selected, GetCount() - 1));
    }
    else
        ::SendMessageA(Window(), Message(*this, LB_RESETCONTENT, CB_RESETCONTENT), 0, 0);
    SetRedraw(TRUE);
    ::InvalidateRect(Window(), NULL, TRUE);
    return filled;
}

void CListOrCombo::SetTabStopsToFit()
{
    if (m_pListBox == NULL || m_pListBox->m_hWnd == NULL)
        return;
    HWND list = m_pListBox->m_hWnd;
    HDC dc = ::GetDC(list);
    HFONT font = (HFONT)::SendMessageA(list, WM_GETFONT, 0, 0);
    HGDIOBJ oldFont = font != NULL ? ::SelectObject(dc, font) : NULL;
    TEXTMETRICA metrics;
    ::GetTextMetricsA(dc, &metrics);
    const int charWidth = metrics.tmAveCharWidth > 0 ? metrics.tmAveCharWidth : 1;

    // The widest text of each column but the last, in pixels.
    CArray<int, int> widths;
    const int count = (int)::SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int item = 0; item < count; item++)
    {
        CString text;
        m_pListBox->GetText(item, text);
        int column = 0;
        for (int start = 0, tab; (tab = text.Find('\t', start)) >= 0; start = tab + 1, column++)
        {
            SIZE size = {0, 0};
            ::GetTextExtentPoint32A(dc, (LPCSTR)text + start, tab - start, &size);
            if (column >= widths.GetSize())
                widths.Add(0);
            if (size.cx > widths[column])
                widths[column] = size.cx;
        }
    }
    if (oldFont != NULL)
        ::SelectObject(dc, oldFont);
    ::ReleaseDC(list, dc);

    // Tab stops count quarters of the font's average character width; each
    // column is followed by a gap of two characters.
    CArray<int, int> stops;
    int position = 0;
    for (int column = 0; column < widths.GetSize(); column++)
    {
        position += widths[column] + 2 * charWidth;
        stops.Add((position * 4 + charWidth - 1) / charWidth);
    }
    if (stops.GetSize() == 0)
        ::SendMessageA(list, LB_SETTABSTOPS, 0, 0);
    else
        ::SendMessageA(list, LB_SETTABSTOPS, (WPARAM)stops.GetSize(), (LPARAM)stops.GetData());
    ::InvalidateRect(list, NULL, TRUE);
}
