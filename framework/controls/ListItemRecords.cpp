#include "framework/controls/ListItemRecords.h"

#include "framework/app/SharedFonts.h"
#include "framework/controls/ItemDrawStyle.h"
#include "framework/resources/CommandImagesIds.h"
#include "foundation/windows/SystemColours.h"

#include <algorithm>

CListItemRecords::CListItemRecords(CWnd* control, BOOL combo) : m_ownRecords(0), m_control(control), m_combo(combo)
{
}

CListItemRecords::~CListItemRecords() = default;

LRESULT CListItemRecords::Send(UINT listMessage, UINT comboMessage, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_control->m_hWnd, m_combo ? comboMessage : listMessage, wParam, lParam);
}

int CListItemRecords::Insert(BOOL add, int index, LPCTSTR text, int extraValue)
{
    if (!m_ownRecords)
        return add ? (int)Send(LB_ADDSTRING, CB_ADDSTRING, 0, (LPARAM)text)
                   : (int)Send(LB_INSERTSTRING, CB_INSERTSTRING, (WPARAM)index, (LPARAM)text);
    m_records.push_back(std::make_unique<CListItemRecord>());
    CListItemRecord* record = m_records.back().get();
    record->m_extraValue = extraValue;
    record->m_text = text;
    const int recordIndex = (int)m_records.size() - 1;
    // A sorted control compares the record itself while inserting it.
    int placed = add ? (int)Send(LB_ADDSTRING, CB_ADDSTRING, 0, (LPARAM)record)
                     : (int)Send(LB_INSERTSTRING, CB_INSERTSTRING, (WPARAM)index, (LPARAM)record);
    if (placed >= 0 && Send(LB_SETITEMDATA, CB_SETITEMDATA, (WPARAM)placed, (LPARAM)recordIndex) >= 0)
        return placed;
    if (placed >= 0)
        Send(LB_DELETESTRING, CB_DELETESTRING, (WPARAM)placed);
    m_records.pop_back();
    return -1;
}

void CListItemRecords::Reset()
{
    Send(LB_RESETCONTENT, CB_RESETCONTENT);
    m_records.clear();
}

CListItemRecord* CListItemRecords::RecordOfData(DWORD_PTR windowsData) const
{
    int index = (int)windowsData;
    if (index < 0 || index >= (int)m_records.size())
        return NULL;
    return m_records[index].get();
}

CListItemRecord* CListItemRecords::Record(int index) const
{
    if (!m_ownRecords || m_control->m_hWnd == NULL)
        return NULL;
    return RecordOfData((DWORD_PTR)Send(LB_GETITEMDATA, CB_GETITEMDATA, (WPARAM)index));
}

DWORD_PTR CListItemRecords::GetItemData(int index) const
{
    if (!m_ownRecords)
        return (DWORD_PTR)Send(LB_GETITEMDATA, CB_GETITEMDATA, (WPARAM)index);
    CListItemRecord* record = Record(index);
    return record != NULL ? record->m_itemData : (DWORD_PTR)-1;
}

int CListItemRecords::SetItemData(int index, DWORD_PTR data)
{
    if (!m_ownRecords)
        return (int)Send(LB_SETITEMDATA, CB_SETITEMDATA, (WPARAM)index, (LPARAM)data);
    CListItemRecord* record = Record(index);
    if (record == NULL)
        return -1;
    record->m_itemData = data;
    return 0;
}

int CListItemRecords::GetExtraValue(int index) const
{
    CListItemRecord* record = Record(index);
    return record != NULL ? record->m_extraValue : -1;
}

int CListItemRecords::GetText(int index, LPTSTR buffer) const
{
    if (!m_ownRecords)
        return (int)Send(LB_GETTEXT, CB_GETLBTEXT, (WPARAM)index, (LPARAM)buffer);
    CListItemRecord* record = Record(index);
    if (record == NULL)
        return -1;
    strcpy(buffer, record->m_text);
    return record->m_text.GetLength();
}

void CListItemRecords::GetText(int index, CString& text) const
{
    text.Empty();
    if (m_ownRecords)
    {
        if (CListItemRecord* record = Record(index))
            text = record->m_text;
        return;
    }
    int length = (int)Send(LB_GETTEXTLEN, CB_GETLBTEXTLEN, (WPARAM)index);
    if (length <= 0)
        return;
    Send(LB_GETTEXT, CB_GETLBTEXT, (WPARAM)index, (LPARAM)text.GetBuffer(length + 1));
    text.ReleaseBuffer();
}

int CListItemRecords::GetTextLen(int index) const
{
    if (!m_ownRecords)
        return (int)Send(LB_GETTEXTLEN, CB_GETLBTEXTLEN, (WPARAM)index);
    CListItemRecord* record = Record(index);
    return record != NULL ? record->m_text.GetLength() : -1;
}

int CListItemRecords::Find(int start, LPCTSTR text, BOOL exact) const
{
    if (!m_ownRecords)
        return exact ? (int)Send(LB_FINDSTRINGEXACT, CB_FINDSTRINGEXACT, (WPARAM)start, (LPARAM)text)
                     : (int)Send(LB_FINDSTRING, CB_FINDSTRING, (WPARAM)start, (LPARAM)text);
    int count = (int)Send(LB_GETCOUNT, CB_GETCOUNT);
    int length = text != NULL ? (int)strlen(text) : 0;
    if (length == 0 || count <= 0)
        return -1;
    int first = start < 0 ? 0 : start + 1;
    for (int step = 0; step < count; step++)
    {
        int index = (first + step) % count;
        CListItemRecord* record = Record(index);
        if (record == NULL)
            return -1;
        const CString& candidate = record->m_text;
        if (exact ? candidate.CompareNoCase(text) == 0
                  : candidate.GetLength() >= length && _strnicmp(candidate, text, length) == 0)
            return index;
    }
    return -1;
}

int CListItemRecords::Compare(const COMPAREITEMSTRUCT* item) const
{
    // An item being inserted comes with index -1 and its record as its data.
    CListItemRecord* first = item->itemID1 == (UINT)-1 ? (CListItemRecord*)item->itemData1
                                                        : RecordOfData(item->itemData1);
    CListItemRecord* second = item->itemID2 == (UINT)-1 ? (CListItemRecord*)item->itemData2
                                                         : RecordOfData(item->itemData2);
    if (first == NULL || second == NULL)
        return 0;
    int order = first->m_text.CompareNoCase(second->m_text);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

void CListItemRecords::Draw(const DRAWITEMSTRUCT* item, BOOL flatWhenDisabled) const
{
    CDC* dc = CDC::FromHandle(item->hDC);
    const BOOL disabled = !::IsWindowEnabled(m_control->m_hWnd);
    const BOOL selected = (item->itemState & ODS_SELECTED) != 0;
    COLORREF text = GetSystemColour(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    COLORREF back = GetSystemColour(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    UINT state = ITEM_LITERAL_TEXT;
    if (disabled)
    {
        text = GetSystemColour(COLOR_GRAYTEXT);
        if (flatWhenDisabled)
            back = GetSystemColour(COLOR_BTNFACE);
        else
            state |= ITEM_DISABLED;
    }
    dc->FillSolidRect(&item->rcItem, back);
    // The empty edit part of a combo box comes with item -1 and no record.
    CListItemRecord* record = (int)item->itemID >= 0 ? RecordOfData(item->itemData) : NULL;
    if (record != NULL)
    {
        CItemDrawStyle style;
        style.m_textPlacement = 4;
        style.m_imageMarginX = 4;
        style.m_imageMarginY = 0;
        int image = record->m_extraValue < 0 ? -1 : record->m_extraValue;
        style.SetImage(IDB_COMMAND_IMAGES, 0xFF00FF, 16, 15, image, image);
        style.Draw(dc, item->rcItem, 0, 0, state, record->m_text, text, back, 0, NoImageBand);
    }
    if (item->itemState & ODS_FOCUS)
        dc->DrawFocusRect(&item->rcItem);
}

int CListItemRecords::ItemHeight()
{
    return std::max((int)GuiFont.m_metrics.tmHeight, 15);
}
