#pragma once
// The framework's list box, twin of CMyComboBox: plain, or in own-records
// mode an owner-drawn list of records (text, image, item data). Searches
// typed letters itself, shows grey on the button face when disabled, and
// keeps the buttons beside it enabled by its selection.
#include "afx/app/AfxWin.h"
#include "framework/controls/ListItemRecords.h"
#include "framework/controls/SelectionDependents.h"
#include "foundation/windows/ListItemOperations.h"

class CMyListBox : public CListBox, public CListItemOperations
{
    DECLARE_DYNCREATE(CMyListBox)

public:
    CMyListBox();

    // Own records: created owner-drawn with variable height.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    void SetOwnRecords(BOOL ownRecords) { m_records.m_ownRecords = ownRecords; }
    BOOL HasOwnRecords() const override { return m_records.m_ownRecords; }

    int AddString(LPCTSTR text, int extraValue = -1) override;
    int InsertString(int index, LPCTSTR text, int extraValue = -1) override;
    void ResetContent() override;
    DWORD_PTR GetItemData(int index) const override;
    int SetItemData(int index, DWORD_PTR data) override;
    int GetExtraValue(int index) const override;
    int GetText(int index, LPTSTR buffer) const;
    void GetText(int index, CString& text) const;
    int GetTextLen(int index) const;
    void GetItemText(int index, CString& text) const override { GetText(index, text); }
    int GetItemTextLen(int index) const override { return GetTextLen(index); }

    int FindStringExact(int start, LPCTSTR text) const;
    CString GetCurSelText() const;
    BOOL SetTabStops(int count, LPINT stops) { return CListBox::SetTabStops(count, stops); }
    void EnsureVisible(int index);

    void DrawItem(LPDRAWITEMSTRUCT item) override;
    void MeasureItem(LPMEASUREITEMSTRUCT item) override;
    int CompareItem(LPCOMPAREITEMSTRUCT item) override;
    int VKeyToItem(UINT key, UINT index) override;
    int CharToItem(UINT key, UINT index) override;

    CSelectionDependents m_dependents;
    CListItemRecords m_records;
    int m_deleteWithWindow;

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void PostNcDestroy() override;

    afx_msg BOOL OnSelChange();
    afx_msg void OnDoubleClick();
    afx_msg void OnEnable(BOOL enable);

    DECLARE_MESSAGE_MAP()
};

// The selected text of a list box, trimmed; loading selects the item with
// the text, else the first item when the fallback is an index of the list.
void AFXAPI DDX_MyListText(CDataExchange* pDX, int nIDC, CString& value, int fallback);
