#pragma once
// What the framework's list box and combo box share: their items, kept as
// records of their own in own-records mode (text, image, item data) or as the
// control's strings; the buttons kept enabled by the selection, with the
// list action run on a double-click; and deletion with the window.
#include "afx/app/AfxWin.h"
#include "framework/controls/ListItemRecords.h"
#include "framework/controls/SelectionDependents.h"
#include "foundation/windows/ListItemOperations.h"

template <class Control>
class CRecordListControl : public Control, public CListItemOperations
{
public:
    void SetOwnRecords(BOOL ownRecords) { m_records.m_ownRecords = ownRecords; }
    BOOL HasOwnRecords() const override { return m_records.m_ownRecords; }

    int AddString(LPCTSTR text, int extraValue = -1) override { return m_records.Insert(TRUE, -1, text, extraValue); }
    int InsertString(int index, LPCTSTR text, int extraValue = -1) override
    {
        return m_records.Insert(FALSE, index, text, extraValue);
    }
    void ResetContent() override { m_records.Reset(); }
    DWORD_PTR GetItemData(int index) const override { return m_records.GetItemData(index); }
    int SetItemData(int index, DWORD_PTR data) override { return m_records.SetItemData(index, data); }
    int GetExtraValue(int index) const override { return m_records.GetExtraValue(index); }
    void GetItemText(int index, CString& text) const override { m_records.GetText(index, text); }
    int GetItemTextLen(int index) const override { return m_records.GetTextLen(index); }

    int FindStringExact(int start, LPCTSTR text) const { return m_records.Find(start, text, TRUE); }
    CString GetCurSelText() const
    {
        CString text;
        const int selected = this->GetCurSel();
        if (selected >= 0)
            m_records.GetText(selected, text);
        return text;
    }

    void MeasureItem(LPMEASUREITEMSTRUCT item) override { item->itemHeight = CListItemRecords::ItemHeight(); }
    int CompareItem(LPCOMPAREITEMSTRUCT item) override { return m_records.Compare(item); }

    CSelectionDependents m_dependents;
    CListItemRecords m_records;
    int m_deleteWithWindow = 0;

protected:
    explicit CRecordListControl(BOOL combo) : m_records(this, combo) {}

    void PostNcDestroy() override
    {
        Control::PostNcDestroy();
        if (m_deleteWithWindow)
            delete this;
    }

    // Reflected selection change and double-click.
    BOOL OnSelChange()
    {
        m_dependents.Update();
        return FALSE; // the parent sees the change too
    }
    // Handled when a list action ran; otherwise the parent sees the
    // double-click, as a dialog that treats it like OK needs.
    BOOL OnDoubleClick() { return m_dependents.RunAction(); }
};
