#pragma once
// The item store that the framework's list box and combo box share: either
// the plain messages of the control, or, in own-records mode, records kept
// here whose index is what the control stores as an item's data. Also the
// record search, comparison and item drawing of both controls.
#include "afx/app/AfxWin.h"
#include "framework/controls/ListItemRecord.h"

#include <memory>
#include <vector>

class CListItemRecords
{
public:
    CListItemRecords(CWnd* control, BOOL combo);
    ~CListItemRecords();

    // Own-records mode; switch it before the control gets items.
    int m_ownRecords;

    // index -1 with add: appended (or sorted in by the control).
    int Insert(BOOL add, int index, LPCTSTR text, int extraValue);
    void Reset();

    // The record of an item, or of the data the control keeps for an item;
    // null when there is none.
    CListItemRecord* Record(int index) const;
    CListItemRecord* RecordOfData(DWORD_PTR windowsData) const;

    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    int GetExtraValue(int index) const;
    int GetText(int index, LPTSTR buffer) const;
    void GetText(int index, CString& text) const;
    int GetTextLen(int index) const;

    // Own records: search after start (from 0 for start < 0) to the end, then
    // from 0 up to start, comparing whole texts or beginnings without regard
    // to case. -1 when none, for an empty text or list, or at an item without
    // a record. Without own records: the control's own search.
    int Find(int start, LPCTSTR text, BOOL exact) const;

    // Case-insensitive order of two records' texts (0 when either is missing).
    int Compare(const COMPAREITEMSTRUCT* item) const;

    // Paints an item: the highlight when selected, the image and the text,
    // the focus rectangle. A disabled control draws its text grey, embossed
    // unless flat (then on the button face).
    void Draw(const DRAWITEMSTRUCT* item, BOOL flatWhenDisabled) const;

    // Height of an item: the default font's line height, at least the image's.
    static int ItemHeight();

private:
    LRESULT Send(UINT listMessage, UINT comboMessage, WPARAM wParam = 0, LPARAM lParam = 0) const;

    CWnd* m_control;
    BOOL m_combo;
    std::vector<std::unique_ptr<CListItemRecord>> m_records;
};
