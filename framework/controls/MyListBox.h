#pragma once
// The framework's list box, twin of CMyComboBox: plain, or in own-records
// mode an owner-drawn list of records (text, image, item data). Searches
// typed letters itself, shows grey on the button face when disabled, and
// keeps the buttons beside it enabled by its selection.
#include "afx/app/AfxWin.h"
#include "framework/controls/RecordListControl.h"

class CMyListBox : public CRecordListControl<CListBox>
{
    DECLARE_DYNCREATE(CMyListBox)

public:
    CMyListBox();

    // Own records: created owner-drawn with variable height.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetText(int index, LPTSTR buffer) const { return m_records.GetText(index, buffer); }
    void GetText(int index, CString& text) const { m_records.GetText(index, text); }
    int GetTextLen(int index) const { return m_records.GetTextLen(index); }

    BOOL SetTabStops(int count, LPINT stops) { return CListBox::SetTabStops(count, stops); }
    void EnsureVisible(int index);

    void DrawItem(LPDRAWITEMSTRUCT item) override;
    int VKeyToItem(UINT key, UINT index) override;
    int CharToItem(UINT key, UINT index) override;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    afx_msg void OnEnable(BOOL enable);

    DECLARE_MESSAGE_MAP()
};

// The selected text of a list box, trimmed; loading selects the item with
// the text, else the first item when the fallback is an index of the list.
void AFXAPI DDX_MyListText(CDataExchange* pDX, int nIDC, CString& value, int fallback);
